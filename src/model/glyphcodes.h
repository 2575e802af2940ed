// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The music-font codes the program itself writes or looks for, named once
// beside the glyph table: the rest and the sustain dash among the note
// numerals, the bar lines, and the time-signature glyphs with the meters they
// stand for.
#include <span>
#include <string_view>

namespace sorvel {

inline constexpr char kRestCode = '0';
// A dash holds the note before it on for one more beat; it has no pitch.
inline constexpr char kSustainDash = '8';
// The sustain dash as a note's whole Content.
inline constexpr std::string_view kSustainDashText{&kSustainDash, 1};
inline constexpr char kPlainBarLine = 'c';
inline constexpr char kDoubleBarLine = 'd';
inline constexpr char kFinalBarLine = 'e';  // thin and thick: the end of a piece
inline constexpr char kStartRepeatBarLine = 'f';
inline constexpr char kEndRepeatBarLine = 'g';
inline constexpr char kBothRepeatsBarLine = 'h';  // ends one repeat and starts the next
// A note's accidental (its Rinji).
inline constexpr char kSharpRinji = '`';
inline constexpr char kFlatRinji = 'a';
inline constexpr char kNaturalRinji = 'b';
// The group of grace notes written before a note.
inline constexpr char kGraceBeforeCode = 'K';

struct Meter {
    int beats;
    int beatType;
    char code;  // the time-signature glyph
};

// The eight time-signature glyphs "!" to "(": 2/2, 2/4, 3/4, 4/4, 3/8, 6/8,
// 9/8 and 12/8.
std::span<const Meter> Meters();

// The meter a glyph stands for; null for a code that is no time signature.
const Meter* MeterOfCode(char code);

// The glyph of a meter; 0 for meters the music font has no sign for.
char CodeOfMeter(int beats, int beatType);

}  // namespace sorvel
