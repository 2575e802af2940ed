// SPDX-License-Identifier: GPL-3.0-or-later
// A bar closed short with "/": a pickup laid out in its share of slots with
// its bar line, the full bars counted on from it (their beats too), the bar
// opened again by Backspace or undo, and "/" refused on a full bar.
#include <gtest/gtest.h>

#include <vector>

#include "edit/rhythmentry.h"

#include "rhythmentryfixture.h"

namespace sorvel {
namespace {

using namespace rhythmentrytest;

// A 2/4 book with the entry started after the time signature.
struct TwoFour : Typing {
    TwoFour() : Typing({0, X(1), Y(0)}) {
        PutMeter(Page(0), '"', 0, 0);
        entry.Resume(-1, {0, X(1), Y(0)});
    }
};

// The onsets in ticks at which the page's bar lines stand, read as a
// player reads the numerals before them.
std::vector<int> BarLineOnsets(const TMusicSheet& page) {
    std::vector<int> out;
    int onset = 0;
    for (const Seen& s : SymbolsOf(page)) {
        if (s.content == "c") out.push_back(onset);
        if (s.content == "8") onset += 48;
        if (s.content >= "0" && s.content <= "7") {
            onset += (48 >> s.length) * (s.futen ? 3 : 2) / 2;
        }
    }
    return out;
}

TEST(RhythmEntryPickup, SlashClosesTheFirstBarShortAndTheNextBarIsFull) {
    TwoFour t;
    t.Keys("5 c 6");
    const int steps = t.undo.UndoCount();
    t.Keys("/");
    EXPECT_EQ(t.undo.UndoCount(), steps + 1);
    EXPECT_EQ(t.entry.Notice(), EntryNotice::kPickup);
    // One beat of two: half the bar's share of slots, then its bar line.
    EXPECT_EQ(SymbolsOf(t.Page(0)), (std::vector<Seen>{{"\"", 0, 0, 0, 0, 0},
                                                       {"5", 1, 0, 1, 0, 0},
                                                       {"6", 3, 0, 1, 0, 0},
                                                       {"c", 5, 0, 0, 0, 0}}));
    EXPECT_EQ(t.entry.Next(), (EntryPlace{0, X(6), Y(0)}));
    t.Keys("1 v 2 3 2");
    EXPECT_EQ(BarLineOnsets(t.Page(0)), (std::vector<int>{48, 144, 240}));
    EXPECT_EQ(SymbolsOf(t.Page(0))[4], (Seen{"1", 6, 0, 0, 0, 0}));
    // A short bar later on is no pickup.
    t.Keys("1 /");
    EXPECT_EQ(t.entry.Notice(), EntryNotice::kShortBar);
    t.Keys("6 -");
    EXPECT_EQ(BarLineOnsets(t.Page(0)), (std::vector<int>{48, 144, 240, 288, 384}));
}

TEST(RhythmEntryPickup, TheBeatsOfTheNextBarsCountFromThePickup) {
    TwoFour t;
    t.Keys("5 c /");  // an eighth before the first full bar
    t.Keys("5 v 9");  // a dotted quarter ends between beats of its bar
    EXPECT_EQ(t.entry.NextTicks(), 24);
    t.Keys("6 3");
    EXPECT_EQ(BarLineOnsets(t.Page(0)), (std::vector<int>{24, 120}));
    EXPECT_EQ(ReadBack(t.Page(0), 24).back(), (Heard{'3', 0, 120, 48}));
}

TEST(RhythmEntryPickup, BackspaceAndUndoOpenTheBarAgain) {
    TwoFour t;
    t.Keys("5 c 6 /");
    t.Keys("B");
    EXPECT_EQ(CountClass(t.Page(0), ItemClass::BarLine), 0);
    EXPECT_EQ(t.entry.Next(), (EntryPlace{0, X(5), Y(0)}));
    t.Keys("5 6");  // the bar fills as a full one
    EXPECT_EQ(BarLineOnsets(t.Page(0)), (std::vector<int>{96}));
    TwoFour u;
    u.Keys("5 c 6 /");
    u.undo.Undo();
    EXPECT_EQ(CountClass(u.Page(0), ItemClass::BarLine), 0);
    u.Keys("5 6");
    EXPECT_EQ(BarLineOnsets(u.Page(0)), (std::vector<int>{96}));
}

TEST(RhythmEntryPickup, SlashIsRefusedOnAFullBarAndTheClosedNoteKeepsItsLength) {
    TwoFour t;
    t.Keys("/");  // nothing typed
    t.Keys("5 6");
    const int steps = t.undo.UndoCount();
    t.Keys("/");
    EXPECT_EQ(t.undo.UndoCount(), steps);
    EXPECT_EQ(BarLineOnsets(t.Page(0)), (std::vector<int>{96}));
    t.Keys("3 /");
    const int closed = t.undo.UndoCount();
    t.Keys("c v 9 -");  // the bar ends with the note: its length stays
    EXPECT_EQ(t.undo.UndoCount(), closed);
    t.Keys("5");
    EXPECT_EQ(BarLineOnsets(t.Page(0)), (std::vector<int>{96, 144}));
}

}  // namespace
}  // namespace sorvel
