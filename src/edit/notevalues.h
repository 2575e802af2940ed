// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a duration is written in numbered notation: a numeral with underlines
// and a dot where one can write it; otherwise a quarter numeral, a dash for
// each further whole beat and tied numerals for the rest (longest first).
// Rests are written as numerals only, never with dashes.
#include <vector>

namespace sorvel {

// Ticks of a quarter note, as the timing pass counts them.
inline constexpr int kQuarterTicks = 48;

struct ValuePiece {
    int onset = 0;  // ticks from where the duration starts counting (the bar's start)
    int ticks = 0;
    int length = 0;  // underlines
    int futen = 0;   // augmentation dot
    bool dash = false;
    bool tied = false;  // repeats the previous numeral's pitch under a tie arc
};

// The underlines and dot of a length one numeral can write (72, 48, 36, …,
// 3 ticks, and the 4 of a dotted and the 1 of a hundred-twenty-eighth); false
// for any other length.
bool SingleValue(int ticks, int& length, int& futen);

// The pieces of a note (or rest) of `ticks` starting at `onset`; they add
// up to `ticks` exactly (a length that is no multiple of 3 ticks ends in
// the shortest numerals, see notevalues.cpp).
std::vector<ValuePiece> WriteDuration(int onset, int ticks, bool rest);

}  // namespace sorvel
