// SPDX-License-Identifier: GPL-3.0-or-later
// Rhythm entry key by key: the open bar in proportion, octave, dot, halve,
// double and the dash on the note just typed, dotted notes and the note that
// completes their beat, Backspace with the note's marks, and undo, where every
// key is one step and the run goes on where the kept notes end.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "edit/rhythmentry.h"
#include "model/itemfactory.h"
#include "model/musicmark.h"
#include "model/note.h"

#include "rhythmentryfixture.h"

namespace sorvel {
namespace {

using namespace rhythmentrytest;

TEST(RhythmEntry, OpenBarStandsInProportionAndTheCursorFollows) {
    Typing t;
    t.Keys("1 c 2");
    EXPECT_EQ(t.entry.CurrentTicks(), 24);
    EXPECT_EQ(t.entry.Next(), (EntryPlace{0, X(3), Y(0)}));
    t.Keys("3 9");
    // 1 and 2 eighths, 3 a dotted eighth: the next onset is at 84 of 192 ticks.
    EXPECT_EQ(SymbolsOf(t.Page(0)).back(), (Seen{"3", 3, 0, 1, 1, 0}));
    EXPECT_EQ(t.entry.Next(), (EntryPlace{0, X(4), Y(0)}));
}

TEST(RhythmEntry, OctaveDotHalveAndDoubleActOnTheNoteJustTyped) {
    Typing t;
    t.Keys("5 x x");
    EXPECT_EQ(SymbolsOf(t.Page(0)).back(), (Seen{"5", 1, 0, 0, 0, 2}));
    t.Keys("z 9");
    EXPECT_EQ(SymbolsOf(t.Page(0)).back(), (Seen{"5", 1, 0, 0, 1, 1}));
    t.Keys("9");  // the dot again takes it off
    EXPECT_EQ(SymbolsOf(t.Page(0)).back(), (Seen{"5", 1, 0, 0, 0, 1}));
    t.Keys("c c");
    EXPECT_EQ(SymbolsOf(t.Page(0)).back(), (Seen{"5", 1, 0, 2, 0, 1}));
    EXPECT_EQ(t.entry.CurrentTicks(), 12);
    t.Keys("v");
    EXPECT_EQ(t.entry.CurrentTicks(), 24);
    t.Keys("0 x");  // a rest has no octave
    EXPECT_EQ(SymbolsOf(t.Page(0)).back(), (Seen{"0", 2, 0, 1, 0, 0}));
}

TEST(RhythmEntry, ADottedNoteEndingBetweenBeatsIsCompletedByTheNextNote) {
    Typing t;
    t.Keys("5 c 9");  // a dotted eighth: a sixteenth completes its beat
    EXPECT_EQ(t.entry.NextTicks(), 12);
    EXPECT_EQ(t.entry.CurrentTicks(), 24);
    t.Keys("6 5");  // then the length goes back to the eighth
    EXPECT_EQ(ReadBack(t.Page(0), 192),
              (std::vector<Heard>{{'5', 0, 0, 36}, {'6', 0, 36, 12}, {'5', 0, 48, 24}}));
    t.Keys("B");  // taken back, the sixteenth is next again
    EXPECT_EQ(t.entry.NextTicks(), 24);
    t.Keys("B");
    EXPECT_EQ(t.entry.NextTicks(), 12);
    t.Keys("9");  // the dot taken off, nothing is left to complete
    EXPECT_EQ(t.entry.NextTicks(), 24);
}

TEST(RhythmEntry, ADottedQuarterIsCompletedByAnEighthAndADottedNoteOnTheBeatByNothing) {
    Typing t;
    t.Keys("5 9 6 5");
    EXPECT_EQ(ReadBack(t.Page(0), 192),
              (std::vector<Heard>{{'5', 0, 0, 72}, {'6', 0, 72, 24}, {'5', 0, 96, 48}}));
    // A dotted half from the bar's start ends on the fourth beat: the next
    // note keeps the current length.
    Typing u;
    u.Keys("1 v 9");
    EXPECT_EQ(u.entry.NextTicks(), 96);
}

TEST(RhythmEntry, DottedQuartersFollowEachOtherInSixEight) {
    Typing t({0, X(1), Y(0)});
    PutMeter(t.Page(0), '&', 0, 0);
    t.entry.Resume(-1, {0, X(1), Y(0)});
    ASSERT_EQ(t.entry.NextTicks(), 48);
    // The beat of 6/8 is the eighth: a dotted quarter ends on one.
    t.Keys("5 9 6 9");
    EXPECT_EQ(ReadBack(t.Page(0), 144), (std::vector<Heard>{{'5', 0, 0, 72}, {'6', 0, 72, 72}}));
}

TEST(RhythmEntry, ADottedCurrentLengthAlternatesWithItsCompletion) {
    Typing t;
    t.Keys("5 9 c 6 5 6");  // halving the dotted quarter makes the dotted eighth current
    EXPECT_EQ(ReadBack(t.Page(0), 192),
              (std::vector<Heard>{
                  {'5', 0, 0, 36}, {'6', 0, 36, 12}, {'5', 0, 48, 36}, {'6', 0, 84, 12}}));
}

TEST(RhythmEntry, ADashAfterANoteEndingBetweenBeatsHoldsItToTheBeatFirst) {
    Typing t;
    t.Keys("3 c 5 c -");  // an eighth, then a sixteenth held to the beat and one more
    EXPECT_EQ(ReadBack(t.Page(0), 192), (std::vector<Heard>{{'3', 0, 0, 24}, {'5', 0, 24, 72}}));
    Typing u;
    u.Keys("5 c -");  // "5 -": a quarter and its dash, as numbered notation writes it
    EXPECT_EQ(SymbolsOf(u.Page(0)),
              (std::vector<Seen>{{"5", 1, 0, 0, 0, 0}, {"8", 3, 0, 0, 0, 0}}));
    EXPECT_EQ(u.entry.CurrentTicks(), 24);
}

TEST(RhythmEntry, BackspaceRemovesTheLastNoteAndReopensItsBar) {
    Typing t;
    t.Keys("1 2 3 4");
    EXPECT_EQ(CountClass(t.Page(0), ItemClass::BarLine), 1);
    t.Keys("B");
    EXPECT_EQ(CountClass(t.Page(0), ItemClass::BarLine), 0);
    EXPECT_EQ(SymbolsOf(t.Page(0)).size(), 3u);
    EXPECT_EQ(t.entry.Next(), (EntryPlace{0, X(7), Y(0)}));
    t.Keys("B B B B");
    EXPECT_TRUE(SymbolsOf(t.Page(0)).empty());
    t.Keys("5");
    EXPECT_EQ(SymbolsOf(t.Page(0)), (std::vector<Seen>{{"5", 1, 0, 0, 0, 0}}));
}

TEST(RhythmEntry, BackspaceTakesTheNotesMarksAlong) {
    Typing t;
    t.Keys("1 2");
    TNote* last = t.entry.LastNote();
    ASSERT_NE(last, nullptr);
    TMusicSign* sign = CreateItem<TMusicSign>(t.Page(0));
    sign->SetContent("P");
    last->Link(*sign);
    sign->Link(*last);
    t.Keys("B");
    EXPECT_EQ(CountClass(t.Page(0), ItemClass::MusicSign), 0);
}

TEST(RhythmEntry, MarksMoveWithTheirNoteWhenTheBarIsLaidOutAgain) {
    Typing t;
    t.Keys("1 c 2 3 4 5 6 7 1");  // eight eighths: one slot each, no room to spare
    TNote* first = t.Page(0).GetItem(0)->As<TNote>();
    ASSERT_EQ(first->PosX(), X(1));
    TMusicSign* sign = CreateItem<TMusicSign>(t.Page(0));
    sign->SetPosX(X(1));
    sign->SetPosY(Y(0) - 20);
    first->Link(*sign);
    sign->Link(*first);
    // The rest of the bar is already full, so a note must go to the next bar.
    t.Keys("2");
    EXPECT_EQ(first->PosX(), X(1));
    EXPECT_EQ(sign->PosX(), X(1));
}

TEST(RhythmEntry, EachKeyIsOneUndoStepAndUndoGivesTheRunBack) {
    Typing t;
    t.Keys("1 2 3 4 5");
    const long afterFour = [&] {
        t.undo.Undo();
        return t.undo.StateId();
    }();
    EXPECT_EQ(SymbolsOf(t.Page(0)).size(), 5u);  // four notes and the bar line
    t.undo.Undo();
    EXPECT_EQ(SymbolsOf(t.Page(0)).size(), 3u);  // the bar line went with the fourth
    t.undo.Redo();
    ASSERT_EQ(t.undo.StateId(), afterFour);
    // The cursor goes back to where the kept run goes on, and typing continues.
    const std::optional<EntryPlace> next = t.entry.NextOf(afterFour);
    ASSERT_TRUE(next.has_value());
    EXPECT_EQ(*next, (EntryPlace{0, X(10), Y(0)}));
    t.Keys("6");
    EXPECT_EQ(SymbolsOf(t.Page(0)).back(), (Seen{"6", 10, 0, 0, 0, 0}));
    t.Keys("B");  // the run after redo still knows its notes
    t.Keys("B");
    EXPECT_EQ(CountClass(t.Page(0), ItemClass::BarLine), 0);
}

TEST(RhythmEntry, ADifferentCursorStartsANewRun) {
    Typing t;
    t.Keys("1 2");
    t.entry.Resume(t.undo.StateId(), {0, X(0), Y(2)});
    t.undo.BeginGroup();
    t.entry.Type('3');
    t.undo.EndGroup();
    EXPECT_EQ(SymbolsOf(t.Page(0)).back(), (Seen{"3", 1, 2, 0, 0, 0}));
    EXPECT_FALSE(t.entry.RemoveLast() && t.entry.RemoveLast());
}

}  // namespace
}  // namespace sorvel
