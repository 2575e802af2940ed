// SPDX-License-Identifier: GPL-3.0-or-later
// The play of a piece as a MIDI file: every message the sequencer sends lands
// in its tick, tempo as Set Tempo events, transposition by the key, repeats
// followed, the metronome track only on request.
#include <cstdlib>

#include "model/daon.h"
#include "offlinefixture.h"

namespace sorvel::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Expected {
    std::uint32_t tick;
    Bytes bytes;
};

std::vector<Expected> Events(const std::vector<SmfEvent>& track) {
    std::vector<Expected> out;
    for (const SmfEvent& e : track) out.push_back({e.tick, e.bytes});
    return out;
}

bool operator==(const Expected& a, const Expected& b) {
    return a.tick == b.tick && a.bytes == b.bytes;
}

void PrintTo(const Expected& e, std::ostream* os) {
    *os << e.tick << ":";
    for (std::uint8_t b : e.bytes) *os << " " << std::hex << int{b} << std::dec;
}

std::string MetaText(const SmfEvent& e) {
    return std::string(e.bytes.begin() + 2, e.bytes.end());
}

std::vector<std::uint32_t> TempoValues(const std::vector<SmfEvent>& conductor) {
    std::vector<std::uint32_t> values;
    for (const SmfEvent& e : conductor)
        if (e.IsMeta(0x51)) values.push_back((e.bytes[2] << 16) | (e.bytes[3] << 8) | e.bytes[4]);
    return values;
}

TEST_F(OfflineTest, EveryMessageOfTwoQuarterNotesInItsTick) {
    Score("12");
    const SmfFile file = Export();
    EXPECT_TRUE(result.finished);
    EXPECT_TRUE(result.Warnings().empty());
    EXPECT_EQ(file.format, 1);
    EXPECT_EQ(file.division, 48);
    ASSERT_EQ(file.tracks.size(), 2u);

    // 120 beats a minute: a tick of 10 417 µs, 500 016 µs a quarter.
    const std::vector<Expected> conductor = {
        {0, {0xFF, 0x03, 'P', 'i', 'e', 'c', 'e'}},
        {0, {0xFF, 0x58, 4, 2, 24, 8}},
        {0, {0xFF, 0x51, 0x07, 0xA1, 0x30}},
        {97, {0xFF, 0x2F}},
    };
    EXPECT_EQ(Events(file.tracks[0]), conductor);

    // Set-up at tick 0 (controllers reset, program 0, then the instrument), the
    // tempo event and the one-tick start silence, two notes of gate 38 a
    // quarter apart, all sound off when the play ends.
    const std::vector<Expected> melody = {
        {0, {0xFF, 0x03, 'M', 'e', 'l', 'o', 'd', 'y'}},
        {0, {0xB0, 121, 0}},
        {0, {0xC0, 0}},
        {0, {0xC0, 71}},
        {1, {0x90, 60, 80}},
        {39, {0x90, 60, 0}},
        {49, {0x90, 62, 80}},
        {87, {0x90, 62, 0}},
        {97, {0xB0, 120, 0}},
        {97, {0xFF, 0x2F}},
    };
    EXPECT_EQ(Events(file.tracks[1]), melody);
    EXPECT_EQ(result.ticks, 98u);
}

TEST_F(OfflineTest, FileTimeMatchesTheTimeEachMessageWasSent) {
    std::vector<TNote*> n = Score("1234|5671|2");
    TempoMark(*n[2], 60, 0);
    TempoMark(*n[6], 200, 0);
    const SmfFile file = Export();
    ASSERT_EQ(file.tracks.size(), 2u);
    // Each change takes effect from the tick after the note that carries it,
    // as the sequencer times it.
    EXPECT_EQ(TempoValues(file.tracks[0]),
              (std::vector<std::uint32_t>{10417 * 48, 20833 * 48, 6250 * 48}));

    std::vector<const SmfEvent*> messages;
    for (const SmfEvent& e : file.tracks[1])
        if (e.bytes[0] != 0xFF) messages.push_back(&e);
    std::vector<SentMessage> melodySent;
    for (const SentMessage& s : sent)
        if (s.Channel() == 0) melodySent.push_back(s);
    ASSERT_EQ(messages.size(), melodySent.size());
    for (std::size_t i = 0; i < messages.size(); ++i) {
        const SmfEvent& e = *messages[i];
        std::uint32_t packed = 0;
        for (std::size_t b = 0; b < e.bytes.size(); ++b)
            packed |= std::uint32_t{e.bytes[b]} << (8 * b);
        EXPECT_EQ(packed, melodySent[i].message) << "message " << i;
        // File tick 0 is the start of the play. The sequencer runs a tick at the
        // millisecond nearest its due time; the first one, due at the start, at
        // the first millisecond stepped.
        const std::int64_t fileMicros = SmfMicros(file.tracks[0], file.division, e.tick);
        const std::int64_t sentMicros = melodySent[i].millis * 1000;
        if (e.tick == 0) {
            EXPECT_LE(sentMicros, 1000) << "message " << i;
        } else {
            EXPECT_LE(std::abs(sentMicros - fileMicros), 505)
                << "message " << i << " at tick " << e.tick;
        }
    }
}

TEST_F(OfflineTest, TheKeyTransposesTheMelodyButNotTheMetronome) {
    Score("1234");
    const SmfFile inC = Export(true);
    page->SetKeyCode(kKeyD);
    const SmfFile inD = Export(true);
    ASSERT_EQ(inC.tracks.size(), 3u);
    ASSERT_EQ(inD.tracks.size(), 3u);
    EXPECT_EQ(NoteOns(inC.tracks[1]), (std::vector<int>{60, 62, 64, 65}));
    EXPECT_EQ(NoteOns(inD.tracks[1]), (std::vector<int>{62, 64, 66, 67}));
    EXPECT_EQ(NoteOns(inD.tracks[2]), NoteOns(inC.tracks[2]));
}

// Later pages of a piece leave key and tempo empty: exporting from any page
// of the piece gives the file of its first page.
TEST_F(OfflineTest, EveryPageOfAPieceExportsTheSameFile) {
    TMusicSheet* second = book->NewSheet();
    TMusicSheet* third = book->NewSheet();
    Score("12|");
    N("3", 0, second);
    N("4", 0, third);
    const SmfFile fromFirst = Export(true);
    ASSERT_EQ(fromFirst.tracks.size(), 3u);
    EXPECT_EQ(NoteOns(fromFirst.tracks[1]), (std::vector<int>{60, 62, 64, 65}));
    EXPECT_EQ(TempoValues(fromFirst.tracks[0]), (std::vector<std::uint32_t>{500016}));
    for (TMusicSheet* from : {second, third}) {
        const SmfFile file = Export(true, from);
        ASSERT_EQ(file.tracks.size(), fromFirst.tracks.size());
        for (size_t t = 0; t < file.tracks.size(); ++t)
            EXPECT_EQ(Events(file.tracks[t]), Events(fromFirst.tracks[t])) << "track " << t;
    }
}

// A later page in another key sounds in that key, whichever page the file is
// exported from.
TEST_F(OfflineTest, APageInAnotherKeySoundsInItsKey) {
    page->SetKeyCode(kKeyD);
    TMusicSheet* second = book->NewSheet();
    second->SetKeyCode(cp932::FromUtf8("１＝Ｇ　（５２弦）"));
    Score("12|");
    N("3", 0, second);
    N("4", 0, second);
    for (TMusicSheet* from : {page, second}) {
        EXPECT_EQ(NoteOns(Export(false, from).tracks.at(1)), (std::vector<int>{62, 64, 71, 72}));
    }
}

// The expressive file holds the marks as MIDI events: the bend range first,
// a slide's bends before its note, a grace note before the beat, a trill's
// notes, the velocity of f and a crescendo's expression controllers.
TEST_F(OfflineTest, ExpressiveMarksAreMidiEvents) {
    std::vector<TNote*> n = Score("1235");
    Mark(*n[0], "E");  // f
    TCresc* cresc = Mark<TCresc>(*n[0], "I");
    cresc->SetWidth(n[1]->PosX() - n[0]->PosX());
    Mark(*n[1], "[");  // trill
    Mark(*n[3], "^");  // slide up
    Mark<TDaonLeft>(*n[2], "K")->SetAllNoteData("63  3  3  3 ");
    const SmfFile plain = Export();
    expressive = true;
    const SmfFile file = Export();
    const std::vector<SmfEvent>& melody = file.tracks.at(1);
    auto bytesAt = [&](std::size_t i) { return Events(melody)[i].bytes; };
    // After the set-up at tick 0: RPN 0 = 12 semitones, full expression, centre.
    EXPECT_EQ(bytesAt(4), (Bytes{0xB0, 101, 0}));
    EXPECT_EQ(bytesAt(6), (Bytes{0xB0, 6, 12}));
    EXPECT_EQ(bytesAt(10), (Bytes{0xB0, 11, 127}));
    EXPECT_EQ(bytesAt(11), (Bytes{0xE0, 0, 64}));
    // Trill on 2: 62 64 62. Grace 6 (69) before 3 (tick 97).
    EXPECT_EQ(NoteOns(melody), (std::vector<int>{60, 62, 64, 62, 69, 64, 67}));
    // f (94) swells one level to ff (107) over 1 and 2 and stays there; each
    // note is struck as loud as it gets, ornament notes 10 lighter.
    std::vector<int> velocities;
    std::vector<std::uint32_t> onsets;
    int bends = 0, expression = 0;
    for (const SmfEvent& e : melody) {
        if (e.IsNoteOn()) {
            velocities.push_back(e.bytes[2]);
            onsets.push_back(e.tick);
        }
        if (e.bytes[0] == 0xE0) ++bends;
        if (e.bytes[0] == 0xB0 && e.bytes[1] == 11) ++expression;
    }
    EXPECT_EQ(velocities, (std::vector<int>{100, 107, 97, 97, 97, 107, 107}));
    EXPECT_EQ(onsets, (std::vector<std::uint32_t>{1, 49, 61, 73, 91, 97, 145}));
    EXPECT_GE(bends, 1 + 7);
    EXPECT_GE(expression, 1 + 4);
    // The slide's first bend (from 3, a minor third below) comes just before 5 sounds.
    for (std::size_t i = 1; i < melody.size(); ++i) {
        if (melody[i].IsNoteOn() && melody[i].bytes[1] == 67) {
            EXPECT_EQ(melody[i - 1].bytes, (Bytes{0xE0, 0x00, 0x30}));
            EXPECT_EQ(melody[i - 1].tick, 145u);
        }
    }
    // Both files last equally long.
    EXPECT_EQ(plain.tracks.at(0).back().tick, file.tracks.at(0).back().tick);
}

TEST_F(OfflineTest, RepeatIsPlayedTwice) {
    Score("[12:3");
    EXPECT_EQ(NoteOns(Export().tracks.at(1)), (std::vector<int>{60, 62, 60, 62, 64}));
}

TEST_F(OfflineTest, DaCapoReturnsToTheStartAndEndsAtFine) {
    std::vector<TNote*> n = Score("12|34");
    Mark(*n[1], "i");  // fine
    Mark(*n[3], "m");  // D.C.
    const SmfFile file = Export();
    EXPECT_EQ(NoteOns(file.tracks.at(1)), (std::vector<int>{60, 62, 64, 65, 60, 62}));
    // Six quarters, one after the other.
    std::vector<std::uint32_t> ticks;
    for (const SmfEvent& e : file.tracks[1])
        if (e.IsNoteOn()) ticks.push_back(e.tick);
    EXPECT_EQ(ticks, (std::vector<std::uint32_t>{1, 49, 97, 145, 193, 241}));
}

TEST_F(OfflineTest, MetronomeTrackOnlyOnRequest) {
    Score("1234|5");
    const SmfFile plain = Export(false);
    ASSERT_EQ(plain.tracks.size(), 2u);
    for (const auto& track : plain.tracks)
        for (const SmfEvent& e : track) EXPECT_TRUE(e.bytes[0] == 0xFF || (e.bytes[0] & 0x0F) == 0);

    const SmfFile withClicks = Export(true);
    ASSERT_EQ(withClicks.tracks.size(), 3u);
    EXPECT_EQ(Events(withClicks.tracks[1]), Events(plain.tracks[1]));
    const std::vector<SmfEvent>& clicks = withClicks.tracks[2];
    EXPECT_EQ(MetaText(clicks.front()), "Metronome");
    const int h = prefs.ClickHKeyNo, l = prefs.ClickLKeyNo;
    EXPECT_EQ(NoteOns(clicks), (std::vector<int>{h, l, l, l, h}));
    std::optional<std::uint32_t> firstClick;
    for (const SmfEvent& e : clicks) {
        if (e.bytes[0] == 0xFF) continue;
        EXPECT_EQ(e.bytes[0] & 0x0F, 9);
        if (e.IsNoteOn() && !firstClick) firstClick = e.tick;
    }
    // The metronome track has no start silence: its first click comes with the
    // first tick, one tick before the first note.
    EXPECT_EQ(firstClick, 0u);
}

TEST_F(OfflineTest, ConductorTrackNamesThePieceAndItsTime) {
    page->SetTitle(cp932::FromUtf8("二泉映月"));
    Next<TBeat>("&");  // 6/8
    Score("123456");
    TMusicSheet* second = book->NewSheet();
    ASSERT_NE(second, nullptr);
    const SmfFile file = Export(false, second);
    const std::vector<SmfEvent>& conductor = file.tracks.at(0);
    ASSERT_GE(conductor.size(), 2u);
    EXPECT_EQ(MetaText(conductor[0]), "二泉映月");  // from the page the piece starts on
    EXPECT_EQ(conductor[1].bytes, (Bytes{0xFF, 0x58, 6, 3, 36, 8}));

    Next<TBeat>("#");  // the time changes to 3/4: no single signature
    Score("123");
    const SmfFile changing = Export();
    for (const SmfEvent& e : changing.tracks.at(0)) EXPECT_FALSE(e.IsMeta(0x58));
}

TEST_F(OfflineTest, AWalkErrorIsAWarningAndWhatWasWalkedIsExported) {
    std::vector<TNote*> n = Score("[12:3");
    Mark<TKakko>(*n[2], "=");
    const SmfFile file = Export();
    EXPECT_TRUE(result.finished);
    ASSERT_EQ(result.Warnings().size(), 1u);
    EXPECT_EQ(result.Warnings()[0].Japanese(),
              "１の括弧がありません。あるいは、リピートエンドの直後に１括弧が指定されています");
    EXPECT_EQ(NoteOns(file.tracks.at(1)), (std::vector<int>{60, 62}));
}

TEST_F(OfflineTest, APlayBeyondTheTimeLimitIsGivenUpWithAllSoundOff) {
    Score("1234|5671");
    const SmfFile file = Export(false, nullptr, 300);
    EXPECT_FALSE(result.finished);
    EXPECT_EQ(result.millis, 300);
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.back().message, 0x78B0u + 0x0F);  // all sound off, on the last channel
    EXPECT_EQ(NoteOns(file.tracks.at(1)).size(), 1u);
}

}  // namespace
}  // namespace sorvel::testing
