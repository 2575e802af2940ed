// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/core/pagelayout.h"

#include "modelfixture.h"

namespace sorvel::testing {
namespace {

class LayoutTest : public ModelTest {
protected:
    LayoutTest() : pl(layout) {
        layout.LeftSpace = 50;
        layout.RightSpace = 20;
        layout.GridSize = 10;
        layout.GridDivNum = 36;
        layout.TopSpace = 20;
        layout.TitleHeight = 80;
        layout.RowInterval = 40;
        layout.RowDivNum = 8;
        layout.BottomSpace = 20;
        layout.PageWidth = 964;
        layout.PageHeight = 1365;
    }
    PageLayout pl;
};

TEST(PageUnits, FromPrinterMetrics) {
    EXPECT_EQ(PageUnitsFromDevice(4820, 600), 964);
    EXPECT_EQ(PageUnitsFromDevice(6826, 600), 1365);  // 1365.2
    EXPECT_EQ(PageUnitsFromDevice(5, 240), 2);        // 2.5 rounds to even
    EXPECT_EQ(PageUnitsFromDevice(100, 0), 0);
}

TEST_F(LayoutTest, SnapXGoesToTheNearestSlotWithinTheRow) {
    EXPECT_EQ(pl.SnapX(54), 50);
    EXPECT_EQ(pl.SnapX(55), 60);
    EXPECT_EQ(pl.SnapX(49), 50);
    EXPECT_EQ(pl.SnapX(5000), 50 + 360);
    layout.Snap = false;
    EXPECT_EQ(pl.SnapX(54), 54);
}

TEST_F(LayoutTest, SnapYTakesTheBandThatContainsThePoint) {
    EXPECT_EQ(pl.RowBase(0), 120);
    EXPECT_EQ(pl.SnapY(139), 120);
    EXPECT_EQ(pl.SnapY(141), 160);
    EXPECT_EQ(pl.SnapY(0), 120);
    EXPECT_EQ(pl.SnapY(1360), 1345);  // the bottom margin line, off the baselines
    layout.Snap = false;              // y snaps whatever the flag
    EXPECT_EQ(pl.SnapY(141), 160);
}

TEST_F(LayoutTest, LinearPositionsAcrossPages) {
    EXPECT_EQ(pl.RowLength(), 360);
    EXPECT_EQ(pl.PageLength(), 2880);
    int linear = pl.ToLinear(0, 2, 70, pl.RowBase(1));
    EXPECT_EQ(linear, 20 + 360 * (1 + 16));
    EXPECT_GT(linear, pl.PageLength());
    LinearPos back = pl.FromLinear(0, linear);
    EXPECT_EQ(back.page, 2);
    EXPECT_EQ(back.x, 70);
    EXPECT_EQ(back.y, pl.RowBase(1));
    EXPECT_EQ(pl.ToLinear(1, 1, 50, pl.RowBase(0)), 0);
    layout.GridSize = 0;  // a broken layout must not divide by zero
    EXPECT_EQ(pl.FromLinear(3, 100).page, 3);
}

TEST_F(LayoutTest, KeyCursorStepsOverRowsAndStopsAtTheEnds) {
    CursorPos last{pl.LastX(), pl.LastY()};
    EXPECT_EQ(pl.StepRight(last), last);
    EXPECT_EQ(pl.StepRight({pl.LastX(), pl.FirstY()}), (CursorPos{pl.FirstX(), pl.FirstY() + 40}));
    EXPECT_EQ(pl.StepLeft({pl.FirstX(), pl.FirstY() + 40}), (CursorPos{pl.LastX(), pl.FirstY()}));
    EXPECT_EQ(pl.StepLeft({pl.FirstX(), pl.FirstY()}), (CursorPos{pl.FirstX(), pl.FirstY()}));
    EXPECT_EQ(pl.StepUp({60, pl.FirstY()}).y, pl.FirstY());
    EXPECT_EQ(pl.StepDown({60, pl.LastY()}).y, pl.LastY());
    // The cursor reaches past the last slot a click can snap to.
    EXPECT_GT(pl.LastX(), 50 + pl.RowLength());
}

TEST_F(LayoutTest, SkippingCursorJumpsBarLinesAndRowStarts) {
    const int y = pl.FirstY();
    Add<TBarLine>("c", 70, y);
    EXPECT_EQ(pl.StepRightSkipping({60, y}, *page), (CursorPos{80, y}));
    EXPECT_EQ(pl.StepRightSkipping({pl.LastX(), y}, *page), (CursorPos{60, y + 40}));
    CursorPos last{pl.LastX(), pl.LastY()};
    EXPECT_EQ(pl.StepRightSkipping(last, *page), last);
    layout.GridSize = 0;
    EXPECT_EQ(pl.StepRightSkipping({50, y}, *page).y, y);  // terminates
}

TEST_F(LayoutTest, TakingOverAndCopyingPageSettings) {
    TMusicSheet* other = book->NewSheet();
    other->SetGridSize(33);
    other->SetOffsetRateX_Bow(99);
    other->PageWidth = 800;
    pl.TakeOverPageSettings(*other, glyphs);
    EXPECT_EQ(layout.GridSize, 33);
    EXPECT_EQ(layout.PageWidth, 800);
    EXPECT_EQ(glyphs.Lookup('P').OffsetRate, 99);

    undo.BeginGroup();
    pl.CopyPageSettings(*other, *page, glyphs);
    EXPECT_EQ(OpenGroupNames(), (std::vector<std::string>{"GridSize変更", "OffsetRateX_Bow変更"}));
    undo.EndGroup();
    EXPECT_EQ(page->PageWidth, 800);
    EXPECT_EQ(page->GridSize(), 33);
}

}  // namespace
}  // namespace sorvel::testing
