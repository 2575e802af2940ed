// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing a full page into the page image, and the first export of a page by
// a freshly started program.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <memory>
#include <string>

#include "common/benchpage.h"
#include "model/workspace.h"
#include "print/pagerenderer.h"
#include "view/qt/musicfont.h"

namespace sorvel {
namespace {

void BM_DrawFullPageImage(benchmark::State& state) {
    Workspace ws;
    TMusicSheet& page = *ws.NewBook().GetSheet(0);
    FillBenchPage(page);
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
    const std::string command =
        std::string("QT_QPA_PLATFORM=offscreen " SORVEL_BINARY " --export-png " SORVEL_EXAMPLES_DIR
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
