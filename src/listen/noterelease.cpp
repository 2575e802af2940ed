#include "listen/noterelease.h"

#include <algorithm>

#include "listen/bowchanges.h"

namespace sorvel::listen {
namespace {

// A note's level falls this far below its loudest only once its bow has
// stopped: a bowed note's swell and ebb, vibrato and all, stay well within it.
constexpr float kReleaseDb = 15.0f;
// Tails shorter than this are the note fading into the next one, left to it.
constexpr int kLeastTailFrames = static_cast<int>(0.08 / kHopSeconds);

}  // namespace

void TrimReleases(const PitchTrack& frames, std::vector<NoteDraft>& notes) {
    for (NoteDraft& n : notes) {
        if (n.last <= n.first) continue;
        const std::vector<float> env = LevelEnvelope(frames, n.first, n.last);
        const float loudest = *std::max_element(env.begin(), env.end());
        int end = static_cast<int>(env.size()) - 1;
        while (end > 0 && env[static_cast<std::size_t>(end)] < loudest - kReleaseDb) --end;
        if (static_cast<int>(env.size()) - 1 - end >= kLeastTailFrames) n.last = n.first + end;
    }
}

}  // namespace sorvel::listen
