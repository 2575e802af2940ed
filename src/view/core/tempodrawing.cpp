// SPDX-License-Identifier: GPL-3.0-or-later
// A tempo mark: the quarter-note glyph followed by "=" and the tempo. Marks
// that are not to be printed appear on the screen only.
#include "base/arith.h"
#include "model/tempo.h"
#include "view/core/itemdrawing.h"
#include "view/core/selectionframe.h"

namespace sorvel {

void DrawTempo(Canvas& canvas, TTempo& tempo, const DrawContext& ctx) {
    const int points = ctx.GlyphPoints(tempo.Content());
    if (!canvas.IsPrinting() || tempo.PrintMode() != 0) {
        const std::string value =
            "=" + std::to_string(tempo.Tempo()) + (tempo.TempoUnit() == 1 ? "%" : "");
        canvas.SetFont(GothicFontName(), points);
        const int width = canvas.TextWidth("N" + value);
        const int height = canvas.TextHeight("N" + value);
        tempo.StoreMeasuredSize(width, height);
        const int left = tempo.PosX() - Half(width);
        const int top = tempo.PosY() - Half(height);
        canvas.SetFont(kMusicFontName, points);
        canvas.TextOut(left, top, "N");
        const int afterNote = left + canvas.TextWidth("N");
        canvas.SetFont(GothicFontName(), points);
        canvas.TextOut(afterNote, top, value);
    }
    if (tempo.selected) {
        const FramePos at = FramePosOf(tempo, ctx);
        DrawSelectionFrame(canvas, at.x - Half(tempo.Width()), at.y - Half(tempo.Height()),
                           tempo.Width(), tempo.Height());
    }
    canvas.SetFont(kMusicFontName, ctx.NotePoints());
}

}  // namespace sorvel
