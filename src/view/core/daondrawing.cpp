// SPDX-License-Identifier: GPL-3.0-or-later
// A daon: up to four small grace notes beside a main note, on the left or
// the right, with duration lines, a hook towards the main note, octave dots
// and finger numbers.
#include <algorithm>

#include "base/arith.h"
#include "model/daon.h"
#include "view/core/itemdrawing.h"
#include "view/core/selectionframe.h"

namespace sorvel {
namespace {

struct DaonGeometry {
    int cx, cy;  // centre of the small notes
    int width;   // width of the small numerals
    int lines;   // duration lines drawn
    int room;    // room left below the numerals for dots and lines
    int slots;   // notes held
};

int ClampedOctave(const DaonSlot& slot) {
    return std::clamp(slot.octave, -kMaxStackedMarks, kMaxStackedMarks);
}

int RoomBelow(const TDaon& daon, int lines) {
    int deepest = 0;
    for (int i = 0; i < daon.UsedSlotCount(); ++i) {
        const int octave = ClampedOctave(daon.Slots()[static_cast<size_t>(i)]);
        if (octave < 0) deepest = std::max(deepest, -4 * octave);
    }
    return deepest + (lines - 1) * 2;
}

void DrawLinesAndHook(Canvas& canvas, const DaonGeometry& g, int height, int direction) {
    const int left = g.cx - Half(g.width), right = g.cx + Half(g.width);
    for (int f = 0; f < g.lines; ++f) canvas.Line(left, g.cy - 2 * f, right, g.cy - 2 * f);
    const int foot = g.cy + DivTrunc(height, 4);
    canvas.Line(g.cx, g.cy, g.cx, foot);
    canvas.Line(g.cx, foot, g.cx - DivTrunc(direction * g.width, 2), foot);
}

void DrawOctaveDots(Canvas& canvas, const TDaon& daon, const DaonGeometry& g) {
    const int w2 = canvas.TextWidth("2");
    const int h2 = canvas.TextHeight("2");
    const int left = g.cx - Half(g.width);
    for (int i = 0; i < g.slots; ++i) {
        const int octave = ClampedOctave(daon.Slots()[static_cast<size_t>(i)]);
        const int x = left + i * w2 + Half(w2);
        if (octave < 0) {
            for (int d = 0, y = g.cy - g.room; d < -octave; ++d, y += 4) {
                canvas.Ellipse(x - 1, y, x + 1, y + 2);
            }
        } else {
            for (int d = 0, y = g.cy - h2 - g.room - 4; d < octave; ++d, y -= 4) {
                canvas.Ellipse(x - 1, y, x + 1, y + 2);
            }
        }
    }
}

void DrawFingers(Canvas& canvas, const TDaon& daon, const DaonGeometry& g) {
    const int w2 = canvas.TextWidth("2");
    const int h2 = canvas.TextHeight("2");
    int highest = 0;
    for (int i = 0; i < g.slots; ++i) {
        highest = std::max(highest, ClampedOctave(daon.Slots()[static_cast<size_t>(i)]));
    }
    const int top = g.cy - 2 * h2 - g.room - 4 * highest;
    for (int i = 0; i < g.slots; ++i) {
        const std::string& finger = daon.Slots()[static_cast<size_t>(i)].finger;
        if (!finger.empty()) canvas.TextOut(g.cx - Half(g.width) + i * w2, top, finger);
    }
}

}  // namespace

void DrawDaon(Canvas& canvas, TDaon& daon, const DrawContext& ctx) {
    const int d = daon.Direction();
    canvas.SetFontSize(ctx.GlyphPoints(daon.Content()));
    const int dw = canvas.TextWidth("5");
    const int height = ScaleByRate(canvas.TextHeight("5"), daon.HeightRate());

    canvas.SetFontSize(ctx.RatePoints(60));
    std::string numerals;
    for (const DaonSlot& slot : daon.Slots()) numerals += slot.note;
    const int width = canvas.TextWidth(numerals);
    daon.StoreMeasuredSize(width, height);
    daon.digitWidth = dw;

    DaonGeometry g{};
    g.cx = daon.PosX() + (Half(dw) + Half(width)) * d;
    g.cy = daon.PosY();
    g.width = width;
    g.lines = std::clamp(daon.Length(), 0, kMaxStackedMarks);
    g.room = RoomBelow(daon, g.lines);
    g.slots = daon.UsedSlotCount();
    daon.centerX = g.cx;
    daon.centerY = g.cy;

    DrawLinesAndHook(canvas, g, height, d);
    canvas.TextOut(g.cx - Half(width), g.cy - canvas.TextHeight("aStr") - g.room - 2, numerals);
    canvas.SetPen(ctx.ScoreColor(), 2);
    DrawOctaveDots(canvas, daon, g);
    canvas.SetPen(ctx.ScoreColor(), 1);
    DrawFingers(canvas, daon, g);

    if (daon.selected) {
        const FramePos at = FramePosOf(daon, ctx);
        const int x = at.x + DivTrunc((dw + width) * d, 2);
        DrawSelectionFrame(canvas, x - Half(width), at.y - height, Half(width) * 2, height);
    }
    canvas.SetFontSize(ctx.NotePoints());
}

}  // namespace sorvel
