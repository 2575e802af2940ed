// SPDX-License-Identifier: GPL-3.0-or-later
// Practice loops: passes at a slower or faster speed, rising pass by pass,
// endless until stopped, and a single pass at full speed equal to a plain play.
#include <gtest/gtest.h>

#include <cstdlib>

#include "playback/sequencer.h"
#include "sequencerfixture.h"

namespace sorvel {
namespace {

// The tick period of 120 beats a minute at `percent`, in microseconds.
std::int64_t PeriodAt120(int percent) {
    return (1'250'000'000 / (120 * std::int64_t{percent}) + 5) / 10;
}

TEST(LoopTempo, PassSpeedsClampAndRiseToFullSpeed) {
    SequencerOptions o;
    EXPECT_EQ(o.PassTempoPercent(0), 100);
    EXPECT_EQ(o.PassTempoPercent(7), 100);
    o.tempoPercent = 30;
    EXPECT_EQ(o.PassTempoPercent(0), 40);
    o.tempoPercent = 200;
    EXPECT_EQ(o.PassTempoPercent(3), 150);
    o.tempoPercent = 70;
    EXPECT_EQ(o.PassTempoPercent(5), 70);  // without the rise every pass is alike
    o.tempoRise = true;
    const int expected[] = {70, 75, 80, 85, 90, 95, 100, 100, 100};
    for (int pass = 0; pass < 9; ++pass) EXPECT_EQ(o.PassTempoPercent(pass), expected[pass]);
    o.tempoPercent = 98;
    EXPECT_EQ(o.PassTempoPercent(1), 100);  // capped, not 103
    o.tempoPercent = 120;
    EXPECT_EQ(o.PassTempoPercent(4), 120);  // above full speed: it never slows down
}

TEST_F(SequencerTest, TickPeriodScalesWithThePassSpeed) {
    SetTrack(1, {Note(60, 1, 1)});
    SequencerOptions options;
    options.tempoPercent = 50;
    Start(options);
    sequencer.SetTickTempo(120);
    EXPECT_EQ(sequencer.TickPeriodMicros(), 20833u);
    sequencer.SetTickTempo(80);
    EXPECT_EQ(sequencer.TickPeriodMicros(), 31250u);
    sequencer.StopPlayback();
    options.tempoPercent = 150;
    Start(options);
    sequencer.SetTickTempo(120);
    EXPECT_EQ(sequencer.TickPeriodMicros(), 6944u);
    // A plain play afterwards is at full speed again.
    sequencer.StopPlayback();
    Start();
    EXPECT_EQ(sequencer.TickPeriodMicros(), 10417u);
}

// Three passes starting at 70 % and rising by 5 points: each pass plays the
// same notes, 48 ticks apart at its own speed, the first tick included. An
// onset runs within half a millisecond of its due time on the 1 ms timer, and
// the first tick of a pass at the timer call after the pass began: 1.5 ms in
// all, where the beats of 70, 75 and 80 % differ by some 40 ms.
TEST_F(SequencerTest, ThreePassesAtSeventySeventyFiveAndEighty) {
    SetTrack(1, {Ev(evt::kTempo, 0, 120), Note(60, 48, 38), Note(62, 48, 38), Note(64, 48, 38)});
    SequencerOptions options;
    options.playCount = 3;
    options.tempoPercent = 70;
    options.tempoRise = true;
    Start(options);
    Run();
    EXPECT_EQ(host.finished, 1);
    EXPECT_EQ(host.passesBegun, (std::vector<std::pair<int, int>>{{0, 70}, {1, 75}, {2, 80}}));
    const auto ons = NoteOns();
    ASSERT_EQ(ons.size(), 9u);
    const int percents[] = {70, 75, 80};
    for (int pass = 0; pass < 3; ++pass) {
        const std::int64_t beat = 48 * PeriodAt120(percents[pass]);
        for (int k = 0; k < 3; ++k) {
            const Message& m = ons[static_cast<std::size_t>(pass * 3 + k)];
            EXPECT_EQ(m.bytes, (Bytes{0x90, static_cast<std::uint8_t>(60 + 2 * k), 100}));
            if (k == 0) continue;
            const std::int64_t gap =
                m.timeMicros - ons[static_cast<std::size_t>(pass * 3)].timeMicros;
            EXPECT_LE(std::llabs(gap - k * beat), 1500) << "pass " << pass << " note " << k;
        }
        // The pass lasts three beats at its speed (plus the start's countdown).
        if (pass < 2) {
            const std::int64_t length = ons[static_cast<std::size_t>(pass * 3 + 3)].timeMicros -
                                        ons[static_cast<std::size_t>(pass * 3)].timeMicros;
            EXPECT_GE(length, 3 * beat - 1500) << pass;
            EXPECT_LE(length, 3 * beat + 12 * PeriodAt120(percents[pass + 1]) + 1000) << pass;
        }
    }
    EXPECT_EQ(sequencer.TempoPercent(), 80);
}

TEST_F(SequencerTest, EndlessLoopPlaysUntilStoppedAndLeavesNoNoteSounding) {
    SetTrack(1, {Note(60, 48, 60), Note(62, 48, 60)});
    SetTrack(2, {Note(37, 48, 10), Note(37, 48, 10)});
    rcp.Track(2).channel = 9;
    SequencerOptions options;
    options.endless = true;
    options.playCount = 1;  // the count does not end an endless loop
    Start(options);
    Run(20 * 1000);
    EXPECT_TRUE(sequencer.IsPlaying());
    EXPECT_GE(sequencer.PassCount(), 15);
    EXPECT_EQ(host.finished, 0);
    // Stopped in the middle of a note that sounds on.
    for (int i = 0; i < 400 && NoteOns().size() % 2 == 0; ++i) {
        clock.AdvanceMillis(1);
        sequencer.SequencerTick();
    }
    sequencer.StopPlayback();
    EXPECT_FALSE(sequencer.IsPlaying());
    const std::size_t n = capture.Count();
    clock.AdvanceMillis(5000);
    sequencer.SequencerTick();
    EXPECT_EQ(capture.Count(), n);
    // The melody's and the metronome's channels get their sound off after
    // the last note-on.
    const auto all = capture.Messages();
    std::size_t lastOn = 0;
    for (std::size_t i = 0; i < all.size(); ++i)
        if ((all[i].bytes[0] & 0xF0) == 0x90 && all[i].bytes[2] != 0) lastOn = i;
    bool silenced[16] = {};
    for (std::size_t i = lastOn + 1; i < all.size(); ++i)
        if ((all[i].bytes[0] & 0xF0) == 0xB0 && all[i].bytes[1] == 120)
            silenced[all[i].bytes[0] & 0x0F] = true;
    EXPECT_TRUE(silenced[0]);
    EXPECT_TRUE(silenced[9]);
}

TEST_F(SequencerTest, OnePassAtFullSpeedIsThePlainPlay) {
    SetTrack(1, {Ev(evt::kTempo, 0, 96), Note(60, 48, 38), Note(62, 24, 20), Note(64, 72, 70)});
    SetTrack(2, {Note(37, 48, 10), Note(37, 48, 10), Note(37, 48, 10)});
    rcp.Track(2).channel = 9;
    auto record = [&](const SequencerOptions& options) {
        capture.Clear();
        sequencer.SetTickTempo(120);
        Start(options);
        Run();
        std::vector<std::pair<std::int64_t, Bytes>> out;
        for (const Message& m : capture.Messages())
            out.emplace_back(m.timeMicros - std::int64_t{t0} * 1000, m.bytes);
        return out;
    };
    const auto plain = record({});
    SequencerOptions loop;
    loop.playCount = 1;
    loop.tempoPercent = 100;
    loop.tempoRise = true;
    EXPECT_EQ(record(loop), plain);
    // After a slow loop, a plain play is the same again.
    loop.tempoPercent = 60;
    loop.playCount = 2;
    EXPECT_NE(record(loop), plain);
    EXPECT_EQ(record({}), plain);
}

}  // namespace
}  // namespace sorvel
