// SPDX-License-Identifier: GPL-3.0-or-later
// The table of what mark codes mean, held against the codes playback, the
// MusicXML exchange and the palette spelled for themselves before they read
// it: every code they knew means what it meant there, and nothing else does.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/markmeanings.h"

namespace sorvel::testing {
namespace {

using K = MarkKind;

TEST(MarkMeanings, DynamicsRunFromPppToFff) {
    const std::string levels = "@ABCDEFG";
    for (int level = 0; level < 8; ++level) {
        const char code = levels[static_cast<size_t>(level)];
        EXPECT_EQ(DynamicLevelOf(code), level) << code;
        EXPECT_EQ(markcode::DynamicCode(level), code);
        EXPECT_TRUE(IsMarkOf(K::kDynamic, code)) << code;
    }
    for (char code : std::string("?HIx")) EXPECT_FALSE(DynamicLevelOf(code)) << code;
}

TEST(MarkMeanings, AccentsAndSingleMarks) {
    EXPECT_EQ(MeaningOf('H')->kind, K::kSforzando);
    EXPECT_EQ(MeaningOf('x')->kind, K::kAccent);
    EXPECT_EQ(MeaningOf('y')->kind, K::kStaccatissimo);
    EXPECT_EQ(MeaningOf(')')->kind, K::kFermata);
    EXPECT_EQ(MeaningOf('w')->kind, K::kVibrato);
    EXPECT_EQ(OrnamentOf('w'), Ornament::kNone);
}

TEST(MarkMeanings, OrnamentsWithBothTrillSpellings) {
    EXPECT_EQ(OrnamentOf('['), Ornament::kTrill);
    EXPECT_EQ(OrnamentOf('\\'), Ornament::kTrill);
    EXPECT_EQ(OrnamentOf(']'), Ornament::kUpperMordent);
    EXPECT_EQ(OrnamentOf('p'), Ornament::kLowerMordent);
    EXPECT_EQ(OrnamentOf('s'), Ornament::kTurn);
    EXPECT_EQ(OrnamentOf('v'), Ornament::kInvertedTurn);
    EXPECT_EQ(OrnamentOf('z'), Ornament::kTremolo);
    for (char code : std::string("^xHo")) EXPECT_EQ(OrnamentOf(code), Ornament::kNone) << code;
}

TEST(MarkMeanings, SlidesAndGlissandos) {
    EXPECT_EQ(SlideOf('^'), Slide::kUp);
    EXPECT_EQ(SlideOf('_'), Slide::kDown);
    EXPECT_EQ(SlideOf('{'), Slide::kGlissUp);
    EXPECT_EQ(SlideOf('|'), Slide::kGlissDown);
    EXPECT_EQ(SlideOf('['), Slide::kNone);
    EXPECT_TRUE(IsRising(Slide::kUp));
    EXPECT_TRUE(IsRising(Slide::kGlissUp));
    EXPECT_FALSE(IsRising(Slide::kDown));
    EXPECT_FALSE(IsRising(Slide::kGlissDown));
    EXPECT_TRUE(IsGlissando(Slide::kGlissUp));
    EXPECT_TRUE(IsGlissando(Slide::kGlissDown));
    EXPECT_FALSE(IsGlissando(Slide::kUp));
    EXPECT_FALSE(IsGlissando(Slide::kNone));
}

TEST(MarkMeanings, HairpinsOpenAndClose) {
    EXPECT_EQ(HairpinDirectionOf('I'), 1);
    EXPECT_EQ(HairpinDirectionOf('J'), -1);
    for (char code : std::string("HKY@")) EXPECT_EQ(HairpinDirectionOf(code), 0) << code;
}

TEST(MarkMeanings, JumpSignsAreFineSegnoDalSegnoCodaDaCapo) {
    const std::string jumps = "ijklm";
    const Jump kinds[] = {Jump::kFine, Jump::kSegno, Jump::kDalSegno, Jump::kCoda, Jump::kDaCapo};
    for (size_t i = 0; i < jumps.size(); ++i) {
        const MarkMeaning* m = MeaningOf(jumps[i]);
        ASSERT_NE(m, nullptr) << jumps[i];
        EXPECT_EQ(m->kind, K::kJump);
        EXPECT_EQ(static_cast<Jump>(m->value), kinds[i]) << jumps[i];
    }
    for (char code : std::string("hnou")) EXPECT_FALSE(IsMarkOf(K::kJump, code)) << code;
}

TEST(MarkMeanings, VoltasNumberOneToFour) {
    const std::string voltas = "<=>?";
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(VoltaNumberOfCode(voltas[static_cast<size_t>(n - 1)]), n);
        EXPECT_EQ(markcode::VoltaCode(n), voltas[static_cast<size_t>(n - 1)]);
    }
    for (char code : std::string(";@i")) EXPECT_EQ(VoltaNumberOfCode(code), 0) << code;
}

// The table holds exactly the codes that were read for their meaning, each
// once; bowings, fingers, strings, staccato, breath and tempo words mean
// nothing to it.
TEST(MarkMeanings, EveryCodeOnceAndNoOthers) {
    const std::string known = "@ABCDEFGHxy)[\\]psvwz^_{|IJijklm<=>?";
    std::set<char> seen;
    for (const MarkMeaning& m : MarkMeanings()) {
        EXPECT_TRUE(seen.insert(m.code).second) << m.code;
        EXPECT_EQ(MeaningOf(m.code), &m) << m.code;
    }
    EXPECT_EQ(seen, std::set<char>(known.begin(), known.end()));
    for (char code : std::string("PQRSTUVWXortnu0c8YZKL}/O"))
        EXPECT_EQ(MeaningOf(code), nullptr) << code;
    EXPECT_EQ(MeaningOf('\0'), nullptr);
}

}  // namespace
}  // namespace sorvel::testing
