// SPDX-License-Identifier: GPL-3.0-or-later
// Landing a floating paste on a page without a window: which pastes are
// refused and why, and what a paste onto a note, a bar line or empty slots
// leaves on the page.
#include "edit/pasteplacement.h"

#include <gtest/gtest.h>

#include "edit/clipboardtext.h"
#include "editscore.h"
#include "model/musicbook.h"
#include "model/musicmark.h"
#include "model/note.h"
#include "model/scorefile.h"
#include "model/textbox.h"
#include "model/workspace.h"

namespace sorvel {
namespace {

using namespace editscore;

class PasteTest : public ::testing::Test {
protected:
    PasteTest() {
        ws.NewBook();
        page = ws.book->GetSheet(0);
        UseCompactLayout(*page, &ws.layout, &ws.glyphs);
        buffer = ws.book->NewSheet();
    }

    // Copies `items` of the page into the paste buffer, as copy and paste do.
    void Copy(const std::vector<TMusicItem*>& items) {
        ASSERT_EQ(ReadPasteText(*buffer, LinesToFileBytes(CopyLines(*page, items))),
                  PasteRead::Read);
    }

    PasteAction Plan(const TMusicItem* target, PagePoint at) const {
        return PlanPaste(*buffer, target, ws.layout, at);
    }

    Workspace ws;
    TMusicSheet* page = nullptr;
    TMusicSheet* buffer = nullptr;
};

TEST_F(PasteTest, RefusalsFollowWhatLiesUnderThePoint) {
    TNote* note = Put<TNote>(*page, "5", SlotX(1), kRow0);
    TBarLine* bar = Put<TBarLine>(*page, "c", SlotX(4), kRow0);
    TTextBox* box = Put<TTextBox>(*page, "O", SlotX(6), kRow1);
    TMusicSign* mark = Put<TMusicSign>(*page, "A", SlotX(1), kRow0 - 40);
    LinkBoth(*note, *mark);

    Copy({bar});  // a lone bar line
    EXPECT_EQ(Plan(note, {SlotX(1), kRow0}), PasteAction::OnItem);
    EXPECT_EQ(Plan(bar, {SlotX(4), kRow0}), PasteAction::ReplaceSymbol);
    EXPECT_EQ(Plan(box, {SlotX(6), kRow1}), PasteAction::CoveredByTextBox);
    EXPECT_EQ(Plan(nullptr, {SlotX(2), kRow1}), PasteAction::Free);

    Copy({mark});  // a lone mark
    EXPECT_EQ(Plan(note, {SlotX(1), kRow0}), PasteAction::MarkOntoNote);
    EXPECT_EQ(Plan(nullptr, {SlotX(2), kRow0}), PasteAction::NeedsNote);
    EXPECT_EQ(Plan(bar, {SlotX(4), kRow0}), PasteAction::OnItem);

    Copy({note, bar});  // more than one item never lands on an item
    EXPECT_EQ(Plan(note, {SlotX(1), kRow0}), PasteAction::OnItem);
    EXPECT_TRUE(IsRefused(PasteAction::OffPage));
    EXPECT_FALSE(IsRefused(PasteAction::ReplaceNote));
}

TEST_F(PasteTest, SymbolsKeepToTheRowsAndMarksToThePaper) {
    TNote* a = Put<TNote>(*page, "1", SlotX(0), kRow0);
    TNote* b = Put<TNote>(*page, "2", SlotX(3), kRow0);
    Copy({a, b});                                                   // three slots wide
    EXPECT_TRUE(PasteFits(*buffer, ws.layout, {SlotX(5), kRow1}));  // ends on the last slot
    EXPECT_EQ(Plan(nullptr, {SlotX(6), kRow1}), PasteAction::OffPage);
    EXPECT_EQ(Plan(nullptr, {SlotX(0), kRow1 + 146}), PasteAction::OffPage);  // below the rows
    EXPECT_EQ(Plan(nullptr, {SlotX(0) - 1, kRow0}), PasteAction::OffPage);

    TMusicSign* mark = Put<TMusicSign>(*page, "A", 0, 0);
    TMusicSign* far = Put<TMusicSign>(*page, "A", 300, 0);
    Copy({mark, far});  // marks alone hang from their own corner
    EXPECT_TRUE(PasteFits(*buffer, ws.layout, {ws.layout.PageWidth - 300, 0}));
    EXPECT_FALSE(PasteFits(*buffer, ws.layout, {ws.layout.PageWidth - 299, 0}));
}

TEST_F(PasteTest, FreePasteLandsAtTheOffsetsFromThePoint) {
    TNote* a = Put<TNote>(*page, "1", SlotX(0), kRow0);
    TNote* b = Put<TNote>(*page, "2", SlotX(2), kRow0);
    TMusicSign* mark = Put<TMusicSign>(*page, "A", SlotX(2) - 3, kRow0 - 40);
    LinkBoth(*b, *mark);
    Copy({a, b, mark});
    const PagePoint at{SlotX(4), kRow1};
    ws.undo.BeginGroup();
    const std::vector<TMusicItem*> pasted =
        LandPaste(Plan(nullptr, at), *buffer, *page, nullptr, at, {});
    ws.undo.EndGroup();
    ASSERT_EQ(pasted.size(), 3u);
    EXPECT_EQ(page->ItemCount(), 6);
    TMusicItem* pastedB = ItemAt(*page, SlotX(6), kRow1);
    TMusicItem* pastedMark = ItemAt(*page, SlotX(6) - 3, kRow1 - 40);
    ASSERT_TRUE(pastedB && pastedMark);
    EXPECT_NE(ItemAt(*page, SlotX(4), kRow1), nullptr);
    ASSERT_EQ(pastedMark->LinkCount(), 1);
    EXPECT_EQ(pastedMark->GetLink(0), pastedB);
    ws.undo.Undo();
    EXPECT_EQ(page->ItemCount(), 3);
}

TEST_F(PasteTest, MarkOntoANoteReplacesItsMarkOfTheSameKind) {
    TNote* note = Put<TNote>(*page, "5", SlotX(1), kRow0);
    TMusicSign* old = Put<TMusicSign>(*page, "A", SlotX(1), kRow0 - 40);
    LinkBoth(*note, *old);
    TNote* other = Put<TNote>(*page, "6", SlotX(3), kRow0);
    TMusicSign* copied = Put<TMusicSign>(*page, "A", SlotX(3) - 3, kRow0 - 50);
    LinkBoth(*other, *copied);
    Copy({copied});
    const PagePoint at{SlotX(1), kRow0};
    ws.undo.BeginGroup();
    const std::vector<TMusicItem*> pasted =
        LandPaste(Plan(note, at), *buffer, *page, note, at, MarkOffsetOf(*copied));
    ws.undo.EndGroup();
    ASSERT_EQ(pasted.size(), 1u);
    TMusicItem* mark = pasted.front();
    EXPECT_EQ(mark->PosX(), SlotX(1) - 3);
    EXPECT_EQ(mark->PosY(), kRow0 - 50);
    ASSERT_EQ(note->LinkCount(), 1);  // the old mark went
    EXPECT_EQ(note->GetLink(0), mark);
    ASSERT_EQ(mark->LinkCount(), 1);
    EXPECT_EQ(mark->GetLink(0), note);
    EXPECT_EQ(page->ItemCount(), 4);
}

TEST_F(PasteTest, ALoneNoteOrBarLineReplacesItsLike) {
    TNote* note = Put<TNote>(*page, "5", SlotX(1), kRow0);
    TNote* copied = Put<TNote>(*page, "3", SlotX(2), kRow0);
    Copy({copied});
    ws.undo.BeginGroup();
    LandPaste(Plan(note, {SlotX(1), kRow0}), *buffer, *page, note, {SlotX(1), kRow0}, {});
    ws.undo.EndGroup();
    ASSERT_EQ(page->ItemCount(), 2);
    EXPECT_EQ(ItemAt(*page, SlotX(1), kRow0)->Content(), "3");

    TBarLine* bar = Put<TBarLine>(*page, "c", SlotX(4), kRow0);
    TBarLine* end = Put<TBarLine>(*page, "e", SlotX(7), kRow0);
    Copy({end});
    ws.undo.BeginGroup();
    LandPaste(Plan(bar, {SlotX(4), kRow0}), *buffer, *page, bar, {SlotX(4), kRow0}, {});
    ws.undo.EndGroup();
    EXPECT_EQ(page->ItemCount(), 4);
    EXPECT_EQ(ItemAt(*page, SlotX(4), kRow0)->Content(), "e");
}

TEST_F(PasteTest, ARefusedPasteChangesNothing) {
    TMusicSign* mark = Put<TMusicSign>(*page, "A", SlotX(1), kRow0 - 40);
    Copy({mark});
    const std::string before = SaveBookToFileBytes(*ws.book);
    EXPECT_TRUE(
        LandPaste(PasteAction::NeedsNote, *buffer, *page, nullptr, {SlotX(2), kRow0}, {}).empty());
    EXPECT_EQ(SaveBookToFileBytes(*ws.book), before);
}

}  // namespace
}  // namespace sorvel
