// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the expressive rendering reads from the marks of one note: its
// dynamic, accents, articulation, ornament, slide, vibrato, fermata and grace
// groups. The plain rendering reads none of these.
#include <array>
#include <optional>

#include "model/markmeanings.h"

namespace sorvel {

class TDaon;
class TMusicItem;
class TNote;

struct NoteMarks {
    std::optional<int> dynamicVelocity;  // ppp … fff: the level from this note on
    int accent = 0;                      // velocity added to this note only
    bool staccatissimo = false;
    bool fermata = false;
    bool vibrato = false;
    Ornament ornament = Ornament::kNone;
    Slide slide = Slide::kNone;
    const TDaon* gracesBefore = nullptr;
    const TDaon* gracesAfter = nullptr;
};

NoteMarks ReadNoteMarks(const TNote& note);

// The velocity of a dynamic sign ("@" ppp to "G" fff, spread over 30 to 120);
// none for any other code.
std::optional<int> DynamicVelocity(char code);

// A hairpin's direction: +1 crescendo, -1 decrescendo, 0 otherwise.
int HairpinDirection(const TMusicItem& mark);

// The grace notes of a group as degree, octave pairs, in order; up to four.
struct GraceNote {
    char degree;
    int octave;
};
struct GraceGroup {
    std::array<GraceNote, 4> notes{};
    int count = 0;
};
GraceGroup GraceNotesOf(const TDaon& daon);

}  // namespace sorvel
