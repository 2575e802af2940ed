// SPDX-License-Identifier: GPL-3.0-or-later
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
    std::vector<NoteDraft> kept;
    float keptLoudest = 0;
    int keptEnd = -1;  // the last frame of the note kept before, echo and all
    for (NoteDraft n : notes) {
        if (n.last < n.first) continue;
        const std::vector<float> env = LevelEnvelope(frames, n.first, n.last);
        const float loudest = *std::max_element(env.begin(), env.end());
        // A piece on the pitch of the note before, going on from its end and
        // never coming near its level, is its echo split off.
        if (!kept.empty() && n.midi == kept.back().midi && n.first <= keptEnd + 1 &&
            loudest < keptLoudest - kReleaseDb)
            continue;
        keptEnd = n.last;
        int end = static_cast<int>(env.size()) - 1;
        while (end > 0 && env[static_cast<std::size_t>(end)] < loudest - kReleaseDb) --end;
        if (static_cast<int>(env.size()) - 1 - end >= kLeastTailFrames) n.last = n.first + end;
        kept.push_back(n);
        keptLoudest = loudest;
    }
    notes = std::move(kept);
}

}  // namespace sorvel::listen
