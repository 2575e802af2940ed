// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/arith.h"

#include <gtest/gtest.h>
#include <climits>

namespace sorvel {

TEST(Arith, RoundsHalvesToEven) {
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-3.5), -4);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
    EXPECT_EQ(RoundHalfEven(1e12), INT_MAX);
    EXPECT_EQ(RoundHalfEven(-1e12), INT_MIN);
}

TEST(Arith, DivisionTruncatesTowardZeroAndSurvivesZero) {
    EXPECT_EQ(DivTrunc(7, 2), 3);
    EXPECT_EQ(DivTrunc(-7, 2), -3);
    EXPECT_EQ(DivTrunc(7, -2), -3);
    EXPECT_EQ(DivTrunc(5, 0), 0);
    EXPECT_EQ(DivTrunc(INT_MIN, -1), INT_MAX);
    EXPECT_EQ(ModTrunc(-7, 3), -1);
    EXPECT_EQ(ModTrunc(7, 0), 0);
    EXPECT_EQ(Half(-5), -2);
}

}  // namespace sorvel
