// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/core/drawcontext.h"

#include <algorithm>

#include "base/arith.h"
#include "base/cp932.h"
#include "model/musicitem.h"

namespace sorvel {

int SafePoints(int points) {
    return std::clamp(points, kMinFontPoints, kMaxFontPoints);
}

int SafePenWidth(int width) {
    return std::clamp(width, 1, kMaxPenWidth);
}

const std::string& PGothicFontName() {
    static const std::string name = cp932::FromUtf8("ＭＳ Ｐゴシック");
    return name;
}

const std::string& GothicFontName() {
    static const std::string name = cp932::FromUtf8("ＭＳ ゴシック");
    return name;
}

int ScaleByRate(int value, int rate) {
    return RoundHalfEven(static_cast<double>(value) * rate / 100.0);
}

int DrawContext::RatePoints(int rate) const {
    return SafePoints(ScaleByRate(layout.NoteFontSize, rate));
}

int DrawContext::GlyphPoints(const std::string& content) const {
    const int rate = glyphs.LookupContent(content).SizeRate;
    return rate > 0 ? RatePoints(rate) : NotePoints();
}

void FillBlackRect(Canvas& canvas, int left, int top, int right, int bottom) {
    const BrushStyle style = canvas.GetBrushStyle();
    canvas.SetBrush(0x000000, BrushStyle::Solid);
    canvas.FillRect(left, top, right, bottom);
    canvas.SetBrush(0x000000, style);
}

FramePos FramePosOf(const TMusicItem& item, const DrawContext& ctx) {
    if (ctx.dragPositions) return {item.dragX, item.dragY, item.dragWidth};
    return {item.PosX(), item.PosY(), item.Width()};
}

}  // namespace sorvel
