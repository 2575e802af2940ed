// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/framespectra.h"

#include <algorithm>
#include <cmath>

#include "base/arith.h"

namespace sorvel::listen {
namespace {

constexpr float kFloorDb = -120.0f;
constexpr float kStepsPerDb = 2.0f;
constexpr int kPartials = 8;
constexpr double kBinHz = static_cast<double>(kAnalysisRate) / kFrameSize;
// An overtone is read as the loudest bin within this many cents of it (vibrato
// and tuning move it), and at least the bins either side of it.
constexpr double kPartialCents = 30.0;
// A bin this close to an overtone of the other note is that note's: the main
// lobe of the Hann window is two bins either side.
constexpr double kSharedBins = 2.0;

bool NearPartialOf(double binHz, double avoidHz) {
    if (!(avoidHz > 0)) return false;
    const double overtone = std::max(1, RoundHalfEven(binHz / avoidHz)) * avoidHz;
    return std::abs(binHz - overtone) < kSharedBins * kBinHz;
}

}  // namespace

void FrameSpectra::Append(const float* amplitudes) {
    for (int k = 0; k < kSpectrumBins; ++k) {
        const double db = 20.0 * std::log10(std::max(static_cast<double>(amplitudes[k]), 1e-7));
        bytes_.push_back(static_cast<std::uint8_t>(
            std::clamp(RoundHalfEven((db - kFloorDb) * kStepsPerDb), 0, 255)));
    }
}

float FrameSpectra::Db(int frame, int bin) const {
    const std::size_t at = static_cast<std::size_t>(frame) * kSpectrumBins + bin;
    return kFloorDb + bytes_[at] / kStepsPerDb;
}

float FrameSpectra::PartialsDb(int frame, double hz, double avoidHz) const {
    if (frame < 0 || frame >= Frames() || !(hz > 0)) return kFloorDb;
    double power = 0;
    bool any = false;
    for (int k = 1; k <= kPartials; ++k) {
        const double bin = k * hz / kBinHz;
        if (bin + 1 >= kSpectrumBins) break;
        const double reach = std::max(1.0, bin * (std::exp2(kPartialCents / 1200) - 1));
        const int lo = std::max(1, static_cast<int>(std::floor(bin - reach)));
        const int hi = std::min(kSpectrumBins - 1, static_cast<int>(std::ceil(bin + reach)));
        float loudest = kFloorDb;
        bool own = false;
        for (int b = lo; b <= hi; ++b) {
            if (NearPartialOf(b * kBinHz, avoidHz)) continue;
            loudest = std::max(loudest, Db(frame, b));
            own = true;
        }
        if (!own) continue;
        power += std::pow(10.0, loudest / 10.0);
        any = true;
    }
    return any ? static_cast<float>(10.0 * std::log10(power)) : kFloorDb;
}

float FrameSpectra::BandDb(int frame, double loHz, double hiHz) const {
    if (frame < 0 || frame >= Frames()) return kFloorDb;
    const int lo = std::max(1, static_cast<int>(std::ceil(loHz / kBinHz)));
    const int hi = std::min(kSpectrumBins - 1, static_cast<int>(std::floor(hiHz / kBinHz)));
    double power = 0;
    for (int b = lo; b <= hi; ++b) power += std::pow(10.0, Db(frame, b) / 10.0);
    return power > 0 ? std::max(kFloorDb, static_cast<float>(10.0 * std::log10(power))) : kFloorDb;
}

}  // namespace sorvel::listen
