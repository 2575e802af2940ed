// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/sequencer.h"

#include <gtest/gtest.h>

#include "sequencerfixture.h"

namespace sorvel {
namespace {

TEST_F(SequencerTest, TickPeriodFollowsTheTempo) {
    const std::pair<int, std::uint32_t> cases[] = {{120, 10417},      {80, 15625}, {5, 125000},
                                                   {10, 125000},      {250, 5208}, {240, 5208},
                                                   {300, 5208},  // clamped to 255, not cut to 44
                                                   {256 + 120, 5208}, {-3, 125000}};
    for (const auto& [tempo, period] : cases) {
        sequencer.SetTickTempo(tempo);
        EXPECT_EQ(sequencer.TickPeriodMicros(), period) << tempo;
    }
    rcp.tempo = 32;  // a scale read from a file halves the tempo
    sequencer.SetTickTempo(120);
    EXPECT_EQ(sequencer.TickPeriodMicros(), 20833u);
}

TEST_F(SequencerTest, GateCountsDownAndTheNextNoteFollowsItsStep) {
    SetTrack(1, {Note(60, 48, 38), Note(62, 48, 38)});
    Start();
    Run();
    const auto ons = NoteOns();
    const auto offs = NoteOffs();
    ASSERT_EQ(ons.size(), 2u);
    ASSERT_EQ(offs.size(), 2u);
    EXPECT_EQ(ons[0].bytes, (Bytes{0x90, 60, 100}));
    EXPECT_EQ(ons[0].TimeMillis(), TickMs(0));
    EXPECT_EQ(offs[0].bytes, (Bytes{0x90, 60, 0}));
    EXPECT_EQ(offs[0].TimeMillis(), TickMs(38));
    EXPECT_EQ(ons[1].TimeMillis(), TickMs(48));
    EXPECT_EQ(offs[1].TimeMillis(), TickMs(86));
    EXPECT_EQ(host.finished, 1);
    EXPECT_FALSE(sequencer.IsPlaying());
    // The end of play silences every channel of tracks 1-16.
    const auto soundOff = capture.Messages();
    int cc120 = 0;
    for (const Message& m : soundOff)
        if ((m.bytes[0] & 0xF0) == 0xB0 && m.bytes[1] == 120) ++cc120;
    EXPECT_EQ(cc120, 16);
    EXPECT_EQ(soundOff.back().TimeMillis(), TickMs(96));
}

TEST_F(SequencerTest, TempoEventChangesTheTickPeriodAtOnce) {
    SetTrack(1, {Ev(evt::kTempo, 0, 80), Note(60, 48, 38), Note(62, 48, 38)});
    Start();
    Run();
    EXPECT_EQ(sequencer.TickPeriodMicros(), 15625u);
    const auto ons = NoteOns();
    ASSERT_EQ(ons.size(), 2u);
    // Tick 0 ran at the old period; the following 48 at 15.625 ms.
    EXPECT_EQ(ons[0].TimeMillis(), RunsAt(0));
    EXPECT_EQ(ons[1].TimeMillis(), RunsAt(10417 + 47 * 15625));
}

TEST_F(SequencerTest, NoteStillSoundingIsLengthenedNotStruckAgain) {
    SetTrack(1, {Note(60, 48, 49), Note(60, 48, 38)});
    Start();
    Run();
    const auto ons = NoteOns();
    const auto offs = NoteOffs();
    ASSERT_EQ(ons.size(), 1u);
    ASSERT_EQ(offs.size(), 1u);
    EXPECT_EQ(offs[0].TimeMillis(), TickMs(48 + 38));
}

TEST_F(SequencerTest, SixteenSlotsAtMostAndSilentEvents) {
    std::vector<TMidiEvent> chord;
    for (int i = 0; i < 17; ++i) chord.push_back(Note(40 + i, 0, 10));
    chord.push_back(Note(70, 0, 0));       // gate 0: nothing
    chord.push_back(Note(71, 48, 10, 0));  // velocity 0: nothing
    SetTrack(1, chord);
    Start();
    Run();
    const auto ons = NoteOns();
    ASSERT_EQ(ons.size(), 16u);
    EXPECT_EQ(ons.back().bytes[1], 55);  // note 56 was dropped
    EXPECT_EQ(NoteOffs().size(), 16u);
    EXPECT_EQ(play.Track(1).soundingCount, 0);
}

TEST_F(SequencerTest, MutedTrackIsSilentButItsTempoEventsWork) {
    SetTrack(1, {Ev(evt::kTempo, 0, 60), Note(60, 48, 10), Ev(evt::kControl, 0, 7, 90)});
    rcp.Track(1).mode = track_mode::kMuted;
    Start();
    Run();
    EXPECT_TRUE(NoteOns().empty());
    EXPECT_EQ(sequencer.TickPeriodMicros(), 20833u);
    EXPECT_EQ(Short(0xB0).at(0).bytes, (Bytes{0xB0, 7, 90}));  // controls still go out
}

TEST_F(SequencerTest, SoundModeFromTheModeByte) {
    const std::pair<std::uint8_t, bool> cases[] = {{0x00, true},  {0x10, true},  {0x01, false},
                                                   {0x08, false}, {0x11, false}, {0x02, true}};
    for (const auto& [mode, sounds] : cases) {
        capture.Clear();
        SetTrack(1, {Note(60, 48, 10)});
        rcp.Track(1).mode = mode;
        Start();
        Run();
        EXPECT_EQ(NoteOns().size(), sounds ? 1u : 0u) << int{mode};
    }
}

TEST_F(SequencerTest, MuteControlTakesEffectAtTheNextEventWhilePlaying) {
    SetTrack(1, {Note(60, 48, 10), Note(62, 48, 10), Note(64, 48, 10)});
    Start();
    for (int i = 0; i < 20; ++i) {
        clock.AdvanceMillis(1);
        sequencer.SequencerTick();
    }
    play.SetTrackMode(1, track_mode::kMuted);
    EXPECT_EQ(rcp.Track(1).mode, 1);
    for (int i = 0; i < 500; ++i) {
        clock.AdvanceMillis(1);
        sequencer.SequencerTick();
    }
    play.SetTrackMode(1, 0);
    Run();
    const auto ons = NoteOns();
    ASSERT_EQ(ons.size(), 2u);
    EXPECT_EQ(ons[0].bytes[1], 60);
    EXPECT_EQ(ons[1].bytes[1], 64);
}

TEST_F(SequencerTest, PlayCountThreeWithAlternatingMuteSoundsPassesOneAndThree) {
    SetTrack(1, {Note(60, 48, 38), Note(62, 48, 38)});
    SetTrack(2, {Note(37, 48, 10), Note(37, 48, 10)});
    rcp.Track(2).channel = 9;
    sequencer.SetAlternateMute(true);
    SequencerOptions options;
    options.playCount = 3;
    Start(options);
    Run();
    ASSERT_EQ(host.passStarts.size(), 2u);
    EXPECT_EQ(host.finished, 1);
    EXPECT_EQ(host.removeCountIn, 1);
    EXPECT_EQ(sequencer.PassCount(), 2);
    EXPECT_EQ(NoteOns(0, 0, host.passStarts[0]).size(), 2u);
    EXPECT_EQ(NoteOns(0, host.passStarts[0], host.passStarts[1]).size(), 0u);
    EXPECT_EQ(NoteOns(0, host.passStarts[1]).size(), 2u);
    EXPECT_EQ(NoteOns(9).size(), 6u);  // the metronome plays every pass
    EXPECT_EQ(rcp.Track(1).mode, 0);   // two toggles: back to unmuted
}

TEST_F(SequencerTest, PlayCountWithoutAlternatingMuteAndWithCountInKept) {
    SetTrack(1, {Note(60, 48, 38)});
    SequencerOptions options;
    options.playCount = 2;
    options.noClickRepeat = false;
    Start(options);
    Run();
    EXPECT_EQ(NoteOns().size(), 2u);
    EXPECT_EQ(host.removeCountIn, 0);
}

// The last note of track 1 outlasts the track by 12 ticks, on the channel a
// channel event switched to: it is released there when the pass ends, before
// the next pass strikes anything. Track 2's notes end within the pass and get
// no second note-off.
TEST_F(SequencerTest, NoteOutlastingItsTrackIsReleasedBeforeTheNextPass) {
    SetTrack(1, {Note(60, 48, 38), Ev(evt::kMidiChannel, 0, 3), Note(62, 48, 60)});
    SetTrack(2, {Note(37, 48, 10), Note(37, 48, 10)});
    rcp.Track(2).channel = 9;
    SequencerOptions options;
    options.playCount = 2;
    Start(options);
    Run();
    ASSERT_EQ(host.passStarts.size(), 1u);
    const auto all = capture.Messages();
    const std::vector<Message> firstPass(all.begin(),
                                         all.begin() + static_cast<long>(host.passStarts[0]));
    std::vector<Message> releases;
    for (const Message& m : firstPass)
        if (m.bytes.size() == 3 && m.bytes[1] == 62 && m.bytes[2] == 0) releases.push_back(m);
    ASSERT_EQ(releases.size(), 1u);
    EXPECT_EQ(releases[0].bytes[0], 0x92);
    EXPECT_EQ(releases[0].TimeMillis(), TickMs(96));

    // The second pass starts again on the track's own channel.
    const auto secondPass = NoteOns(0, host.passStarts[0]);
    ASSERT_FALSE(secondPass.empty());
    EXPECT_EQ(secondPass[0].bytes[1], 60);
    EXPECT_EQ(NoteOffs(9).size(), NoteOns(9).size());
    EXPECT_EQ(host.finished, 1);
}

TEST_F(SequencerTest, LoopsRepeatAndSameMeasuresPlayTheirReference) {
    SetTrack(1, {Ev(evt::kLoopStart), Note(60, 24, 10), Note(62, 24, 10), Ev(evt::kLoopEnd, 3)});
    SetTrack(3, {Note(70, 48, 10), Ev(evt::kMeasureEnd), Ev(evt::kSameMeasure, 0, 1),
                 Note(72, 48, 10), Ev(evt::kMeasureEnd)});
    Start();
    Run();
    const auto loop = NoteOns(0);
    ASSERT_EQ(loop.size(), 6u);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(loop[static_cast<std::size_t>(i)].bytes[1], i % 2 ? 62 : 60);
        EXPECT_EQ(loop[static_cast<std::size_t>(i)].TimeMillis(), TickMs(24 * i));
    }
    const auto same = NoteOns(2);
    ASSERT_EQ(same.size(), 3u);
    EXPECT_EQ(same[0].bytes[1], 70);
    EXPECT_EQ(same[1].bytes[1], 70);
    EXPECT_EQ(same[1].TimeMillis(), TickMs(48));
    EXPECT_EQ(same[2].bytes[1], 72);
    EXPECT_EQ(same[2].TimeMillis(), TickMs(96));
}

TEST_F(SequencerTest, MoreThanOneHundredZeroStepEventsContinueOnTheNextTick) {
    std::vector<TMidiEvent> events;
    for (int i = 0; i < 150; ++i)
        events.push_back(Ev(evt::kControl, 0, 7, static_cast<std::uint16_t>(i % 128)));
    events.push_back(Note(60, 48, 10));
    SetTrack(1, events);
    Start();
    Run();
    const auto cc = Short(0xB0);
    ASSERT_GE(cc.size(), 150u);
    EXPECT_EQ(cc[99].TimeMillis(), TickMs(0));
    EXPECT_EQ(cc[100].TimeMillis(), TickMs(1));
    EXPECT_EQ(cc[149].bytes[2], 149 % 128);
    const auto ons = NoteOns();
    ASSERT_EQ(ons.size(), 1u);
    EXPECT_EQ(ons[0].TimeMillis(), TickMs(1));
    EXPECT_EQ(host.finished, 1);
}

TEST_F(SequencerTest, StepShiftDelaysATrack) {
    SetTrack(1, {Note(60, 48, 10)});
    SetTrack(2, {Note(62, 48, 10)});
    rcp.Track(1).stepShift = 3;
    rcp.Track(2).stepShift = 8;
    Start();
    Run();
    EXPECT_EQ(NoteOns(0).at(0).TimeMillis(), TickMs(0));
    EXPECT_EQ(NoteOns(1).at(0).TimeMillis(), TickMs(5));
}

TEST_F(SequencerTest, ControlEventsSendTheirMessages) {
    SetTrack(1, {Ev(evt::kBankPrg, 0, 40, 8), Ev(evt::kAfterC, 0, 33), Ev(evt::kAfterK, 0, 60, 44),
                 Ev(evt::kPitch, 0, 0, 64), Ev(evt::kProgram, 0, 71), Ev(evt::kTrackExc),
                 Ev(evt::kMusicKey, 3), Ev(evt::kKeyScan), Ev(200), Note(60, 48, 10)});
    Start();
    Run();
    std::vector<Bytes> got;
    for (const Message& m : capture.Messages()) {
        if (m.bytes[0] == 0x90) break;
        got.push_back(m.bytes);
    }
    const std::vector<Bytes> expected{{0xB0, 0, 8},   {0xB0, 32, 0}, {0xC0, 40}, {0xD0, 33},
                                      {0xA0, 60, 44}, {0xE0, 0, 64}, {0xC0, 71}};
    EXPECT_EQ(got, expected);
}

TEST_F(SequencerTest, ChannelChangeEndsSoundingNotesAndSwitchesChannel) {
    SetTrack(1, {Note(60, 10, 40), Ev(evt::kMidiChannel, 0, 5), Note(62, 10, 5),
                 Ev(evt::kMidiChannel, 0, 0), Note(64, 10, 5)});
    Start();
    Run();
    const auto all = capture.Messages();
    ASSERT_GE(all.size(), 3u);
    EXPECT_EQ(all[0].bytes, (Bytes{0x90, 60, 100}));
    EXPECT_EQ(all[1].bytes, (Bytes{0x90, 60, 0}));  // cut at the channel change
    EXPECT_EQ(all[1].TimeMillis(), TickMs(10));
    EXPECT_EQ(all[2].bytes, (Bytes{0x94, 62, 100}));
    EXPECT_EQ(NoteOns(4).size(), 1u);  // channel off: note 64 is silent
    EXPECT_EQ(play.Track(1).mode & track_mode::kChannelOff, track_mode::kChannelOff);
}

TEST_F(SequencerTest, UserExclusiveInsertsValuesAndChecksum) {
    auto& data = rcp.userExclusives[2].data;
    data.fill(0xF7);
    const std::uint8_t body[] = {0xF0, 0x41, 0x10, 0x83, 0x80, 0x81, 0x82, 0x84, 0x55, 0xF7};
    std::copy(std::begin(body), std::end(body), data.begin());
    for (std::size_t i = 0; i < 24; ++i)
        rcp.userExclusives[3].data[i] = static_cast<std::uint8_t>(i);
    SetTrack(2, {Ev(evt::kUserExc0 + 2, 0, 0x20, 0x30), Ev(evt::kUserExc0 + 3), Note(60, 48, 10)});
    Start();
    Run();
    std::vector<Bytes> longs;
    for (const Message& m : capture.Messages())
        if (m.kind == CaptureMidiOut::Kind::kLong) longs.push_back(m.bytes);
    ASSERT_EQ(longs.size(), 2u);
    const int sum = 0x20 + 0x30 + 1;  // gate, velocity, channel index 1
    EXPECT_EQ(longs[0], (Bytes{0xF0, 0x41, 0x10, 0x20, 0x30, 0x01,
                               static_cast<std::uint8_t>(-sum & 0x7F), 0x55, 0xF7}));
    Bytes all24{0xF0};
    for (int i = 0; i < 24; ++i) all24.push_back(static_cast<std::uint8_t>(i));
    all24.push_back(0xF7);
    EXPECT_EQ(longs[1], all24);
}

TEST_F(SequencerTest, RolandEventsFillAndSendTheBuffer) {
    SetTrack(1, {Ev(evt::kRolDev, 0, 0x10, 0x42), Ev(evt::kRolBase, 0, 0x40, 0x00),
                 Ev(evt::kRolPara, 0, 0x7F, 0x00), Note(60, 48, 10)});
    Start();
    Run();
    const auto all = capture.Messages();
    ASSERT_EQ(all[0].kind, CaptureMidiOut::Kind::kLong);
    EXPECT_EQ(all[0].bytes,
              (Bytes{0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x7F, 0x00, 0x41, 0xF7}));
}

TEST_F(SequencerTest, StartMeasurePositionsAndSendsPendingControllers) {
    SetTrack(
        1, {Ev(evt::kControl, 0, 7, 100), Ev(evt::kControl, 0, 64, 127), Ev(evt::kProgram, 0, 40),
            Ev(evt::kPitch, 0, 1, 70), Ev(evt::kControl, 0, 10, 30), Note(60, 48, 10),
            Ev(evt::kMeasureEnd), Ev(evt::kTempo, 0, 60), Note(62, 48, 10), Ev(evt::kMeasureEnd)});
    sequencer.StartSequencer(1, 18, Sequencer::kNoMeasureLimit, 2);
    t0 = clock.NowMillis();
    std::vector<Bytes> before;
    for (const Message& m : capture.Messages()) before.push_back(m.bytes);
    // Sent at once: controller 64 is not held back; then bend, 7, 10, program.
    const std::vector<Bytes> expected{
        {0xB0, 64, 127}, {0xE0, 1, 70}, {0xB0, 7, 100}, {0xB0, 10, 30}, {0xC0, 40}};
    EXPECT_EQ(before, expected);
    EXPECT_EQ(sequencer.TickPeriodMicros(), 10417u);
    capture.Clear();
    Run();
    const auto ons = NoteOns();
    ASSERT_EQ(ons.size(), 1u);
    EXPECT_EQ(ons[0].bytes[1], 62);
    EXPECT_EQ(ons[0].TimeMillis(), TickMs(0));
}

TEST_F(SequencerTest, LastMeasureEndsThePlay) {
    SetTrack(1, {Note(60, 48, 10), Ev(evt::kMeasureEnd), Note(62, 48, 10), Ev(evt::kMeasureEnd)});
    sequencer.StartSequencer(1, 18, 1, 1);
    Run();
    EXPECT_EQ(NoteOns().size(), 1u);
    EXPECT_FALSE(sequencer.IsPlaying());
}

TEST_F(SequencerTest, ListenersGetTheFirstEventOfEveryTickThatPlayed) {
    int items[3] = {};
    auto* a = reinterpret_cast<TMusicItem*>(&items[0]);
    auto* b = reinterpret_cast<TMusicItem*>(&items[1]);
    std::vector<TMidiEvent> events{Ev(evt::kTempo, 0, 120), Note(60, 48, 38), Note(62, 48, 38)};
    events[1].sourceItem = a;
    events[2].sourceItem = b;
    SetTrack(1, events);
    PositionRecorder recorder;
    play.Track(1).listeners.push_back(&recorder);
    Start();
    Run();
    ASSERT_EQ(recorder.positions.size(), 2u);
    EXPECT_EQ(recorder.positions[0].index, 0);
    EXPECT_EQ(recorder.positions[0].stepNo, 1);
    EXPECT_EQ(recorder.positions[0].sourceItem, nullptr);
    EXPECT_EQ(recorder.positions[1].index, 2);
    EXPECT_EQ(recorder.positions[1].stepNo, 2);
    EXPECT_EQ(recorder.positions[1].sourceItem, b);
    EXPECT_EQ(recorder.positions[1].previousItem, a);
}

TEST_F(SequencerTest, EmptySequenceEndsAtTheFirstTick) {
    Start();
    EXPECT_TRUE(sequencer.IsPlaying());
    clock.AdvanceMillis(1);
    sequencer.SequencerTick();
    EXPECT_FALSE(sequencer.IsPlaying());
    EXPECT_EQ(host.finished, 1);
}

TEST_F(SequencerTest, StopPlaybackSilencesAndStops) {
    SetTrack(1, {Note(60, 48, 38), Note(62, 48, 38)});
    Start();
    for (int i = 0; i < 5; ++i) {
        clock.AdvanceMillis(1);
        sequencer.SequencerTick();
    }
    sequencer.StopPlayback();
    EXPECT_FALSE(sequencer.IsPlaying());
    const std::size_t n = capture.Count();
    clock.AdvanceMillis(1000);
    sequencer.SequencerTick();
    EXPECT_EQ(capture.Count(), n);
    int cc120 = 0;
    for (const Message& m : capture.Messages())
        if ((m.bytes[0] & 0xF0) == 0xB0 && m.bytes[1] == 120) ++cc120;
    EXPECT_EQ(cc120, 16);
    EXPECT_EQ(host.finished, 0);
}

// Stopped in the middle, a melody that bends (an expressive play) gets the
// bend centred, the bend range back at 2 semitones with no parameter left
// selected and full expression, after the sound is off; a track that never
// bends gets nothing more than its all-sound-off.
TEST_F(SequencerTest, StopPlaybackPutsBackTheBendOfAMelodyThatBends) {
    SetTrack(
        1, {Ev(evt::kControl, 0, 101, 0), Ev(evt::kControl, 0, 100, 0), Ev(evt::kControl, 0, 6, 12),
            Ev(evt::kControl, 0, 101, 127), Ev(evt::kControl, 0, 100, 127),
            Ev(evt::kPitch, 0, 0x10, 0x45), Note(60, 48, 38), Note(62, 48, 38)});
    SetTrack(2, {Note(72, 48, 38), Note(74, 48, 38)});
    Start();
    for (int i = 0; i < 30; ++i) {
        clock.AdvanceMillis(1);
        sequencer.SequencerTick();
    }
    const std::size_t before = capture.Count();
    sequencer.StopPlayback();
    std::vector<Bytes> channel0, channel1;
    const auto all = capture.Messages();
    for (std::size_t i = before; i < all.size(); ++i) {
        if ((all[i].bytes[0] & 0x0F) == 0) channel0.push_back(all[i].bytes);
        if ((all[i].bytes[0] & 0x0F) == 1) channel1.push_back(all[i].bytes);
    }
    EXPECT_EQ(channel0, (std::vector<Bytes>{{0xB0, 120, 0},
                                            {0xE0, 0, 64},
                                            {0xB0, 101, 0},
                                            {0xB0, 100, 0},
                                            {0xB0, 6, 2},
                                            {0xB0, 38, 0},
                                            {0xB0, 101, 127},
                                            {0xB0, 100, 127},
                                            {0xB0, 11, 127}}));
    EXPECT_EQ(channel1, (std::vector<Bytes>{{0xB1, 120, 0}}));
}

TEST_F(SequencerTest, LateTimerCatchesUpAllDueTicks) {
    SetTrack(1, {Note(60, 4, 2), Note(62, 4, 2), Note(64, 4, 2)});
    Start();
    clock.AdvanceMillis(200);  // one late call runs every due tick
    sequencer.SequencerTick();
    EXPECT_EQ(NoteOns().size(), 3u);
    EXPECT_FALSE(sequencer.IsPlaying());
}

TEST_F(SequencerTest, PlaysAcrossTheWrapOfTheMillisecondCounter) {
    clock.SetMicros(((std::int64_t{1} << 32) - 200) * 1000);
    SetTrack(1, {Note(60, 48, 38), Note(62, 48, 38)});
    Start();
    Run(5000);
    const auto ons = NoteOns();
    ASSERT_EQ(ons.size(), 2u);
    EXPECT_EQ(ons[1].TimeMillis(), TickMs(48));
    EXPECT_EQ(host.finished, 1);
}

}  // namespace
}  // namespace sorvel
