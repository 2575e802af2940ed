// SPDX-License-Identifier: GPL-3.0-or-later
// The page: header, item loop state, page number, the page image and grid.
#include <algorithm>

#include "base/cp932.h"
#include "drawfixture.h"
#include "view/core/pagedrawing.h"

namespace sorvel::testing {
namespace {

using Strings = std::vector<std::string>;

// Default layout: page 964 x 1365, margins 20, title band 150; header font
// at 30 pt is 40 units high.
class PageDrawingTest : public DrawingTest {
protected:
    Strings Header() {
        DrawContext ctx = Context();
        DrawPageHeader(canvas, *page, ctx);
        return canvas.Drawn();
    }
};

TEST_F(PageDrawingTest, FullHeader) {
    page->SetTitle("Song");
    page->SetWriter("Ren");
    page->SetKeyCode("1=D");
    page->SetPlaySpeed("Allegro");
    page->SetPlayCount(120);
    const std::string composer = cp932::FromUtf8("作曲 : ") + "Ren";  // 10 bytes at 16 pt
    EXPECT_EQ(Header(), (Strings{"Text(20,20,Song)", "Line(20,65,944,65)", "Line(20,70,944,70)",
                                 "Text(844,75," + composer + ")", "Text(20,122,1=D)",
                                 "Text(20,138,Allegro)", "Text(76,138, ( )", "Text(100,138,N)",
                                 "Text(109,138, = 120)", "Text(157,138, ))"}));
    EXPECT_EQ(canvas.Ops()[0].font, PGothicFontName());
    EXPECT_EQ(canvas.Ops()[7].font, kMusicFontName);
    EXPECT_EQ(canvas.Ops()[7].fontPoints, 12);
}

// A composer of three lines (an import's "by", address and date) is set line
// under line against the right margin, not as one line with the breaks in it.
TEST_F(PageDrawingTest, ComposerOfSeveralLinesIsSetLineUnderLine) {
    page->SetWriter(cp932::FromUtf8("by Ren\nhttps://e.org\r\n1950"));
    const std::string first = cp932::FromUtf8("作曲 : ") + "by Ren";  // 13 bytes at 16 pt
    const Strings drawn = Header();
    ASSERT_GE(drawn.size(), 6u);
    // Lines 21 units apart, each ending at the right margin (944).
    EXPECT_EQ(drawn[3], "Text(814,75," + first + ")");
    EXPECT_EQ(drawn[4], "Text(814,96,https://e.org)");
    EXPECT_EQ(drawn[5], "Text(904,117,1950)");
}

TEST_F(PageDrawingTest, TempoLineRisesWithTheLastHeaderSize) {
    page->SetPlayCount(90);
    EXPECT_EQ(Header(), (Strings{"Text(20,20,)", "Line(20,65,944,65)", "Line(20,70,944,70)",
                                 "Text(20,90,N)", "Text(29,90, = 90)"}));
    canvas.Clear();
    page->SetWriter("Ren");  // composer at 16 pt, 21 high
    EXPECT_EQ(Header().back(), "Text(29,128, = 90)");
    canvas.Clear();
    page->SetPlayCount(0);
    page->SetPlaySpeed("Lento");  // speed alone: no parentheses
    EXPECT_EQ(Header().back(), "Text(20,128,Lento)");
}

TEST_F(PageDrawingTest, PageNumberCentredAtTheFootAndStateAfterwards) {
    prefs.DefoScoreFontColor = 0x00AA00;
    book->NewSheet();
    TMusicSheet* second = book->GetSheet(1);
    DrawContext ctx = Context();
    DrawPage(canvas, *second, ctx);
    const Op& last = canvas.Ops().back();
    EXPECT_EQ(Describe(last), "Text(462,1345,- 2 -)");
    EXPECT_EQ(last.font, PGothicFontName());
    EXPECT_EQ(last.fontColor, 0x00AA00u);
    EXPECT_EQ(canvas.FontName(), kMusicFontName);
    EXPECT_EQ(canvas.FontSize(), 18);
}

TEST_F(PageDrawingTest, ItemsAreDrawnInTheScoreColourWithoutBackground) {
    prefs.DefoScoreFontColor = 0x0000AA;
    AddNote(100, 300, "5", 1);
    DrawContext ctx = Context();
    DrawPage(canvas, *page, ctx);
    const auto note = std::find_if(canvas.Ops().begin(), canvas.Ops().end(),
                                   [](const Op& op) { return op.text == "5"; });
    ASSERT_NE(note, canvas.Ops().end());
    EXPECT_EQ(note->font, kMusicFontName);
    EXPECT_EQ(note->fontColor, 0x0000AAu);
    EXPECT_EQ(note->brushStyle, BrushStyle::DiagCross);
    EXPECT_EQ(std::next(note)->penColor, 0x0000AAu);  // its duration line
}

TEST_F(PageDrawingTest, PageImageIsWhiteThenGridThenPage) {
    DrawContext ctx = Context();
    DrawPageImage(canvas, *page, ctx);
    const Op& fill = canvas.Ops().front();
    EXPECT_EQ(Describe(fill), "FillRect(0,0,964,1365)");
    EXPECT_EQ(fill.brushColor, 0xFFFFFFu);
    // Eight rows of a line and 37 ticks; row 0 lies at 20 + 150 + 73.
    const std::vector<Op> grid(canvas.Ops().begin() + 1, canvas.Ops().begin() + 1 + 8 * 38);
    EXPECT_EQ(Describe(grid[0]), "Line(20,243,920,243)");
    EXPECT_EQ(Describe(grid[1]), "Line(20,241,20,245)");
    EXPECT_EQ(Describe(grid[37]), "Line(920,241,920,245)");
    EXPECT_EQ(Describe(grid[38]), "Line(20,389,920,389)");
    EXPECT_EQ(grid.back().penColor, static_cast<Color>(prefs.DefoGridColor));
    EXPECT_EQ(Describe(canvas.Ops()[1 + 8 * 38]), "Text(20,20,)");  // the title follows

    canvas.Clear();
    book->isDispGrid = false;
    DrawPageImage(canvas, *page, ctx);
    EXPECT_EQ(canvas.Drawn()[1], "Text(20,20,)");
}

TEST_F(PageDrawingTest, DamagedGridSettingsDrawOnlyWhatShows) {
    DrawContext ctx = Context();
    layout.RowDivNum = 2000000000;
    layout.GridDivNum = 2000000000;
    DrawGrid(canvas, ctx);
    EXPECT_EQ(canvas.Ops().size(), 8u * 39u);  // rows to 1265, ticks to x = 945
    canvas.Clear();
    layout.RowInterval = 0;
    layout.GridSize = 0;
    DrawGrid(canvas, ctx);
    EXPECT_EQ(canvas.Drawn(), (Strings{"Line(20,170,20,170)", "Line(20,168,20,172)"}));
    canvas.Clear();
    layout.RowInterval = -146;
    layout.GridSize = 25;
    layout.GridDivNum = 4;
    DrawGrid(canvas, ctx);  // row 0 at 170 - 73, the next above the page
    EXPECT_EQ(canvas.Drawn().front(), "Line(20,97,120,97)");
    EXPECT_EQ(canvas.Ops().size(), 6u);
}

TEST_F(PageDrawingTest, ZeroNoteSizeNeverReachesTheCanvas) {
    layout.NoteFontSize = 0;
    AddNote(100, 300, "5");
    Add<TBarLine>("c", 112, 300);
    DrawContext ctx = Context();
    DrawPage(canvas, *page, ctx);
    EXPECT_GE(canvas.minPointsSet, 1);
}

}  // namespace
}  // namespace sorvel::testing
