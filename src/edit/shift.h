// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Insert and delete with shift: blank grid slots are opened at a start point
// by moving every later symbol of the piece (with its marks) to the right,
// or slots before it are cleared and everything after it moves left, along
// the rows of the piece's pages laid end to end. No Qt.
#include <string_view>
#include <vector>

namespace sorvel {

class TMusicBook;
class TMusicItem;
class GlyphInfoTable;
struct LayoutState;

// The count of the insert/delete dialog in grid slots: the number typed
// (text that is not a number counts 0), times the slots of a bar when the
// unit is the bar.
enum class ShiftCountCheck {
    Ok,
    Negative,    // below zero
    BeyondPage,  // more slots than one page holds
};
struct ShiftCount {
    int gridSlots = 0;  // 0 unless the check is Ok
    ShiftCountCheck check = ShiftCountCheck::Ok;
};
ShiftCount CountShiftSlots(std::string_view text, bool unitIsBar, int divParBar, int gridDivNum,
                           int rowDivNum);

// The start point: a slot or an item's position on a page (zero-based).
struct ShiftStart {
    int page = 0;
    int x = 0, y = 0;
};

enum class ShiftResult {
    Done,
    NoSymbol,    // the piece has no symbol to shift: nothing changed
    BrokenGrid,  // the page's grid has no positive size: nothing changed
};

struct ShiftOutcome {
    ShiftResult result = ShiftResult::Done;
    // Items deleted by a delete with shift (now held by the undo manager).
    std::vector<TMusicItem*> deleted;
    // The zero-based index a new or deleted page had; -1 for none.
    int insertedPage = -1;
    int deletedPage = -1;
};

// Opens `gridSlots` grid slots at `start`: every symbol from there to the
// piece's last one moves right by that many slots, onto a new page after the
// piece's last page when the last symbol would leave it (the new page takes
// the current page's layout). A bar line that would open a row closes the
// row before instead. `layout` is the current page's layout state; a new
// page's creation passes through it and leaves it as it was. Every change is
// recorded; the caller holds the undo group.
ShiftOutcome InsertWithShift(TMusicBook& book, int currentIndex, ShiftStart start, int gridSlots,
                             LayoutState& layout, GlyphInfoTable& glyphs);

// Deletes the symbols in the `gridSlots` grid slots before `start` (fewer when
// the piece begins sooner), with the marks of the deleted notes, and moves
// every later symbol of the piece left by as many slots. When the piece's
// last page is left empty and is not the book's only page, it is deleted.
ShiftOutcome DeleteWithShift(TMusicBook& book, int currentIndex, ShiftStart start, int gridSlots,
                             const LayoutState& layout);

}  // namespace sorvel
