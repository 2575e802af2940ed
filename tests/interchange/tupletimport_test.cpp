// Tuplets imported from MusicXML: every group plays in exactly the time it
// is written in, so the bars after it keep their beat; groups the book can
// bracket get their brackets, and the import says which it could not.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "importedbook.h"
#include "interchange/jianputuplets.h"
#include "model/musicmark.h"

namespace sorvel::interchange {
namespace {

using namespace testbook;

// Onsets of the played notes.
std::vector<int> Onsets(const std::vector<std::pair<int, int>>& played) {
    std::vector<int> onsets;
    for (const auto& [note, tick] : played) onsets.push_back(tick);
    return onsets;
}

// The notes of a page that carry a triplet mark.
std::vector<TNote*> Bracketed(TMusicSheet& page) {
    std::vector<TNote*> out;
    for (TNote* n : NotesOf(page)) {
        if (!MarksOn(*n, ItemClass::Ren3).empty()) out.push_back(n);
    }
    return out;
}

// `count` sixteenths from C5 up the scale in the time of four, with the
// tuplet's start and stop marks; `unit` divisions to a quarter.
std::string SixteenthGroup(int count, int unit) {
    static const char* kSteps[] = {"C", "D", "E", "F", "G", "A", "B"};
    std::string xml;
    for (int i = 0; i < count; ++i) {
        std::string notations;
        if (i == 0) notations = "<tuplet type=\"start\" bracket=\"yes\"/>";
        if (i == count - 1) notations = "<tuplet type=\"stop\"/>";
        xml += XmlNote(kSteps[i % 7], 5, unit / count,
                       "<voice>1</voice><type>16th</type>" + TimeModification(count, 4) +
                           (notations.empty() ? "" : Notations(notations)));
    }
    return xml;
}

TEST(TupletImport, FivesSixesAndSevensPlayInTheirBeatAndTheBarKeepsItsLength) {
    constexpr int kUnit = 420;  // divisions to the quarter: fifths, sixths and sevenths exact
    ImportedBook b(PartDoc(XmlMeasure(1, XmlAttributes(kUnit, 0, 4, 4) + SixteenthGroup(5, kUnit) +
                                             SixteenthGroup(6, kUnit) + SixteenthGroup(7, kUnit) +
                                             XmlNote("G", 4, kUnit, "<type>quarter</type>")) +
                           XmlMeasure(2, XmlNote("A", 4, kUnit) + XmlNote("B", 4, kUnit) +
                                             XmlNote("C", 5, kUnit) + XmlNote("D", 5, kUnit))));
    ASSERT_TRUE(b.Ok()) << b.read.message;
    const std::vector<int> onsets = Onsets(b.Played());
    ASSERT_EQ(onsets.size(), 5u + 6 + 7 + 1 + 4);
    // Each group fills its beat: the notes after them stand on the beats.
    EXPECT_EQ(onsets[18], 144);
    EXPECT_EQ(std::vector<int>(onsets.begin() + 19, onsets.end()),
              (std::vector<int>{192, 240, 288, 336}));
    // Within a group every note sounds close to where the staff places it:
    // a fifth, a sixth or a seventh of the beat apart, a few ticks at most.
    int index = 0;
    for (int count : {5, 6, 7}) {
        const int beat = (count - 5) * 48;
        for (int i = 0; i < count; ++i, ++index) {
            const double ideal = beat + 48.0 * i / count;
            EXPECT_LE(std::abs(onsets[static_cast<size_t>(index)] - ideal), 3.0)
                << count << " in the time of 4, note " << i;
        }
    }
    // The six are written as two triplets under their brackets; the five and
    // the seven have no bracket the book can draw, and the import says so.
    const std::vector<TNote*> notes = NotesOf(b.Page());
    const std::vector<TNote*> bracketed = Bracketed(b.Page());
    ASSERT_EQ(bracketed.size(), 2u);
    EXPECT_EQ(bracketed[0], notes[5]);
    EXPECT_EQ(bracketed[1], notes[8]);
    EXPECT_EQ(b.LeftOut("5連符の括弧"), 1);
    EXPECT_EQ(b.LeftOut("7連符の括弧"), 1);
    EXPECT_EQ(b.LeftOut("3連符以外の連符"), 0);
    EXPECT_EQ(b.built.rewritten,
              (std::vector<std::pair<std::string, int>>{{"6連符（3連符の括弧で書きました）", 1}}));
}

TEST(TupletImport, ASecondTripletGroupInABarHasItsBracketAndItsTime) {
    // Two-four: a quarter and an eighth under one triplet, then three
    // eighths under another; 3 divisions to the quarter.
    const std::string t = TimeModification(3, 2);
    ImportedBook b(PartDoc(
        XmlMeasure(1,
                   XmlAttributes(3, 0, 2, 4) +
                       XmlNote("C", 5, 2,
                               "<type>quarter</type>" + t + Notations("<tuplet type=\"start\"/>")) +
                       XmlNote("D", 5, 1,
                               "<type>eighth</type>" + t + Notations("<tuplet type=\"stop\"/>")) +
                       XmlNote("E", 5, 1,
                               "<type>eighth</type>" + t + Notations("<tuplet type=\"start\"/>")) +
                       XmlNote("F", 5, 1, "<type>eighth</type>" + t) +
                       XmlNote("G", 5, 1,
                               "<type>eighth</type>" + t + Notations("<tuplet type=\"stop\"/>"))) +
        XmlMeasure(2, XmlNote("A", 5, 6, "<type>half</type>"))));
    ASSERT_TRUE(b.Ok()) << b.read.message;
    EXPECT_EQ(b.Played(), (std::vector<std::pair<int, int>>{
                              {72, 0}, {74, 32}, {76, 48}, {77, 64}, {79, 80}, {81, 96}}));
    // The quarter is two triplet eighths under a tie, so that each group is
    // three numerals under its own bracket.
    EXPECT_EQ(SymbolsOf(b.Page()), "\" 1_' 1_' 2_' 3_' 4_' 5_' c 6' 8 c");
    const std::vector<TNote*> notes = NotesOf(b.Page());
    EXPECT_EQ(Bracketed(b.Page()), (std::vector<TNote*>{notes[0], notes[3]}));
    EXPECT_EQ(b.built.leftOut, (std::vector<std::pair<std::string, int>>{}));
}

TEST(TupletImport, ATripletBeginningOnTheOtherStaffKeepsItsTime) {
    // A two-staff part: the triplet's first eighth crosses to the lower
    // staff, the rest of the group and the bar stay on the upper one.
    const std::string t = TimeModification(3, 2);
    ImportedBook b(PartDoc(
        XmlMeasure(
            1,
            XmlAttributes(3, 0, 2, 4, "<staves>2</staves>") +
                XmlNote("C", 5, 3, "<voice>1</voice><type>quarter</type><staff>1</staff>") +
                XmlNote("C", 4, 1,
                        "<voice>1</voice><type>eighth</type>" + t + "<staff>2</staff>" +
                            Notations("<tuplet type=\"start\" bracket=\"yes\"/>")) +
                XmlNote("D", 5, 1, "<voice>1</voice><type>eighth</type>" + t + "<staff>1</staff>") +
                XmlNote("E", 5, 1,
                        "<voice>1</voice><type>eighth</type>" + t + "<staff>1</staff>" +
                            Notations("<tuplet type=\"stop\"/>")) +
                "<backup><duration>6</duration></backup>" +
                XmlNote("C", 3, 6, "<voice>5</voice><type>half</type><staff>2</staff>")) +
        XmlMeasure(2, XmlNote("G", 5, 6, "<voice>1</voice><type>half</type><staff>1</staff>") +
                          "<backup><duration>6</duration></backup>" +
                          XmlRest(6, "<voice>5</voice><staff>2</staff>"))));
    ASSERT_TRUE(b.Ok()) << b.read.message;
    EXPECT_EQ(b.Played(),
              (std::vector<std::pair<int, int>>{{72, 0}, {74, 64}, {76, 80}, {79, 96}}));
    // The note that went to the other staff leaves a rest in the group,
    // which keeps its bracket.
    EXPECT_EQ(SymbolsOf(b.Page()), "\" 1' 0_ 2_' 3_' c 5' 8 c");
    EXPECT_EQ(Bracketed(b.Page()).size(), 1u);
}

TEST(TupletImport, TheOtherStaffsOwnTupletsStayOutOfTheKeptVoice) {
    // The lower staff numbers its voice 1 as well; its triplet, written after
    // a backup, is none of the upper staff's.
    const std::string t = TimeModification(3, 2) + "<staff>2</staff>";
    ImportedBook b(
        PartDoc(XmlMeasure(1, XmlAttributes(3, 0, 2, 4, "<staves>2</staves>") +
                                  XmlNote("C", 5, 3, "<voice>1</voice><staff>1</staff>") +
                                  XmlNote("D", 5, 3, "<voice>1</voice><staff>1</staff>") +
                                  "<backup><duration>6</duration></backup>" +
                                  XmlNote("C", 3, 1, "<voice>1</voice>" + t) +
                                  XmlNote("D", 3, 1, "<voice>1</voice>" + t) +
                                  XmlNote("E", 3, 1, "<voice>1</voice>" + t) +
                                  XmlNote("F", 3, 3, "<voice>1</voice><staff>2</staff>"))));
    ASSERT_TRUE(b.Ok()) << b.read.message;
    EXPECT_TRUE(b.read.score.measures[0].tuplets.empty());
    EXPECT_EQ(b.Played(), (std::vector<std::pair<int, int>>{{72, 0}, {74, 48}}));
    EXPECT_EQ(b.LeftOut("3連符の括弧"), 0);
}

TEST(TupletImport, GroupsWithoutTupletElementsAreCountedOut) {
    // Six triplet eighths with no <tuplet> marks: two groups of three.
    std::string notes;
    for (const char* step : {"C", "D", "E", "F", "G", "A"})
        notes += XmlNote(step, 5, 1, "<type>eighth</type>" + TimeModification(3, 2));
    ImportedBook b(PartDoc(XmlMeasure(1, XmlAttributes(3, 0, 2, 4) + notes)));
    ASSERT_TRUE(b.Ok()) << b.read.message;
    const std::vector<ImportedTuplet>& tuplets = b.read.score.measures[0].tuplets;
    ASSERT_EQ(tuplets.size(), 2u);
    EXPECT_EQ(tuplets[0].onset, 0);
    EXPECT_EQ(tuplets[0].end, 48);
    EXPECT_EQ(tuplets[1].onset, 48);
    EXPECT_EQ(tuplets[1].end, 96);
    EXPECT_EQ(Bracketed(b.Page()).size(), 2u);
    EXPECT_EQ(Onsets(b.Played()), (std::vector<int>{0, 16, 32, 48, 64, 80}));
}

// Every ratio a score is likely to hold, over spans of a sixteenth to a
// half note: the lengths fill the span exactly, each is a numeral's length
// (or ties of them) and each note ends near where the staff ends it.
TEST(TupletWriting, PlainLengthsFillTheSpanAndStayNearTheirPlace) {
    for (int span : {12, 24, 48, 72, 96}) {
        for (int count = 2; count <= 13; ++count) {
            if (span < 3 * count) continue;
            std::vector<TupletNote> notes;
            int placed = 0;
            for (int i = 1; i <= count; ++i) {
                const int end =
                    (span * i * 2 + count) / (2 * count);  // rounded, as the reader does
                notes.push_back({end - placed, false});
                placed = end;
            }
            const TupletWriting w = WriteTuplet(notes, false);
            ASSERT_FALSE(w.triplets);
            ASSERT_EQ(w.numerals.size(), notes.size());
            int sum = 0, ideal = 0;
            for (size_t i = 0; i < notes.size(); ++i) {
                sum += w.numerals[i].ticks;
                ideal += notes[i].ticks;
                EXPECT_EQ(w.numerals[i].ticks % 3, 0) << span << " / " << count;
                EXPECT_GT(w.numerals[i].ticks, 0) << span << " / " << count;
                EXPECT_LE(std::abs(sum - ideal), 12) << span << " / " << count << " note " << i;
            }
            EXPECT_EQ(sum, span) << span << " / " << count;
        }
    }
}

TEST(TupletWriting, TripletLengthsMakeWholeBrackets) {
    // A quarter and an eighth under a 3: the quarter is halved under a tie.
    TupletWriting w = WriteTuplet(std::vector<TupletNote>{{32, false}, {16, false}}, true);
    ASSERT_TRUE(w.triplets);
    ASSERT_EQ(w.numerals.size(), 3u);
    EXPECT_EQ(w.numerals[0].ticks + w.numerals[1].ticks, 32);
    EXPECT_TRUE(w.numerals[1].tied);
    // A rest is halved without a tie; lengths that are no triplet lengths
    // are written plain.
    w = WriteTuplet(std::vector<TupletNote>{{32, true}, {16, false}}, true);
    ASSERT_TRUE(w.triplets);
    EXPECT_FALSE(w.numerals[1].tied);
    w = WriteTuplet(std::vector<TupletNote>{{15, false}, {17, false}, {16, false}}, true);
    EXPECT_FALSE(w.triplets);
}

}  // namespace
}  // namespace sorvel::interchange
