#include "listen/tuning.h"

#include <cmath>
#include <numbers>

#include "listen/pitchunits.h"

namespace sorvel::listen {
namespace {

// Faster than this a frame belongs to a glide or an attack, in cents per frame.
constexpr double kSteadyCentsPerFrame = 10.0;

}  // namespace

double EstimateTuningCents(const PitchTrack& frames, float minLevelDb) {
    double s = 0, c = 0;
    for (std::size_t i = 1; i + 1 < frames.size(); ++i) {
        const PitchFrame& f = frames[i];
        if (!f.voiced || !frames[i - 1].voiced || !frames[i + 1].voiced || f.levelDb < minLevelDb)
            continue;
        const double cents = 100.0 * MidiOfHz(f.hz);
        if (std::abs(cents - 100.0 * MidiOfHz(frames[i - 1].hz)) > kSteadyCentsPerFrame ||
            std::abs(cents - 100.0 * MidiOfHz(frames[i + 1].hz)) > kSteadyCentsPerFrame)
            continue;
        const double angle = 2 * std::numbers::pi * cents / 100.0;
        const double weight = f.voicedProb;
        s += weight * std::sin(angle);
        c += weight * std::cos(angle);
    }
    if (s == 0 && c == 0) return 0;
    return std::atan2(s, c) * 100.0 / (2 * std::numbers::pi);
}

}  // namespace sorvel::listen
