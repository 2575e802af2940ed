// SPDX-License-Identifier: GPL-3.0-or-later
// Rhythm entry across bars, rows and pages: bar lines where a bar of the
// meter in force ends, a note tied over the bar line, the bar lines of a new
// page or put by hand taken over by the typed bars, bars wider than their share
// or too long for the row going on in the next row, and on a new page.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "edit/pageoperations.h"
#include "edit/rhythmentry.h"
#include "model/itemfactory.h"
#include "model/musicbook.h"
#include "model/musicmark.h"

#include "rhythmentryfixture.h"

namespace sorvel {
namespace {

using namespace rhythmentrytest;

// The bar lines of a row: slot and kind, in slot order.
std::vector<std::pair<int, std::string>> BarLinesOf(const TMusicSheet& page, int row) {
    std::vector<std::pair<int, std::string>> lines;
    for (const Seen& s : SymbolsOf(page)) {
        if (s.row == row && s.content >= "c" && s.content <= "h") {
            lines.push_back({s.slot, s.content});
        }
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

// Rows of twelve slots with a share of four a bar.
struct NarrowRows : Typing {
    explicit NarrowRows(int row = 0) : Typing({0, X(0), Y(row)}) {
        Page(0).SetGridDivNum(12);
        Page(0).SetDivParBar(5);
        entry.Resume(-1, {0, X(0), Y(row)});
    }
};

TEST(RhythmEntry, TwoBarsOfFourFourWithBarLinesAndLengths) {
    Typing t;
    t.Keys("1 2 3 4 5 c 5 6 v 5 -");
    const std::vector<Seen> expected = {
        {"1", 1, 0, 0, 0, 0},  {"2", 3, 0, 0, 0, 0},  {"3", 5, 0, 0, 0, 0},  {"4", 7, 0, 0, 0, 0},
        {"c", 9, 0, 0, 0, 0},  {"5", 10, 0, 1, 0, 0}, {"5", 11, 0, 1, 0, 0}, {"6", 12, 0, 0, 0, 0},
        {"5", 14, 0, 0, 0, 0}, {"8", 16, 0, 0, 0, 0}, {"c", 18, 0, 0, 0, 0},
    };
    EXPECT_EQ(SymbolsOf(t.Page(0)), expected);
    EXPECT_EQ(t.entry.CurrentTicks(), 48);
    EXPECT_EQ(t.entry.Next(), (EntryPlace{0, X(19), Y(0)}));
}

TEST(RhythmEntry, NoteOverflowingTheBarIsTiedOverTheBarLine) {
    Typing t;
    t.Keys("1 2 3 4 v");
    // The half note from beat 4 keeps a quarter in bar 1 and one in bar 2.
    std::vector<Seen> expected = {
        {"1", 1, 0, 0, 0, 0}, {"2", 3, 0, 0, 0, 0}, {"3", 5, 0, 0, 0, 0},
        {"4", 7, 0, 0, 0, 0}, {"c", 9, 0, 0, 0, 0}, {"4", 10, 0, 0, 0, 0},
    };
    EXPECT_EQ(SymbolsOf(t.Page(0)), expected);
    ASSERT_EQ(CountClass(t.Page(0), ItemClass::Slur), 1);
    TMusicItem* tie = nullptr;
    for (int i = 0; i < t.Page(0).ItemCount(); ++i) {
        if (t.Page(0).GetItem(i)->Class() == ItemClass::Slur) tie = t.Page(0).GetItem(i);
    }
    EXPECT_EQ(tie->Content(), "Y");
    EXPECT_EQ(tie->PosX(), X(7));
    EXPECT_EQ(tie->Width(), X(10) - X(7));
    EXPECT_EQ(tie->LinkCount(), 1);
    // Lengthened by a beat: the tied part becomes a quarter and a dash.
    t.Keys("-");
    expected.push_back({"8", 12, 0, 0, 0, 0});
    EXPECT_EQ(SymbolsOf(t.Page(0)), expected);
    EXPECT_EQ(CountClass(t.Page(0), ItemClass::Slur), 1);
    t.Keys("c");  // halved to a dotted quarter: an eighth is left for bar 2
    expected.resize(5);
    expected.push_back({"4", 10, 0, 1, 0, 0});
    EXPECT_EQ(SymbolsOf(t.Page(0)), expected);
    EXPECT_EQ(CountClass(t.Page(0), ItemClass::Slur), 1);
    EXPECT_EQ(t.entry.Next(), (EntryPlace{0, X(11), Y(0)}));
    t.Keys("B");  // the whole note goes: both parts, the tie and the bar line
    expected.resize(3);
    EXPECT_EQ(SymbolsOf(t.Page(0)), expected);
    EXPECT_EQ(CountClass(t.Page(0), ItemClass::Slur), 0);
}

TEST(RhythmEntry, BarsFollowTheMeterInForceAndRunOnToNewRowsAndPages) {
    Typing t({0, X(1), Y(0)});
    PutMeter(t.Page(0), '"', 0, 0);  // 2/4, before the cursor
    t.entry.Resume(-1, {0, X(1), Y(0)});
    t.Keys("1 2 3 4 5 6 7 1 2");
    // Four bars of two quarters fill the row; the fifth starts row 2.
    std::vector<Seen> row0;
    for (const Seen& s : SymbolsOf(t.Page(0))) {
        if (s.row == 0 && s.content == "c") row0.push_back(s);
    }
    ASSERT_EQ(row0.size(), 4u);
    EXPECT_EQ(row0[3].slot, 36);
    EXPECT_EQ(SymbolsOf(t.Page(0)).back(), (Seen{"2", 1, 1, 0, 0, 0}));
    // 32 bars fill the page; the next note begins a new page.
    for (int i = 0; i < 55; ++i) t.Keys("5");
    EXPECT_EQ(t.entry.Next().page, 1) << "the page for the next bar is there already";
    ASSERT_EQ(t.book->SheetCount(), 2);
    t.Keys("6");
    EXPECT_EQ(SymbolsOf(t.Page(1)), (std::vector<Seen>{{"6", 1, 0, 0, 0, 0}}));
    // Backspace back over the page break leaves the page it made.
    t.Keys("B");
    EXPECT_TRUE(SymbolsOf(t.Page(1)).empty());
    EXPECT_EQ(t.book->SheetCount(), 2);
}

TEST(RhythmEntry, APageTheRunMadeGoesWhenTheNotesThatMadeItAreTakenBack) {
    Typing t({0, X(0), Y(7)});  // the last row of the page
    CreatePageAt(*t.book, 1, t.layout, t.glyphs);
    TMusicSheet* following = &t.Page(1);
    t.Keys(std::string(16, '5'));  // four bars fill the row: the cursor goes on to a new page
    ASSERT_EQ(t.book->SheetCount(), 3);
    EXPECT_EQ(t.entry.Next(), (EntryPlace{1, X(1), Y(0)}));
    EXPECT_EQ(&t.Page(2), following);
    t.Keys("6 B");  // the cursor is still on the new page
    EXPECT_EQ(t.book->SheetCount(), 3);
    t.Keys("B");  // the note that filled the row goes, and the page with it
    ASSERT_EQ(t.book->SheetCount(), 2);
    EXPECT_EQ(&t.Page(1), following);
    EXPECT_EQ(t.entry.Next(), (EntryPlace{0, X(34), Y(7)}));
    t.Keys("5");
    EXPECT_EQ(t.book->SheetCount(), 3);
    t.Keys("c");  // halved, the note no longer fills the row
    EXPECT_EQ(t.book->SheetCount(), 2);
    t.undo.Undo();
    EXPECT_EQ(t.book->SheetCount(), 3);
    t.undo.Redo();
    EXPECT_EQ(t.book->SheetCount(), 2);
    // A bar going on from the last row onto a page of its own, taken back.
    NarrowRows u(7);
    u.Keys("1 c c 2 3 4 5 6 7 1 2 3 4 5");  // the twelfth sixteenth starts a page
    ASSERT_EQ(u.book->SheetCount(), 2);
    u.Keys("B B");
    EXPECT_EQ(u.book->SheetCount(), 1);
    // Started at the end of the last row: the first note makes the page.
    Typing v({0, X(36), Y(7)});
    v.Keys("5");
    ASSERT_EQ(v.book->SheetCount(), 2);
    v.Keys("B");
    EXPECT_EQ(v.book->SheetCount(), 1);
    EXPECT_EQ(v.entry.Next(), (EntryPlace{0, X(36), Y(7)}));
}

// A bar line put by hand inside the first bar of a row, with a name, a
// height and a mark linked to it, and a plain one where that bar ends.
TBarLine& MarkedBarLine(TMusicSheet& page, int slot, int row) {
    PutBarLine(page, 'c', 9, row);
    PutBarLine(page, 'd', slot, row);
    TBarLine* line = nullptr;
    for (int i = 0; i < page.ItemCount(); ++i) {
        if (TBarLine* l = page.GetItem(i)->As<TBarLine>(); l && l->PosX() == X(slot)) line = l;
    }
    line->SetName("007");
    line->SetHeight(57);
    TMusicSign* sign = CreateItem<TMusicSign>(page);
    sign->SetContent("P");
    sign->SetPosX(X(slot));
    sign->SetPosY(Y(row) - 40);
    line->Link(*sign);
    sign->Link(*line);
    return *line;
}

void ExpectAsPut(const TBarLine& line, int slot, int row) {
    EXPECT_GE(line.Sheet().IndexOfItem(&line), 0);
    EXPECT_EQ(line.PosX(), X(slot));
    EXPECT_EQ(line.PosY(), Y(row));
    EXPECT_EQ(line.Content(), "d");
    EXPECT_EQ(line.Name(), "007");
    EXPECT_EQ(line.Height(), 57);
    ASSERT_EQ(line.LinkCount(), 1);
    EXPECT_EQ(line.GetLink(0)->Content(), "P");
    EXPECT_TRUE(line.GetLink(0)->IsLinkedTo(&line));
}

TEST(RhythmEntry, BarLinesTakenOverComeBackAsTheSameObjectsWithTheirLinks) {
    Typing t;
    TBarLine& inside = MarkedBarLine(t.Page(0), 5, 2);
    t.entry.Resume(-1, {0, X(0), Y(2)});
    t.Keys("1 2 3 4");
    EXPECT_EQ(t.Page(0).IndexOfItem(&inside), -1);
    EXPECT_EQ(CountClass(t.Page(0), ItemClass::MusicSign), 1);
    t.Keys("B B B B");
    ExpectAsPut(inside, 5, 2);
    // Undo and redo go over the same objects.
    t.undo.Undo();
    EXPECT_EQ(t.Page(0).IndexOfItem(&inside), -1);
    t.undo.Redo();
    ExpectAsPut(inside, 5, 2);
}

TEST(RhythmEntry, ABarLineTakenOverLongBeforeComesBackAfterTheStepLeftTheHistory) {
    Typing t;
    TBarLine& inside = MarkedBarLine(t.Page(0), 5, 0);
    // Sixty notes and sixty Backspaces: the step that took the bar line is
    // long out of the history when its bar opens again.
    t.Keys(std::string(60, '5'));
    t.Keys(std::string(60, 'B'));
    ExpectAsPut(inside, 5, 0);
    EXPECT_EQ(BarLinesOf(t.Page(0), 0),
              (std::vector<std::pair<int, std::string>>{{5, "d"}, {9, "c"}}));
}

TEST(RhythmEntry, TheBarLinesOfANewPageServeAsTheTypedBarLines) {
    Typing t;
    PlaceBlankPageBarLines(t.Page(0));  // a new book's first row: bar lines at 9, 18, 27, 36
    t.entry.Resume(-1, {0, X(0), Y(0)});
    t.Keys("1 2 3 4 5 c 5 6 v 5 -");
    const std::vector<Seen> expected = {
        {"1", 1, 0, 0, 0, 0},  {"2", 3, 0, 0, 0, 0},  {"3", 5, 0, 0, 0, 0},  {"4", 7, 0, 0, 0, 0},
        {"c", 9, 0, 0, 0, 0},  {"5", 10, 0, 1, 0, 0}, {"5", 11, 0, 1, 0, 0}, {"6", 12, 0, 0, 0, 0},
        {"5", 14, 0, 0, 0, 0}, {"8", 16, 0, 0, 0, 0}, {"c", 18, 0, 0, 0, 0}, {"c", 27, 0, 0, 0, 0},
        {"c", 36, 0, 0, 0, 0},
    };
    EXPECT_EQ(SymbolsOf(t.Page(0)), expected);
    EXPECT_EQ(CountClass(t.Page(0), ItemClass::BarLine), 4);
    // Taken back note by note, the page keeps its own bar lines and no other.
    t.Keys("B B B B B B B B");
    const std::vector<std::pair<int, std::string>> blank = {
        {9, "c"}, {18, "c"}, {27, "c"}, {36, "c"}};
    EXPECT_EQ(BarLinesOf(t.Page(0), 0), blank);
    EXPECT_EQ(CountClass(t.Page(0), ItemClass::BarLine), 4);
}

TEST(RhythmEntry, BarLinesStackedAtTheRowStartBecomeOneWhileTheRowIsTyped) {
    Typing t;
    for (int i = 0; i < 3; ++i) PutBarLine(t.Page(0), 'c', 0, 1);
    PutBarLine(t.Page(0), 'f', 0, 1);  // a start repeat among them stays
    t.entry.Resume(-1, {0, X(0), Y(1)});
    t.Keys("1 2 3 4 5");
    EXPECT_EQ(BarLinesOf(t.Page(0), 1),
              (std::vector<std::pair<int, std::string>>{{0, "f"}, {9, "c"}}));
    t.Keys("B B B B B");
    EXPECT_EQ(BarLinesOf(t.Page(0), 1),
              (std::vector<std::pair<int, std::string>>{{0, "c"}, {0, "c"}, {0, "c"}, {0, "f"}}));
}

TEST(RhythmEntry, BarLinesPlacedByHandAreTakenOverByTheTypedBars) {
    Typing t;
    const std::vector<std::pair<int, std::string>> byHand = {
        {5, "c"}, {9, "c"}, {9, "d"}, {16, "c"}};
    for (const auto& [slot, code] : byHand) PutBarLine(t.Page(0), code[0], slot, 2);
    t.entry.Resume(-1, {0, X(0), Y(2)});
    t.Keys("1 2 3 4 5 6 7 1");
    // The bar line inside the first bar goes, of the two where it ends the
    // double one stays, and the one inside the second bar moves to its end.
    EXPECT_EQ(BarLinesOf(t.Page(0), 2),
              (std::vector<std::pair<int, std::string>>{{9, "d"}, {18, "c"}}));
    EXPECT_EQ(CountClass(t.Page(0), ItemClass::BarLine), 2);
    t.Keys("B");  // the open bar keeps the moved bar line where it will end
    EXPECT_EQ(BarLinesOf(t.Page(0), 2),
              (std::vector<std::pair<int, std::string>>{{9, "d"}, {18, "c"}}));
    t.Keys("B B B B B B B");
    EXPECT_EQ(BarLinesOf(t.Page(0), 2), byHand);
    // Undo gives the typed row back, and undo again the row as it was.
    t.undo.Undo();
    EXPECT_EQ(BarLinesOf(t.Page(0), 2),
              (std::vector<std::pair<int, std::string>>{{9, "d"}, {16, "c"}}));
    while (t.undo.CanUndo()) t.undo.Undo();
    EXPECT_EQ(BarLinesOf(t.Page(0), 2), byHand);
}

TEST(RhythmEntry, BarsWiderThanTheirShareTakeTheRowsBarLinesAlong) {
    Typing t;
    PlaceBlankPageBarLines(t.Page(0));
    t.entry.Resume(-1, {0, X(0), Y(0)});
    // Bars of sixteen sixteenths take sixteen slots: two fit in the row.
    t.Keys("1 c c" + std::string(31, '5'));
    const std::vector<std::pair<int, std::string>> twoBars = {{17, "c"}, {34, "c"}, {36, "c"}};
    EXPECT_EQ(BarLinesOf(t.Page(0), 0), twoBars);
    t.Keys("6");  // the third bar starts the next row and takes the rest of this one
    EXPECT_EQ(SymbolsOf(t.Page(0)).back(), (Seen{"6", 1, 1, 2, 0, 0}));
    EXPECT_EQ(CountClass(t.Page(0), ItemClass::BarLine), 2);
    t.Keys("B");
    EXPECT_EQ(BarLinesOf(t.Page(0), 0), twoBars);
}

TEST(RhythmEntry, ABarStartedOnABarLineBeginsAfterIt) {
    Typing t;
    PlaceBlankPageBarLines(t.Page(0));
    t.entry.Resume(-1, {0, X(9), Y(0)});
    t.Keys("1 2 3 4");
    EXPECT_EQ(SymbolsOf(t.Page(0)).at(1), (Seen{"1", 10, 0, 0, 0, 0}));
    EXPECT_EQ(CountClass(t.Page(0), ItemClass::BarLine), 4);
}

TEST(RhythmEntry, ABarTooLongForTheRowGoesOnInTheNextRowLikeAnImport) {
    NarrowRows t;
    t.Keys("1 c c 2 3 4 5 6 7 1 2 3 4");  // eleven sixteenths fill the row
    EXPECT_EQ(t.entry.Next(), (EntryPlace{0, X(1), Y(1)}));
    t.Keys("5 6 7 1 2");  // sixteen: one slot each, on into the next row
    std::vector<Seen> expected;
    const std::string digits = "1234567123456712";
    for (int i = 0; i < 16; ++i) {
        expected.push_back(
            {std::string(1, digits[i]), i < 11 ? 1 + i : i - 10, i < 11 ? 0 : 1, 2, 0, 0});
    }
    expected.push_back({"c", 6, 1, 0, 0, 0});
    EXPECT_EQ(SymbolsOf(t.Page(0)), expected);
    EXPECT_EQ(CountClass(t.Page(0), ItemClass::Slur), 0);
    EXPECT_EQ(t.entry.Next(), (EntryPlace{0, X(7), Y(1)}));
    t.Keys("B");  // the bar opens again, its bar line goes
    EXPECT_EQ(CountClass(t.Page(0), ItemClass::BarLine), 0);
    EXPECT_EQ(t.entry.Next(), (EntryPlace{0, X(5), Y(1)}));
}

TEST(RhythmEntry, ABarWrappingFromThePagesLastRowGoesOnOnANewPage) {
    NarrowRows t(7);
    t.Keys("1 c c 2 3 4 5 6 7 1 2 3 4 5 6 7 1 2");
    ASSERT_EQ(t.book->SheetCount(), 2);
    EXPECT_EQ(SymbolsOf(t.Page(0)).size(), 11u);
    EXPECT_EQ(SymbolsOf(t.Page(1)).size(), 6u);  // five numerals and the bar line
    EXPECT_EQ(SymbolsOf(t.Page(1)).back(), (Seen{"c", 6, 0, 0, 0, 0}));
}

}  // namespace
}  // namespace sorvel
