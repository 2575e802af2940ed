// SPDX-License-Identifier: GPL-3.0-or-later
// Benchmarks of the score file: read and write a generated book of 200 pages
// x 500 items (100,000 items). Medians of 10 repetitions are checked against
// the targets; the peak memory of a read is measured with VmHWM (reset
// through /proc/self/clear_refs). Exit status 1 when a target is missed.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <string>

#include "base/cp932.h"
#include "common/medianreporter.h"
#include "model/daon.h"
#include "model/glyphinfotable.h"
#include "model/itemfactory.h"
#include "model/layoutstate.h"
#include "model/modelenv.h"
#include "model/musicbook.h"
#include "model/musicmark.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/preferences.h"
#include "model/scorefile.h"
#include "model/tempo.h"
#include "model/textbox.h"
#include "model/undo.h"
#include "model/workspace.h"

namespace sorvel {
namespace {

constexpr int kPages = 200;
constexpr int kItemsPerPage = 500;

Workspace& TheEnv() {
    static Workspace workspace;
    return workspace;
}

template <class T>
T* Place(TMusicSheet& page, const char* content, int k) {
    T* item = CreateItem<T>(page);
    item->SetContent(content);
    item->SetPosX(60 + (k % 50) * 18);
    item->SetPosY(200 + (k / 50) * 146 + (k % 3));
    return item;
}

// Notes with marks linked to them, bar lines, daons, tempo marks and text boxes.
std::unique_ptr<TMusicBook> MakeBook() {
    auto book = std::make_unique<TMusicBook>(TheEnv().env);
    book->ApplyDefaultLayout();
    book->SetTitle(cp932::FromUtf8("二胡練習曲集"));
    for (int p = 0; p < kPages; ++p) {
        TMusicSheet& page = *book->NewSheet();
        page.SetTitle(cp932::FromUtf8("第") + std::to_string(p + 1) + cp932::FromUtf8("曲"));
        TNote* last = nullptr;
        for (int k = 0; k < kItemsPerPage; ++k) {
            switch (k % 10) {
                case 0:
                case 1:
                case 2:
                case 3:
                case 4: {
                    static const char* const digits[] = {"1", "2", "3", "5", "6"};
                    last = Place<TNote>(page, digits[k % 5], k);
                    last->SetLength(k % 3);
                    last->SetOctave(k % 2);
                    break;
                }
                case 5: {
                    auto* sign = Place<TMusicSign>(page, "V", k);
                    sign->Link(*last);
                    last->Link(*sign);
                    break;
                }
                case 6: {
                    auto* slur = Place<TSlur>(page, "Y", k);
                    slur->Link(*last);
                    last->Link(*slur);
                    break;
                }
                case 7:
                    Place<TBarLine>(page, "c", k);
                    break;
                case 8:
                    Place<TDaonRight>(page, "L", k)->SetAllNoteData("64T53U72V15W");
                    break;
                default:
                    if (k % 20 == 9)
                        Place<TTempo>(page, "/", k)->SetTempo(96);
                    else
                        Place<TTextBox>(page, "O", k)->SetCSVText("\"a b\",c");
            }
        }
    }
    return book;
}

TMusicBook& Book() {
    static std::unique_ptr<TMusicBook> book = MakeBook();
    return *book;
}

// The file text, made from a book that is freed again (and its memory given
// back) so that a read can be measured on its own.
const std::string& Bytes() {
    static const std::string bytes = [] {
        std::unique_ptr<TMusicBook> book = MakeBook();
        std::string text = LinesToFileBytes(SaveBookToLines(*book));
        book.reset();
        malloc_trim(0);
        return text;
    }();
    return bytes;
}

long StatusKb(const char* field) {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(field, 0) == 0) return std::stol(line.substr(std::string(field).size()));
    }
    return -1;
}

void BM_WriteBook(benchmark::State& state) {
    TMusicBook& book = Book();
    size_t size = 0;
    for (auto _ : state) {
        std::string bytes = SaveBookToFileBytes(book);
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.counters["MB"] = static_cast<double>(size) / 1e6;
}

void BM_SaveFile(benchmark::State& state) {
    TMusicBook& book = Book();
    const std::string path = "/tmp/sorvel-bench-" + std::to_string(getpid()) + ".svl";
    for (auto _ : state) {
        if (!SaveScoreFile(book, path).ok) state.SkipWithError("save failed");
    }
    std::remove(path.c_str());
}

void BM_ReadBook(benchmark::State& state) {
    const std::string& bytes = Bytes();
    for (auto _ : state) {
        ReadResult r = ReadScoreBytes(bytes, TheEnv().env);
        if (r.status != ReadStatus::Ok) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(r.book.get());
    }
    state.counters["items"] = kPages * kItemsPerPage;
}

void BM_WriteLines(benchmark::State& state) {
    TMusicBook& book = Book();
    for (auto _ : state) {
        std::vector<std::string> lines = SaveBookToLines(book);
        benchmark::DoNotOptimize(lines.data());
    }
}

BENCHMARK(BM_WriteBook)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_WriteLines)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_SaveFile)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_ReadBook)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

using sorvel::bench::MedianReporter;

// Peak memory of reading the book: the text to read is in memory first, as
// when a file has been read; the peak is the process's high-water mark.
void MeasureReadMemory(long& baseKb, long& peakKb) {
    const std::string& bytes = Bytes();
    std::ofstream("/proc/self/clear_refs") << "5";
    baseKb = StatusKb("VmRSS:");
    {
        ReadResult r = ReadScoreBytes(bytes, TheEnv().env);
        benchmark::DoNotOptimize(r.book.get());
    }
    peakKb = StatusKb("VmHWM:");
}

}  // namespace
}  // namespace sorvel

int main(int argc, char** argv) {
    using namespace sorvel;
    long baseKb = 0, peakKb = 0;
    // Before anything else is built: only the text and the book read count.
    MeasureReadMemory(baseKb, peakKb);
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\nfile: %.1f MB, %d items\n", static_cast<double>(Bytes().size()) / 1e6,
                kPages * kItemsPerPage);
    std::printf("peak memory of a read: %.1f MB (process, of which %.1f MB before reading)\n",
                peakKb / 1024.0, baseKb / 1024.0);
    bool ok = true;
    auto check = [&](const char* name, double limitMs) {
        auto it = reporter.medians.find(name);
        if (it == reporter.medians.end()) return;
        const bool pass = it->second <= limitMs;
        ok = ok && pass;
        std::printf("%-14s median %8.1f ms  target <= %.0f ms  %s\n", name, it->second, limitMs,
                    pass ? "ok" : "MISSED");
    };
    check("BM_ReadBook", 300);
    check("BM_WriteBook", 150);
    const bool memoryOk = peakKb > 0 && peakKb <= 80 * 1024;
    std::printf("%-14s peak    %8.1f MB  target <= 80 MB  %s\n", "read memory", peakKb / 1024.0,
                memoryOk ? "ok" : "MISSED");
    return ok && memoryOk ? 0 : 1;
}
