// SPDX-License-Identifier: GPL-3.0-or-later
// The sequencer's cost per tick, and how exactly a piece played in real time
// meets its ideal onset times.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

#include "playback/capturemidiout.h"
#include "playback/forwardingmidiout.h"
#include "playback/midioutput.h"
#include "playback/mmtimer.h"
#include "playback/rcpdata.h"
#include "playback/sequencer.h"

namespace sorvel {
namespace {

int g_pieceSeconds = 5;

void AddEvent(TMidiEventList& list, std::uint16_t type, std::uint16_t step, std::uint16_t gate,
              std::uint16_t velocity) {
    list.Add(MakeEvent(type, step, gate, velocity));
}

// Track j: `count` notes of `step` ticks (count 0: an endless loop of 8 notes).
void FillTrack(TRcpData& rcp, int j, int count, std::uint16_t step, int baseNote) {
    TMidiEventList& list = rcp.Track(j).events;
    list.Clear();
    if (count == 0) AddEvent(list, evt::kLoopStart, 0, 0, 0);
    for (int i = 0; i < (count == 0 ? 8 : count); ++i)
        AddEvent(list, static_cast<std::uint16_t>(baseNote + i % 12), step,
                 static_cast<std::uint16_t>(step * 8 / 10), 100);
    if (count == 0) AddEvent(list, evt::kLoopEnd, 0, 0, 0);
    list.Add(MakeEndOfTrackEvent());
    list.NumberMeasures();
}

// One call of SequencerTick that runs exactly one tick of every track.
void BM_SequencerTick(benchmark::State& state) {
    const int tracks = static_cast<int>(state.range(0));
    VirtualTimeSource clock;
    CaptureMidiOut capture(clock);
    MidiOutput output([] { return std::vector<MidiOutEntry>{}; });
    output.OpenDevice(std::make_unique<ForwardingMidiOut>(capture));
    TRcpData rcp;
    rcp.SetStartupValues();
    for (int j = 1; j <= tracks; ++j)
        FillTrack(rcp, j, 0, static_cast<std::uint16_t>(6 + j), 40 + j);
    TPlayData play(rcp, output);
    Sequencer sequencer(play, clock);
    sequencer.SetTickTempo(120);
    sequencer.StartPlay({});
    const std::int64_t period = sequencer.TickPeriodMicros();
    std::int64_t ticks = 0;
    for (auto _ : state) {
        clock.SetMicros(clock.NowMicros() + period);
        sequencer.SequencerTick();
        ++ticks;
        if (capture.Count() > 1'000'000) {
            state.PauseTiming();
            capture.Clear();
            state.ResumeTiming();
        }
    }
    state.SetItemsProcessed(ticks);
    state.counters["messages_per_tick"] =
        benchmark::Counter(static_cast<double>(capture.Count()) / static_cast<double>(ticks));
}
BENCHMARK(BM_SequencerTick)->Arg(3)->Arg(18);

double Percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const auto i = static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
    return v[std::min(i, v.size() - 1)];
}

// A piece of eighth notes (track 1) and quarter-note clicks (track 2, channel 10)
// at 120 beats per minute, played on the 1 ms timer to the capture device.
void BM_RealTimeOnsets(benchmark::State& state) {
    constexpr int kEighth = 24;
    constexpr int kQuarter = 48;
    const int eighths = g_pieceSeconds * 4;  // 0.25 s each
    SteadyTimeSource clock;
    CaptureMidiOut capture(clock);
    capture.Reserve(static_cast<std::size_t>(eighths) * 8, static_cast<std::size_t>(eighths) * 32);
    MidiOutput output([] { return std::vector<MidiOutEntry>{}; });
    output.OpenDevice(std::make_unique<ForwardingMidiOut>(capture));
    TRcpData rcp;
    rcp.SetStartupValues();
    FillTrack(rcp, 1, eighths, kEighth, 60);
    FillTrack(rcp, 2, eighths / 2, kQuarter, 37);
    rcp.Track(2).channel = 9;
    TPlayData play(rcp, output);
    Sequencer sequencer(play, clock);
    TMMTimer timer;
    timer.SetInterval(1);
    timer.SetEnabled(false);
    sequencer.AttachTimer(&timer);
    sequencer.SetTickTempo(120);
    const double periodMicros = sequencer.TickPeriodMicros();

    std::vector<double> errors;
    for (auto _ : state) {
        capture.Clear();
        const std::int64_t start = clock.NowMicros();
        sequencer.StartPlay({});
        while (sequencer.IsPlaying()) std::this_thread::sleep_for(std::chrono::milliseconds(20));
        int melody = 0;
        int clicks = 0;
        for (const CaptureMidiOut::Message& m : capture.Messages()) {
            if (m.bytes.size() != 3 || (m.bytes[0] & 0xF0) != 0x90 || m.bytes[2] == 0) continue;
            const bool click = m.bytes[0] == 0x99;
            const double tick = click ? kQuarter * clicks++ : kEighth * melody++;
            const double ideal = static_cast<double>(start) + tick * periodMicros;
            errors.push_back(std::abs(static_cast<double>(m.timeMicros) - ideal));
        }
    }
    state.counters["onsets"] = static_cast<double>(errors.size());
    state.counters["error_median_us"] = Percentile(errors, 0.5);
    state.counters["error_p99_us"] = Percentile(errors, 0.99);
    state.counters["error_max_us"] = Percentile(errors, 1.0);
}
BENCHMARK(BM_RealTimeOnsets)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

}  // namespace
}  // namespace sorvel

int main(int argc, char** argv) {
    // --piece_seconds=N: length of the real-time piece (5 s unless given).
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--piece_seconds=", 16) == 0)
            sorvel::g_pieceSeconds = std::max(1, std::atoi(argv[i] + 16));
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
