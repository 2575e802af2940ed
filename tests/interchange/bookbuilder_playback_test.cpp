// SPDX-License-Identifier: GPL-3.0-or-later
// Playback of the book an imported part becomes: it sounds the staff score's
// pitches at their onsets in every key, in real files of other programs, over
// ties and opening multi-bar rests, and plays repeats, endings, D.S., D.C.,
// Fine and codas in the order the staff score gives.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "bookbuilderfixture.h"
#include "importedbook.h"
#include "interchange/musicxmlreader.h"
#include "model/glyphcodes.h"
#include "playback/offline/offlineplay.h"

namespace sorvel::interchange {
namespace {

using namespace bookfixture;
using testbook::NoteOnSink;
using testbook::SymbolsOf;

class ImportPlaybackTest : public BookBuilderTest {
protected:
    // Plays the built book and gives each sounded note with its onset in
    // ticks from the first one.
    std::vector<std::pair<int, int>> Played() {
        NoteOnSink sink;
        OfflinePlay play(Page(), prefs);
        play.Run(sink);
        std::vector<std::pair<int, int>> played;
        for (const auto& [note, tick] : sink.ons) {
            played.emplace_back(note, tick - sink.ons.front().second);
        }
        return played;
    }
    // What the staff score sounds: each note not continued by a tie, with
    // its onset from the first note.
    std::vector<std::pair<int, int>> Expected() {
        std::vector<std::pair<int, int>> expected;
        int barStart = 0;
        bool tied = false;
        for (const ImportedMeasure& m : score.measures) {
            for (const ImportedNote& n : m.notes) {
                if (!n.rest && !tied)
                    expected.emplace_back(MidiOfPitch(n.pitch), barStart + n.onset);
                tied = n.tieToNext;
            }
            barStart += m.length;
        }
        const int first = expected.empty() ? 0 : expected.front().second;
        for (auto& e : expected) e.second -= first;
        return expected;
    }
};

TEST_F(ImportPlaybackTest, TheBookSoundsTheStaffPitchesAtTheirOnsetsInEveryKey) {
    const XmlPitch tune[] = {P('D', 4),     P('F', 4, 1),  P('A', 4),    P('B', 4, -1),
                             P('C', 5, 1),  P('E', 5),     P('G', 5, 1), P('B', 5),
                             P('E', 4, -1), P('A', 5, -1), P('D', 6),    P('F', 5)};
    const int lengths[] = {48, 24, 24, 72, 24, 96, 48, 12, 12, 24, 48, 144};
    for (int fifths : {0, 2, -2, 5, -6, 7}) {
        SCOPED_TRACE(fifths);
        score = {};
        score.fifths = fifths;
        score.tempo = 120;
        MeasureText m(4, 4);
        int inBar = 0, index = 0;
        std::vector<ImportedMeasure> measures;
        for (int round = 0; round < 2; ++round) {
            for (int i = 0; i < 12; ++i, ++index) {
                const int len = lengths[i];
                if (inBar + len > 192) {
                    m.R(192 - inBar);
                    measures.push_back(m.M());
                    m = MeasureText();
                    inBar = 0;
                }
                m.N(tune[(i + round * 5) % 12], len);
                inBar += len;
            }
        }
        m.R(192 - inBar);
        measures.push_back(m.M());
        score.measures = measures;
        Build();
        EXPECT_EQ(Played(), Expected());
    }
}

TEST_F(ImportPlaybackTest, RealScoresOfOtherProgramsPlayTheirOwnPitchesAndOnsets) {
    for (const char* name : {"JohannSebastianBach_Air.xml", "CharlesGounod_Meditation.xml",
                             "Dichterliebe01.xml", "Cornelius_P_Christbaum_Opus_8_1_1865.mxl"}) {
        SCOPED_TRACE(name);
        MusicXmlReadResult read =
            ReadMusicXmlFile(std::string(SORVEL_SHARED_MUSICXML "/samples/") + name);
        ASSERT_TRUE(read.ok) << read.message;
        score = read.score;
        // Repeats would replay bars; the walk is tested on its own.
        for (ImportedMeasure& m : score.measures) {
            m.repeatForward = false;
            m.ending = 0;
            if (m.rightBar == 'g') m.rightBar = 'c';
        }
        Build();
        const auto played = Played(), expected = Expected();
        ASSERT_GT(expected.size(), 20u);
        EXPECT_EQ(played, expected);
    }
}

TEST_F(ImportPlaybackTest, AlterationsBeyondADoubleSharpSoundTheirOwnPitch) {
    // C triple sharp, E triple flat, B triple sharp and F triple flat in C
    // major: each sounds its own MIDI note and is spelled by the degree of
    // that pitch, with the one accidental a numeral can carry.
    std::string notes;
    for (const auto& [step, alter] :
         std::vector<std::pair<std::string, int>>{{"C", 3}, {"E", -3}, {"B", 3}, {"F", -3}}) {
        notes += "<note><pitch><step>" + step + "</step><alter>" + std::to_string(alter) +
                 "</alter><octave>4</octave></pitch><duration>1</duration></note>";
    }
    const MusicXmlReadResult read = ReadMusicXmlBytes(
        "<score-partwise><part-list><score-part id=\"P1\"/></part-list><part id=\"P1\">"
        "<measure number=\"1\"><attributes><divisions>1</divisions><key><fifths>0</fifths>"
        "</key><time><beats>4</beats><beat-type>4</beat-type></time></attributes>" +
        notes + "</measure></part></score-partwise>");
    ASSERT_TRUE(read.ok) << read.message;
    score = read.score;
    score.tempo = 120;
    Build();
    const std::vector<std::pair<int, int>> sounding = {{63, 0}, {61, 48}, {74, 96}, {62, 144}};
    EXPECT_EQ(Played(), sounding);
    EXPECT_EQ(SymbolsOf(Page()), "$ #2 b2 2' 2 c");
}

TEST_F(ImportPlaybackTest, ATieAcrossABarLineSoundsOnce) {
    score.tempo = 120;
    MeasureText m1(2, 4);
    m1.N(P('A', 4), 48).N(P('C', 5), 48);
    m1.Last().tieToNext = true;
    MeasureText m2;
    m2.N(P('C', 5), 48).N(P('D', 5), 48);
    score.measures = {m1.M(), m2.M()};
    Build();
    EXPECT_EQ(Played(), (std::vector<std::pair<int, int>>{{69, 0}, {72, 48}, {74, 144}}));
}

TEST_F(ImportPlaybackTest, AMultiBarRestThatOpensThePieceRestsBarsOfItsOwnMeter) {
    // Two bars of 2/4 rest, then a note: the rest's measure sets the meter,
    // so the silence lasts two bars of two beats, not of four.
    const auto firstOnset = [this](bool withRest) {
        score = {};
        score.tempo = 120;
        MeasureText rest(2, 4), rest2, tune(withRest ? 0 : 2, 4);
        rest.R(96);
        rest.M().multiRest = 2;
        rest2.R(96);
        tune.N(P('C', 5), 96);
        score.measures = withRest ? std::vector<ImportedMeasure>{rest.M(), rest2.M(), tune.M()}
                                  : std::vector<ImportedMeasure>{tune.M()};
        Build();
        NoteOnSink sink;
        OfflinePlay play(Page(), prefs);
        play.Run(sink);
        return sink.ons.empty() ? -1LL : static_cast<long long>(sink.ons.front().second);
    };
    const long long plain = firstOnset(false);
    const long long rested = firstOnset(true);
    EXPECT_EQ(rested - plain, 2 * 96);
    EXPECT_EQ(SymbolsOf(Page()).substr(0, 4), std::string(1, CodeOfMeter(2, 4)) + " M ");
}

TEST_F(ImportPlaybackTest, RepeatsAndEndingsPlayInTheirOrder) {
    score.tempo = 120;
    MeasureText a(2, 4), b, c;
    a.N(P('C', 5), 96);
    a.M().repeatForward = true;
    b.N(P('D', 5), 96);
    b.M().ending = 1;
    b.M().endingStart = b.M().endingStop = true;
    b.M().rightBar = 'g';
    c.N(P('E', 5), 96);
    c.M().ending = 2;
    c.M().endingStart = c.M().endingStop = true;
    c.M().rightBar = 'e';
    score.measures = {a.M(), b.M(), c.M()};
    Build();
    std::vector<int> notes;
    for (const auto& [note, tick] : Played()) notes.push_back(note);
    EXPECT_EQ(notes, (std::vector<int>{72, 74, 72, 76}));
}

// ---------------------------------------------------------------- jumps and repeats

// Imports a one-part document in 4/4 with a quarter note per division.
class ImportedJumpsTest : public ImportPlaybackTest {
protected:
    void Import(const std::string& measures) {
        const MusicXmlReadResult read = ReadMusicXmlBytes(
            "<score-partwise><part-list><score-part id=\"P1\"/></part-list><part id=\"P1\">" +
            measures + "</part></score-partwise>");
        ASSERT_TRUE(read.ok) << read.message;
        score = read.score;
        score.tempo = 120;
        Build();
    }
    static std::string M(int number, const std::string& body) {
        std::string attributes;
        if (number == 1)
            attributes =
                "<attributes><divisions>1</divisions><time><beats>4</beats>"
                "<beat-type>4</beat-type></time></attributes>";
        return "<measure number=\"" + std::to_string(number) + "\">" + attributes + body +
               "</measure>";
    }
    // A whole note of C major's `step` in the octave above middle C.
    static std::string Whole(char step) {
        return std::string("<note><pitch><step>") + step +
               "</step><octave>5</octave></pitch><duration>4</duration></note>";
    }
    static std::string Words(const std::string& words, const std::string& sound = "") {
        return "<direction><direction-type><words>" + words + "</words></direction-type>" + sound +
               "</direction>";
    }
    static constexpr char kStartRepeat[] =
        "<barline location=\"left\"><repeat direction=\"forward\"/></barline>";
    static constexpr char kEndRepeat[] =
        "<barline location=\"right\"><repeat direction=\"backward\"/></barline>";
    static std::string Ending(int number, const char* type) {
        const bool start = std::string(type) == "start";
        return std::string("<barline location=\"") + (start ? "left" : "right") +
               "\"><ending number=\"" + std::to_string(number) + "\" type=\"" + type + "\"/>" +
               (std::string(type) == "stop" ? "<repeat direction=\"backward\"/>" : "") +
               "</barline>";
    }
    // The steps played, in order.
    std::string Steps() {
        std::string steps;
        for (const auto& [note, tick] : Played()) {
            static constexpr char kSteps[] = "C?D?EF?G?A?B";
            steps += kSteps[note % 12];
        }
        return steps;
    }
};

TEST_F(ImportedJumpsTest, DalSegnoAlCodaLeavesAtTheToCodaForTheCoda) {
    const std::string segno =
        "<direction><direction-type><segno/></direction-type><sound segno=\"s\"/></direction>";
    const std::string coda =
        "<direction><direction-type><coda/></direction-type><sound coda=\"c\"/></direction>";
    // The To Coda as other programs write it: words and a sound, words and
    // the coda sign, a sound alone.
    for (const std::string& toCoda :
         {Words("To Coda", "<sound tocoda=\"c\"/>"),
          std::string("<direction><direction-type><words>To Coda</words></direction-type>"
                      "<direction-type><coda/></direction-type></direction>"),
          std::string("<sound tocoda=\"c\"/>")}) {
        SCOPED_TRACE(toCoda);
        Import(M(1, Whole('C')) + M(2, segno + Whole('D')) + M(3, Whole('E') + toCoda) +
               M(4, Whole('F') + Words("D.S. al Coda", "<sound dalsegno=\"s\"/>")) +
               M(5, coda + Whole('G')));
        EXPECT_EQ(Steps(), "CDEFDEG");
    }
}

// A To Coda stands where the jump is taken: written at a measure's start
// (as Noteflight writes "to coda"), the play leaves at the bar line before it
// and that measure is not played again.
TEST_F(ImportedJumpsTest, AToCodaAtAMeasuresStartLeavesBeforeThatMeasure) {
    const std::string segno = "<direction><direction-type><segno/></direction-type></direction>";
    const std::string coda = "<direction><direction-type><coda/></direction-type></direction>";
    for (const std::string& toCoda : {Words("to coda"), std::string("<sound tocoda=\"c\"/>"),
                                      Words("To Coda", "<sound tocoda=\"c\"/>")}) {
        SCOPED_TRACE(toCoda);
        Import(M(1, segno + Whole('C')) + M(2, toCoda + Whole('D')) +
               M(3, Whole('E') + Words("D.S. al Coda")) + M(4, coda + Whole('F')));
        EXPECT_EQ(Steps(), "CDECF");
    }
}

TEST_F(ImportedJumpsTest, AJumpOverAHeldNoteWaitsForItsEnd) {
    const std::string segno = "<direction><direction-type><segno/></direction-type></direction>";
    // Fine and D.S. written at the start of whole notes, as programs place them.
    Import(M(1, segno + Whole('C')) + M(2, Words("Fine") + Whole('D')) +
           M(3, Words("D.S. al Fine") + Whole('E')) + M(4, Whole('F')));
    EXPECT_EQ(Played(), (std::vector<std::pair<int, int>>{
                            {72, 0}, {74, 192}, {76, 384}, {72, 576}, {74, 768}}));
}

TEST_F(ImportedJumpsTest, AnEndRepeatAfterEndingsGoesBackToWhereTheyEnd) {
    Import(M(1, kStartRepeat + Whole('C')) +
           M(2, Ending(1, "start") + Whole('D') + Ending(1, "stop")) +
           M(3, Ending(2, "start") + Whole('E') + Ending(2, "discontinue")) + M(4, Whole('F')) +
           M(5, Whole('G') + kEndRepeat) + M(6, Whole('A')));
    EXPECT_EQ(Steps(), "CDCEFGFGA");
}

TEST_F(ImportedJumpsTest, AnImpliedStartRepeatIsWhereTheRepeatGoesBack) {
    Import(M(1, Whole('C')) + M(2, "<sound forward-repeat=\"yes\"/>" + Whole('D')) +
           M(3, Whole('E') + kEndRepeat) + M(4, Whole('F')));
    EXPECT_EQ(Steps(), "CDEDEF");
    // After an end repeat the book's bar line already says it.
    Import(M(1, Whole('C') + kEndRepeat) + M(2, "<sound forward-repeat=\"yes\"/>" + Whole('D')) +
           M(3, Whole('E') + kEndRepeat));
    EXPECT_EQ(Steps(), "CCDEDE");
    EXPECT_EQ(SymbolsOf(Page()), "$ 1' 8 8 8 g 2' 8 8 8 c 3' 8 8 8 g");
}

TEST_F(ImportedJumpsTest, AFirstEndingWithoutASecondIsSkippedOnTheRepeat) {
    Import(M(1, kStartRepeat + Whole('C')) +
           M(2, Ending(1, "start") + Whole('D') + Ending(1, "stop")) + M(3, Whole('E')) +
           M(4, Whole('F')));
    EXPECT_EQ(Steps(), "CDCEF");
    // The music after it starts a repeat of its own.
    Import(M(1, kStartRepeat + Whole('C')) +
           M(2, Ending(1, "start") + Whole('D') + Ending(1, "stop")) +
           M(3, kStartRepeat + Whole('E') + kEndRepeat) + M(4, Whole('F')));
    EXPECT_EQ(Steps(), "CDCEEF");
    // Or a repeat of its own without a start repeat: back to where the
    // ending ended.
    Import(M(1, kStartRepeat + Whole('C')) +
           M(2, Ending(1, "start") + Whole('D') + Ending(1, "stop")) +
           M(3, Whole('E') + kEndRepeat) + M(4, Whole('F')));
    EXPECT_EQ(Steps(), "CDCEEF");
}

// A real file: a first ending closed by a backward repeat with no start
// repeat before it goes back to the beginning; the second ending follows.
TEST_F(ImportedJumpsTest, TheBachAirRepeatsFromItsBeginningIntoItsSecondEnding) {
    const MusicXmlReadResult read =
        ReadMusicXmlFile(SORVEL_SHARED_MUSICXML "/samples/JohannSebastianBach_Air.xml");
    ASSERT_TRUE(read.ok) << read.message;
    ASSERT_EQ(read.score.measures.size(), 19u);
    // What it sounds with the repeat written out: bars 1–6, 1–5, 7–19.
    score = read.score;
    score.measures.clear();
    std::vector<size_t> order;
    for (size_t i = 0; i < 6; ++i) order.push_back(i);
    for (size_t i = 0; i < 5; ++i) order.push_back(i);
    for (size_t i = 6; i < 19; ++i) order.push_back(i);
    for (size_t i : order) {
        ImportedMeasure m = read.score.measures[i];
        m.repeatForward = false;
        m.ending = 0;
        m.rightBar = 'c';
        score.measures.push_back(m);
    }
    const auto expected = Expected();
    score = read.score;
    score.tempo = 120;
    Build();
    EXPECT_EQ(Played(), expected);
}

}  // namespace
}  // namespace sorvel::interchange
