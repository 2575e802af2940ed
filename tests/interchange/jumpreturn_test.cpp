// SPDX-License-Identifier: GPL-3.0-or-later
// The return after a D.S. or D.C. plays as the staff score has it: no repeat
// taken again, only the last endings, and a repeat that ends where the jump
// stands taken before the jump. Where the book's playback would do otherwise,
// the import writes the return out after the jump, in its keys and meters.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "importedbook.h"

namespace sorvel::interchange {
namespace {

using namespace testbook;

// A whole note of C major's `step` in the octave above middle C, or of
// `beats` quarters.
std::string Note(char step, int beats = 4) {
    return XmlNote(std::string(1, step), 5, beats, "<type>whole</type>");
}

std::string Words(const std::string& words, const std::string& sound = "") {
    return "<direction><direction-type><words>" + words + "</words></direction-type>" + sound +
           "</direction>";
}

const std::string kSegno =
    "<direction><direction-type><segno/></direction-type><sound segno=\"s\"/></direction>";
const std::string kStartRepeat =
    "<barline location=\"left\"><repeat direction=\"forward\"/></barline>";
const std::string kEndRepeat =
    "<barline location=\"right\"><repeat direction=\"backward\"/></barline>";

std::string EndingStart(int number) {
    return "<barline location=\"left\"><ending number=\"" + std::to_string(number) +
           "\" type=\"start\"/></barline>";
}

std::string EndingStop(int number, bool repeat) {
    return "<barline location=\"right\"><ending number=\"" + std::to_string(number) + "\" type=\"" +
           (repeat ? "stop" : "discontinue") + "\"/>" +
           (repeat ? "<repeat direction=\"backward\"/>" : "") + "</barline>";
}

// The steps the book plays, in order.
std::string Steps(ImportedBook& b) {
    std::string steps;
    for (const auto& [note, tick] : b.Played()) {
        static constexpr char kSteps[] = "C?D?EF?G?A?B";
        steps += kSteps[note % 12];
    }
    return steps;
}

int Rewritten(const ImportedBook& b) {
    for (const auto& [label, count] : b.built.rewritten) {
        if (label == "D.S.・D.C.で戻る部分（繰り返しを除いて書き出しました）") return count;
    }
    return 0;
}

TEST(JumpReturn, AfterADaCapoNoRepeatIsTakenAgain) {
    // A piano piece's form: |: A :| B (Fine) C D.C. al Fine.
    ImportedBook b(
        PartDoc(XmlMeasure(1, XmlAttributes(1, 0, 4, 4) + Note('C')) +
                XmlMeasure(2, Note('D') + kEndRepeat) +
                XmlMeasure(3, Note('E') + Words("Fine", "<sound fine=\"yes\"/>")) +
                XmlMeasure(4, Note('F') + Words("D.C. al Fine", "<sound dacapo=\"yes\"/>"))));
    ASSERT_TRUE(b.Ok()) << b.read.message;
    EXPECT_EQ(Steps(b), "CDCDEFCDE");
    EXPECT_EQ(Rewritten(b), 1);
    // The first pass keeps its repeat; the return follows it, written out.
    EXPECT_EQ(SymbolsOf(b.Page()),
              "$ 1' 8 8 8 c 2' 8 8 8 g 3' 8 8 8 c 4' 8 8 8 c 1' 8 8 8 c 2' 8 8 8 c 3' 8 8 8 c");
}

TEST(JumpReturn, AfterADalSegnoOnlyTheLastEndingIsPlayed) {
    // The second ending is half a beat longer than the first: played after
    // the jump, the first would bring the music after it in early.
    ImportedBook b(
        PartDoc(XmlMeasure(1, XmlAttributes(2, 0, 4, 4) + kSegno + Note('C', 8)) +
                XmlMeasure(2, kStartRepeat + Note('D', 8)) +
                XmlMeasure(3, EndingStart(1) + Note('E', 7) + EndingStop(1, true)) +
                XmlMeasure(4, EndingStart(2) + Note('F', 8) + EndingStop(2, false) +
                                  Words("Fine", "<sound fine=\"yes\"/>")) +
                XmlMeasure(5, Note('G', 8) + Words("D.S. al Fine", "<sound dalsegno=\"s\"/>"))));
    ASSERT_TRUE(b.Ok()) << b.read.message;
    EXPECT_EQ(b.Played(), (std::vector<std::pair<int, int>>{{72, 0},
                                                            {74, 192},
                                                            {76, 384},
                                                            {74, 552},
                                                            {77, 744},
                                                            {79, 936},
                                                            {72, 1128},
                                                            {74, 1320},
                                                            {77, 1512}}));
    EXPECT_EQ(Rewritten(b), 1);
}

TEST(JumpReturn, ARepeatEndingWhereTheJumpStandsIsTakenFirst) {
    ImportedBook b(PartDoc(
        XmlMeasure(1, XmlAttributes(1, 0, 4, 4) + Note('C')) +
        XmlMeasure(2, Note('D') + Words("Fine", "<sound fine=\"yes\"/>")) +
        XmlMeasure(3, Note('E') + Words("D.C. al Fine", "<sound dacapo=\"yes\"/>") + kEndRepeat)));
    ASSERT_TRUE(b.Ok()) << b.read.message;
    EXPECT_EQ(Steps(b), "CDECDECD");
}

TEST(JumpReturn, TheWrittenOutReturnHasItsOwnKeysAndMeters) {
    // A reel in 3/4 and 5/4: the segno stands in D major's 5/4 section, the
    // jump in C major's 3/4, and a repeat lies between them.
    ImportedBook b(
        PartDoc(XmlMeasure(1, XmlAttributes(1, 0, 3, 4) + Note('C', 3)) +
                XmlMeasure(2,
                           "<attributes><key><fifths>2</fifths></key><time><beats>5</beats>"
                           "<beat-type>4</beat-type></time></attributes>" +
                               kSegno + Note('D', 5)) +
                XmlMeasure(3, kStartRepeat + Note('E', 5) + kEndRepeat) +
                XmlMeasure(4, Note('F', 5) + Words("To Coda", "<sound tocoda=\"c\"/>")) +
                XmlMeasure(5,
                           "<attributes><key><fifths>0</fifths></key><time><beats>3</beats>"
                           "<beat-type>4</beat-type></time></attributes>" +
                               Note('G', 3) + Words("D.S. al Coda", "<sound dalsegno=\"s\"/>")) +
                XmlMeasure(6,
                           "<direction><direction-type><coda/></direction-type>"
                           "<sound coda=\"c\"/></direction>" +
                               Note('A', 3))));
    ASSERT_TRUE(b.Ok()) << b.read.message;
    EXPECT_EQ(Steps(b), "CDEEFGDEFA");
    const std::vector<std::pair<int, int>> played = b.Played();
    ASSERT_EQ(played.size(), 10u);
    // Each bar lasts its own meter: 3, 5, 5, 5, 5, 3, then 5, 5, 5 and 3 beats.
    const int starts[] = {0, 3, 8, 13, 18, 23, 26, 31, 36, 41};
    for (size_t i = 0; i < played.size(); ++i) EXPECT_EQ(played[i].second, starts[i] * 48) << i;
    // The return restates D major and 5/4 where it starts, and the coda
    // C major and 3/4 after it.
    const std::vector<ImportedMeasure>& m = b.read.score.measures;
    ASSERT_EQ(m.size(), 9u);
    EXPECT_TRUE(m[5].keyChange);
    EXPECT_EQ(m[5].fifths, 2);
    EXPECT_EQ(m[5].beats, 5);
    EXPECT_FALSE(m[6].keyChange);
    EXPECT_EQ(m[6].beats, 0);
    EXPECT_TRUE(m[8].keyChange);
    EXPECT_EQ(m[8].fifths, 0);
    EXPECT_EQ(m[8].beats, 3);
    EXPECT_EQ(m[8].beatType, 4);
}

TEST(JumpReturn, AReturnTheBookPlaysAsWrittenIsLeftAsItIs) {
    ImportedBook b(
        PartDoc(XmlMeasure(1, XmlAttributes(1, 0, 4, 4) + Note('C') + kEndRepeat) +
                XmlMeasure(2, kSegno + Note('D')) +
                XmlMeasure(3, Note('E') + Words("Fine", "<sound fine=\"yes\"/>")) +
                XmlMeasure(4, Note('F') + Words("D.S. al Fine", "<sound dalsegno=\"s\"/>"))));
    ASSERT_TRUE(b.Ok()) << b.read.message;
    EXPECT_EQ(Steps(b), "CCDEFDE");
    EXPECT_EQ(Rewritten(b), 0);
    EXPECT_EQ(b.read.score.measures.size(), 4u);
}

}  // namespace
}  // namespace sorvel::interchange
