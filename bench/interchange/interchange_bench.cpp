// SPDX-License-Identifier: GPL-3.0-or-later
// Benchmark of the MusicXML export: a book of 10 pages x 200 notes in 4/4
// (2,000 notes) with bowings, fingers, strings, dynamics, slurs, hairpins,
// triplets, dashes, grace notes and slides. The median of 10 repetitions is
// checked against the target; exit status 1 when it is missed.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "base/cp932.h"
#include "common/medianreporter.h"
#include "interchange/musicxmlwriter.h"
#include "model/daon.h"
#include "model/itemfactory.h"
#include "model/musicbook.h"
#include "model/musicmark.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/workspace.h"

namespace sorvel {
namespace {

constexpr int kPages = 10;
constexpr int kNotesPerPage = 200;
constexpr int kTargetMs = 50;

Workspace& Workspace() {
    static Workspace workspace;
    return workspace;
}

template <class T>
T* Place(TMusicSheet& page, const std::string& content, int x, int y) {
    T* item = CreateItem<T>(page);
    item->SetContent(content);
    item->SetPosX(x);
    item->SetPosY(y);
    return item;
}

template <class T>
T* MarkOn(TNote& note, const std::string& content, int dy, int width = 0) {
    T* mark = Place<T>(note.Sheet(), content, note.PosX(), note.PosY() - dy);
    if (width > 0) mark->SetWidth(width);
    note.Link(*mark);
    mark->Link(note);
    return mark;
}

// Bars of four quarters: eight eighths; or a triplet of eighths, two eighths
// and two quarters; or a note held over three dashes. 30 slots a row.
void FillPage(TMusicSheet& page, int pageNo) {
    page.SetKeyCode(cp932::FromUtf8(pageNo % 2 ? "１＝Ｇ　（５２弦）" : "１＝Ｄ　（１５弦）"));
    const int grid = page.GridSize();
    int row = 0, slot = 1, notes = 0;
    auto y = [&] {
        return page.TopSpace() + page.TitleHeight() + page.RowInterval() / 2 +
               row * page.RowInterval();
    };
    auto next = [&] {
        if (slot > 30) ++row, slot = 1;
        return page.LeftSpace() + slot++ * grid;
    };
    Place<TBeat>(page, "$", next(), y());
    for (int bar = 0; notes < kNotesPerPage; ++bar) {
        const int kind = bar % 3;
        const int count = kind == 0 ? 8 : kind == 1 ? 7 : 4;
        for (int k = 0; k < count && notes < kNotesPerPage; ++k, ++notes) {
            const bool dash = kind == 2 && k > 0;
            TNote* note =
                Place<TNote>(page, dash ? "8" : std::string(1, char('1' + (notes * 3) % 7)), 0, 0);
            note->SetPosX(next());
            note->SetPosY(y());
            if (dash) continue;
            note->SetLength(kind == 0 || (kind == 1 && k < 5) ? 1 : 0);
            note->SetOctave(notes % 11 == 0 ? 1 : 0);
            if (notes % 13 == 0) note->SetRinji("`");
            MarkOn<TMusicSign>(*note, std::string(1, char('T' + notes % 5)), 36);
            MarkOn<TMusicSign>(*note, notes % 2 ? "P" : "Q", 57);
            if (k == 0) MarkOn<TMusicSign>(*note, notes % 4 ? "R" : "S", 46);
            if (kind == 1 && k == 0) MarkOn<T3ren>(*note, "Z", 70, 2 * grid);
            if (kind == 0 && k % 4 == 0) MarkOn<TSlur>(*note, "Y", 80, 3 * grid);
            if (kind == 0 && k == 0) MarkOn<TMusicSign>(*note, "D", -36);
            if (kind == 0 && k == 4) MarkOn<TCresc>(*note, "I", -40, 3 * grid);
            if (kind == 1 && k == 5) MarkOn<TMusicSign>(*note, "^", 0);
            if (kind == 1 && k == 6)
                MarkOn<TDaonLeft>(*note, "K", 30)->SetAllNoteData("54 33 3  3 ");
        }
        Place<TBarLine>(page, "c", next(), y());
    }
}

TMusicBook& Book() {
    static TMusicBook* book = [] {
        TMusicBook& b = Workspace().NewBook();
        for (int p = 0; p < kPages; ++p) {
            TMusicSheet& page = p == 0 ? *b.GetSheet(0) : *b.NewSheet();
            if (p == 0) page.SetTitle(cp932::FromUtf8("練習曲"));
            FillPage(page, p);
        }
        return &b;
    }();
    return *book;
}

void BM_ExportMusicXml(benchmark::State& state) {
    TMusicBook& book = Book();
    size_t bytes = 0;
    for (auto _ : state) {
        std::string xml = interchange::WriteMusicXml(book);
        bytes = xml.size();
        benchmark::DoNotOptimize(xml.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ExportMusicXml)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

using sorvel::bench::MedianReporter;

}  // namespace
}  // namespace sorvel

int main(int argc, char** argv) {
    using namespace sorvel;
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto it = reporter.medians.find("BM_ExportMusicXml");
    if (it == reporter.medians.end()) return 0;  // filtered out
    const bool ok = it->second <= kTargetMs;
    std::printf("\nexport of %d notes: median %.1f ms  target <= %d ms  %s\n",
                kPages * kNotesPerPage, it->second, kTargetMs, ok ? "ok" : "MISSED");
    return ok ? 0 : 1;
}
