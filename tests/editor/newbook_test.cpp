// SPDX-License-Identifier: GPL-3.0-or-later
// File > New in one dialog: Enter takes the defaults and the first page is
// ready (１＝Ｄ, 4/4 in the first slot, ♩＝80, the key cursor after the time
// signature, a typed digit a note there, rhythm entry too); the answers go
// where the settings dialogs keep them; the save question comes first and
// Cancel leaves the open book; the book starts unmodified with an empty
// history; the option in the options dialog, off, gives the plain New.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include "base/cp932.h"
#include "edit/pageoperations.h"
#include "editor/dialogs/editoroptions.h"
#include "editor/dialogs/frmsetinfo.h"
#include "editor/mainwindow/pagecommands.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/scorepaintbox.h"
#include "mainwindowfixture.h"
#include "model/glyphcodes.h"
#include "model/majorkey.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/preferencesfile.h"
#include "model/scorefile.h"
#include "view/core/pagelayout.h"

using namespace sorvel;

namespace {

QString Shown(const std::string& bytes) {
    return QString::fromStdString(cp932::ToUtf8(bytes));
}

// The symbols of the first row of the shown page: "content@slot".
QStringList FirstRow(TfrmMain& w) {
    const PageLayout layout(w.Workspace().layout);
    QStringList out;
    const TMusicSheet& page = *w.CurrentPage();
    for (int i = 0; i < page.ItemCount(); ++i) {
        const TMusicItem* item = page.GetItem(i);
        if (!item->IsSymbol() || item->PosY() != layout.RowBase(0)) continue;
        const int slot = (item->PosX() - layout.SlotX(0)) / (layout.SlotX(1) - layout.SlotX(0));
        out << QString("%1@%2").arg(QString::fromStdString(item->Content())).arg(slot);
    }
    return out;
}

// Runs `answer` on the new-book dialog once it shows.
void WhenTheDialogShows(QObject* context, std::function<void(QDialog&)> answer) {
    QTimer::singleShot(0, context, [answer = std::move(answer)] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog->objectName() != "frmNewBook") qFatal("no new-book dialog is shown");
        answer(*dialog);
    });
}

template <class T>
T* Field(QDialog& dialog, const char* name) {
    T* field = dialog.findChild<T*>(name);
    if (!field) qFatal("no field %s", name);
    return field;
}

}  // namespace

class NewBookTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void enterTakesTheDefaultsAndTypingStartsAtOnce() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        w.show();
        f.dialogs.realNewBookDialog = true;
        PageCommands::Of(w)->NewPage();
        f.dialogs.saveAnswers = {SaveAnswer::No};
        WhenTheDialogShows(this, [](QDialog& dialog) {
            QCOMPARE(dialog.focusWidget(), Field<QLineEdit>(dialog, "edtTitle"));
            QCOMPARE(Field<QComboBox>(dialog, "cmbBeat")->currentText(), QString("4/4"));
            QCOMPARE(Field<QSpinBox>(dialog, "edtTempo")->value(), 80);
            QCOMPARE(Field<QSpinBox>(dialog, "edtPages")->value(), 1);
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
        });
        w.Action("actNewBook")->trigger();
        QCOMPARE(f.dialogs.newBookQuestions, 1);
        QCOMPARE(w.Book().SheetCount(), 1);
        const TMusicSheet& page = *w.CurrentPage();
        QCOMPARE(Shown(page.KeyCode()), QString("１＝Ｄ　（１５弦）"));
        QCOMPARE(page.PlayCount(), 80);
        QCOMPARE(FirstRow(w), QStringList({"$@0", "c@9", "c@18", "c@27", "c@36"}));
        QVERIFY(!w.IsModified());
        QVERIFY(!w.Workspace().undo.CanUndo());
        QCOMPARE(w.windowTitle().section(" - ", 0, 0), QString("無題"));

        const PageLayout layout(w.Workspace().layout);
        QVERIFY(w.View().KeyCursorShown());
        QCOMPARE(w.View().KeyCursor(), (CursorPos{layout.SlotX(1), layout.RowBase(0)}));
        // A digit typed right away is a note in the first slot after the time
        // signature; the cursor goes on.
        QTest::keyClick(&w.PaintBox(), '5');
        QCOMPARE(FirstRow(w), QStringList({"$@0", "5@1", "c@9", "c@18", "c@27", "c@36"}));
        QCOMPARE(w.View().KeyCursor(), (CursorPos{layout.SlotX(2), layout.RowBase(0)}));
        QVERIFY(w.IsModified());
    }

    void theAnswersGoWhereThePageSettingsKeepThem() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        f.dialogs.realNewBookDialog = true;
        WhenTheDialogShows(this, [](QDialog& dialog) {
            QTest::keyClicks(Field<QLineEdit>(dialog, "edtTitle"), QString("Jasmine"));
            Field<QLineEdit>(dialog, "edtWriter")->setText(QString("江蘇民謡"));
            auto* keys = Field<QComboBox>(dialog, "cmbKey");
            keys->setCurrentIndex(keys->findText(QString("１＝Ｇ　（５２弦）")));
            auto* beats = Field<QComboBox>(dialog, "cmbBeat");
            beats->setCurrentIndex(beats->findText("2/4"));
            Field<QSpinBox>(dialog, "edtTempo")->setValue(72);
            Field<QSpinBox>(dialog, "edtPages")->setValue(2);
            QTest::keyClick(Field<QSpinBox>(dialog, "edtPages"), Qt::Key_Enter);
        });
        w.Files().NewBook();
        QCOMPARE(w.Book().SheetCount(), 2);
        const TMusicSheet& page = *w.CurrentPage();
        QCOMPARE(Shown(w.Book().Title()), QString("Jasmine"));
        QCOMPARE(Shown(page.Title()), QString("Jasmine"));
        QCOMPARE(Shown(page.Writer()), QString("江蘇民謡"));
        QCOMPARE(page.KeyCode(), KeyCodeOfFifths(1));
        QCOMPARE(page.PlayCount(), 72);
        QCOMPARE(FirstRow(w).first(), QString("\"@0"));
        QCOMPARE(MeterOfCode('"')->beatType, 4);
        QVERIFY(!w.IsModified());
    }

    void theSaveQuestionComesFirstAndCancelKeepsTheBook() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        PageCommands::Of(w)->NewPage();
        // Cancel of the save question: no dialog.
        f.dialogs.saveAnswers = {SaveAnswer::Cancel};
        w.Files().NewBook();
        QCOMPARE(f.dialogs.saveQuestions, 1);
        QCOMPARE(f.dialogs.newBookQuestions, 0);
        // The dialog cancelled (also with Esc): the open book stays, unsaved.
        f.dialogs.saveAnswers = {SaveAnswer::No};
        f.dialogs.newBookAnswers = {std::nullopt};
        w.Files().NewBook();
        QCOMPARE(f.dialogs.newBookQuestions, 1);
        QCOMPARE(w.Book().SheetCount(), 2);
        QVERIFY(w.IsModified());
        QVERIFY(w.Workspace().undo.CanUndo());
        f.dialogs.realNewBookDialog = true;
        f.dialogs.saveAnswers = {SaveAnswer::No};
        WhenTheDialogShows(
            this, [](QDialog& dialog) { QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape); });
        w.Files().NewBook();
        QCOMPARE(w.Book().SheetCount(), 2);
        QVERIFY(w.IsModified());
    }

    void rhythmEntryTypesFromTheFirstSlotToo() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        w.show();
        w.Action("actRhythmEntry")->trigger();
        w.Files().NewBook();
        for (char key : {'1', '2', '3', '4', '5'}) QTest::keyClick(&w.PaintBox(), key);
        const QStringList row = FirstRow(w);
        QCOMPARE(row.first(), QString("$@0"));
        QVERIFY2(row.at(1) == "1@1", qPrintable(row.join(' ')));
        QCOMPARE(row.filter(QRegularExpression("^[1-5]@")).size(), 5);
    }

    // Off in the options: New makes the book the program always made, and
    // the key cursor stays hidden.
    void theOptionOffGivesThePlainNew() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        SetInfoServices services;
        services.settingsPath = f.SettingsPath().toStdString();
        TfrmSetInfo options(w.Workspace(), services, &w);
        options.Prepare(SetInfoMode::Option);
        auto* box = options.findChild<QCheckBox*>("chkNewBookDialog");
        QVERIFY(box);
        QVERIFY(box->isChecked());
        box->setChecked(false);
        QVERIFY(options.Confirm());
        options.Apply();
        QCOMPARE(ReadPreferenceInt(f.SettingsPath().toStdString(), "Editor", "NewBookDialog", 1),
                 0);
        options.Prepare(SetInfoMode::Option);
        QVERIFY(!box->isChecked());

        PageCommands::Of(w)->NewPage();
        f.dialogs.saveAnswers = {SaveAnswer::No};
        w.Files().NewBook();
        QCOMPARE(f.dialogs.newBookQuestions, 0);
        Workspace plain;
        plain.prefs = w.Workspace().prefs;
        plain.layout.PageWidth = w.Workspace().layout.PageWidth;
        plain.layout.PageHeight = w.Workspace().layout.PageHeight;
        plain.NewBook();
        PlaceBlankPageBarLines(*plain.book->GetSheet(0));
        QCOMPARE(SaveBookToFileBytes(w.Book()), SaveBookToFileBytes(*plain.book));
        QVERIFY(!w.View().KeyCursorShown());
        QVERIFY(!w.IsModified());

        // On again: the dialog is back.
        QVERIFY(WritePreferenceKey(f.SettingsPath().toStdString(), "Editor", "NewBookDialog", 1));
        w.Files().NewBook();
        QCOMPARE(f.dialogs.newBookQuestions, 1);
    }
};

QTEST_MAIN(NewBookTest)
#include "newbook_test.moc"
