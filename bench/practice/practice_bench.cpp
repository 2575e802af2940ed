// SPDX-License-Identifier: GPL-3.0-or-later
// Checking a 30 s take against its written notes: hearing the samples (the
// pitch track and the notes) and aligning and measuring them, as the editor
// does after a recording (x_realtime = seconds of take checked per second).
#include <benchmark/benchmark.h>

#include <vector>

#include "audiotones.h"
#include "practice/heardtake.h"
#include "practice/takecheck.h"

namespace sorvel::practice {
namespace {

// A melody of 30 s with vibrato on some notes, glides into others, some
// notes out of tune, a room and hiss; the written notes are what it plays in
// tune, at 0.46 s a beat.
struct BenchTake {
    listen::testing::ToneTake take;
    std::vector<WrittenNote> written;
};

BenchTake ThirtySeconds() {
    BenchTake out;
    out.take = listen::testing::Melody(64, 0.42, 66, 0.04);
    for (std::size_t i = 0; i < out.take.notes.size(); ++i) {
        listen::testing::ToneNote& note = out.take.notes[i];
        WrittenNote w;
        w.number = static_cast<int>(i) + 1;
        w.midi = static_cast<int>(note.midi);
        w.beat = static_cast<double>(i);
        w.beats = 1;
        w.onset = note.onset;
        w.length = 0.46;
        out.written.push_back(w);
        if (i % 5 == 2) note.vibratoCents = 35;
        if (i % 7 == 3) note.glideFrom = note.midi - 3;
        if (i % 6 == 1) note.midi += 0.3;
    }
    out.take.hissDb = -50;
    out.take.roomSeconds = 0.4;
    return out;
}

void BM_CheckTake(benchmark::State& state) {
    const BenchTake bench = ThirtySeconds();
    const std::vector<float> samples = listen::testing::Render(bench.take);
    int matched = 0;
    for (auto _ : state) {
        UserText error;
        const HeardTake take =
            HearTakeSamples(samples.data(), samples.size(), bench.take.rate, {}, &error);
        if (take.melody.notes.empty()) state.SkipWithError("the take was not heard");
        const TakeCheck check = CheckTake(bench.written, take, listen::kA4Hz);
        matched = check.matched;
        benchmark::DoNotOptimize(matched);
    }
    state.counters["notes"] = static_cast<double>(bench.written.size());
    state.counters["matched"] = matched;
    state.counters["x_realtime"] = benchmark::Counter(
        bench.take.seconds * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CheckTake)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(5);

}  // namespace
}  // namespace sorvel::practice

BENCHMARK_MAIN();
