// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The notes a book plays, in play order with their page, bar, sounding pitch
// and time at the written tempo: what a take of the book is checked against.
#include <vector>

#include "base/usertext.h"

namespace sorvel {
class TMusicBook;
class TNote;
}  // namespace sorvel

namespace sorvel::practice {

struct WrittenNote {
    int number =
        0;         // 1-based, in play order (repeats, voltas, D.C./D.S. followed as playback does)
    int page = 0;  // 1-based page of the book
    int bar = 0;   // 1-based bar on that page
    int midi = 0;  // the MIDI pitch the book plays for it (key, octave, transposition as playback)
    double onset = 0;             // seconds from the start of the play at the written tempo
    double length = 0;            // seconds
    double beat = 0;              // quarter-note beats from the start
    double beats = 0;             // its length in quarter-note beats
    const TNote* item = nullptr;  // the note on the page (for the window's overlay)
};

// The notes the book plays, in play order: the whole book (page 0: every
// piece of it one after the other) or one page alone (1-based). A note held
// on by dashes or a tie is one note. On failure (no such page, nothing to
// play) returns nothing and sets `error`. Runs the timing and the pitches of
// the pieces' notes, as every play does.
std::vector<WrittenNote> WrittenNotesOf(TMusicBook& book, int page, UserText* error);

}  // namespace sorvel::practice
