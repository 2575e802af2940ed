// SPDX-License-Identifier: GPL-3.0-or-later
// Tuplets imported from MusicXML: every group plays in exactly the time it
// is written in, so the bars after it keep their beat; groups the book can
// bracket get their brackets, and the import says which it could not.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "base/arith.h"
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
    // Within a group every note sounds on the tick nearest where the staff
    // places it: a fifth, a sixth or a seventh of the beat apart.
    int index = 0;
    for (int count : {5, 6, 7}) {
        const int beat = (count - 5) * 48;
        for (int i = 0; i < count; ++i, ++index) {
            EXPECT_EQ(onsets[static_cast<size_t>(index)], beat + RoundHalfEven(48.0 * i / count))
                << count << " in the time of 4, note " << i;
        }
    }
    // The six are written as two triplets under their brackets; the five and
    // the seven have no bracket the book can draw, and the import says so.
    // The five's notes of 10 ticks are a thirty-second tied to a dotted
    // sixty-fourth: eight numerals before the six.
    const std::vector<TNote*> notes = NotesOf(b.Page());
    const std::vector<TNote*> bracketed = Bracketed(b.Page());
    ASSERT_EQ(bracketed.size(), 2u);
    EXPECT_EQ(bracketed[0], notes[8]);
    EXPECT_EQ(bracketed[1], notes[11]);
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

// `count` notes of `type` from C5 up the scale in the time of four, each
// `each` divisions long, marked as one tuplet; `staffOf(i)` gives the staff
// of note i.
std::string Group(
    int count, int each, const std::string& type,
    const std::function<int(int)>& staffOf = [](int) { return 1; }) {
    static const char* kSteps[] = {"C", "D", "E", "F", "G", "A", "B"};
    std::string xml;
    for (int i = 0; i < count; ++i) {
        std::string notations;
        if (i == 0) notations = "<tuplet type=\"start\"/>";
        if (i == count - 1) notations = "<tuplet type=\"stop\"/>";
        xml += XmlNote(kSteps[i % 7], staffOf(i) == 1 ? 5 : 3, each,
                       "<voice>1</voice><type>" + type + "</type>" + TimeModification(count, 4) +
                           "<staff>" + std::to_string(staffOf(i)) + "</staff>" +
                           (notations.empty() ? "" : Notations(notations)));
    }
    return xml;
}

// The onsets in ticks, from the first note, of notes that start so many
// divisions into the part: the nearest tick, halves to even.
std::vector<int> NearestTicks(const std::vector<int>& divisions, int perQuarter) {
    std::vector<int> ticks;
    for (int d : divisions)
        ticks.push_back(RoundHalfEven(48.0 * (d - divisions.front()) / perQuarter));
    return ticks;
}

TEST(TupletImport, EveryNoteOfAFiveOrASevenStartsOnTheTickNearestItsPlace) {
    constexpr int kUnit = 420;  // divisions to the quarter: fifths and sevenths exact
    const auto upper = [](int) { return 1; };
    // Beat 1 and 2: five and seven sixteenths; beat 3 two fives of
    // thirty-seconds, beat 4 two sevens. Bar 2: a five whose second and
    // third notes cross to the lower staff, then a seven and a half note.
    const std::string bar2 = Group(5, 84, "16th", [](int i) { return i == 1 || i == 2 ? 2 : 1; }) +
                             Group(7, 60, "16th", upper) +
                             XmlNote("C", 5, 840, "<voice>1</voice><staff>1</staff>") +
                             "<backup><duration>1680</duration></backup>" +
                             XmlRest(1680, "<voice>5</voice><staff>2</staff>");
    ImportedBook b(
        PartDoc(XmlMeasure(1, XmlAttributes(kUnit, 0, 4, 4, "<staves>2</staves>") +
                                  Group(5, 84, "16th", upper) + Group(7, 60, "16th", upper) +
                                  Group(5, 42, "32nd", upper) + Group(5, 42, "32nd", upper) +
                                  Group(7, 30, "32nd", upper) + Group(7, 30, "32nd", upper) +
                                  "<backup><duration>1680</duration></backup>" +
                                  XmlRest(1680, "<voice>5</voice><staff>2</staff>")) +
                XmlMeasure(2, bar2)));
    ASSERT_TRUE(b.Ok()) << b.read.message;
    std::vector<int> starts;
    int d = 0;
    for (const auto& [count, each] :
         std::vector<std::pair<int, int>>{{5, 84}, {7, 60}, {5, 42}, {5, 42}, {7, 30}, {7, 30}}) {
        for (int i = 0; i < count; ++i, d += each) starts.push_back(d);
    }
    for (int i = 0; i < 5; ++i, d += 84) {
        if (i != 1 && i != 2) starts.push_back(d);
    }
    for (int i = 0; i < 7; ++i, d += 60) starts.push_back(d);
    starts.push_back(d);
    EXPECT_EQ(Onsets(b.Played()), NearestTicks(starts, kUnit));
}

// A program that writes each triplet eighth as 85 of 256 divisions leaves
// every bar a little short: the bars start where those durations put them,
// each on its nearest tick, with no rounding carried from bar to bar.
TEST(TupletImport, BarsOffTheTickGridCarryNoRounding) {
    std::string beats;
    for (int i = 0; i < 12; ++i)
        beats += XmlNote(i % 2 ? "E" : "C", 5, 85, "<type>eighth</type>" + TimeModification(3, 2));
    std::string measures = XmlMeasure(1, XmlAttributes(256, 0, 4, 4) + beats);
    for (int k = 2; k <= 6; ++k) measures += XmlMeasure(k, beats);
    ImportedBook b(PartDoc(measures));
    ASSERT_TRUE(b.Ok()) << b.read.message;
    std::vector<int> starts;
    for (int i = 0; i < 6 * 12; ++i) starts.push_back(85 * i);
    EXPECT_EQ(Onsets(b.Played()), NearestTicks(starts, 256));
}

// Every ratio a score is likely to hold, over spans of a sixteenth to a
// half note: the lengths fill the span exactly, and each note keeps the
// ticks it was read with, so that it ends where the staff ends it.
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
                EXPECT_EQ(w.numerals[i].ticks, notes[i].ticks) << span << " / " << count;
                EXPECT_GT(w.numerals[i].ticks, 0) << span << " / " << count;
                EXPECT_EQ(sum, ideal) << span << " / " << count << " note " << i;
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
