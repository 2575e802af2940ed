// SPDX-License-Identifier: GPL-3.0-or-later
// A book of 120 full pages (500 items each) as a PDF: the batch export's
// encoding, printing it from the editor to a PDF printer and saving it from
// the File menu (targets: 1 s median each, the editor's within a quarter of
// the batch's time); and the preview changing page or zoom on such pages
// (target: 30 ms median). Exit status 1 when a target is missed. The work is
// single-threaded and the machine may be shared, so targets are judged on
// the CPU time of the median run; the wall time is shown beside it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPrinter>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "common/benchpage.h"
#include "editor/dialogs/frmpreview.h"
#include "editor/mainwindow/frmmain.h"
#include "editor/mainwindow/printcommands.h"
#include "model/musicbook.h"
#include "model/scorefile.h"
#include "model/workspace.h"
#include "print/pageexport.h"

namespace sorvel {
namespace {

constexpr int kPages = 120;

std::string BookPath() {
    static const std::string path = [] {
        const std::string p = QDir::temp().filePath("sorvel-bench-120pages.svl").toStdString();
        Workspace ws;
        TMusicBook& book = ws.NewBook();
        FillBenchPage(*book.GetSheet(0));
        for (int i = 1; i < kPages; ++i) FillBenchPage(*book.NewSheet());
        SaveScoreFile(book, p);
        return p;
    }();
    return path;
}

// One editor window with the book open, shared by the benchmarks.
TfrmMain& Window() {
    static TfrmMain* window = [] {
        MainWindowOptions options;
        options.executablePath = QDir::temp().filePath("sorvel-bench").toStdString();
        options.settingsPath = QDir::temp().filePath("sorvel-bench-print-ini").toStdString();
        options.arguments = {BookPath()};
        options.printer = PrinterMetrics{};
        options.recoveryCopies = false;
        return new TfrmMain(std::move(options));
    }();
    return *window;
}

PrintCommands& Commands() {
    return *Window().findChild<PrintCommands*>("PrintCommands");
}

QString OutPath(const char* name) {
    return QDir::temp().filePath(name);
}

void BM_BatchPdf(benchmark::State& state) {
    Workspace ws;
    ReadResult read = ReadScoreFile(BookPath(), ws.env);
    ws.book = std::move(read.book);
    for (auto _ : state) {
        std::string bytes;
        UserText error;
        if (!EncodeBookPdf(*ws.book, ws.env, bytes, error))
            state.SkipWithError(error.Japanese().c_str());
        benchmark::DoNotOptimize(bytes.data());
    }
    state.counters["pages"] = ws.book->SheetCount();
}

void BM_EditorPrintPdf(benchmark::State& state) {
    TfrmMain& window = Window();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(OutPath("sorvel-bench-print.pdf"));
    printer.setPrintRange(QPrinter::AllPages);
    for (auto _ : state) {
        if (!Commands().PrintWith(printer)) state.SkipWithError("printing failed");
    }
    state.counters["pages"] = window.Book().SheetCount();
}

void BM_EditorSavePdf(benchmark::State& state) {
    Window();
    for (auto _ : state) {
        if (!Commands().WritePdf(OutPath("sorvel-bench-save.pdf"))) {
            state.SkipWithError("saving failed");
        }
    }
}

TfrmPreview& ShownPreview() {
    TfrmPreview& preview = Commands().PreviewWindow();
    preview.SetBook(&Window().Book(), 1);
    preview.show();
    QApplication::processEvents();
    return preview;
}

// Next page, wrapping to the first: each a render of a full page at 50 %.
void BM_PreviewPageChange(benchmark::State& state) {
    TfrmPreview& preview = ShownPreview();
    preview.findChild<QComboBox*>("cbZoom")->setCurrentIndex(kPreviewStartZoomIndex);
    for (auto _ : state) {
        if (preview.PageNo() == kPages) {
            preview.FirstPage();
        } else {
            preview.NextPage();
        }
        QApplication::processEvents();
    }
    preview.hide();
}

// Every entry of the zoom list in turn, 30 % to 200 %.
void BM_PreviewZoomChange(benchmark::State& state) {
    TfrmPreview& preview = ShownPreview();
    QComboBox* zoom = preview.findChild<QComboBox*>("cbZoom");
    int index = 0;
    for (auto _ : state) {
        index = (index + 1) % zoom->count();
        zoom->setCurrentIndex(index);
        QApplication::processEvents();
    }
    preview.hide();
}

BENCHMARK(BM_BatchPdf)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_EditorPrintPdf)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_EditorSavePdf)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_PreviewPageChange)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_PreviewZoomChange)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(22)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Keeps the medians the console shows.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.aggregate_name == "median") {
                medians[run.run_name.function_name] = {run.GetAdjustedCPUTime(),
                                                       run.GetAdjustedRealTime()};
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, std::pair<double, double>> medians;  // CPU and wall ms
};

}  // namespace
}  // namespace sorvel

int main(int argc, char** argv) {
    using namespace sorvel;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    bool ok = true;
    auto median = [&](const char* name) {
        auto it = reporter.medians.find(name);
        return it == reporter.medians.end() ? -1.0 : it->second.first;
    };
    auto check = [&](const char* name, double limitMs) {
        const double ms = median(name);
        if (ms < 0) return;
        const bool pass = ms <= limitMs;
        ok = ok && pass;
        std::printf("%-22s median %8.1f ms CPU (%.1f ms wall)  target <= %.0f ms  %s\n", name, ms,
                    reporter.medians[name].second, limitMs, pass ? "ok" : "MISSED");
    };
    check("BM_BatchPdf", 1000);
    check("BM_EditorPrintPdf", 1000);
    check("BM_EditorSavePdf", 1000);
    check("BM_PreviewPageChange", 30);
    check("BM_PreviewZoomChange", 30);
    // The editor's PDF takes about as long as the batch export's.
    const double batch = median("BM_BatchPdf");
    for (const char* name : {"BM_EditorPrintPdf", "BM_EditorSavePdf"}) {
        const double ms = median(name);
        if (batch <= 0 || ms < 0) continue;
        const bool pass = ms <= batch * 1.25;
        ok = ok && pass;
        std::printf("%-22s %.2f x the batch export  target <= 1.25  %s\n", name, ms / batch,
                    pass ? "ok" : "MISSED");
    }
    // The window goes before the application object.
    delete &Window();
    return ok ? 0 : 1;
}
