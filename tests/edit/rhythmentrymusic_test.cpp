// SPDX-License-Identifier: GPL-3.0-or-later
// Rhythm entry beside music already on the page: a run goes on on its own
// page when another page was turned under the cursor, a new run started in a
// bar with music (or on pasted music) begins after it, and a step whose notes
// would stand on music is refused. What was there before is never touched.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "edit/pageoperations.h"
#include "edit/rhythmentry.h"

#include "rhythmentryfixture.h"

namespace sorvel {
namespace {

using namespace rhythmentrytest;

std::vector<Seen> SymbolsIn(const TMusicSheet& page, int row) {
    std::vector<Seen> out;
    for (const Seen& s : SymbolsOf(page)) {
        if (s.row == row) out.push_back(s);
    }
    return out;
}

Seen Quarter(char digit, int slot, int row) {
    return {std::string(1, digit), slot, row, 0, 0, 0};
}

Seen Line(int slot, int row) {
    return {"c", slot, row, 0, 0, 0};
}

// Playback turns the pages as it plays and leaves the key cursor where it
// was: the keys after it go on with the run on the run's page.
TEST(RhythmEntryOverMusic, AfterThePageWasTurnedUnderTheCursorTheRunGoesOnOnItsPage) {
    Typing t;
    CreatePageAt(*t.book, 1, t.layout, t.glyphs);
    PutMusic(t.Page(1), " 3 3 3 3 |5 5 5 5 |", 0, 0);
    const std::vector<Seen> music = SymbolsOf(t.Page(1));
    t.Keys("1 2 3");
    EntryPlace next = t.entry.Next();
    ASSERT_EQ(next, (EntryPlace{0, X(7), Y(0)}));
    t.KeysAt({1, next.x, next.y}, "4");
    EXPECT_EQ(t.entry.Notice(), EntryNotice::kBackToRun);
    t.Keys("5 6");
    next = t.entry.Next();
    EXPECT_EQ(next.page, 0);
    t.KeysAt({1, next.x, next.y}, "B");  // Backspace too takes back on the run's page
    t.Keys("7");
    EXPECT_EQ(SymbolsOf(t.Page(1)), music);
    EXPECT_EQ(ReadBack(t.Page(0), 192), (std::vector<Heard>{{'1', 0, 0, 48},
                                                            {'2', 0, 48, 48},
                                                            {'3', 0, 96, 48},
                                                            {'4', 0, 144, 48},
                                                            {'5', 0, 192, 48},
                                                            {'7', 0, 240, 48}}));
    // Put elsewhere on that page, the cursor starts a run there, after its music.
    t.KeysAt({1, X(3), Y(0)}, "6");
    EXPECT_EQ(t.entry.Notice(), EntryNotice::kAfterMusic);
    EXPECT_EQ(SymbolsOf(t.Page(1)).back(), Quarter('6', 19, 0));
}

TEST(RhythmEntryOverMusic, ARunStartedInsideABarWithMusicBeginsAfterThatBar) {
    Typing t;
    PutMusic(t.Page(0), " 1 2 3 4 |5 5 5 5 |", 0, 1);
    std::vector<Seen> row = SymbolsIn(t.Page(0), 1);
    t.KeysAt({0, X(2), Y(1)}, "3");  // an empty slot inside the first bar
    EXPECT_EQ(t.entry.Notice(), EntryNotice::kAfterMusic);
    t.Keys("4 5 6");
    for (const Seen& s : {Quarter('3', 19, 1), Quarter('4', 21, 1), Quarter('5', 23, 1),
                          Quarter('6', 25, 1), Line(27, 1)}) {
        row.push_back(s);
    }
    EXPECT_EQ(SymbolsIn(t.Page(0), 1), row);
    // Started on the bar line between two bars of music: after both.
    PutMusic(t.Page(0), " 1 2 3 4 |5 5 5 5 |", 0, 3);
    t.KeysAt({0, X(9), Y(3)}, "6");
    EXPECT_EQ(SymbolsIn(t.Page(0), 3).back(), Quarter('6', 19, 3));
    // A bar with no bar line after its notes: the run begins after the last.
    PutMusic(t.Page(0), " 1 2", 0, 5);
    t.KeysAt({0, X(2), Y(5)}, "5");
    EXPECT_EQ(t.entry.Notice(), EntryNotice::kAfterMusic);
    EXPECT_EQ(SymbolsIn(t.Page(0), 5),
              (std::vector<Seen>{Quarter('1', 1, 5), Quarter('2', 3, 5), Quarter('5', 4, 5)}));
    // An empty row: the run begins where the cursor is, with nothing to say.
    t.KeysAt({0, X(0), Y(6)}, "1");
    EXPECT_EQ(t.entry.Notice(), EntryNotice::kNone);
    EXPECT_EQ(SymbolsIn(t.Page(0), 6), std::vector<Seen>{Quarter('1', 1, 6)});
}

TEST(RhythmEntryOverMusic, AStepWhoseNotesWouldStandOnMusicIsRefused) {
    Typing t({0, X(0), Y(2)});
    PutMusic(t.Page(0), "|3 3 3 3 |", 18, 2);  // the third bar of the row holds music
    t.Keys("1 2 3 4 5 6 7 1");
    const std::vector<Seen> twoBars = SymbolsOf(t.Page(0));
    const int steps = t.undo.UndoCount();
    t.Keys("2");
    EXPECT_EQ(t.entry.Notice(), EntryNotice::kMusicAhead);
    EXPECT_EQ(SymbolsOf(t.Page(0)), twoBars);
    EXPECT_EQ(t.undo.UndoCount(), steps);
    t.Keys("v");  // the last note held over into that bar: refused the same way
    EXPECT_EQ(t.entry.Notice(), EntryNotice::kMusicAhead);
    EXPECT_EQ(SymbolsOf(t.Page(0)), twoBars);
    t.Keys("c");  // shortened, it stays in its bar
    EXPECT_EQ(t.entry.Notice(), EntryNotice::kNone);
    EXPECT_EQ(t.undo.UndoCount(), steps + 1);
    // Music in the next row stops a run at the end of its row.
    Typing u({0, X(0), Y(6)});
    PutMusic(u.Page(0), " 1", 0, 7);
    u.Keys(std::string(16, '5'));
    const std::vector<Seen> fullRow = SymbolsOf(u.Page(0));
    u.Keys("6");
    EXPECT_EQ(u.entry.Notice(), EntryNotice::kMusicAhead);
    EXPECT_EQ(SymbolsOf(u.Page(0)), fullRow);
}

TEST(RhythmEntryOverMusic, NotesTypedAfterAPasteGoOnAfterThePastedMusic) {
    Typing t;
    t.Keys("1 2 3 4 5");
    const EntryPlace cursor = t.entry.Next();
    ASSERT_EQ(cursor, (EntryPlace{0, X(12), Y(0)}));
    // Pasted at the key cursor, as one step: the rest of a bar and its bar line.
    t.undo.BeginGroup();
    PutMusic(t.Page(0), "6 7 1 |", 12, 0);
    t.undo.EndGroup();
    const std::vector<Seen> pasted = SymbolsOf(t.Page(0));
    t.KeysAt(cursor, "2");
    EXPECT_EQ(t.entry.Notice(), EntryNotice::kAfterMusic);
    t.Keys("3 4 5");
    std::vector<Seen> expected = pasted;
    for (const Seen& s : {Quarter('2', 19, 0), Quarter('3', 21, 0), Quarter('4', 23, 0),
                          Quarter('5', 25, 0), Line(27, 0)}) {
        expected.push_back(s);
    }
    EXPECT_EQ(SymbolsOf(t.Page(0)), expected);
    // Pasted without a bar line: the notes go on after the last pasted one.
    Typing u;
    u.Keys("1 2");
    const EntryPlace at = u.entry.Next();
    u.undo.BeginGroup();
    PutMusic(u.Page(0), "3 4", 5, 0);
    u.undo.EndGroup();
    u.KeysAt(at, "5");
    EXPECT_EQ(SymbolsOf(u.Page(0)),
              (std::vector<Seen>{Quarter('1', 1, 0), Quarter('2', 3, 0), Quarter('3', 5, 0),
                                 Quarter('4', 7, 0), Quarter('5', 8, 0)}));
}

}  // namespace
}  // namespace sorvel
