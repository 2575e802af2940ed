// SPDX-License-Identifier: GPL-3.0-or-later
// The sequencer driven by the real 1 ms timer while another thread changes the
// tempo, the mutes and the transposition and stops the play: run under
// ThreadSanitizer, these must show no data race.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "playback/capturemidiout.h"
#include "playback/forwardingmidiout.h"
#include "playback/midioutput.h"
#include "playback/mmtimer.h"
#include "playback/rcpdata.h"
#include "playback/sequencer.h"

namespace sorvel {
namespace {

using namespace std::chrono_literals;

struct FlagHost : SequencerHost {
    std::atomic<int> passes{0};
    std::atomic<bool> finished{false};
    void OnPassStarting() override { ++passes; }
    void OnPlayFinished() override { finished = true; }
};

struct CountingListener : PlayListener {
    std::atomic<int> calls{0};
    void OnPlayPosition(const PlayPosition&) override { ++calls; }
};

class SequencerThreads : public ::testing::Test {
protected:
    SequencerThreads() {
        rcp.SetStartupValues();
        output.OpenDevice(std::make_unique<ForwardingMidiOut>(capture));
        timer.SetInterval(1);
        timer.SetEnabled(false);
        sequencer.AttachTimer(&timer);
        play.Track(1).listeners.push_back(&listener);
    }

    void SetTrack(int j, int notes, int step) {
        TMidiEventList& list = rcp.Track(j).events;
        list.Clear();
        for (int i = 0; i < notes; ++i) {
            const auto ticks = static_cast<std::uint16_t>(step);
            list.Add(MakeEvent(static_cast<std::uint16_t>(60 + i % 12), ticks, ticks, 90));
        }
        list.Add(MakeEndOfTrackEvent());
        list.NumberMeasures();
    }

    SteadyTimeSource clock;
    CaptureMidiOut capture{clock};
    MidiOutput output{[] { return std::vector<MidiOutEntry>{}; }};
    TRcpData rcp;
    TPlayData play{rcp, output};
    FlagHost host;
    CountingListener listener;
    TMMTimer timer;
    Sequencer sequencer{play, clock, &host};
};

TEST_F(SequencerThreads, RepeatedPlayWhileTheGuiChangesSettings) {
    SetTrack(1, 12, 6);
    SetTrack(2, 6, 12);
    sequencer.SetTickTempo(240);
    SequencerOptions options;
    options.playCount = 3;
    sequencer.StartPlay(options);
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    for (int i = 0; !host.finished && std::chrono::steady_clock::now() < deadline; ++i) {
        sequencer.SetTickTempo(200 + i % 40);
        play.SetTrackMode(2, static_cast<std::uint8_t>(i % 2));
        play.transposition = i % 3;
        sequencer.SetAlternateMute(i % 2 == 0);
        std::this_thread::sleep_for(1ms);
    }
    EXPECT_TRUE(host.finished);
    EXPECT_EQ(host.passes, 2);
    EXPECT_FALSE(timer.Enabled());
    EXPECT_GT(listener.calls, 0);
}

TEST_F(SequencerThreads, StopAtAnyMomentStaysStopped) {
    SetTrack(1, 1, 1);  // passes of a few milliseconds: stops land on pass boundaries too
    sequencer.SetTickTempo(240);
    SequencerOptions options;
    options.playCount = 1000;
    for (int round = 0; round < 20; ++round) {
        sequencer.StartPlay(options);
        std::this_thread::sleep_for(std::chrono::microseconds(500 * round));
        sequencer.StopPlayback();
        EXPECT_FALSE(timer.Enabled()) << round;
        EXPECT_FALSE(sequencer.IsPlaying()) << round;
        const std::size_t n = capture.Count();
        std::this_thread::sleep_for(5ms);
        EXPECT_EQ(capture.Count(), n) << round;
    }
}

}  // namespace
}  // namespace sorvel
