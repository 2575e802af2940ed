// SPDX-License-Identifier: GPL-3.0-or-later
// The conversion of a long piece with the marks expressive playback reads
// (dynamics, hairpins, grace groups, trills, slides, vibrato, accents,
// fermatas, slurs), plain and expressive.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "common/medianreporter.h"
#include "model/daon.h"
#include "model/itemfactory.h"
#include "model/musicmark.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/workspace.h"
#include "playback/conversion/buildsequence.h"

namespace sorvel {
namespace {

constexpr int kNotes = 2000;
constexpr int kSlotsPerRow = 36;

template <class T>
T* MarkOn(TNote& note, const std::string& content) {
    T* mark = CreateItem<T>(note.Sheet());
    mark->SetContent(content);
    mark->SetPosX(note.PosX());
    mark->SetPosY(note.PosY() - 40);
    note.Link(*mark);
    mark->Link(note);
    return mark;
}

// Rows of quarter notes with a bar line after every four, over as many pages
// as they need; one note in two carries a mark of its own, cycling through
// the marks, and every eighth note starts a hairpin over three notes.
struct Piece : Workspace {
    Piece() {
        TMusicBook& b = NewBook();
        TMusicSheet* page = b.GetSheet(0);
        page->SetTitle("Bench");
        page->SetPlayCount(100);
        const char* marks[] = {"B", "[", "^", "w", "x", "{", "E", "p", "z", "Y", "s", ")"};
        int slot = 0, row = 0;
        for (int i = 0; i < kNotes; ++i) {
            auto place = [&](TMusicItem& item) {
                if (slot == kSlotsPerRow) {
                    slot = 0;
                    if (++row == 8) {
                        row = 0;
                        page = b.NewSheet();
                    }
                }
                item.SetPosX(page->LeftSpace() + ++slot * page->GridSize());
                item.SetPosY(page->TopSpace() + page->TitleHeight() + page->RowInterval() / 2 +
                             row * page->RowInterval());
            };
            TNote* note = CreateItem<TNote>(*page);
            note->SetContent(std::string(1, static_cast<char>('1' + i % 7)));
            place(*note);
            if (i % 2 == 0) MarkOn<TMusicSign>(*note, marks[(i / 2) % 12]);
            if (i % 16 == 5) MarkOn<TDaonLeft>(*note, "K")->SetAllNoteData("53 63  3  3 ");
            if (i % 8 == 3) MarkOn<TCresc>(*note, "I")->SetWidth(2 * page->GridSize());
            if (i % 4 == 3) {
                TBarLine* bar = CreateItem<TBarLine>(*page);
                bar->SetContent("c");
                place(*bar);
            }
        }
        first = b.GetSheet(0);
    }
    TMusicSheet* first = nullptr;
};

Piece& ThePiece() {
    static Piece piece;
    return piece;
}

void Convert(benchmark::State& state, bool expressive) {
    Piece& piece = ThePiece();
    PlayOptions options;
    options.expressive = expressive;
    TRcpData data;
    data.SetStartupValues();
    for (auto _ : state) {
        BuildSequence(data, *piece.first, nullptr, nullptr, options, piece.prefs);
        benchmark::DoNotOptimize(data.Track(1).events.Count());
    }
    state.counters["events"] = data.Track(1).events.Count();
}

void BM_ConvertPlain(benchmark::State& state) {
    Convert(state, false);
}
void BM_ConvertExpressive(benchmark::State& state) {
    Convert(state, true);
}
BENCHMARK(BM_ConvertPlain)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_ConvertExpressive)->Unit(benchmark::kMillisecond)->Repetitions(5);

}  // namespace
}  // namespace sorvel

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    sorvel::bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto plain = reporter.medians.find("BM_ConvertPlain");
    const auto expressive = reporter.medians.find("BM_ConvertExpressive");
    if (plain == reporter.medians.end() || expressive == reporter.medians.end()) return 0;
    const double ratio = expressive->second / plain->second;
    std::printf("expressive / plain: %.2f (target at most 2)\n", ratio);
    return ratio <= 2.0 ? 0 : 1;
}
