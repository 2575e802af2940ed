// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/cp932.h"
#include "model/daon.h"
#include "model/horizbar.h"
#include "model/musicmark.h"
#include "model/tempo.h"
#include "model/textbox.h"
#include "modelfixture.h"

namespace sorvel::testing {
namespace {

TEST_F(ModelTest, KindsGetTheirDefaultsAtCreation) {
    layout.GridSize = 30;
    TNote* note = CreateItem<TNote>(*page);
    EXPECT_EQ(note->StepTime, 48);
    EXPECT_EQ(note->OffsetX_Rinji(), -85);
    EXPECT_EQ(note->OffsetY_Rinji(), -60);
    EXPECT_EQ(note->OffsetX_Futen(), 60);
    EXPECT_EQ(note->OffsetY_Futen(), 20);
    EXPECT_EQ(note->Width(), 20);
    EXPECT_EQ(note->Height(), 30);
    EXPECT_EQ(note->HeightRate(), 0);  // until the content is first set

    auto* bar = CreateItem<THorizBar>(*page);
    EXPECT_EQ(bar->Width(), 120);
    EXPECT_EQ(bar->BarNum(), "1");
    EXPECT_EQ(CreateItem<TCresc>(*page)->Width(), 90);
    EXPECT_EQ(CreateItem<T3ren>(*page)->Width(), 90);
    EXPECT_EQ(CreateItem<TSlur>(*page)->Width(), 60);
    EXPECT_EQ(CreateItem<TRenTon>(*page)->Width(), 60);
    EXPECT_EQ(CreateItem<TKakko>(*page)->Width(), 120);
    auto* daon = CreateItem<TDaonRight>(*page);
    EXPECT_EQ(daon->Width(), 30);
    EXPECT_EQ(daon->Length(), 1);
    EXPECT_EQ(daon->AllNoteData(), "13  3  3  3 ");
    EXPECT_EQ(daon->Direction(), 1);
    EXPECT_EQ(CreateItem<TDaonLeft>(*page)->Direction(), -1);
    auto* tempo = CreateItem<TTempo>(*page);
    EXPECT_EQ(tempo->Tempo(), 80);
    EXPECT_EQ(tempo->PrintMode(), 0);  // not printed until set to 1
    auto* box = CreateItem<TTextBox>(*page);
    EXPECT_EQ(box->Lines(), std::vector<std::string>{cp932::FromUtf8("テキスト入力")});
    EXPECT_EQ(box->FontName(), cp932::FromUtf8("ＭＳ ゴシック"));
    EXPECT_EQ(box->FontSize(), 10);
}

TEST_F(ModelTest, CreationAndDefaultsAreRecorded) {
    undo.BeginGroup();
    CreateItem<TTempo>(*page);
    EXPECT_EQ(OpenGroupNames(), (std::vector<std::string>{"Create", "Tempo変更"}));
    undo.EndGroup();
}

TEST_F(ModelTest, ContentDecidesKindAndHeightRate) {
    TMusicSign* sign = Add<TMusicSign>("P", 0, 0);
    EXPECT_EQ(sign->ContentKind(), ckBow);
    EXPECT_EQ(sign->HeightRate(), 50);
    sign->SetContent("");
    EXPECT_EQ(sign->ContentKind(), ckNone);
    EXPECT_EQ(sign->HeightRate(), 100);
    sign->SetContent("\xA3");  // outside the table
    EXPECT_EQ(sign->ContentKind(), ckNone);
    EXPECT_EQ(sign->HeightRate(), 0);
    EXPECT_EQ(sign->GetPropertyText("ContentKind"), "0");
}

TEST_F(ModelTest, HitBoxesPerKind) {
    TNote* note = AddNote(100, 100);  // 20 x 30
    EXPECT_TRUE(note->HitTest(90, 85));
    EXPECT_TRUE(note->HitTest(110, 115));
    EXPECT_FALSE(note->HitTest(111, 100));
    EXPECT_FALSE(note->HitTest(100, 84));

    auto* slur = Add<TSlur>("Y", 100, 100);
    slur->SetWidth(50);
    slur->SetHeight(21);  // top = 100 - 10
    EXPECT_TRUE(slur->HitTest(100, 90));
    EXPECT_TRUE(slur->HitTest(150, 111));
    EXPECT_FALSE(slur->HitTest(99, 100));
    EXPECT_FALSE(slur->HitTest(120, 112));

    auto* bar = Add<THorizBar>("M", 100, 100);
    bar->upperExtent = 12;
    bar->lowerExtent = 6;
    EXPECT_TRUE(bar->HitTest(100 + bar->Width(), 88));
    EXPECT_FALSE(bar->HitTest(100, 107));
    EXPECT_EQ(bar->GetSizeGripRect().left, 100 + bar->Width() - 4);
    EXPECT_EQ(bar->GetSizeGripRect().top, 92);
    EXPECT_EQ(bar->GetSizeGripRect().bottom, 104);

    auto* daon = Add<TDaonLeft>("K", 200, 100);
    daon->digitWidth = 8;
    daon->SetWidth(30);
    daon->SetHeight(20);
    // centre = 200 + ((8 + 30) * -1) div 2 = 181; box 166..196, 80..100
    EXPECT_TRUE(daon->HitTest(166, 80));
    EXPECT_TRUE(daon->HitTest(196, 100));
    EXPECT_FALSE(daon->HitTest(197, 90));
    EXPECT_FALSE(daon->HitTest(180, 101));

    Rect grip = slur->GetSizeGripRect();
    EXPECT_EQ(grip.left, 147);
    EXPECT_EQ(grip.top, 93);
    EXPECT_EQ(grip.right, 151);
    EXPECT_EQ(grip.bottom, 114);
}

TEST_F(ModelTest, AttachRatesPlaceSlidesBeforeAndMarksAbove) {
    EXPECT_EQ(Add<TMusicSign>("^", 0, 0)->AttachRateX(), 100);
    EXPECT_EQ(Add<TMusicSign>("_", 0, 0)->AttachRateY(), 0);
    auto* bow = Add<TMusicSign>("P", 0, 0);
    EXPECT_EQ(bow->AttachRateX(), 0);
    EXPECT_EQ(bow->AttachRateY(), 270);
    EXPECT_EQ(Add<TMusicSign>("{", 0, 0)->AttachRateY(), 120);  // slide pair uses the slur rate
    EXPECT_EQ(Add<TMusicSign>("t", 0, 0)->AttachRateY(),
              170);  // "other" is placed like an ornament
}

TEST_F(ModelTest, LengthAndDotSetStepTime) {
    TNote* note = AddNote(0, 0);
    note->SetLength(1);
    note->SetFuten(1);
    EXPECT_EQ(note->StepTime, 36);
    note->SetLength(0);
    EXPECT_EQ(note->StepTime, 72);
    note->SetLength(4);
    EXPECT_EQ(note->StepTime, 4);
    note->SetFuten(0);
    EXPECT_EQ(note->StepTime, 3);
}

TEST_F(ModelTest, DashHasNoOctave) {
    TNote* dash = AddNote(0, 0, "8");
    Step([&] { dash->SetOctave(2); });
    EXPECT_EQ(dash->Octave(), 0);
    EXPECT_FALSE(undo.CanUndo());
}

TEST_F(ModelTest, TurningOnTheDotResetsItsOffsetsFirst) {
    TNote* note = AddNote(0, 0);
    note->SetOffsetX_Futen(5);
    note->SetOffsetY_Futen(6);
    undo.BeginGroup();
    note->SetFuten(1);
    EXPECT_EQ(OpenGroupNames(),
              (std::vector<std::string>{"OffsetX_Futen変更", "OffsetY_Futen変更", "Futen変更"}));
    undo.EndGroup();
    EXPECT_EQ(note->OffsetX_Futen(), 60);
    // An accidental on a note without one resets the accidental offsets.
    note->SetOffsetX_Rinji(1);
    note->SetRinji("a");
    EXPECT_EQ(note->OffsetX_Rinji(), -85);
    note->SetOffsetX_Rinji(1);
    note->SetRinji("b");  // already had one: offsets kept
    EXPECT_EQ(note->OffsetX_Rinji(), 1);
}

TEST_F(ModelTest, MalformedDaonDataChangesNothing) {
    auto* daon = Add<TDaonRight>("L", 0, 0);
    ASSERT_TRUE(daon->SetAllNoteData("54 62T13U74V"));
    const std::string before = daon->AllNoteData();
    EXPECT_EQ(before, "54 62T13U74V");
    EXPECT_EQ(daon->Slots()[1].octave, -1);
    EXPECT_EQ(daon->Slots()[3].finger, "V");
    Step([&] {
        EXPECT_FALSE(daon->SetAllNoteData("1x 3 "));       // non-digit octave in slot 0
        EXPECT_FALSE(daon->SetAllNoteData("13 23 33 4"));  // slot 3 octave missing
        EXPECT_FALSE(daon->SetAllNoteData(""));
    });
    EXPECT_EQ(daon->AllNoteData(), before);
    EXPECT_FALSE(undo.CanUndo());
}

TEST_F(ModelTest, DaonDataCutShortInTheLastFingerIsWellFormed) {
    auto* daon = Add<TDaonLeft>("K", 0, 0);
    ASSERT_TRUE(daon->SetAllNoteData("13T23 33 43"));  // 11 characters, as a trimmed line reads
    EXPECT_EQ(daon->AllNoteData(), "13T23 33 43 ");
    EXPECT_EQ(daon->UsedSlotCount(), 4);
    ASSERT_TRUE(daon->SetAllNoteData("13 23  3  3 "));
    EXPECT_EQ(daon->UsedSlotCount(), 2);
    Step([&] { daon->SetAllNoteData("73 23  3  3 "); });
    undo.Undo();
    EXPECT_EQ(daon->AllNoteData(), "13 23  3  3 ");
}

TEST_F(ModelTest, TextBoxLinesAsCommaText) {
    auto* box = Add<TTextBox>("O", 0, 0);
    box->SetCSVText("\"a b\",c");
    EXPECT_EQ(box->Lines(), (std::vector<std::string>{"a b", "c"}));
    EXPECT_EQ(box->CSVText(), "\"a b\",c");
    Step([&] { box->SetCSVText("x"); });
    undo.Undo();
    EXPECT_EQ(box->Lines(), (std::vector<std::string>{"a b", "c"}));
}

TEST_F(ModelTest, DeletingALinkedItemRecordsBothDirectionsFirst) {
    TNote* note = AddNote(100, 100);
    std::vector<TMusicSign*> marks;
    for (int i = 0; i < 3; ++i) {
        TMusicSign* m = Add<TMusicSign>("P", 100, 60 + i);
        m->Link(*note);
        note->Link(*m);
        marks.push_back(m);
    }
    undo.BeginGroup();
    note->Delete();
    std::vector<std::string> expected(6, "Link切断");
    expected.push_back("Delete");
    EXPECT_EQ(OpenGroupNames(), expected);
    undo.EndGroup();
    for (TMusicSign* m : marks) EXPECT_EQ(m->LinkCount(), 0);
    EXPECT_EQ(page->IndexOfItem(note), -1);
    EXPECT_TRUE(undo.Container().Contains(note));
}

}  // namespace
}  // namespace sorvel::testing
