// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The grid of a page in page units: its rows, its slots, snapping to them and
// linear positions along the rows of pages laid end to end. Read from a
// layout state; the view, the edit operations, playback and the MusicXML
// import all place and find items through it.
#include <cstdint>

#include "model/layoutstate.h"

namespace sorvel {

// Lengths and positions computed from a damaged file's values (a vast row
// space, a million lines) are kept this far from the origin at most: far
// beyond any page, and small enough that further arithmetic cannot overflow.
inline constexpr int kMaxCoordinate = 1 << 24;

// The value clamped to ±kMaxCoordinate.
int SafeCoordinate(std::int64_t value);

struct LinearPos {
    int page;  // zero-based, as the caller passes it
    int x, y;
};

class PageGrid {
public:
    // Reads `state` live: a later change of the state shows in the grid.
    explicit PageGrid(const LayoutState& state) : g_(state) {}

    // Whether the grid has a positive size that page positions can hold.
    bool Usable() const;

    int RowLength() const;
    int PageLength() const;
    // The middle line of row `row` (zero-based).
    int RowBase(int row) const;
    int SlotX(int slot) const;

    int SnapX(int x) const;
    int SnapY(int y) const;

    // The linear position of (x, y) on page `itemPage`, counted from the
    // start of page `basePage`, in 64 bits: a damaged file's items may lie
    // millions of units off the page.
    std::int64_t Linear(int basePage, int itemPage, int x, int y) const;
    int ToLinear(int basePage, int itemPage, int x, int y) const;
    // The page index a linear position from `basePage` falls on (the grid
    // must be usable).
    std::int64_t PageOf(int basePage, std::int64_t linear) const;
    LinearPos FromLinear(int basePage, long long linear) const;

    int FirstX() const { return g_.LeftSpace; }
    int LastX() const { return g_.PageWidth - g_.RightSpace; }
    int FirstY() const { return RowBase(0); }
    int LastY() const { return RowBase(g_.RowDivNum - 1); }

private:
    const LayoutState& g_;
};

}  // namespace sorvel
