// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/runbars.h"

#include <algorithm>

namespace sorvel {

// Between two closes (or from the run's start) the bars are full ones, the
// last of them cut short by the close.
int RunBars::BarOf(int ticks) const {
    int origin = 0, first = 0;
    for (const int close : closes_) {
        if (ticks < close) break;
        first += (close - origin + fullBar_ - 1) / fullBar_;
        origin = close;
    }
    return first + std::max(0, ticks - origin) / fullBar_;
}

int RunBars::StartOf(int bar) const {
    int origin = 0, first = 0;
    for (const int close : closes_) {
        const int bars = (close - origin + fullBar_ - 1) / fullBar_;
        if (bar < first + bars) break;
        first += bars;
        origin = close;
    }
    return origin + (bar - first) * fullBar_;
}

bool RunBars::Close(int ticks) {
    if (ticks <= 0 || (!closes_.empty() && ticks <= closes_.back())) return false;
    if (StartOf(BarOf(ticks)) == ticks) return false;
    closes_.push_back(ticks);
    return true;
}

bool RunBars::ClosedAt(int ticks) const {
    return std::binary_search(closes_.begin(), closes_.end(), ticks);
}

void RunBars::OpenAfter(int ticks) {
    while (!closes_.empty() && closes_.back() > ticks) closes_.pop_back();
}

}  // namespace sorvel
