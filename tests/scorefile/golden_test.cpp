// SPDX-License-Identifier: GPL-3.0-or-later
// Golden files written by hand from the file format (data/make_golden.py): the writer
// produces them byte for byte, and the reader gives them back unchanged.
#include "scorefixture.h"

#include "model/daon.h"
#include "model/horizbar.h"
#include "model/itemfactory.h"
#include "model/musicmark.h"
#include "model/note.h"
#include "model/tempo.h"
#include "model/textbox.h"

namespace sorvel::testing {
namespace {

template <class T>
T* Add(TMusicSheet& page, const char* content, int x, int y, int w = 0, int h = 0) {
    T* item = CreateItem<T>(page);
    item->SetContent(content);
    item->SetPosX(x);
    item->SetPosY(y);
    if (w) item->SetWidth(w);
    if (h) item->SetHeight(h);
    return item;
}

void LinkBoth(TMusicItem* a, TMusicItem* b) {
    a->Link(*b);
    b->Link(*a);
}

// The book of two_pages.svl, made with the model's operations as the editor would.
void BuildTwoPages(TMusicBook& book) {
    book.ApplyDefaultLayout();
    book.SetTitle(J("二胡練習曲集"));
    book.SetNoteFontSize(20);
    book.SetLeftSpace(40);
    book.SetRowInterval(150);
    book.isDispGrid = false;

    TMusicSheet& p1 = *book.NewSheet();
    p1.SetTitle(J("賽馬"));
    p1.SetWriter(J("黄海懐"));
    p1.SetPlaySpeed(J("快板"));
    p1.SetPlayCount(132);
    p1.SetKeyCode(J("１＝Ｄ　（１５弦）"));

    auto* tempo = Add<TTempo>(p1, "/", 100, 200, 60, 24);
    tempo->SetTempo(132);
    tempo->SetPrintMode(1);
    auto* sign = Add<TMusicSign>(p1, "V", 115, 205);
    auto* slur = Add<TSlur>(p1, "Y", 115, 210, 50, 20);
    Add<TBeat>(p1, "$", 60, 233);
    auto* n5 = Add<TNote>(p1, "5", 115, 233);
    n5->SetFuten(1);
    n5->SetLength(1);
    n5->SetRinji("`");
    n5->SetOctave(1);
    n5->SetOffsetX_Rinji(-80);
    n5->SetOffsetY_Rinji(-55);
    n5->SetOffsetX_Futen(65);
    n5->SetOffsetY_Futen(25);
    auto* dl = Add<TDaonLeft>(p1, "K", 115, 240, 25, 20);
    auto* n6 = Add<TNote>(p1, "6", 140, 233);
    n6->SetLength(2);
    n6->SetOctave(-2);
    auto* dr = Add<TDaonRight>(p1, "L", 140, 240, 25, 20);
    EXPECT_TRUE(dr->SetAllNoteData("64T53U72V15W"));
    dr->SetLength(3);
    Add<TNote>(p1, "8", 165, 233);
    Add<TBarLine>(p1, "c", 190, 233);
    Add<THorizBar>(p1, "M", 215, 233, 100, 21)->SetBarNum("12");
    Add<TCresc>(p1, "I", 100, 300, 75, 20);
    Add<TRenTon>(p1, "}", 190, 300, 50, 20);
    Add<TKakko>(p1, "<", 250, 300, 100, 20);
    auto* ren3 = Add<T3ren>(p1, "Z", 100, 330, 75, 20);
    auto* t1 = Add<TNote>(p1, "1", 115, 360);
    t1->SetLength(1);
    Add<TNote>(p1, "2", 140, 360)->SetLength(1);
    Add<TNote>(p1, "0", 165, 360)->SetLength(1);
    Add<TBarLine>(p1, "h", 190, 360);
    auto* text = Add<TTextBox>(p1, "O", 300, 400, 120, 40);
    text->SetCSVText(J("\"a b\",c,\"say \"\"hi\"\"\",\"日本語,カンマ\",ソルベル,"));
    text->SetFontSize(12);
    text->SetFrameLineWidth(1);
    text->SetRowSpace(2);
    text->SetFrameWidth(100);
    text->SetFrameHeight(30);
    LinkBoth(sign, n5);
    LinkBoth(slur, n5);
    LinkBoth(slur, n6);
    LinkBoth(dl, n5);
    LinkBoth(dr, n6);
    LinkBoth(ren3, t1);

    TMusicSheet& p2 = *book.NewSheet();
    p2.SetNoteFontSize(18);
    p2.SetRowInterval(146);
    p2.SetOffsetRateX_PF(-160);
    Add<TBeat>(p2, "&", 60, 233);
    auto* n3 = Add<TNote>(p2, "3", 100, 233);
    n3->SetRinji("a");
    LinkBoth(Add<TMusicSign>(p2, "T", 100, 205), n3);
    Add<TTextBox>(p2, "O", 200, 300, 0, 20);
}

TEST_F(ScoreTest, WriterProducesTheGoldenFileByteForByte) {
    TMusicBook book(env);
    BuildTwoPages(book);
    EXPECT_EQ(Save(book), Golden("two_pages.svl"));
    EXPECT_EQ(SaveBookToFileBytes(book), Golden("two_pages.svl"));
    // Names exist only while a page is written.
    for (int p = 0; p < book.SheetCount(); ++p) {
        for (int i = 0; i < book.GetSheet(p)->ItemCount(); ++i) {
            EXPECT_EQ(book.GetSheet(p)->GetItem(i)->Name(), "");
        }
    }
}

TEST_F(ScoreTest, GoldenTwoPagesReadsBackAndWritesIdentically) {
    const std::string golden = Golden("two_pages.svl");
    ASSERT_FALSE(golden.empty());
    TMusicBook& book = ReadOk(golden);
    EXPECT_EQ(Save(book), golden);
    ASSERT_EQ(book.SheetCount(), 2);
    EXPECT_EQ(book.Title(), J("二胡練習曲集"));
    EXPECT_FALSE(book.isDispGrid);
    TMusicSheet& p1 = *book.GetSheet(0);
    ASSERT_EQ(p1.ItemCount(), 20);
    EXPECT_EQ(p1.KeyCode(), J("１＝Ｄ　（１５弦）"));
    // The sign (001) and its note (004) are linked both ways; no name remains.
    TMusicItem* sign = p1.GetItem(1);
    TMusicItem* note = p1.GetItem(4);
    EXPECT_TRUE(sign->IsLinkedTo(note));
    EXPECT_TRUE(note->IsLinkedTo(sign));
    EXPECT_EQ(note->LinkCount(), 3);
    for (int i = 0; i < p1.ItemCount(); ++i) {
        EXPECT_EQ(p1.GetItem(i)->Name(), "");
        EXPECT_TRUE(p1.GetItem(i)->LinkNames().empty());
    }
    // The text box's lines, quoted where they had to be.
    const TTextBox* text = p1.GetItem(19)->As<TTextBox>();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->Lines(), (std::vector<std::string>{"a b", "c", "say \"hi\"", J("日本語,カンマ"),
                                                       J("ソルベル"), ""}));
    // The timing pass ran: the dotted eighth is 36 ticks, the triplet's notes 16.
    EXPECT_EQ(note->As<TNote>()->StepTime, 36);
    EXPECT_EQ(p1.GetItem(15)->As<TNote>()->StepTime, 16);
    EXPECT_EQ(p1.GetItem(17)->As<TNote>()->StepTime, 16);
}

TEST_F(ScoreTest, CarriageReturnLineEndsReadTheSame) {
    TMusicBook& book = ReadOk(Golden("two_pages_cr.svl"));
    EXPECT_EQ(Save(book), Golden("two_pages.svl"));
}

TEST_F(ScoreTest, EveryMissingOrMalformedValueTakesItsReaderDefault) {
    TMusicBook& book = ReadOk(Golden("defaults_in.svl"));
    EXPECT_EQ(Save(book), Golden("defaults_out.svl"));
    TMusicSheet& page = *book.GetSheet(0);
    EXPECT_EQ(book.NoteFontSize(), 30);
    EXPECT_EQ(page.NoteFontSize(), 18);  // the page's own default, not the book's value
    EXPECT_EQ(page.LeftSpace(), 40);
    EXPECT_EQ(page.OffsetRateX_PF(), -170);
    EXPECT_TRUE(book.isDispGrid);
    const auto* hbar = page.GetItem(4)->As<THorizBar>();
    ASSERT_NE(hbar, nullptr);
    EXPECT_EQ(hbar->Width(), 104);
    EXPECT_EQ(hbar->Height(), 21);
    EXPECT_EQ(hbar->BarNum(), "");
    const auto* daon = page.GetItem(12)->As<TDaonRight>();
    ASSERT_NE(daon, nullptr);
    EXPECT_EQ(daon->AllNoteData(), "13  3  3  3 ");
    EXPECT_EQ(daon->Length(), 1);
    EXPECT_EQ(page.GetItem(13)->As<TTempo>()->Tempo(), 80);
    EXPECT_TRUE(page.GetItem(14)->As<TTextBox>()->Lines().empty());
}

TEST_F(ScoreTest, NoteOffsetDefaultsComeFromThePreferences) {
    prefs.DefoOffsetRateX_Rinji = -90;
    prefs.DefoOffsetRateY_Rinji = -61;
    prefs.DefoOffsetRateX_Futen = 55;
    prefs.DefoOffsetRateY_Futen = 22;
    TMusicBook& book = ReadOk(Golden("defaults_in.svl"));
    const TNote* note = book.GetSheet(0)->GetItem(1)->As<TNote>();
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->Futen(), 1);
    EXPECT_EQ(note->OffsetX_Rinji(), -90);
    EXPECT_EQ(note->OffsetY_Rinji(), -61);
    EXPECT_EQ(note->OffsetX_Futen(), 55);
    EXPECT_EQ(note->OffsetY_Futen(), 22);
}

TEST_F(ScoreTest, KeysInOtherCaseUnknownClassesAndStrayBlocks) {
    // LF line ends; keys in other letter case; a lower-case link key is no link;
    // a page before the book, an item before any page and unknown classes are
    // skipped; "=" inside a value stays; trailing blanks are lost.
    TMusicBook& book = ReadOk(Golden("tolerant_in.svl"));
    EXPECT_EQ(Save(book), Golden("tolerant_out.svl"));
    EXPECT_EQ(book.SheetCount(), 1);
    EXPECT_EQ(book.GetSheet(0)->Title(), J("題 = 等号入り"));
}

}  // namespace
}  // namespace sorvel::testing
