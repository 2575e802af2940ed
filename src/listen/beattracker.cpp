// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/beattracker.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "listen/beatstrength.h"

namespace sorvel::listen {
namespace {

constexpr double kFps = kStrengthFramesPerSecond;
constexpr double kShortestPeriod = 0.18;  // seconds
constexpr double kLongestPeriod = 1.6;
constexpr double kPreferredPeriod = 0.5;    // the weighting's centre …
constexpr double kPreferenceOctaves = 1.0;  // … and its width
// How firmly the pulse keeps its period: the cost of an interval off the
// expected one is this times the squared log ratio (strength has sd 1).
constexpr double kTightness = 120;
constexpr int kSmoothReach = 2;  // pulses either side when smoothing times

double Autocorrelation(const std::vector<double>& s, size_t lag) {
    double sum = 0;
    for (size_t t = 0; t + lag < s.size(); ++t) sum += s[t] * s[t + lag];
    return sum / static_cast<double>(std::max<size_t>(1, s.size() - lag));
}

// Whether a lag stands at a simple ratio (1/2 … 3) to a known period.
bool NearKnown(double lag, double known) {
    for (double ratio : {0.5, 1.0, 1.5, 2.0, 3.0}) {
        if (std::abs(std::log(lag / (known * ratio))) < 0.12) return true;
    }
    return false;
}

// Expected interval (frames) at each frame: from the intervals of a first
// tracking (the median of seven around it), or the one period everywhere.
std::vector<double> ExpectedIntervals(size_t frames, double period,
                                      const std::vector<double>& firstPulses) {
    std::vector<double> expected(frames, period * kFps);
    if (firstPulses.size() < 4) return expected;
    std::vector<double> intervals;
    for (size_t i = 1; i < firstPulses.size(); ++i)
        intervals.push_back(firstPulses[i] - firstPulses[i - 1]);
    // Stay within a quarter of the global period: a stray interval never
    // doubles or halves the pulse.
    std::vector<double> local(intervals.size());
    for (size_t i = 0; i < intervals.size(); ++i) {
        std::vector<double> near(
            intervals.begin() + static_cast<long>(i >= 3 ? i - 3 : 0),
            intervals.begin() + static_cast<long>(std::min(intervals.size(), i + 4)));
        std::nth_element(near.begin(), near.begin() + near.size() / 2, near.end());
        local[i] = std::clamp(near[near.size() / 2], period * 0.8, period * 1.25) * kFps;
    }
    size_t i = 0;
    for (size_t f = 0; f < frames; ++f) {
        const double t = static_cast<double>(f) / kFps;
        while (i + 1 < local.size() && firstPulses[i + 1] <= t) ++i;
        expected[f] = local[i];
    }
    return expected;
}

// One pass of the dynamic programme over frames [begin, end).
std::vector<double> DynamicPulses(const std::vector<double>& strength, size_t begin, size_t end,
                                  const std::vector<double>& expected) {
    const size_t n = end - begin;
    std::vector<double> score(n, 0.0);
    std::vector<long> from(n, -1);
    for (size_t i = 0; i < n; ++i) {
        const double p = expected[begin + i];
        const long lo = static_cast<long>(i) - static_cast<long>(std::ceil(2 * p));
        const long hi = static_cast<long>(i) - static_cast<long>(std::floor(p / 2));
        double best = -std::numeric_limits<double>::infinity();
        for (long j = std::max(0L, lo); j <= hi; ++j) {
            const double r = std::log((static_cast<double>(i) - static_cast<double>(j)) / p);
            const double v = score[static_cast<size_t>(j)] - kTightness * r * r;
            if (v > best) {
                best = v;
                from[i] = j;
            }
        }
        score[i] = strength[begin + i] + (from[i] >= 0 ? std::max(best, 0.0) : 0.0);
        if (from[i] >= 0 && best < 0) from[i] = -1;
    }
    // The last pulse: the best score within the last expected interval.
    const size_t reach = static_cast<size_t>(std::ceil(expected[end - 1]));
    size_t last = n - 1;
    for (size_t i = n > reach ? n - reach : 0; i < n; ++i) {
        if (score[i] > score[last]) last = i;
    }
    std::vector<double> pulses;
    for (long i = static_cast<long>(last); i >= 0; i = from[static_cast<size_t>(i)])
        pulses.push_back(static_cast<double>(begin + static_cast<size_t>(i)) / kFps);
    std::reverse(pulses.begin(), pulses.end());
    return pulses;
}

// Each time replaced by a straight line's value fitted to its neighbours:
// the jitter of single onsets leaves the pulse.
std::vector<double> Smoothed(const std::vector<double>& t) {
    std::vector<double> out(t);
    const long n = static_cast<long>(t.size());
    for (long i = 0; i < n; ++i) {
        double sw = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
        for (long j = std::max(0L, i - kSmoothReach); j <= std::min(n - 1, i + kSmoothReach); ++j) {
            const double w = 1.0 + kSmoothReach - std::abs(static_cast<double>(j - i));
            const double x = static_cast<double>(j - i), y = t[static_cast<size_t>(j)];
            sw += w, sx += w * x, sy += w * y, sxx += w * x * x, sxy += w * x * y;
        }
        const double det = sw * sxx - sx * sx;
        if (det > 1e-9) out[static_cast<size_t>(i)] = (sy * sxx - sx * sxy) / det;
    }
    return out;
}

// Pulses added before and after at the end intervals until they cover
// [from, to].
void Extend(std::vector<double>& pulses, double from, double to) {
    while (pulses.front() > from) pulses.insert(pulses.begin(), 2 * pulses[0] - pulses[1]);
    while (pulses.back() < to) {
        const size_t n = pulses.size();
        pulses.push_back(2 * pulses[n - 1] - pulses[n - 2]);
    }
}

}  // namespace

PulseTrack::PulseTrack(std::vector<double> times) : times_(std::move(times)) {}

double PulseTrack::PulseAt(double seconds) const {
    if (Empty()) return 0;
    const auto it = std::upper_bound(times_.begin(), times_.end(), seconds);
    size_t i = static_cast<size_t>(it - times_.begin());
    i = std::clamp<size_t>(i == 0 ? 0 : i - 1, 0, times_.size() - 2);
    return static_cast<double>(i) + (seconds - times_[i]) / (times_[i + 1] - times_[i]);
}

double PulseTrack::TimeAt(double pulse) const {
    if (Empty()) return 0;
    const double last = static_cast<double>(times_.size() - 2);
    const size_t i = static_cast<size_t>(std::clamp(std::floor(pulse), 0.0, last));
    return times_[i] + (pulse - static_cast<double>(i)) * (times_[i + 1] - times_[i]);
}

double PulseTrack::PeriodAt(double pulse) const {
    if (Empty()) return 0;
    const double last = static_cast<double>(times_.size() - 2);
    const size_t i = static_cast<size_t>(std::clamp(std::floor(pulse), 0.0, last));
    return times_[i + 1] - times_[i];
}

double PulseTrack::MedianPeriod() const {
    if (Empty()) return 0;
    std::vector<double> d;
    for (size_t i = 1; i < times_.size(); ++i) d.push_back(times_[i] - times_[i - 1]);
    std::nth_element(d.begin(), d.begin() + d.size() / 2, d.end());
    return d[d.size() / 2];
}

double EstimatePulsePeriod(const std::vector<double>& strength, double near) {
    const size_t lo = static_cast<size_t>(kShortestPeriod * kFps);
    const size_t hi = std::min(static_cast<size_t>(kLongestPeriod * kFps), strength.size() / 2);
    std::vector<double> acf(hi + 2, 0.0);
    for (size_t lag = lo - 1; lag <= hi + 1 && lag < strength.size(); ++lag)
        acf[lag] = Autocorrelation(strength, lag);
    double best = 0;
    size_t bestLag = 0;
    for (size_t lag = lo; lag <= hi; ++lag) {
        const double seconds = static_cast<double>(lag) / kFps;
        if (near > 0 && !NearKnown(seconds, near)) continue;
        const double octaves = std::log2(seconds / kPreferredPeriod) / kPreferenceOctaves;
        const double v = acf[lag] * std::exp(-0.5 * octaves * octaves);
        if (acf[lag] >= acf[lag - 1] && acf[lag] >= acf[lag + 1] && v > best) {
            best = v;
            bestLag = lag;
        }
    }
    if (bestLag == 0) return 0;
    // The peak between frames, from the parabola through its neighbours.
    const double a = acf[bestLag - 1], b = acf[bestLag], c = acf[bestLag + 1];
    const double shift = (a - 2 * b + c) < 0 ? 0.5 * (a - c) / (a - 2 * b + c) : 0;
    return (static_cast<double>(bestLag) + std::clamp(shift, -0.5, 0.5)) / kFps;
}

PulseTrack TrackPulses(const std::vector<HeardNote>& notes, const std::vector<double>& strength,
                       double period) {
    if (notes.empty() || period <= 0 || strength.empty()) return {};
    const double first = notes.front().onset;
    double last = first;
    for (const HeardNote& n : notes) last = std::max(last, n.onset);
    const size_t size = strength.size();
    const size_t begin = static_cast<size_t>(std::max(0.0, (first - period) * kFps));
    const size_t end = std::min(size, static_cast<size_t>((last + period) * kFps) + 1);
    if (end <= begin + 2) return {};
    std::vector<double> pulses =
        DynamicPulses(strength, begin, end, ExpectedIntervals(size, period, {}));
    if (pulses.size() >= 4)
        pulses = DynamicPulses(strength, begin, end, ExpectedIntervals(size, period, pulses));
    if (pulses.size() < 2) pulses = {first, first + period};
    pulses = Smoothed(pulses);
    double end_time = last;
    for (const HeardNote& n : notes) end_time = std::max(end_time, n.offset);
    Extend(pulses, first - 0.5 * period, end_time + period);
    return PulseTrack(std::move(pulses));
}

}  // namespace sorvel::listen
