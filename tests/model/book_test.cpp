// SPDX-License-Identifier: GPL-3.0-or-later
#include <climits>

#include "model/daon.h"
#include "model/horizbar.h"
#include "model/musicmark.h"
#include "modelfixture.h"

namespace sorvel::testing {
namespace {

std::vector<TMusicItem*> Order(const TMusicSheet& page) {
    std::vector<TMusicItem*> items;
    for (int i = 0; i < page.ItemCount(); ++i) items.push_back(page.GetItem(i));
    return items;
}

bool IsSortedByPosition(const TMusicSheet& page) {
    for (int i = 1; i < page.ItemCount(); ++i) {
        const TMusicItem* a = page.GetItem(i - 1);
        const TMusicItem* b = page.GetItem(i);
        if (a->PosY() > b->PosY() || (a->PosY() == b->PosY() && a->PosX() > b->PosX()))
            return false;
    }
    return true;
}

TEST_F(ModelTest, ItemsStayInRowThenColumnOrderThroughMoves) {
    TNote* a = AddNote(100, 300);
    TNote* b = AddNote(50, 200);
    TNote* c = AddNote(200, 200);
    TNote* d = AddNote(10, 250);
    EXPECT_EQ(Order(*page), (std::vector<TMusicItem*>{b, c, d, a}));

    a->SetPosY(100);  // jumps ahead of every row in between at once
    EXPECT_EQ(Order(*page), (std::vector<TMusicItem*>{a, b, c, d}));
    c->SetPosX(10);
    EXPECT_EQ(Order(*page), (std::vector<TMusicItem*>{a, c, b, d}));

    // Numbers order beyond four digits and below zero too.
    d->SetPosY(10000);
    b->SetPosY(-5);
    EXPECT_EQ(Order(*page), (std::vector<TMusicItem*>{b, a, c, d}));
    EXPECT_TRUE(IsSortedByPosition(*page));
}

TEST_F(ModelTest, ManyMovesKeepTheListSorted) {
    std::vector<TNote*> notes;
    for (int i = 0; i < 200; ++i) notes.push_back(AddNote((i * 37) % 900, (i * 53) % 1300));
    for (int round = 0; round < 5; ++round) {
        for (size_t i = 0; i < notes.size(); i += 3) {
            notes[i]->SetPosX((notes[i]->PosX() + 211 * (round + 1)) % 950);
            notes[i]->SetPosY((notes[i]->PosY() + 97) % 1350);
        }
    }
    EXPECT_EQ(page->ItemCount(), 200);
    EXPECT_TRUE(IsSortedByPosition(*page));
}

TEST_F(ModelTest, ItemsAtTheSamePlaceBothStay) {
    TNote* a = AddNote(100, 100);
    TNote* b = AddNote(100, 100);
    EXPECT_EQ(page->ItemCount(), 2);
    EXPECT_GE(page->IndexOfItem(a), 0);
    EXPECT_GE(page->IndexOfItem(b), 0);
}

TEST_F(ModelTest, SuspendedSortingSortsOnceOnResume) {
    page->SuspendSorting();
    TNote* late = AddNote(0, 500);
    TNote* early = AddNote(0, 100);
    EXPECT_EQ(page->GetItem(0), late);
    page->ResumeSorting();
    EXPECT_EQ(page->GetItem(0), early);
}

TEST_F(ModelTest, SettingTheCurrentValueRecordsNothing) {
    TNote* note = AddNote(100, 100);
    stepsRecorded = 0;
    Step([&] {
        note->SetPosX(100);
        note->SetContent("5");
        page->SetTitle("");
        book->SetGridSize(book->GridSize());
    });
    EXPECT_EQ(stepsRecorded, 0);
    EXPECT_FALSE(undo.CanUndo());
}

TEST_F(ModelTest, PropertyChangesRecordNamesAndTexts) {
    TNote* note = AddNote(100, 100);
    undo.BeginGroup();
    note->SetPosX(-170);
    page->SetTitle("t");
    book->SetRowInterval(99);
    auto* commands = undo.OpenGroupCommands();
    ASSERT_EQ(commands->size(), 3u);
    auto* first = dynamic_cast<TSetPropCommand*>((*commands)[0].get());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->DisplayName(), "PosX変更");
    EXPECT_EQ(first->OldText(), "100");
    EXPECT_EQ(first->NewText(), "-170");
    EXPECT_NE(dynamic_cast<TSetPropCommand_Sheet*>((*commands)[1].get()), nullptr);
    EXPECT_NE(dynamic_cast<TSetPropCommand_Book*>((*commands)[2].get()), nullptr);
    EXPECT_EQ(stepsRecorded, 0);
    undo.EndGroup();
    EXPECT_EQ(stepsRecorded, 1);
}

TEST_F(ModelTest, NewPageTakesTheBooksCurrentLayout) {
    book->SetGridSize(31);
    book->SetOffsetRateX_Bow(11);
    layout.PageWidth = 1000;
    TMusicSheet* second = book->NewSheet();
    EXPECT_EQ(second->GridSize(), 31);
    EXPECT_EQ(second->OffsetRateX_Bow(), 11);
    EXPECT_EQ(second->PageWidth, 1000);
    EXPECT_EQ(page->GridSize(), 25);
    EXPECT_EQ(book->IndexOfSheet(second), 1);
    EXPECT_EQ(book->GetSheet(2), nullptr);
    EXPECT_EQ(book->GetSheet(-1), nullptr);
}

TEST_F(ModelTest, DefaultLayoutComesFromThePreferences) {
    prefs.DefoGridSize = 26;
    prefs.DefoRates.Kakko = 5;
    TMusicBook other(env);
    other.ApplyDefaultLayout();
    EXPECT_EQ(other.GridSize(), 26);
    EXPECT_EQ(other.OffsetRateX_Kakko(), 5);
    EXPECT_EQ(other.RowInterval(), 146);
    EXPECT_TRUE(other.isDispGrid);
}

TEST_F(ModelTest, OwnerPageNoMovesTheItemAndUndoMovesItBack) {
    TMusicSheet* second = book->NewSheet();
    TNote* note = AddNote(100, 100);
    EXPECT_EQ(note->OwnerPageNo(), 1);
    Step([&] { note->SetOwnerPageNo(2); });
    EXPECT_EQ(&note->Sheet(), second);
    EXPECT_EQ(page->ItemCount(), 0);
    EXPECT_EQ(second->IndexOfItem(note), 0);
    EXPECT_EQ(note->PosX(), 100);
    note->SetOwnerPageNo(7);  // no such page: ignored
    EXPECT_EQ(note->OwnerPageNo(), 2);
    undo.Undo();
    EXPECT_EQ(note->OwnerPageNo(), 1);
    EXPECT_EQ(second->ItemCount(), 0);
}

TEST_F(ModelTest, NamesAreIndexesWhileWritingAndClearingDropsLinkNames) {
    for (int i = 0; i < 1001; ++i) AddNote(i, 0);
    page->NameItems();
    EXPECT_EQ(page->GetItem(0)->Name(), "000");
    EXPECT_EQ(page->GetItem(999)->Name(), "999");
    EXPECT_EQ(page->GetItem(1000)->Name(), "1000");
    page->GetItem(0)->LinkNames().push_back("001");
    page->ClearItemNames();
    EXPECT_EQ(page->GetItem(0)->Name(), "");
    EXPECT_TRUE(page->GetItem(0)->LinkNames().empty());
}

TEST_F(ModelTest, RectangleSelectsItemsWhollyInside) {
    TNote* note = AddNote(100, 100);  // 20 x 30 centred: 90..110, 85..115
    TSlur* slur = Add<TSlur>("Y", 100, 200);
    slur->SetWidth(50);  // left-anchored: 100..150
    slur->SetHeight(20);
    EXPECT_EQ(page->ItemsInRect(90, 85, 110, 115), std::vector<TMusicItem*>{note});
    EXPECT_TRUE(page->ItemsInRect(91, 85, 110, 115).empty());
    EXPECT_EQ(page->ItemsInRect(150, 210, 100, 190), std::vector<TMusicItem*>{slur});
    EXPECT_EQ(page->ItemsInRect(0, 0, 500, 500).size(), 2u);
}

TEST_F(ModelTest, NewPageTakesEveryLayoutValueOfTheBookInTableOrder) {
    // Book and page publish the same layout properties after their own.
    const std::vector<PropertyInfo>& bookProps = book->Properties().All();
    const std::vector<PropertyInfo>& pageProps = page->Properties().All();
    ASSERT_EQ(bookProps.size(), 1u + 23u);
    ASSERT_EQ(pageProps.size(), 5u + 23u);
    EXPECT_STREQ(bookProps[1].name, "NoteFontSize");
    EXPECT_STREQ(bookProps.back().name, "OffsetRateX_Kakko");
    std::vector<std::string> expected;
    for (size_t i = 1; i < bookProps.size(); ++i) {
        EXPECT_STREQ(bookProps[i].name, pageProps[i + 4].name);
        bookProps[i].set(*book, IntToStr(1000 + static_cast<int>(i)));
        expected.push_back(std::string(bookProps[i].name) + "変更");
    }
    undo.BeginGroup();
    TMusicSheet* second = book->NewSheet();
    EXPECT_EQ(OpenGroupNames(), expected);
    undo.EndGroup();
    for (size_t i = 1; i < bookProps.size(); ++i) {
        EXPECT_EQ(pageProps[i + 4].get(*second), IntToStr(1000 + static_cast<int>(i)));
    }
}

TEST_F(ModelTest, RectangleSelectionSurvivesTheEndsOfTheIntRange) {
    TNote* low = AddNote(INT_MIN + 10, INT_MIN + 15);  // 20 x 30 centred: exactly at the edge
    AddNote(INT_MIN, INT_MIN);                         // reaches past the smallest int
    TNote* high = AddNote(INT_MAX - 10, INT_MAX - 15);
    EXPECT_EQ(page->ItemsInRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX),
              (std::vector<TMusicItem*>{low, high}));
    EXPECT_TRUE(page->ItemsInRect(0, 0, 500, 500).empty());
}

TEST_F(ModelTest, FreeAllItemsDestroysWithoutRecording) {
    TNote* a = AddNote(1, 1);
    TNote* b = AddNote(2, 2);
    a->Link(*b);
    b->Link(*a);
    Step([&] { page->FreeAllItems(); });
    EXPECT_EQ(page->ItemCount(), 0);
    EXPECT_FALSE(undo.CanUndo());
}

TEST_F(ModelTest, MoveSheetReordersPages) {
    TMusicSheet* second = book->NewSheet();
    TMusicSheet* third = book->NewSheet();
    book->MoveSheet(2, 0);
    EXPECT_EQ(book->GetSheet(0), third);
    EXPECT_EQ(book->GetSheet(1), page);
    EXPECT_EQ(book->GetSheet(2), second);
    book->MoveSheet(5, 0);  // out of range: nothing
    EXPECT_EQ(book->GetSheet(0), third);
}

}  // namespace
}  // namespace sorvel::testing
