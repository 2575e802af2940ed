// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Landing a floating paste: whether the paste buffer may land at a grid point
// (given the item under it and the page's grid), and putting its items on the
// page there. The page view keeps the buffer, the refusal messages and the
// selection. No Qt.
#include <vector>

#include "edit/clipboardtext.h"

namespace sorvel {

class TMusicItem;
class TMusicSheet;
struct LayoutState;

// What a paste at a point does, or why it cannot.
enum class PasteAction {
    Free,           // lands on empty slots
    ReplaceNote,    // a single note replaces the note under it
    MarkOntoNote,   // a single mark joins the note under it, replacing its own kind
    ReplaceSymbol,  // a single bar line, beat or horizontal bar replaces its like
    // Refused:
    OnItem,            // the item under the point does not take the buffer
    CoveredByTextBox,  // a text box lies under the point
    NeedsNote,         // a single mark needs a note under it
    OffPage,           // an item would leave the rows (symbols) or the paper (marks)
};

bool IsRefused(PasteAction action);

// The action of pasting `buffer` (offsets from the paste origin in each item's
// drag position) at `at`, with `target` the item under the point (or none).
PasteAction PlanPaste(const TMusicSheet& buffer, const TMusicItem* target,
                      const LayoutState& layout, PagePoint at);

// Whether every buffer item at its offset from `at` stays inside: symbols on
// the slots of the rows, marks on the paper.
bool PasteFits(const TMusicSheet& buffer, const LayoutState& layout, PagePoint at);

// Carries out a paste that `PlanPaste` did not refuse: puts copies of the
// buffer's items on `page` at their offsets from `at` and, by the action,
// deletes the replaced target or the target note's mark of the same kind and
// links the pasted mark to the note at `markOffset` from it. Returns the
// pasted items in buffer order. Every change is recorded; the caller holds
// the undo group.
std::vector<TMusicItem*> LandPaste(PasteAction action, TMusicSheet& buffer, TMusicSheet& page,
                                   TMusicItem* target, PagePoint at, PagePoint markOffset);

}  // namespace sorvel
