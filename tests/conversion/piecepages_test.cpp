// SPDX-License-Identifier: GPL-3.0-or-later
// A piece spread over several pages: its later pages usually leave key and
// tempo empty, and play in those of the piece's first page, from whichever
// page the play starts.
#include <ostream>
#include <tuple>

#include "base/cp932.h"
#include "conversionfixture.h"
#include "playback/conversion/keyoffset.h"
#include "playback/conversion/notepitch.h"
#include "playback/conversion/starttempo.h"

namespace sorvel::testing {
namespace {

const std::string kKeyC = cp932::FromUtf8("１＝Ｃ　（２６弦）");
const std::string kKeyF = cp932::FromUtf8("１＝Ｆ　（６３弦）");
const std::string kKeyG = cp932::FromUtf8("１＝Ｇ　（５２弦）");

// What a play sends: every event of the melody, metronome and count-in tracks.
struct PlayedTracks {
    int startTempo;
    std::vector<std::tuple<int, int, int, int>> events;  // track, type, step, gate
    bool operator==(const PlayedTracks&) const = default;
};

void PrintTo(const PlayedTracks& p, std::ostream* os) {
    *os << "tempo " << p.startTempo << ":";
    for (const auto& [track, type, step, gate] : p.events)
        *os << " " << track << "/" << type << "/" << step << "/" << gate;
}

class PiecePagesTest : public ConversionTest {
protected:
    // Page 1 holds the title, the key and the tempo; pages 2 and 3 only notes.
    PiecePagesTest() {
        page->SetKeyCode(kKeyC);
        page->SetPlayCount(120);
        second = book->NewSheet();
        third = book->NewSheet();
        N("1");
        N("2");
        Bar();
        N("3", 0, second);
        N("4", 0, second);
        N("5", 0, third);
        N("6", 0, third);
    }

    PlayedTracks PlayFrom(TMusicSheet& current) {
        PlayedTracks played{
            BuildSequence(data, current, nullptr, nullptr, options, prefs).startTempo, {}};
        for (int track : {1, 2, 4}) {
            for (const TMidiEvent& e : Track(track))
                played.events.emplace_back(track, e.type, e.step, e.gate);
        }
        return played;
    }

    TMusicSheet* second = nullptr;
    TMusicSheet* third = nullptr;
};

TEST_F(PiecePagesTest, EveryPagePlaysInTheKeyAndTempoOfTheFirstPage) {
    options.startClick = true;
    const PlayedTracks fromFirst = PlayFrom(*page);
    EXPECT_EQ(fromFirst.startTempo, 120);
    for (TMusicSheet* current : {page, second, third}) {
        SCOPED_TRACE(book->IndexOfSheet(current) + 1);
        EXPECT_EQ(KeyOffset(*current), 0);
        EXPECT_EQ(PageTempo(*current), 120);
        EXPECT_EQ(PlayFrom(*current), fromFirst);
    }
    // The entered-note monitor sounds a note in the same key.
    TNote* five = third->GetItem(0)->As<TNote>();
    ASSERT_NE(five, nullptr);
    EXPECT_EQ(MonitorNoteNumber(*five), 67);
}

TEST_F(PiecePagesTest, APageThatSetsItsOwnKeyOrTempoKeepsIt) {
    second->SetKeyCode(kKeyG);
    third->SetPlayCount(90);
    third->SetKeyCode("  ");  // blanks set no key
    EXPECT_EQ(KeyOffset(*second), 7);
    EXPECT_EQ(PageTempo(*second), 120);
    EXPECT_EQ(PlayFrom(*second).startTempo, 120);
    EXPECT_EQ(KeyOffset(*third), 0);
    EXPECT_EQ(PageTempo(*third), 90);
    EXPECT_EQ(PlayFrom(*third).startTempo, 90);
    TNote* three = second->GetItem(0)->As<TNote>();
    ASSERT_NE(three, nullptr);
    EXPECT_EQ(MonitorNoteNumber(*three), 64 + 7);
}

TEST_F(PiecePagesTest, TheNextPieceBeginsWithItsOwnFirstPage) {
    TMusicSheet* next = book->NewSheet();
    next->SetTitle("Next");
    next->SetKeyCode(kKeyF);
    next->SetPlayCount(60);
    TMusicSheet* nextSecond = book->NewSheet();
    N("1", 0, next);
    N("2", 0, nextSecond);
    EXPECT_EQ(KeyOffset(*nextSecond), 5);
    EXPECT_EQ(PlayFrom(*nextSecond).startTempo, 60);
    EXPECT_EQ(KeyOffset(*third), 0);
    EXPECT_EQ(PlayFrom(*third).startTempo, 120);
}

TEST_F(PiecePagesTest, WithoutAPageTempoTheFirstNotesMarkOrTheDialogDecides) {
    page->SetPlayCount(0);
    page->SetKeyCode("");
    EXPECT_EQ(KeyOffset(*second), 2);  // no key at all: D, as everywhere
    options.tempo = 70;
    EXPECT_EQ(PlayFrom(*third).startTempo, 70);
    TempoMark(*page->GetItem(0)->As<TNote>(), 100, 0);
    EXPECT_EQ(PlayFrom(*third).startTempo, 100);
    options.playScoreTempo = false;
    EXPECT_EQ(PlayFrom(*second).startTempo, 70);
}

// The monitor sounds degrees only: not rests, dashes or marks.
TEST_F(PiecePagesTest, MonitorSoundsOnlyDegrees) {
    TNote* rest = N("0", 0, second);
    TNote* dash = N("8", 0, second);
    EXPECT_EQ(MonitorNoteNumber(*rest), std::nullopt);
    EXPECT_EQ(MonitorNoteNumber(*dash), std::nullopt);
    TMusicSign* mark = Mark(*rest, "q");
    EXPECT_EQ(MonitorNoteNumber(*mark), std::nullopt);
    // A degree low enough to reach note number 0 is still a note to sound.
    page->SetKeyCode("");
    TNote* low = N("1", 0, second);
    low->SetOctave(-5);
    EXPECT_EQ(MonitorNoteNumber(*low), 2);
}

}  // namespace
}  // namespace sorvel::testing
