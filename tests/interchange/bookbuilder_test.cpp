// The book an imported part becomes: numerals, dashes and rests in their
// slots, bars sharing rows, marks on their notes, and playback that sounds
// the staff score's pitches at its onsets.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/cp932.h"
#include "importedbook.h"
#include "interchange/bookbuilder.h"
#include "interchange/musicxmlreader.h"
#include "model/daon.h"
#include "model/glyphcodes.h"
#include "model/majorkey.h"
#include "model/musicbook.h"
#include "model/musicmark.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/tempo.h"
#include "model/workspace.h"
#include "playback/conversion/keyoffset.h"
#include "playback/offline/offlineplay.h"

namespace sorvel::interchange {
namespace {

XmlPitch P(char step, int octave, int alter = 0) {
    return {step, alter, octave};
}

// A measure written note by note, each starting where the last ended.
class MeasureText {
public:
    explicit MeasureText(int beats = 0, int beatType = 0) {
        m_.beats = beats;
        m_.beatType = beatType;
    }
    MeasureText& N(XmlPitch p, int ticks, const std::string& signs = {}) {
        ImportedNote n;
        n.onset = time_;
        n.duration = ticks;
        n.pitch = p;
        n.signs = signs;
        m_.notes.push_back(n);
        time_ += ticks;
        m_.length = time_;
        return *this;
    }
    MeasureText& R(int ticks) {
        N({}, ticks);
        m_.notes.back().rest = true;
        return *this;
    }
    ImportedNote& Last() { return m_.notes.back(); }
    ImportedMeasure& M() { return m_; }

private:
    ImportedMeasure m_;
    int time_ = 0;
};

// The symbols of a page in reading order as text: numerals with their
// underlines (_), dots (.), octave (' or ,) and accidental (#/b), bar lines,
// time signatures.
std::string Symbols(const TMusicSheet& page) {
    std::string text;
    for (int i = 0; i < page.ItemCount(); ++i) {
        const TMusicItem* item = page.GetItem(i);
        if (!item->IsSymbol()) continue;
        if (!text.empty()) text += ' ';
        if (const TNote* n = item->As<TNote>()) {
            if (n->Rinji() == "`") text += '#';
            if (n->Rinji() == "a") text += 'b';
            text += n->Content();
            text += std::string(static_cast<size_t>(n->Length()), '_');
            if (n->Futen()) text += '.';
            if (n->Octave() > 0) text += std::string(static_cast<size_t>(n->Octave()), '\'');
            if (n->Octave() < 0) text += std::string(static_cast<size_t>(-n->Octave()), ',');
        } else {
            text += item->Content();
        }
    }
    return text;
}

class BookBuilderTest : public ::testing::Test, protected TWorkspace {
protected:
    BookBuilderTest() { NewBook(); }

    TMusicBook& Build(const std::string& fallback = "曲") {
        built = BuildBook(score, env, fallback);
        book = std::move(built.book);
        return *book;
    }
    TMusicSheet& Page(int i = 0) { return *book->GetSheet(i); }
    std::vector<TNote*> Notes(int pageIndex = 0) {
        std::vector<TNote*> notes;
        for (int i = 0; i < Page(pageIndex).ItemCount(); ++i) {
            if (TNote* n = Page(pageIndex).GetItem(i)->As<TNote>()) notes.push_back(n);
        }
        return notes;
    }
    int Slot(const TMusicItem& item) {
        const TMusicSheet& p = item.Sheet();
        return (item.PosX() - p.LeftSpace()) / p.GridSize();
    }
    int Row(const TMusicItem& item) {
        const TMusicSheet& p = item.Sheet();
        return (item.PosY() - p.TopSpace() - p.TitleHeight() - p.RowInterval() / 2) /
               p.RowInterval();
    }
    int LeftOut(const std::string& label) const {
        for (const auto& [name, count] : built.leftOut) {
            if (name == label) return count;
        }
        return 0;
    }

    ImportedScore score;
    BuiltBook built;
};

TEST_F(BookBuilderTest, AMelodyInFourFourBecomesNumeralsDashesAndRestsInTheirSlots) {
    score.title = "茉莉花";
    score.composer = "民謡";
    score.fifths = 2;  // D major
    score.tempo = 72;
    score.tempoWords = "中速";
    MeasureText m1(4, 4);
    m1.N(P('F', 4, 1), 48).N(P('A', 4), 24).N(P('B', 4), 24).N(P('D', 5), 72).N(P('E', 5), 24);
    MeasureText m2;
    m2.N(P('A', 4), 96).R(48).N(P('D', 4), 48);
    MeasureText m3;
    m3.R(192);
    score.measures = {m1.M(), m2.M(), m3.M()};
    Build();

    EXPECT_EQ(Symbols(Page()), "$ 3 5_ 6_ 1.' 2_' c 5 8 0 1 c 0 0 0 0 c");
    EXPECT_EQ(cp932::ToUtf8(Page().Title()), "茉莉花");
    EXPECT_EQ(cp932::ToUtf8(Page().Writer()), "民謡");
    EXPECT_EQ(cp932::ToUtf8(Page().KeyCode()), "１＝Ｄ　（１５弦）");
    EXPECT_EQ(Page().PlayCount(), 72);
    EXPECT_EQ(cp932::ToUtf8(Page().PlaySpeed()), "中速");
    // Slots in proportion to time: a quarter takes two of a bar's eight.
    const std::vector<TNote*> notes = Notes();
    std::vector<int> slots;
    for (TNote* n : notes) slots.push_back(Slot(*n));
    EXPECT_EQ(slots, (std::vector<int>{1, 3, 4, 5, 8, 10, 12, 14, 16, 19, 21, 23, 25}));
    EXPECT_EQ(built.notes, 7);
    EXPECT_EQ(built.measures, 3);
    EXPECT_TRUE(built.leftOut.empty());
}

TEST_F(BookBuilderTest, AnUntitledScoreTakesTheFileName) {
    score.measures = {MeasureText(2, 4).N(P('C', 4), 96).M()};
    Build("Air");
    EXPECT_EQ(Page().Title(), "Air");
}

TEST_F(BookBuilderTest, TextsInAnyScriptKeepEveryCharacter) {
    score.title = "Méditation – Prélude";
    score.composer = "Charles-François Gounod";
    score.measures = {MeasureText(2, 4).N(P('C', 4), 96).M()};
    Build();
    EXPECT_EQ(cp932::ToUtf8(Page().Title()), "Méditation – Prélude");
    EXPECT_EQ(cp932::ToUtf8(Page().Writer()), "Charles-François Gounod");

    score.title = "二泉映月 아리랑 🎻";
    score.composer = "أغنية شعبية";
    score.tempoWords = "慢速 – 刘天华";
    Build();
    EXPECT_EQ(cp932::ToUtf8(Page().Title()), "二泉映月 아리랑 🎻");
    EXPECT_EQ(cp932::ToUtf8(Page().Writer()), "أغنية شعبية");
    EXPECT_EQ(cp932::ToUtf8(Page().PlaySpeed()), "慢速 – 刘天华");
    EXPECT_EQ(Page().Title().find('?'), std::string::npos);
}

TEST_F(BookBuilderTest, PitchesAreDegreesOfTheKeyWithAccidentalsAndOctaveDots) {
    score.fifths = -2;  // B flat major
    MeasureText m(4, 4);
    m.N(P('B', 4, -1), 24)
        .N(P('A', 4), 24)
        .N(P('E', 4), 24)
        .N(P('E', 4, -1), 24)
        .N(P('F', 5, 1), 24)
        .N(P('C', 6), 24)
        .N(P('G', 3), 24)
        .N(P('B', 3, -1), 24);
    score.measures = {m.M()};
    Build();
    EXPECT_EQ(Symbols(Page()), "$ 1_ 7_, #4_, 4_, #5_ 2_' 6_,, 1_, c");
}

TEST_F(BookBuilderTest, EveryMajorKeyGetsAKeyTextThatPlaysInThatKey) {
    EXPECT_EQ(cp932::ToUtf8(KeyCodeOfFifths(0)), "１＝Ｃ　（２６弦）");
    EXPECT_EQ(cp932::ToUtf8(KeyCodeOfFifths(1)), "１＝Ｇ　（５２弦）");
    EXPECT_EQ(cp932::ToUtf8(KeyCodeOfFifths(-1)), "１＝Ｆ　（６３弦）");
    EXPECT_EQ(cp932::ToUtf8(KeyCodeOfFifths(3)), "１＝Ａ　（４１弦）");
    EXPECT_EQ(cp932::ToUtf8(KeyCodeOfFifths(-2)), "１＝♭Ｂ（３７弦）");
    EXPECT_EQ(cp932::ToUtf8(KeyCodeOfFifths(-3)), "１＝♭Ｅ（弦）");
    EXPECT_EQ(cp932::ToUtf8(KeyCodeOfFifths(4)), "１＝Ｅ　（弦）");
    EXPECT_EQ(cp932::ToUtf8(KeyCodeOfFifths(-4)), "１＝♭Ａ（弦）");
    EXPECT_EQ(cp932::ToUtf8(KeyCodeOfFifths(6)), "１＝♯Ｆ（弦）");
    for (int fifths = -7; fifths <= 7; ++fifths) {
        const std::string text = KeyCodeOfFifths(fifths);
        EXPECT_EQ(KeyOffset(text), TonicOfFifths(fifths).semitone) << fifths;
        EXPECT_EQ(FifthsOfKeyCode(text), fifths);
    }
    EXPECT_EQ(KeyOffset(cp932::FromUtf8("ハ長調")), 2);
    EXPECT_FALSE(FifthsOfKeyCode(cp932::FromUtf8("１＝Ｄ（１５弦）")));
}

TEST_F(BookBuilderTest, TiesJoinInsideABarAndBecomeArcsAcrossIt) {
    MeasureText m1(4, 4);
    m1.N(P('C', 5), 48).N(P('E', 5), 48).N(P('G', 5), 48);
    m1.Last().tieToNext = true;
    m1.N(P('G', 5), 48);
    m1.Last().tieToNext = true;
    MeasureText m2;
    m2.N(P('G', 5), 24).N(P('A', 5), 168);
    score.measures = {m1.M(), m2.M()};
    Build();
    EXPECT_EQ(Symbols(Page()), "$ 1' 3' 5' 8 c 5_' 6' 8 8 6_' c");
    // One arc from the dash before the bar line to the note after it, and
    // one over the repeated 6 that a numeral and dashes cannot hold.
    std::vector<TSlur*> slurs;
    for (int i = 0; i < Page().ItemCount(); ++i) {
        if (auto* s = Page().GetItem(i)->As<TSlur>()) slurs.push_back(s);
    }
    ASSERT_EQ(slurs.size(), 2u);
    const std::vector<TNote*> notes = Notes();
    EXPECT_TRUE(slurs[0]->IsLinkedTo(notes[3]) || slurs[1]->IsLinkedTo(notes[3]));
}

TEST_F(BookBuilderTest, ABarTooFullForItsShareGetsMoreRoomAndTheRowFewerBars) {
    MeasureText dense;
    for (int i = 0; i < 16; ++i) dense.N(P('D', 5), 12);
    MeasureText plain;
    plain.N(P('C', 5), 192);
    score.measures = {plain.M(), dense.M(), plain.M(), plain.M(), plain.M()};
    Build();
    std::vector<int> rows;
    std::vector<TMusicItem*> bars;
    for (int i = 0; i < Page().ItemCount(); ++i) {
        TMusicItem* item = Page().GetItem(i);
        if (item->Class() == ItemClass::BarLine) bars.push_back(item);
    }
    ASSERT_EQ(bars.size(), 5u);
    // 9 slots for the first bar, 17 for the sixteenths; the third still fits
    // (slot 35), the fourth moves to the next row.
    EXPECT_EQ(Slot(*bars[0]), 9);
    EXPECT_EQ(Slot(*bars[1]), 26);
    EXPECT_EQ(Slot(*bars[2]), 35);
    EXPECT_EQ(Row(*bars[3]), 1);
    EXPECT_EQ(Slot(*bars[3]), 9);
    // The sixteenths stand one slot apart.
    const std::vector<TNote*> notes = Notes();
    for (int i = 4; i < 19; ++i) EXPECT_EQ(Slot(*notes[i + 1]) - Slot(*notes[i]), 1);
}

TEST_F(BookBuilderTest, RowsRunOverIntoUntitledPagesThatContinueThePiece) {
    score.title = "Long";
    MeasureText bar(3, 4);
    bar.N(P('A', 4), 48).N(P('B', 4), 48).N(P('C', 5), 48);
    MeasureText next;
    next.N(P('A', 4), 48).N(P('B', 4), 48).N(P('C', 5), 48);
    score.measures.push_back(bar.M());
    for (int i = 0; i < 40; ++i) score.measures.push_back(next.M());
    Build();
    ASSERT_EQ(book->SheetCount(), 2);  // 8 rows of 4 bars on page 1
    EXPECT_EQ(Page(1).Title(), "");
    EXPECT_EQ(Page(1).KeyCode(), "");
    EXPECT_EQ(Notes(1).size(), 9u * 3);
}

TEST_F(BookBuilderTest, TripletsGetAMarkOnEveryThirdNumeralAndTheirLengths) {
    MeasureText m(2, 4);
    for (int i = 0; i < 3; ++i) {
        m.N(P('E', 5), 16);
        m.Last().triplet = true;
    }
    m.N(P('G', 5), 48);
    score.measures = {m.M()};
    Build();
    const std::vector<TNote*> notes = Notes();
    ASSERT_EQ(notes.size(), 4u);
    int marks = 0;
    for (TMusicItem* link : notes[0]->Links()) marks += link->Class() == ItemClass::Ren3;
    EXPECT_EQ(marks, 1);
    EXPECT_EQ(notes[0]->StepTime, 16);
    EXPECT_EQ(notes[2]->StepTime, 16);
    EXPECT_EQ(notes[3]->StepTime, 48);
}

TEST_F(BookBuilderTest, MarksHangOnTheirNotesWhereTheEditorWouldPutThem) {
    MeasureText m(4, 4);
    m.N(P('D', 5), 48, "PUE");
    m.Last().slideIn = '^';
    m.Last().tempo = 96;
    GraceNote g;
    g.pitch = P('E', 5);
    g.underlines = 2;
    g.finger = 2;
    m.Last().gracesBefore = {g};
    m.N(P('E', 5), 48, "Q");
    m.Last().slurStarts = 1;
    m.Last().wedgeStart = 'I';
    m.N(P('F', 5), 48);
    m.N(P('G', 5), 48);
    m.Last().slurStops = 1;
    m.Last().wedgeStop = true;
    score.measures = {m.M()};
    Build();
    const std::vector<TNote*> notes = Notes();
    std::map<std::string, TMusicItem*> on0;
    for (TMusicItem* link : notes[0]->Links()) on0[link->Content()] = link;
    ASSERT_EQ(on0.size(), 6u);
    // Bowings above their note, dynamics below, the slide before it.
    EXPECT_LT(on0["P"]->PosY(), notes[0]->PosY());
    EXPECT_GT(on0["E"]->PosY(), notes[0]->PosY());
    EXPECT_LT(on0["^"]->PosX(), notes[0]->PosX());
    EXPECT_EQ(on0["^"]->PosY(), notes[0]->PosY());
    EXPECT_EQ(on0["/"]->As<TTempo>()->Tempo(), 96);
    const TDaon* daon = on0["K"]->As<TDaonLeft>();
    ASSERT_NE(daon, nullptr);
    EXPECT_EQ(daon->AllNoteData(), "34V 3  3  3 ");
    EXPECT_EQ(daon->Length(), 2);
    TMusicItem* slur = nullptr;
    TMusicItem* hairpin = nullptr;
    for (TMusicItem* link : notes[1]->Links()) {
        if (link->Class() == ItemClass::Slur) slur = link;
        if (link->Class() == ItemClass::Cresc) hairpin = link;
    }
    ASSERT_TRUE(slur && hairpin);
    EXPECT_EQ(slur->PosX() + slur->Width(), notes[3]->PosX());
    EXPECT_EQ(hairpin->Content(), "I");
    EXPECT_EQ(hairpin->PosX() + hairpin->Width(), notes[3]->PosX());
}

TEST_F(BookBuilderTest, WhatTheBookCannotHoldIsCounted) {
    MeasureText m(5, 4);
    m.N(P('C', 5), 240);
    MeasureText k;
    k.M().keyChange = true;
    k.M().fifths = 1;
    k.N(P('C', 5), 240);
    score.measures = {m.M(), k.M()};
    score.leftOut = {{"和音の音", 3}};
    Build();
    EXPECT_EQ(Symbols(Page()), "1' 8 8 8 8 c 1' 8 8 8 8 c");
    EXPECT_EQ(LeftOut("和音の音"), 3);
    EXPECT_EQ(LeftOut("この形式にない拍子 5/4"), 1);
    EXPECT_EQ(LeftOut("調号の変更（臨時記号で書きました）"), 1);
}

// ---- playback of the built book -------------------------------------------

using testbook::NoteOnSink;

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
    EXPECT_EQ(Symbols(Page()), "$ #2 b2 2' 2 c");
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
    EXPECT_EQ(Symbols(Page()).substr(0, 4), std::string(1, CodeOfMeter(2, 4)) + " M ");
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
    EXPECT_EQ(Symbols(Page()), "$ 1' 8 8 8 g 2' 8 8 8 c 3' 8 8 8 g");
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
