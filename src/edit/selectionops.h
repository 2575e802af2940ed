// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Selection commands that need no window: picking the items of the same kind
// as a selected one, and lining selected marks up at one height over their
// symbols. No Qt.
#include <vector>

namespace sorvel {

class TMusicItem;
class TMusicSheet;

// The items of `page` of the same content kind as `model`: for text boxes
// those with the same frame line width; for the rest those that sit on the
// same side (above, or at or below) of their first linked item as `model`
// does of its own, and every item where either has no link. `model` itself
// is among them when it is on the page.
std::vector<TMusicItem*> SameKindItems(const TMusicSheet& page, const TMusicItem& model);

// Gives every linked mark of the selection after the first the distance
// above its first linked item that the first selected mark has; true when
// the first selected item is a mark with a link (otherwise nothing changes).
// Each change is recorded; the caller holds the undo group.
bool AlignMarksVertically(const std::vector<TMusicItem*>& selection);

}  // namespace sorvel
