// SPDX-License-Identifier: GPL-3.0-or-later
// A note: its numeral, the accidental it shows against the accidentals in
// force in its bar, its duration lines (joined to the next note of the same
// beam group), octave dots and augmentation dot.
#include <algorithm>
#include <string_view>

#include "base/arith.h"
#include "model/glyphinfotable.h"
#include "model/note.h"
#include "view/core/itemdrawing.h"

namespace sorvel {
namespace {

// The accidental glyphs: sharp (the grave accent), flat and natural.
constexpr std::string_view kSharp = "`";
constexpr std::string_view kFlat = "a";
constexpr std::string_view kNatural = "b";

void DrawAccidental(Canvas& canvas, TNote& note, DrawContext& ctx) {
    const std::string& own = note.Rinji();
    const std::string shown =
        ChooseAccidental(ctx.rinji.Lookup(note.Content(), note.Octave()), own);
    if (!shown.empty()) {
        canvas.SetFontSize(ctx.RatePoints(ctx.glyphs.Lookup(GlyphInfoTable::kSharp).SizeRate));
        canvas.TextOut(note.PosX() + ScaleByRate(note.Width(), note.OffsetX_Rinji()),
                       note.PosY() + ScaleByRate(note.Height(), note.OffsetY_Rinji()), shown);
        canvas.SetFontSize(ctx.NotePoints());
    }
    ctx.rinji.Set(note.Content(), note.Octave(), own);
}

// Draws the duration lines and returns the y below the last one.
int DrawDurationLines(Canvas& canvas, const TNote& note) {
    const int w = note.Width();
    const int x0 = note.PosX() - Half(w);
    const TNote* next = note.RNote;
    const bool joined = next && next->StepNo == note.StepNo;
    const int lines = std::clamp(note.Length(), 0, kMaxStackedMarks);
    int y = note.PosY() + Half(note.Height()) + 2;
    for (int i = 0; i < lines; ++i, y += 4) {
        const int right = joined && i < next->Length() ? next->PosX() + Half(w) : x0 + w - 1;
        canvas.Line(x0 + 1, y, right, y);
    }
    return y;
}

void DrawOctaveDots(Canvas& canvas, const TNote& note, int belowLines) {
    const int x = note.PosX();
    const int octave = std::clamp(note.Octave(), -kMaxStackedMarks, kMaxStackedMarks);
    if (octave < 0) {
        for (int i = 0, top = belowLines; i < -octave; ++i, top += 6) {
            canvas.Ellipse(x - 2, top, x + 2, top + 4);
        }
    } else {
        for (int i = 0, top = note.PosY() - Half(note.Height()) - 6; i < octave; ++i, top -= 6) {
            canvas.Ellipse(x - 2, top, x + 2, top + 4);
        }
    }
}

void DrawAugmentationDot(Canvas& canvas, const TNote& note) {
    const int r = RoundHalfEven(note.Width() / 6.0);
    const int cx = note.PosX() + ScaleByRate(note.Width(), note.OffsetX_Futen());
    const int cy = note.PosY() + ScaleByRate(note.Height(), note.OffsetY_Futen());
    canvas.Ellipse(cx - r, cy - r, cx + r, cy + r);
}

}  // namespace

std::string ChooseAccidental(const std::string& inForce, const std::string& own) {
    if (inForce == kNatural) {
        return own == kFlat || own == kSharp ? own : std::string();
    }
    if (inForce == kFlat || inForce == kSharp) {
        if (own.empty() || own == kNatural) return std::string(kNatural);
        return own == inForce ? std::string() : own;
    }
    return own;
}

void DrawNote(Canvas& canvas, TNote& note, DrawContext& ctx) {
    DrawBaseItem(canvas, note, ctx, true);
    DrawAccidental(canvas, note, ctx);

    const BrushStyle brush = canvas.GetBrushStyle();
    canvas.SetBrush(0x000000, BrushStyle::Solid);
    canvas.SetPen(ctx.ScoreColor(), 1);
    const int belowLines = DrawDurationLines(canvas, note);
    DrawOctaveDots(canvas, note, belowLines);
    if (note.Futen() == 1) DrawAugmentationDot(canvas, note);
    canvas.SetBrush(0x000000, brush);
}

}  // namespace sorvel
