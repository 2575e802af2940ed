// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a new mark goes on its note, for every way of putting one there (the
// palette, the typed mark keys, rhythm entry): the place its kind asks for,
// moved just past the marks the note carries already on that side when they
// are in the way. Marks already on the page never move. No Qt.
#include <functional>

namespace sorvel {

class TMusicItem;
class TMusicMark;
class TNote;

// The text size of "8" in the page's note font: the unit of a mark's
// distance from its note (AttachRateX and AttachRateY are shares of it).
struct EightSize {
    int width = 0;
    int height = 0;
};

// Brings an item's Width and Height up to date as drawing it would (the
// caller draws it on a scratch canvas). Called for the new mark and for each
// mark the note carries before their boxes are compared.
using MeasureMark = std::function<void(TMusicItem&)>;

// Page units kept free between a new mark and a mark it moved past.
inline constexpr int kMarkClearance = 2;

// Puts `mark` (new, not yet linked) on `note` and links the two both ways.
// It goes where its kind asks: x = note − eight.width × AttachRateX / 100,
// y = note − eight.height × AttachRateY / 100. A mark above the note (rate
// above 0) whose box there would overlap a mark the note carries above it
// goes above that mark instead, and on up past every mark it would then
// overlap; a mark below goes below in the same way. (The boxes are those of
// the hit tests: spanning marks reach right from PosX, the others are
// centred on it.) Slides (placed before the note),
// grace-note groups (beside it) and marks at the note's height stay where
// their kind puts them. Every change is recorded; the caller holds the undo
// group.
void PlaceMarkOnNote(TMusicMark& mark, TNote& note, EightSize eight, const MeasureMark& measure);

}  // namespace sorvel
