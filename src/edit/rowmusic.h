// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The music already standing in the rows of one page, as rhythm entry sees
// it: every symbol but a bar line (typed bars take bar lines over) holds its
// slot. A new run begins after the music of the bar at the key cursor, so it
// never writes between or onto notes that are there. No Qt.
#include <unordered_set>
#include <vector>

#include "edit/barlayout.h"
#include "edit/slotgrid.h"

namespace sorvel {

class TMusicItem;
class TMusicSheet;

class RowMusic {
public:
    using Items = std::unordered_set<const TMusicItem*>;

    // `own`: items that hold no slot here (those of the run itself).
    RowMusic(const TMusicSheet& page, const Items& own);

    // The last slot of `row` from `from` to `to` (both included) that holds
    // music; -1 when none does.
    int LastIn(int row, int from, int to) const;

    // Where a run the cursor asks for at (row, slot) begins: after a bar line
    // standing there, and after the music of the bar the slot is in (from the
    // bar line before it to the one after it, or to the row's end), and of
    // the bars after that as long as they hold music too. `movedPastMusic`
    // tells whether music made it move.
    RowSlot StartFor(RowSlot at, bool& movedPastMusic) const;

    const SlotGrid& Grid() const { return grid_; }

private:
    struct Symbol {
        int row, slot;
        bool barLine;
    };

    // The slots of the bar lines of `row` before and after `slot`: 0 for
    // the row's start, -1 for none after.
    int BarLineBefore(int row, int slot) const;
    int BarLineAfter(int row, int slot) const;
    bool BarLineAt(int row, int slot) const;

    SlotGrid grid_;
    std::vector<Symbol> symbols_;
};

}  // namespace sorvel
