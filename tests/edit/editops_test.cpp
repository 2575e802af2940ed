// SPDX-License-Identifier: GPL-3.0-or-later
// The edit commands' work on the score without a window: copy text and
// paste reading, same-kind select, vertical alignment, automatic lengths,
// insert and delete with shift, and the shift dialog's count.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/cp932.h"
#include "edit/autolengths.h"
#include "edit/clipboardtext.h"
#include "edit/selectionops.h"
#include "edit/shift.h"
#include "editscore.h"
#include "model/musicbook.h"
#include "model/musicmark.h"
#include "model/note.h"
#include "model/scorefile.h"
#include "model/textbox.h"
#include "model/workspace.h"

using namespace sorvel;
using namespace sorvel::editscore;

namespace {

// A book of one compact page in its own environment.
class Scratch : public Workspace {
public:
    Scratch() {
        NewBook();
        page = book->GetSheet(0);
        UseCompactLayout(*page, &layout, &glyphs);
    }

    // A second page with the same layout, appended.
    TMusicSheet* AddPage() {
        TMusicSheet* next = book->NewSheet();
        UseCompactLayout(*next);
        TakeOverPageSettings(layout, *page, glyphs);
        return next;
    }

    std::string Bytes() { return SaveBookToFileBytes(*book); }

    template <class F>
    auto Step(F change) {
        undo.BeginGroup();
        auto result = change();
        undo.EndGroup();
        return result;
    }

    TMusicSheet* page = nullptr;
};

std::string Cp932(const char* utf8) {
    return cp932::FromUtf8(utf8);
}

TNote* NoteAt(const TMusicSheet& page, int x, int y) {
    TMusicItem* item = ItemAt(page, x, y);
    return item ? item->As<TNote>() : nullptr;
}

}  // namespace

// ---- copy and paste ------------------------------------------------------------

TEST(ClipboardText, CopyListTakesALoneItemWithoutItsLinks) {
    Scratch s;
    TNote* note = Put<TNote>(*s.page, "5", SlotX(1), kRow0);
    TMusicSign* mark = Put<TMusicSign>(*s.page, "A", SlotX(1) - 3, kRow0 - 40);
    LinkBoth(*note, *mark);
    ASSERT_EQ(CopyList({note}), std::vector<TMusicItem*>{note});
    // Several: each item, then its links, each once.
    TNote* other = Put<TNote>(*s.page, "6", SlotX(2), kRow0);
    const std::vector<TMusicItem*> list = CopyList({mark, other, note});
    ASSERT_EQ(list, (std::vector<TMusicItem*>{mark, note, other}));
}

TEST(ClipboardText, MarkOffsetIsTheNoteSeenFromTheMark) {
    Scratch s;
    TNote* note = Put<TNote>(*s.page, "5", SlotX(1), kRow0);
    TMusicSign* mark = Put<TMusicSign>(*s.page, "A", SlotX(1) - 3, kRow0 - 40);
    ASSERT_EQ(MarkOffsetOf(*mark), (PagePoint{0, 0}));
    LinkBoth(*note, *mark);
    ASSERT_EQ(MarkOffsetOf(*mark), (PagePoint{3, 40}));
    // A linked mark is not a symbol: a note's offset is that of nothing.
    ASSERT_EQ(MarkOffsetOf(*note), (PagePoint{0, 0}));
}

TEST(ClipboardText, CopyLinesAreTheHeaderAndTheSavedBlocks) {
    Scratch s;
    TNote* note = Put<TNote>(*s.page, "5", SlotX(1), kRow0);
    TMusicSign* mark = Put<TMusicSign>(*s.page, "A", SlotX(1) - 3, kRow0 - 40);
    LinkBoth(*note, *mark);
    const std::vector<std::string> lines = CopyLines(*s.page, {mark});
    ASSERT_EQ(lines.front(), std::string(kScoreHeader));
    ASSERT_EQ(lines[1], std::string("class TMusicSign"));
    // The mark comes first in item order (a row above), the note second.
    ASSERT_EQ(lines[2], std::string("  Name=000"));
    ASSERT_TRUE(std::find(lines.begin(), lines.end(), "  LinkMusicItem=001") != lines.end());
    ASSERT_EQ(lines.back(), std::string("end   TMusicSign"));
    ASSERT_TRUE(s.page->GetItem(0)->Name().empty());  // names cleared again
    // The clipboard text is the same as UTF-8, each line ended by CR LF.
    const std::string text = ClipboardTextOf(lines);
    ASSERT_TRUE(text.rfind("二胡数字譜データVer1.0\r\nclass TMusicSign\r\n", 0) == 0);
    ASSERT_TRUE(text.size() > 2 && text.substr(text.size() - 2) == "\r\n");
}

TEST(ClipboardText, PasteReadsBlocksAndStoresOffsetsFromTheOrigin) {
    Scratch s;
    TNote* a = Put<TNote>(*s.page, "1", SlotX(2), kRow1);
    TNote* b = Put<TNote>(*s.page, "2", SlotX(3), kRow0);
    TMusicSign* mark = Put<TMusicSign>(*s.page, "A", SlotX(1), kRow0 - 40);
    LinkBoth(*b, *mark);
    const std::string bytes = LinesToFileBytes(CopyLines(*s.page, {a, b, mark}));

    TMusicSheet& buffer = *s.book->NewSheet();  // a scratch page as the view keeps
    ASSERT_EQ(ReadPasteText(buffer, bytes), PasteRead::Read);
    ASSERT_EQ(buffer.ItemCount(), 3);
    // Origin: the smallest x and y of the symbols (the mark does not count).
    ASSERT_EQ(PasteOrigin(buffer), (PagePoint{SlotX(2), kRow0}));
    for (int i = 0; i < 3; ++i) {
        const TMusicItem& item = *buffer.GetItem(i);
        ASSERT_EQ(item.dragX, item.PosX() - SlotX(2));
        ASSERT_EQ(item.dragY, item.PosY() - kRow0);
        ASSERT_TRUE(item.Name().empty());
    }
    const TMusicItem* pastedMark = ItemAt(buffer, SlotX(1), kRow0 - 40);
    ASSERT_TRUE(pastedMark && pastedMark->LinkCount() == 1);
    ASSERT_EQ(pastedMark->GetLink(0)->PosX(), SlotX(3));
}

TEST(ClipboardText, PasteOfOneItemHangsFromTheItemItself) {
    Scratch s;
    TNote* note = Put<TNote>(*s.page, "5", SlotX(4), kRow0);
    TMusicSign* mark = Put<TMusicSign>(*s.page, "A", SlotX(4), kRow0 - 40);
    LinkBoth(*note, *mark);
    TMusicSheet& buffer = *s.book->NewSheet();
    ASSERT_EQ(ReadPasteText(buffer, LinesToFileBytes(CopyLines(*s.page, {mark}))), PasteRead::Read);
    ASSERT_EQ(buffer.ItemCount(), 1);
    ASSERT_EQ(PasteOrigin(buffer), (PagePoint{SlotX(4), kRow0 - 40}));
    ASSERT_EQ(buffer.GetItem(0)->dragX, 0);
    ASSERT_EQ(buffer.GetItem(0)->dragY, 0);
    ASSERT_EQ(buffer.GetItem(0)->LinkCount(), 0);  // its note stayed behind
}

TEST(ClipboardText, MarksCopiedWithoutNotesHangFromTheirOwnCorner) {
    Scratch s;
    Put<TMusicSign>(*s.page, "A", 300, 200);
    Put<TMusicSign>(*s.page, "B", 340, 180);
    TMusicSheet& buffer = *s.book->NewSheet();
    ReadPasteText(buffer,
                  LinesToFileBytes(CopyLines(*s.page, {s.page->GetItem(0), s.page->GetItem(1)})));
    // Not (99999, 99999), which would paste them far off the page.
    ASSERT_EQ(PasteOrigin(buffer), (PagePoint{300, 180}));
    ASSERT_EQ(ItemAt(buffer, 340, 180)->dragX, 40);
    ASSERT_EQ(ItemAt(buffer, 300, 200)->dragY, 20);
    buffer.FreeAllItems();
    ASSERT_EQ(PasteOrigin(buffer), (PagePoint{99999, 99999}));
}

TEST(ClipboardText, TextWithoutTheHeaderPastesNothing) {
    Scratch s;
    TMusicSheet& buffer = *s.book->NewSheet();
    Put<TNote>(buffer, "1", 0, 0);  // an earlier paste
    const std::string blocks =
        "class TNote\r\n  PosX=45\r\n  PosY=243\r\n  Content=5\r\nend   TNote\r\n";
    ASSERT_EQ(ReadPasteText(buffer, blocks), PasteRead::NotItems);
    ASSERT_EQ(buffer.ItemCount(), 0);
    // A header with a trailing blank is not the header either.
    ASSERT_EQ(ReadPasteText(buffer, std::string(kScoreHeader) + " \r\n" + blocks),
              PasteRead::NotItems);
    ASSERT_EQ(ReadPasteText(buffer, ""), PasteRead::NotItems);
    ASSERT_EQ(ReadPasteText(buffer, std::string(kScoreHeader) + "\n" + blocks), PasteRead::Read);
    ASSERT_EQ(buffer.ItemCount(), 1);
}

TEST(ClipboardText, BrokenTextPastesWhatIsWellFormed) {
    Scratch s;
    TMusicSheet& buffer = *s.book->NewSheet();
    const std::string text = std::string(kScoreHeader) +
                             "\nclass TNote\n  PosX=abc\n  Content=5\nend   TNote\n"
                             "class TNothing\n  PosX=1\nend   TNothing\n"
                             "class TBarLine\n  PosX=70\n  PosY=243\n"  // never ended
                             "\x82\xA0\xFF\x81\nclass TMusicSign\n  Content=A\n"
                             "  PosX=-9999999999\nend   TMusicSign\n"
                             "class TNote\n  Content=1\nend";  // not an end line
    ASSERT_EQ(ReadPasteText(buffer, text), PasteRead::Read);
    ASSERT_EQ(buffer.ItemCount(), 2);  // the note and the sign
    ASSERT_EQ(buffer.GetItem(0)->PosX(), 0);
}

TEST(ClipboardText, ClipboardTextRoundTripsJapaneseText) {
    Scratch s;
    TTextBox* box = Put<TTextBox>(*s.page, "O", 100, 120);
    box->SetCSVText(Cp932("\"第一楽章 ゆっくり\",ﾃﾝﾎﾟ"));
    const std::string text = ClipboardTextOf(CopyLines(*s.page, {box}));
    ASSERT_TRUE(text.find("第一楽章 ゆっくり") != std::string::npos);
    TMusicSheet& buffer = *s.book->NewSheet();
    ASSERT_EQ(ReadClipboardText(buffer, text), PasteRead::Read);
    ASSERT_EQ(buffer.ItemCount(), 1);
    ASSERT_EQ(buffer.GetItem(0)->As<TTextBox>()->Lines(), box->Lines());
}

TEST(ClipboardText, ClipboardTextCarriesCharactersShiftJisLacks) {
    Scratch s;
    TTextBox* box = Put<TTextBox>(*s.page, "O", 100, 120);
    box->SetCSVText(Cp932("\"二泉映月 阿炳 刘天华\",아리랑,\"مرحبا 🎻\",&#x41;"));
    const std::string text = ClipboardTextOf(CopyLines(*s.page, {box}));
    EXPECT_NE(text.find("二泉映月 阿炳 刘天华"), std::string::npos);
    EXPECT_NE(text.find("مرحبا 🎻"), std::string::npos);
    // Typed text, not a character: in the file's form, which pastes back as typed.
    EXPECT_NE(text.find("&#x26;#x41;"), std::string::npos);
    TMusicSheet& buffer = *s.book->NewSheet();
    ASSERT_EQ(ReadClipboardText(buffer, text), PasteRead::Read);
    ASSERT_EQ(buffer.ItemCount(), 1);
    EXPECT_EQ(buffer.GetItem(0)->As<TTextBox>()->Lines(), box->Lines());
    EXPECT_EQ(cp932::ToUtf8(buffer.GetItem(0)->As<TTextBox>()->Lines().at(2)),
              std::string("مرحبا 🎻"));
}

// Line breaks and tabs inside values (a text-box line, a font name, even raw
// ones) stay inside their lines of the clipboard text and paste back whole;
// the yen sign stays a yen sign.
TEST(ClipboardText, LineBreaksInsideValuesStayInsideTheirLines) {
    Scratch s;
    TTextBox* box = Put<TTextBox>(*s.page, "O", 100, 120);
    box->SetCSVText(Cp932("a\tb,¥100,\"c\nd\"") + ",&#x000A;");
    box->SetFontName("raw\r\n  FontSize=99");
    TNote* note = Put<TNote>(*s.page, "5", 140, 243);
    const std::string text = ClipboardTextOf(CopyLines(*s.page, {box, note}));
    EXPECT_NE(text.find("¥100"), std::string::npos);
    TMusicSheet& buffer = *s.book->NewSheet();
    ASSERT_EQ(ReadClipboardText(buffer, text), PasteRead::Read);
    ASSERT_EQ(buffer.ItemCount(), 2);
    const TTextBox* pasted = buffer.GetItem(0)->As<TTextBox>();
    ASSERT_NE(pasted, nullptr);
    std::vector<std::string> shown;
    for (const std::string& line : pasted->Lines()) shown.push_back(cp932::ToUtf8(line));
    EXPECT_EQ(shown, (std::vector<std::string>{"a\tb", "¥100", "c\nd", "\n"}));
    EXPECT_EQ(cp932::ToUtf8(pasted->FontName()), "raw\r\n  FontSize=99");
    EXPECT_EQ(pasted->FontSize(), box->FontSize());
    EXPECT_EQ(buffer.GetItem(1)->Content(), "5");
}

// ---- same select and vertical position -----------------------------------------

TEST(SelectionOps, SameSelectKeepsToTheSideOfTheNote) {
    Scratch s;
    auto noteWithMark = [&](int slot, int dy) {
        TNote* note = Put<TNote>(*s.page, "5", SlotX(slot), kRow0);
        TMusicSign* mark = Put<TMusicSign>(*s.page, "A", SlotX(slot), kRow0 + dy);
        LinkBoth(*note, *mark);
        return mark;
    };
    TMusicSign* above1 = noteWithMark(0, -40);
    TMusicSign* below1 = noteWithMark(1, 40);
    TMusicSign* above2 = noteWithMark(2, -30);
    TMusicSign* below2 = noteWithMark(3, 25);
    TMusicSign* loose = Put<TMusicSign>(*s.page, "B", SlotX(5), 100);  // same kind (PF)
    Put<TMusicSign>(*s.page, "P", SlotX(6), kRow0 - 50);               // another kind

    auto sorted = [](std::vector<TMusicItem*> v) {
        std::sort(v.begin(), v.end());
        return v;
    };
    ASSERT_EQ(sorted(SameKindItems(*s.page, *below1)), sorted({below1, below2, loose}));
    ASSERT_EQ(sorted(SameKindItems(*s.page, *above2)), sorted({above1, above2, loose}));
    // An unlinked model takes every item of its kind.
    ASSERT_EQ(sorted(SameKindItems(*s.page, *loose)),
              sorted({above1, below1, above2, below2, loose}));
}

TEST(SelectionOps, SameSelectOfTextBoxesComparesTheFrame) {
    Scratch s;
    TTextBox* a = Put<TTextBox>(*s.page, "O", 100, 100);
    TTextBox* b = Put<TTextBox>(*s.page, "O", 200, 100);
    TTextBox* c = Put<TTextBox>(*s.page, "O", 300, 100);
    a->SetFrameLineWidth(2);
    c->SetFrameLineWidth(2);
    TNote* note = Put<TNote>(*s.page, "5", SlotX(1), kRow0);
    LinkBoth(*note, *c);  // links do not matter for text boxes
    ASSERT_EQ(SameKindItems(*s.page, *a), (std::vector<TMusicItem*>{a, c}));
    ASSERT_EQ(SameKindItems(*s.page, *b), (std::vector<TMusicItem*>{b}));
}

TEST(SelectionOps, VerticalPositionCopiesTheFirstMarksDistance) {
    Scratch s;
    TNote* n1 = Put<TNote>(*s.page, "1", SlotX(0), kRow0);
    TNote* n2 = Put<TNote>(*s.page, "2", SlotX(2), kRow0);
    TNote* n3 = Put<TNote>(*s.page, "3", SlotX(1), kRow1);
    TMusicSign* f = Put<TMusicSign>(*s.page, "A", SlotX(0), kRow0 - 40);
    TMusicSign* g = Put<TMusicSign>(*s.page, "A", SlotX(2), kRow0 - 10);
    TMusicSign* h = Put<TMusicSign>(*s.page, "P", SlotX(1), kRow1 + 70);
    TMusicSign* loose = Put<TMusicSign>(*s.page, "Q", SlotX(4), 300);
    LinkBoth(*n1, *f);
    LinkBoth(*n2, *g);
    LinkBoth(*n3, *h);
    ASSERT_TRUE(s.Step([&] { return AlignMarksVertically({f, g, n2, h, loose}); }));
    ASSERT_EQ(g->PosY(), kRow0 - 40);
    ASSERT_EQ(h->PosY(), kRow1 - 40);
    ASSERT_EQ(n2->PosY(), kRow0);   // symbols stay
    ASSERT_EQ(loose->PosY(), 300);  // a mark without a link stays

    // A first item that is not a linked mark changes nothing.
    const std::string before = s.Bytes();
    ASSERT_TRUE(!AlignMarksVertically({n1, g, h}));
    ASSERT_TRUE(!AlignMarksVertically({loose, g, h}));
    ASSERT_EQ(s.Bytes(), before);
}

// ---- automatic lengths ---------------------------------------------------------

TEST(AutoLengths, TimeSignaturesAndBarTicks) {
    ASSERT_EQ(TimeSignatureOf('!').numerator, 2);
    ASSERT_EQ(TimeSignatureOf('!').denominator, 2);
    ASSERT_EQ(TimeSignatureOf('&').numerator, 6);
    ASSERT_EQ(TimeSignatureOf('&').denominator, 8);
    ASSERT_EQ(TimeSignatureOf('(').numerator, 12);
    ASSERT_EQ(TimeSignatureOf(')').numerator, 4);  // not one of the eight
    ASSERT_EQ(TimeSignatureOf('A').denominator, 4);
    ASSERT_EQ(TicksPerBar(4, 4), 192);
    ASSERT_EQ(TicksPerBar(6, 8), 144);
    ASSERT_EQ(TicksPerBar(3, 8), 72);
    // A bar of 2/2 is as long as one of 4/4.
    ASSERT_EQ(TicksPerBar(2, 2), 192);
    ASSERT_EQ(LengthFor32nds(10).length, 2);
    ASSERT_EQ(LengthFor32nds(12).futen, 1);
    ASSERT_EQ(LengthFor32nds(5).length, -1);
}

TEST(AutoLengths, AutoLengthOfTheWorkedExample) {
    // 4/4, a bar 8 slots wide with a grid of 10: a width of 70 units.
    Scratch s;
    s.page->SetGridSize(10);
    s.page->SetGridDivNum(36);
    TakeOverPageSettings(s.layout, *s.page, s.glyphs);
    Put<TBarLine>(*s.page, "c", 100, kRow0);
    Put<TBarLine>(*s.page, "c", 180, kRow0);
    TNote* a = Put<TNote>(*s.page, "5", 130, kRow0);
    TNote* oldDash = Put<TNote>(*s.page, "8", 140, kRow0);
    Put<TNote>(*s.page, "6", 150, kRow0);

    const LengthScales scales = ComputeLengthScales(*s.book, 0);
    ASSERT_EQ(scales.Find(a)->barWidth, 70);
    ASSERT_EQ(scales.Find(a)->ticksPerUnit, 192.0 / 70.0);

    std::vector<TMusicItem*> selection{oldDash, a};
    ASSERT_EQ(s.Step([&] { return AutoSetLengths(*s.book, 0, selection); }), LenAutoResult::Done);
    ASSERT_EQ(selection, std::vector<TMusicItem*>{a});  // the old dash is gone
    ASSERT_EQ(s.page->IndexOfItem(oldDash), -1);
    // t = round(23 * 192 / 70) = 63, b = 10: Length 2 and one dash at
    // 150 - round(48 * 70 / 192) = 150 - 18.
    ASSERT_EQ(a->Length(), 2);
    ASSERT_EQ(a->Futen(), 0);
    ASSERT_EQ(CountContent(*s.page, "8"), 1);
    ASSERT_TRUE(NoteAt(*s.page, 132, kRow0) && NoteAt(*s.page, 132, kRow0)->Content() == "8");
}

TEST(AutoLengths, AutoLengthInCompoundTime) {
    Scratch s;
    s.page->SetGridSize(10);
    s.page->SetGridDivNum(36);
    TakeOverPageSettings(s.layout, *s.page, s.glyphs);
    Put<TBeat>(*s.page, "&", 30, kRow0);  // 6/8
    Put<TBarLine>(*s.page, "c", 100, kRow0);
    TNote* note = Put<TNote>(*s.page, "3", 110, kRow0);
    Put<TBarLine>(*s.page, "c", 254, kRow0);
    // Bar width 254 - 110 = 144 units for 144 ticks: t = 147, b = 24, a
    // multiple of 12 in eighths: a dotted quarter and one dotted dash.
    std::vector<TMusicItem*> selection{note};
    s.Step([&] { return AutoSetLengths(*s.book, 0, selection); });
    ASSERT_EQ(note->Futen(), 1);
    ASSERT_EQ(note->Length(), 0);
    ASSERT_EQ(CountContent(*s.page, "8"), 1);
    TNote* dash = NoteAt(*s.page, 254 - 72, kRow0);
    ASSERT_TRUE(dash && dash->Content() == "8");
    ASSERT_EQ(dash->Futen(), 1);

    // The same distance in 4/4: b = 32, a quarter and three dashes.
    s.page->GetItem(0)->SetContent("$");
    dash->Delete();
    selection = {note};
    s.Step([&] { return AutoSetLengths(*s.book, 0, selection); });
    ASSERT_EQ(note->Futen(), 0);
    ASSERT_EQ(note->Length(), 0);
    ASSERT_EQ(CountContent(*s.page, "8"), 3);
    for (int x : {218, 182, 146}) ASSERT_TRUE(NoteAt(*s.page, x, kRow0));
}

TEST(AutoLengths, AutoLengthWithoutBarWidthChangesNothing) {
    Scratch s;
    s.page->SetGridSize(10);
    TakeOverPageSettings(s.layout, *s.page, s.glyphs);
    Put<TBarLine>(*s.page, "c", 100, kRow0);
    TNote* squeezed = Put<TNote>(*s.page, "5", 105, kRow0);
    Put<TBarLine>(*s.page, "c", 110, kRow0);  // width 110 - (100 + 10) = 0
    TNote* dash = Put<TNote>(*s.page, "8", 200, kRow0);
    TNote* fine = Put<TNote>(*s.page, "6", 150, kRow0);
    const std::string before = s.Bytes();
    std::vector<TMusicItem*> selection{dash, fine, squeezed};
    ASSERT_EQ(s.Step([&] { return AutoSetLengths(*s.book, 0, selection); }),
              LenAutoResult::NoUsableBarWidth);
    ASSERT_EQ(s.Bytes(), before);
    ASSERT_EQ(selection.size(), size_t{3});
    ASSERT_TRUE(!s.undo.CanUndo());
}

TEST(AutoLengths, AutoLengthSkipsANoteWithNothingAfterIt) {
    Scratch s;
    TNote* last = Put<TNote>(*s.page, "5", SlotX(3), kRow0);
    Put<TNote>(*s.page, "6", SlotX(0), kRow1);  // on the next row: not looked at
    const std::string before = s.Bytes();
    std::vector<TMusicItem*> selection{last};
    ASSERT_EQ(AutoSetLengths(*s.book, 0, selection), LenAutoResult::Done);
    ASSERT_EQ(s.Bytes(), before);
}

// ---- shifts --------------------------------------------------------------------

TEST(Shift, ShiftCountFromTheDialogText) {
    ASSERT_EQ(CountShiftSlots("2", true, 4, 8, 2).gridSlots, 8);
    ASSERT_EQ(CountShiftSlots("3", false, 4, 8, 2).gridSlots, 3);
    ASSERT_EQ(CountShiftSlots("abc", true, 4, 8, 2).gridSlots, 0);
    ASSERT_EQ(CountShiftSlots("abc", true, 4, 8, 2).check, ShiftCountCheck::Ok);
    ASSERT_EQ(CountShiftSlots("-1", true, 4, 8, 2).check, ShiftCountCheck::Negative);
    ASSERT_EQ(CountShiftSlots("16", false, 4, 8, 2).check, ShiftCountCheck::Ok);
    ASSERT_EQ(CountShiftSlots("17", false, 4, 8, 2).check, ShiftCountCheck::BeyondPage);
    ASSERT_EQ(CountShiftSlots("5", true, 4, 8, 2).check, ShiftCountCheck::BeyondPage);
    ASSERT_EQ(CountShiftSlots("2147483647", true, 4, 8, 2).check, ShiftCountCheck::BeyondPage);
}

TEST(Shift, InsertOpensSlotsAndMovesMarksAlong) {
    Scratch s;
    TNote* before = Put<TNote>(*s.page, "1", SlotX(0), kRow0);
    TNote* a = Put<TNote>(*s.page, "2", SlotX(2), kRow0);
    TNote* b = Put<TNote>(*s.page, "3", SlotX(3), kRow0);
    TMusicSign* mark = Put<TMusicSign>(*s.page, "A", SlotX(3) + 2, kRow0 - 40);
    LinkBoth(*b, *mark);
    const ShiftOutcome out = s.Step([&] {
        return InsertWithShift(*s.book, 0, {0, SlotX(2), kRow0}, 2, s.layout, s.glyphs);
    });
    ASSERT_EQ(out.result, ShiftResult::Done);
    ASSERT_EQ(out.insertedPage, -1);
    ASSERT_EQ(before->PosX(), SlotX(0));
    ASSERT_EQ(a->PosX(), SlotX(4));
    ASSERT_EQ(b->PosX(), SlotX(5));
    ASSERT_EQ(mark->PosX(), SlotX(5) + 2);
    ASSERT_EQ(mark->PosY(), kRow0 - 40);
}

TEST(Shift, InsertIntoAFullLastRowMakesAPage) {
    Scratch s;
    s.page->SetTitle("Piece");
    for (int slot = 0; slot < 8; ++slot) Put<TNote>(*s.page, "5", SlotX(slot), kRow1);
    TNote* last = NoteAt(*s.page, SlotX(7), kRow1);
    TNote* first = NoteAt(*s.page, SlotX(0), kRow1);
    TMusicSign* mark = Put<TMusicSign>(*s.page, "A", SlotX(7), kRow1 - 40);
    LinkBoth(*last, *mark);
    TMusicSheet* next = s.AddPage();  // the next piece, which must stay after it
    next->SetTitle("Next");
    Put<TNote>(*next, "1", SlotX(0), kRow0);
    const std::string before = s.Bytes();

    // One bar (4 slots) before the first note of the last row.
    const ShiftOutcome out = s.Step([&] {
        return InsertWithShift(*s.book, 0, {0, SlotX(0), kRow1}, 4, s.layout, s.glyphs);
    });
    ASSERT_EQ(out.insertedPage, 1);
    ASSERT_EQ(s.book->SheetCount(), 3);
    TMusicSheet* added = s.book->GetSheet(1);
    ASSERT_EQ(added->GridDivNum(), 8);  // the current page's layout
    ASSERT_EQ(added->RowDivNum(), 2);
    ASSERT_EQ(s.book->GetSheet(2), next);
    ASSERT_EQ(first->PosX(), SlotX(4));
    ASSERT_EQ(&first->Sheet(), s.page);
    ASSERT_EQ(&last->Sheet(), added);
    ASSERT_EQ(last->PosX(), SlotX(3));
    ASSERT_EQ(last->PosY(), kRow0);
    ASSERT_EQ(&mark->Sheet(), added);
    ASSERT_EQ(mark->PosY(), kRow0 - 40);
    ASSERT_EQ(added->ItemCount(), 5);   // four notes and the mark, no bar lines
    ASSERT_EQ(s.layout.GridDivNum, 8);  // the current layout is the page's again

    s.undo.Undo();
    ASSERT_EQ(s.book->SheetCount(), 2);
    ASSERT_EQ(s.Bytes(), before);
}

TEST(Shift, BarLineThatWouldOpenARowClosesThePreviousOne) {
    Scratch s;
    for (int slot = 0; slot < 5; ++slot) Put<TNote>(*s.page, "5", SlotX(slot), kRow0);
    TBarLine* bar = Put<TBarLine>(*s.page, "c", SlotX(6), kRow0);
    TNote* after = Put<TNote>(*s.page, "6", SlotX(7), kRow0);
    s.Step([&] {
        return InsertWithShift(*s.book, 0, {0, SlotX(0), kRow0}, 2, s.layout, s.glyphs);
    });
    // Slot 8 of row 0 is slot 0 of row 1: the bar line ends row 0 instead.
    ASSERT_EQ(bar->PosX(), kLeft + 8 * kGrid);
    ASSERT_EQ(bar->PosY(), kRow0);
    ASSERT_EQ(after->PosX(), SlotX(1));
    ASSERT_EQ(after->PosY(), kRow1);
}

TEST(Shift, DeleteClampsToThePieceStart) {
    Scratch s;
    std::vector<TNote*> notes;
    for (int slot = 0; slot < 6; ++slot) {
        notes.push_back(Put<TNote>(*s.page, "5", SlotX(slot), kRow0));
    }
    TMusicSign* mark = Put<TMusicSign>(*s.page, "A", SlotX(1), kRow0 - 40);
    LinkBoth(*notes[1], *mark);
    // One bar (4 slots) before slot 2: only two slots lie before it.
    const ShiftOutcome out = s.Step([&] {
        return DeleteWithShift(*s.book, 0, {0, SlotX(2), kRow0}, 4, s.layout);
    });
    ASSERT_EQ(out.result, ShiftResult::Done);
    ASSERT_EQ(out.deleted.size(), size_t{3});  // two notes and the mark of one
    ASSERT_EQ(s.page->ItemCount(), 4);
    for (int i = 2; i < 6; ++i) ASSERT_EQ(notes[i]->PosX(), SlotX(i - 2));
    ASSERT_EQ(out.deletedPage, -1);
}

TEST(Shift, DeleteMovesLaterPagesBackAndDropsAnEmptiedLastPage) {
    Scratch s;
    Put<TNote>(*s.page, "1", SlotX(0), kRow0);
    TNote* gone = Put<TNote>(*s.page, "2", SlotX(1), kRow0);
    TNote* stays = Put<TNote>(*s.page, "3", SlotX(2), kRow1);
    TMusicSheet* second = s.AddPage();
    TNote* far = Put<TNote>(*second, "4", SlotX(0), kRow0);
    TMusicSign* mark = Put<TMusicSign>(*second, "A", SlotX(0), kRow0 - 40);
    LinkBoth(*far, *mark);
    const std::string before = s.Bytes();

    const ShiftOutcome out = s.Step([&] {
        return DeleteWithShift(*s.book, 0, {0, SlotX(2), kRow0}, 1, s.layout);
    });
    ASSERT_EQ(out.deleted, std::vector<TMusicItem*>{gone});
    ASSERT_EQ(stays->PosX(), SlotX(1));
    // Page 2's first slot comes back to the last slot of page 1.
    ASSERT_EQ(&far->Sheet(), s.page);
    ASSERT_EQ(far->PosX(), SlotX(7));
    ASSERT_EQ(far->PosY(), kRow1);
    ASSERT_EQ(&mark->Sheet(), s.page);
    ASSERT_EQ(mark->PosY(), kRow1 - 40);
    ASSERT_EQ(out.deletedPage, 1);
    ASSERT_EQ(s.book->SheetCount(), 1);

    s.undo.Undo();
    ASSERT_EQ(s.book->SheetCount(), 2);
    ASSERT_EQ(s.Bytes(), before);
}

TEST(Shift, DeleteOnALaterPageOfThePieceCountsFromItsFirstPage) {
    Scratch s;
    s.page->SetTitle("Piece");
    Put<TNote>(*s.page, "1", SlotX(0), kRow0);
    TMusicSheet* second = s.AddPage();
    TNote* a = Put<TNote>(*second, "2", SlotX(0), kRow0);
    TNote* b = Put<TNote>(*second, "3", SlotX(3), kRow0);
    // Shown page 2; two slots before its note at slot 3.
    s.Step([&] { return DeleteWithShift(*s.book, 1, {1, SlotX(3), kRow0}, 2, s.layout); });
    ASSERT_EQ(&b->Sheet(), second);
    ASSERT_EQ(b->PosX(), SlotX(1));
    ASSERT_EQ(a->PosX(), SlotX(0));
    ASSERT_EQ(s.book->SheetCount(), 2);
}

TEST(Shift, ShiftsOnAPieceWithoutSymbolsChangeNothing) {
    Scratch s;
    Put<TMusicSign>(*s.page, "A", 100, 100);  // a mark alone is no symbol
    const std::string before = s.Bytes();
    ShiftOutcome out = s.Step([&] {
        return InsertWithShift(*s.book, 0, {0, SlotX(0), kRow0}, 4, s.layout, s.glyphs);
    });
    ASSERT_EQ(out.result, ShiftResult::NoSymbol);
    out = s.Step([&] { return DeleteWithShift(*s.book, 0, {0, SlotX(3), kRow0}, 4, s.layout); });
    ASSERT_EQ(out.result, ShiftResult::NoSymbol);
    ASSERT_EQ(s.Bytes(), before);
    ASSERT_TRUE(!s.undo.CanUndo());
}

TEST(Shift, ShiftsOnABrokenGridChangeNothing) {
    Scratch s;
    Put<TNote>(*s.page, "1", SlotX(2), kRow0);
    s.page->SetGridSize(0);
    TakeOverPageSettings(s.layout, *s.page, s.glyphs);
    const std::string before = s.Bytes();
    ASSERT_EQ(InsertWithShift(*s.book, 0, {0, SlotX(0), kRow0}, 4, s.layout, s.glyphs).result,
              ShiftResult::BrokenGrid);
    ASSERT_EQ(DeleteWithShift(*s.book, 0, {0, SlotX(3), kRow0}, 4, s.layout).result,
              ShiftResult::BrokenGrid);
    ASSERT_EQ(s.Bytes(), before);
}
