// SPDX-License-Identifier: GPL-3.0-or-later
// The page header: title, two rules under it, composer on the right, key
// and tempo line at the foot of the title band.
#include <string>
#include <vector>

#include "base/cp932.h"
#include "model/musicsheet.h"
#include "view/core/pagedrawing.h"

namespace sorvel {
namespace {

const std::string& SampleChar() {
    static const std::string a = cp932::FromUtf8("あ");
    return a;
}

const std::string& ComposerPrefix() {
    static const std::string prefix = cp932::FromUtf8("作曲 : ");
    return prefix;
}

// The speed words and "( quarter = count )" from x on; both at size 12.
void DrawTempoLine(Canvas& canvas, const TMusicSheet& page, int x, int top) {
    const bool speed = !page.PlaySpeed().empty();
    canvas.SetFont(PGothicFontName(), 12);
    if (speed) {
        canvas.TextOut(x, top, page.PlaySpeed());
        x += canvas.TextWidth(page.PlaySpeed());
    }
    if (page.PlayCount() == 0) return;
    if (speed) {
        canvas.TextOut(x, top, " ( ");
        x += canvas.TextWidth(" ( ");
    }
    canvas.SetFont(kMusicFontName, 12);
    canvas.TextOut(x, top, "N");
    x += canvas.TextWidth("N");
    canvas.SetFont(PGothicFontName(), 12);
    const std::string count = " = " + std::to_string(page.PlayCount());
    canvas.TextOut(x, top, count);
    x += canvas.TextWidth(count);
    if (speed) canvas.TextOut(x, top, " )");
}

}  // namespace

void DrawPageHeader(Canvas& canvas, const TMusicSheet& page, const DrawContext& ctx) {
    const LayoutState& s = ctx.layout;
    canvas.SetFont(PGothicFontName(), 30);
    canvas.SetFontColor(ctx.ScoreColor());
    canvas.SetPen(ctx.ScoreColor(), 1);
    canvas.TextOut(s.LeftSpace, s.TopSpace, page.Title());

    const int h = canvas.TextHeight(SampleChar());
    const int right = s.PageWidth - s.RightSpace;
    canvas.Line(s.LeftSpace, s.TopSpace + h + 5, right, s.TopSpace + h + 5);
    canvas.Line(s.LeftSpace, s.TopSpace + h + 10, right, s.TopSpace + h + 10);

    if (!page.Writer().empty()) {
        canvas.SetFontSize(16);
        // A composer of several lines (a name, an address, a date) is set
        // line under line against the right margin, the prefix before the first.
        const std::vector<std::string> lines = cp932::SplitLineBreaks(page.Writer());
        const int lineHeight = canvas.TextHeight(SampleChar());
        int top = s.TopSpace + h + 15;
        for (size_t i = 0; i < lines.size(); ++i) {
            const std::string text = i == 0 ? ComposerPrefix() + lines[i] : lines[i];
            canvas.TextOut(right - canvas.TextWidth(text), top, text);
            top += lineHeight;
        }
    }
    const int bandFoot = s.TopSpace + s.TitleHeight;
    if (!page.KeyCode().empty()) {
        canvas.SetFontSize(12);
        canvas.TextOut(s.LeftSpace, bandFoot - 3 * canvas.TextHeight(SampleChar()), page.KeyCode());
    }
    // The tempo line sits two lines of the last header size above the foot.
    DrawTempoLine(canvas, page, s.LeftSpace, bandFoot - 2 * canvas.TextHeight(SampleChar()));
}

}  // namespace sorvel
