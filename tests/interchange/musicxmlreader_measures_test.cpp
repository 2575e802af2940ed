// SPDX-License-Identifier: GPL-3.0-or-later
// How the MusicXML reader puts notes in time and measures in order, shown
// with small documents: divisions, voices, staves, backup and forward,
// tuplets, chords, grace notes and cue notes; keys, times, endings,
// multi-bar rests, transposing parts, titles and the choice of part.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "interchange/musicxmlreader.h"
#include "musicxmlreaderdocs.h"

namespace sorvel::interchange {
namespace {

using namespace readerdocs;

std::string Rest(int duration, const std::string& more = "") {
    return "<note><rest/><duration>" + std::to_string(duration) + "</duration>" + more + "</note>";
}

// ---------------------------------------------------------- timing and voices

TEST(MusicXmlReaderTiming, VoicesStavesBackupAndForward) {
    // Voice 1 leaves a gap by <forward>; voice 2 and staff 2 lie under it.
    const ImportedScore s = ReadDoc(Doc(
        Measure(std::string(kAttributes) + "<attributes><staves>2</staves></attributes>" +
                Note("E", 5, 2, "<voice>1</voice>") + "<forward><duration>2</duration></forward>" +
                Note("G", 5, 2, "<voice>1</voice>") + "<backup><duration>6</duration></backup>" +
                Note("C", 5, 8, "<voice>2</voice>") + "<backup><duration>8</duration></backup>" +
                Note("C", 3, 8, "<voice>5</voice><staff>2</staff>") +
                Note("C", 2, 8, "<chord/><voice>5</voice><staff>2</staff>"))));
    const ImportedMeasure& m = s.measures[0];
    EXPECT_EQ(m.length, 192);  // the longest voice
    ASSERT_EQ(m.notes.size(), 4u);
    EXPECT_EQ(Pitch(m.notes[0].pitch), "E5");
    EXPECT_TRUE(m.notes[1].rest);
    EXPECT_EQ(m.notes[1].onset, 48);
    EXPECT_EQ(m.notes[2].onset, 96);
    EXPECT_TRUE(m.notes[3].rest);
    EXPECT_EQ(m.notes[3].duration, 48);
    EXPECT_EQ(LeftOut(s, "他の声部の音"), 1);
    EXPECT_EQ(LeftOut(s, "他の譜表の音"), 2);
    EXPECT_EQ(LeftOut(s, "和音の音"), 0);
}

TEST(MusicXmlReaderTiming, DivisionsTripletsAndOtherTuplets) {
    const std::string triplet =
        "<time-modification><actual-notes>3</actual-notes>"
        "<normal-notes>2</normal-notes></time-modification>";
    const std::string quintuplet =
        "<time-modification><actual-notes>5</actual-notes>"
        "<normal-notes>4</normal-notes></time-modification>";
    const ImportedScore s = ReadDoc(Doc(
        Measure("<attributes><divisions>3</divisions><time><beats>2</beats><beat-type>4</beat-type>"
                "</time></attributes>" +
                Note("C", 5, 1, triplet + "<notations><tuplet type=\"start\"/></notations>") +
                Note("D", 5, 1, triplet) +
                Note("E", 5, 1, triplet + "<notations><tuplet type=\"stop\"/></notations>") +
                Note("F", 5, 3)) +
        // Five in the time of four sixteenths, 7 divisions to the quarter:
        // positions round to the nearest tick and the durations follow them.
        Measure("<attributes><divisions>35</divisions></attributes>" + Note("C", 5, 7, quintuplet) +
                    Note("C", 5, 7, quintuplet) + Note("C", 5, 7, quintuplet) +
                    Note("C", 5, 7, quintuplet) + Note("C", 5, 7, quintuplet) + Note("G", 5, 35),
                "2")));
    const std::vector<ImportedNote>& m1 = s.measures[0].notes;
    ASSERT_EQ(m1.size(), 4u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(m1[i].duration, 16);
        EXPECT_TRUE(m1[i].triplet);
    }
    EXPECT_TRUE(m1[0].tupletStart);
    EXPECT_TRUE(m1[2].tupletStop);
    EXPECT_FALSE(m1[3].triplet);
    EXPECT_EQ(m1[3].onset, 48);
    const std::vector<ImportedNote>& m2 = s.measures[1].notes;
    ASSERT_EQ(m2.size(), 6u);
    int sum = 0;
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(m2[i].triplet);
        EXPECT_TRUE(m2[i].duration == 9 || m2[i].duration == 10);
        sum += m2[i].duration;
    }
    EXPECT_EQ(sum, 48);
    EXPECT_EQ(m2[5].onset, 48);
    EXPECT_EQ(s.measures[1].length, 96);
    // Both groups are read as tuplets over the beat they fill; none is left out.
    ASSERT_EQ(s.measures[0].tuplets.size(), 1u);
    EXPECT_EQ(s.measures[0].tuplets[0].onset, 0);
    EXPECT_EQ(s.measures[0].tuplets[0].end, 48);
    EXPECT_EQ(s.measures[0].tuplets[0].actual, 3);
    ASSERT_EQ(s.measures[1].tuplets.size(), 1u);
    EXPECT_EQ(s.measures[1].tuplets[0].end, 48);
    EXPECT_EQ(s.measures[1].tuplets[0].actual * 10 + s.measures[1].tuplets[0].normal, 54);
    EXPECT_TRUE(s.leftOut.empty());
}

TEST(MusicXmlReaderTiming, ChordKeepsTopNoteWithItsOwnFingerAndTie) {
    const ImportedScore s = ReadDoc(Doc(Measure(
        std::string(kAttributes) +
        Note("E", 4, 8,
             "<tie type=\"start\"/><notations><articulations><accent/></articulations>"
             "<technical><fingering>1</fingering></technical><slur type=\"start\"/></notations>") +
        Note("A", 4, 8,
             "<chord/><notations><technical><fingering>3</fingering></technical></notations>") +
        Note("C", 4, 8, "<chord/>"))));
    const ImportedNote& n = s.measures[0].notes[0];
    EXPECT_EQ(Pitch(n.pitch), "A4");
    EXPECT_EQ(n.signs, "Wx");   // the top note's finger 3, the chord's accent
    EXPECT_FALSE(n.tieToNext);  // the tie was the lower note's
    EXPECT_EQ(n.slurStarts, 1);
    EXPECT_EQ(LeftOut(s, "和音の音"), 2);
}

TEST(MusicXmlReaderTiming, GraceNotesBeforeAfterAndTooMany) {
    auto grace = [](const std::string& step, const std::string& type, const std::string& more) {
        return "<note><grace/><pitch><step>" + step + "</step><octave>5</octave></pitch><type>" +
               type + "</type>" + more + "</note>";
    };
    std::string five;
    for (const char* step : {"C", "D", "E", "F", "G"}) five += grace(step, "32nd", "");
    const ImportedScore s =
        ReadDoc(Doc(Measure(std::string(kAttributes) + five + Note("A", 5, 4) + Note("B", 5, 4) +
                            grace("C", "eighth",
                                  "<notations><technical><fingering>7</fingering></technical>"
                                  "</notations>"))));
    const std::vector<ImportedNote>& notes = s.measures[0].notes;
    ASSERT_EQ(notes.size(), 2u);
    ASSERT_EQ(notes[0].gracesBefore.size(), 4u);
    EXPECT_EQ(notes[0].gracesBefore[0].underlines, 3);
    EXPECT_EQ(Pitch(notes[0].gracesBefore[3].pitch), "F5");
    ASSERT_EQ(notes[1].gracesAfter.size(), 1u);
    EXPECT_EQ(notes[1].gracesAfter[0].finger, -1);
    EXPECT_EQ(LeftOut(s, "多すぎる装飾音"), 1);
    EXPECT_EQ(LeftOut(s, "対応していない指番号"), 1);
}

TEST(MusicXmlReaderTiming, CuePercussionAndOverlongNotes) {
    const ImportedScore s = ReadDoc(Doc(
        Measure(std::string(kAttributes) +
                "<note><cue/><pitch><step>C</step><octave>5</octave></pitch>"
                "<duration>2</duration></note>" +
                "<note><unpitched><display-step>E</display-step><display-octave>4</display-octave>"
                "</unpitched><duration>2</duration></note>" +
                Note("D", 5, 1000000))));
    const std::vector<ImportedNote>& notes = s.measures[0].notes;
    ASSERT_EQ(notes.size(), 3u);
    EXPECT_TRUE(notes[0].rest);  // the gap the cue note leaves
    EXPECT_TRUE(notes[1].rest);
    EXPECT_EQ(notes[2].duration, 64 * 48);
    EXPECT_EQ(LeftOut(s, "キュー音符"), 1);
    EXPECT_EQ(LeftOut(s, "打楽器の音"), 1);
    EXPECT_EQ(LeftOut(s, "長すぎる音"), 1);
}

// ---------------------------------------------------------------- structure

TEST(MusicXmlReaderStructure, KeysTimesEndingsAndMultiRests) {
    const ImportedScore s = ReadDoc(Doc(
        Measure("<attributes><divisions>1</divisions><key><fifths>-3</fifths><mode>minor</mode>"
                "</key><time><beats>3+2</beats><beat-type>8</beat-type></time>"
                "<measure-style><multiple-rest>3</multiple-rest></measure-style></attributes>" +
                Rest(5)) +
        Measure("<barline location=\"left\"><ending number=\"1, 2\" type=\"start\"/></barline>"
                "<attributes><key><fifths>-3</fifths></key><time><beats>5</beats>"
                "<beat-type>8</beat-type></time></attributes>" +
                    Rest(5),
                "2") +
        Measure(
            "<attributes><key><fifths>2</fifths></key><time><senza-misura/></time></attributes>" +
                Rest(5) + "<barline><ending number=\"1\" type=\"stop\"/></barline>",
            "3") +
        Measure("<barline location=\"left\"><ending number=\"3\" type=\"start\"/></barline>" +
                    Rest(5) + "<barline><ending number=\"3\" type=\"discontinue\"/></barline>",
                "4") +
        Measure(Note("C", 4, 5), "5")));
    EXPECT_EQ(s.fifths, -3);  // C minor read as E flat major
    const std::vector<ImportedMeasure>& m = s.measures;
    EXPECT_EQ(m[0].beats, 5);
    EXPECT_EQ(m[0].beatType, 8);
    EXPECT_EQ(m[0].multiRest, 3);
    EXPECT_FALSE(m[0].keyChange);
    EXPECT_FALSE(m[1].keyChange);  // the same key again
    EXPECT_EQ(m[1].beats, 0);      // the same time again
    EXPECT_TRUE(m[2].keyChange);
    EXPECT_EQ(m[2].fifths, 2);
    EXPECT_EQ(m[2].beats, 0);
    EXPECT_EQ(m[1].ending, 1);
    EXPECT_TRUE(m[1].endingStart);
    EXPECT_EQ(m[2].ending, 1);
    EXPECT_TRUE(m[2].endingStop);
    EXPECT_EQ(m[3].ending, 3);
    EXPECT_TRUE(m[3].endingStart && m[3].endingStop);
    EXPECT_EQ(m[4].ending, 0);
}

TEST(MusicXmlReaderStructure, TransposingPartsComeInAtSoundingPitch) {
    // A B-flat clarinet written in D major sounds a major second lower, in C.
    const ImportedScore clarinet = ReadDoc(Doc(Measure(
        "<attributes><divisions>1</divisions><key><fifths>2</fifths></key>"
        "<transpose><diatonic>-1</diatonic><chromatic>-2</chromatic></transpose></attributes>" +
        Note("E", 4, 1) + Note("F", 4, 1, "") +
        "<note><pitch><step>C</step><alter>1</alter><octave>5</octave></pitch>"
        "<duration>1</duration></note>" +
        Note("D", 4, 1))));
    EXPECT_EQ(clarinet.fifths, 0);
    ASSERT_EQ(clarinet.measures.at(0).notes.size(), 4U);
    EXPECT_EQ(Pitch(clarinet.measures[0].notes[0].pitch), "D4");
    EXPECT_EQ(Pitch(clarinet.measures[0].notes[1].pitch), "Eb4");
    EXPECT_EQ(Pitch(clarinet.measures[0].notes[2].pitch), "B4");
    EXPECT_EQ(Pitch(clarinet.measures[0].notes[3].pitch), "C4");

    // Guitar and bass sound an octave below their writing, the piccolo an
    // octave above; a <transpose> without <diatonic> takes the nearest step.
    const auto first = [](const std::string& transpose) {
        const ImportedScore s = ReadDoc(
            Doc(Measure("<attributes><divisions>1</divisions><key><fifths>0</fifths></key>" +
                        transpose + "</attributes>" + Note("E", 4, 4))));
        return s.measures.empty() || s.measures[0].notes.empty()
                   ? std::string()
                   : Pitch(s.measures[0].notes[0].pitch) + " " + std::to_string(s.fifths);
    };
    EXPECT_EQ(first("<transpose><diatonic>0</diatonic><chromatic>0</chromatic>"
                    "<octave-change>-1</octave-change></transpose>"),
              "E3 0");
    EXPECT_EQ(first("<transpose><chromatic>0</chromatic><octave-change>1</octave-change>"
                    "</transpose>"),
              "E5 0");
    EXPECT_EQ(first("<transpose><chromatic>-2</chromatic></transpose>"), "D4 -2");
    EXPECT_EQ(first("<transpose><diatonic>-5</diatonic><chromatic>-9</chromatic></transpose>"),
              "G3 -3");  // an E-flat alto saxophone
    // The second staff's transposition is not the first staff's.
    EXPECT_EQ(first("<transpose number=\"2\"><chromatic>-2</chromatic></transpose>"), "E4 0");

    // A transposition that changes without a new key changes the sounding key.
    const ImportedScore change = ReadDoc(Doc(
        Measure("<attributes><divisions>1</divisions><key><fifths>0</fifths></key></attributes>" +
                Note("C", 4, 4)) +
        Measure("<attributes><transpose><diatonic>-1</diatonic><chromatic>-2</chromatic>"
                "</transpose></attributes>" +
                    Note("C", 4, 4),
                "2")));
    EXPECT_EQ(change.fifths, 0);
    ASSERT_EQ(change.measures.size(), 2U);
    EXPECT_TRUE(change.measures[1].keyChange);
    EXPECT_EQ(change.measures[1].fifths, -2);
    ASSERT_FALSE(change.measures[1].notes.empty());
    EXPECT_EQ(Pitch(change.measures[1].notes[0].pitch), "Bb3");
}

TEST(MusicXmlReaderStructure, TitleAndComposerFromCreditsAndMovement) {
    const std::string body = Measure(std::string(kAttributes) + Note("C", 5, 8));
    ImportedScore s =
        ReadDoc(Doc(body,
                    "<credit page=\"1\"><credit-type>title</credit-type><credit-words> Song of\n"
                    "the River </credit-words></credit><credit><credit-type>composer</credit-type>"
                    "<credit-words>Hua Yanjun</credit-words></credit>"));
    EXPECT_EQ(s.title, "Song of\nthe River");
    EXPECT_EQ(s.composer, "Hua Yanjun");
    s = ReadDoc(Doc(body,
                    "<movement-title>Moon</movement-title><identification><creator "
                    "type=\"lyricist\">A</creator><creator type=\"composer\">B</creator>"
                    "</identification>"));
    EXPECT_EQ(s.title, "Moon");
    EXPECT_EQ(s.composer, "B");
}

TEST(MusicXmlReaderStructure, PartChoice) {
    const std::string xml =
        "<score-partwise><part id=\"P1\">" + Measure(std::string(kAttributes) + Rest(8)) +
        "</part><part id=\"P2\">" + Measure(std::string(kAttributes) + Note("G", 4, 8)) +
        "</part><part id=\"P3\">" + Measure(std::string(kAttributes) + Note("B", 4, 8)) +
        "</part></score-partwise>";
    MusicXmlReadResult r = ReadMusicXmlBytes(xml);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.score.partNumber, 2);  // the first part with notes
    EXPECT_EQ(r.score.partCount, 3);
    r = ReadMusicXmlBytes(xml, 3);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(Pitch(r.score.measures[0].notes[0].pitch), "B4");
    r = ReadMusicXmlBytes(xml, 4);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message.Japanese(), "パート 4 はありません（この楽譜のパートは 3 個です）。");
    r = ReadMusicXmlBytes("<score-partwise><part id=\"P1\">" + Measure(Rest(8)) +
                          "</part></score-partwise>");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message.Japanese(), "音符のあるパートがありません。");
}

}  // namespace
}  // namespace sorvel::interchange
