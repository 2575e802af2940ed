// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/tempocurve.h"

#include <algorithm>
#include <cmath>

namespace sorvel::listen {
namespace {

constexpr int kFewest = 4;         // onsets a fit needs; the window widens to find them
constexpr int kCurveFrom = 6;      // onsets from which the fit bends …
constexpr size_t kSideFewest = 3;  // … with so many on either side
constexpr int kRobustRounds = 2;
constexpr double kEndShare = 0.6;    // of the window, near the ends
constexpr double kOutlierScale = 6;  // residuals beyond this many median residuals weigh nothing

double Tricube(double u) {
    if (u >= 1) return 0;
    const double a = 1 - u * u * u;
    return a * a * a;
}

// The value at place `at` of the weighted parabola (a line where too few
// onsets hold it) through the onsets within `window` seconds of it.
double LocalCurve(const std::vector<int>& places, const std::vector<double>& onsets,
                  const std::vector<double>& robust, size_t at, double window) {
    // Normal equations of y = a + b x + c x², x in quarters from the place.
    double m[3][4] = {};
    int used = 0;
    // The onsets are in time order: only those within the window count.
    const auto from = std::lower_bound(onsets.begin(), onsets.end(), onsets[at] - window);
    const auto to = std::upper_bound(onsets.begin(), onsets.end(), onsets[at] + window);
    for (size_t j = static_cast<size_t>(from - onsets.begin());
         j < static_cast<size_t>(to - onsets.begin()); ++j) {
        const double w = Tricube(std::abs(onsets[j] - onsets[at]) / window) * robust[j];
        if (w <= 0) continue;
        ++used;
        const double x = (places[j] - places[at]) / 48.0, y = onsets[j];
        const double p[3] = {1, x, x * x};
        for (int r = 0; r < 3; ++r) {
            for (int c = 0; c < 3; ++c) m[r][c] += w * p[r] * p[c];
            m[r][3] += w * p[r] * y;
        }
    }
    // Near the ends of the piece the window holds onsets on one side only,
    // where a parabola would follow the first or last onset: a line there.
    const size_t before = at - static_cast<size_t>(from - onsets.begin());
    const size_t after = static_cast<size_t>(to - onsets.begin()) - at - 1;
    const bool bothSides = std::min(before, after) >= kSideFewest;
    const int terms = used >= kCurveFrom && bothSides ? 3 : used >= 2 ? 2 : 1;
    // Gaussian elimination on the first `terms` equations.
    for (int c = 0; c < terms; ++c) {
        if (std::abs(m[c][c]) < 1e-12) return onsets[at];
        for (int r = c + 1; r < terms; ++r) {
            const double f = m[r][c] / m[c][c];
            for (int k = c; k < 3; ++k) m[r][k] -= f * m[c][k];
            m[r][3] -= f * m[c][3];
        }
    }
    double coef[3] = {};
    for (int r = terms - 1; r >= 0; --r) {
        double v = m[r][3];
        for (int k = r + 1; k < terms; ++k) v -= m[r][k] * coef[k];
        coef[r] = v / m[r][r];
    }
    return coef[0];
}

// Seconds either side of onset `at` that hold at least kFewest other
// onsets: its nearest neighbours, taken from both sides in time order.
double WindowAt(const std::vector<double>& onsets, size_t at, double window) {
    size_t left = at, right = at;
    double reach = 0;
    for (int taken = 0; taken < kFewest; ++taken) {
        const bool canLeft = left > 0, canRight = right + 1 < onsets.size();
        if (!canLeft && !canRight) break;
        const double l = canLeft ? onsets[at] - onsets[left - 1] : 1e300;
        const double r = canRight ? onsets[right + 1] - onsets[at] : 1e300;
        if (l <= r) {
            --left;
            reach = std::max(reach, l);
        } else {
            ++right;
            reach = std::max(reach, r);
        }
    }
    return std::max(window, reach + 1e-3);
}

}  // namespace

std::vector<double> SmoothTimes(const std::vector<int>& places, const std::vector<double>& onsets,
                                double window) {
    const size_t n = std::min(places.size(), onsets.size());
    std::vector<double> fitted(onsets.begin(), onsets.begin() + static_cast<long>(n));
    if (n < 3) return fitted;
    std::vector<double> windows(n);
    // Near the ends the fit is a line, which bends away from a drifting
    // time the further it reaches: a shorter one there.
    for (size_t k = 0; k < n; ++k) {
        const bool end = onsets[k] - onsets.front() < window || onsets.back() - onsets[k] < window;
        windows[k] = WindowAt(onsets, k, end ? kEndShare * window : window);
    }
    std::vector<double> robust(n, 1.0);
    for (int round = 0; round <= kRobustRounds; ++round) {
        for (size_t k = 0; k < n; ++k)
            fitted[k] = LocalCurve(places, onsets, robust, k, windows[k]);
        if (round == kRobustRounds) break;
        std::vector<double> residuals(n);
        for (size_t k = 0; k < n; ++k) residuals[k] = std::abs(onsets[k] - fitted[k]);
        std::vector<double> sorted = residuals;
        std::nth_element(sorted.begin(), sorted.begin() + n / 2, sorted.end());
        const double scale = std::max(kOutlierScale * sorted[n / 2], 1e-3);
        for (size_t k = 0; k < n; ++k) {
            const double u = residuals[k] / scale;
            robust[k] = u < 1 ? (1 - u * u) * (1 - u * u) : 0;
        }
    }
    return fitted;
}

}  // namespace sorvel::listen
