// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Automatic note lengths: each selected note's Length and Futen from the
// distance to the next note or bar line on its row, measured against the
// width of its bar and the time signature in force, with sustain dashes
// filling the longer durations. No Qt.
#include <unordered_map>
#include <vector>

namespace sorvel {

class TMusicBook;
class TMusicItem;
class TNote;

// Ticks of a bar of numerator/denominator (48 ticks a quarter note).
int TicksPerBar(int numerator, int denominator);

// The time signature a time-signature glyph stands for: the codes "!" to "("
// give 2/2, 2/4, 3/4, 4/4, 3/8, 6/8, 9/8 and 12/8; any other gives 4/4.
struct TimeSignature {
    int numerator = 4, denominator = 4;
};
TimeSignature TimeSignatureOf(char code);

// Ticks per page unit for one note: ticks of its bar over the bar's width
// (from the bar's first slot to its closing bar line). Not usable when the
// bar has no positive width, or is so narrow that a quarter note would be
// less than one page unit long.
struct NoteScale {
    const TNote* note = nullptr;
    double ticksPerUnit = 0;
    int barWidth = 0;
    bool usable = false;
};

struct LengthScales {
    std::unordered_map<const TNote*, NoteScale> notes;  // every note of the piece
    int lastDenominator = 4;                            // of the last time signature in the piece
    // The note's scale; none for a note outside the piece's pages.
    const NoteScale* Find(const TNote* note) const;
};

// The scales of every note on the pages of the piece holding page
// `currentIndex`, walking its notes, bar lines and time signatures.
LengthScales ComputeLengthScales(const TMusicBook& book, int currentIndex);

// Length and Futen for a distance of `b` 32nd notes; Length -1 leaves both.
struct LengthEntry {
    int length, futen;
};
LengthEntry LengthFor32nds(int b);

enum class LenAutoResult {
    Done,
    // A selected note lies in a bar without a usable width: nothing changed.
    NoUsableBarWidth,
};

// The command on page `currentIndex` for the selected items (all on that
// page): deletes the selected sustain dashes (they leave `selection`), sets
// each remaining selected note's length and dot and adds the dashes. Every
// change is recorded; the caller holds the undo group.
LenAutoResult AutoSetLengths(TMusicBook& book, int currentIndex,
                             std::vector<TMusicItem*>& selection);

}  // namespace sorvel
