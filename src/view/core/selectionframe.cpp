// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/core/selectionframe.h"

namespace sorvel {

namespace {
constexpr Color kBlack = 0x000000;
}

void DrawSelectionFrame(Canvas& canvas, int left, int top, int width, int height) {
    const Color color = canvas.PenColor();
    const PenStyle style = canvas.GetPenStyle();
    const int penWidth = canvas.PenWidth();
    canvas.SetPen(kBlack, 1, PenStyle::Dot);
    const int right = left + width;
    const int bottom = top + height;
    canvas.Polyline(
        {{left, top}, {right - 1, top}, {right - 1, bottom - 1}, {left, bottom - 1}, {left, top}});
    canvas.SetPen(color, penWidth, style);
}

}  // namespace sorvel
