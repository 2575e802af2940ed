// SPDX-License-Identifier: GPL-3.0-or-later
// The bars of a typed run: full bars of the meter, a bar closed short (a
// pickup) and the full bars counted on from it, and closes taken back.
#include <gtest/gtest.h>

#include "edit/runbars.h"

namespace sorvel {
namespace {

TEST(RunBars, FullBarsFollowEachOtherFromTheStart) {
    const RunBars bars(96);
    EXPECT_EQ(bars.BarOf(0), 0);
    EXPECT_EQ(bars.BarOf(95), 0);
    EXPECT_EQ(bars.BarOf(96), 1);
    EXPECT_EQ(bars.StartOf(3), 288);
    EXPECT_EQ(bars.EndOf(3), 384);
    EXPECT_EQ(bars.WithinBar(300), 12);
}

TEST(RunBars, APickupShiftsEveryBarAfterIt) {
    RunBars bars(96);
    EXPECT_FALSE(bars.Close(0));
    EXPECT_FALSE(bars.Close(96));  // a full bar has its end already
    ASSERT_TRUE(bars.Close(24));
    EXPECT_TRUE(bars.ClosedAt(24));
    EXPECT_EQ(bars.BarOf(23), 0);
    EXPECT_EQ(bars.BarOf(24), 1);
    EXPECT_EQ(bars.EndOf(0), 24);
    EXPECT_EQ(bars.StartOf(1), 24);
    EXPECT_EQ(bars.StartOf(2), 120);
    EXPECT_EQ(bars.BarOf(119), 1);
    EXPECT_EQ(bars.BarOf(120), 2);
    EXPECT_EQ(bars.WithinBar(96), 72);
    EXPECT_FALSE(bars.Close(120));  // on a bar's start
    EXPECT_FALSE(bars.Close(20));   // before the last close
    // A short bar later on: full bars count on from it.
    ASSERT_TRUE(bars.Close(168));
    EXPECT_EQ(bars.BarOf(167), 2);
    EXPECT_EQ(bars.StartOf(3), 168);
    EXPECT_EQ(bars.StartOf(4), 264);
    bars.OpenAfter(24);
    EXPECT_FALSE(bars.ClosedAt(168));
    EXPECT_EQ(bars.StartOf(3), 216);
    bars.OpenAfter(0);
    EXPECT_EQ(bars.StartOf(1), 96);
}

}  // namespace
}  // namespace sorvel
