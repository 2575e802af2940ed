// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/metergrid.h"

namespace sorvel::listen {
namespace {

constexpr int kSixteenth = kQuarter / 4;
constexpr int kTripletEighth = kQuarter / 3;

int Mod(int a, int b) {
    return (a % b + b) % b;
}

}  // namespace

int MeterGrid::BeatTicks() const {
    return meter_.Compound() ? 3 * kQuarter / 2 : kQuarter;
}

bool MeterGrid::Ternary(int tick) {
    const int inQuarter = Mod(tick, kQuarter);
    return inQuarter == kTripletEighth || inQuarter == 2 * kTripletEighth;
}

int MeterGrid::Depth(int tick) const {
    const int inBar = Mod(tick, BarTicks());
    if (inBar == 0) return 0;
    const int beat = BeatTicks();
    if (inBar % beat == 0) return 1;
    if (meter_.Compound()) {
        // Eighths divide the dotted quarter, sixteenths the eighth.
        if (inBar % (kQuarter / 2) == 0) return 2;
        return inBar % kSixteenth == 0 ? 3 : -1;
    }
    if (inBar % (kQuarter / 2) == 0) return 2;
    if (inBar % kSixteenth == 0 || Ternary(inBar)) return 3;
    return -1;
}

double LengthCost(int ticks) {
    switch (ticks) {
        case kQuarter:
        case 2 * kQuarter:
        case 3 * kQuarter:
        case 4 * kQuarter:
            return 0;
        case 3 * kQuarter / 2:  // dotted quarter
            return 0.3;
        case kQuarter / 2:
            return 0.6;
        case 3 * kQuarter / 4:  // dotted eighth
            return 1.0;
        case kSixteenth:
            return 0.9;
        case kTripletEighth:
            return 1.0;
        case 2 * kTripletEighth:
            return 1.0;
        default:
            break;
    }
    if (ticks > 0 && ticks % kQuarter == 0) return 0.2;  // held on with dashes over bar lines
    return 1.5;                                          // tied numerals
}

}  // namespace sorvel::listen
