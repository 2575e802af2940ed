// SPDX-License-Identifier: GPL-3.0-or-later
// The layout of the book an imported part becomes: numerals, dashes and rests
// in their slots, titles and key texts, pitches as degrees of the key, ties,
// bars sharing rows and rows running over onto pages, triplets, marks on their
// notes, and what the book cannot hold counted as left out.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "base/cp932.h"
#include "bookbuilderfixture.h"
#include "importedbook.h"
#include "model/daon.h"
#include "model/majorkey.h"
#include "model/musicmark.h"
#include "model/note.h"
#include "model/tempo.h"
#include "playback/conversion/keyoffset.h"

namespace sorvel::interchange {
namespace {

using namespace bookfixture;
using testbook::SymbolsOf;

TEST_F(BookBuilderTest, AMelodyInFourFourBecomesNumeralsDashesAndRestsInTheirSlots) {
    score.title = "茉莉花";
    score.composer = "民謡";
    score.fifths = 2;  // D major
    score.tempo = 72;
    score.tempoWords = "中速";
    MeasureText m1(4, 4);
    m1.N(P('F', 4, 1), 48).N(P('A', 4), 24).N(P('B', 4), 24).N(P('D', 5), 72).N(P('E', 5), 24);
    MeasureText m2;
    m2.N(P('A', 4), 96).R(48).N(P('D', 4), 48);
    MeasureText m3;
    m3.R(192);
    score.measures = {m1.M(), m2.M(), m3.M()};
    Build();

    EXPECT_EQ(SymbolsOf(Page()), "$ 3 5_ 6_ 1.' 2_' c 5 8 0 1 c 0 0 0 0 c");
    EXPECT_EQ(cp932::ToUtf8(Page().Title()), "茉莉花");
    EXPECT_EQ(cp932::ToUtf8(Page().Writer()), "民謡");
    EXPECT_EQ(cp932::ToUtf8(Page().KeyCode()), "１＝Ｄ　（１５弦）");
    EXPECT_EQ(Page().PlayCount(), 72);
    EXPECT_EQ(cp932::ToUtf8(Page().PlaySpeed()), "中速");
    // Slots in proportion to time: a quarter takes two of a bar's eight.
    const std::vector<TNote*> notes = Notes();
    std::vector<int> slots;
    for (TNote* n : notes) slots.push_back(Slot(*n));
    EXPECT_EQ(slots, (std::vector<int>{1, 3, 4, 5, 8, 10, 12, 14, 16, 19, 21, 23, 25}));
    EXPECT_EQ(built.notes, 7);
    EXPECT_EQ(built.measures, 3);
    EXPECT_TRUE(built.leftOut.empty());
}

TEST_F(BookBuilderTest, AnUntitledScoreTakesTheFileName) {
    score.measures = {MeasureText(2, 4).N(P('C', 4), 96).M()};
    Build("Air");
    EXPECT_EQ(Page().Title(), "Air");
}

TEST_F(BookBuilderTest, TextsInAnyScriptKeepEveryCharacter) {
    score.title = "Méditation – Prélude";
    score.composer = "Charles-François Gounod";
    score.measures = {MeasureText(2, 4).N(P('C', 4), 96).M()};
    Build();
    EXPECT_EQ(cp932::ToUtf8(Page().Title()), "Méditation – Prélude");
    EXPECT_EQ(cp932::ToUtf8(Page().Writer()), "Charles-François Gounod");

    score.title = "二泉映月 아리랑 🎻";
    score.composer = "أغنية شعبية";
    score.tempoWords = "慢速 – 刘天华";
    Build();
    EXPECT_EQ(cp932::ToUtf8(Page().Title()), "二泉映月 아리랑 🎻");
    EXPECT_EQ(cp932::ToUtf8(Page().Writer()), "أغنية شعبية");
    EXPECT_EQ(cp932::ToUtf8(Page().PlaySpeed()), "慢速 – 刘天华");
    EXPECT_EQ(Page().Title().find('?'), std::string::npos);
}

TEST_F(BookBuilderTest, PitchesAreDegreesOfTheKeyWithAccidentalsAndOctaveDots) {
    score.fifths = -2;  // B flat major
    MeasureText m(4, 4);
    m.N(P('B', 4, -1), 24)
        .N(P('A', 4), 24)
        .N(P('E', 4), 24)
        .N(P('E', 4, -1), 24)
        .N(P('F', 5, 1), 24)
        .N(P('C', 6), 24)
        .N(P('G', 3), 24)
        .N(P('B', 3, -1), 24);
    score.measures = {m.M()};
    Build();
    EXPECT_EQ(SymbolsOf(Page()), "$ 1_ 7_, #4_, 4_, #5_ 2_' 6_,, 1_, c");
}

TEST_F(BookBuilderTest, EveryMajorKeyGetsAKeyTextThatPlaysInThatKey) {
    EXPECT_EQ(cp932::ToUtf8(KeyCodeOfFifths(0)), "１＝Ｃ　（２６弦）");
    EXPECT_EQ(cp932::ToUtf8(KeyCodeOfFifths(1)), "１＝Ｇ　（５２弦）");
    EXPECT_EQ(cp932::ToUtf8(KeyCodeOfFifths(-1)), "１＝Ｆ　（６３弦）");
    EXPECT_EQ(cp932::ToUtf8(KeyCodeOfFifths(3)), "１＝Ａ　（４１弦）");
    EXPECT_EQ(cp932::ToUtf8(KeyCodeOfFifths(-2)), "１＝♭Ｂ（３７弦）");
    EXPECT_EQ(cp932::ToUtf8(KeyCodeOfFifths(-3)), "１＝♭Ｅ（弦）");
    EXPECT_EQ(cp932::ToUtf8(KeyCodeOfFifths(4)), "１＝Ｅ　（弦）");
    EXPECT_EQ(cp932::ToUtf8(KeyCodeOfFifths(-4)), "１＝♭Ａ（弦）");
    EXPECT_EQ(cp932::ToUtf8(KeyCodeOfFifths(6)), "１＝♯Ｆ（弦）");
    for (int fifths = -7; fifths <= 7; ++fifths) {
        const std::string text = KeyCodeOfFifths(fifths);
        EXPECT_EQ(KeyOffset(text), TonicOfFifths(fifths).semitone) << fifths;
        EXPECT_EQ(FifthsOfKeyCode(text), fifths);
    }
    EXPECT_EQ(KeyOffset(cp932::FromUtf8("ハ長調")), 2);
    EXPECT_FALSE(FifthsOfKeyCode(cp932::FromUtf8("１＝Ｄ（１５弦）")));
}

TEST_F(BookBuilderTest, TiesJoinInsideABarAndBecomeArcsAcrossIt) {
    MeasureText m1(4, 4);
    m1.N(P('C', 5), 48).N(P('E', 5), 48).N(P('G', 5), 48);
    m1.Last().tieToNext = true;
    m1.N(P('G', 5), 48);
    m1.Last().tieToNext = true;
    MeasureText m2;
    m2.N(P('G', 5), 24).N(P('A', 5), 168);
    score.measures = {m1.M(), m2.M()};
    Build();
    EXPECT_EQ(SymbolsOf(Page()), "$ 1' 3' 5' 8 c 5_' 6' 8 8 6_' c");
    // One arc from the dash before the bar line to the note after it, and
    // one over the repeated 6 that a numeral and dashes cannot hold.
    std::vector<TSlur*> slurs;
    for (int i = 0; i < Page().ItemCount(); ++i) {
        if (auto* s = Page().GetItem(i)->As<TSlur>()) slurs.push_back(s);
    }
    ASSERT_EQ(slurs.size(), 2u);
    const std::vector<TNote*> notes = Notes();
    EXPECT_TRUE(slurs[0]->IsLinkedTo(notes[3]) || slurs[1]->IsLinkedTo(notes[3]));
}

TEST_F(BookBuilderTest, ABarTooFullForItsShareGetsMoreRoomAndTheRowFewerBars) {
    MeasureText dense;
    for (int i = 0; i < 16; ++i) dense.N(P('D', 5), 12);
    MeasureText plain;
    plain.N(P('C', 5), 192);
    score.measures = {plain.M(), dense.M(), plain.M(), plain.M(), plain.M()};
    Build();
    std::vector<int> rows;
    std::vector<TMusicItem*> bars;
    for (int i = 0; i < Page().ItemCount(); ++i) {
        TMusicItem* item = Page().GetItem(i);
        if (item->Class() == ItemClass::BarLine) bars.push_back(item);
    }
    ASSERT_EQ(bars.size(), 5u);
    // 9 slots for the first bar, 17 for the sixteenths; the third still fits
    // (slot 35), the fourth moves to the next row.
    EXPECT_EQ(Slot(*bars[0]), 9);
    EXPECT_EQ(Slot(*bars[1]), 26);
    EXPECT_EQ(Slot(*bars[2]), 35);
    EXPECT_EQ(Row(*bars[3]), 1);
    EXPECT_EQ(Slot(*bars[3]), 9);
    // The sixteenths stand one slot apart.
    const std::vector<TNote*> notes = Notes();
    for (int i = 4; i < 19; ++i) EXPECT_EQ(Slot(*notes[i + 1]) - Slot(*notes[i]), 1);
}

TEST_F(BookBuilderTest, RowsRunOverIntoUntitledPagesThatContinueThePiece) {
    score.title = "Long";
    MeasureText bar(3, 4);
    bar.N(P('A', 4), 48).N(P('B', 4), 48).N(P('C', 5), 48);
    MeasureText next;
    next.N(P('A', 4), 48).N(P('B', 4), 48).N(P('C', 5), 48);
    score.measures.push_back(bar.M());
    for (int i = 0; i < 40; ++i) score.measures.push_back(next.M());
    Build();
    ASSERT_EQ(book->SheetCount(), 2);  // 8 rows of 4 bars on page 1
    EXPECT_EQ(Page(1).Title(), "");
    EXPECT_EQ(Page(1).KeyCode(), "");
    EXPECT_EQ(Notes(1).size(), 9u * 3);
}

TEST_F(BookBuilderTest, TripletsGetAMarkOnEveryThirdNumeralAndTheirLengths) {
    MeasureText m(2, 4);
    for (int i = 0; i < 3; ++i) {
        m.N(P('E', 5), 16);
        m.Last().triplet = true;
    }
    m.N(P('G', 5), 48);
    score.measures = {m.M()};
    Build();
    const std::vector<TNote*> notes = Notes();
    ASSERT_EQ(notes.size(), 4u);
    int marks = 0;
    for (TMusicItem* link : notes[0]->Links()) marks += link->Class() == ItemClass::Ren3;
    EXPECT_EQ(marks, 1);
    EXPECT_EQ(notes[0]->StepTime, 16);
    EXPECT_EQ(notes[2]->StepTime, 16);
    EXPECT_EQ(notes[3]->StepTime, 48);
}

TEST_F(BookBuilderTest, MarksHangOnTheirNotesWhereTheEditorWouldPutThem) {
    MeasureText m(4, 4);
    m.N(P('D', 5), 48, "PUE");
    m.Last().slideIn = '^';
    m.Last().tempo = 96;
    GraceNote g;
    g.pitch = P('E', 5);
    g.underlines = 2;
    g.finger = 2;
    m.Last().gracesBefore = {g};
    m.N(P('E', 5), 48, "Q");
    m.Last().slurStarts = 1;
    m.Last().wedgeStart = 'I';
    m.N(P('F', 5), 48);
    m.N(P('G', 5), 48);
    m.Last().slurStops = 1;
    m.Last().wedgeStop = true;
    score.measures = {m.M()};
    Build();
    const std::vector<TNote*> notes = Notes();
    std::map<std::string, TMusicItem*> on0;
    for (TMusicItem* link : notes[0]->Links()) on0[link->Content()] = link;
    ASSERT_EQ(on0.size(), 6u);
    // Bowings above their note, dynamics below, the slide before it.
    EXPECT_LT(on0["P"]->PosY(), notes[0]->PosY());
    EXPECT_GT(on0["E"]->PosY(), notes[0]->PosY());
    EXPECT_LT(on0["^"]->PosX(), notes[0]->PosX());
    EXPECT_EQ(on0["^"]->PosY(), notes[0]->PosY());
    EXPECT_EQ(on0["/"]->As<TTempo>()->Tempo(), 96);
    const TDaon* daon = on0["K"]->As<TDaonLeft>();
    ASSERT_NE(daon, nullptr);
    EXPECT_EQ(daon->AllNoteData(), "34V 3  3  3 ");
    EXPECT_EQ(daon->Length(), 2);
    TMusicItem* slur = nullptr;
    TMusicItem* hairpin = nullptr;
    for (TMusicItem* link : notes[1]->Links()) {
        if (link->Class() == ItemClass::Slur) slur = link;
        if (link->Class() == ItemClass::Cresc) hairpin = link;
    }
    ASSERT_TRUE(slur && hairpin);
    EXPECT_EQ(slur->PosX() + slur->Width(), notes[3]->PosX());
    EXPECT_EQ(hairpin->Content(), "I");
    EXPECT_EQ(hairpin->PosX() + hairpin->Width(), notes[3]->PosX());
}

TEST_F(BookBuilderTest, WhatTheBookCannotHoldIsCounted) {
    MeasureText m(5, 4);
    m.N(P('C', 5), 240);
    MeasureText k;
    k.M().keyChange = true;
    k.M().fifths = 1;
    k.N(P('C', 5), 240);
    score.measures = {m.M(), k.M()};
    score.leftOut = {{"和音の音", 3}};
    Build();
    EXPECT_EQ(SymbolsOf(Page()), "1' 8 8 8 8 c 1' 8 8 8 8 c");
    EXPECT_EQ(LeftOut("和音の音"), 3);
    EXPECT_EQ(LeftOut("この形式にない拍子 5/4"), 1);
    EXPECT_EQ(LeftOut("調号の変更（臨時記号で書きました）"), 1);
}

}  // namespace
}  // namespace sorvel::interchange
