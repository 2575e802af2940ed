// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the notes of a tuplet are written in numbered notation so that they
// play exactly the span the staff gives them. The book brackets only
// triplets (a mark over three numerals, each playing two thirds of its
// value), so a group whose notes are triplet lengths (3 in the time of 2, 6
// in the time of 4) becomes triplet numerals, three to a bracket; any other
// group becomes plain lengths of the ticks each note has, so that every note
// starts on the tick nearest its place.
#include <span>
#include <vector>

namespace sorvel::interchange {

struct TupletNumeral {
    int note = 0;       // index of the note in the group
    int ticks = 0;      // what it plays
    bool tied = false;  // continues the note of the numeral before
};

struct TupletWriting {
    // Triplet numerals: one entry a numeral, a bracket over every three.
    // Otherwise one entry a note (the length it is written with, in as many
    // tied numerals as that takes); a note of no length is left unwritten.
    bool triplets = false;
    std::vector<TupletNumeral> numerals;
};

// A note of the group as read: the ticks it lasts (the notes' ticks add up
// to the group's span) and whether it is a rest (never tied).
struct TupletNote {
    int ticks = 0;
    bool rest = false;
};

// `tripletRatio`: the group is 3 in the time of 2 or a multiple of it.
TupletWriting WriteTuplet(std::span<const TupletNote> notes, bool tripletRatio);

// The underlines of a triplet numeral of `ticks` (32 a quarter's, 16 an
// eighth's, 8, 4); -1 for any other length.
int TripletUnderlines(int ticks);

}  // namespace sorvel::interchange
