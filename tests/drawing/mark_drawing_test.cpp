// SPDX-License-Identifier: GPL-3.0-or-later
// Spanning marks, daons, tempo marks and text boxes.
#include <climits>
#include <cstdlib>

#include "drawfixture.h"
#include "model/daon.h"
#include "model/musicmark.h"
#include "model/tempo.h"
#include "model/textbox.h"
#include "view/core/itemdrawing.h"

namespace sorvel::testing {
namespace {

using Strings = std::vector<std::string>;

class MarkDrawingTest : public DrawingTest {
protected:
    template <class T>
    T* AddSpan(const std::string& content, int width) {
        T* mark = Add<T>(content, 100, 300);
        mark->SetWidth(width);
        return mark;
    }
    void Draw(TMusicItem& item, bool drag = false) {
        DrawContext ctx = Context(drag);
        DrawItem(canvas, item, ctx);
    }
};

TEST_F(MarkDrawingTest, HairpinsOpenTowardsTheirWideEnd) {
    TCresc* cresc = AddSpan<TCresc>("I", 75);
    Draw(*cresc);  // height round(24 * 50 %) = 12
    EXPECT_EQ(canvas.Drawn(), (Strings{"Line(100,300,175,294)", "Line(100,300,175,306)"}));
    EXPECT_EQ(cresc->Height(), 12);
    canvas.Clear();
    cresc->SetContent("J");
    Draw(*cresc);
    EXPECT_EQ(canvas.Drawn(), (Strings{"Line(175,300,100,294)", "Line(175,300,100,306)"}));
}

TEST_F(MarkDrawingTest, SlurAndArchRiseWithTheirWidth) {
    // rise = round(50 * 0.05) (2.5 rounds to 2) + round(12 * 0.6) = 9
    TSlur* slur = AddSpan<TSlur>("Y", 50);
    Draw(*slur);
    EXPECT_EQ(canvas.Drawn(), Strings{"Bezier(100,306 105,297 145,297 150,306)"});
    EXPECT_EQ(slur->archHeight, 9);
    canvas.Clear();
    TRenTon* arch = AddSpan<TRenTon>("}", 50);
    Draw(*arch);
    EXPECT_EQ(canvas.Drawn(), Strings{"Polyline(100,306 125,297 150,306)"});
    EXPECT_EQ(arch->archHeight, 9);
}

TEST_F(MarkDrawingTest, LongSlurRiseIsCappedAtItsHeight) {
    TSlur* slur = AddSpan<TSlur>("Y", 400);  // 20 + 7 would exceed 12
    Draw(*slur);
    EXPECT_EQ(slur->archHeight, 12);
}

TEST_F(MarkDrawingTest, BracketWithItsEndingNumber) {
    TKakko* kakko = AddSpan<TKakko>("<", 100);
    Draw(*kakko);  // height round(24 * 80 %) = 19; number at 14 pt, 11 wide
    EXPECT_EQ(canvas.Drawn(), (Strings{"Polyline(100,309 100,290 200,290)", "Text(105,290,*)"}));
    EXPECT_EQ(canvas.Ops()[1].fontPoints, 14);
    EXPECT_EQ(canvas.FontSize(), 18);
    canvas.Clear();
    kakko->SetContent("Y");  // no known bracket glyph: bracket only
    Draw(*kakko);
    EXPECT_EQ(canvas.OpsOf(OpKind::Text).size(), 0u);
}

TEST_F(MarkDrawingTest, TripletBracketWithCentredThree) {
    T3ren* triplet = AddSpan<T3ren>("Z", 75);
    Draw(*triplet);  // "3" at 9 pt: 12 high, 7 wide
    EXPECT_EQ(canvas.Drawn(),
              (Strings{"Polyline(100,309 100,303 175,303 175,309)", "Text(134,290,3)"}));
    EXPECT_EQ(triplet->Height(), 19);
}

TEST_F(MarkDrawingTest, SpanningSelectionFrameHandleAndHitArea) {
    TSlur* slur = AddSpan<TSlur>("Y", 50);
    slur->selected = true;
    slur->dragX = 110;
    slur->dragY = 310;
    slur->dragWidth = 60;
    Draw(*slur, true);
    EXPECT_EQ(canvas.Drawn(OpKind::Polyline),
              Strings{"Polyline(110,304 169,304 169,315 110,315 110,304)"});
    EXPECT_EQ(canvas.Drawn(OpKind::FillRect), Strings{"FillRect(168,306,172,314)"});
    EXPECT_TRUE(slur->HitTest(150, 306));
    EXPECT_FALSE(slur->HitTest(150, 307));
    EXPECT_TRUE(slur->HitTest(100, 294));
    EXPECT_FALSE(slur->HitTest(99, 300));
}

class DaonTest : public MarkDrawingTest {
protected:
    // Small notes "1", "2" (an octave down, no finger) and "3" (an octave up),
    // the first with finger "T"; one duration line.
    TDaon* AddDaon(const std::string& content, int x) {
        TDaon* daon = content == "K" ? static_cast<TDaon*>(Add<TDaonLeft>(content, x, 300))
                                     : static_cast<TDaon*>(Add<TDaonRight>(content, x, 300));
        EXPECT_TRUE(daon->SetAllNoteData("13T22 34  3 "));
        daon->SetLength(1);
        return daon;
    }
};

TEST_F(DaonTest, LeftDaonGeometry) {
    // Digit 14 wide, 24 high; small notes at 11 pt: 15 high, 9 wide, "123" 27.
    TDaon* daon = AddDaon("K", 200);
    Draw(*daon);
    EXPECT_EQ(canvas.Drawn(),
              (Strings{"Line(167,300,193,300)", "Line(180,300,180,306)", "Line(180,306,193,306)",
                       "Text(167,279,123)", "Ellipse(179,296,181,298)", "Ellipse(188,277,190,279)",
                       "Text(167,262,T)"}));
    EXPECT_EQ(canvas.Ops()[4].penWidth, 2);
    EXPECT_EQ(canvas.Ops()[6].penWidth, 1);
    EXPECT_EQ(daon->Width(), 27);
    EXPECT_EQ(daon->Height(), 24);
    EXPECT_EQ(daon->digitWidth, 14);
    EXPECT_EQ(daon->centerX, 180);
    EXPECT_EQ(daon->centerY, 300);
    EXPECT_EQ(canvas.FontSize(), 18);
}

TEST_F(DaonTest, RightDaonMirrorsAndHitAreaMatchesItsFrame) {
    TDaon* daon = AddDaon("L", 200);
    daon->selected = true;
    Draw(*daon);
    EXPECT_EQ(canvas.Drawn(OpKind::Line)[2], "Line(220,306,207,306)");
    EXPECT_EQ(canvas.Drawn(OpKind::Polyline),
              Strings{"Polyline(207,276 232,276 232,299 207,299 207,276)"});
    EXPECT_TRUE(daon->HitTest(207, 276));
    EXPECT_TRUE(daon->HitTest(233, 300));
    EXPECT_FALSE(daon->HitTest(206, 290));
    EXPECT_FALSE(daon->HitTest(220, 301));
}

TEST_F(DaonTest, DamagedLengthDrawsBoundedLines) {
    TDaon* daon = AddDaon("K", 200);
    daon->SetLength(2000000000);
    Draw(*daon);
    EXPECT_EQ(canvas.OpsOf(OpKind::Line).size(), 16u + 2u);
}

class TempoTest : public MarkDrawingTest {
protected:
    TempoTest() { tempo = Add<TTempo>("/", 300, 300); }  // 70 %: 13 pt, 17 units
    TTempo* tempo;
};

TEST_F(TempoTest, QuarterGlyphThenTheNumberInGothic) {
    Draw(*tempo);
    EXPECT_EQ(canvas.Drawn(), (Strings{"Text(284,292,N)", "Text(294,292,=80)"}));
    EXPECT_EQ(canvas.Ops()[0].font, kMusicFontName);
    EXPECT_EQ(canvas.Ops()[1].font, GothicFontName());
    EXPECT_EQ(tempo->Width(), 32);
    EXPECT_EQ(tempo->Height(), 17);
    EXPECT_EQ(canvas.FontName(), kMusicFontName);
    EXPECT_EQ(canvas.FontSize(), 18);
    canvas.Clear();
    tempo->SetTempoUnit(1);
    Draw(*tempo);
    EXPECT_EQ(canvas.Drawn(), (Strings{"Text(280,292,N)", "Text(290,292,=80%)"}));
}

TEST_F(TempoTest, LeftOutOfPrintsUnlessPrintModeIsSet) {
    Draw(*tempo);
    tempo->SetTempo(120);
    RecordingCanvas printer(true);
    printer.SetFont(kMusicFontName, 18);
    DrawContext ctx = Context();
    DrawItem(printer, *tempo, ctx);
    EXPECT_TRUE(printer.Ops().empty());
    EXPECT_EQ(tempo->Width(), 32);  // the last on-screen measure stays
    tempo->SetPrintMode(1);
    DrawItem(printer, *tempo, ctx);
    EXPECT_EQ(printer.Drawn(), (Strings{"Text(280,292,N)", "Text(290,292,=120)"}));
}

class TextBoxTest : public MarkDrawingTest {
protected:
    TextBoxTest() {
        box = Add<TTextBox>("O", 300, 300);
        box->SetFontName("Mincho");
        box->SetFontSize(12);  // 16 units high, 8 wide
        box->SetRowSpace(50);  // pitch 16 + 8
        box->SetCSVText("abc,hello");
    }
    TTextBox* box;
};

TEST_F(TextBoxTest, LinesCentredAsABlock) {
    Draw(*box);
    EXPECT_EQ(canvas.Drawn(), (Strings{"Text(280,280,abc)", "Text(280,304,hello)"}));
    EXPECT_EQ(canvas.Ops()[0].font, "Mincho");
    EXPECT_EQ(box->Width(), 40);
    EXPECT_EQ(box->Height(), 48);
    EXPECT_EQ(canvas.FontName(), kMusicFontName);
}

TEST_F(TextBoxTest, FrameGrowsToItsSetSizeButTextStaysPut) {
    box->SetFrameLineWidth(2);
    box->SetFrameWidth(60);
    box->SetFrameHeight(30);
    box->selected = true;
    Draw(*box);
    EXPECT_EQ(canvas.Drawn(OpKind::Text), (Strings{"Text(280,280,abc)", "Text(280,304,hello)"}));
    // The frame is one closed outline (a wide pen is mitred at every corner,
    // the first included); the selection frame stays a dotted polyline.
    const std::vector<Op> frames = canvas.OpsOf(OpKind::ClosedPolyline);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(Describe(frames[0]), "ClosedPolyline(269,275 330,275 330,324 269,324)");
    EXPECT_EQ(frames[0].penWidth, 2);
    EXPECT_EQ(canvas.Drawn(OpKind::Polyline),
              Strings{"Polyline(270,276 329,276 329,323 270,323 270,276)"});
    EXPECT_EQ(canvas.PenWidth(), 1);
    EXPECT_EQ(box->Width(), 60);
    EXPECT_EQ(box->Height(), 48);
}

TEST_F(TextBoxTest, EmptyBoxKeepsAMinimumSize) {
    box->SetCSVText("");
    Draw(*box);
    EXPECT_TRUE(canvas.Ops().empty());
    EXPECT_EQ(box->Width(), 5);
    EXPECT_EQ(box->Height(), 24);
}

TEST_F(TextBoxTest, NonsenseFontSizeAndFrameWidthAreKeptDrawable) {
    box->SetFontSize(0);
    box->SetFrameLineWidth(-5);
    Draw(*box);
    EXPECT_GE(canvas.minPointsSet, 1);
    EXPECT_GE(canvas.minPenWidthSet, 1);
}

// Row spaces and line counts of a damaged file: the block's arithmetic must
// not overflow (the sanitizer build checks), and what is measured and drawn
// stays inside the coordinate range while sane boxes keep their layout.
TEST_F(TextBoxTest, VastRowSpaceOrLineCountStaysInsideCoordinates) {
    struct Case {
        int rowSpace, fontSize, lines;
    };
    for (const Case c : {Case{INT_MAX, 12, 14}, Case{INT_MIN, 12, 14}, Case{1000, 1000, 200'000}}) {
        SCOPED_TRACE(::testing::Message()
                     << "RowSpace " << c.rowSpace << ", " << c.lines << " lines");
        std::string text = "x";
        for (int i = 1; i < c.lines; ++i) text += ",x";
        canvas.Clear();
        box->SetRowSpace(c.rowSpace);
        box->SetFontSize(c.fontSize);
        box->SetCSVText(text);
        Draw(*box);
        EXPECT_LE(std::abs(box->Height()), kMaxCoordinate);
        for (const Op& op : canvas.OpsOf(OpKind::Text)) {
            EXPECT_LE(std::abs(op.points[0].y), kMaxCoordinate);
        }
    }
    // 200,000 lines at a pitch of 1333 + 13330 units reach past the range
    // from the box's centre; the lines near it are still drawn, in order.
    const std::vector<Op> drawn = canvas.OpsOf(OpKind::Text);
    ASSERT_GT(drawn.size(), 1u);
    EXPECT_EQ(drawn[1].points[0].y - drawn[0].points[0].y, 1333 + 13330);

    // A frame of the largest set size and a selection around it.
    box->SetRowSpace(INT_MAX);
    box->SetFrameLineWidth(1);
    box->SetFrameWidth(INT_MAX);
    box->SetFrameHeight(INT_MAX);
    box->selected = true;
    Draw(*box);
    EXPECT_EQ(box->Height(), INT_MAX);
}

}  // namespace
}  // namespace sorvel::testing
