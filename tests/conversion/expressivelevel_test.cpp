// SPDX-License-Identifier: GPL-3.0-or-later
// How loud expressive playback sounds, reckoned from the melody's velocities
// and expression as the synthesizer turns them into gain: without dynamics as
// loud as plain playback, dynamics above and below it, and hairpins that
// arrive at the level of the dynamic they lead to instead of jumping there.
#include "expressivefixture.h"

namespace sorvel::testing {
namespace {

// Rounding the expression to whole steps may wobble a level this much.
constexpr double kWobbleDb = 0.15;
// How far a ramp may be from the level it leads to when it gets there.
constexpr double kArrivalDb = 0.5;

class ExpressiveLevelTest : public ExpressiveTest {
protected:
    // A hairpin over the notes from `first` to `last`.
    void Hairpin(TNote& first, TNote& last, const char* code) {
        TCresc* hairpin = Mark<TCresc>(first, code);
        hairpin->SetPosX(first.PosX());
        hairpin->SetWidth(last.PosX() - first.PosX());
    }
    // Every level from tick `from` up to `to` rises (+1) or falls (-1) or
    // stays, give or take rounding.
    void ExpectMonotonic(const std::vector<std::pair<int, double>>& levels, int from, int to,
                         int direction) {
        double last = LevelAt(levels, from);
        for (const auto& [tick, level] : levels) {
            if (tick <= from || tick >= to) continue;
            EXPECT_GE((level - last) * direction, -kWobbleDb) << "at tick " << tick;
            last = level;
        }
    }
};

TEST_F(ExpressiveLevelTest, ACrescendoRampsTheExpressionTowardsTheNextDynamic) {
    std::vector<TNote*> n = Score("12345");
    Mark(*n[0], "B");  // p (56)
    Hairpin(*n[0], *n[2], "I");
    Mark(*n[3], "E");  // f (94): the goal
    Build();
    const std::vector<std::pair<int, double>> levels = Levels();
    const int fOnset = 1 + 3 * 48;
    EXPECT_NEAR(LevelAt(levels, 1), Decibels(56), kArrivalDb);
    ExpectMonotonic(levels, 1, fOnset, +1);
    // The ramp is at f's level when f comes, and f sounds at full expression.
    EXPECT_NEAR(LevelAt(levels, fOnset - 1), LevelAt(levels, fOnset), kArrivalDb);
    EXPECT_DOUBLE_EQ(LevelAt(levels, fOnset), Decibels(94));
    EXPECT_EQ(std::get<3>(Notes()[3]), 94);
    int expression = 0;
    for (const auto& [tick, value] : Expression())
        if (tick <= fOnset) expression = value;
    EXPECT_EQ(expression, 127);
}

TEST_F(ExpressiveLevelTest, ADecrescendoArrivesAtTheLevelOfTheNextDynamic) {
    std::vector<TNote*> n = Score("12345");
    Mark(*n[0], "E");  // f
    Hairpin(*n[0], *n[2], "J");
    Mark(*n[3], "B");  // p
    Build();
    const std::vector<std::pair<int, double>> levels = Levels();
    const int pOnset = 1 + 3 * 48;
    EXPECT_NEAR(LevelAt(levels, 1), Decibels(94), kArrivalDb);
    ExpectMonotonic(levels, 1, pOnset, -1);
    EXPECT_NEAR(LevelAt(levels, pOnset - 1), Decibels(56), kArrivalDb);
    EXPECT_DOUBLE_EQ(LevelAt(levels, pOnset), Decibels(56));
}

// The note is bowed once and swells through its dashes: it is struck as loud
// as the crescendo gets and the expression does the rest.
TEST_F(ExpressiveLevelTest, AHeldNoteSwellsThroughItsDashes) {
    std::vector<TNote*> n = Score("58881");
    Mark(*n[0], "B");  // p
    Hairpin(*n[0], *n[3], "I");
    Mark(*n[4], "E");  // f
    Build();
    const std::vector<std::pair<int, double>> levels = Levels();
    const int fOnset = 1 + 4 * 48;
    EXPECT_NEAR(LevelAt(levels, 1), Decibels(56), kArrivalDb);
    ExpectMonotonic(levels, 1, fOnset, +1);
    EXPECT_NEAR(LevelAt(levels, fOnset - 1), Decibels(94), kArrivalDb);
    EXPECT_DOUBLE_EQ(LevelAt(levels, fOnset), Decibels(94));
}

TEST_F(ExpressiveLevelTest, AHairpinDrawnToItsDynamicArrivesAtThatNote) {
    std::vector<TNote*> n = Score("12345");
    Mark(*n[0], "B");  // p
    Hairpin(*n[0], *n[3], "I");
    Mark(*n[3], "E");  // f, under the hairpin's end
    Build();
    const std::vector<std::pair<int, double>> levels = Levels();
    const int fOnset = 1 + 3 * 48;
    ExpectMonotonic(levels, 1, fOnset, +1);
    EXPECT_NEAR(LevelAt(levels, fOnset - 1), Decibels(94), kArrivalDb);
    EXPECT_DOUBLE_EQ(LevelAt(levels, 1 + 4 * 48), Decibels(94));
}

// With no dynamic after it a crescendo goes one level up (p to mp), and the
// music stays there instead of falling back.
TEST_F(ExpressiveLevelTest, TheLevelAHairpinReachesStaysUntilTheNextDynamic) {
    std::vector<TNote*> n = Score("123456");
    Mark(*n[0], "B");  // p (56)
    Hairpin(*n[0], *n[1], "I");
    Mark(*n[5], "B");  // p again
    Build();
    const std::vector<std::pair<int, double>> levels = Levels();
    EXPECT_NEAR(LevelAt(levels, 1 + 2 * 48 - 1), Decibels(69), kArrivalDb);
    for (int k = 2; k < 5; ++k) EXPECT_DOUBLE_EQ(LevelAt(levels, 1 + k * 48), Decibels(69));
    EXPECT_DOUBLE_EQ(LevelAt(levels, 1 + 5 * 48), Decibels(56));
}

// Plain playback strikes every note with the melody velocity (80) at the
// channel's full expression. Expressive playback without a dynamic sounds
// the same; mf (81) as good as the same; f and p above and below it.
TEST_F(ExpressiveLevelTest, WithoutDynamicsAsLoudAsPlainPlayback) {
    Score("1234");
    options.expressive = false;
    Build();
    const double plain = LevelAt(Levels(), 1);
    EXPECT_DOUBLE_EQ(plain, Decibels(80));
    options.expressive = true;
    Build();
    const std::vector<std::pair<int, double>> levels = Levels();
    for (int k = 0; k < 4; ++k) EXPECT_DOUBLE_EQ(LevelAt(levels, 1 + k * 48), plain);

    const std::pair<const char*, double> dynamics[] = {
        {"D", 0.0},   // mf: within rounding of plain
        {"E", 2.8},   // f
        {"B", -6.2},  // p
    };
    for (const auto& [code, above] : dynamics) {
        SCOPED_TRACE(code);
        StartNewBook();
        page->SetPlayCount(120);
        std::vector<TNote*> n = Score("1234");
        Mark(*n[0], code);
        Build();
        EXPECT_NEAR(LevelAt(Levels(), 1 + 2 * 48) - plain, above, 0.3);
    }
}

}  // namespace
}  // namespace sorvel::testing
