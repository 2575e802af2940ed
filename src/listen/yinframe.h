// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Probabilistic YIN on one frame: the cumulative mean normalised difference
// (through FFTW), pitch candidates weighted by a beta prior over thresholds,
// and the frame's level and spectral flux for the note stage.
#include <array>
#include <complex>
#include <vector>

#include "listen/fftplan.h"

namespace sorvel::listen {

struct PitchCandidate {
    float hz = 0;
    float prob = 0;
};

struct YinFrame {
    static constexpr int kMaxCandidates = 8;
    std::array<PitchCandidate, kMaxCandidates> candidates{};
    int count = 0;
    float voicedProb = 0;  // sum of the candidates' probabilities
    float levelDb = -120;
    float flux = 0;
};

class YinAnalyser {
public:
    YinAnalyser();

    // Analyses kFrameSize samples at kAnalysisRate. Frames must come in
    // time order: the flux compares each with the ones before.
    void Analyse(const float* frame, YinFrame& out);
    // The last frame's magnitude spectrum (Hann window) up to 5 kHz:
    // kSpectrumBins amplitudes in full-scale units.
    const float* Amplitudes() const { return amplitudes_.data(); }

private:
    void Difference(const float* frame);
    void Candidates(YinFrame& out) const;
    float Flux(const float* frame);

    FftPlan fft_;
    std::vector<float> thresholdPrior_;
    std::vector<float> padded_, real_, window_, cmnd_, amplitudes_;
    std::vector<double> energy_;  // prefix sums of squares of the frame
    std::vector<std::complex<float>> a_, b_;
    std::vector<float> logSpectrum_[3];
    int newest_ = 0;
};

}  // namespace sorvel::listen
