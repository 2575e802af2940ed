// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing a page of 500 items (notes with lines, dots and accidentals, bar
// lines, signs, slurs, brackets, daons, tempo marks and text boxes) into the
// page image with the grid, as the page view's redraw does. The canvas
// measures text byte by byte with per-glyph widths and sums what it is asked
// to draw, so the cost measured is that of the drawing logic itself; the
// QPainter-backed variant lives with the Qt canvas.
#include <benchmark/benchmark.h>

#include <array>
#include <memory>

#include "model/daon.h"
#include "model/glyphinfotable.h"
#include "model/itemfactory.h"
#include "model/layoutstate.h"
#include "model/musicbook.h"
#include "model/musicmark.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/preferences.h"
#include "model/rinjimarktbl.h"
#include "model/tempo.h"
#include "model/textbox.h"
#include "model/workspace.h"
#include "view/core/drawcontext.h"
#include "view/core/pagedrawing.h"
#include "view/core/pagelayout.h"

namespace sorvel {
namespace {

class CountingCanvas : public Canvas {
public:
    CountingCanvas() {
        for (size_t i = 0; i < widths_.size(); ++i) widths_[i] = 40 + static_cast<int>(i % 23);
    }
    void SetFont(const std::string& family, int points) override {
        font_ = family;
        points_ = points;
    }
    void SetFontSize(int points) override { points_ = points; }
    void SetFontColor(Color color) override { fontColor_ = color; }
    const std::string& FontName() const override { return font_; }
    int FontSize() const override { return points_; }
    int TextWidth(const std::string& text) override {
        int sum = 0;
        for (unsigned char c : text) sum += widths_[c];
        return sum * PixelSize() / 100;
    }
    int TextHeight(const std::string&) override { return PixelSize(); }
    void TextOut(int x, int y, const std::string& text) override {
        checksum_ += x + y + TextWidth(text) + static_cast<long long>(fontColor_);
    }
    void SetPenMode(PenMode) override {}
    void Line(int x1, int y1, int x2, int y2) override { checksum_ += x1 + y1 + x2 + y2; }
    void Polyline(const std::vector<Point>& points) override {
        for (const Point& p : points) checksum_ += p.x + p.y;
    }
    void ClosedPolyline(const std::vector<Point>& points) override { Polyline(points); }
    void Ellipse(int l, int t, int r, int b) override { checksum_ += l + t + r + b; }
    void FillRect(int l, int t, int r, int b) override { checksum_ += (r - l) * (b - t); }
    void Bezier(Point a, Point b, Point c, Point d) override { checksum_ += a.x + b.y + c.x + d.y; }
    bool IsPrinting() const override { return false; }

    long long checksum_ = 0;

private:
    int PixelSize() const { return (points_ * 4 + 1) / 3; }

    std::array<int, 256> widths_{};
    std::string font_;
    int points_ = 18;
    Color fontColor_ = 0;
};

struct Page500 : Workspace {
    Page500() {
        env.undo = nullptr;
        page = NewBook().GetSheet(0);
        page->SetTitle("Benchmark");
        page->SetWriter("Sorvel");
        page->SetPlayCount(96);
        page->SuspendSorting();
        for (int i = 0; i < 500; ++i) AddItem(i);
        page->ResumeSorting();
    }

    // About two thirds notes and one third bar lines and marks over them.
    void AddItem(int i) {
        const int slot = i % 36, row = (i / 36) % 8;
        const int x = 40 + slot * 25, y = 243 + row * 146;
        if (slot % 9 == 8) return Place(CreateItem<TBarLine>(*page), "c", x, y);
        switch (i % 12) {
            case 3:
                return Place(CreateItem<TMusicSign>(*page), "P", x, y - 40);
            case 5:
                return Place(CreateItem<TSlur>(*page), "Y", x, y - 30);
            case 7:
                return Place(CreateItem<TKakko>(*page), "<", x, y - 50);
            case 9: {
                TDaonLeft* daon = CreateItem<TDaonLeft>(*page);
                daon->SetAllNoteData("13T22 34  3 ");
                return Place(daon, "K", x, y);
            }
            case 10:
                return Place(CreateItem<TTempo>(*page), "/", x, y - 60);
            case 11:
                if (i % 48 == 11) {
                    TTextBox* box = CreateItem<TTextBox>(*page);
                    box->SetCSVText("first,second");
                    return Place(box, "O", x, y - 70);
                }
                break;
            default:
                break;
        }
        TNote* note = CreateItem<TNote>(*page);
        Place(note, std::string(1, static_cast<char>('1' + i % 7)), x, y);
        note->SetLength(i % 3);
        note->SetOctave(i % 5 - 2);
        if (i % 4 == 0) note->SetRinji("a");
        if (i % 6 == 0) note->SetFuten(1);
        note->selected = i % 50 == 0;
    }

    void Place(TMusicItem* item, const std::string& content, int x, int y) {
        item->SetContent(content);
        item->SetPosX(x);
        item->SetPosY(y);
    }

    TRinjiMarkTbl rinji;
    TMusicSheet* page = nullptr;
};

void BM_DrawPageImage500(benchmark::State& state) {
    Page500 f;
    CountingCanvas canvas;
    DrawContext ctx{f.prefs, f.rinji, f.glyphs, f.layout, false};
    for (auto _ : state) {
        DrawPageImage(canvas, *f.page, ctx);
        benchmark::DoNotOptimize(canvas.checksum_);
    }
    state.counters["items"] = f.page->ItemCount();
}
BENCHMARK(BM_DrawPageImage500)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace sorvel
