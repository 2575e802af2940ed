// Drawing a full page into the page image, and the first export of a page by
// a freshly started program.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <memory>
#include <string>

#include "model/itemfactory.h"
#include "model/musicmark.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/workspace.h"
#include "print/pagerenderer.h"
#include "view/qt/musicfont.h"

namespace sorvel {
namespace {

// 8 rows x 36 slots of notes with marks above them: 500 items.
void FillPage(TMusicSheet& page) {
    int count = 0;
    for (int row = 0; row < 8 && count < 500; ++row) {
        const int y = 243 + row * 146;
        for (int slot = 1; slot < 36 && count < 500; ++slot) {
            const int x = 40 + slot * 25;
            if (slot % 9 == 0) {
                TBarLine* bar = CreateItem<TBarLine>(page);
                bar->SetContent("c");
                bar->SetPosX(x);
                bar->SetPosY(y);
                ++count;
                continue;
            }
            TNote* note = CreateItem<TNote>(page);
            note->SetContent(std::string(1, static_cast<char>('1' + slot % 7)));
            note->SetLength(slot % 3 == 0 ? 0 : 1);
            note->SetOctave(slot % 5 == 0 ? 1 : 0);
            note->SetPosX(x);
            note->SetPosY(y);
            ++count;
            if (count < 500) {
                TMusicSign* finger = CreateItem<TMusicSign>(page);
                finger->SetContent(std::string(1, static_cast<char>('T' + slot % 5)));
                finger->SetPosX(x);
                finger->SetPosY(y - 36);
                ++count;
            }
            if (slot % 2 == 0 && count < 500) {
                TMusicSign* bow = CreateItem<TMusicSign>(page);
                bow->SetContent(slot % 4 == 0 ? "P" : "Q");
                bow->SetPosX(x);
                bow->SetPosY(y - 57);
                ++count;
            }
        }
    }
}

void BM_DrawFullPageImage(benchmark::State& state) {
    TWorkspace ws;
    TMusicSheet& page = *ws.NewBook().GetSheet(0);
    FillPage(page);
    PageRenderer renderer(ws.env);
    QImage image(page.PageWidth, page.PageHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        renderer.Paint(painter, page, false);
    }
    state.counters["items"] = page.ItemCount();
}
BENCHMARK(BM_DrawFullPageImage)->Unit(benchmark::kMillisecond);

// A new process that reads the demonstration book and writes page 1.
void BM_ColdStartExport(benchmark::State& state) {
    const std::string command = std::string("QT_QPA_PLATFORM=offscreen " SORVEL_BINARY
                                            " --export-png " SORVEL_EXAMPLES_DIR
                                            "/demo.svl /tmp/sorvel-bench.png");
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) state.SkipWithError("export failed");
    }
}
BENCHMARK(BM_ColdStartExport)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace sorvel

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    sorvel::InstallMusicFont();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
