// A text box: lines of free text in the box's own font, centred on its
// position as a block, with an optional frame of a set minimum size.
#include <algorithm>

#include "base/arith.h"
#include "model/textbox.h"
#include "view/core/itemdrawing.h"
#include "view/core/selectionframe.h"

namespace sorvel {
namespace {

void DrawFrame(Canvas& canvas, const TTextBox& box, const DrawContext& ctx) {
    const int w = box.Width(), h = box.Height();
    const int l = box.PosX() - Half(w), t = box.PosY() - Half(h);
    canvas.SetPen(ctx.ScoreColor(), SafePenWidth(box.FrameLineWidth()));
    canvas.Polyline({{l - 1, t - 1}, {l + w, t - 1}, {l + w, t + h}, {l - 1, t + h}, {l - 1, t - 1}});
    canvas.SetPen(ctx.ScoreColor(), 1);
}

}  // namespace

void DrawTextBox(Canvas& canvas, TTextBox& box, const DrawContext& ctx) {
    canvas.SetFont(box.FontName(), SafePoints(box.FontSize()));
    int width = 5;
    for (const std::string& line : box.Lines()) width = std::max(width, canvas.TextWidth(line));
    const int lineHeight = canvas.TextHeight("A");
    const int pitch = lineHeight + ScaleByRate(lineHeight, box.RowSpace());
    const int lineCount = static_cast<int>(box.Lines().size());
    int height = lineCount > 0 ? lineCount * pitch : pitch;

    const int textLeft = box.PosX() - Half(width);
    const int textTop = box.PosY() - Half(height) + Half(pitch - lineHeight);
    if (box.FrameLineWidth() != 0) {
        width = std::max(width, box.FrameWidth());
        height = std::max(height, box.FrameHeight());
    }
    box.StoreMeasuredSize(width, height);

    for (int i = 0; i < lineCount; ++i) {
        canvas.TextOut(textLeft, textTop + i * pitch, box.Lines()[static_cast<size_t>(i)]);
    }
    if (box.FrameLineWidth() != 0) DrawFrame(canvas, box, ctx);
    if (box.selected) {
        const FramePos at = FramePosOf(box, ctx);
        DrawSelectionFrame(canvas, at.x - Half(width), at.y - Half(height), width, height);
    }
    canvas.SetFont(kMusicFontName, ctx.NotePoints());
}

}  // namespace sorvel
