// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/tuning.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "listen/pitchunits.h"

namespace sorvel::listen {
namespace {

// The averaging window: a whole cycle of the slowest vibrato (4 Hz).
constexpr int kHalfWindow = static_cast<int>(0.125 / kHopSeconds);
// A window whose pitch spans more than this holds a glide or a note change
// (vibrato of ±50 cents spans one semitone).
constexpr double kSteadySpan = 1.25;  // semitones

bool Counts(const PitchFrame& f, float minLevelDb) {
    return f.voiced && f.levelDb >= minLevelDb && f.hz > 0;
}

}  // namespace

double EstimateTuningCents(const PitchTrack& frames, float minLevelDb) {
    const int n = static_cast<int>(frames.size());
    std::vector<double> midi(frames.size());
    for (int i = 0; i < n; ++i)
        midi[static_cast<std::size_t>(i)] = Counts(frames[static_cast<std::size_t>(i)], minLevelDb)
                                                ? MidiOfHz(frames[static_cast<std::size_t>(i)].hz)
                                                : NAN;
    double s = 0, c = 0;
    for (int i = kHalfWindow; i + kHalfWindow < n; ++i) {
        double sum = 0, low = 1e9, high = -1e9;
        bool steady = true;
        for (int k = i - kHalfWindow; k <= i + kHalfWindow && steady; ++k) {
            const double m = midi[static_cast<std::size_t>(k)];
            steady = !std::isnan(m);
            sum += m;
            low = std::min(low, m);
            high = std::max(high, m);
        }
        if (!steady || high - low > kSteadySpan) continue;
        const double cents = 100.0 * sum / (2 * kHalfWindow + 1);
        const double angle = 2 * std::numbers::pi * cents / 100.0;
        const double weight = frames[static_cast<std::size_t>(i)].voicedProb;
        s += weight * std::sin(angle);
        c += weight * std::cos(angle);
    }
    if (s == 0 && c == 0) return 0;
    return std::atan2(s, c) * 100.0 / (2 * std::numbers::pi);
}

}  // namespace sorvel::listen
