// SPDX-License-Identifier: GPL-3.0-or-later
// Hearing a 30 s recording of a synthetic bowed melody with vibrato, glides,
// detune and hiss, as a WAV file (x_realtime = seconds of recording heard per
// second; the target is 20 or more, half of transcription's budget of 10).
// Also the tuner's reading of a quarter second.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "audiotones.h"
#include "listen/hearfile.h"
#include "listen/tuner.h"

namespace sorvel::listen {
namespace {

testing::ToneTake ThirtySeconds() {
    testing::ToneTake take = testing::Melody(60, 0.42, 66, 0.06);
    for (std::size_t i = 0; i < take.notes.size(); ++i) {
        if (i % 5 == 2) take.notes[i].vibratoCents = 35;
        if (i % 7 == 3) take.notes[i].glideFrom = take.notes[i].midi - 3;
    }
    take.tuningCents = 23;
    take.hissDb = -50;
    take.seconds = 30;
    return take;
}

void BM_HearFile(benchmark::State& state) {
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("sorvel-listen-bench-" + std::to_string(::getpid()) + ".wav"))
                                 .string();
    const testing::ToneTake take = ThirtySeconds();
    testing::WriteWav(path, testing::Render(take), take.rate);
    double seconds = 0;
    std::size_t notes = 0;
    for (auto _ : state) {
        UserText error;
        const HeardMelody melody = HearFile(path, {}, &error);
        if (!error.empty()) state.SkipWithError("the recording was not heard");
        seconds = melody.seconds;
        notes = melody.notes.size();
        benchmark::DoNotOptimize(notes);
    }
    std::filesystem::remove(path);
    state.counters["audio_s"] = seconds;
    state.counters["notes"] = static_cast<double>(notes);
    state.counters["x_realtime"] = benchmark::Counter(
        seconds * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_HearFile)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_Tuner(benchmark::State& state) {
    testing::ToneTake take;
    take.notes.push_back({0.0, 0.3, 62, 0, 5.5});
    const std::vector<float> samples = testing::Render(take);
    for (auto _ : state) {
        const TunerReading r = EstimateTone(samples.data(), 11025, take.rate);
        benchmark::DoNotOptimize(r.cents);
    }
}
BENCHMARK(BM_Tuner)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sorvel::listen

BENCHMARK_MAIN();
