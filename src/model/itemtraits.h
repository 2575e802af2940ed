// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What each class of item on a page is, in one table: a symbol that takes a
// slot of the row or a mark beside one, how it is anchored, hit and edited.
#include <span>

#include "model/musicitem.h"

namespace sorvel {

struct ItemTraits {
    ItemClass itemClass;
    const char* className;  // as the score file names it ("TNote", …)
    // Occupies a slot of the row's grid (note, bar line, beat, horizontal
    // bar); every other item is a mark standing above or below a symbol.
    bool symbol;
    // A mark with a width of its own (spans, grace groups, tempo, text box),
    // which a size grip changes.
    bool hasWidth;
    // PosX is the item's left end rather than its centre.
    bool anchoredAtLeft;
    // Reaches over a stretch of notes from its left end (hairpins, slurs,
    // the sustain bracket, endings, triplets).
    bool spanning;
    // Grace notes written beside their note.
    bool graceGroup;
    // Clicks hit its drawn pixels, not its box (thin lines and arcs).
    bool pixelTested;
    // Double-clicking it opens a properties dialog.
    bool hasDialog;
};

// The row of `itemClass`, and of an item's class.
const ItemTraits& TraitsOf(ItemClass itemClass);
inline const ItemTraits& TraitsOf(const TMusicItem& item) {
    return TraitsOf(item.Class());
}
// Every row, in the order of ItemClass.
std::span<const ItemTraits> AllItemTraits();

}  // namespace sorvel
