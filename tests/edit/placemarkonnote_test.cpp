// SPDX-License-Identifier: GPL-3.0-or-later
// A new mark on a note makes room: it goes where its kind asks unless a mark
// the note carries on that side is in the way, and then just beyond it (up
// past every mark above, down past every mark below). Other notes' marks,
// the other side, slides and grace-note groups are left out; the marks that
// were there never move, and the placing is one recorded step.
#include <gtest/gtest.h>

#include "edit/placemarkonnote.h"
#include "editscore.h"
#include "model/daon.h"
#include "model/musicmark.h"
#include "model/note.h"
#include "model/workspace.h"

using namespace sorvel;
using namespace sorvel::editscore;

namespace {

// "8" measures 12 × 21 units at the default note size; the marks of these
// tests are 12 units wide and 10 high (dynamics 12, as they are drawn larger),
// spanning marks keep their width.
constexpr EightSize kEight{12, 21};

void Measure(TMusicItem& item) {
    const bool spanning = item.Class() == ItemClass::Slur || item.Class() == ItemClass::Cresc;
    const bool dynamic = item.ContentKind() == ckPF;
    item.StoreMeasuredSize(spanning ? item.Width() : 12, dynamic ? 12 : 10);
}

int Top(const TMusicItem& mark) {
    return mark.PosY() - mark.Height() / 2;
}
int Bottom(const TMusicItem& mark) {
    return Top(mark) + mark.Height();
}

class PlaceMarkTest : public ::testing::Test, protected Workspace {
protected:
    PlaceMarkTest() {
        NewBook();
        page = book->GetSheet(0);
        UseCompactLayout(*page, &layout, &glyphs);
        note = Put<TNote>(*page, "5", SlotX(2), kRow0);
    }

    // A mark of class T with `glyph`, placed on `on` in one recorded step.
    template <class T>
    T* Place(const std::string& glyph, TNote* on = nullptr) {
        undo.BeginGroup();
        T* mark = CreateItem<T>(*page);
        mark->SetContent(glyph);
        PlaceMarkOnNote(*mark, on ? *on : *note, kEight, Measure);
        undo.EndGroup();
        return mark;
    }

    // Where a mark of `glyph` goes on a bare note.
    int PlainY(const std::string& glyph) {
        return kRow0 - kEight.height * glyphs.LookupContent(glyph).OffsetRate / 100;
    }

    TMusicSheet* page = nullptr;
    TNote* note = nullptr;
};

}  // namespace

TEST_F(PlaceMarkTest, AMarkAloneGoesWhereItsKindAsksAndIsLinked) {
    TMusicSign* finger = Place<TMusicSign>("U");
    EXPECT_EQ(finger->PosX(), note->PosX());
    EXPECT_EQ(finger->PosY(), PlainY("U"));
    EXPECT_TRUE(note->IsLinkedTo(finger));
    EXPECT_TRUE(finger->IsLinkedTo(note));
    // A bow far enough above the finger number keeps its own height.
    TMusicSign* bow = Place<TMusicSign>("P");
    EXPECT_EQ(bow->PosY(), PlainY("P"));
    EXPECT_EQ(finger->PosY(), PlainY("U"));
}

TEST_F(PlaceMarkTest, ATrillOnAFingerNumberGoesAboveItClearOfIt) {
    TMusicSign* finger = Place<TMusicSign>("U");
    ASSERT_EQ(PlainY("["), PlainY("U"));  // the same height by default: drawn on top
    TMusicSign* trill = Place<TMusicSign>("[");
    EXPECT_EQ(Bottom(*trill), Top(*finger) - kMarkClearance);
    EXPECT_EQ(trill->PosX(), note->PosX());
    EXPECT_EQ(finger->PosY(), PlainY("U"));  // the mark that was there stays
    EXPECT_EQ(note->LinkCount(), 2);
}

TEST_F(PlaceMarkTest, AMarkGoesUpPastEveryMarkItWouldTouch) {
    TMusicSign* finger = Place<TMusicSign>("U");
    TMusicSign* bow = Place<TMusicSign>("P");
    // Just above the finger number it would touch the bow: it goes above that.
    TMusicSign* trill = Place<TMusicSign>("[");
    EXPECT_EQ(Bottom(*trill), Top(*bow) - kMarkClearance);
    EXPECT_LT(Bottom(*bow), Top(*finger));
    // A fourth at the finger number's height goes above the three.
    TMusicSign* mordent = Place<TMusicSign>("]");
    EXPECT_EQ(Bottom(*mordent), Top(*trill) - kMarkClearance);
    // A string sign whose place only touches the finger number stays there.
    TMusicSign* string = Place<TMusicSign>("R");
    EXPECT_EQ(string->PosY(), PlainY("R"));
    EXPECT_EQ(Bottom(*string), Top(*finger) - 1);
}

TEST_F(PlaceMarkTest, BelowTheNoteAMarkGoesDownPastTheMarksBelow) {
    TCresc* hairpin = Place<TCresc>("I");
    EXPECT_EQ(hairpin->PosY(), PlainY("I"));
    TMusicSign* dynamic = Place<TMusicSign>("D");
    ASSERT_GT(PlainY("D"), kRow0);
    EXPECT_EQ(Top(*dynamic), Bottom(*hairpin) + kMarkClearance);
    // A mark above takes no notice of the marks below.
    TMusicSign* finger = Place<TMusicSign>("U");
    EXPECT_EQ(finger->PosY(), PlainY("U"));
}

TEST_F(PlaceMarkTest, OnlyTheNotesOwnMarksInTheWayMakeItMove) {
    // A finger number of the next note, dragged over this one: not this
    // note's mark, so no room is made for it.
    TNote* other = Put<TNote>(*page, "3", SlotX(3), kRow0);
    TMusicSign* foreign = Place<TMusicSign>("U", other);
    foreign->SetPosX(note->PosX());
    TMusicSign* trill = Place<TMusicSign>("[");
    EXPECT_EQ(trill->PosY(), PlainY("["));
    // The note's own trill dragged aside, clear of a new mark's width, is no
    // obstacle either; back over the note it is.
    trill->SetPosX(note->PosX() + 20);
    TMusicSign* finger = Place<TMusicSign>("U");
    EXPECT_EQ(finger->PosY(), PlainY("U"));
    finger->Delete();
    trill->SetPosX(note->PosX() + 5);
    finger = Place<TMusicSign>("U");
    EXPECT_EQ(Bottom(*finger), Top(*trill) - kMarkClearance);
}

TEST_F(PlaceMarkTest, SlidesAndGraceNotesKeepTheirPlaces) {
    Place<TMusicSign>("U");
    TMusicSign* slide = Place<TMusicSign>("^");
    EXPECT_EQ(slide->PosX(), note->PosX() - kEight.width);
    EXPECT_EQ(slide->PosY(), kRow0);
    TDaonLeft* graces = Place<TDaonLeft>("K");
    EXPECT_EQ(graces->PosY(), PlainY("K"));
    // A mark put after them makes room for the finger number only.
    TMusicSign* trill = Place<TMusicSign>("[");
    EXPECT_EQ(Bottom(*trill), Top(*static_cast<TMusicItem*>(note->GetLink(0))) - kMarkClearance);
}

TEST_F(PlaceMarkTest, APlacingIsOneStepThatUndoesWhole) {
    TMusicSign* finger = Place<TMusicSign>("U");
    const int links = note->LinkCount();
    const int items = page->ItemCount();
    Place<TMusicSign>("[");
    ASSERT_TRUE(undo.CanUndo());
    undo.Undo();
    EXPECT_EQ(note->LinkCount(), links);
    EXPECT_EQ(page->ItemCount(), items);
    EXPECT_EQ(finger->PosY(), PlainY("U"));
}
