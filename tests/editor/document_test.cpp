// SPDX-License-Identifier: GPL-3.0-or-later
// The editable document as the main window uses it: "modified" follows the
// undo history and the saved mark, a cancelled dialog never changes it, every
// action has its command, and file names reach the disk as the user gave
// them (relative, or not UTF-8).
#include <QAction>
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <optional>
#include <stdexcept>

#include "editor/dialogs/frmsetinfo.h"
#include "editor/dialogs/itemdialogs.h"
#include "editor/mainwindow/settingscommands.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/toolpalette.h"
#include "editor/platform/recoverystore.h"
#include "mainwindowfixture.h"
#include "model/horizbar.h"
#include "model/itemfactory.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/scorefile.h"

using namespace sorvel;

namespace {

QString Demo() {
    return QStringLiteral(SORVEL_EXAMPLES_DIR "/demo.svl");
}

// One undoable change of the shown page: a note added.
void AddNoteStep(TfrmMain& w, int x = 200) {
    w.Document().Edit("test", [&](Transaction&) {
        TNote* note = CreateItem<TNote>(*w.CurrentPage());
        note->SetContent("5");
        note->SetPosX(x);
        note->SetPosY(243);
    });
}

// Runs `inside` once a modal dialog is up, then cancels whatever is still open.
void WhileModal(TfrmMain& w, const std::function<void()>& inside,
                const std::function<void()>& open) {
    QTimer::singleShot(0, &w, [&] {
        inside();
        if (QWidget* modal = QApplication::activeModalWidget()) {
            if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
        }
    });
    open();
}

// Closing the window: true when it closed; the save question is counted.
bool Close(MainWindowFixture& f) {
    return f.window->close();
}

}  // namespace

class DocumentTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void undoAfterSavingMakesTheBookModifiedAndRedoBackMakesItSavedAgain() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        AddNoteStep(w);
        AddNoteStep(w, 300);
        f.dialogs.savePaths = {f.Path("piece.svl")};
        QVERIFY(w.Files().Save());
        QVERIFY(!w.IsModified());
        w.ActionListUpdate();
        QVERIFY(!w.Action("actSave")->isEnabled());

        w.Undo();
        QVERIFY(w.IsModified());
        w.ActionListUpdate();
        QVERIFY(w.Action("actSave")->isEnabled());
        w.Redo();
        QVERIFY(!w.IsModified());
        w.Redo();  // nothing to redo: still the saved state
        QVERIFY(!w.IsModified());

        // Closing after an undo asks, and Cancel keeps the window.
        w.Undo();
        f.dialogs.saveAnswers = {SaveAnswer::Cancel};
        QVERIFY(!Close(f));
        QCOMPARE(f.dialogs.saveQuestions, 1);

        // A new step after undoing past the save: the saved state is gone.
        AddNoteStep(w, 400);
        w.Undo();
        QVERIFY(w.IsModified());
    }

    void aCancelledDialogNeverChangesModified() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        // An imported book: never saved, so modified from the start.
        std::unique_ptr<TMusicBook> imported = std::make_unique<TMusicBook>(w.Workspace().env);
        {
            const UntrackedChanges reading(&w.Workspace().undo);
            imported->ApplyDefaultLayout();
            imported->NewSheet();
        }
        w.Document().ReplaceBook(std::move(imported), std::string(),
                                 EditorDocument::Origin::Unsaved);
        QVERIFY(w.IsModified());

        std::optional<UntrackedChanges> asRead(&w.Workspace().undo);
        THorizBar* bar = CreateItem<THorizBar>(*w.CurrentPage());
        bar->SetContent("M");
        bar->SetPosX(100);
        bar->SetPosY(300);
        asRead.reset();
        WhileModal(
            w, [] {}, [&] { QVERIFY(!EditItemProperties(w.Context(), *bar)); });
        QVERIFY(w.IsModified());

        SettingsCommands& settings = *SettingsCommands::Of(w);
        WhileModal(
            w, [] {}, [&] { settings.SetPageInfo(); });
        QVERIFY(w.IsModified());
        WhileModal(
            w, [] {}, [&] { settings.SetBookInfo(); });
        QVERIFY(w.IsModified());

        // Closing still asks.
        f.dialogs.saveAnswers = {SaveAnswer::Cancel};
        QVERIFY(!Close(f));
        QCOMPARE(f.dialogs.saveQuestions, 1);
    }

    void aRecoveredBookStaysUnsavedThroughACancelledDialogAndKeepsItsCopy() {
        MainWindowFixture f;
        f.recovery = true;
        RecoveryStore crashed(f.RecoveryFolder().toStdString(), RecoveryOwner{999'999'999, 1});
        QFile demo(Demo());
        QVERIFY(demo.open(QIODevice::ReadOnly));
        QVERIFY(crashed.Write(demo.readAll().toStdString(), "", 1'700'000'000) == 0);
        f.restoreAnswer = true;
        f.Start();
        f.window->OfferRecovery();
        TfrmMain& w = *f.window;
        QVERIFY(w.IsModified());
        SettingsCommands& settings = *SettingsCommands::Of(w);
        WhileModal(
            w, [] {}, [&] { settings.SetPageInfo(); });
        QVERIFY(w.IsModified());
        f.dialogs.saveAnswers = {SaveAnswer::Cancel};
        QVERIFY(!Close(f));
        QCOMPARE(f.dialogs.saveQuestions, 1);
    }

    // A book that never had a file comes back without one: its title is the
    // untitled name and saving asks for a path rather than writing "無題"
    // into the current folder.
    void aRecoveredUntitledBookHasNoFile() {
        MainWindowFixture f;
        f.recovery = true;
        RecoveryStore crashed(f.RecoveryFolder().toStdString(), RecoveryOwner{999'999'999, 1});
        QFile demo(Demo());
        QVERIFY(demo.open(QIODevice::ReadOnly));
        QVERIFY(crashed.Write(demo.readAll().toStdString(), "", 1'700'000'000) == 0);
        f.restoreAnswer = true;
        f.Start();
        f.window->OfferRecovery();
        TfrmMain& w = *f.window;
        QVERIFY(w.IsModified());
        QVERIFY(!w.Document().HasFile());
        QVERIFY(w.windowTitle().startsWith(QStringLiteral("無題 - ")));
        f.dialogs.savePaths = {f.Path("named.svl")};
        QVERIFY(w.Files().Save());
        QVERIFY(QFile::exists(f.Path("named.svl")));
        QVERIFY(!QFile::exists(QStringLiteral("無題")));
    }

    void gridDisplayCountsAsAChangeUntilSaved() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        w.Action("actDispGrid")->trigger();
        QVERIFY(w.IsModified());
        f.dialogs.savePaths = {f.Path("grid.svl")};
        QVERIFY(w.Files().Save());
        QVERIFY(!w.IsModified());
    }

    void everyActionOfTheTableHasItsCommandAndUnknownNamesAreRefused() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        QVERIFY2(w.UnboundActions().isEmpty(), qPrintable(w.UnboundActions().join(", ")));
        bool refused = false;
        try {
            w.BindCommand("actNoSuchThing", [] {});
        } catch (const std::logic_error&) {
            refused = true;
        }
        QVERIFY(refused);
    }

    void aRelativePathOnTheCommandLineBecomesAbsolute() {
        MainWindowFixture f;
        QVERIFY(QFile::copy(Demo(), f.Path("demo.svl")));
        const QString before = QDir::currentPath();
        QDir::setCurrent(f.dir.path());
        f.Start({"demo.svl"});
        QDir::setCurrent(before);
        TfrmMain& w = *f.window;
        const QString absolute = QFileInfo(f.Path("demo.svl")).absoluteFilePath();
        QCOMPARE(w.FileName(), absolute);
        QCOMPARE(QString::fromStdString(w.Workspace().prefs.RecentFiles.front()), absolute);
        // Reopening from another folder finds it.
        w.Files().ReopenRecent(w.Workspace().prefs.RecentFiles.front());
        QVERIFY(f.dialogs.errors.isEmpty());
        QCOMPARE(w.FileName(), absolute);
    }

    void aFileNameThatIsNotUtf8OpensFromTheCommandLineAndByDropping() {
        MainWindowFixture f;
        // "テ" in Shift-JIS: not valid UTF-8.
        const QByteArray native = QFile::encodeName(f.dir.path()) + "/\x83\x65.svl";
        QFile demo(Demo());
        QVERIFY(demo.open(QIODevice::ReadOnly));
        const QByteArray bytes = demo.readAll();
        {
            FILE* out = std::fopen(native.constData(), "wb");
            QVERIFY(out);
            std::fwrite(bytes.constData(), 1, bytes.size(), out);
            std::fclose(out);
        }
        f.Start({native.toStdString()});
        QVERIFY2(f.dialogs.errors.isEmpty(), qPrintable(f.dialogs.errors.join("; ")));
        QCOMPARE(f.window->Book().SheetCount(), 2);
        QCOMPARE(QByteArray::fromStdString(f.window->Document().FilePath()), native);

        // Saving writes back to the same name.
        AddNoteStep(*f.window);
        QVERIFY(f.window->Files().Save());
        QVERIFY(f.dialogs.errors.isEmpty());

        MainWindowFixture g;
        QMimeData data;
        data.setUrls({QUrl::fromEncoded("file://" + native.toPercentEncoding("/"))});
        const std::vector<std::string> dropped = DroppedLocalFiles(data);
        QCOMPARE(dropped, std::vector<std::string>{native.toStdString()});
        g.window->Files().DropNativeFiles(dropped);
        QVERIFY2(g.dialogs.errors.isEmpty(), qPrintable(g.dialogs.errors.join("; ")));
        QCOMPARE(g.window->Book().SheetCount(), 2);
        std::remove(native.constData());  // the temporary folder cannot name it
    }

    void savingOverAFileAnotherProgramChangedAsksFirst() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        QVERIFY(QFile::copy(Demo(), f.Path("shared.svl")));
        QVERIFY(w.Files().OpenPath(f.Path("shared.svl")));
        AddNoteStep(w);
        QVERIFY(w.Files().Save());  // our own save is no change by another
        QVERIFY(f.dialogs.questions.isEmpty());

        // A second editor saves the same file (a new file under the name).
        QFile::remove(f.Path("shared.svl"));
        QVERIFY(QFile::copy(Demo(), f.Path("shared.svl")));
        const QByteArray theirs = [&] {
            QFile file(f.Path("shared.svl"));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        AddNoteStep(w, 300);
        f.dialogs.yesNoAnswers = {false};
        QVERIFY(!w.Files().Save());
        QCOMPARE(f.dialogs.questions.size(), 1);
        QVERIFY(f.dialogs.questions.first().contains(QString::fromUtf8("ほかのプログラムで変更")));
        QVERIFY(w.IsModified());
        QFile file(f.Path("shared.svl"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), theirs);
        file.close();

        f.dialogs.yesNoAnswers = {true};
        QVERIFY(w.Files().Save());
        QVERIFY(!w.IsModified());
        AddNoteStep(w, 400);
        QVERIFY(w.Files().Save());  // from now on our own file again: no question
        QCOMPARE(f.dialogs.questions.size(), 2);
    }

    void anEditBeyondWhatTheReaderTakesIsRefused() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        TMusicSheet& page = *w.CurrentPage();
        std::optional<UntrackedChanges> asRead(&w.Workspace().undo);
        page.SuspendSorting();
        while (page.ItemCount() < kMaxItemsPerPage) {
            TNote* note = CreateItem<TNote>(page);
            note->SetContent("5");
            note->SetPosX(100 + page.ItemCount() % 700);
            note->SetPosY(300);
        }
        page.ResumeSorting();
        asRead.reset();
        const int steps = w.Workspace().undo.UndoCount();
        AddNoteStep(w);
        QTRY_COMPARE(page.ItemCount(), kMaxItemsPerPage);
        QCOMPARE(f.dialogs.errors.size(), 1);
        QVERIFY(f.dialogs.errors.first().contains(QString::number(kMaxItemsPerPage)));
        // The refused step is no step the user can redo into the limit.
        w.Redo();
        QCOMPARE(page.ItemCount(), kMaxItemsPerPage);
        QCOMPARE(w.Workspace().undo.UndoCount(), steps);
    }

    void newPagesAndNewBooksReturnAStickyToolToTheArrow() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        w.show();
        auto* five = w.Palette().findChild<QToolButton*>("btnNote_5");
        QVERIFY(five);
        auto keepFive = [&] {
            QTest::mouseClick(five, Qt::LeftButton);
            QTest::mouseDClick(five, Qt::LeftButton);
            QTest::mouseRelease(five, Qt::LeftButton);
            QCOMPARE(w.View().Tool(), ckNote);
        };
        keepFive();
        w.Action("actNewSeet")->trigger();
        QCOMPARE(w.View().Tool(), ckNone);
        keepFive();
        w.Action("actInsertPage_Before")->trigger();
        QCOMPARE(w.View().Tool(), ckNone);
        keepFive();
        f.dialogs.saveAnswers = {SaveAnswer::No};
        w.Action("actNewBook")->trigger();
        QCOMPARE(w.View().Tool(), ckNone);
    }

    void aStepTheCheckRefusesIsTakenBackWithItsMessage() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        const int limit = w.CurrentPage()->ItemCount() + 1;
        w.Document().checkStep = [limit](const TMusicBook& book) {
            return book.GetSheet(0)->ItemCount() > limit ? std::string("too many") : std::string();
        };
        AddNoteStep(w, 200);
        QCOMPARE(w.CurrentPage()->ItemCount(), limit);
        AddNoteStep(w, 300);  // refused once the event that made it is done
        QTRY_COMPARE(w.CurrentPage()->ItemCount(), limit);
        QCOMPARE(f.dialogs.errors, QStringList{"too many"});
        QVERIFY(w.Workspace().undo.CanUndo());
        w.Undo();
        QCOMPARE(w.CurrentPage()->ItemCount(), limit - 1);
    }

    // The refused step is taken back once the event that made it is done; by
    // then the history may have moved on, and the message says what happened.
    void aRefusedStepTheHistoryMovedOnFromIsReportedAsItStands() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        const int limit = w.CurrentPage()->ItemCount() + 1;
        w.Document().checkStep = [limit](const TMusicBook& book) {
            return book.GetSheet(0)->ItemCount() > limit ? std::string("too many") : std::string();
        };
        QSignalSpy refused(&w.Document(), &EditorDocument::stepRefused);
        AddNoteStep(w, 200);
        // Undone by the user before it could be taken back: nothing to say.
        AddNoteStep(w, 300);
        w.Undo();
        QCoreApplication::processEvents();
        QCOMPARE(w.CurrentPage()->ItemCount(), limit);
        QCOMPARE(f.dialogs.errors, QStringList{});
        QCOMPARE(refused.count(), 0);
        // Two refused steps in one go: the first is not the last step any
        // more and stays; the second is taken back.
        AddNoteStep(w, 300);
        AddNoteStep(w, 400);
        QCoreApplication::processEvents();
        QCOMPARE(w.CurrentPage()->ItemCount(), limit + 1);
        QCOMPARE(f.dialogs.errors.size(), 2);
        QVERIFY(f.dialogs.errors[0].startsWith("too many\n"));
        QVERIFY(f.dialogs.errors[0].contains(QString::fromUtf8("取り消していません")));
        QCOMPARE(f.dialogs.errors[1], QString("too many"));
        QCOMPARE(refused.count(), 2);
    }
};

QTEST_MAIN(DocumentTest)
#include "document_test.moc"
