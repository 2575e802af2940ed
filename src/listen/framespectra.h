// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The magnitude spectrum of every analysis frame, kept compactly (half-dB
// steps in a byte per bin), so that the note stage can measure how loud a
// given pitch's own partials are at any frame.
#include <cstdint>
#include <vector>

#include "listen/pitchframe.h"

namespace sorvel::listen {

// Bins kept per frame: the frame's FFT up to 5 kHz.
inline constexpr int kSpectrumBins = kFrameSize * 5000 / kAnalysisRate;

class FrameSpectra {
public:
    // Appends one frame's spectrum: kSpectrumBins amplitudes in full-scale units.
    void Append(const float* amplitudes);

    int Frames() const { return static_cast<int>(bytes_.size() / kSpectrumBins); }
    // The level of `bin` in `frame`, dB full scale (-120 … +7).
    float Db(int frame, int bin) const;

    // The power sum of the partials of `hz` (up to the eighth) in `frame`, in
    // dB: each the loudest bin near it, leaving out the bins that lie on a
    // overtone of `avoidHz` (when not 0), since the other note owns them.
    // -120 when no overtone is left.
    float PartialsDb(int frame, double hz, double avoidHz = 0) const;
    // The power sum of the bins from `loHz` up to `hiHz` (at most 5 kHz) in
    // `frame`, in dB; -120 outside the frames kept.
    float BandDb(int frame, double loHz, double hiHz) const;

private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace sorvel::listen
