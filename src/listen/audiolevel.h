// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Peak and clipping of the raw samples of a recording, counted while it is
// read, and the verdict on a recording too short, silent, quiet or clipped.
#include <cstddef>
#include <cstdint>

#include "base/usertext.h"

namespace sorvel::listen {

class AudioLevel {
public:
    // Counts samples (any channel layout: every value counts once).
    void Add(const float* samples, std::size_t count);

    float Peak() const { return peak_; }
    double PeakDb() const;
    std::int64_t Clipped() const { return clipped_; }
    std::int64_t Samples() const { return samples_; }

private:
    float peak_ = 0;
    std::int64_t clipped_ = 0;
    std::int64_t samples_ = 0;
};

// Below this peak a recording counts as silent, below the next as too quiet
// to hear notes in.
inline constexpr double kSilentPeakDb = -90.0;
inline constexpr double kQuietPeakDb = -50.0;
// Shorter recordings hold no note worth writing.
inline constexpr double kShortestSeconds = 0.2;

// Why a recording of `seconds` with `level` cannot be analysed: an empty text
// when it can.
UserText RecordingProblem(const AudioLevel& level, double seconds);
// A warning for a recording that clips: empty when it does not, or clips so
// rarely that it cannot matter.
UserText ClippingWarning(std::int64_t clippedSamples, std::int64_t samples);

}  // namespace sorvel::listen
