// SPDX-License-Identifier: GPL-3.0-or-later
// One-glyph items, the horizontal bar, selection frames and the play cursor.
#include "drawfixture.h"
#include "model/horizbar.h"
#include "model/musicmark.h"
#include "view/core/itemdrawing.h"
#include "view/core/playcursor.h"

namespace sorvel::testing {
namespace {

using Strings = std::vector<std::string>;

class SymbolDrawingTest : public DrawingTest {
protected:
    void Draw(TMusicItem& item, bool drag = false) {
        DrawContext ctx = Context(drag);
        DrawItem(canvas, item, ctx);
    }
};

TEST_F(SymbolDrawingTest, BarLineAtItsSizeRateThenBackToTheNoteSize) {
    TBarLine* bar = Add<TBarLine>("c", 200, 300);
    Draw(*bar);  // 200 %: 36 pt, 48 units high, 28 wide
    EXPECT_EQ(canvas.Drawn(), Strings{"Text(186,276,c)"});
    EXPECT_EQ(canvas.Ops()[0].fontPoints, 36);
    EXPECT_EQ(bar->Width(), 28);
    EXPECT_EQ(bar->Height(), 48);
    EXPECT_EQ(canvas.FontSize(), 18);
}

TEST_F(SymbolDrawingTest, SignHeightFollowsItsHeightRate) {
    TMusicSign* bow = Add<TMusicSign>("P", 200, 300);  // 100 % size, 50 % height
    Draw(*bow);
    EXPECT_EQ(canvas.Drawn(), Strings{"Text(193,288,P)"});
    EXPECT_EQ(bow->Height(), 12);
}

TEST_F(SymbolDrawingTest, SignWithoutRatesIsShownAtTheNoteSize) {
    TMusicSign* other = Add<TMusicSign>("t", 200, 300);
    Draw(*other);
    EXPECT_EQ(canvas.Ops()[0].fontPoints, 18);
    EXPECT_EQ(other->Width(), 14);
}

TEST_F(SymbolDrawingTest, SelectionFrameAtTheDragPositionRestoresThePen) {
    prefs.DefoScoreFontColor = 0x123456;
    canvas.SetPen(0x123456, 1);
    TNote* note = Add<TNote>("5", 100, 200);
    note->selected = true;
    note->dragX = 150;
    note->dragY = 220;
    Draw(*note, true);
    const std::vector<Op> frames = canvas.OpsOf(OpKind::Polyline);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(Describe(frames[0]), "Polyline(143,208 156,208 156,231 143,231 143,208)");
    EXPECT_EQ(frames[0].penStyle, PenStyle::Dot);
    EXPECT_EQ(frames[0].penColor, 0x000000u);
    EXPECT_EQ(canvas.GetPenStyle(), PenStyle::Solid);
    EXPECT_EQ(canvas.PenColor(), 0x123456u);
    canvas.Clear();
    Draw(*note, false);  // at its own position
    EXPECT_EQ(canvas.Drawn(OpKind::Polyline),
              Strings{"Polyline(93,188 106,188 106,211 93,211 93,188)"});
}

class HorizBarTest : public SymbolDrawingTest {
protected:
    HorizBarTest() {
        bar = Add<THorizBar>("M", 100, 300);
        bar->SetWidth(100);
        bar->SetBarNum("12");
    }
    THorizBar* bar;
};

TEST_F(HorizBarTest, BarPostsAndSmallDigitNumber) {
    Draw(*bar);  // height 24, thickness round(24 * 0.3) = 7
    EXPECT_EQ(canvas.Drawn(OpKind::FillRect),
              (Strings{"FillRect(100,297,200,304)", "FillRect(100,294,102,307)",
                       "FillRect(198,294,200,307)"}));
    EXPECT_EQ(canvas.Drawn(OpKind::Text), Strings{"Text(136,276,\xA1\xA2)"});
    EXPECT_EQ(bar->Height(), 24);
    EXPECT_EQ(bar->Width(), 100);
    EXPECT_EQ(bar->upperExtent, 24);
    EXPECT_EQ(bar->lowerExtent, 7);
}

TEST_F(HorizBarTest, HitAreaAndHandleFollowTheMeasuredExtents) {
    Draw(*bar);
    EXPECT_TRUE(bar->HitTest(150, 276));
    EXPECT_FALSE(bar->HitTest(150, 275));
    EXPECT_TRUE(bar->HitTest(200, 307));
    EXPECT_FALSE(bar->HitTest(150, 308));
    const Rect grip = bar->GetSizeGripRect();
    EXPECT_EQ((std::vector<int>{grip.left, grip.top, grip.right, grip.bottom}),
              (std::vector<int>{196, 280, 200, 305}));
}

TEST_F(HorizBarTest, SelectedFrameAndHandleUseTheDragWidth) {
    bar->selected = true;
    bar->dragX = 120;
    bar->dragY = 310;
    bar->dragWidth = 50;
    Draw(*bar, true);
    EXPECT_EQ(canvas.Drawn(OpKind::Polyline),
              Strings{"Polyline(120,286 169,286 169,316 120,316 120,286)"});
    EXPECT_EQ(canvas.Drawn(OpKind::FillRect).back(), "FillRect(167,290,171,315)");
}

TEST(PlayCursor, LineThroughTheNoteInTheChosenMode) {
    RecordingCanvas canvas;
    LayoutState layout;
    GlyphInfoTable glyphs;
    ModelEnv env;
    env.layout = &layout;
    env.glyphs = &glyphs;
    TMusicBook book(env);
    TMusicSheet* page = book.NewSheet();
    TNote* note = CreateItem<TNote>(*page);
    note->SetPosX(100);
    note->SetPosY(300);
    Preferences prefs;
    prefs.DefoPlayCursorColor = 0x0000FF;
    prefs.DefoPlayCursorWidth = 3;
    prefs.DefoPlayCursorDispMode = 1;
    DrawPlayCursor(canvas, *note, 146, prefs);
    ASSERT_EQ(canvas.Drawn(), Strings{"Line(100,227,100,336)"});
    EXPECT_EQ(canvas.Ops()[0].penMode, PenMode::NotXor);
    EXPECT_EQ(canvas.Ops()[0].penWidth, 3);
    EXPECT_EQ(canvas.Ops()[0].penColor, 0x0000FFu);
    EXPECT_EQ(canvas.Ops().size(), 1u);

    prefs.DefoPlayCursorDispMode = 0;
    prefs.DefoPlayCursorWidth = 0;  // a width of 0 still draws a line
    DrawPlayCursor(canvas, *note, 146, prefs);
    EXPECT_EQ(canvas.Ops()[1].penMode, PenMode::Copy);
    EXPECT_EQ(canvas.Ops()[1].penWidth, 1);
}

}  // namespace
}  // namespace sorvel::testing
