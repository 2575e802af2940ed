// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One analysis frame of the pitch track (time, frequency, voicing, level,
// onset strength) and the fixed analysis rate and frame geometry.
#include <vector>

namespace sorvel::listen {

// Every recording is resampled to this rate: the erhu's highest notes
// (about 2.4 kHz) keep several harmonics, and frames stay cheap.
inline constexpr int kAnalysisRate = 22050;
inline constexpr int kHop = 128;         // samples between frames (5.8 ms)
inline constexpr int kFrameSize = 1024;  // samples each frame looks at
inline constexpr double kHopSeconds = static_cast<double>(kHop) / kAnalysisRate;
// The lowest and highest fundamental searched: the inner string's D4 and
// the top of the outer string with room for octave candidates on both sides.
inline constexpr double kLowestHz = 130.0;
inline constexpr double kHighestHz = 2400.0;

struct PitchFrame {
    double time = 0;       // seconds: the centre of the frame
    float hz = 0;          // the tracked fundamental; where unvoiced, the last pitch held
    float voicedProb = 0;  // the probability mass of the frame's pitch candidates, 0 … 1
    bool voiced = false;   // the pitch track's decision
    float levelDb = -120;  // RMS level of the frame's centre, dB full scale
    float flux = 0;        // spectral flux: rise of the log spectrum over two hops
};

using PitchTrack = std::vector<PitchFrame>;

}  // namespace sorvel::listen
