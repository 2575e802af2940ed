// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How one bar of imported notes is written in numbered notation: each note
// becomes a numeral with underlines and a dot, followed by dashes for whole
// beats it holds on, and by tied repeats for what neither can write; rests
// become as many "0" as they need (no dashes after rests). Tuplets fill
// exactly their span (see jianputuplets.h).
#include <vector>

#include "interchange/importedscore.h"
#include "interchange/jianpupitch.h"

namespace sorvel::interchange {

struct JianpuPiece {
    enum class Kind { Note, Dash, Rest };
    Kind kind = Kind::Note;
    int onset = 0;  // ticks from the start of the bar
    int ticks = 0;
    int length = 0;  // underlines
    int futen = 0;   // augmentation dot
    JianpuPitch pitch;
    int source = 0;               // index of the imported note in its measure
    bool tiedToPrevious = false;  // repeats the previous piece's pitch under a tie arc
    bool triplet = false;         // a triplet numeral
    bool tripletMark = false;     // the first of three triplet numerals under one bracket
};

struct MeasurePieces {
    std::vector<JianpuPiece> pieces;  // in time order
    // For each imported note the index of the note whose pieces write it
    // (itself, or the first note of its tie), -1 for notes without duration.
    std::vector<int> groupOf;
    // The actual-notes of each tuplet written without a bracket, and of each
    // tuplet other than 3 in the time of 2 written under triplet brackets.
    std::vector<int> unbracketed;
    std::vector<int> asTriplets;
};

// The pieces of a measure. Notes tied to the next note of the same pitch
// within the bar are written as one (not within a tuplet); a voice that ends
// before the bar's length is filled with rests.
MeasurePieces PiecesOfMeasure(const ImportedMeasure& measure, const Tonic& tonic);

}  // namespace sorvel::interchange
