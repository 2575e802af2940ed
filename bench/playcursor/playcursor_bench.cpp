// SPDX-License-Identifier: GPL-3.0-or-later
// Onset error of the melody while the editor's play cursor follows it across
// three pages: the sequencer plays on the 1 ms timer into the capture device
// and the GUI thread turns pages, scrolls and draws the cursor from the
// queued positions. The cursor must never delay a tick.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QSpinBox>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <memory>

#include "editor/mainwindow/frmmain.h"
#include "editor/mainwindow/pagecommands.h"
#include "editor/playing/frmplay.h"
#include "editor/playing/playbackcontroller.h"
#include "model/itemfactory.h"
#include "model/musicbook.h"
#include "model/musicmark.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/undo.h"
#include "playback/capturemidiout.h"
#include "playback/forwardingmidiout.h"
#include "view/core/pagelayout.h"

using namespace sorvel;

namespace {

constexpr int kNotesPerPage = 16;
constexpr int kTempo = 240;
constexpr int kQuarterTicks = 48;

double Percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const auto i = static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
    return v[std::min(i, v.size() - 1)];
}

// Quarter notes along the rows of a page, four to a bar, two bars to a row.
void WritePage(TfrmMain& w, TMusicSheet& page, int firstRow) {
    const PageLayout layout(w.Workspace().layout);
    TUndo& undo = w.Workspace().undo;
    undo.BeginGroup();
    for (int i = 0; i < kNotesPerPage; ++i) {
        const int row = firstRow + i / 8;
        const int slot = 1 + (i % 8) * 3;
        TNote* note = CreateItem<TNote>(page);
        note->SetContent(std::string(1, static_cast<char>('1' + i % 7)));
        note->SetPosX(layout.SlotX(slot));
        note->SetPosY(layout.RowBase(row));
        if (i % 4 == 3) {
            TBarLine* bar = CreateItem<TBarLine>(page);
            bar->SetContent("c");
            bar->SetPosX(layout.SlotX(slot + 2));
            bar->SetPosY(layout.RowBase(row));
        }
    }
    undo.EndGroup();
}

void BM_PlayCursorOnsets(benchmark::State& state) {
    QTemporaryDir dir;
    MainWindowOptions options;
    options.executablePath = dir.filePath("sorvel").toStdString();
    options.settingsPath = dir.filePath("sorvelini").toStdString();
    options.dialogs.showError = [](QWidget*, const QString&) {};
    options.dialogs.showInfo = [](QWidget*, const QString&) {};
    options.printer = PrinterMetrics{};
    options.recoveryCopies = false;
    TfrmMain w(std::move(options));
    w.resize(900, 600);
    w.show();
    PageCommands::Of(w)->NewPage();
    PageCommands::Of(w)->NewPage();
    for (int p = 0; p < 3; ++p) WritePage(w, *w.Book().GetSheet(p), p * 2);
    w.ShowPage(1, true);

    PlaybackController& pc = *FindPlaybackController(w);
    SteadyTimeSource clock;
    CaptureMidiOut capture(clock);
    capture.Reserve(4096, 16384);
    PlaybackEngineOptions engine;
    engine.devices = [] { return std::vector<MidiOutEntry>{}; };
    pc.SetEngine(engine);
    pc.UseDevice(std::make_unique<ForwardingMidiOut>(capture));
    pc.PlayDialog().findChild<QCheckBox*>("chkPlayTempo")->setChecked(false);
    pc.PlayDialog().findChild<QSpinBox*>("edtPlayTempo")->setValue(kTempo);

    std::vector<double> errors;
    int pagesShown = 0;
    for (auto _ : state) {
        capture.Clear();
        w.ShowPage(1, true);
        pc.PlayStop();
        int lastPage = w.PageNo();
        while (pc.Sequencer().IsPlaying() || pc.IsPlaying()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            if (w.PageNo() != lastPage) ++pagesShown, lastPage = w.PageNo();
        }
        const double period = pc.Sequencer().TickPeriodMicros();
        std::int64_t first = -1;
        int k = 0;
        for (const CaptureMidiOut::Message& m : capture.Messages()) {
            if (m.bytes.size() != 3 || m.bytes[0] != 0x90 || m.bytes[2] == 0) continue;
            if (first < 0) first = m.timeMicros;
            const double ideal = static_cast<double>(first) + k++ * kQuarterTicks * period;
            errors.push_back(std::abs(static_cast<double>(m.timeMicros) - ideal));
        }
    }
    state.counters["onsets"] = static_cast<double>(errors.size());
    state.counters["pages_turned"] = pagesShown;
    state.counters["error_median_us"] = Percentile(errors, 0.5);
    state.counters["error_p99_us"] = Percentile(errors, 0.99);
    state.counters["error_max_us"] = Percentile(errors, 1.0);
}
BENCHMARK(BM_PlayCursorOnsets)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
