// The edit commands' work on the score without a window: copy text and
// paste reading, same-kind select, vertical alignment, automatic lengths,
// insert and delete with shift, and the shift dialog's count.
#include <QtTest>

#include "base/cp932.h"
#include "editor/editops_clipboard.h"
#include "editor/editops_lengths.h"
#include "editor/editops_selection.h"
#include "editor/editops_shift.h"
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
class Scratch : public TWorkspace {
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

std::string Cp932(const char* utf8) { return cp932::FromUtf8(utf8); }

TNote* NoteAt(const TMusicSheet& page, int x, int y) {
    TMusicItem* item = ItemAt(page, x, y);
    return item ? item->As<TNote>() : nullptr;
}

}  // namespace

class EditOpsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // ---- copy and paste ------------------------------------------------------

    void copyListTakesALoneItemWithoutItsLinks() {
        Scratch s;
        TNote* note = Put<TNote>(*s.page, "5", SlotX(1), kRow0);
        TMusicSign* mark = Put<TMusicSign>(*s.page, "A", SlotX(1) - 3, kRow0 - 40);
        LinkBoth(*note, *mark);
        QCOMPARE(CopyList({note}), std::vector<TMusicItem*>{note});
        // Several: each item, then its links, each once.
        TNote* other = Put<TNote>(*s.page, "6", SlotX(2), kRow0);
        const std::vector<TMusicItem*> list = CopyList({mark, other, note});
        QCOMPARE(list, (std::vector<TMusicItem*>{mark, note, other}));
    }

    void markOffsetIsTheNoteSeenFromTheMark() {
        Scratch s;
        TNote* note = Put<TNote>(*s.page, "5", SlotX(1), kRow0);
        TMusicSign* mark = Put<TMusicSign>(*s.page, "A", SlotX(1) - 3, kRow0 - 40);
        QCOMPARE(MarkOffsetOf(*mark), (PagePoint{0, 0}));
        LinkBoth(*note, *mark);
        QCOMPARE(MarkOffsetOf(*mark), (PagePoint{3, 40}));
        // A linked mark is not a symbol: a note's offset is that of nothing.
        QCOMPARE(MarkOffsetOf(*note), (PagePoint{0, 0}));
    }

    void copyLinesAreTheHeaderAndTheSavedBlocks() {
        Scratch s;
        TNote* note = Put<TNote>(*s.page, "5", SlotX(1), kRow0);
        TMusicSign* mark = Put<TMusicSign>(*s.page, "A", SlotX(1) - 3, kRow0 - 40);
        LinkBoth(*note, *mark);
        const std::vector<std::string> lines = CopyLines(*s.page, {mark});
        QCOMPARE(lines.front(), std::string(kScoreHeader));
        QCOMPARE(lines[1], std::string("class TMusicSign"));
        // The mark comes first in item order (a row above), the note second.
        QCOMPARE(lines[2], std::string("  Name=000"));
        QVERIFY(std::find(lines.begin(), lines.end(), "  LinkMusicItem=001") != lines.end());
        QCOMPARE(lines.back(), std::string("end   TMusicSign"));
        QVERIFY(s.page->GetItem(0)->Name().empty());  // names cleared again
        // The clipboard text is the same as UTF-8, each line ended by CR LF.
        const std::string text = ClipboardTextOf(lines);
        QVERIFY(text.rfind("二胡数字譜データVer1.0\r\nclass TMusicSign\r\n", 0) == 0);
        QVERIFY(text.size() > 2 && text.substr(text.size() - 2) == "\r\n");
    }

    void pasteReadsBlocksAndStoresOffsetsFromTheOrigin() {
        Scratch s;
        TNote* a = Put<TNote>(*s.page, "1", SlotX(2), kRow1);
        TNote* b = Put<TNote>(*s.page, "2", SlotX(3), kRow0);
        TMusicSign* mark = Put<TMusicSign>(*s.page, "A", SlotX(1), kRow0 - 40);
        LinkBoth(*b, *mark);
        const std::string bytes = LinesToFileBytes(CopyLines(*s.page, {a, b, mark}));

        TMusicSheet& buffer = *s.book->NewSheet();  // a scratch page as the view keeps
        QCOMPARE(ReadPasteText(buffer, bytes), PasteRead::Read);
        QCOMPARE(buffer.ItemCount(), 3);
        // Origin: the smallest x and y of the symbols (the mark does not count).
        QCOMPARE(PasteOrigin(buffer), (PagePoint{SlotX(2), kRow0}));
        for (int i = 0; i < 3; ++i) {
            const TMusicItem& item = *buffer.GetItem(i);
            QCOMPARE(item.dragX, item.PosX() - SlotX(2));
            QCOMPARE(item.dragY, item.PosY() - kRow0);
            QVERIFY(item.Name().empty());
        }
        const TMusicItem* pastedMark = ItemAt(buffer, SlotX(1), kRow0 - 40);
        QVERIFY(pastedMark && pastedMark->LinkCount() == 1);
        QCOMPARE(pastedMark->GetLink(0)->PosX(), SlotX(3));
    }

    void pasteOfOneItemHangsFromTheItemItself() {
        Scratch s;
        TNote* note = Put<TNote>(*s.page, "5", SlotX(4), kRow0);
        TMusicSign* mark = Put<TMusicSign>(*s.page, "A", SlotX(4), kRow0 - 40);
        LinkBoth(*note, *mark);
        TMusicSheet& buffer = *s.book->NewSheet();
        QCOMPARE(ReadPasteText(buffer, LinesToFileBytes(CopyLines(*s.page, {mark}))),
                 PasteRead::Read);
        QCOMPARE(buffer.ItemCount(), 1);
        QCOMPARE(PasteOrigin(buffer), (PagePoint{SlotX(4), kRow0 - 40}));
        QCOMPARE(buffer.GetItem(0)->dragX, 0);
        QCOMPARE(buffer.GetItem(0)->dragY, 0);
        QCOMPARE(buffer.GetItem(0)->LinkCount(), 0);  // its note stayed behind
    }

    void marksCopiedWithoutNotesHangFromTheirOwnCorner() {
        Scratch s;
        Put<TMusicSign>(*s.page, "A", 300, 200);
        Put<TMusicSign>(*s.page, "B", 340, 180);
        TMusicSheet& buffer = *s.book->NewSheet();
        ReadPasteText(buffer, LinesToFileBytes(CopyLines(
                                  *s.page, {s.page->GetItem(0), s.page->GetItem(1)})));
        // Not (99999, 99999), which would paste them far off the page.
        QCOMPARE(PasteOrigin(buffer), (PagePoint{300, 180}));
        QCOMPARE(ItemAt(buffer, 340, 180)->dragX, 40);
        QCOMPARE(ItemAt(buffer, 300, 200)->dragY, 20);
        buffer.FreeAllItems();
        QCOMPARE(PasteOrigin(buffer), (PagePoint{99999, 99999}));
    }

    void textWithoutTheHeaderPastesNothing() {
        Scratch s;
        TMusicSheet& buffer = *s.book->NewSheet();
        Put<TNote>(buffer, "1", 0, 0);  // an earlier paste
        const std::string blocks =
            "class TNote\r\n  PosX=45\r\n  PosY=243\r\n  Content=5\r\nend   TNote\r\n";
        QCOMPARE(ReadPasteText(buffer, blocks), PasteRead::NotItems);
        QCOMPARE(buffer.ItemCount(), 0);
        // A header with a trailing blank is not the header either.
        QCOMPARE(ReadPasteText(buffer, std::string(kScoreHeader) + " \r\n" + blocks),
                 PasteRead::NotItems);
        QCOMPARE(ReadPasteText(buffer, ""), PasteRead::NotItems);
        QCOMPARE(ReadPasteText(buffer, std::string(kScoreHeader) + "\n" + blocks), PasteRead::Read);
        QCOMPARE(buffer.ItemCount(), 1);
    }

    void brokenTextPastesWhatIsWellFormed() {
        Scratch s;
        TMusicSheet& buffer = *s.book->NewSheet();
        const std::string text = std::string(kScoreHeader) +
                                 "\nclass TNote\n  PosX=abc\n  Content=5\nend   TNote\n"
                                 "class TNothing\n  PosX=1\nend   TNothing\n"
                                 "class TBarLine\n  PosX=70\n  PosY=243\n"  // never ended
                                 "\x82\xA0\xFF\x81\nclass TMusicSign\n  Content=A\n"
                                 "  PosX=-9999999999\nend   TMusicSign\n"
                                 "class TNote\n  Content=1\nend";  // not an end line
        QCOMPARE(ReadPasteText(buffer, text), PasteRead::Read);
        QCOMPARE(buffer.ItemCount(), 2);  // the note and the sign
        QCOMPARE(buffer.GetItem(0)->PosX(), 0);
    }

    void clipboardTextRoundTripsJapaneseText() {
        Scratch s;
        TTextBox* box = Put<TTextBox>(*s.page, "O", 100, 120);
        box->SetCSVText(Cp932("\"第一楽章 ゆっくり\",ﾃﾝﾎﾟ"));
        const std::string text = ClipboardTextOf(CopyLines(*s.page, {box}));
        QVERIFY(text.find("第一楽章 ゆっくり") != std::string::npos);
        TMusicSheet& buffer = *s.book->NewSheet();
        QCOMPARE(ReadClipboardText(buffer, text), PasteRead::Read);
        QCOMPARE(buffer.ItemCount(), 1);
        QCOMPARE(buffer.GetItem(0)->As<TTextBox>()->Lines(), box->Lines());
    }

    void clipboardTextCarriesCharactersShiftJisLacks() {
        Scratch s;
        TTextBox* box = Put<TTextBox>(*s.page, "O", 100, 120);
        box->SetCSVText(Cp932("\"二泉映月 阿炳 刘天华\",아리랑,\"مرحبا 🎻\",&#x41;"));
        const std::string text = ClipboardTextOf(CopyLines(*s.page, {box}));
        QVERIFY(text.find("二泉映月 阿炳 刘天华") != std::string::npos);
        QVERIFY(text.find("مرحبا 🎻") != std::string::npos);
        QVERIFY(text.find("&#x41;") != std::string::npos);  // typed text, not a character
        TMusicSheet& buffer = *s.book->NewSheet();
        QCOMPARE(ReadClipboardText(buffer, text), PasteRead::Read);
        QCOMPARE(buffer.ItemCount(), 1);
        QCOMPARE(buffer.GetItem(0)->As<TTextBox>()->Lines(), box->Lines());
        QCOMPARE(cp932::ToUtf8(buffer.GetItem(0)->As<TTextBox>()->Lines().at(2)),
                 std::string("مرحبا 🎻"));
    }

    // ---- same select and vertical position ----------------------------------

    void sameSelectKeepsToTheSideOfTheNote() {
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
        TMusicSign* loose = Put<TMusicSign>(*s.page, "B", SlotX(5), 100);   // same kind (PF)
        Put<TMusicSign>(*s.page, "P", SlotX(6), kRow0 - 50);                // another kind

        auto sorted = [](std::vector<TMusicItem*> v) {
            std::sort(v.begin(), v.end());
            return v;
        };
        QCOMPARE(sorted(SameKindItems(*s.page, *below1)),
                 sorted({below1, below2, loose}));
        QCOMPARE(sorted(SameKindItems(*s.page, *above2)),
                 sorted({above1, above2, loose}));
        // An unlinked model takes every item of its kind.
        QCOMPARE(sorted(SameKindItems(*s.page, *loose)),
                 sorted({above1, below1, above2, below2, loose}));
    }

    void sameSelectOfTextBoxesComparesTheFrame() {
        Scratch s;
        TTextBox* a = Put<TTextBox>(*s.page, "O", 100, 100);
        TTextBox* b = Put<TTextBox>(*s.page, "O", 200, 100);
        TTextBox* c = Put<TTextBox>(*s.page, "O", 300, 100);
        a->SetFrameLineWidth(2);
        c->SetFrameLineWidth(2);
        TNote* note = Put<TNote>(*s.page, "5", SlotX(1), kRow0);
        LinkBoth(*note, *c);  // links do not matter for text boxes
        QCOMPARE(SameKindItems(*s.page, *a), (std::vector<TMusicItem*>{a, c}));
        QCOMPARE(SameKindItems(*s.page, *b), (std::vector<TMusicItem*>{b}));
    }

    void verticalPositionCopiesTheFirstMarksDistance() {
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
        QVERIFY(s.Step([&] { return AlignMarksVertically({f, g, n2, h, loose}); }));
        QCOMPARE(g->PosY(), kRow0 - 40);
        QCOMPARE(h->PosY(), kRow1 - 40);
        QCOMPARE(n2->PosY(), kRow0);  // symbols stay
        QCOMPARE(loose->PosY(), 300);  // a mark without a link stays

        // A first item that is not a linked mark changes nothing.
        const std::string before = s.Bytes();
        QVERIFY(!AlignMarksVertically({n1, g, h}));
        QVERIFY(!AlignMarksVertically({loose, g, h}));
        QCOMPARE(s.Bytes(), before);
    }

    // ---- automatic lengths ----------------------------------------------------

    void timeSignaturesAndBarTicks() {
        QCOMPARE(TimeSignatureOf('!').numerator, 2);
        QCOMPARE(TimeSignatureOf('!').denominator, 2);
        QCOMPARE(TimeSignatureOf('&').numerator, 6);
        QCOMPARE(TimeSignatureOf('&').denominator, 8);
        QCOMPARE(TimeSignatureOf('(').numerator, 12);
        QCOMPARE(TimeSignatureOf(')').numerator, 4);  // not one of the eight
        QCOMPARE(TimeSignatureOf('A').denominator, 4);
        QCOMPARE(TicksPerBar(4, 4), 192);
        QCOMPARE(TicksPerBar(6, 8), 144);
        QCOMPARE(TicksPerBar(3, 8), 72);
        // A bar of 2/2 is as long as one of 4/4.
        QCOMPARE(TicksPerBar(2, 2), 192);
        QCOMPARE(LengthFor32nds(10).length, 2);
        QCOMPARE(LengthFor32nds(12).futen, 1);
        QCOMPARE(LengthFor32nds(5).length, -1);
    }

    void autoLengthOfTheWorkedExample() {
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
        QCOMPARE(scales.Find(a)->barWidth, 70);
        QCOMPARE(scales.Find(a)->ticksPerUnit, 192.0 / 70.0);

        std::vector<TMusicItem*> selection{oldDash, a};
        QCOMPARE(s.Step([&] { return AutoSetLengths(*s.book, 0, selection); }),
                 LenAutoResult::Done);
        QCOMPARE(selection, std::vector<TMusicItem*>{a});  // the old dash is gone
        QCOMPARE(s.page->IndexOfItem(oldDash), -1);
        // t = round(23 * 192 / 70) = 63, b = 10: Length 2 and one dash at
        // 150 - round(48 * 70 / 192) = 150 - 18.
        QCOMPARE(a->Length(), 2);
        QCOMPARE(a->Futen(), 0);
        QCOMPARE(CountContent(*s.page, "8"), 1);
        QVERIFY(NoteAt(*s.page, 132, kRow0) && NoteAt(*s.page, 132, kRow0)->Content() == "8");
    }

    void autoLengthInCompoundTime() {
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
        QCOMPARE(note->Futen(), 1);
        QCOMPARE(note->Length(), 0);
        QCOMPARE(CountContent(*s.page, "8"), 1);
        TNote* dash = NoteAt(*s.page, 254 - 72, kRow0);
        QVERIFY(dash && dash->Content() == "8");
        QCOMPARE(dash->Futen(), 1);

        // The same distance in 4/4: b = 32, a quarter and three dashes.
        s.page->GetItem(0)->SetContent("$");
        dash->Delete();
        selection = {note};
        s.Step([&] { return AutoSetLengths(*s.book, 0, selection); });
        QCOMPARE(note->Futen(), 0);
        QCOMPARE(note->Length(), 0);
        QCOMPARE(CountContent(*s.page, "8"), 3);
        for (int x : {218, 182, 146}) QVERIFY(NoteAt(*s.page, x, kRow0));
    }

    void autoLengthWithoutBarWidthChangesNothing() {
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
        QCOMPARE(s.Step([&] { return AutoSetLengths(*s.book, 0, selection); }),
                 LenAutoResult::NoUsableBarWidth);
        QCOMPARE(s.Bytes(), before);
        QCOMPARE(selection.size(), size_t{3});
        QVERIFY(!s.undo.CanUndo());
    }

    void autoLengthSkipsANoteWithNothingAfterIt() {
        Scratch s;
        TNote* last = Put<TNote>(*s.page, "5", SlotX(3), kRow0);
        Put<TNote>(*s.page, "6", SlotX(0), kRow1);  // on the next row: not looked at
        const std::string before = s.Bytes();
        std::vector<TMusicItem*> selection{last};
        QCOMPARE(AutoSetLengths(*s.book, 0, selection), LenAutoResult::Done);
        QCOMPARE(s.Bytes(), before);
    }

    // ---- shifts ---------------------------------------------------------------

    void shiftCountFromTheDialogText() {
        QCOMPARE(CountShiftSlots("2", true, 4, 8, 2).gridSlots, 8);
        QCOMPARE(CountShiftSlots("3", false, 4, 8, 2).gridSlots, 3);
        QCOMPARE(CountShiftSlots("abc", true, 4, 8, 2).gridSlots, 0);
        QCOMPARE(CountShiftSlots("abc", true, 4, 8, 2).check, ShiftCountCheck::Ok);
        QCOMPARE(CountShiftSlots("-1", true, 4, 8, 2).check, ShiftCountCheck::Negative);
        QCOMPARE(CountShiftSlots("16", false, 4, 8, 2).check, ShiftCountCheck::Ok);
        QCOMPARE(CountShiftSlots("17", false, 4, 8, 2).check, ShiftCountCheck::BeyondPage);
        QCOMPARE(CountShiftSlots("5", true, 4, 8, 2).check, ShiftCountCheck::BeyondPage);
        QCOMPARE(CountShiftSlots("2147483647", true, 4, 8, 2).check, ShiftCountCheck::BeyondPage);
    }

    void insertOpensSlotsAndMovesMarksAlong() {
        Scratch s;
        TNote* before = Put<TNote>(*s.page, "1", SlotX(0), kRow0);
        TNote* a = Put<TNote>(*s.page, "2", SlotX(2), kRow0);
        TNote* b = Put<TNote>(*s.page, "3", SlotX(3), kRow0);
        TMusicSign* mark = Put<TMusicSign>(*s.page, "A", SlotX(3) + 2, kRow0 - 40);
        LinkBoth(*b, *mark);
        const ShiftOutcome out = s.Step([&] {
            return InsertWithShift(*s.book, 0, {0, SlotX(2), kRow0}, 2, s.layout, s.glyphs);
        });
        QCOMPARE(out.result, ShiftResult::Done);
        QCOMPARE(out.insertedPage, -1);
        QCOMPARE(before->PosX(), SlotX(0));
        QCOMPARE(a->PosX(), SlotX(4));
        QCOMPARE(b->PosX(), SlotX(5));
        QCOMPARE(mark->PosX(), SlotX(5) + 2);
        QCOMPARE(mark->PosY(), kRow0 - 40);
    }

    void insertIntoAFullLastRowMakesAPage() {
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
        QCOMPARE(out.insertedPage, 1);
        QCOMPARE(s.book->SheetCount(), 3);
        TMusicSheet* added = s.book->GetSheet(1);
        QCOMPARE(added->GridDivNum(), 8);  // the current page's layout
        QCOMPARE(added->RowDivNum(), 2);
        QCOMPARE(s.book->GetSheet(2), next);
        QCOMPARE(first->PosX(), SlotX(4));
        QCOMPARE(&first->Sheet(), s.page);
        QCOMPARE(&last->Sheet(), added);
        QCOMPARE(last->PosX(), SlotX(3));
        QCOMPARE(last->PosY(), kRow0);
        QCOMPARE(&mark->Sheet(), added);
        QCOMPARE(mark->PosY(), kRow0 - 40);
        QCOMPARE(added->ItemCount(), 5);  // four notes and the mark, no bar lines
        QCOMPARE(s.layout.GridDivNum, 8);  // the current layout is the page's again

        s.undo.Undo();
        QCOMPARE(s.book->SheetCount(), 2);
        QCOMPARE(s.Bytes(), before);
    }

    void barLineThatWouldOpenARowClosesThePreviousOne() {
        Scratch s;
        for (int slot = 0; slot < 5; ++slot) Put<TNote>(*s.page, "5", SlotX(slot), kRow0);
        TBarLine* bar = Put<TBarLine>(*s.page, "c", SlotX(6), kRow0);
        TNote* after = Put<TNote>(*s.page, "6", SlotX(7), kRow0);
        s.Step([&] {
            return InsertWithShift(*s.book, 0, {0, SlotX(0), kRow0}, 2, s.layout, s.glyphs);
        });
        // Slot 8 of row 0 is slot 0 of row 1: the bar line ends row 0 instead.
        QCOMPARE(bar->PosX(), kLeft + 8 * kGrid);
        QCOMPARE(bar->PosY(), kRow0);
        QCOMPARE(after->PosX(), SlotX(1));
        QCOMPARE(after->PosY(), kRow1);
    }

    void deleteClampsToThePieceStart() {
        Scratch s;
        std::vector<TNote*> notes;
        for (int slot = 0; slot < 6; ++slot) {
            notes.push_back(Put<TNote>(*s.page, "5", SlotX(slot), kRow0));
        }
        TMusicSign* mark = Put<TMusicSign>(*s.page, "A", SlotX(1), kRow0 - 40);
        LinkBoth(*notes[1], *mark);
        // One bar (4 slots) before slot 2: only two slots lie before it.
        const ShiftOutcome out = s.Step(
            [&] { return DeleteWithShift(*s.book, 0, {0, SlotX(2), kRow0}, 4, s.layout); });
        QCOMPARE(out.result, ShiftResult::Done);
        QCOMPARE(out.deleted.size(), size_t{3});  // two notes and the mark of one
        QCOMPARE(s.page->ItemCount(), 4);
        for (int i = 2; i < 6; ++i) QCOMPARE(notes[i]->PosX(), SlotX(i - 2));
        QCOMPARE(out.deletedPage, -1);
    }

    void deleteMovesLaterPagesBackAndDropsAnEmptiedLastPage() {
        Scratch s;
        Put<TNote>(*s.page, "1", SlotX(0), kRow0);
        TNote* gone = Put<TNote>(*s.page, "2", SlotX(1), kRow0);
        TNote* stays = Put<TNote>(*s.page, "3", SlotX(2), kRow1);
        TMusicSheet* second = s.AddPage();
        TNote* far = Put<TNote>(*second, "4", SlotX(0), kRow0);
        TMusicSign* mark = Put<TMusicSign>(*second, "A", SlotX(0), kRow0 - 40);
        LinkBoth(*far, *mark);
        const std::string before = s.Bytes();

        const ShiftOutcome out = s.Step(
            [&] { return DeleteWithShift(*s.book, 0, {0, SlotX(2), kRow0}, 1, s.layout); });
        QCOMPARE(out.deleted, std::vector<TMusicItem*>{gone});
        QCOMPARE(stays->PosX(), SlotX(1));
        // Page 2's first slot comes back to the last slot of page 1.
        QCOMPARE(&far->Sheet(), s.page);
        QCOMPARE(far->PosX(), SlotX(7));
        QCOMPARE(far->PosY(), kRow1);
        QCOMPARE(&mark->Sheet(), s.page);
        QCOMPARE(mark->PosY(), kRow1 - 40);
        QCOMPARE(out.deletedPage, 1);
        QCOMPARE(s.book->SheetCount(), 1);

        s.undo.Undo();
        QCOMPARE(s.book->SheetCount(), 2);
        QCOMPARE(s.Bytes(), before);
    }

    void deleteOnALaterPageOfThePieceCountsFromItsFirstPage() {
        Scratch s;
        s.page->SetTitle("Piece");
        Put<TNote>(*s.page, "1", SlotX(0), kRow0);
        TMusicSheet* second = s.AddPage();
        TNote* a = Put<TNote>(*second, "2", SlotX(0), kRow0);
        TNote* b = Put<TNote>(*second, "3", SlotX(3), kRow0);
        // Shown page 2; two slots before its note at slot 3.
        s.Step([&] { return DeleteWithShift(*s.book, 1, {1, SlotX(3), kRow0}, 2, s.layout); });
        QCOMPARE(&b->Sheet(), second);
        QCOMPARE(b->PosX(), SlotX(1));
        QCOMPARE(a->PosX(), SlotX(0));
        QCOMPARE(s.book->SheetCount(), 2);
    }

    void shiftsOnAPieceWithoutSymbolsChangeNothing() {
        Scratch s;
        Put<TMusicSign>(*s.page, "A", 100, 100);  // a mark alone is no symbol
        const std::string before = s.Bytes();
        ShiftOutcome out = s.Step([&] {
            return InsertWithShift(*s.book, 0, {0, SlotX(0), kRow0}, 4, s.layout, s.glyphs);
        });
        QCOMPARE(out.result, ShiftResult::NoSymbol);
        out = s.Step(
            [&] { return DeleteWithShift(*s.book, 0, {0, SlotX(3), kRow0}, 4, s.layout); });
        QCOMPARE(out.result, ShiftResult::NoSymbol);
        QCOMPARE(s.Bytes(), before);
        QVERIFY(!s.undo.CanUndo());
    }

    void shiftsOnABrokenGridChangeNothing() {
        Scratch s;
        Put<TNote>(*s.page, "1", SlotX(2), kRow0);
        s.page->SetGridSize(0);
        TakeOverPageSettings(s.layout, *s.page, s.glyphs);
        const std::string before = s.Bytes();
        QCOMPARE(InsertWithShift(*s.book, 0, {0, SlotX(0), kRow0}, 4, s.layout, s.glyphs).result,
                 ShiftResult::BrokenGrid);
        QCOMPARE(DeleteWithShift(*s.book, 0, {0, SlotX(3), kRow0}, 4, s.layout).result,
                 ShiftResult::BrokenGrid);
        QCOMPARE(s.Bytes(), before);
    }
};

QTEST_GUILESS_MAIN(EditOpsTest)
#include "editops_test.moc"
