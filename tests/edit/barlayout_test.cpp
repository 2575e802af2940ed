// SPDX-License-Identifier: GPL-3.0-or-later
// Bars placed in rows of 12 slots with a share of 4 slots a bar: a bar that
// fits keeps its plan, one too long for the rest of its row is written one
// slot a numeral and goes on from slot 1 of the next row, as imported bars do.
#include <gtest/gtest.h>

#include <vector>

#include "edit/barlayout.h"

namespace sorvel {
namespace {

constexpr int kShare = 4;
constexpr int kRowSlots = 12;

// `count` equal notes filling a 4/4 bar.
BarPlan Notes(int count) {
    std::vector<int> onsets;
    for (int i = 0; i < count; ++i) onsets.push_back(192 * i / count);
    return PlanBar(onsets, 192, 192, kShare, kRowSlots);
}

TEST(PlaceInRows, ABarThatFitsStandsAsPlanned) {
    const BarPlan plan = Notes(2);  // two halves: slots 0 and 2 of 4
    const BarRows rows = PlaceInRows(plan, 5, kRowSlots);
    EXPECT_FALSE(rows.oneSlotEach);
    EXPECT_EQ(rows.pieces, (std::vector<RowSlot>{{0, 5}, {0, 7}}));
    EXPECT_EQ(rows.barLine, (RowSlot{0, 9}));
}

TEST(PlaceInRows, ABarEndingAtTheRowsLastSlotStillFits) {
    const BarRows rows = PlaceInRows(Notes(11), 1, kRowSlots);
    EXPECT_FALSE(rows.oneSlotEach);
    EXPECT_EQ(rows.pieces.back(), (RowSlot{0, 11}));
    EXPECT_EQ(rows.barLine, (RowSlot{0, 12}));
}

TEST(PlaceInRows, ABarLongerThanTheRowWrapsOneSlotANumeral) {
    // Sixteen sixteenths: slots 1 to 11, then 1 to 5 of the next row, the
    // bar line after them.
    const BarRows rows = PlaceInRows(Notes(16), 1, kRowSlots);
    EXPECT_TRUE(rows.oneSlotEach);
    ASSERT_EQ(rows.pieces.size(), 16u);
    for (int i = 0; i < 11; ++i) EXPECT_EQ(rows.pieces[i], (RowSlot{0, 1 + i})) << i;
    for (int i = 11; i < 16; ++i) EXPECT_EQ(rows.pieces[i], (RowSlot{1, i - 10})) << i;
    EXPECT_EQ(rows.barLine, (RowSlot{1, 6}));
}

TEST(PlaceInRows, ABarLongerThanTwoRowsGoesOnToAThird) {
    const BarRows rows = PlaceInRows(Notes(24), 1, kRowSlots);
    EXPECT_EQ(rows.pieces[10], (RowSlot{0, 11}));
    EXPECT_EQ(rows.pieces[11], (RowSlot{1, 1}));
    EXPECT_EQ(rows.pieces[21], (RowSlot{1, 11}));
    EXPECT_EQ(rows.pieces[22], (RowSlot{2, 1}));
    EXPECT_EQ(rows.barLine, (RowSlot{2, 3}));
}

TEST(PlaceInRows, ATooFullBarThatFitsTheRowOneSlotEachStaysInIt) {
    // Twelve numerals in a plan of 12 slots do not fit after slot 1, but one
    // slot each they reach slot 12, the row's last, which a numeral leaves
    // to the bar line: the twelfth goes on in the next row.
    const BarRows rows = PlaceInRows(Notes(12), 1, kRowSlots);
    EXPECT_TRUE(rows.oneSlotEach);
    EXPECT_EQ(rows.pieces[10], (RowSlot{0, 11}));
    EXPECT_EQ(rows.pieces[11], (RowSlot{1, 1}));
    EXPECT_EQ(rows.barLine, (RowSlot{1, 2}));
}

}  // namespace
}  // namespace sorvel
