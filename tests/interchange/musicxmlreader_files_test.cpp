// SPDX-License-Identifier: GPL-3.0-or-later
// The MusicXML reader against real files written by other programs (facts
// checked by reading their XML), and hostile input — broken documents,
// missing files, bad archives, absurd numbers, deep nesting — that must end
// in a message, never a crash.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "interchange/musicxmlreader.h"
#include "musicxmlreaderdocs.h"

namespace sorvel::interchange {
namespace {

using namespace readerdocs;

std::string SamplePath(const std::string& name) {
    return std::string(SORVEL_SHARED_MUSICXML) + "/samples/" + name;
}

ImportedScore ReadSample(const std::string& name, int part = 0) {
    const MusicXmlReadResult r = ReadMusicXmlFile(SamplePath(name), part);
    EXPECT_TRUE(r.ok) << name << ": " << r.message;
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
    // A folder, a device and a pipe are no files to read, and say so at once.
    const std::string notAFile = "通常のファイルではないため読み込めません。";
    r = ReadMusicXmlFile(std::string(SORVEL_SHARED_MUSICXML) + "/samples");
    EXPECT_EQ(r.message.Japanese(), notAFile);
    EXPECT_EQ(ReadMusicXmlFile("/dev/zero").message.Japanese(), notAFile);
    const std::string fifo = "/tmp/sorvel-musicxml-fifo-" + std::to_string(getpid());
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    r = ReadMusicXmlFile(fifo);
    ::unlink(fifo.c_str());
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message.Japanese(), notAFile);
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
