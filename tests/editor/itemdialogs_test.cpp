// SPDX-License-Identifier: GPL-3.0-or-later
// The item property dialogs opened on items of a real main window: which
// kinds have one, each dialog's fields and checks, OK as one undo step, and
// cancel leaving the item and the history as they were.
#include <QAbstractButton>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <optional>

#include "base/commatext.h"
#include "base/cp932.h"
#include "editor/dialogs/frmsetbarnum.h"
#include "editor/dialogs/frmsetdaon.h"
#include "editor/dialogs/frmsetnote.h"
#include "editor/dialogs/frmsettempo.h"
#include "editor/dialogs/frmsettext.h"
#include "editor/dialogs/itemdialogs.h"
#include "editor/pageview/musicpaintbox.h"
#include "mainwindowfixture.h"
#include "model/daon.h"
#include "model/horizbar.h"
#include "model/itemfactory.h"
#include "model/musicbook.h"
#include "model/musicmark.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/scorefile.h"
#include "model/tempo.h"
#include "model/textbox.h"

using namespace sorvel;

namespace {

std::string Sjis(const char* utf8) {
    return cp932::FromUtf8(utf8);
}

}  // namespace

class ItemDialogsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindowFixture> f_;

    TfrmMain& Window() { return *f_->window; }
    Workspace& Ws() { return Window().Workspace(); }
    TMusicSheet& Page() { return *Window().CurrentPage(); }
    ItemDialogs& Dialogs() { return ItemDialogs::Of(Window().Context()); }
    // The book as saved, after a redraw has measured every item's size.
    std::string BookBytes() {
        Window().View().Redraw();
        return SaveBookToFileBytes(Window().Book());
    }
    QString LastError() const {
        return f_->dialogs.errors.isEmpty() ? QString() : f_->dialogs.errors.last();
    }
    template <class W>
    static W* Field(QWidget& dialog, const char* name) {
        W* w = dialog.findChild<W*>(name);
        if (!w) qFatal("no widget %s", name);
        return w;
    }
    std::vector<std::string> Recorded() {
        std::vector<std::string> names;
        if (const auto* commands = Window().Workspace().undo.OpenGroupCommands()) {
            for (const auto& c : *commands) names.push_back(c->DisplayName());
        }
        return names;
    }
    // Double-click editing of `item` with `inside` run once `dialog` is up;
    // the dialog is cancelled afterwards unless `inside` closed it. While the
    // dialog is up no undo group is open: it only collects, and its OK is
    // applied once it has closed.
    bool Edit(TMusicItem& item, QDialog& dialog, const std::function<void()>& inside) {
        bool ran = false;
        bool groupOpen = false;
        QTimer::singleShot(0, &Window(), [&] {
            ran = dialog.isVisible();
            groupOpen = Ws().undo.GroupOpen();
            inside();
            groupOpen = groupOpen || Ws().undo.GroupOpen();
            if (dialog.isVisible()) dialog.reject();
        });
        const bool changed = EditItemProperties(Window().Context(), item);
        if (!ran) qWarning("the dialog was not shown");
        if (groupOpen) qWarning("an undo group was open while the dialog was up");
        return changed && ran && !groupOpen;
    }

    template <class T>
    // An item already on the page, as if read with the book: no step.
    T* Make(const char* content, int x = 100, int y = 300) {
        const UntrackedChanges settingUp(&Ws().undo);
        T* item = CreateItem<T>(Page());
        item->SetContent(content);
        item->SetPosX(x);
        item->SetPosY(y);
        return item;
    }

private Q_SLOTS:
    void init() { f_ = std::make_unique<MainWindowFixture>(); }
    void cleanup() { f_.reset(); }

    void OnlyFiveKindsHaveADialog() {
        TMusicItem* bar = Make<TBarLine>("c");
        TMusicItem* sign = Make<TMusicSign>("T");
        QVERIFY(!HasPropertyDialog(*bar));
        QVERIFY(!HasPropertyDialog(*sign));
        QVERIFY(HasPropertyDialog(*Make<TNote>("5")));
        QVERIFY(HasPropertyDialog(*Make<TDaonRight>("L")));
        QVERIFY(HasPropertyDialog(*Make<TTextBox>("O")));
        // Nothing is shown: a modal dialog would stop here until closed.
        bool modal = false;
        QTimer::singleShot(0, &Window(), [&] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                modal = true;
                w->close();
            }
        });
        const std::string before = BookBytes();
        QVERIFY(!EditItemProperties(Window().Context(), *bar));
        QVERIFY(!EditItemProperties(Window().Context(), *sign));
        QVERIFY(!modal);
        QCOMPARE(BookBytes(), before);
        QVERIFY(!Ws().undo.CanUndo());
    }

    void BarCountIsCheckedAndStoredAsOneStep() {
        THorizBar* bar = Make<THorizBar>("M");
        QCOMPARE(bar->BarNum(), std::string("1"));
        TfrmSetBarNum& dialog = Dialogs().BarNum();
        QVERIFY(Edit(*bar, dialog, [&] {
            QCOMPARE(dialog.windowTitle(), QString("小節数入力"));
            QSpinBox* count = Field<QSpinBox>(dialog, "edtBarNum");
            QCOMPARE(count->value(), 1);
            for (int bad : {0, 1000}) {
                count->setValue(bad);
                QVERIFY(!dialog.Confirm());
                QVERIFY(dialog.isVisible());
                QCOMPARE(LastError(), QString("小節数は、1 から 999 の数値を指定してください。"));
            }
            count->setValue(999);
            QVERIFY(dialog.Confirm());
        }));
        QCOMPARE(bar->BarNum(), std::string("999"));
        QCOMPARE(Ws().undo.UndoCount(), 1);
        Window().Undo();
        QCOMPARE(bar->BarNum(), std::string("1"));
    }

    void TempoRangeDependsOnItsUnitAndIsStoredInOrder() {
        TTempo* tempo = Make<TTempo>("/");
        TfrmSetTempo& dialog = Dialogs().Tempo();
        std::vector<std::string> recorded;
        QVERIFY(Edit(*tempo, dialog, [&] {
            QCOMPARE(Field<QSpinBox>(dialog, "edtTempo")->value(), 80);
            QVERIFY(Field<QAbstractButton>(dialog, "chkPrintMode")->isChecked());
            Field<QSpinBox>(dialog, "edtTempo")->setValue(250);
            QVERIFY(!dialog.Confirm());
            QCOMPARE(LastError(), QString("テンポは、10 から 240 の数値を指定してください。"));
            Field<QComboBox>(dialog, "cmbTempoUnit")->setCurrentIndex(1);
            Field<QAbstractButton>(dialog, "chkPrintMode")->click();
            QVERIFY(dialog.Confirm());
            recorded = Recorded();
        }));
        QVERIFY(recorded.empty());  // nothing was stored before the dialog closed
        QCOMPARE(tempo->Tempo(), 250);
        QCOMPARE(tempo->TempoUnit(), 1);
        QCOMPARE(tempo->PrintMode(), 1);
        // The order of the stores, as the OK makes them.
        Window().Undo();
        Ws().undo.BeginGroup();
        dialog.Apply();
        recorded = Recorded();
        Ws().undo.EndGroup();
        QCOMPARE(recorded,
                 (std::vector<std::string>{"Tempo変更", "PrintMode変更", "TempoUnit変更"}));
        QVERIFY(Edit(*tempo, dialog, [&] {
            QCOMPARE(Field<QComboBox>(dialog, "cmbTempoUnit")->currentIndex(), 1);
            QVERIFY(!Field<QAbstractButton>(dialog, "chkPrintMode")->isChecked());
            Field<QSpinBox>(dialog, "edtTempo")->setValue(301);
            QVERIFY(!dialog.Confirm());
            QCOMPARE(LastError(), QString("テンポは、10 から 300 の数値を指定してください。"));
            Field<QSpinBox>(dialog, "edtTempo")->setValue(300);
            QVERIFY(dialog.Confirm());
        }));
        QCOMPARE(Ws().undo.UndoCount(), 2);
    }

    void DaonRowsBuildTheNoteData() {
        TDaonLeft* daon = Make<TDaonLeft>("K");
        {
            const UntrackedChanges asRead(&Ws().undo);
            QVERIFY(daon->SetAllNoteData("62.73U 3  3 "));
        }
        Ws().prefs.IsFingerNo00 = true;
        TfrmSetdaon& dialog = Dialogs().Daon();
        QVERIFY(Edit(*daon, dialog, [&] {
            QCOMPARE(dialog.windowTitle(), QString("設定"));
            QComboBox* finger1 = Field<QComboBox>(dialog, "cmbFinger1");
            QStringList fingers;
            for (int i = 0; i < finger1->count(); ++i) fingers << finger1->itemText(i);
            QCOMPARE(fingers, QStringList({"", ".", "U", "V", "W", "X"}));
            QCOMPARE(finger1->currentIndex(), 1);
            QCOMPARE(Field<QComboBox>(dialog, "cmbPitch1")->currentText(), QString("6"));
            QCOMPARE(Field<QComboBox>(dialog, "cmbOctave1")->currentText(), QString("-1"));
            QCOMPARE(Field<QComboBox>(dialog, "cmbFinger2")->currentText(), QString("U"));
            QCOMPARE(Field<QComboBox>(dialog, "cmbPitch3")->currentText(), QString());
            QCOMPARE(Field<QComboBox>(dialog, "cmbOctave3")->currentText(), QString("0"));
            QCOMPARE(Field<QComboBox>(dialog, "cmbPitch1")->findText(""),
                     -1);  // row 1 always has a note
            Field<QComboBox>(dialog, "cmbPitch1")->setCurrentText("5");
            Field<QComboBox>(dialog, "cmbOctave1")->setCurrentText("1");
            Field<QComboBox>(dialog, "cmbFinger1")->setCurrentIndex(2);
            Field<QComboBox>(dialog, "cmbOctave2")->setCurrentText("-2");
            Field<QComboBox>(dialog, "cmbFinger2")->setCurrentIndex(0);
            Field<QComboBox>(dialog, "cmbPitch4")->setCurrentText("7");  // after an empty row
            Field<QComboBox>(dialog, "cmbLength")->setCurrentIndex(2);
            dialog.Confirm();
        }));
        QCOMPARE(daon->AllNoteData(), std::string("54U71  3  3 "));
        QCOMPARE(daon->AllNoteData().substr(6), std::string(" 3  3 "));
        QCOMPARE(daon->Length(), 3);
        Window().Undo();
        QCOMPARE(daon->AllNoteData(), std::string("62.73U 3  3 "));
        QCOMPARE(daon->Length(), 1);
    }

    void TextBoxKeepsWhatItDoesNotChange() {
        TTextBox* box = Make<TTextBox>("O");
        TfrmSetText& dialog = Dialogs().Text();
        // OK without changes: the Windows font name, not installed here, stays.
        const std::string before = BookBytes();
        QVERIFY(!Edit(*box, dialog, [&] {
            QCOMPARE(Field<QComboBox>(dialog, "cmbFontName")->currentText(),
                     QString("ＭＳ ゴシック"));
            QCOMPARE(Field<QComboBox>(dialog, "cmbFontSize")->currentText(), QString("10"));
            QCOMPARE(Field<QPlainTextEdit>(dialog, "memText")->toPlainText(),
                     QString("テキスト入力"));
            QVERIFY(!Field<QWidget>(dialog, "edtFrameWidth")->isEnabled());
            QVERIFY(!Field<QWidget>(dialog, "lblFrameHeight")->isEnabled());
            dialog.Confirm();
        }));
        QCOMPARE(BookBytes(), before);
        QVERIFY(!Ws().undo.CanUndo());

        QVERIFY(Edit(*box, dialog, [&] {
            Field<QComboBox>(dialog, "cmbFrameLineWidth")->setCurrentText("2");
            QVERIFY(Field<QWidget>(dialog, "edtFrameWidth")->isEnabled());
            Field<QComboBox>(dialog, "cmbFontSize")->setCurrentText("14");
            QCOMPARE(Field<QPlainTextEdit>(dialog, "memText")->font().pointSize(), 14);
            Field<QComboBox>(dialog, "cmbRowSpace")->setCurrentText(" 20%");
            Field<QSpinBox>(dialog, "edtFrameWidth")->setValue(300);
            Field<QComboBox>(dialog, "cmbFrameLineWidth")->setCurrentText("0");
            // Disabled boxes keep their values, which are stored too.
            QVERIFY(!Field<QWidget>(dialog, "edtFrameWidth")->isEnabled());
            Field<QSpinBox>(dialog, "edtFrameHeight")->setValue(80);
            Field<QPlainTextEdit>(dialog, "memText")->setPlainText("二胡, 独奏\n第二行\n");
            dialog.Confirm();
        }));
        QCOMPARE(box->FontName(), Sjis("ＭＳ ゴシック"));
        QCOMPARE(box->FontSize(), 14);
        QCOMPARE(box->RowSpace(), 20);
        QCOMPARE(box->FrameLineWidth(), 0);
        QCOMPARE(box->FrameWidth(), 300);
        QCOMPARE(box->FrameHeight(), 80);
        QCOMPARE(box->Lines(), (std::vector<std::string>{Sjis("二胡, 独奏"), Sjis("第二行")}));
        QCOMPARE(Ws().undo.UndoCount(), 1);
        Window().Undo();
        QCOMPARE(BookBytes(), before);
    }

    void NoteDialogDragsTheAccidentalAndTheDot() {
        TNote* note = Make<TNote>("5");
        std::optional<UntrackedChanges> asRead(&Ws().undo);
        note->SetRinji("`");
        note->SetFuten(1);
        TMusicSheet* second = Window().Book().NewSheet();
        TNote* other = CreateItem<TNote>(*second);
        other->SetContent("3");
        asRead.reset();
        TfrmSetNote& dialog = Dialogs().Note();
        NoteOffsets stored;
        QVERIFY(Edit(*note, dialog, [&] {
            QCOMPARE(dialog.windowTitle(), QString("音符設定"));
            const NoteFigure fig = dialog.Figure();
            QVERIFY(fig.w > 0 && fig.h > 0);
            QCOMPARE(dialog.AccidentalPosition(), PointFromOffsets(fig, -85, -60));
            QCOMPARE(dialog.DotCentre(), PointFromOffsets(fig, 60, 20));
            QWidget* box = Field<QWidget>(dialog, "pbNote");
            const FigurePoint a = dialog.AccidentalPosition();
            QTest::mousePress(box, Qt::LeftButton, {}, QPoint(a.x + 2, a.y + 2));
            QTest::mouseMove(box, QPoint(a.x + 12, a.y + 7));
            QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(a.x + 12, a.y + 7));
            QCOMPARE(dialog.AccidentalPosition(), (FigurePoint{a.x + 10, a.y + 5}));
            const FigurePoint d = dialog.DotCentre();
            QTest::mousePress(box, Qt::LeftButton, {}, QPoint(d.x, d.y));
            QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(d.x - 6, d.y + 4));
            QCOMPARE(dialog.DotCentre(), (FigurePoint{d.x - 6, d.y + 4}));
            // A press on neither part moves nothing.
            QTest::mousePress(box, Qt::LeftButton, {}, QPoint(2, 2));
            QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(40, 40));
            QCOMPARE(dialog.DotCentre(), (FigurePoint{d.x - 6, d.y + 4}));
            // The dot is painted in the cursor colour (blue).
            QCOMPARE(dialog.Picture().pixel(d.x - 6, d.y + 4), qRgb(0, 0, 255));

            const FigurePoint r = OffsetsFromPoint(fig, dialog.AccidentalPosition());
            const FigurePoint u = OffsetsFromPoint(fig, dialog.DotCentre());
            stored = {r.x, r.y, u.x, u.y};
            Field<QAbstractButton>(dialog, "chkDefault")->click();
            dialog.Confirm();
        }));
        QVERIFY(stored != (NoteOffsets{-85, -60, 60, 20}));
        QCOMPARE(OffsetsOf(*note), stored);
        QCOMPARE(OffsetsOf(*other), (NoteOffsets{-85, -60, 60, 20}));
        QCOMPARE(Ws().prefs.DefoOffsetRateX_Rinji, stored.xRinji);
        QCOMPARE(Ws().prefs.DefoOffsetRateY_Futen, stored.yFuten);

        // Every note of the book, as one step; the boxes start cleared.
        QVERIFY(Edit(*note, dialog, [&] {
            QVERIFY(!Field<QAbstractButton>(dialog, "chkDefault")->isChecked());
            QVERIFY(!Field<QAbstractButton>(dialog, "chkAllNotes")->isChecked());
            Field<QAbstractButton>(dialog, "chkAllNotes")->click();
            dialog.Confirm();
        }));
        QCOMPARE(OffsetsOf(*other), stored);
        Window().Undo();
        QCOMPARE(OffsetsOf(*other), (NoteOffsets{-85, -60, 60, 20}));
        QCOMPARE(OffsetsOf(*note), stored);
    }

    void CancelLeavesTheItemAndTheHistory() {
        THorizBar* bar = Make<THorizBar>("M");
        TTempo* tempo = Make<TTempo>("/");
        TNote* note = Make<TNote>("5");
        TDaonRight* daon = Make<TDaonRight>("L");
        // A saved book with history: cancelling leaves it saved.
        Ws().undo.BeginGroup();
        bar->SetPosX(120);
        Ws().undo.EndGroup();
        Window().Document().MarkSaved(Window().Document().FilePath());
        const std::string before = BookBytes();
        QVERIFY(!Edit(*bar, Dialogs().BarNum(), [&] {
            Field<QSpinBox>(Dialogs().BarNum(), "edtBarNum")->setValue(0);  // refused, then cancel
            Dialogs().BarNum().Confirm();
        }));
        QVERIFY(!Edit(*tempo, Dialogs().Tempo(),
                      [&] { Field<QSpinBox>(Dialogs().Tempo(), "edtTempo")->setValue(100); }));
        QVERIFY(!Edit(*daon, Dialogs().Daon(), [&] {
            Field<QComboBox>(Dialogs().Daon(), "cmbLength")->setCurrentIndex(2);
        }));
        QVERIFY(!Edit(*note, Dialogs().Note(), [&] {
            QWidget* box = Field<QWidget>(Dialogs().Note(), "pbNote");
            const FigurePoint d = Dialogs().Note().DotCentre();
            QTest::mousePress(box, Qt::LeftButton, {}, QPoint(d.x, d.y));
            QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(d.x + 9, d.y));
        }));
        QCOMPARE(BookBytes(), before);
        QCOMPARE(Ws().undo.UndoCount(), 1);
        QVERIFY(!Window().IsModified());
    }
};

QTEST_MAIN(ItemDialogsTest)
#include "itemdialogs_test.moc"
