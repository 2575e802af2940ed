// SPDX-License-Identifier: GPL-3.0-or-later
// The marks the MusicXML reader takes from small documents: notations that
// become signs, fingers and strings of bowed parts, slides, directions and
// hairpins at the notes they belong to, and the jumps and repeats (coda, D.S.,
// D.C., Fine, implied start repeats, endings) with the notes that carry them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "interchange/musicxmlreader.h"
#include "musicxmlreaderdocs.h"

namespace sorvel::interchange {
namespace {

using namespace readerdocs;

// ------------------------------------------------------------------- marks

TEST(MusicXmlReaderMarks, NotationsBecomeSignsOnce) {
    const ImportedScore s = ReadDoc(Doc(Measure(
        std::string(kAttributes) +
        Note("C", 5, 2,
             "<notations><fermata/><fermata type=\"inverted\"/><articulations><staccato/>"
             "<tenuto/><strong-accent/></articulations><technical><up-bow/><string>2</string>"
             "<fingering>0</fingering><harmonic/></technical><ornaments><trill-mark/>"
             "<wavy-line type=\"start\"/></ornaments></notations>") +
        Note("D", 5, 2,
             "<notations><ornaments><tremolo type=\"single\">3</tremolo><other-ornament>"
             "vibrato</other-ornament></ornaments><technical><down-bow/><string>4</string>"
             "</technical></notations>") +
        Note("E", 5, 2,
             "<notations><ornaments><tremolo type=\"start\">2</tremolo><mordent/></ornaments>"
             "<articulations><breath-mark/><tenuto/></articulations></notations>") +
        Note("F", 5, 2, "<notations><arpeggiate/><dynamics><sf/></dynamics></notations>"))));
    const std::vector<ImportedNote>& n = s.measures[0].notes;
    // Dynamics, bowing, string, finger, technique, ornaments, articulations, fermata;
    // the wavy line stands for the trill sign.
    EXPECT_EQ(n[0].signs, "QRTo\\rx)");
    EXPECT_EQ(n[1].signs, "Pzw");
    EXPECT_EQ(n[2].signs, "pt");
    EXPECT_EQ(n[3].signs, "H");
    EXPECT_EQ(LeftOut(s, "対応していない記号 <tenuto>"), 2);
    EXPECT_EQ(LeftOut(s, "対応していない記号 <tremolo>"), 1);
    EXPECT_EQ(LeftOut(s, "対応していない記号 <arpeggiate>"), 1);
    EXPECT_EQ(LeftOut(s, "対応していない弦の番号"), 1);
}

TEST(MusicXmlReaderMarks, FingersAndStringsOnlyFromBowedParts) {
    // One note with finger 1 and string 2 and a grace note with finger 2, in
    // a part described by the given score-part contents.
    const auto read = [](const std::string& scorePart) {
        const std::string measure = Measure(
            std::string(kAttributes) +
            "<note><grace/><pitch><step>D</step><octave>5</octave></pitch><type>eighth</type>"
            "<notations><technical><fingering>2</fingering></technical></notations></note>" +
            Note("C", 5, 8,
                 "<notations><technical><fingering>1</fingering><string>2</string>"
                 "</technical></notations>"));
        return ReadDoc("<score-partwise version=\"4.0\"><part-list><score-part id=\"P1\">" +
                       scorePart + "</score-part></part-list><part id=\"P1\">" + measure +
                       "</part></score-partwise>");
    };
    const auto instrument = [](const std::string& sound) {
        return "<score-instrument id=\"I1\"><instrument-name>x</instrument-name>"
               "<instrument-sound>" +
               sound + "</instrument-sound></score-instrument>";
    };
    const auto kept = [](const ImportedScore& s) {
        const ImportedNote& n = s.measures.at(0).notes.at(0);
        return n.signs == "RU" && n.gracesBefore.size() == 1 && n.gracesBefore[0].finger == 2 &&
               s.leftOut.empty();
    };
    const auto leftOut = [](const ImportedScore& s) {
        const ImportedNote& n = s.measures.at(0).notes.at(0);
        return n.signs.empty() && n.gracesBefore.size() == 1 && n.gracesBefore[0].finger == -1 &&
               LeftOut(s, "擦弦楽器でないパートの指番号") == 2 &&
               LeftOut(s, "擦弦楽器でないパートの弦の番号") == 1;
    };
    // Bowed by the instrument sound, whatever the name says.
    EXPECT_TRUE(kept(read("<part-name>Melody</part-name>" + instrument("strings.violin"))));
    EXPECT_TRUE(kept(read("<part-name>Solo</part-name>" + instrument("strings.erhu"))));
    EXPECT_TRUE(leftOut(read("<part-name>Piano</part-name>" + instrument("keyboard.piano"))));
    EXPECT_TRUE(leftOut(read("<part-name>Violin?</part-name>" + instrument("pluck.guitar"))));
    // Without a sound, by the part name.
    EXPECT_TRUE(kept(read("<part-name>Violoncello</part-name>")));
    EXPECT_TRUE(kept(read("<part-name>二胡</part-name>")));
    EXPECT_TRUE(kept(read("<part-name>ERHU 1</part-name>")));
    EXPECT_TRUE(leftOut(read("<part-name>Guitar</part-name>")));
    EXPECT_TRUE(leftOut(read("<part-name>Electric Bass</part-name>")));
    // A part that says nothing of its instrument keeps them.
    EXPECT_TRUE(kept(read("<part-name></part-name>")));
}

TEST(MusicXmlReaderMarks, SlidesAndGlissandosTakeTheirDirection) {
    const ImportedScore s = ReadDoc(Doc(
        Measure(std::string(kAttributes) +
                Note("C", 5, 1, "<notations><slide type=\"start\"/></notations>") +
                Note("E", 5, 1,
                     "<notations><slide type=\"stop\"/><glissando type=\"start\" number=\"2\"/>"
                     "</notations>") +
                Note("A", 4, 2, "<notations><glissando type=\"stop\" number=\"2\"/></notations>") +
                Note("G", 4, 2, "<notations><articulations><scoop/></articulations></notations>") +
                Note("F", 4, 2, "<notations><articulations><plop/></articulations></notations>"))));
    const std::vector<ImportedNote>& n = s.measures[0].notes;
    EXPECT_EQ(n[0].slideIn, 0);
    EXPECT_EQ(n[1].slideIn, '^');
    EXPECT_EQ(n[2].slideIn, '|');  // a glissando down
    EXPECT_EQ(n[3].slideIn, '^');
    EXPECT_EQ(n[4].slideIn, '_');
}

TEST(MusicXmlReaderMarks, DirectionsStandAtTheNoteOfTheirOnset) {
    auto direction = [](const std::string& types, const std::string& more = "") {
        return "<direction><direction-type>" + types + "</direction-type>" + more + "</direction>";
    };
    const ImportedScore s = ReadDoc(Doc(
        Measure(std::string(kAttributes) +
                direction("<words>Allegro</words><metronome><beat-unit>half</beat-unit>"
                          "<per-minute>60</per-minute></metronome>") +
                direction("<segno/>") + Note("C", 5, 2) +
                direction("<coda/>", "<offset>1</offset>") + Note("D", 5, 2) + Note("E", 5, 2) +
                "<forward><duration>2</duration></forward>" +
                direction("<words>D.C. al Fine</words>")) +
        Measure(direction("<words>rit.</words><words>con espressione</words>") +
                    direction("<metronome><beat-unit>quarter</beat-unit><beat-unit-dot/>"
                              "<per-minute>c. 50</per-minute></metronome>") +
                    direction("<dynamics><mf/><other-dynamics>mp sub.</other-dynamics></dynamics>",
                              "<staff>2</staff>") +
                    Note("F", 5, 6) + direction("<wedge type=\"crescendo\"/>") +
                    direction("", "<sound fine=\"yes\"/>") + Note("G", 5, 2),
                "2")));
    EXPECT_EQ(s.tempo, 120);
    EXPECT_EQ(s.tempoWords, "Allegro");
    const std::vector<ImportedNote>& m1 = s.measures[0].notes;
    EXPECT_EQ(m1[0].signs, "j");
    EXPECT_EQ(m1[1].signs, "");
    EXPECT_EQ(m1[2].signs, "l");  // an eighth after D5 begins: at E5
    // No note after it: at the last, a gap rest, where that ends.
    EXPECT_EQ(m1[3].signsAtEnd, "m");
    EXPECT_TRUE(m1[3].rest);
    const std::vector<ImportedNote>& m2 = s.measures[1].notes;
    EXPECT_EQ(m2[0].signs, "n");
    EXPECT_EQ(m2[0].tempo, 75);  // dotted quarter 50
    EXPECT_EQ(m2[1].wedgeStart, 'I');
    EXPECT_EQ(m2[1].signsAtEnd, "i");
    EXPECT_EQ(LeftOut(s, "文字"), 1);
    EXPECT_EQ(LeftOut(s, "他の譜表の記号"), 1);
}

TEST(MusicXmlReaderMarks, HairpinEndingOnADownbeatEndsAtTheNoteBefore) {
    const ImportedScore s = ReadDoc(Doc(
        Measure(std::string(kAttributes) +
                "<direction><direction-type><wedge type=\"diminuendo\"/>"
                "</direction-type></direction>" +
                Note("C", 5, 4) + Note("D", 5, 4)) +
        Measure("<direction><direction-type><wedge type=\"stop\"/></direction-type></direction>" +
                    Note("E", 5, 8),
                "2")));
    EXPECT_EQ(s.measures[0].notes[0].wedgeStart, 'J');
    EXPECT_TRUE(s.measures[0].notes[1].wedgeStop);
    EXPECT_FALSE(s.measures[1].notes[0].wedgeStop);
}

// ---------------------------------------------------------------- jumps

std::string Direction(const std::string& types, const std::string& more = "") {
    return "<direction><direction-type>" + types + "</direction-type>" + more + "</direction>";
}

TEST(MusicXmlReaderJumps, ToCodaComesFromItsSoundOrItsWordsAndTheCodaFromItsSign) {
    const ImportedScore s = ReadDoc(
        Doc(Measure(std::string(kAttributes) + Note("D", 5, 8) +
                    Direction("<words>To Coda</words>", "<sound tocoda=\"coda\"/>")) +
            Measure(Note("E", 5, 4) +
                        "<direction><direction-type><words>To Coda</words></direction-type>"
                        "<direction-type><coda/></direction-type></direction>" +
                        Note("F", 5, 4),
                    "2") +
            Measure(Note("G", 5, 8) + "<sound tocoda=\"coda\"/>", "3") +
            Measure(Direction("<coda/>", "<sound coda=\"coda\"/>") + Note("A", 5, 8), "4")));
    const std::vector<ImportedMeasure>& m = s.measures;
    // Where the play leaves for the coda: at the end of its note.
    EXPECT_EQ(m[0].notes[0].signsAtEnd, "l");
    EXPECT_EQ(m[0].notes[0].signs, "");
    EXPECT_EQ(m[1].notes[1].signsAtEnd, "l");  // the coda sign beside the words is the mark's
    EXPECT_EQ(m[1].notes[1].signs, "");
    EXPECT_EQ(m[2].notes[0].signsAtEnd, "l");
    // The coda itself, where the play goes on.
    EXPECT_EQ(m[3].notes[0].signs, "l");
    EXPECT_EQ(m[3].notes[0].signsAtEnd, "");
    EXPECT_EQ(LeftOut(s, "文字"), 0);
}

TEST(MusicXmlReaderJumps, JumpsStandWithTheNoteWhoseEndTheyMark) {
    const ImportedScore s = ReadDoc(
        Doc(Measure(std::string(kAttributes) + Direction("<words>D.S. al Coda</words>") +
                    Note("C", 5, 8)) +
            Measure(Note("D", 5, 4) + "<sound dalsegno=\"segno\"/>" + Note("E", 5, 4), "2") +
            Measure("<sound dacapo=\"yes\"/>" + Note("F", 5, 8), "3") +
            Measure(Direction("<words>Fine</words>", "<offset>2</offset>") + Note("G", 5, 6) +
                        Note("A", 5, 2),
                    "4")));
    const std::vector<ImportedMeasure>& m = s.measures;
    // Words over a held note: the jump waits for its end.
    EXPECT_EQ(m[0].notes[0].signsAtEnd, "k");
    EXPECT_EQ(m[0].notes[0].signs, "");
    // A sound standing after a note acts where that note ends, not at the
    // next; one at a measure's start, where the measure before it ends.
    EXPECT_EQ(m[1].notes[0].signsAtEnd, "k");
    EXPECT_EQ(m[1].notes[1].signsAtEnd, "m");
    EXPECT_EQ(m[2].notes[0].signsAtEnd, "");
    // A quarter into a held note: at that note, not the one after it.
    EXPECT_EQ(m[3].notes[0].signsAtEnd, "i");
    EXPECT_EQ(m[3].notes[1].signsAtEnd, "");
}

TEST(MusicXmlReaderJumps, ImpliedStartRepeats) {
    const std::string ending1 =
        "<barline location=\"left\"><ending number=\"1\" type=\"start\"/></barline>";
    const ImportedScore s = ReadDoc(
        Doc(Measure(std::string(kAttributes) + Note("C", 5, 8) +
                    "<barline><repeat direction=\"backward\"/></barline>") +
            Measure("<sound forward-repeat=\"yes\"/>" + Note("D", 5, 8), "2") +
            Measure("<sound forward-repeat=\"yes\"/><barline location=\"left\">"
                    "<repeat direction=\"forward\"/></barline>" +
                        Note("E", 5, 8),
                    "3") +
            Measure(ending1 + Note("F", 5, 8) +
                        "<barline><ending number=\"1\" type=\"stop\"/>"
                        "<repeat direction=\"backward\"/></barline>",
                    "4") +
            Measure("<barline location=\"left\"><ending number=\"2\" type=\"start\"/></barline>" +
                        Note("G", 5, 8) +
                        "<barline><ending number=\"2\" type=\"discontinue\"/></barline>",
                    "5") +
            Measure(Note("A", 5, 8), "6") +
            Measure(Note("B", 5, 8) + "<barline><repeat direction=\"backward\"/></barline>", "7")));
    const std::vector<ImportedMeasure>& m = s.measures;
    EXPECT_TRUE(m[1].repeatForward);
    EXPECT_TRUE(m[1].repeatForwardImplied);
    EXPECT_TRUE(m[2].repeatForward);
    EXPECT_FALSE(m[2].repeatForwardImplied);  // the bar line shows it
    // The backward repeat after the endings goes back to where they end.
    EXPECT_TRUE(m[5].repeatForward);
    EXPECT_TRUE(m[5].repeatForwardImplied);
    EXPECT_FALSE(m[4].repeatForward);
    EXPECT_FALSE(m[6].repeatForward);
}

TEST(MusicXmlReaderJumps, TheMusicAfterAFirstEndingIsTheSecondEnding) {
    const ImportedScore s = ReadDoc(
        Doc(Measure(std::string(kAttributes) +
                    "<barline location=\"left\"><repeat direction=\"forward\"/></barline>" +
                    Note("C", 5, 8)) +
            Measure("<barline location=\"left\"><ending number=\"1\" type=\"start\"/></barline>" +
                        Note("D", 5, 8) +
                        "<barline><ending number=\"1\" type=\"stop\"/>"
                        "<repeat direction=\"backward\"/></barline>",
                    "2") +
            Measure(Note("E", 5, 8), "3") + Measure(Note("F", 5, 8), "4") +
            Measure("<barline location=\"left\"><ending number=\"1\" type=\"start\"/></barline>" +
                        Note("G", 5, 8) +
                        "<barline><ending number=\"1\" type=\"stop\"/>"
                        "<repeat direction=\"backward\"/></barline>",
                    "5") +
            Measure("<barline location=\"left\"><ending number=\"2\" type=\"start\" "
                    "print-object=\"no\"/></barline>" +
                        Note("A", 5, 8),
                    "6")));
    const std::vector<ImportedMeasure>& m = s.measures;
    EXPECT_EQ(m[2].ending, 2);
    EXPECT_TRUE(m[2].endingStart && m[2].endingStop && m[2].endingHidden);
    EXPECT_EQ(m[3].ending, 0);
    EXPECT_FALSE(m[1].endingHidden);
    // Written as an ending that is not printed: the same.
    EXPECT_EQ(m[5].ending, 2);
    EXPECT_TRUE(m[5].endingHidden);
}

}  // namespace
}  // namespace sorvel::interchange
