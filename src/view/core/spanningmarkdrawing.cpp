// SPDX-License-Identifier: GPL-3.0-or-later
// Marks that span from PosX over Width, centred vertically on PosY:
// hairpins, slurs, arches, numbered brackets and triplet brackets.
#include <algorithm>

#include "base/arith.h"
#include "model/musicmark.h"
#include "view/core/itemdrawing.h"
#include "view/core/selectionframe.h"

namespace sorvel {
namespace {

void DrawCresc(Canvas& canvas, const SpanningMark& mark) {
    const int h = mark.Height();
    const int top = mark.PosY() - Half(h);
    const int middle = top + Half(h);
    const int left = mark.PosX(), right = mark.PosX() + mark.Width();
    if (mark.Content() == "I") {
        canvas.Line(left, middle, right, top);
        canvas.Line(left, middle, right, top + h);
    } else {
        canvas.Line(right, middle, left, top);
        canvas.Line(right, middle, left, top + h);
    }
}

// The height of a slur's or arch's rise over its ends.
int ArchRise(const SpanningMark& mark) {
    return std::min(ScaleByRate(mark.Width(), 5) + ScaleByRate(mark.Height(), 60), mark.Height());
}

void DrawSlur(Canvas& canvas, TSlur& slur) {
    const int rise = ArchRise(slur);
    slur.archHeight = rise;
    const int x = slur.PosX(), w = slur.Width();
    const int base = slur.PosY() + Half(slur.Height());
    const int inset = ScaleByRate(w, 10);
    canvas.Bezier({x, base}, {x + inset, base - rise}, {x + w - inset, base - rise}, {x + w, base});
}

void DrawRenTon(Canvas& canvas, TRenTon& arch) {
    const int rise = ArchRise(arch);
    arch.archHeight = rise;
    const int x = arch.PosX(), w = arch.Width();
    const int base = arch.PosY() + Half(arch.Height());
    canvas.Polyline({{x, base}, {x + Half(w), base - rise}, {x + w, base}});
}

// The ending number a bracket glyph carries; empty for any other content.
std::string KakkoNumber(const std::string& content) {
    if (content == "<") return "*";
    if (content == "=") return "+";
    if (content == ">") return ",";
    if (content == "?") return "-";
    return {};
}

void DrawKakko(Canvas& canvas, const TKakko& kakko, const DrawContext& ctx) {
    const int x = kakko.PosX(), h = kakko.Height();
    const int base = kakko.PosY() + Half(h);
    canvas.Polyline({{x, base}, {x, base - h}, {x + kakko.Width(), base - h}});
    const std::string number = KakkoNumber(kakko.Content());
    if (number.empty()) return;
    canvas.SetFontSize(ctx.RatePoints(kakko.HeightRate()));
    canvas.TextOut(x + Half(canvas.TextWidth(number)), base - h, number);
}

void Draw3ren(Canvas& canvas, const T3ren& mark, const DrawContext& ctx) {
    const int x = mark.PosX(), w = mark.Width(), h = mark.Height();
    const int base = mark.PosY() + Half(h);
    const int top = base - DivTrunc(h, 3);
    canvas.Polyline({{x, base}, {x, top}, {x + w, top}, {x + w, base}});
    if (mark.Content() != "Z") return;
    canvas.SetFontSize(ctx.RatePoints(50));
    canvas.TextOut(x + Half(w - canvas.TextWidth("3")), base - h, "3");
}

// What the height is measured on: brackets on their number, the rest on
// their own glyph.
std::string MeasuredText(const SpanningMark& mark) {
    switch (mark.Class()) {
        case ItemClass::Kakko:
            return "1";
        case ItemClass::Ren3:
            return "3";
        default:
            return mark.Content();
    }
}

}  // namespace

void DrawSpanningMark(Canvas& canvas, SpanningMark& mark, const DrawContext& ctx) {
    canvas.SetFontSize(ctx.NotePoints());
    const int h = ScaleByRate(canvas.TextHeight(MeasuredText(mark)), mark.HeightRate());
    mark.StoreMeasuredSize(mark.Width(), h);
    switch (mark.Class()) {
        case ItemClass::Cresc:
            DrawCresc(canvas, mark);
            break;
        case ItemClass::Slur:
            DrawSlur(canvas, static_cast<TSlur&>(mark));
            break;
        case ItemClass::RenTon:
            DrawRenTon(canvas, static_cast<TRenTon&>(mark));
            break;
        case ItemClass::Kakko:
            DrawKakko(canvas, static_cast<TKakko&>(mark), ctx);
            break;
        case ItemClass::Ren3:
            Draw3ren(canvas, static_cast<T3ren&>(mark), ctx);
            break;
        default:
            break;
    }
    canvas.SetFontSize(ctx.NotePoints());
    if (mark.selected) {
        const FramePos at = FramePosOf(mark, ctx);
        const int top = at.y - Half(h);
        DrawSelectionFrame(canvas, at.x, top, at.w, h);
        FillBlackRect(canvas, at.x + at.w - 2, top + 2, at.x + at.w + 2, top + h - 2);
    }
}

}  // namespace sorvel
