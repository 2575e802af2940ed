// The MusicXML reader against real files written by other programs (facts
// checked by reading their XML), small documents for each rule, and hostile
// input that must end in a message, never a crash.
#include <gtest/gtest.h>
#include <zip.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "interchange/musicxmlreader.h"

namespace sorvel::interchange {
namespace {

std::string SamplePath(const std::string& name) {
    return std::string(SORVEL_SHARED_MUSICXML) + "/samples/" + name;
}

ImportedScore ReadSample(const std::string& name, int part = 0) {
    const MusicXmlReadResult r = ReadMusicXmlFile(SamplePath(name), part);
    EXPECT_TRUE(r.ok) << name << ": " << r.message;
    return r.score;
}

int LeftOut(const ImportedScore& s, const std::string& label) {
    for (const auto& [l, n] : s.leftOut) {
        if (l == label) return n;
    }
    return 0;
}

std::string Pitch(const XmlPitch& p) {
    std::string s(1, p.step);
    if (p.alter > 0) s += std::string(static_cast<size_t>(p.alter), '#');
    if (p.alter < 0) s += std::string(static_cast<size_t>(-p.alter), 'b');
    return s + std::to_string(p.octave);
}

// A small partwise document: one part of the given measures, 2 divisions to
// the quarter unless the measures say otherwise.
std::string Doc(const std::string& measures, const std::string& header = "") {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><score-partwise version=\"4.0\">" + header +
           "<part-list><score-part id=\"P1\"/></part-list><part id=\"P1\">" + measures +
           "</part></score-partwise>";
}

std::string Measure(const std::string& body, const std::string& number = "1") {
    return "<measure number=\"" + number + "\">" + body + "</measure>";
}

constexpr char kAttributes[] =
    "<attributes><divisions>2</divisions><key><fifths>0</fifths></key>"
    "<time><beats>4</beats><beat-type>4</beat-type></time></attributes>";

std::string Note(const std::string& step, int octave, int duration, const std::string& more = "") {
    return "<note><pitch><step>" + step + "</step><octave>" + std::to_string(octave) +
           "</octave></pitch><duration>" + std::to_string(duration) + "</duration>" + more +
           "</note>";
}

std::string Rest(int duration, const std::string& more = "") {
    return "<note><rest/><duration>" + std::to_string(duration) + "</duration>" + more + "</note>";
}

ImportedScore ReadDoc(const std::string& xml, int part = 0) {
    const MusicXmlReadResult r = ReadMusicXmlBytes(xml, part);
    EXPECT_TRUE(r.ok) << r.message;
    return r.score;
}

// The kept voice covers each measure from 0 to its length without gap or overlap.
void ExpectVoiceFillsMeasures(const ImportedScore& s, const std::string& what) {
    for (const ImportedMeasure& m : s.measures) {
        int end = 0;
        for (const ImportedNote& n : m.notes) {
            EXPECT_EQ(n.onset, end) << what << " measure " << m.number;
            EXPECT_GT(n.duration, 0) << what << " measure " << m.number;
            end = n.onset + n.duration;
            EXPECT_LE(n.gracesBefore.size(), 4u);
            std::string sorted = n.signs;
            std::sort(sorted.begin(), sorted.end());
            EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end())
                << what << ": a sign twice on one note";
        }
        EXPECT_EQ(end, m.length) << what << " measure " << m.number;
    }
}

// An in-memory zip archive of the given entries, written with libzip.
std::string Zip(const std::vector<std::pair<std::string, std::string>>& entries) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* out = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_source_keep(out);
    zip_t* archive = zip_open_from_source(out, ZIP_TRUNCATE, &error);
    for (const auto& [name, bytes] : entries) {
        zip_source_t* s = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
        zip_file_add(archive, name.c_str(), s, ZIP_FL_OVERWRITE);
    }
    zip_close(archive);
    std::string result;
    zip_stat_t st;
    zip_source_stat(out, &st);
    result.resize(st.size);
    zip_source_open(out);
    zip_source_read(out, result.data(), result.size());
    zip_source_close(out);
    zip_source_free(out);
    zip_error_fini(&error);
    return result;
}

constexpr char kContainer[] =
    "<?xml version=\"1.0\"?><container><rootfiles>"
    "<rootfile full-path=\"score/inner.musicxml\"/></rootfiles></container>";

// ---------------------------------------------------------------- real files

TEST(MusicXmlReaderSamples, HelloWorldIsOneWholeMiddleC) {
    const ImportedScore s = ReadSample("HelloWorld.xml");
    EXPECT_EQ(s.partCount, 1);
    ASSERT_EQ(s.measures.size(), 1u);
    const ImportedMeasure& m = s.measures[0];
    EXPECT_EQ(m.beats * 10 + m.beatType, 44);
    ASSERT_EQ(m.notes.size(), 1u);
    EXPECT_EQ(MidiOfPitch(m.notes[0].pitch), 60);
    EXPECT_EQ(m.notes[0].duration, 192);
    EXPECT_TRUE(s.leftOut.empty());
}

TEST(MusicXmlReaderSamples, BachAirFirstViolin) {
    const ImportedScore s = ReadSample("JohannSebastianBach_Air.xml");
    EXPECT_EQ(s.title, "Air");
    EXPECT_EQ(s.composer, "Johann Sebastian Bach");
    EXPECT_EQ(s.fifths, 2);
    EXPECT_EQ(s.tempo, 40);
    ASSERT_EQ(s.measures.size(), 19u);

    // A whole F#5 tied into a dotted eighth's worth: 64 divisions to the quarter.
    const ImportedNote& first = s.measures[0].notes[0];
    EXPECT_EQ(Pitch(first.pitch), "F#5");
    EXPECT_EQ(first.duration, 192);
    EXPECT_TRUE(first.tieToNext);
    const std::vector<ImportedNote>& m2 = s.measures[1].notes;
    ASSERT_EQ(m2.size(), 9u);
    EXPECT_EQ(m2[0].duration, 24);
    EXPECT_EQ(m2[1].onset, 24);
    // The slashed sixteenth grace before E5, and the eighth grace before A4
    // whose slur to A4 is the grace note's own.
    ASSERT_EQ(m2[3].gracesBefore.size(), 1u);
    EXPECT_EQ(Pitch(m2[3].gracesBefore[0].pitch), "F#5");
    EXPECT_EQ(m2[3].gracesBefore[0].underlines, 2);
    ASSERT_EQ(m2[8].gracesBefore.size(), 1u);
    EXPECT_EQ(Pitch(m2[8].gracesBefore[0].pitch), "B4");
    EXPECT_EQ(m2[8].gracesBefore[0].underlines, 1);
    EXPECT_EQ(m2[8].slurStarts + m2[8].slurStops, 0);

    // First and second time bars around the end repeat, then a start repeat.
    const ImportedMeasure& m6 = s.measures[5];
    EXPECT_EQ(m6.ending, 1);
    EXPECT_TRUE(m6.endingStart && m6.endingStop);
    EXPECT_EQ(m6.rightBar, 'g');
    EXPECT_EQ(s.measures[6].ending, 2);
    EXPECT_TRUE(s.measures[7].repeatForward);
    EXPECT_EQ(s.measures[18].rightBar, 'e');
    // The metronome mark written twice is no tempo change.
    for (const ImportedMeasure& m : s.measures) {
        for (const ImportedNote& n : m.notes) EXPECT_EQ(n.tempo, 0);
    }
    EXPECT_TRUE(s.leftOut.empty());
}

TEST(MusicXmlReaderSamples, DichterliebeVoiceAndPianoParts) {
    const ImportedScore voice = ReadSample("Dichterliebe01.xml");
    EXPECT_EQ(voice.partNumber, 1);
    EXPECT_EQ(voice.partCount, 2);
    EXPECT_EQ(voice.title, "Dichterliebe");  // the work title before the movement title
    EXPECT_EQ(voice.composer, "Robert Schumann");
    EXPECT_EQ(voice.fifths, 3);
    EXPECT_EQ(voice.tempo, 38);
    EXPECT_EQ(voice.tempoWords, "Langsam, zart");
    ASSERT_EQ(voice.measures.size(), 27u);
    EXPECT_EQ(voice.measures[0].number, "0");
    EXPECT_EQ(voice.measures[0].length, 12);  // the sixteenth upbeat
    const ImportedNote& firstSung = voice.measures[4].notes.back();
    EXPECT_EQ(Pitch(firstSung.pitch), "C#5");
    EXPECT_EQ(firstSung.onset, 84);
    EXPECT_EQ(firstSung.signs, "B");  // p
    EXPECT_EQ(voice.measures[5].notes[0].duration, 36);
    EXPECT_EQ(LeftOut(voice, "歌詞"), 58);

    const ImportedScore piano = ReadSample("Dichterliebe01.xml", 2);
    EXPECT_EQ(LeftOut(piano, "他の譜表の音"), 178);
    EXPECT_EQ(LeftOut(piano, "他の声部の音"), 57);
    EXPECT_EQ(LeftOut(piano, "他の譜表の記号"), 3);  // pedal marks of the left hand
}

TEST(MusicXmlReaderSamples, GounodMeditationMarks) {
    const ImportedScore s = ReadSample("CharlesGounod_Meditation.xml");
    EXPECT_EQ(s.title, "Méditation sur le premier Prélude de S. Bach");
    EXPECT_EQ(s.tempo, 80);
    EXPECT_EQ(s.tempoWords, "Andante Simplice.");
    ASSERT_EQ(s.measures.size(), 73u);
    int accents = 0;
    for (const ImportedMeasure& m : s.measures) {
        for (const ImportedNote& n : m.notes) accents += n.signs.find('x') != std::string::npos;
    }
    EXPECT_EQ(accents, 22);
    // The last note: p, a crescendo begun and ended under it, the fermata;
    // the diminuendo that follows under the same note cannot be kept.
    const ImportedNote& last = s.measures[72].notes.back();
    EXPECT_EQ(last.signs, "B)");
    EXPECT_EQ(last.wedgeStart, 'I');
    EXPECT_TRUE(last.wedgeStop);
    EXPECT_EQ(LeftOut(s, "対応していない記号 <wedge>"), 1);
    EXPECT_EQ(LeftOut(s, "文字"), 40);  // cresc., dim., molto. … but not the tempo words
}

TEST(MusicXmlReaderSamples, CompressedCorneliusSong) {
    const ImportedScore s = ReadSample("Cornelius_P_Christbaum_Opus_8_1_1865.mxl");
    EXPECT_EQ(s.partCount, 2);
    EXPECT_EQ(s.tempo, 90);  // dotted quarter = 60
    ASSERT_EQ(s.measures.size(), 53u);
    EXPECT_EQ(s.measures[0].beats, 6);
    EXPECT_EQ(s.measures[0].beatType, 8);
    EXPECT_EQ(s.measures[0].length, 24);
    EXPECT_EQ(Pitch(s.measures[4].notes.back().pitch), "D4");
    EXPECT_EQ(s.measures[52].rightBar, 'e');
    EXPECT_EQ(LeftOut(s, "歌詞"), 139);
}

TEST(MusicXmlReaderSamples, BarLineStyles) {
    const ImportedScore s = ReadSample("OSMD_function_test_bar_lines.musicxml");
    std::string bars;
    for (const ImportedMeasure& m : s.measures) bars += m.rightBar;
    EXPECT_EQ(bars, "cdccecccce");
    EXPECT_EQ(LeftOut(s, "対応していない記号 <bar-style>"), 2);  // dashed, dotted
}

TEST(MusicXmlReaderSamples, ExpressionsDynamicsWedgesChords) {
    const ImportedScore s = ReadSample("OSMD_function_test_expressions.musicxml");
    ASSERT_EQ(s.measures.size(), 10u);
    auto signs = [&](size_t m, size_t n) { return s.measures[m].notes[n].signs; };
    EXPECT_EQ(signs(0, 0), "@");  // ppp
    EXPECT_EQ(signs(0, 2), "B");  // p before the third quarter
    EXPECT_EQ(signs(7, 0), "H");  // sfz
    EXPECT_EQ(s.measures[3].notes[0].wedgeStart, 'J');
    EXPECT_TRUE(s.measures[3].notes[3].wedgeStop);
    EXPECT_EQ(s.measures[5].notes[3].wedgeStart, 'I');
    // The hairpin begun on the last quarter of measure 6 ends before the
    // fifth eighth of measure 7.
    EXPECT_TRUE(s.measures[6].notes[3].wedgeStop);
    EXPECT_FALSE(s.measures[6].notes[4].wedgeStop);
    // Chords keep their top note.
    EXPECT_EQ(Pitch(s.measures[6].notes[1].pitch), "F5");
    EXPECT_EQ(Pitch(s.measures[9].notes[0].pitch), "D5");
    EXPECT_EQ(LeftOut(s, "和音の音"), 3);
    EXPECT_EQ(LeftOut(s, "文字"), 3);  // Adagio, Presto, crescendo
    const ImportedMeasure& m10 = s.measures[9];
    EXPECT_EQ(m10.ending, 1);
    EXPECT_TRUE(m10.endingStart && m10.endingStop);
    EXPECT_EQ(m10.rightBar, 'e');
}

TEST(MusicXmlReaderSamples, YsayeGraceNotesFingersAndStrings) {
    const ImportedScore s =
        ReadSample("test_grace_note_fingerings_and_strings_Ysaye_excerpt.musicxml");
    ASSERT_EQ(s.measures.size(), 1u);
    const std::vector<ImportedNote>& notes = s.measures[0].notes;
    ASSERT_EQ(notes.size(), 12u);
    EXPECT_EQ(s.measures[0].length, 72);  // twelve thirty-seconds in 3/8
    const ImportedNote& e6 = notes[0];
    ASSERT_EQ(e6.gracesBefore.size(), 3u);
    EXPECT_EQ(Pitch(e6.gracesBefore[0].pitch), "G3");
    EXPECT_EQ(e6.gracesBefore[0].finger, 0);
    EXPECT_EQ(e6.gracesBefore[2].finger, 2);
    EXPECT_EQ(e6.signs, "SX");  // string 1, finger 4
    // The slur from the first grace note ends at E6; E6 begins the next one.
    EXPECT_EQ(e6.slurStarts, 1);
    EXPECT_EQ(e6.slurStops, 0);
    EXPECT_EQ(notes[11].slurStops, 1);
    EXPECT_EQ(notes[1].signs, "RV");  // string 2, finger 2
    EXPECT_EQ(notes[3].signs, "T");   // string 3 has no sign
    EXPECT_EQ(LeftOut(s, "対応していない弦の番号"), 3);
    EXPECT_EQ(LeftOut(s, "装飾音の記号 <string>"), 3);
}

TEST(MusicXmlReaderSamples, EveryPartIsListedWithItsNameForChoosing) {
    const ImportedScore song = ReadSample("Dichterliebe01.xml", 2);
    ASSERT_EQ(song.parts.size(), 2u);
    EXPECT_EQ(song.parts[0].name, "Voice");
    EXPECT_EQ(song.parts[1].name, "Piano");
    EXPECT_TRUE(song.parts[0].hasNotes && song.parts[1].hasNotes);
    EXPECT_EQ(ReadSample("HelloWorld.xml").parts.size(), 1u);
}

TEST(MusicXmlReaderSamples, EveryPartOfEverySampleFillsItsMeasures) {
    for (const char* name :
         {"HelloWorld.xml", "JohannSebastianBach_Air.xml", "Dichterliebe01.xml",
          "CharlesGounod_Meditation.xml", "Cornelius_P_Christbaum_Opus_8_1_1865.mxl",
          "OSMD_function_test_bar_lines.musicxml", "OSMD_function_test_expressions.musicxml",
          "test_grace_note_fingerings_and_strings_Ysaye_excerpt.musicxml"}) {
        const int parts = ReadSample(name).partCount;
        for (int p = 1; p <= parts; ++p) {
            ExpectVoiceFillsMeasures(ReadSample(name, p), name + (" part " + std::to_string(p)));
        }
    }
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

// ------------------------------------------------------------ hostile input

TEST(MusicXmlReaderHostile, NotXmlOrNotAPartwiseScore) {
    MusicXmlReadResult r = ReadMusicXmlBytes("");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message.Japanese().rfind("MusicXMLとして読み込めません（XMLの誤り: ", 0), 0u)
        << r.message;
    r = ReadMusicXmlBytes("<score-partwise><part id=\"P1\"><measure>");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.Japanese().find(" バイト目）。"), std::string::npos) << r.message;
    r = ReadMusicXmlBytes("\x89PNG\r\n\x1a\n");
    EXPECT_FALSE(r.ok);
    r = ReadMusicXmlBytes(
        "<score-timewise version=\"4.0\"><measure number=\"1\"/></score-timewise>");
    EXPECT_EQ(
        r.message.Japanese(),
        "タイムワイズ形式のMusicXMLには対応していません。パートワイズ形式で保存し直してください。");
    r = ReadMusicXmlBytes("<html><body>score</body></html>");
    EXPECT_EQ(r.message.Japanese(), "MusicXMLの楽譜ではありません。");
    r = ReadMusicXmlBytes(std::string(kMaxMusicXmlBytes + 1, ' '));
    EXPECT_EQ(r.message.Japanese(), "ファイルが大きすぎるため読み込めません。");
}

TEST(MusicXmlReaderHostile, FilesMissingOrUnreadable) {
    MusicXmlReadResult r = ReadMusicXmlFile(SamplePath("no-such-file.musicxml"));
    EXPECT_EQ(r.message.Japanese(), "指定されたファイルは見つかりません。");
    r = ReadMusicXmlFile(std::string(SORVEL_SHARED_MUSICXML) + "/samples");
    EXPECT_EQ(r.message.Japanese(), "ファイルを読み込めません。");
}

TEST(MusicXmlReaderHostile, CompressedArchives) {
    const std::string score = Doc(Measure(std::string(kAttributes) + Note("E", 4, 8)));
    // The score named by the container, else the first .musicxml outside META-INF.
    MusicXmlReadResult r = ReadMusicXmlBytes(Zip({{"META-INF/container.xml", kContainer},
                                                  {"other.xml", "<x/>"},
                                                  {"score/inner.musicxml", score}}));
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(Pitch(r.score.measures[0].notes[0].pitch), "E4");
    r = ReadMusicXmlBytes(Zip({{"META-INF/other.xml", "<x/>"}, {"a/b.MusicXML", score}}));
    EXPECT_TRUE(r.ok) << r.message;

    const std::string noScore = "圧縮MusicXML（.mxl）の中に楽譜が見つかりません。";
    EXPECT_EQ(ReadMusicXmlBytes(Zip({{"readme.txt", "hello"}})).message.Japanese(), noScore);
    EXPECT_EQ(ReadMusicXmlBytes(Zip({{"META-INF/container.xml", kContainer}})).message.Japanese(),
              noScore);
    EXPECT_EQ(ReadMusicXmlBytes("PK\x03\x04 not really an archive").message.Japanese(), noScore);
    std::string cut = Zip({{"score.musicxml", score}});
    cut.resize(cut.size() / 2);
    EXPECT_FALSE(ReadMusicXmlBytes(cut).ok);

    // A bomb: zeros that inflate beyond the limit from a small archive.
    const std::string zeros(kMaxMusicXmlBytes + 1, '\0');
    const std::string bomb = Zip({{"score.musicxml", zeros}});
    EXPECT_LT(bomb.size(), 1u << 20);
    EXPECT_EQ(ReadMusicXmlBytes(bomb).message.Japanese(),
              "ファイルが大きすぎるため読み込めません。");
    // The same entry declaring a small size: the inflated bytes are counted.
    std::string lying = bomb;
    const char small[4] = {16, 0, 0, 0};
    std::memcpy(lying.data() + 22, small, 4);  // local header's uncompressed size
    const size_t central = lying.find("PK\x01\x02");
    ASSERT_NE(central, std::string::npos);
    std::memcpy(lying.data() + central + 24, small, 4);
    EXPECT_EQ(ReadMusicXmlBytes(lying).message.Japanese(),
              "ファイルが大きすぎるため読み込めません。");

    std::vector<std::pair<std::string, std::string>> many;
    for (int i = 0; i <= 10000; ++i) many.emplace_back("f" + std::to_string(i), "");
    EXPECT_EQ(ReadMusicXmlBytes(Zip(many)).message.Japanese(),
              "ファイルが大きすぎるため読み込めません。");
}

TEST(MusicXmlReaderHostile, AbsurdNumbersStayBounded) {
    const std::string body =
        "<attributes><divisions>0</divisions></attributes>" + Note("C", 5, 1) +
        "<attributes><divisions>-4</divisions></attributes>" + Note("D", 5, 1) +
        "<attributes><divisions>1e400</divisions></attributes>" +
        "<note><pitch><step>H</step><alter>NaN</alter><octave>-9999</octave></pitch>"
        "<duration>1</duration></note>" +
        "<backup><duration>99999999999999999999999</duration></backup>" +
        "<forward><duration>99999999999999999999999</duration></forward>" +
        "<attributes><time><beats>2147483648</beats><beat-type>-1</beat-type></time>"
        "<key><fifths>99</fifths></key><measure-style><multiple-rest>1000000000</multiple-rest>"
        "</measure-style></attributes>";
    const ImportedScore s = ReadDoc(Doc(Measure(body)));
    const ImportedMeasure& m = s.measures[0];
    EXPECT_EQ(m.notes[0].duration, 48);  // divisions 0, -4 and 1e400 are ignored: still 1
    EXPECT_EQ(m.notes[1].onset, 48);
    EXPECT_TRUE(m.notes[2].rest);
    EXPECT_EQ(m.length, 1024 * 48);  // the forward stops at the bound of a measure
    EXPECT_EQ(s.fifths, 7);
    EXPECT_EQ(m.beats, 999);
    EXPECT_EQ(m.beatType, 0);
    EXPECT_EQ(m.multiRest, 9999);
    EXPECT_EQ(LeftOut(s, "読めない音の高さ"), 1);
    ExpectVoiceFillsMeasures(s, "absurd numbers");
}

TEST(MusicXmlReaderHostile, DeepNestingAndEntities) {
    std::string deep;
    for (int i = 0; i < 100000; ++i) deep += "<notations>";
    MusicXmlReadResult r = ReadMusicXmlBytes(Doc(Measure(Note("C", 5, 2, deep))));
    EXPECT_FALSE(r.ok);  // unclosed: an XML error, after a deep but flat parse
    std::string closedDeep = deep;
    for (int i = 0; i < 100000; ++i) closedDeep += "</notations>";
    r = ReadMusicXmlBytes(Doc(Measure(Note("C", 5, 2, closedDeep))));
    EXPECT_TRUE(r.ok) << r.message;

    // Entities declared by the document are never expanded.
    std::string laughs = "<?xml version=\"1.0\"?><!DOCTYPE score-partwise [<!ENTITY lol0 \"lol\">";
    for (int i = 1; i < 10; ++i) {
        laughs += "<!ENTITY lol" + std::to_string(i) + " \"";
        for (int j = 0; j < 10; ++j) laughs += "&lol" + std::to_string(i - 1) + ";";
        laughs += "\">";
    }
    laughs +=
        "<!ENTITY ext SYSTEM \"file:///etc/passwd\">]><score-partwise><work><work-title>"
        "&lol9;&ext;</work-title></work><part id=\"P1\">" +
        Measure(std::string(kAttributes) + Note("C", 5, 8)) + "</part></score-partwise>";
    r = ReadMusicXmlBytes(laughs);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_LT(r.score.title.size(), 100u);
    EXPECT_EQ(r.score.title.find("root"), std::string::npos);
}

}  // namespace
}  // namespace sorvel::interchange
