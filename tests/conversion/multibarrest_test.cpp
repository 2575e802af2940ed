// SPDX-License-Identifier: GPL-3.0-or-later
// A multi-bar rest (the bar-count rest item) plays its bars of silence, with
// the metronome counting them, in plain and expressive playback.
#include "conversionfixture.h"
#include "model/horizbar.h"

namespace sorvel::testing {
namespace {

class MultiBarRestTest : public ConversionTest {
protected:
    THorizBar* Rest(const std::string& bars) {
        THorizBar* rest = Next<THorizBar>("M");
        rest->SetBarNum(bars);
        return rest;
    }
    // Ticks of the melody from its first note to the event that plays `note`.
    long TicksBefore(const TNote* note) const {
        long ticks = 0;
        bool started = false;
        for (const TMidiEvent& e : Track(1)) {
            if (e.IsNote() && e.sourceItem == note) return ticks;
            started = started || (e.IsNote() && e.sourceItem);
            if (started) ticks += e.step;
        }
        return -1;
    }
    int Clicks() const {
        int clicks = 0;
        for (const TMidiEvent& e : Track(2)) clicks += e.IsNote() && e.velocity > 0 ? 1 : 0;
        return clicks;
    }
};

TEST_F(MultiBarRestTest, ThreeBarsOfRestTakeThreeBarsOfTime) {
    Score("1111|");
    Rest("3");
    Bar("c");
    TNote* after = N("2");
    Build();
    EXPECT_EQ(Played(), "11112");
    EXPECT_EQ(TicksBefore(after), 4 * 48 + 3 * 4 * 48);
    EXPECT_EQ(Clicks(), 4 + 3 * 4 + 1);
}

TEST_F(MultiBarRestTest, TheRestCountsBarsOfTheTimeSignatureInForce) {
    Next<TBeat>("#");  // 3/4
    Score("111|");
    Rest("2");
    Bar("c");
    TNote* after = N("2");
    Build();
    EXPECT_EQ(TicksBefore(after), 3 * 48 + 2 * 3 * 48);
}

TEST_F(MultiBarRestTest, ExpressivePlaybackKeepsTheSameTime) {
    Score("1111|");
    Rest("2");
    Bar("c");
    TNote* after = N("2");
    options.expressive = true;
    Build();
    EXPECT_EQ(TicksBefore(after), 4 * 48 + 2 * 4 * 48);
}

// A fermata slows its own note only: the bars of rest after it, and their
// clicks, are in the tempo of the piece again.
TEST_F(MultiBarRestTest, AFermataBeforeTheRestIsOverWhenTheRestBegins) {
    page->SetPlayCount(120);
    std::vector<TNote*> n = Score("1111|");
    Mark(*n[3], ")");
    Rest("2");
    Bar("c");
    N("2");
    options.expressive = true;
    Build();
    // The tempo in force at every event of the rest's silence.
    int tempo = 0, silences = 0;
    for (const TMidiEvent& e : Track(1)) {
        if (e.type == evt::kTempo) tempo = e.gate;
        if (e.IsNote() && e.type == 0 && !e.sourceItem && e.step == 4 * 48) {
            ++silences;
            EXPECT_EQ(tempo, 120);
        }
    }
    EXPECT_EQ(silences, 2);
}

TEST_F(MultiBarRestTest, ADamagedBarCountPlaysNoTime) {
    Score("1111|");
    Rest("x9");
    Bar("c");
    TNote* after = N("2");
    Build();
    EXPECT_EQ(TicksBefore(after), 4 * 48);
}

}  // namespace
}  // namespace sorvel::testing
