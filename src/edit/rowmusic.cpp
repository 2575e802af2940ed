// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/rowmusic.h"

#include <algorithm>

#include "model/musicitem.h"
#include "model/musicsheet.h"

namespace sorvel {

RowMusic::RowMusic(const TMusicSheet& page, const Items& own) : grid_(page) {
    for (int i = 0; i < page.ItemCount(); ++i) {
        const TMusicItem& item = *page.GetItem(i);
        if (!item.IsSymbol() || own.contains(&item)) continue;
        const int row = grid_.RowOf(item.PosY() + grid_.HalfRow());
        if (row >= grid_.rows || !grid_.OnRow(item.PosY(), row)) continue;
        symbols_.push_back(
            {row, grid_.NearestSlot(item.PosX()), item.Class() == ItemClass::BarLine});
    }
}

int RowMusic::LastIn(int row, int from, int to) const {
    int last = -1;
    for (const Symbol& s : symbols_) {
        if (s.row == row && !s.barLine && s.slot >= from && s.slot <= to) {
            last = std::max(last, s.slot);
        }
    }
    return last;
}

int RowMusic::BarLineBefore(int row, int slot) const {
    int before = 0;
    for (const Symbol& s : symbols_) {
        if (s.row == row && s.barLine && s.slot < slot) before = std::max(before, s.slot);
    }
    return before;
}

int RowMusic::BarLineAfter(int row, int slot) const {
    int after = -1;
    for (const Symbol& s : symbols_) {
        if (s.row == row && s.barLine && s.slot > slot && (after < 0 || s.slot < after)) {
            after = s.slot;
        }
    }
    return after;
}

bool RowMusic::BarLineAt(int row, int slot) const {
    return std::any_of(symbols_.begin(), symbols_.end(), [&](const Symbol& s) {
        return s.row == row && s.barLine && s.slot == slot;
    });
}

RowSlot RowMusic::StartFor(RowSlot at, bool& movedPastMusic) const {
    movedPastMusic = false;
    at.slot = std::max(1, at.slot);
    // Each turn moves on by at least a slot, so the rows run out.
    while (true) {
        if (at.slot >= grid_.gridSlots) {
            // Past the row's last note slot: the next row, or on the last
            // row the first bar goes on to a new page.
            if (at.row + 1 >= grid_.rows) return {at.row, grid_.gridSlots};
            at = {at.row + 1, 1};
            continue;
        }
        if (BarLineAt(at.row, at.slot)) {
            ++at.slot;
            continue;
        }
        const int after = BarLineAfter(at.row, at.slot);
        const int last =
            LastIn(at.row, BarLineBefore(at.row, at.slot) + 1, after < 0 ? grid_.gridSlots : after);
        if (last < 0) return at;
        const int past = after < 0 ? std::max(at.slot, last + 1) : after + 1;
        if (past == at.slot) return at;
        at.slot = past;
        movedPastMusic = true;
    }
}

}  // namespace sorvel
