// SPDX-License-Identifier: GPL-3.0-or-later
// The editor window with a book of ten full pages (500 items each): the
// page change (target: 10 ms median) and a cold start of the program to its
// first painted page (target: 0.25 s median; run it under a virtual X
// display for the figure that counts, offscreen otherwise).
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <cstdlib>
#include <string>

#include "common/benchpage.h"
#include "editor/dialogs/frmsetinfo.h"
#include "editor/mainwindow/frmmain.h"
#include "editor/pageview/musicpaintbox.h"
#include "model/itemfactory.h"
#include "model/musicbook.h"
#include "model/musicmark.h"
#include "model/preferencesfile.h"
#include "model/scorefile.h"
#include "model/workspace.h"
#include "view/core/pagelayout.h"

namespace sorvel {
namespace {

constexpr int kPages = 10;

std::string TenPageBook() {
    const std::string path = QDir::temp().filePath("sorvel-bench-10pages.svl").toStdString();
    Workspace ws;
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

// A full page with 50 spanning marks over its notes, shown in the window.
struct EditingPage {
    EditingPage() : window(BenchOptions({})) {
        TMusicSheet& page = *window.CurrentPage();
        FillBenchPage(page);
        int spans = 0;
        for (int i = 0; i < page.ItemCount() && spans < 50; ++i) {
            TMusicItem* item = page.GetItem(i);
            if (item->Class() != ItemClass::Note) continue;
            TMusicItem* slur = CreateItem<TSlur>(page);
            slur->SetContent("Y");
            slur->SetPosX(item->PosX());
            slur->SetPosY(item->PosY() - 45);
            slur->SetWidth(50);
            ++spans;
        }
        window.View().Redraw();
    }
    TfrmMain window;
};

// One click's hit test on an empty spot below the last row: every item is
// tested, the spans by their pixels.
void BM_HitTest(benchmark::State& state) {
    EditingPage f;
    for (auto _ : state) benchmark::DoNotOptimize(f.window.View().HitTest(500, 1300));
}
BENCHMARK(BM_HitTest)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// One drag step of a selected note: new drag positions and a redraw.
void BM_DragStep(benchmark::State& state) {
    EditingPage f;
    TMusicPaintBox& view = f.window.View();
    TMusicItem* note = f.window.CurrentPage()->GetItem(0);
    view.MouseDown(Qt::LeftButton, Qt::NoModifier, note->PosX(), note->PosY());
    int dx = 0;
    for (auto _ : state) {
        dx = (dx + 7) % 200;
        view.MouseMove(note->PosX() + dx, note->PosY());
    }
    view.MouseUp(note->PosX(), note->PosY());
}
BENCHMARK(BM_DragStep)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Typing one note at the key cursor: placed, the cursor stepped, redrawn.
void BM_TypeNote(benchmark::State& state) {
    EditingPage f;
    TfrmMain& w = f.window;
    const int rowY = PageLayout(w.Workspace().layout).RowBase(7);
    w.View().ShowKeyCursor(w.Workspace().layout.LeftSpace, rowY);
    for (auto _ : state) {
        if (w.View().KeyCursor().x >= PageLayout(w.Workspace().layout).LastX()) {
            state.PauseTiming();
            w.View().ShowKeyCursor(w.Workspace().layout.LeftSpace, rowY);
            state.ResumeTiming();
        }
        w.KeyPress(QChar('5'));
    }
}
BENCHMARK(BM_TypeNote)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Typing in rhythm entry on the full page, one key at a time: the note
// placed (its octave the one nearest the note before, with Arg 1), its bar
// laid out again, the cursor moved and the page redrawn (target: 8 ms median
// a key). Arg 0 types a scale in absolute octaves; Arg 1 a melody that leaps
// both ways, with a sharp, a flat and a grace note typed onto its notes. Each
// round is typed on the empty last row, then undone outside the timing so the
// page keeps its size.
void BM_RhythmTypeNote(benchmark::State& state) {
    const bool nearest = state.range(0) != 0;
    EditingPage f;
    TfrmMain& w = f.window;
    WritePreferenceKey(w.SettingsPath(), kAutoOctaveSection, kAutoOctaveKey, nearest ? 1 : 0);
    QAction* mode = w.Action("actRhythmEntry");
    mode->trigger();
    const int rowY = PageLayout(w.Workspace().layout).RowBase(7);
    w.View().ShowKeyCursor(w.Workspace().layout.LeftSpace, rowY);
    const std::string keys = nearest ? "5163#g52175b" : "123456712345";
    const int untouched = w.Workspace().undo.UndoCount();
    std::size_t typed = 0;
    long redraws = 0;
    for (auto _ : state) {
        if (typed > 0 && typed % keys.size() == 0) {
            state.PauseTiming();
            while (w.Workspace().undo.UndoCount() > untouched) w.Undo();
            QCoreApplication::processEvents();
            state.ResumeTiming();
        }
        const long before = w.View().RedrawCount();
        w.KeyPress(QChar(keys[typed % keys.size()]));
        QCoreApplication::processEvents();  // the deferred redraw
        redraws += w.View().RedrawCount() - before;
        ++typed;
    }
    state.counters["redraws/key"] = double(redraws) / double(typed);
    state.SetLabel(nearest ? "nearest octave, # b g" : "absolute octaves");
    mode->trigger();  // the next benchmarks start with the mode off
}
BENCHMARK(BM_RhythmTypeNote)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// A new process that opens the ten-page book and quits after painting its
// first page (SORVEL_EXIT_AFTER_FIRST_PAINT); tear-down is counted too.
void BM_ColdStartToFirstPaint(benchmark::State& state) {
    const std::string book = TenPageBook();
    const std::string platform = std::getenv("DISPLAY") ? "" : "QT_QPA_PLATFORM=offscreen ";
    const std::string command =
        platform + "SORVEL_EXIT_AFTER_FIRST_PAINT=1 " SORVEL_BINARY " " + book + " 2>/dev/null";
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
