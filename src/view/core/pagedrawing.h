// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drawing a whole page: the header, every item in the page's order, the page
// number, and the page image of the view (white page, grid, page).
#include "view/core/canvas.h"
#include "view/core/drawcontext.h"

namespace sorvel {

class TMusicSheet;

// The context's layout must be this page's (the view takes its settings over
// before drawing; printing does so for each page it prints).
// Runs the timing pass (note lengths and beam groups, which the duration
// lines need), then draws the header, the items and the page number. The
// canvas is left at the music font at the page's note size.
void DrawPage(Canvas& canvas, TMusicSheet& page, DrawContext& ctx);

// The page image of the view: the page filled white, the grid when the book
// shows it, then the page.
void DrawPageImage(Canvas& canvas, TMusicSheet& page, DrawContext& ctx);

// Title, rules, composer, key and tempo line in "ＭＳ Ｐゴシック".
void DrawPageHeader(Canvas& canvas, const TMusicSheet& page, const DrawContext& ctx);

// The row lines and slot ticks of the grid, in the grid colour.
void DrawGrid(Canvas& canvas, const DrawContext& ctx);

}  // namespace sorvel
