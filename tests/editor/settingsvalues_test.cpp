// SPDX-License-Identifier: GPL-3.0-or-later
// The arithmetic behind the settings and item dialogs: field checks and their
// messages, the layout derived from the page-property fields, the rate bands
// of the display-position radio buttons, the key list, the proportional move
// of marks, daon note data, and the note dialog's offsets.
#include <QtTest>

#include "base/cp932.h"
#include "editor/dialogs/itemdialogvalues.h"
#include "editor/dialogs/settingsvalues.h"
#include "model/daon.h"
#include "model/itemfactory.h"
#include "model/musicmark.h"
#include "model/note.h"
#include "model/workspace.h"

using namespace sorvel;

namespace {

// The layout of a new book on a 1000 x 1365 page: margins 20, title 150,
// 4 bars of 8 shown cells, 8 rows.
PagePropertyFields Standard() {
    return {18, 150, 20, 20, 20, 20, 4, 8, 8};
}

std::string Message(const std::optional<FieldError>& e) {
    return e ? e->message.Japanese() : std::string();
}

std::vector<std::string> RecordedNames(const TUndo& undo) {
    std::vector<std::string> names;
    for (const auto& c : *undo.OpenGroupCommands()) names.push_back(c->DisplayName());
    return names;
}

}  // namespace

class SettingsValuesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void DerivedLayoutFillsTheRowAndGivesTheRestToTheLeftMargin() {
        const DerivedLayout d = DeriveLayout(Standard(), 1000, 1365);
        QCOMPARE(d.gridDivNum, 36);
        QCOMPARE(d.gridSize, 26);      // (1000 - 40) / 36, truncated
        QCOMPARE(d.leftSpace, 44);     // 1000 - 36 * 26 - 20
        QCOMPARE(d.rowInterval, 146);  // (1365 - 190) / 8
        QCOMPARE(d.leftSpace + d.gridDivNum * d.gridSize + 20, 1000);
    }

    void EachPagePropertyIsCheckedInOrderWithItsMessage() {
        struct Case {
            void (*bad)(PagePropertyFields&);
            SettingsField field;
            const char* message;
        };
        const Case cases[] = {
            {[](PagePropertyFields& f) { f.noteFontSize = 0; }, SettingsField::NoteFontSize,
             "フォントサイズは、1 から 99 の数値を指定してください。"},
            {[](PagePropertyFields& f) { f.noteFontSize = 100; }, SettingsField::NoteFontSize,
             "フォントサイズは、1 から 99 の数値を指定してください。"},
            {[](PagePropertyFields& f) { f.titleHeight = 456; }, SettingsField::TitleHeight,
             "タイトル部分の高さは、1 から 455 の数値を指定してください。"},
            {[](PagePropertyFields& f) { f.topSpace = 0; }, SettingsField::TopSpace,
             "余白（上）の高さは、1 から 455 の数値を指定してください。"},
            {[](PagePropertyFields& f) { f.bottomSpace = 456; }, SettingsField::BottomSpace,
             "余白（下）の高さは、1 から 455 の数値を指定してください。"},
            {[](PagePropertyFields& f) { f.leftSpace = 334; }, SettingsField::LeftSpace,
             "余白（左）の巾は、1 から 333 の数値を指定してください。"},
            {[](PagePropertyFields& f) { f.rightSpace = 0; }, SettingsField::RightSpace,
             "余白（右）の巾は、1 から 333 の数値を指定してください。"},
            {[](PagePropertyFields& f) { f.barParRow = 11; }, SettingsField::BarParRow,
             "一段あたりの小節数は、1 から 10 の数値を指定してください。"},
            {[](PagePropertyFields& f) { f.divParBarShown = 34; }, SettingsField::DivParBar,
             "小節ごとの分割数は、1 から 33 の数値を指定してください。"},
            {[](PagePropertyFields& f) { f.rowDivNum = 21; }, SettingsField::RowDivNum,
             "１ページの段数は、1 から 20 の数値を指定してください。"},
        };
        for (const Case& c : cases) {
            PagePropertyFields f = Standard();
            c.bad(f);
            const std::optional<FieldError> e = CheckPageProperties(f, 1000, 1365);
            QVERIFY(e);
            QCOMPARE(e->field, c.field);
            QCOMPARE(e->message.Japanese(), std::string(c.message));
        }
        // Both limits are accepted; the first bad field is the one reported.
        PagePropertyFields f = Standard();
        f.titleHeight = 455;
        f.noteFontSize = 99;
        QVERIFY(!CheckPageProperties(f, 1000, 1365));
        f.rowDivNum = 0;
        f.topSpace = 0;
        QCOMPARE(CheckPageProperties(f, 1000, 1365)->field, SettingsField::TopSpace);
    }

    void LayoutsThatCollapseTheGridOrTheRowsAreRefused() {
        // Margins of a third each leave 322 units for 10 x 34 cells: a grid
        // step of 0 would stack every slot at one x.
        PagePropertyFields f = Standard();
        f.leftSpace = f.rightSpace = 321;
        f.barParRow = 10;
        f.divParBarShown = 33;
        std::optional<FieldError> e = CheckPageProperties(f, 964, 1365);
        QCOMPARE(e->field, SettingsField::DivParBar);
        QCOMPARE(e->message.Japanese(),
                 std::string("小節ごとの分割数は、1 から 31 の数値を指定してください。"));
        f.divParBarShown = 31;
        QVERIFY(!CheckPageProperties(f, 964, 1365));
        QCOMPARE(DeriveLayout(f, 964, 1365).gridSize, 1);

        // Title and margins of a third each leave no height for the rows.
        f = Standard();
        f.topSpace = f.bottomSpace = f.titleHeight = 455;
        e = CheckPageProperties(f, 1000, 1365);
        QCOMPARE(e->field, SettingsField::TitleHeight);
        QCOMPARE(e->message.Japanese(),
                 std::string("タイトル部分の高さは、1 から 454 の数値を指定してください。"));
        f.titleHeight = 452;  // three units left: at most three rows
        e = CheckPageProperties(f, 1000, 1365);
        QCOMPARE(e->field, SettingsField::RowDivNum);
        QCOMPARE(e->message.Japanese(),
                 std::string("１ページの段数は、1 から 3 の数値を指定してください。"));
        f.rowDivNum = 3;
        QVERIFY(!CheckPageProperties(f, 1000, 1365));
    }

    void SongInfoAndMidiFieldsHaveTheirRanges() {
        QVERIFY(!CheckSongInfo(0));
        QVERIFY(!CheckSongInfo(300));
        QCOMPARE(Message(CheckSongInfo(301)),
                 std::string("演奏速度は、1 から 300 の数値を指定してください。"));
        QVERIFY(CheckSongInfo(-1));

        QVERIFY(!CheckMidiFields({1, 1, 127, 127}));
        QCOMPARE(Message(CheckMidiFields({0, 10, 100, 100})),
                 std::string("楽譜再生音のベロシティーは、1 から 127 の数値を指定してください。"));
        QCOMPARE(Message(CheckMidiFields({80, 17, 100, 100})),
                 std::string("リズムチャンネル番号は、1 から 16 の数値を指定してください。"));
        QCOMPARE(
            Message(CheckMidiFields({80, 10, 128, 100})),
            std::string("クリック音（強）のベロシティーは、1 から 127 の数値を指定してください。"));
        QCOMPARE(
            Message(CheckMidiFields({80, 10, 100, 0})),
            std::string("クリック音（弱）のベロシティーは、1 から 127 の数値を指定してください。"));
    }

    void RateBandsChooseTheRadioButton() {
        const std::pair<int, std::optional<int>> cases[] = {
            {-1000, std::nullopt},
            {-999, -170},
            {-170, -170},
            {-169, -120},
            {-120, -120},
            {-119, std::nullopt},
            {0, std::nullopt},
            {100, std::nullopt},
            {119, std::nullopt},
            {120, 120},
            {169, 120},
            {170, 170},
            {219, 170},
            {220, 220},
            {269, 220},
            {270, 270},
            {319, 270},
            {320, 320},
            {999, 320},
            {1000, std::nullopt},
        };
        for (const auto& [rate, band] : cases) {
            QVERIFY2(RateBand(rate) == band, qPrintable(QString::number(rate)));
        }
    }

    void GroupsAddressTheRatesInTheirOrder() {
        OffsetRates rates;
        for (int g = 0; g < 11; ++g) SetGroupRate(rates, g, 100 + g);
        QCOMPARE(rates.FingerNo, 100);
        QCOMPARE(rates.Slur, 103);
        QCOMPARE(rates.Ren3, 109);
        QCOMPARE(rates.Kakko, 110);
        QCOMPARE(GroupRate(rates, 7), rates.Bow);
        QCOMPARE(std::string(DisplayPositionGroups()[9].caption), std::string("三連符"));
        QCOMPARE(DisplayPositionGroups()[9].glyph, 'Z');
    }

    void KeyIsChosenByItsWholeText() {
        for (int i = 0; i < 15; ++i) QCOMPARE(KeyCodeIndex(KeyCodeEntries()[i]), i);
        QCOMPARE(KeyCodeEntries()[0], cp932::FromUtf8("１＝Ｄ　（１５弦）"));
        QCOMPARE(KeyCodeEntries()[5], cp932::FromUtf8("１＝Ａ　（４１弦）"));
        // A text that only starts like a listed key chooses none of them.
        QCOMPARE(KeyCodeIndex(cp932::FromUtf8("１＝Ａ")), -1);
        QCOMPARE(KeyCodeIndex(cp932::FromUtf8("１＝♭Ａ（弦）")), 7);
        QCOMPARE(KeyCodeIndex(cp932::FromUtf8("１＝Ｅ　（７３弦）")), -1);
        QCOMPARE(KeyCodeIndex("1=D (15)"), -1);
        QCOMPARE(KeyCodeIndex(""), -1);
        QCOMPARE(FontSizeFromText(" 9"), 9);
        QCOMPARE(FontSizeFromText("abc"), 16);
        QCOMPARE(ClickKeyEntries().front(), std::string_view("27:High Q"));
        QCOMPARE(ClickKeyEntries().back(), std::string_view("88:Applause 2"));
    }

    void PagePropertiesAreSetInOrderWithTheDerivedValues() {
        Workspace ws;
        TMusicBook& book = ws.NewBook();
        ws.undo.BeginGroup();
        PagePropertyFields f = Standard();
        f.noteFontSize = 20;
        f.leftSpace = 30;
        OffsetRates rates = book.Rates();
        rates.Kakko = 220;
        ApplyPageProperties(book, f, rates, 1000, 1365);
        QCOMPARE(book.GridSize(), 26);
        QCOMPARE(book.LeftSpace(), 44);
        QCOMPARE(book.DivParBar(), 9);
        QCOMPARE(book.OffsetRateX_Kakko(), 220);
        const std::vector<std::string> names = RecordedNames(ws.undo);
        // The typed left margin is recorded, then the derived one replaces it.
        const std::vector<std::string> expected = {"NoteFontSize変更", "LeftSpace変更",
                                                   "GridSize変更", "LeftSpace変更",
                                                   "OffsetRateX_Kakko変更"};
        ws.undo.EndGroup();
        QCOMPARE(names, expected);
        ws.undo.Undo();
        QCOMPARE(book.NoteFontSize(), 18);
        QCOMPARE(book.OffsetRateX_Kakko(), 170);

        Preferences& p = ws.prefs;
        ApplyDefaultPageProperties(p, f, rates, 1000, 1365);
        QCOMPARE(p.DefoGridDivNum, 36);
        QCOMPARE(p.DefoGridSize, 26);
        QCOMPARE(p.DefoLeftSpace, 44);
        QCOMPARE(p.DefoRowInterval, 146);
        QCOMPARE(p.DefoRates.Kakko, 220);
        QCOMPARE(DefaultFieldsOf(p).divParBarShown, 8);
    }

    void MarksKeepTheirDistanceInProportionToTheGlyph() {
        Workspace ws;
        TMusicBook& book = ws.NewBook();
        TMusicSheet& page = *book.GetSheet(0);
        auto note = [&](int x) {
            TNote* n = CreateItem<TNote>(page);
            n->SetContent("5");
            n->SetPosX(x);
            n->SetPosY(200);
            return n;
        };
        auto mark = [&](int y, std::initializer_list<TNote*> notes) {
            TMusicSign* m = CreateItem<TMusicSign>(page);
            m->SetContent("T");
            m->SetPosX(100);
            m->SetPosY(y);
            for (TNote* n : notes) {
                n->Link(*m);
                m->Link(*n);
            }
            return m;
        };
        TNote* a = note(100);
        TNote* b = note(200);
        TMusicSign* above = mark(170, {a});
        TMusicSign* half = mark(195, {a});       // 200 - 7.5: halves go to the even 192
        TMusicSign* shared = mark(180, {a, b});  // moved once, not twice
        TMusicSign* loose = mark(150, {});
        a->Link(*b);  // a note linked to a note stays on its row
        b->Link(*a);

        ws.undo.BeginGroup();
        ScaleAttachedMarks(page, 20, 30);
        ws.undo.EndGroup();
        QCOMPARE(above->PosY(), 155);
        QCOMPARE(half->PosY(), 192);
        QCOMPARE(shared->PosY(), 170);
        QCOMPARE(loose->PosY(), 150);
        QCOMPARE(b->PosY(), 200);
        ws.undo.Undo();
        QCOMPARE(above->PosY(), 170);
        QCOMPARE(shared->PosY(), 180);

        ScaleAttachedMarks(page, 0, 30);
        QCOMPARE(above->PosY(), 170);
    }

    void BarCountAndTempoRanges() {
        QVERIFY(CheckBarCount(0));
        QVERIFY(!CheckBarCount(1));
        QVERIFY(!CheckBarCount(999));
        QCOMPARE(CheckBarCount(1000).value().Japanese(),
                 std::string("小節数は、1 から 999 の数値を指定してください。"));
        QCOMPARE(CheckTempo(250, kTempoPerMinute).value().Japanese(),
                 std::string("テンポは、10 から 240 の数値を指定してください。"));
        QVERIFY(!CheckTempo(250, kTempoPercent));
        QCOMPARE(CheckTempo(301, kTempoPercent).value().Japanese(),
                 std::string("テンポは、10 から 300 の数値を指定してください。"));
        QVERIFY(CheckTempo(9, kTempoPercent));
        QVERIFY(!CheckTempo(10, kTempoPerMinute));
        QVERIFY(!CheckTempo(240, kTempoPerMinute));
    }

    void DaonDataStopsAtTheFirstRowWithoutAPitch() {
        std::array<DaonRow, 4> rows{};
        rows[0] = {"5", 0, "T"};
        rows[1] = {"6", -1, ""};
        rows[3] = {"7", 3, "X"};  // after an empty row: not a note
        const std::string data = BuildAllNoteData(rows);
        QCOMPARE(data, std::string("53T62  3  3 "));
        QCOMPARE(data.substr(6), std::string(" 3  3 "));
        rows[2] = {"1", -2, "."};
        QCOMPARE(BuildAllNoteData(rows), std::string("53T62 11.76X"));
        // The data reads back into the same slots.
        Workspace ws;
        TDaonLeft* daon = CreateItem<TDaonLeft>(*ws.NewBook().GetSheet(0));
        QVERIFY(daon->SetAllNoteData(data));
        QCOMPARE(daon->UsedSlotCount(), 2);
        QCOMPARE(daon->Slots()[1].octave, -1);
    }

    void NoteOffsetsConvertBothWays() {
        const NoteFigure f{130, 100, 50, 80};
        QCOMPARE(PointFromOffsets(f, -85, -60), (FigurePoint{130 - 42, 100 - 48}));  // -42.5 -> -42
        QCOMPARE(PointFromOffsets(f, 60, 20), (FigurePoint{160, 116}));
        QCOMPARE(OffsetsFromPoint(f, {160, 116}), (FigurePoint{60, 20}));
        QCOMPARE(OffsetsFromPoint(f, {131, 101}), (FigurePoint{2, 1}));  // 1.25 -> 1
        QCOMPARE(OffsetsFromPoint(NoteFigure{0, 0, 0, 0}, {10, 10}), (FigurePoint{0, 0}));
        QCOMPARE(DotRadius(f), 8);
        QCOMPARE(DotRadius(NoteFigure{0, 0, 45, 0}), 8);  // 7.5 -> 8
    }
};

QTEST_MAIN(SettingsValuesTest)
#include "settingsvalues_test.moc"
