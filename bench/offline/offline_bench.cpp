// SPDX-License-Identifier: GPL-3.0-or-later
// Offline playback of a generated three-minute piece: rendered through the
// synthesizer into a WAV file in memory (x_realtime = seconds of sound made per
// second of wall time; the target is 50 or more), and recorded as a MIDI file.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "base/cp932.h"
#include "model/itemfactory.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/workspace.h"
#include "playback/fluidsynthout.h"
#include "playback/offline/midifilerecorder.h"
#include "playback/offline/offlineplay.h"
#include "playback/offline/wavrenderer.h"

namespace sorvel {
namespace {

constexpr int kTempo = 120;
constexpr int kRowsPerPage = 8;
constexpr int kBarsPerRow = 4;
constexpr int kPages = 3;  // 3 × 8 × 4 bars of 4/4 at 120: 192 s

// Bars of four quarter notes climbing and falling through two octaves' worth
// of degrees, on pages of eight rows.
class GeneratedPiece : public Workspace {
public:
    GeneratedPiece() {
        NewBook();
        for (int p = 0; p < kPages; ++p) {
            TMusicSheet& page = p == 0 ? *book->GetSheet(0) : *book->NewSheet();
            if (p == 0) {
                page.SetTitle("Etude");
                page.SetPlayCount(kTempo);
                page.SetKeyCode(cp932::FromUtf8("１＝Ｄ　（１５弦）"));
            }
            FillPage(page, p);
        }
    }
    TMusicSheet& FirstPage() { return *book->GetSheet(0); }

private:
    void FillPage(TMusicSheet& page, int pageNo) {
        const int top = page.TopSpace() + page.TitleHeight() + page.RowInterval() / 2;
        for (int row = 0; row < kRowsPerPage; ++row) {
            int slot = 1;
            const int y = top + row * page.RowInterval();
            for (int bar = 0; bar < kBarsPerRow; ++bar) {
                for (int beat = 0; beat < 4; ++beat) {
                    const int n = (pageNo * 131 + row * 17 + bar * 5 + beat * 3) % 7;
                    TNote* note = CreateItem<TNote>(page);
                    note->SetContent(std::string(1, static_cast<char>('1' + n)));
                    note->SetPosX(page.LeftSpace() + slot++ * page.GridSize());
                    note->SetPosY(y);
                }
                TBarLine* line = CreateItem<TBarLine>(page);
                line->SetContent("c");
                line->SetPosX(page.LeftSpace() + slot++ * page.GridSize());
                line->SetPosY(y);
            }
        }
    }
};

void BM_RenderWav(benchmark::State& state) {
    const std::string soundFont = DefaultSoundFont();
    if (soundFont.empty()) {
        state.SkipWithError("no General MIDI SoundFont installed");
        return;
    }
    SilenceSynthesizerLog();
    GeneratedPiece piece;
    double audioSeconds = 0;
    for (auto _ : state) {
        state.PauseTiming();  // loading the SoundFont is not rendering
        std::unique_ptr<WavRenderer> renderer = WavRenderer::Create(soundFont);
        if (!renderer) {
            state.SkipWithError("the SoundFont did not load");
            return;
        }
        renderer->Reserve(200'000);
        state.ResumeTiming();
        const OfflinePlayResult result = OfflinePlay(piece.FirstPage(), piece.prefs).Run(*renderer);
        renderer->RenderSilence(WavRenderer::kTailMillis);
        benchmark::DoNotOptimize(renderer->FileBytes().data());
        if (!result.finished) state.SkipWithError("the play did not end");
        audioSeconds = static_cast<double>(renderer->Frames()) / WavRenderer::kSampleRate;
        state.counters["audio_s"] = audioSeconds;
    }
    state.counters["x_realtime"] = benchmark::Counter(
        audioSeconds * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RenderWav)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_ExportMidi(benchmark::State& state) {
    GeneratedPiece piece;
    std::size_t bytes = 0;
    for (auto _ : state) {
        MidiFileRecorder recorder({});
        OfflinePlay(piece.FirstPage(), piece.prefs).Run(recorder);
        bytes = recorder.FileBytes().size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["file_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ExportMidi)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace sorvel

BENCHMARK_MAIN();
