// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/core/pagedrawing.h"

#include <cstdio>

#include "base/arith.h"
#include "model/musicbook.h"
#include "model/musicitem.h"
#include "model/musicsheet.h"
#include "model/timing.h"
#include "view/core/itemdrawing.h"

namespace sorvel {
namespace {

constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xFFFFFF;

void DrawItems(Canvas& canvas, TMusicSheet& page, DrawContext& ctx) {
    canvas.SetFont(kMusicFontName, ctx.NotePoints());
    canvas.SetFontColor(ctx.ScoreColor());
    canvas.SetBrush(kBlack, BrushStyle::DiagCross);
    canvas.SetPen(ctx.ScoreColor(), 1);
    // Accidentals hold until the next item that is not a note (a bar line
    // above all), so the table starts empty and empties at each such item.
    ctx.rinji.Clear();
    for (int i = 0; i < page.ItemCount(); ++i) {
        TMusicItem& item = *page.GetItem(i);
        if (item.Class() != ItemClass::Note) ctx.rinji.Clear();
        DrawItem(canvas, item, ctx);
    }
}

void DrawPageNumber(Canvas& canvas, const TMusicSheet& page, const DrawContext& ctx) {
    const LayoutState& s = ctx.layout;
    char text[32];
    std::snprintf(text, sizeof text, "- %d -", page.Book().IndexOfSheet(&page) + 1);
    canvas.SetFont(PGothicFontName(), 12);
    canvas.SetFontColor(ctx.ScoreColor());
    canvas.TextOut(DivTrunc(s.PageWidth - canvas.TextWidth(text), 2), s.PageHeight - s.BottomSpace,
                   text);
}

}  // namespace

void DrawPage(Canvas& canvas, TMusicSheet& page, DrawContext& ctx) {
    ComputeTiming(page);
    DrawPageHeader(canvas, page, ctx);
    DrawItems(canvas, page, ctx);
    DrawPageNumber(canvas, page, ctx);
    canvas.SetFont(kMusicFontName, ctx.NotePoints());
}

void DrawPageImage(Canvas& canvas, TMusicSheet& page, DrawContext& ctx) {
    canvas.SetBrush(kWhite, BrushStyle::Solid);
    canvas.FillRect(0, 0, ctx.layout.PageWidth, ctx.layout.PageHeight);
    if (page.Book().isDispGrid) DrawGrid(canvas, ctx);
    DrawPage(canvas, page, ctx);
}

}  // namespace sorvel
