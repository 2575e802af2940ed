// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which heard note plays which written note: a dynamic-programming alignment
// of the two note sequences by pitch, where notes left out, notes added (a
// passage played again, a grace note) and wrong notes cost but never derail.
#include <vector>

#include "practice/writtennotes.h"

namespace sorvel::practice {

struct HeardPitch {
    double onset = 0;   // seconds
    double offset = 0;  // seconds
    double pitch = 0;   // fractional MIDI number at the take's reference (A4 = 69)
    // Begun by an attack of its own (a bow change, an onset) rather than by a
    // change of pitch under one bow: the end of one played note, not a wobble.
    bool attacked = true;
};

// The heard notes of one written note: [first, last], or -1 when it was not
// played. Several written notes may share one heard note (repeated notes
// played in one bow).
struct NoteMatch {
    int first = -1;
    int last = -1;
    bool Matched() const { return first >= 0; }
};

// One match per written note. `secondsPerBeat` is the take's tempo in the
// large (a guess is enough: it weighs how long notes are).
std::vector<NoteMatch> AlignNotes(const std::vector<WrittenNote>& written,
                                  const std::vector<HeardPitch>& heard, double secondsPerBeat);

// An alignment and its price: the lower, the better the take fits the page.
struct PricedAlignment {
    std::vector<NoteMatch> matches;
    double price = 0;
};

// AlignNotes with the price of the best path, to compare tempos by.
PricedAlignment AlignNotesPriced(const std::vector<WrittenNote>& written,
                                 const std::vector<HeardPitch>& heard, double secondsPerBeat);

// The pitch cost of playing `heard` for `written` semitones: small within a
// semitone, a fixed price for a wrong note, less for the right note an
// octave off (an octave slip of the pitch track).
double PitchCost(double written, double heard);

}  // namespace sorvel::practice
