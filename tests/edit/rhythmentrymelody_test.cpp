// SPDX-License-Identifier: GPL-3.0-or-later
// Whole tunes typed in 2/4: Jasmine Flower as songbooks print it and a
// decorated line on the tune, read back as a player hears them, with the
// number of keys each bar takes when the length carries on from note to note.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "edit/rhythmentry.h"

#include "rhythmentryfixture.h"

namespace sorvel {
namespace {

using namespace rhythmentrytest;

// A bar of a melody: digit, octave and length in ticks of each note.
struct Sung {
    char digit;
    int octave, ticks;
};
using Melody = std::vector<std::vector<Sung>>;

std::vector<Heard> Timed(const Melody& bars, std::size_t count) {
    std::vector<Heard> out;
    int onset = 0;
    for (std::size_t b = 0; b < count; ++b) {
        for (const Sung& n : bars[b]) {
            out.push_back({n.digit, n.octave, onset, n.ticks});
            onset += n.ticks;
        }
    }
    return out;
}

int KeysOf(const std::vector<std::string>& bars, std::size_t count) {
    int keys = 0;
    for (std::size_t b = 0; b < count; ++b) {
        keys += static_cast<int>(
            std::count_if(bars[b].begin(), bars[b].end(), [](char c) { return c != ' '; }));
    }
    return keys;
}

constexpr int s = 12, e = 24, de = 36, q = 48, dq = 72, h = 96;

// 茉莉花 (Jasmine Flower), the common Jiangsu version: He Fang's arrangement
// "好一朵美丽的茉莉花" as school songbooks print it, 2/4, the whole song in
// 27 bars (numbered notation reads the same in any key: 1=D, or the 1=E
// and 1=F of songbooks). One bar a line; "_" is an underline, "'" a high
// dot, "," a low dot.
const Melody kJasmine = {
    {{'3', 0, q}, {'3', 0, e}, {'5', 0, e}},                //  1: 3 3_5_
    {{'6', 0, e}, {'1', 1, e}, {'1', 1, e}, {'6', 0, e}},   //  2: 6_1'_ 1'_6_
    {{'5', 0, q}, {'5', 0, e}, {'6', 0, e}},                //  3: 5 5_6_
    {{'5', 0, h}},                                          //  4: 5 -
    {{'3', 0, q}, {'3', 0, e}, {'5', 0, e}},                //  5: 3 3_5_
    {{'6', 0, e}, {'1', 1, e}, {'1', 1, e}, {'6', 0, e}},   //  6: 6_1'_ 1'_6_
    {{'5', 0, q}, {'5', 0, e}, {'6', 0, e}},                //  7: 5 5_6_
    {{'5', 0, h}},                                          //  8: 5 -
    {{'5', 0, q}, {'5', 0, q}},                             //  9: 5 5
    {{'5', 0, q}, {'3', 0, e}, {'5', 0, e}},                // 10: 5 3_5_
    {{'6', 0, q}, {'6', 0, q}},                             // 11: 6 6
    {{'5', 0, h}},                                          // 12: 5 -
    {{'3', 0, q}, {'2', 0, e}, {'3', 0, e}},                // 13: 3 2_3_
    {{'5', 0, q}, {'3', 0, e}, {'2', 0, e}},                // 14: 5 3_2_
    {{'1', 0, q}, {'1', 0, e}, {'2', 0, e}},                // 15: 1 1_2_
    {{'1', 0, h}},                                          // 16: 1 -
    {{'3', 0, e}, {'2', 0, e}, {'1', 0, e}, {'3', 0, e}},   // 17: 3_2_ 1_3_
    {{'2', 0, dq}, {'3', 0, e}},                            // 18: 2. 3_
    {{'5', 0, q}, {'6', 0, e}, {'1', 1, e}},                // 19: 5 6_1'_
    {{'5', 0, h}},                                          // 20: 5 -
    {{'2', 0, q}, {'3', 0, e}, {'5', 0, e}},                // 21: 2 3_5_
    {{'2', 0, e}, {'3', 0, e}, {'1', 0, e}, {'6', -1, e}},  // 22: 2_3_ 1_6,_
    {{'5', -1, h}},                                         // 23: 5, -
    {{'6', -1, q}, {'1', 0, q}},                            // 24: 6, 1
    {{'2', 0, dq}, {'3', 0, e}},                            // 25: 2. 3_
    {{'1', 0, e}, {'2', 0, e}, {'1', 0, e}, {'6', -1, e}},  // 26: 1_2_ 1_6,_
    {{'5', -1, h}},                                         // 27: 5, -
};

// The same bars as typed, the current length carrying on from bar to bar.
const std::vector<std::string> kJasmineKeys = {
    "3 3 c 5",   "6 1 x 1 x 6", "5 v 5 c 6", "5 -",     "3 v 3 c 5",   "6 1 x 1 x 6", "5 v 5 c 6",
    "5 -",       "5 v 5",       "5 3 c 5",   "6 v 6",   "5 -",         "3 2 c 3",     "5 v 3 c 2",
    "1 v 1 c 2", "1 -",         "3 2 1 3",   "2 v 9 3", "5 6 c 1 x",   "5 -",         "2 v 3 c 5",
    "2 3 1 6 z", "5 z -",       "6 z v 1",   "2 9 3",   "1 c 2 1 6 z", "5 z -",
};

// A 2/4 book with the entry started after the time signature.
struct TwoFour : Typing {
    TwoFour() : Typing({0, X(1), Y(0)}) {
        PutMeter(Page(0), '"', 0, 0);
        entry.Resume(-1, {0, X(1), Y(0)});
    }
};

TEST(RhythmEntry, SixteenBarsOfJasmineFlowerTakeAtMostFourKeysABar) {
    TwoFour t;
    for (std::size_t b = 0; b < 16; ++b) t.Keys(kJasmineKeys[b]);
    const int keys = KeysOf(kJasmineKeys, 16);
    EXPECT_LE(keys, 4 * 16);
    EXPECT_EQ(keys, 63);  // bar lines come by themselves; no slot is counted
    EXPECT_EQ(ReadBack(t.Page(0), 96), Timed(kJasmine, 16));
    // Sixteen bars of two beats: four rows, nothing tied, and the next note
    // starts the fifth row.
    int barLines = 0;
    for (const Seen& s : SymbolsOf(t.Page(0))) barLines += s.content == "c";
    EXPECT_EQ(barLines, 16);
    EXPECT_EQ(CountClass(t.Page(0), ItemClass::Slur), 0);
    EXPECT_EQ(t.entry.Next(), (EntryPlace{0, X(1), Y(4)}));
}

TEST(RhythmEntry, TheWholeSongWithItsDottedNotesAndLowOctaves) {
    TwoFour t;
    for (const std::string& bar : kJasmineKeys) t.Keys(bar);
    EXPECT_LE(KeysOf(kJasmineKeys, kJasmine.size()), 4 * static_cast<int>(kJasmine.size()));
    EXPECT_EQ(ReadBack(t.Page(0), 96), Timed(kJasmine, kJasmine.size()));
    EXPECT_EQ(CountClass(t.Page(0), ItemClass::Slur), 0);
}

// The same bars with each digit going to the octave nearest the note before
// it: no octave key is left.
const std::vector<std::string> kJasmineNearestKeys = {
    "3 3 c 5",   "6 1 1 6", "5 v 5 c 6", "5 -",     "3 v 3 c 5", "6 1 1 6", "5 v 5 c 6",
    "5 -",       "5 v 5",   "5 3 c 5",   "6 v 6",   "5 -",       "3 2 c 3", "5 v 3 c 2",
    "1 v 1 c 2", "1 -",     "3 2 1 3",   "2 v 9 3", "5 6 c 1",   "5 -",     "2 v 3 c 5",
    "2 3 1 6",   "5 -",     "6 v 1",     "2 9 3",   "1 c 2 1 6", "5 -",
};

TEST(RhythmEntry, WithTheNearestOctaveJasmineFlowerNeedsNoOctaveKey) {
    TwoFour t;
    t.entry.SetNearestOctave(true);
    for (const std::string& bar : kJasmineNearestKeys) t.Keys(bar);
    EXPECT_EQ(ReadBack(t.Page(0), 96), Timed(kJasmine, kJasmine.size()));
    EXPECT_EQ(KeysOf(kJasmineNearestKeys, 16), 59);  // 63 with the octave keys
    EXPECT_EQ(KeysOf(kJasmineNearestKeys, kJasmine.size()),
              KeysOf(kJasmineKeys, kJasmine.size()) - 10);
}

// A decorated line on the tune (not a printed version): passing sixteenths,
// dotted eighths each completed by a sixteenth, a cadence to the low 5.
const Melody kDecorated = {
    {{'3', 0, q}, {'3', 0, e}, {'5', 0, e}},
    {{'6', 0, e}, {'1', 1, e}, {'6', 0, s}, {'5', 0, s}, {'3', 0, s}, {'5', 0, s}},
    {{'5', 0, q}, {'5', 0, e}, {'6', 0, e}},
    {{'5', 0, h}},
    {{'3', 0, q}, {'3', 0, e}, {'5', 0, e}},
    {{'6', 0, e}, {'1', 1, e}, {'6', 0, s}, {'5', 0, s}, {'3', 0, s}, {'5', 0, s}},
    {{'5', 0, de}, {'6', 0, s}, {'5', 0, e}, {'6', 0, e}},
    {{'5', 0, h}},
    {{'5', 0, q}, {'5', 0, q}},
    {{'5', 0, q}, {'3', 0, e}, {'5', 0, e}},
    {{'6', 0, q}, {'6', 0, q}},
    {{'5', 0, h}},
    {{'3', 0, de}, {'2', 0, s}, {'3', 0, e}, {'5', 0, e}},
    {{'5', 0, de}, {'3', 0, s}, {'2', 0, e}, {'1', 0, e}},
    {{'2', 0, q}, {'1', 0, e}, {'6', -1, e}},
    {{'5', -1, h}},
};
const std::vector<std::string> kDecoratedKeys = {
    "3 3 c 5",     "6 1 x 6 c 5 3 5", "5 v v 5 c 6", "5 -",
    "3 v 3 c 5",   "6 1 x 6 c 5 3 5", "5 v 9 6 5 6", "5 -",
    "5 v 5",       "5 3 c 5",         "6 v 6",       "5 -",
    "3 c 9 2 3 5", "5 9 3 2 1",       "2 v 1 c 6 z", "5 z -",
};

TEST(RhythmEntry, DecoratedBarsNeedNoKeyForTheSixteenthAfterADottedEighth) {
    TwoFour t;
    for (const std::string& bar : kDecoratedKeys) t.Keys(bar);
    EXPECT_EQ(ReadBack(t.Page(0), 96), Timed(kDecorated, kDecorated.size()));
    EXPECT_EQ(KeysOf(kDecoratedKeys, kDecoratedKeys.size()), 73);
}

}  // namespace
}  // namespace sorvel
