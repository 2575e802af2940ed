// SPDX-License-Identifier: GPL-3.0-or-later
// Count-in and metronome tracks, taking the count-in out for a repeated play,
// and the play range chosen from a selection.
#include "conversionfixture.h"
#include "playback/conversion/playselection.h"
#include "playback/conversion/removecountin.h"

namespace sorvel::testing {
namespace {

// Note numbers of the clicks of a track (silences and the end left out).
std::vector<int> Clicks(const std::vector<TMidiEvent>& events) {
    std::vector<int> clicks;
    for (const TMidiEvent& e : events) {
        if (e.IsNote() && e.type != 0) clicks.push_back(e.type);
    }
    return clicks;
}

class CountInTest : public ConversionTest {
protected:
    CountInTest() {
        options.startClick = true;
        options.startClickNum = 1;
        options.playScoreTempo = false;
    }
    int H() const { return prefs.ClickHKeyNo; }
    int L() const { return prefs.ClickLKeyNo; }
};

TEST_F(CountInTest, OneBarFromABarStart) {
    Score("1234|5");
    Build();
    const std::vector<TMidiEvent>& countIn = Track(4);
    ASSERT_EQ(countIn.size(), 5u);
    EXPECT_EQ(Clicks(countIn), (std::vector<int>{H(), L(), L(), L()}));
    EXPECT_EQ(countIn[0].step, 48);
    EXPECT_EQ(countIn[0].gate, 10);
    EXPECT_EQ(countIn[0].velocity, prefs.ClickHVelocity);
    EXPECT_EQ(countIn[1].velocity, prefs.ClickLVelocity);
    for (int track : {1, 2}) {
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(Track(track)[i].type, 0);
            EXPECT_EQ(Track(track)[i].step, 48);
            EXPECT_EQ(Track(track)[i].gate, 0);
        }
    }
    EXPECT_EQ(Track(1)[4].step, 1);  // the start silence
}

TEST_F(CountInTest, PickupShortensTheCountIn) {
    Score("5|1234");
    Build();
    EXPECT_EQ(Clicks(Track(4)).size(), 3u);
}

TEST_F(CountInTest, SixEightCountsDottedQuarters) {
    Next<TBeat>("&");
    for (int i = 0; i < 6; ++i) N("1", 1);
    options.startClickNum = 2;
    Build();
    EXPECT_EQ(Clicks(Track(4)), (std::vector<int>{H(), L(), H(), L()}));
    EXPECT_EQ(Track(4)[0].step, 72);
}

TEST_F(CountInTest, RemovingTheCountInLeavesTheMusic) {
    Score("1234|5");
    Build();
    const std::size_t melody = Track(1).size();
    const std::size_t metronome = Track(2).size();
    RemoveCountIn(data);
    ASSERT_EQ(Track(4).size(), 1u);
    EXPECT_EQ(Track(4)[0].type, 254);
    EXPECT_EQ(Track(1).size(), melody - 4);
    EXPECT_EQ(Track(2).size(), metronome - 4);
    EXPECT_EQ(Track(1)[0].step, 1);
    EXPECT_EQ(Played(), "12345");
    RemoveCountIn(data);  // nothing left to remove
    EXPECT_EQ(Track(1).size(), melody - 4);
}

TEST_F(ConversionTest, MetronomeClicksEveryBeatHighOnTheBarStart) {
    N("1");
    N("2");
    N("3", 1);
    N("4", 1);
    N("5");
    Bar();
    N("1");
    N("8");
    Build();
    const int h = prefs.ClickHKeyNo, l = prefs.ClickLKeyNo;
    EXPECT_EQ(Clicks(Track(2)), (std::vector<int>{h, l, l, l, h, l}));
    EXPECT_EQ(Track(2)[0].step, 48);
    EXPECT_EQ(Track(2).back().type, 254);
}

TEST_F(ConversionTest, HalfNoteClicksTwiceAndPickupStartsLow) {
    prefs.ClickHKeyNo = 300;  // out of the MIDI range: kept a note, not a control event
    N("5");
    Bar();
    N("1");
    N("8");
    Build();
    const int l = prefs.ClickLKeyNo;
    EXPECT_EQ(Clicks(Track(2)), (std::vector<int>{l, 127, l}));
}

TEST_F(ConversionTest, SelectionIsOrderedByPageRowAndColumn) {
    TNote* a = N("1");
    TNote* b = N("2");
    TMusicSheet* second = book->NewSheet();
    TNote* c = N("3", 0, second);
    PlaySelection s = SelectPlayRange({c, b, a});
    EXPECT_EQ(s.first, a);
    EXPECT_EQ(s.last, c);
    s = SelectPlayRange({b});
    EXPECT_EQ(s.first, b);
    EXPECT_EQ(s.last, nullptr);
    EXPECT_EQ(SelectPlayRange({}).first, nullptr);
}

}  // namespace
}  // namespace sorvel::testing
