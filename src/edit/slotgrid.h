// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rows and slots of one page, read from the page's own layout: where a
// slot or row lies and which one a position is in, and the share of slots a
// full bar takes. Rhythm entry places its notes by it.
#include <algorithm>
#include <cstdlib>

#include "base/arith.h"
#include "model/layoutstate.h"
#include "model/pagegrid.h"

namespace sorvel {

class TMusicSheet;

class SlotGrid {
public:
    explicit SlotGrid(const TMusicSheet& page) {
        CopyPageLayout(state_, page);
        share = std::max(1, state_.DivParBar - 1);
        gridSlots = std::max(1, state_.GridDivNum);
        rows = std::max(1, state_.RowDivNum);
    }

    int X(int slot) const { return PageGrid(state_).SlotX(slot); }
    int Y(int row) const { return PageGrid(state_).RowBase(row); }
    // The row and slot a position falls in, counted from their starts.
    int RowOf(int y) const {
        return state_.RowInterval > 0 ? std::max(0, DivTrunc(y - Y(0), state_.RowInterval)) : 0;
    }
    int SlotOf(int x) const {
        return state_.GridSize > 0
                   ? std::clamp(DivTrunc(x - state_.LeftSpace, state_.GridSize), 0, gridSlots)
                   : 0;
    }
    // The slot nearest to `x`, and whether `y` lies on row `row`.
    int NearestSlot(int x) const { return SlotOf(x + HalfGrid()); }
    bool OnRow(int y, int row) const { return std::abs(y - Y(row)) <= HalfRow(); }

    int GridSize() const { return state_.GridSize; }
    int HalfGrid() const { return std::max(1, Half(state_.GridSize)); }
    int HalfRow() const { return std::max(1, Half(state_.RowInterval)); }
    int RowEnd() const { return state_.PageWidth - state_.RightSpace; }
    int LeftSpace() const { return state_.LeftSpace; }
    int NoteFontSize() const { return state_.NoteFontSize; }

    int share = 1;      // note slots of a full bar
    int gridSlots = 1;  // the last slot of a row (its end)
    int rows = 1;

private:
    LayoutState state_;
};

}  // namespace sorvel
