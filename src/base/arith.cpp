// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/arith.h"

#include <climits>
#include <cmath>

namespace sorvel {

int RoundHalfEven(double value) {
    if (std::isnan(value)) return 0;
    double r = std::nearbyint(value);  // default rounding mode: to nearest, ties to even
    if (r >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (r <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(r);
}

int DivTrunc(int a, int b) {
    if (b == 0) return 0;
    if (b == -1) return a == INT_MIN ? INT_MAX : -a;
    return a / b;
}

int ModTrunc(int a, int b) {
    if (b == 0 || b == -1) return 0;
    return a % b;
}

}  // namespace sorvel
