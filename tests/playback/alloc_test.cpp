// SPDX-License-Identifier: GPL-3.0-or-later
// The tick must not allocate: every global allocation of this test program is
// counted, and a whole play is ticked with the count watched.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "playback/capturemidiout.h"
#include "playback/forwardingmidiout.h"
#include "playback/midioutput.h"
#include "playback/rcpdata.h"
#include "playback/sequencer.h"

namespace {
std::atomic<long> g_allocations{0};
}

void* operator new(std::size_t size) {
    ++g_allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

namespace sorvel {
namespace {

TEST(SequencerTick, AllocatesNothing) {
    VirtualTimeSource clock;
    CaptureMidiOut capture(clock);
    capture.Reserve(100000, 1000000);
    MidiOutput output([] { return std::vector<MidiOutEntry>{}; });
    output.OpenDevice(std::make_unique<ForwardingMidiOut>(capture));
    TRcpData rcp;
    rcp.SetStartupValues();
    TPlayData play(rcp, output);
    Sequencer sequencer(play, clock);
    for (int j = 1; j <= 4; ++j) {
        TMidiEventList& list = rcp.Track(j).events;
        list.Clear();
        auto add = [&](std::uint16_t type, std::uint16_t step, std::uint16_t gate,
                       std::uint16_t vel) { list.Add(MakeEvent(type, step, gate, vel)); };
        add(evt::kTempo, 0, 150, 0);
        add(evt::kLoopStart, 0, 0, 0);
        for (int i = 0; i < 50; ++i) add(static_cast<std::uint16_t>(50 + i % 30), 12, 10, 100);
        add(evt::kUserExc0, 0, 1, 2);
        add(evt::kRolPara, 0, 1, 2);
        add(evt::kControl, 0, 7, 100);
        add(evt::kLoopEnd, 4, 0, 0);
        list.Add(MakeEndOfTrackEvent());
        list.NumberMeasures();
    }
    sequencer.StartPlay({});
    const long before = g_allocations.load();
    int ms = 0;
    for (; ms < 600000 && sequencer.IsPlaying(); ++ms) {
        clock.AdvanceMillis(1);
        sequencer.SequencerTick();
    }
    EXPECT_EQ(g_allocations.load() - before, 0);
    EXPECT_FALSE(sequencer.IsPlaying());
    EXPECT_GT(capture.Count(), 800u);
}

}  // namespace
}  // namespace sorvel
