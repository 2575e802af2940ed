#include "listen/tempocurve.h"

#include <algorithm>
#include <cmath>

namespace sorvel::listen {
namespace {

constexpr int kFewest = 4;  // onsets a line needs; the window widens to find them
constexpr int kRobustRounds = 2;
constexpr double kOutlierScale = 6;  // residuals beyond this many median residuals weigh nothing

double Tricube(double u) {
    if (u >= 1) return 0;
    const double a = 1 - u * u * u;
    return a * a * a;
}

// The value at place `at` of the weighted line through the onsets within
// `window` seconds of `centre`.
double LocalLine(const std::vector<int>& places, const std::vector<double>& onsets,
                 const std::vector<double>& robust, size_t at, double window) {
    const double centre = onsets[at];
    double sw = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (size_t j = 0; j < places.size(); ++j) {
        const double w = Tricube(std::abs(onsets[j] - centre) / window) * robust[j];
        if (w <= 0) continue;
        const double x = places[j] - places[at], y = onsets[j];
        sw += w, sx += w * x, sy += w * y, sxx += w * x * x, sxy += w * x * y;
    }
    if (sw <= 0) return onsets[at];
    const double det = sw * sxx - sx * sx;
    if (det <= 1e-12 * sw * sw) return sy / sw;
    return (sy * sxx - sx * sxy) / det;  // the line's value at x = 0
}

// Seconds either side of onset `at` that hold at least kFewest onsets.
double WindowAt(const std::vector<double>& onsets, size_t at, double window) {
    std::vector<double> d;
    for (double t : onsets) d.push_back(std::abs(t - onsets[at]));
    if (d.size() <= static_cast<size_t>(kFewest))
        return std::max(window, 1e-3 + *std::max_element(d.begin(), d.end()));
    std::nth_element(d.begin(), d.begin() + kFewest, d.end());
    return std::max(window, d[kFewest] + 1e-3);
}

}  // namespace

std::vector<double> SmoothTimes(const std::vector<int>& places, const std::vector<double>& onsets,
                                double window) {
    const size_t n = std::min(places.size(), onsets.size());
    std::vector<double> fitted(onsets.begin(), onsets.begin() + static_cast<long>(n));
    if (n < 3) return fitted;
    std::vector<double> windows(n);
    for (size_t k = 0; k < n; ++k) windows[k] = WindowAt(onsets, k, window);
    std::vector<double> robust(n, 1.0);
    for (int round = 0; round <= kRobustRounds; ++round) {
        for (size_t k = 0; k < n; ++k) fitted[k] = LocalLine(places, onsets, robust, k, windows[k]);
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
