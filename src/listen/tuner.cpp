// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/tuner.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/arith.h"
#include "listen/pitchunits.h"

namespace sorvel::listen {
namespace {

constexpr double kLowestHz = 60.0, kHighestHz = 3000.0;
constexpr double kFrameSeconds = 0.03;
constexpr int kFrames = 16;
constexpr float kThreshold = 0.15f;  // YIN threshold of a clear period
constexpr double kQuietDb = -60.0;
constexpr double kVoicedShare = 0.6;    // of the frames that must agree
constexpr double kSteadyCents = 10.0;   // spread of a tone without vibrato
constexpr double kMuddleCents = 150.0;  // a wider spread is no one tone

struct Span {
    const float* x;
    std::size_t n;
};

// YIN on `window` samples from `x`: the period in samples, 0 when unclear.
double FramePeriod(const float* x, int window, int maxLag) {
    std::vector<float> cmnd(static_cast<std::size_t>(maxLag) + 2, 1.0f);
    double running = 0;
    for (int lag = 1; lag <= maxLag + 1; ++lag) {
        double d = 0;
        for (int j = 0; j < window; ++j) {
            const double e = x[j] - x[j + lag];
            d += e * e;
        }
        running += d;
        cmnd[lag] = running > 0 ? static_cast<float>(d * lag / running) : 1.0f;
    }
    for (int lag = 2; lag <= maxLag; ++lag) {
        if (cmnd[lag] >= kThreshold) continue;
        while (lag < maxLag && cmnd[lag + 1] < cmnd[lag]) ++lag;
        const double a = cmnd[lag - 1], b = cmnd[lag], c = cmnd[lag + 1];
        const double curve = a - 2 * b + c;
        return lag + (curve > 0 ? std::clamp(0.5 * (a - c) / curve, -0.5, 0.5) : 0.0);
    }
    return 0;
}

// Mean squared difference of the signal with itself `lag` samples later.
double Difference(Span s, int lag) {
    double d = 0;
    for (std::size_t j = 0; j + static_cast<std::size_t>(lag) < s.n; ++j) {
        const double e = s.x[j] - s.x[j + static_cast<std::size_t>(lag)];
        d += e * e;
    }
    return d / static_cast<double>(s.n - static_cast<std::size_t>(lag));
}

// Refines a period by measuring many periods at once: the error of one
// measurement spreads over all of them.
double LongPeriod(Span s, double period) {
    const int cycles = static_cast<int>(s.n / 2 / period);
    if (cycles < 2) return period;
    const int lag = RoundHalfEven(cycles * period);
    const double a = Difference(s, lag - 1), b = Difference(s, lag), c = Difference(s, lag + 1);
    const double curve = a - 2 * b + c;
    if (curve <= 0 || b > a || b > c) return period;
    return (lag + 0.5 * (a - c) / curve) / cycles;
}

}  // namespace

TunerReading EstimateTone(const float* samples, std::size_t count, int rate, double a4Hz) {
    TunerReading r;
    if (!samples || rate <= 0 || count == 0 || !(a4Hz > 0)) return r;
    double energy = 0;
    for (std::size_t i = 0; i < count; ++i) energy += static_cast<double>(samples[i]) * samples[i];
    r.levelDb = 10 * std::log10(energy / static_cast<double>(count) + 1e-12);
    const int window = static_cast<int>(kFrameSeconds * rate);
    const int maxLag = static_cast<int>(rate / kLowestHz);
    const int minLag = static_cast<int>(rate / kHighestHz);
    if (r.levelDb < kQuietDb || count < static_cast<std::size_t>(window + maxLag + 2)) return r;
    std::vector<double> cents;
    const std::size_t room = count - static_cast<std::size_t>(window + maxLag + 2);
    for (int k = 0; k < kFrames; ++k) {
        const std::size_t at = room * static_cast<std::size_t>(k) / (kFrames - 1);
        const double period = FramePeriod(samples + at, window, maxLag);
        if (period > minLag) cents.push_back(100.0 * MidiOfHz(rate / period, a4Hz));
    }
    if (cents.size() < kVoicedShare * kFrames) return r;
    std::sort(cents.begin(), cents.end());
    if (cents.back() - cents.front() > kMuddleCents) return r;  // pitches disagree
    double centre = cents[cents.size() / 2];
    if (cents.back() - cents.front() >= kSteadyCents) {
        // Vibrato: the frames fall at all its phases, their mean is its centre.
        double sum = 0;
        for (double c : cents) sum += c;
        centre = sum / static_cast<double>(cents.size());
    } else {
        const double period = LongPeriod({samples, count}, rate / HzOfMidi(centre / 100.0, a4Hz));
        centre = 100.0 * MidiOfHz(rate / period, a4Hz);
    }
    r.valid = true;
    r.midi = RoundHalfEven(centre / 100.0);
    r.cents = centre - 100.0 * r.midi;
    r.hz = HzOfMidi(centre / 100.0, a4Hz);
    return r;
}

}  // namespace sorvel::listen
