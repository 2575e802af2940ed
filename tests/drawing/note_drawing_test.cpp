// SPDX-License-Identifier: GPL-3.0-or-later
// Notes: numeral placement and measured size, duration lines joined within a
// beam group, octave dots, the augmentation dot and the accidental in force.
#include <algorithm>

#include "drawfixture.h"
#include "model/horizbar.h"
#include "model/musicmark.h"
#include "view/core/itemdrawing.h"
#include "view/core/pagedrawing.h"

namespace sorvel::testing {
namespace {

using Strings = std::vector<std::string>;

class NoteDrawingTest : public DrawingTest {
protected:
    void DrawOne(TNote& note) {
        DrawContext ctx = Context();
        DrawItem(canvas, note, ctx);
    }
    // The page drawn whole (timing pass included); only what lies below
    // the title band is kept, so the header's rules drop out.
    Strings DrawnBelowHeader(OpKind kind) {
        DrawContext ctx = Context();
        DrawPage(canvas, *page, ctx);
        Strings out;
        for (const Op& op : canvas.OpsOf(kind)) {
            if (op.points[0].y > 200 && op.points[0].y < 1300) out.push_back(Describe(op));
        }
        return out;
    }
};

TEST_F(NoteDrawingTest, NumeralIsCentredAndItsSizeStored) {
    TNote* note = AddNote(100, 200, "5");
    DrawOne(*note);
    EXPECT_EQ(canvas.Drawn(), Strings{"Text(93,188,5)"});
    EXPECT_EQ(canvas.Ops()[0].fontPoints, 18);
    EXPECT_EQ(note->Width(), 14);
    EXPECT_EQ(note->Height(), 24);
    EXPECT_TRUE(note->HitTest(93, 188));
    EXPECT_FALSE(note->HitTest(92, 200));
}

TEST_F(NoteDrawingTest, DurationLinesThenLowOctaveDotsBelowThem) {
    TNote* note = AddNote(100, 200, "5", 2, -2);
    DrawOne(*note);
    EXPECT_EQ(canvas.Drawn(OpKind::Line),
              (Strings{"Line(94,214,106,214)", "Line(94,218,106,218)"}));
    EXPECT_EQ(canvas.Drawn(OpKind::Ellipse),
              (Strings{"Ellipse(98,222,102,226)", "Ellipse(98,228,102,232)"}));
    EXPECT_EQ(canvas.OpsOf(OpKind::Line)[0].brushStyle, BrushStyle::Solid);
}

TEST_F(NoteDrawingTest, HighOctaveDotsGoUpAndTheDotSitsAtItsOffsets) {
    TNote* note = AddNote(100, 200, "5", 0, 2);
    note->SetFuten(1);  // offsets 60 % and 20 %: centre (108, 205), radius round(14 / 6)
    DrawOne(*note);
    EXPECT_EQ(canvas.Drawn(OpKind::Ellipse),
              (Strings{"Ellipse(98,182,102,186)", "Ellipse(98,176,102,180)",
                       "Ellipse(106,203,110,207)"}));
    EXPECT_EQ(canvas.GetBrushStyle(), BrushStyle::Solid);  // restored to what it was
}

TEST_F(NoteDrawingTest, SustainDashIsDrawnLikeANumeral) {
    TNote* dash = AddNote(100, 200, "8", 1);
    DrawOne(*dash);
    EXPECT_EQ(canvas.Drawn(), (Strings{"Text(93,188,8)", "Line(94,214,106,214)"}));
}

TEST_F(NoteDrawingTest, LinesJoinWithinABeatOnly) {
    for (int x : {100, 125, 150, 175}) AddNote(x, 300, "5", 1);
    // Eighths in a 48-tick beat: the first two form one group, the last two
    // the next.
    EXPECT_EQ(DrawnBelowHeader(OpKind::Line),
              (Strings{"Line(94,314,132,314)", "Line(119,314,131,314)", "Line(144,314,182,314)",
                       "Line(169,314,181,314)"}));
}

TEST_F(NoteDrawingTest, BarLinesAndHorizontalBarsBreakTheJoin) {
    AddNote(100, 300, "5", 2);
    Add<TBarLine>("c", 112, 300);
    AddNote(125, 300, "5", 2);
    Add<THorizBar>("M", 137, 300);
    AddNote(150, 300, "5", 2);
    const Strings lines = DrawnBelowHeader(OpKind::Line);
    for (const char* free :
         {"Line(94,314,106,314)", "Line(119,314,131,314)", "Line(144,314,156,314)"}) {
        EXPECT_NE(std::find(lines.begin(), lines.end(), free), lines.end()) << free;
    }
}

TEST_F(NoteDrawingTest, OnlyAsManyLinesJoinAsTheNextNoteHas) {
    AddNote(100, 300, "5", 2);
    AddNote(125, 300, "5", 1);
    EXPECT_EQ(DrawnBelowHeader(OpKind::Line),
              (Strings{"Line(94,314,132,314)", "Line(94,318,106,318)", "Line(119,314,131,314)"}));
}

TEST(ChooseAccidental, AgainstTheAccidentalInForce) {
    const std::string sharp = "`", flat = "a", natural = "b", none;
    struct Case {
        std::string inForce, own, shown;
    };
    const Case cases[] = {
        {none, none, none},        {none, flat, flat},      {"x", sharp, sharp},
        {natural, flat, flat},     {natural, sharp, sharp}, {natural, natural, none},
        {natural, none, none},     {flat, none, natural},   {flat, natural, natural},
        {flat, sharp, sharp},      {flat, flat, none},      {sharp, none, natural},
        {sharp, natural, natural}, {sharp, flat, flat},     {sharp, sharp, none},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseAccidental(c.inForce, c.own), c.shown) << c.inForce << "/" << c.own;
    }
}

class AccidentalTest : public NoteDrawingTest {
protected:
    AccidentalTest() { AddNote(100, 300, "3")->SetRinji("a"); }
    // Accidentals drawn beside the notes (the numerals are digits).
    Strings Accidentals() {
        DrawContext ctx = Context();
        DrawPage(canvas, *page, ctx);
        Strings out;
        for (const Op& op : canvas.OpsOf(OpKind::Text)) {
            if (op.text == "a" || op.text == "b" || op.text == "`") out.push_back(Describe(op));
        }
        return out;
    }
};

TEST_F(AccidentalTest, RepeatedNumeralShowsANatural) {
    AddNote(125, 300, "3");
    // Offsets -85 % and -60 % of 14 x 24: 12 left, 14 up.
    EXPECT_EQ(Accidentals(), (Strings{"Text(88,286,a)", "Text(113,286,b)"}));
}

TEST_F(AccidentalTest, BarLineClearsTheTable) {
    Add<TBarLine>("c", 112, 300);
    AddNote(125, 300, "3");
    EXPECT_EQ(Accidentals(), Strings{"Text(88,286,a)"});
}

TEST_F(AccidentalTest, AnyNonNoteItemClearsTheTable) {
    Add<TMusicSign>("P", 112, 300);
    AddNote(125, 300, "3");
    EXPECT_EQ(Accidentals(), Strings{"Text(88,286,a)"});
}

TEST_F(AccidentalTest, OtherOctaveOrNumeralIsUnaffected) {
    AddNote(125, 300, "3", 0, 1);
    AddNote(150, 300, "4");
    EXPECT_EQ(Accidentals(), Strings{"Text(88,286,a)"});
}

TEST_F(AccidentalTest, SameAccidentalAgainIsNotRepeated) {
    AddNote(125, 300, "3")->SetRinji("a");
    AddNote(150, 300, "3")->SetRinji("`");
    EXPECT_EQ(Accidentals(), (Strings{"Text(88,286,a)", "Text(138,286,`)"}));
}

TEST_F(NoteDrawingTest, DamagedLengthsAndOctavesDrawABoundedNumber) {
    TNote* note = AddNote(100, 200, "5", 2000000000, -2000000000);
    DrawOne(*note);
    EXPECT_EQ(canvas.OpsOf(OpKind::Line).size(), 16u);
    EXPECT_EQ(canvas.OpsOf(OpKind::Ellipse).size(), 16u);
    canvas.Clear();
    note->SetOctave(2000000000);
    note->SetLength(-5);
    DrawOne(*note);
    EXPECT_EQ(canvas.OpsOf(OpKind::Line).size(), 0u);
    EXPECT_EQ(canvas.OpsOf(OpKind::Ellipse).size(), 16u);
}

}  // namespace
}  // namespace sorvel::testing
