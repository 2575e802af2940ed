// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Progress and cancellation for long analyses: the caller's window shows the
// fraction and sets the flag; the analysis checks it between blocks.
#include <functional>

namespace sorvel::listen {

struct ListenProgress {
    // Called now and then with 0 … 1; returns false to cancel.
    std::function<bool(double fraction)> report;

    bool Report(double fraction) const { return !report || report(fraction); }
};

}  // namespace sorvel::listen
