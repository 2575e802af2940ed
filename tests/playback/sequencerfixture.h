// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sequencer on a virtual clock with every MIDI message captured: the
// fixture of the sequencer's tests, with short ways to write events.
#include <gtest/gtest.h>

#include "playback/capturemidiout.h"
#include "playback/forwardingmidiout.h"
#include "playback/midioutput.h"
#include "playback/rcpdata.h"
#include "playback/sequencer.h"

namespace sorvel {

using Bytes = std::vector<std::uint8_t>;
using Message = CaptureMidiOut::Message;

inline TMidiEvent Ev(std::uint16_t type, std::uint16_t step = 0, std::uint16_t gate = 0,
                     std::uint16_t velocity = 0) {
    return MakeEvent(type, step, gate, velocity);
}

inline TMidiEvent Note(int note, int step, int gate, int velocity = 100) {
    return Ev(static_cast<std::uint16_t>(note), static_cast<std::uint16_t>(step),
              static_cast<std::uint16_t>(gate), static_cast<std::uint16_t>(velocity));
}

struct RecordingHost : SequencerHost {
    CaptureMidiOut* capture = nullptr;
    int removeCountIn = 0;
    int finished = 0;
    std::vector<std::size_t> passStarts;           // capture counts where passes began
    std::vector<std::pair<int, int>> passesBegun;  // pass number and speed in percent
    void RemoveCountIn() override { ++removeCountIn; }
    void OnPassStarting() override { passStarts.push_back(capture->Count()); }
    void OnPlayFinished() override { ++finished; }
    void OnPassBegun(int pass, int percent) override { passesBegun.emplace_back(pass, percent); }
};

struct PositionRecorder : PlayListener {
    std::vector<PlayPosition> positions;
    void OnPlayPosition(const PlayPosition& p) override { positions.push_back(p); }
};

class SequencerTest : public ::testing::Test {
protected:
    SequencerTest() {
        rcp.SetStartupValues();
        output.OpenDevice(std::make_unique<ForwardingMidiOut>(capture));
        clock.SetMicros(std::int64_t{5'000'000'000});
        host.capture = &capture;
        sequencer.SetTickTempo(120);
    }

    void SetTrack(int j, std::vector<TMidiEvent> events) {
        TMidiEventList& list = rcp.Track(j).events;
        list.Clear();
        for (const TMidiEvent& e : events) list.Add(e);
        list.Add(MakeEndOfTrackEvent());
        list.NumberMeasures();
    }

    void Start(SequencerOptions options = {}) {
        t0 = clock.NowMillis();
        sequencer.StartPlay(options);
    }

    void Run(int maxMillis = 10 * 60 * 1000) {
        for (int i = 0; i < maxMillis && sequencer.IsPlaying(); ++i) {
            clock.AdvanceMillis(1);
            sequencer.SequencerTick();
        }
    }

    // When tick k (0 = the first) runs at the current tick period.
    std::uint32_t TickMs(std::int64_t k) const { return RunsAt(k * sequencer.TickPeriodMicros()); }
    // The timer call (one a millisecond, the first at t0 + 1) that runs a tick
    // due `dueMicros` after the start: the call nearest to the due time.
    std::uint32_t RunsAt(std::int64_t dueMicros) const {
        const std::int64_t ms = (dueMicros - Sequencer::kHalfTimerPeriodMicros + 999) / 1000;
        return t0 + static_cast<std::uint32_t>(std::max<std::int64_t>(1, ms));
    }

    std::vector<Message> Short(std::uint8_t status) const {
        std::vector<Message> out;
        for (const Message& m : capture.Messages())
            if (m.kind == CaptureMidiOut::Kind::kShort && m.bytes[0] == status) out.push_back(m);
        return out;
    }
    std::vector<Message> NoteOns(std::uint8_t channel = 0, std::size_t from = 0,
                                 std::size_t to = SIZE_MAX) const {
        std::vector<Message> out;
        const auto all = capture.Messages();
        for (std::size_t i = from; i < std::min(to, all.size()); ++i) {
            const Message& m = all[i];
            if (m.bytes.size() == 3 && m.bytes[0] == (0x90 | channel) && m.bytes[2] != 0)
                out.push_back(m);
        }
        return out;
    }
    std::vector<Message> NoteOffs(std::uint8_t channel = 0) const {
        std::vector<Message> out;
        for (const Message& m : Short(static_cast<std::uint8_t>(0x90 | channel)))
            if (m.bytes[2] == 0) out.push_back(m);
        return out;
    }

    VirtualTimeSource clock;
    CaptureMidiOut capture{clock};
    MidiOutput output{[] { return std::vector<MidiOutEntry>{}; }};
    TRcpData rcp;
    TPlayData play{rcp, output};
    RecordingHost host;
    Sequencer sequencer{play, clock, &host};
    std::uint32_t t0 = 0;
};

}  // namespace sorvel
