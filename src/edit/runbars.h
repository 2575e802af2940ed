// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bars of a typed run in ticks from its start: full bars of the meter,
// except where a bar was closed before it was full (a pickup, or a short bar
// later on); the full bars then count on from that close. No Qt.
#include <vector>

namespace sorvel {

class RunBars {
public:
    explicit RunBars(int fullBar = 192) : fullBar_(fullBar > 0 ? fullBar : 1) {}

    int FullBar() const { return fullBar_; }
    // The bar a tick lies in; a tick on a bar's start belongs to that bar.
    int BarOf(int ticks) const;
    int StartOf(int bar) const;
    int EndOf(int bar) const { return StartOf(bar + 1); }
    // Ticks from the start of the bar `ticks` lies in.
    int WithinBar(int ticks) const { return ticks - StartOf(BarOf(ticks)); }

    // Ends the bar at `ticks`, which must lie inside a bar after every close
    // made so far; false (nothing changes) on a bar's start.
    bool Close(int ticks);
    // Whether a bar was closed at `ticks`.
    bool ClosedAt(int ticks) const;
    // Opens again the bars closed after `ticks`.
    void OpenAfter(int ticks);

private:
    int fullBar_;
    std::vector<int> closes_;  // ascending
};

}  // namespace sorvel
