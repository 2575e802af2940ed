// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/yinframe.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "listen/framespectra.h"
#include "listen/pitchframe.h"

namespace sorvel::listen {
namespace {

constexpr int kWindow = 512;  // the difference function's integration window
constexpr int kMinLag = static_cast<int>(kAnalysisRate / kHighestHz);
constexpr int kMaxLag = static_cast<int>(kAnalysisRate / kLowestHz) + 1;
// The window starts here so that window and lags are centred in the frame.
constexpr int kWindowStart = (kFrameSize - kWindow - kMaxLag) / 2;
static_assert(kWindowStart + kMaxLag + 1 + kWindow <= kFrameSize);
constexpr int kThresholds = 100;
// Beta prior over the YIN threshold: mean 0.15 (Mauch and Dixon's middle
// setting), which keeps the breathy frames of a bow change unvoiced.
constexpr double kBetaA = 2.0;
constexpr double kBetaB = 34.0 / 3.0;
// The share of a threshold's mass given to the lowest dip when no dip lies
// below the threshold.
constexpr float kAbsoluteMinShare = 0.01f;
constexpr float kSilenceDb = -90.0f;
constexpr int kFluxBins = kFrameSize * 8000 / kAnalysisRate;  // up to 8 kHz
static_assert(kSpectrumBins <= kFluxBins);

float DbOfMeanSquare(double meanSquare) {
    return static_cast<float>(10.0 * std::log10(meanSquare + 1e-12));
}

}  // namespace

YinAnalyser::YinAnalyser()
    : fft_(kFrameSize),
      padded_(kFrameSize, 0.0f),
      real_(kFrameSize),
      window_(kFrameSize),
      cmnd_(kMaxLag + 2, 1.0f),
      amplitudes_(kSpectrumBins, 0.0f),
      energy_(kFrameSize + 1, 0.0),
      a_(kFrameSize / 2 + 1),
      b_(kFrameSize / 2 + 1) {
    double total = 0;
    thresholdPrior_.resize(kThresholds);
    for (int i = 0; i < kThresholds; ++i) {
        const double s = (i + 1) / static_cast<double>(kThresholds);
        const double p = std::pow(s, kBetaA - 1) * std::pow(1 - s, kBetaB - 1);
        thresholdPrior_[i] = static_cast<float>(p);
        total += p;
    }
    for (float& p : thresholdPrior_) p = static_cast<float>(p / total);
    for (int i = 0; i < kFrameSize; ++i)
        window_[i] =
            static_cast<float>(0.5 - 0.5 * std::cos(2 * std::numbers::pi * i / kFrameSize));
    for (auto& s : logSpectrum_) s.assign(kFluxBins, 0.0f);
}

void YinAnalyser::Analyse(const float* frame, YinFrame& out) {
    out = YinFrame();
    for (int i = 0; i < kFrameSize; ++i)
        energy_[i + 1] = energy_[i] + static_cast<double>(frame[i]) * frame[i];
    const int centre = kFrameSize / 4;
    out.levelDb =
        DbOfMeanSquare((energy_[centre + kFrameSize / 2] - energy_[centre]) / (kFrameSize / 2));
    out.flux = Flux(frame);
    if (out.levelDb < kSilenceDb) return;
    Difference(frame);
    Candidates(out);
}

// The difference function d(τ) = Σ (a_j − x_{j+τ})² from the cross-correlation
// of the window with the frame, then its cumulative mean normalisation.
void YinAnalyser::Difference(const float* frame) {
    std::fill(padded_.begin(), padded_.end(), 0.0f);
    std::copy(frame + kWindowStart, frame + kWindowStart + kWindow, padded_.begin());
    fft_.Forward(padded_.data(), a_.data());
    fft_.Forward(frame, b_.data());
    for (std::size_t k = 0; k < a_.size(); ++k) a_[k] = std::conj(a_[k]) * b_[k];
    fft_.Inverse(a_.data(), real_.data());
    const double scale = 1.0 / kFrameSize;
    const double windowEnergy = energy_[kWindowStart + kWindow] - energy_[kWindowStart];
    double running = 0;
    cmnd_[0] = 1.0f;
    for (int lag = 1; lag <= kMaxLag + 1; ++lag) {
        const int start = kWindowStart + lag;
        const double shifted = energy_[start + kWindow] - energy_[start];
        const double d = std::max(
            0.0, windowEnergy + shifted - 2.0 * scale * real_[static_cast<std::size_t>(start)]);
        running += d;
        cmnd_[lag] = running > 0 ? static_cast<float>(d * lag / running) : 1.0f;
    }
}

// Every dip of the normalised difference is the YIN estimate for the
// thresholds between its depth and the depth of the deepest dip before it;
// its probability is the prior mass of those thresholds.
void YinAnalyser::Candidates(YinFrame& out) const {
    std::array<PitchCandidate, kMaxLag> found{};
    int count = 0;
    float deepest = 2.0f;
    int deepestLag = -1;
    for (int lag = kMinLag; lag <= kMaxLag; ++lag) {
        const float v = cmnd_[lag];
        if (!(v < cmnd_[lag - 1] && v <= cmnd_[lag + 1]) || v >= deepest) continue;
        float mass = 0;
        for (int i = 0; i < kThresholds; ++i) {
            const float s = (i + 1) / static_cast<float>(kThresholds);
            if (s > v && s <= deepest) mass += thresholdPrior_[i];
        }
        const float below = cmnd_[lag - 1] - 2 * v + cmnd_[lag + 1];
        const float shift = below > 0 ? 0.5f * (cmnd_[lag - 1] - cmnd_[lag + 1]) / below : 0.0f;
        found[count++] = {
            static_cast<float>(kAnalysisRate / (lag + std::clamp(shift, -0.5f, 0.5f))), mass};
        deepest = v;
        deepestLag = count - 1;
    }
    if (deepestLag >= 0) {
        // Thresholds below every dip: the deepest takes a small share.
        float mass = 0;
        for (int i = 0; i < kThresholds && (i + 1) / static_cast<float>(kThresholds) <= deepest;
             ++i)
            mass += thresholdPrior_[i];
        found[deepestLag].prob += kAbsoluteMinShare * mass;
    }
    std::sort(found.begin(), found.begin() + count,
              [](const PitchCandidate& x, const PitchCandidate& y) { return x.prob > y.prob; });
    out.count = std::min(count, YinFrame::kMaxCandidates);
    for (int i = 0; i < out.count; ++i) {
        out.candidates[i] = found[i];
        out.voicedProb += found[i].prob;
    }
    out.voicedProb = std::min(out.voicedProb, 1.0f);
}

// Rise of the log magnitude spectrum against the frame two hops before: an
// attack or a bow change raises it across many bins at once.
float YinAnalyser::Flux(const float* frame) {
    for (int i = 0; i < kFrameSize; ++i) padded_[i] = frame[i] * window_[i];
    fft_.Forward(padded_.data(), b_.data());
    const int older = (newest_ + 2) % 3;  // written two frames ago
    const int slot = (newest_ + 1) % 3;
    std::vector<float>& now = logSpectrum_[slot];
    const float norm = 4.0f / kFrameSize;
    float rise = 0;
    amplitudes_[0] = norm * std::abs(b_[0]);
    for (int k = 1; k < kFluxBins; ++k) {
        const float amplitude = norm * std::abs(b_[k]);
        if (k < kSpectrumBins) amplitudes_[static_cast<std::size_t>(k)] = amplitude;
        now[k] = std::log1p(100.0f * amplitude);
        rise += std::max(0.0f, now[k] - logSpectrum_[older][k]);
    }
    newest_ = slot;
    return rise / kFluxBins;
}

}  // namespace sorvel::listen
