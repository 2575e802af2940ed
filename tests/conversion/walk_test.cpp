// SPDX-License-Identifier: GPL-3.0-or-later
// The order of play: repeats, volta brackets, D.C., D.S., coda and fine, the
// play range, and scores whose marks lead nowhere.
#include "conversionfixture.h"

namespace sorvel::testing {
namespace {

TEST_F(ConversionTest, RepeatPlaysItsBarsTwice) {
    Score("[1|2:3");
    Build();
    EXPECT_EQ(Played(), "12123");
}

TEST_F(ConversionTest, RepeatWithoutStartGoesBackToTheBeginning) {
    Score("1|2:3");
    Build();
    EXPECT_EQ(Played(), "12123");
}

TEST_F(ConversionTest, VoltaBracketsChooseTheEndingOfEachPass) {
    std::vector<TNote*> n = Score("[1|2:3|4");
    Mark<TKakko>(*n[1], "<");
    Mark<TKakko>(*n[2], "=");
    Build();
    EXPECT_EQ(Played(), "12134");
}

TEST_F(ConversionTest, ThreeEndings) {
    std::vector<TNote*> n = Score("[1|2:3:4");
    Mark<TKakko>(*n[1], "<");
    Mark<TKakko>(*n[2], "=");
    Mark<TKakko>(*n[3], ">");
    Build();
    EXPECT_EQ(Played(), "121314");
}

TEST_F(ConversionTest, DaCapoReturnsOnceAndStopsAtFine) {
    std::vector<TNote*> n = Score("12|34");
    Mark(*n[1], "i");
    Mark(*n[3], "m");
    Build();
    EXPECT_EQ(Played(), "123412");
}

TEST_F(ConversionTest, DalSegnoReturnsToTheSegno) {
    std::vector<TNote*> n = Score("1|23|4");
    Mark(*n[1], "j");
    Mark(*n[3], "k");
    Build();
    EXPECT_EQ(Played(),
              "12342"
              "34");
}

// A jump sign acts once the note it is on has sounded: on a numeral, before
// the dashes that hold it on (as stored books mean it); on the last dash,
// at the end of the held note.
TEST_F(ConversionTest, AJumpOnAHeldNoteActsAfterTheItemItIsOn) {
    std::vector<TNote*> n = Score("1|288|388");
    Mark(*n[1], "j");
    Mark(*n[4], "k");
    Build();
    EXPECT_EQ(Played(),
              "12883"
              "288388");
    page->FreeAllItems();
    n = Score("1|288|388");
    Mark(*n[1], "j");
    Mark(*n[6], "k");
    Build();
    EXPECT_EQ(Played(),
              "1288388"
              "288388");
}

TEST_F(ConversionTest, CodaSignJumpsToTheCodaAfterTheReturn) {
    std::vector<TNote*> n = Score("12|3|4|5");
    Mark(*n[1], "l");
    Mark(*n[2], "m");
    Mark(*n[4], "l");
    Build();
    EXPECT_EQ(Played(),
              "123"
              "12"
              "5");
}

TEST_F(ConversionTest, IgnoringRepeatsPlaysEveryItemOnce) {
    std::vector<TNote*> n = Score("[1|2:3");
    Mark(*n[2], "m");
    options.nonRepeat = true;
    Build();
    EXPECT_EQ(Played(), "123");
}

TEST_F(ConversionTest, CodaWithoutSecondCodaReportsAndPlaysWhatWasWalked) {
    std::vector<TNote*> n = Score("12|3");
    Mark(*n[1], "l");
    Mark(*n[2], "m");
    const BuildResult result = Build();
    EXPECT_EQ(result.Message(), "コーダーに対応するコーダーが存在しません");
    EXPECT_EQ(Played(), "12312");
    EXPECT_EQ(Track(1).back().type, 254);
    EXPECT_EQ(Track(2).back().type, 254);
}

TEST_F(ConversionTest, VoltaAfterRepeatWithoutFirstVoltaReports) {
    std::vector<TNote*> n = Score("[12:3");
    Mark<TKakko>(*n[2], "=");
    const BuildResult result = Build();
    EXPECT_FALSE(result.Ok());
    EXPECT_EQ(result.Message(),
              "１の括弧がありません。あるいは、リピートエンドの直後に１括弧が指定されています");
    EXPECT_EQ(Played(), "12");
}

TEST_F(ConversionTest, TwoFirstEndingsEndInsteadOfLoopingForever) {
    std::vector<TNote*> n = Score("[1:2");
    Mark<TKakko>(*n[0], "<");
    Mark<TKakko>(*n[1], "<");
    const BuildResult result = Build();
    EXPECT_TRUE(result.Ok());
    EXPECT_TRUE(result.endlessLoopStopped);
    EXPECT_EQ(Played(), "11");
}

TEST_F(ConversionTest, CodaBeforeDaCapoEndsInsteadOfLoopingForever) {
    std::vector<TNote*> n = Score("1|2|3");
    Mark(*n[0], "l");
    Mark(*n[1], "l");
    Mark(*n[2], "m");
    const BuildResult result = Build();
    EXPECT_TRUE(result.endlessLoopStopped);
    EXPECT_EQ(Played(),
              "123"
              "123");
}

TEST_F(ConversionTest, OneSelectedNotePlaysFromItsBeat) {
    std::vector<TNote*> eighths;
    for (char c : std::string("1234")) eighths.push_back(N(std::string(1, c), 1));
    Bar();
    N("5");
    Build(eighths[3]);
    EXPECT_EQ(Played(), "345");
}

TEST_F(ConversionTest, TwoSelectedNotesPlayToTheBeatAfterTheSecond) {
    std::vector<TNote*> n;
    for (char c : std::string("1234")) n.push_back(N(std::string(1, c), 1));
    N("5");
    Build(n[1], n[2]);
    EXPECT_EQ(Played(), "1234");
}

TEST_F(ConversionTest, PieceStartsAtTheTitledPageAndSpansUntitledOnes) {
    N("1");
    TMusicSheet* second = book->NewSheet();
    N("2", 0, second);
    TMusicSheet* nextPiece = book->NewSheet();
    nextPiece->SetTitle("Next");
    N("3", 0, nextPiece);
    BuildSequence(data, *second, nullptr, nullptr, options, prefs);
    EXPECT_EQ(Played(), "12");
}

TEST_F(ConversionTest, EmptyPieceYieldsStartSilenceAndEnds) {
    options.playScoreTempo = false;
    Build();
    ASSERT_EQ(Track(1).size(), 2u);
    EXPECT_EQ(Track(1)[0].type, 0);
    EXPECT_EQ(Track(1)[0].step, 1);
    EXPECT_EQ(Track(1)[1].type, 254);
    ASSERT_EQ(Track(2).size(), 1u);
    EXPECT_TRUE(Track(4).empty());
    EXPECT_TRUE(Track(3).empty());
}

}  // namespace
}  // namespace sorvel::testing
