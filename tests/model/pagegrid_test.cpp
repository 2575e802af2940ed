// SPDX-License-Identifier: GPL-3.0-or-later
// The page grid on layout values a damaged file may hold: linear positions
// far off the page and a zero row interval give numbers, not a crash.
#include "model/pagegrid.h"

#include <gtest/gtest.h>

namespace sorvel {
namespace {

LayoutState SmallGrid() {
    LayoutState s;
    s.LeftSpace = 20;
    s.GridSize = 25;
    s.GridDivNum = 8;
    s.RowDivNum = 2;
    s.TopSpace = 20;
    s.TitleHeight = 150;
    s.RowInterval = 146;
    return s;
}

TEST(PageGrid, LinearPositionsRunAlongTheRowsOfLaterPages) {
    const LayoutState s = SmallGrid();
    const PageGrid grid(s);
    EXPECT_EQ(grid.RowBase(1), 389);
    EXPECT_EQ(grid.Linear(0, 1, grid.SlotX(3), grid.RowBase(1)), 400 + 200 + 75);
    EXPECT_EQ(grid.PageOf(0, 675), 1);
    const LinearPos back = grid.FromLinear(0, 675);
    EXPECT_EQ(back.page, 1);
    EXPECT_EQ(back.x, grid.SlotX(3));
    EXPECT_EQ(back.y, grid.RowBase(1));
}

TEST(PageGrid, FarPositionsAndBrokenGridsStayDefined) {
    LayoutState s = SmallGrid();
    const PageGrid grid(s);
    // A page a million pages on is beyond 32 bits of page units.
    EXPECT_EQ(grid.Linear(0, 10'000'000, grid.SlotX(0), grid.RowBase(0)), 4'000'000'000LL);
    EXPECT_TRUE(grid.Usable());
    s.RowInterval = 0;  // read live
    EXPECT_FALSE(grid.Usable());
    EXPECT_EQ(grid.Linear(0, 0, 70, 5000), 50);
    EXPECT_EQ(grid.ToLinear(0, 0, 70, 5000), 50);
    s.RowInterval = 146;
    s.GridSize = 1 << 21;  // a page longer than any coordinate
    EXPECT_FALSE(grid.Usable());
    EXPECT_EQ(SafeCoordinate(std::int64_t{1} << 40), kMaxCoordinate);
    EXPECT_EQ(SafeCoordinate(-(std::int64_t{1} << 40)), -kMaxCoordinate);
}

}  // namespace
}  // namespace sorvel
