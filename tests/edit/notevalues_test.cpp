// SPDX-License-Identifier: GPL-3.0-or-later
// How durations are written as numerals: every length of a tick or more
// exactly, in pieces that follow one another, those a numeral can write.
#include <gtest/gtest.h>

#include <vector>

#include "edit/notevalues.h"

namespace sorvel {
namespace {

TEST(NoteValues, EveryLengthIsWrittenExactly) {
    for (const bool rest : {false, true}) {
        for (int ticks = 1; ticks <= 200; ++ticks) {
            const std::vector<ValuePiece> pieces = WriteDuration(7, ticks, rest);
            ASSERT_FALSE(pieces.empty()) << ticks;
            int at = 7;
            for (const ValuePiece& p : pieces) {
                EXPECT_EQ(p.onset, at) << ticks;
                int length = 0, futen = 0;
                if (!p.dash) {
                    EXPECT_TRUE(SingleValue(p.ticks, length, futen)) << ticks << " " << p.ticks;
                    EXPECT_EQ(p.length, length);
                    EXPECT_EQ(p.futen, futen);
                }
                EXPECT_FALSE(rest && (p.dash || p.tied)) << ticks;
                at += p.ticks;
            }
            EXPECT_EQ(at - 7, ticks) << (rest ? "rest " : "note ") << ticks;
        }
    }
}

TEST(NoteValues, LengthsOffTheSixtyFourthsEndInTheShortestNumerals) {
    auto lengths = [](int ticks) {
        std::vector<int> out;
        for (const ValuePiece& p : WriteDuration(0, ticks, false)) out.push_back(p.ticks);
        return out;
    };
    // Multiples of a sixty-fourth are written as typed music writes them.
    EXPECT_EQ(lengths(15), (std::vector<int>{12, 3}));
    EXPECT_EQ(lengths(30), (std::vector<int>{24, 6}));
    // Others end in dotted sixty-fourths (4 ticks) and, where those do not
    // fit, hundred-twenty-eighths (1 tick).
    EXPECT_EQ(lengths(10), (std::vector<int>{6, 4}));
    EXPECT_EQ(lengths(11), (std::vector<int>{3, 4, 4}));
    EXPECT_EQ(lengths(5), (std::vector<int>{4, 1}));
    EXPECT_EQ(lengths(2), (std::vector<int>{1, 1}));
    EXPECT_EQ(lengths(4), (std::vector<int>{4}));
    const std::vector<ValuePiece> dotted = WriteDuration(0, 4, false);
    EXPECT_EQ(dotted[0].length, 4);
    EXPECT_EQ(dotted[0].futen, 1);
    // Beyond a beat: the quarter, dashes, then the rest tied.
    const std::vector<ValuePiece> held = WriteDuration(0, 48 * 2 + 7, false);
    ASSERT_EQ(held.size(), 4u);
    EXPECT_TRUE(held[1].dash);
    EXPECT_EQ(held[2].ticks, 3);
    EXPECT_TRUE(held[2].tied);
    EXPECT_EQ(held[3].ticks, 4);
}

}  // namespace
}  // namespace sorvel
