// SPDX-License-Identifier: GPL-3.0-or-later
// A text box: lines of free text in the box's own font, centred on its
// position as a block, with an optional frame of a set minimum size.
#include <algorithm>
#include <cstdint>

#include "base/arith.h"
#include "model/textbox.h"
#include "view/core/itemdrawing.h"
#include "view/core/selectionframe.h"

namespace sorvel {
namespace {

using i64 = std::int64_t;

void DrawFrame(Canvas& canvas, const TTextBox& box, const DrawContext& ctx) {
    const int w = box.Width(), h = box.Height();
    const int l = box.PosX() - Half(w), t = box.PosY() - Half(h);
    canvas.SetPen(ctx.ScoreColor(), SafePenWidth(box.FrameLineWidth()));
    // One closed path, so that a wide pen meets itself in a mitre at the
    // starting corner as at the others.
    canvas.ClosedPolyline({{l - 1, t - 1}, {l + w, t - 1}, {l + w, t + h}, {l - 1, t + h}});
    canvas.SetPen(ctx.ScoreColor(), 1);
}

}  // namespace

void DrawTextBox(Canvas& canvas, TTextBox& box, const DrawContext& ctx) {
    canvas.SetFont(box.FontName(), SafePoints(box.FontSize()));
    int width = 5;
    for (const std::string& line : box.Lines()) width = std::max(width, canvas.TextWidth(line));
    // The row space and the number of lines come from the file: the block's
    // arithmetic runs in 64 bits and its results are kept to coordinates.
    const int lineHeight = canvas.TextHeight("A");
    const i64 pitch = i64{lineHeight} + ScaleByRate(lineHeight, box.RowSpace());
    const i64 lineCount = static_cast<i64>(box.Lines().size());
    int height = SafeCoordinate(std::max<i64>(lineCount, 1) * pitch);

    const int textLeft = box.PosX() - Half(width);
    const i64 textTop = i64{box.PosY()} - Half(height) + (pitch - lineHeight) / 2;
    if (box.FrameLineWidth() != 0) {
        width = std::max(width, box.FrameWidth());
        height = std::max(height, box.FrameHeight());
    }
    box.StoreMeasuredSize(width, height);

    for (i64 i = 0; i < lineCount; ++i) {
        // Lines pushed beyond the coordinate range can never be seen.
        const i64 top = textTop + i * pitch;
        if (top != SafeCoordinate(top)) continue;
        canvas.TextOut(textLeft, static_cast<int>(top), box.Lines()[static_cast<size_t>(i)]);
    }
    if (box.FrameLineWidth() != 0) DrawFrame(canvas, box, ctx);
    if (box.selected) {
        const FramePos at = FramePosOf(box, ctx);
        DrawSelectionFrame(canvas, at.x - Half(width), at.y - Half(height), width, height);
    }
    canvas.SetFont(kMusicFontName, ctx.NotePoints());
}

}  // namespace sorvel
