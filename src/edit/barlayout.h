// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the notes of one bar stand in its row: in proportion to time within
// the bar's share of slots, or, for a bar too full for its share, one slot a
// numeral with the rest of the share spread by time; a bar longer than the
// rest of its row goes on in the next rows. Typed and imported bars are laid
// out by the same rule, so both look alike.
#include <span>
#include <vector>

namespace sorvel {

struct BarPlan {
    std::vector<int> offsets;  // slot of each piece after the bar's first note slot
    int slots = 0;             // note slots of the bar; its bar line stands after them
};

// `onsets`: ticks of each numeral from the bar's start, in time order;
// `barTicks`: the bar's length; `fullBar`: a full bar of the meter;
// `share`: the note slots of a full bar; `maxSlots`: the most slots any bar
// takes, whatever a file's lengths say.
BarPlan PlanBar(std::span<const int> onsets, int barTicks, int fullBar, int share, int maxSlots);

// A slot of a row, the row counted from the bar's first.
struct RowSlot {
    int row = 0;
    int slot = 0;
    bool operator==(const RowSlot&) const = default;
};

struct BarRows {
    std::vector<RowSlot> pieces;
    RowSlot barLine;
    bool oneSlotEach = false;  // too long for the row: one slot a numeral
};

// The bar planned as `plan` placed from slot `firstSlot` of a row of
// `gridSlots` slots. A bar longer than the rest of the row is written one
// slot a numeral and goes on from slot 1 of the next row; numerals stop short
// of a row's last slot, which its bar line may still take.
BarRows PlaceInRows(const BarPlan& plan, int firstSlot, int gridSlots);

}  // namespace sorvel
