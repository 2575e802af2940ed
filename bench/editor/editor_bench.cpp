// The editor window with a book of ten full pages (500 items each): the
// page change (target: 10 ms median) and a cold start of the program to its
// first painted page (target: 0.25 s median; run it under a virtual X
// display for the figure that counts, offscreen otherwise).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <cstdlib>
#include <string>

#include "common/benchpage.h"
#include "editor/frmmain.h"
#include "model/musicbook.h"
#include "model/scorefile.h"
#include "model/workspace.h"

namespace sorvel {
namespace {

constexpr int kPages = 10;

std::string TenPageBook() {
    const std::string path = QDir::temp().filePath("sorvel-bench-10pages.svl").toStdString();
    TWorkspace ws;
    TMusicBook& book = ws.NewBook();
    FillBenchPage(*book.GetSheet(0));
    for (int i = 1; i < kPages; ++i) FillBenchPage(*book.NewSheet());
    SaveScoreFile(book, path);
    return path;
}

MainWindowOptions BenchOptions(std::vector<std::string> arguments) {
    MainWindowOptions options;
    options.executablePath = QDir::temp().filePath("sorvel-bench").toStdString();
    options.settingsPath = QDir::temp().filePath("sorvel-bench-ini").toStdString();
    options.arguments = std::move(arguments);
    options.printer = PrinterMetrics{};
    options.recoveryCopies = false;
    return options;
}

// Next page and back, each a full redraw of 500 items into the page image.
void BM_PageChange(benchmark::State& state) {
    TfrmMain window(BenchOptions({TenPageBook()}));
    int page = 1;
    for (auto _ : state) {
        page = page < kPages ? page + 1 : 1;
        window.ShowPage(page, true);
    }
    state.counters["items"] = window.Book().GetSheet(0)->ItemCount();
}
BENCHMARK(BM_PageChange)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// A new process that opens the ten-page book and quits after painting its
// first page (SORVEL_EXIT_AFTER_FIRST_PAINT); tear-down is counted too.
void BM_ColdStartToFirstPaint(benchmark::State& state) {
    const std::string book = TenPageBook();
    const std::string platform = std::getenv("DISPLAY") ? "" : "QT_QPA_PLATFORM=offscreen ";
    const std::string command = platform + "SORVEL_EXIT_AFTER_FIRST_PAINT=1 " SORVEL_BINARY " " +
                                book + " 2>/dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) state.SkipWithError("the editor did not start");
    }
}
BENCHMARK(BM_ColdStartToFirstPaint)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true)
    ->UseRealTime();

}  // namespace
}  // namespace sorvel

int main(int argc, char** argv) {
    if (!std::getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
