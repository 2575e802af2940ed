// SPDX-License-Identifier: GPL-3.0-or-later
// A new book set up from the new-book dialog's answers: the texts where the
// settings dialogs keep them, the time signature where the palette and an
// import put one, the pages each with their bar lines, the first page's
// layout current, nothing recorded, and the slot where typing starts; the
// book saved and read back is the same.
#include <gtest/gtest.h>

#include "base/cp932.h"
#include "edit/newbooksetup.h"
#include "edit/pageoperations.h"
#include "model/glyphcodes.h"
#include "model/majorkey.h"
#include "model/musicbook.h"
#include "model/musicitem.h"
#include "model/musicsheet.h"
#include "model/pagegrid.h"
#include "model/scorefile.h"
#include "model/workspace.h"

using namespace sorvel;

namespace {

class NewBookSetupTest : public ::testing::Test, protected Workspace {
protected:
    NewBookSetupTest() {
        undo.onStepRecorded = [this] { ++steps; };
        // A book as the editor makes one: a page with its bar lines.
        NewBook();
        PlaceBlankPageBarLines(*book->GetSheet(0));
    }

    std::vector<const TMusicItem*> ItemsOf(int pageIndex, ItemClass kind) const {
        std::vector<const TMusicItem*> found;
        const TMusicSheet& page = *book->GetSheet(pageIndex);
        for (int i = 0; i < page.ItemCount(); ++i) {
            if (page.GetItem(i)->Class() == kind) found.push_back(page.GetItem(i));
        }
        return found;
    }

    int steps = 0;
};

NewBookSetup Jasmine() {
    NewBookSetup setup;
    setup.title = cp932::FromUtf8("茉莉花");
    setup.composer = cp932::FromUtf8("江蘇民謡");
    setup.keyCode = KeyCodeOfFifths(1);  // G
    setup.meterCode = CodeOfMeter(2, 4);
    setup.tempo = 72;
    setup.pages = 3;
    return setup;
}

}  // namespace

TEST_F(NewBookSetupTest, TheAnswersGoWhereTheSettingsDialogsKeepThem) {
    const NewBookSetup setup = Jasmine();
    SetUpNewBook(*book, setup, layout, glyphs);
    const TMusicSheet& first = *book->GetSheet(0);
    EXPECT_EQ(book->Title(), setup.title);
    EXPECT_EQ(first.Title(), setup.title);
    EXPECT_EQ(first.Writer(), setup.composer);
    EXPECT_EQ(first.KeyCode(), cp932::FromUtf8("１＝Ｇ　（５２弦）"));
    EXPECT_EQ(first.PlayCount(), 72);
    // The later pages carry on the piece: no title of their own.
    ASSERT_EQ(book->SheetCount(), 3);
    EXPECT_EQ(book->GetSheet(2)->Title(), "");
    EXPECT_EQ(steps, 0);
    EXPECT_FALSE(undo.CanUndo());
}

TEST_F(NewBookSetupTest, TheTimeSignatureStandsInTheFirstSlotAndTypingStartsAfterIt) {
    const PagePoint start = SetUpNewBook(*book, Jasmine(), layout, glyphs);
    const PageGrid grid(layout);
    const auto beats = ItemsOf(0, ItemClass::Beat);
    ASSERT_EQ(beats.size(), 1u);
    EXPECT_EQ(beats[0]->Content(), std::string(1, CodeOfMeter(2, 4)));
    EXPECT_EQ(beats[0]->PosX(), grid.SlotX(0));
    EXPECT_EQ(beats[0]->PosY(), grid.FirstY());
    EXPECT_EQ(start, (PagePoint{grid.SlotX(1), grid.FirstY()}));
    // Nothing stands where typing starts.
    for (int i = 0; i < book->GetSheet(0)->ItemCount(); ++i) {
        const TMusicItem* item = book->GetSheet(0)->GetItem(i);
        EXPECT_FALSE(item->PosX() == start.x && item->PosY() == start.y);
    }
    // Only the first page gets one.
    EXPECT_TRUE(ItemsOf(1, ItemClass::Beat).empty());
}

TEST_F(NewBookSetupTest, EveryPageHasTheBarLinesOfANewPage) {
    SetUpNewBook(*book, Jasmine(), layout, glyphs);
    for (int p = 0; p < 3; ++p) {
        EXPECT_EQ(static_cast<int>(ItemsOf(p, ItemClass::BarLine).size()),
                  book->GetSheet(p)->BarParRow());
    }
    // The first page's layout is the current one.
    EXPECT_EQ(layout.PageWidth, book->GetSheet(0)->PageWidth);
    EXPECT_EQ(layout.GridSize, book->GetSheet(0)->GridSize());
}

TEST_F(NewBookSetupTest, NoTimeSignatureNoKeyAndNoTempoLeaveThePageAsNewOnesAre) {
    NewBookSetup setup;
    setup.pages = 0;  // at least one page
    const std::string before = SaveBookToFileBytes(*book);
    const PagePoint start = SetUpNewBook(*book, setup, layout, glyphs);
    EXPECT_EQ(SaveBookToFileBytes(*book), before);
    EXPECT_EQ(start.x, PageGrid(layout).SlotX(1));
    // A code that is no time signature places nothing.
    setup.meterCode = 'c';
    SetUpNewBook(*book, setup, layout, glyphs);
    EXPECT_TRUE(ItemsOf(0, ItemClass::Beat).empty());
    EXPECT_EQ(book->SheetCount(), 1);
    setup.pages = 100000;
    SetUpNewBook(*book, setup, layout, glyphs);
    EXPECT_EQ(book->SheetCount(), kMaxNewBookPages);
}

TEST_F(NewBookSetupTest, TheBookReadsBackAsItWasWritten) {
    SetUpNewBook(*book, Jasmine(), layout, glyphs);
    const std::string bytes = SaveBookToFileBytes(*book);
    Workspace other;
    ReadResult read = ReadScoreBytes(bytes, other.env);
    ASSERT_EQ(read.status, ReadStatus::Ok);
    EXPECT_EQ(SaveBookToFileBytes(*read.book), bytes);
}
