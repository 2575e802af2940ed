// SPDX-License-Identifier: GPL-3.0-or-later
// Items drawn as one glyph (bar lines, time signatures, signs, and the
// numeral of a note) and the horizontal bar of a multi-bar rest.
#include "base/arith.h"
#include "model/horizbar.h"
#include "view/core/itemdrawing.h"
#include "view/core/selectionframe.h"

namespace sorvel {

void DrawBaseItem(Canvas& canvas, TMusicItem& item, const DrawContext& ctx, bool ownSize) {
    if (ownSize) canvas.SetFontSize(ctx.GlyphPoints(item.Content()));
    const int width = canvas.TextWidth(item.Content());
    const int textHeight = canvas.TextHeight(item.Content());
    const int height = ScaleByRate(textHeight, item.HeightRate());
    item.StoreMeasuredSize(width, height);
    canvas.TextOut(item.PosX() - Half(width), item.PosY() - Half(textHeight), item.Content());
    if (item.selected) {
        const FramePos at = FramePosOf(item, ctx);
        DrawSelectionFrame(canvas, at.x - Half(width), at.y - Half(height), width, height);
    }
    canvas.SetFontSize(ctx.NotePoints());
}

namespace {

// The bar number in the music font's small digits, which sit 112 codes
// above the ASCII digits.
std::string SmallDigits(const std::string& number) {
    std::string shifted = number;
    for (char& c : shifted) c = static_cast<char>((static_cast<unsigned char>(c) + 112) % 256);
    return shifted;
}

}  // namespace

void DrawHorizBar(Canvas& canvas, THorizBar& bar, const DrawContext& ctx) {
    canvas.SetFontSize(ctx.NotePoints());
    const int textHeight = canvas.TextHeight(bar.Content());
    const int height = ScaleByRate(textHeight, bar.HeightRate());
    const int thickness = ScaleByRate(height, 30);
    bar.StoreMeasuredSize(bar.Width(), height);
    bar.lowerExtent = thickness;

    const int x = bar.PosX(), y = bar.PosY(), w = bar.Width();
    const int half = ScaleByRate(thickness, 40);
    const int post = ScaleByRate(thickness, 90);
    FillBlackRect(canvas, x, y - half, x + w, y + half + 1);
    FillBlackRect(canvas, x, y - post, x + 2, y + post + 1);
    FillBlackRect(canvas, x + w - 2, y - post, x + w, y + post + 1);

    const std::string number = SmallDigits(bar.BarNum());
    canvas.SetFontSize(ctx.RatePoints(bar.HeightRate()));
    const int numberHeight = canvas.TextHeight(number);
    bar.upperExtent = numberHeight;
    if (!number.empty())
        canvas.TextOut(x + Half(w - canvas.TextWidth(number)), y - textHeight, number);

    if (bar.selected) {
        const FramePos at = FramePosOf(bar, ctx);
        DrawSelectionFrame(canvas, at.x, at.y - numberHeight, at.w, numberHeight + thickness);
        FillBlackRect(canvas, at.x + at.w - 3, at.y - numberHeight + 4, at.x + at.w + 1,
                      at.y + thickness - 2);
    }
    canvas.SetFontSize(ctx.NotePoints());
}

}  // namespace sorvel
