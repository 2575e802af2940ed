// SPDX-License-Identifier: GPL-3.0-or-later
// The main window driven through its commands: start-up, enabling, title,
// save prompt and close query, recent files, open and save round trips,
// pages with undo, failures that must leave the open book alone.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QtTest>

#include "edit/pageoperations.h"
#include "editor/mainwindow/pagecommands.h"
#include "editor/mainwindow/recentfiles.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/scorepaintbox.h"
#include "editor/platform/recoverystore.h"
#include "mainwindowfixture.h"
#include "model/itemfactory.h"
#include "model/musicbook.h"
#include "model/musicitem.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/preferencesfile.h"
#include "model/scorefile.h"

using namespace sorvel;

namespace {

QByteArray ReadBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

QString Demo() {
    return QStringLiteral(SORVEL_EXAMPLES_DIR "/demo.svl");
}

QString Title(const QString& name) {
    return name + QString::fromUtf8(kTitleSuffix);
}

bool Enabled(TfrmMain& w, const char* name) {
    return w.Action(name)->isEnabled();
}

int CountBarLines(const TMusicSheet& page) {
    int n = 0;
    for (int i = 0; i < page.ItemCount(); ++i) {
        if (page.GetItem(i)->Class() == ItemClass::BarLine) ++n;
    }
    return n;
}

}  // namespace

class FrmMainTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startsWithDefaultsAndABlankPage() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        QCOMPARE(w.size(), QSize(1010, 740));
        QCOMPARE(w.pos(), QPoint(0, 0));
        QCOMPARE(w.windowTitle(), Title("無題"));
        QCOMPARE(w.Book().SheetCount(), 1);
        QVERIFY(!w.IsModified());
        QVERIFY(f.dialogs.infos.isEmpty());  // printing to a file works: no warning

        // Four bar lines divide the first row of the fallback page into bars.
        const TMusicSheet& page = *w.Book().GetSheet(0);
        QCOMPARE(page.PageWidth, 964);
        QCOMPARE(page.PageHeight, 1365);
        QCOMPARE(CountBarLines(page), page.BarParRow());
        const int y = page.TopSpace() + page.TitleHeight() + page.RowInterval() / 2;
        for (int j = 1; j <= page.BarParRow(); ++j) {
            const TMusicItem& bar = *page.GetItem(j - 1);
            QCOMPARE(bar.Content(), std::string("c"));
            QCOMPARE(bar.PosX(), page.LeftSpace() + page.GridSize() * page.DivParBar() * j);
            QCOMPARE(bar.PosY(), y);
        }
        QCOMPARE(w.findChild<QLabel*>("pnlPage")->text(), QString("1"));
        QCOMPARE(w.PaintBox().size(), QSize(964, 1365));
    }

    void menusFollowTheTable() {
        MainWindowFixture f;
        auto* file = f.window->findChild<QMenu*>("mnuFile");
        QVERIFY(file);
        QStringList captions;
        for (QAction* a : file->actions()) captions << (a->isSeparator() ? "-" : a->text());
        const QStringList expected = {"ﾌﾞｯｸ新規作成(&N)",
                                      "ﾍﾟｰｼﾞ新規作成(&M)",
                                      "前にﾍﾟｰｼﾞ挿入(&F)",
                                      "後ろにﾍﾟｰｼﾞ挿入(&B)",
                                      "-",
                                      "開く(&O)...",
                                      "開き直す(&R)",
                                      "上書き保存(&S)",
                                      "名前を付けて保存(&A)...",
                                      "ビットマップで保存(&I)...",
                                      "PDFで保存(&D)...",
                                      "MusicXMLを読み込む(&L)...",
                                      "MusicXMLで保存(&E)...",
                                      "-",
                                      "録音ファイルから採譜(&T)...",
                                      "録音して採譜(&R)...",
                                      "-",
                                      "ﾌﾟﾘﾝﾀｰ設定(&U)...",
                                      "印刷ﾌﾟﾚﾋﾞｭｰ(&V)...",
                                      "印刷(&P)...",
                                      "-",
                                      "終了(&X)"};
        QCOMPARE(captions, expected);
        QVERIFY(!f.window->Action("actPrintSetUp")->isVisible());
        QCOMPARE(f.window->Action("actSameSelect")->shortcut(), QKeySequence("Ctrl+S"));
        QVERIFY(f.window->Action("actGridSnap")->isChecked());
    }

    void enablingRulesAreEvaluatedTogether() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        w.ActionListUpdate();
        for (const char* name :
             {"actFirstPage", "actPriorPage", "actNextPage", "actLastPage", "actDeletePage",
              "actSave", "actSaveAs", "actUndo", "actRedo", "actCut", "actCopy", "actDelete"}) {
            QVERIFY2(!Enabled(w, name), name);
        }
        PageCommands::Of(w)->NewPage();
        w.ActionListUpdate();
        QCOMPARE(w.PageNo(), 2);
        QVERIFY(Enabled(w, "actFirstPage") && Enabled(w, "actPriorPage"));
        QVERIFY(!Enabled(w, "actNextPage") && !Enabled(w, "actLastPage"));
        QVERIFY(Enabled(w, "actDeletePage") && Enabled(w, "actUndo"));
        QVERIFY(Enabled(w, "actSave") && Enabled(w, "actSaveAs"));
        // Commands still to come stand in the menus but do nothing yet.
        QVERIFY(!Enabled(w, "actCut"));
        QVERIFY(!Enabled(w, "actPlay"));
    }

    void titleFollowsNewOpenAndSaveAsButNotSave() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        const QString copy = f.Path("copy.svl");
        QVERIFY(QFile::copy(Demo(), copy));
        QVERIFY(w.Files().OpenPath(copy));
        QCOMPARE(w.windowTitle(), Title(copy));
        PageCommands::Of(w)->NewPage();
        const QString other = f.Path("other.svl");
        f.dialogs.savePaths = {other};
        QVERIFY(w.Files().SaveAs());
        QCOMPARE(w.windowTitle(), Title(other));
        PageCommands::Of(w)->NewPage();
        QVERIFY(w.Files().Save());
        QCOMPARE(w.windowTitle(), Title(other));
        w.Files().NewBook();
        QCOMPARE(w.windowTitle(), Title("無題"));
    }

    void savePromptAnswers() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        PageCommands::Of(w)->NewPage();
        // Cancel stops the command.
        f.dialogs.saveAnswers = {SaveAnswer::Cancel};
        w.Files().NewBook();
        QCOMPARE(w.Book().SheetCount(), 2);
        // Yes on an untitled book asks for a name; cancelling it stops too.
        f.dialogs.saveAnswers = {SaveAnswer::Yes};
        f.dialogs.savePaths = {QString()};
        w.Files().NewBook();
        QCOMPARE(w.Book().SheetCount(), 2);
        QVERIFY(w.IsModified());
        // Yes with a name saves, then goes on.
        const QString path = f.Path("saved.svl");
        f.dialogs.saveAnswers = {SaveAnswer::Yes};
        f.dialogs.savePaths = {path};
        w.Files().NewBook();
        QCOMPARE(w.Book().SheetCount(), 1);
        QVERIFY(QFile::exists(path));
        // No goes on without saving.
        PageCommands::Of(w)->NewPage();
        f.dialogs.saveAnswers = {SaveAnswer::No};
        w.Files().NewBook();
        QCOMPARE(w.Book().SheetCount(), 1);
        QVERIFY(!w.IsModified());
        // No question at all for an unchanged book.
        const int asked = f.dialogs.saveQuestions;
        w.Files().NewBook();
        QCOMPARE(f.dialogs.saveQuestions, asked);
    }

    void closeQueryAndSettingsWrittenOnClose() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        PageCommands::Of(w)->NewPage();
        f.dialogs.saveAnswers = {SaveAnswer::Cancel};
        QVERIFY(!w.close());
        f.dialogs.saveAnswers = {SaveAnswer::Yes};
        f.dialogs.savePaths = {QString()};
        QVERIFY(!w.close());
        QVERIFY(!QFile::exists(f.SettingsPath()));
        w.move(30, 40);
        w.resize(900, 700);
        w.SetZoom(150);
        f.dialogs.saveAnswers = {SaveAnswer::No};
        QVERIFY(w.close());
        QVERIFY(QFile::exists(f.SettingsPath()));

        // The next start finds the window where it was.
        f.Start();
        QCOMPARE(f.window->size(), QSize(900, 700));
        QCOMPARE(f.window->pos(), QPoint(30, 40));
        QCOMPARE(f.window->PaintBox().Zoom(), 150);
    }

    void recentFilesKeepEightNewestFirst() {
        std::vector<std::string> list;
        for (int i = 0; i < 9; ++i) EnterRecentFile(list, "/f" + std::to_string(i));
        QCOMPARE(list.size(), size_t{8});
        QCOMPARE(list.front(), std::string("/f8"));
        QCOMPARE(list.back(), std::string("/f1"));
        EnterRecentFile(list, "/f3");
        QCOMPARE(list.front(), std::string("/f3"));
        QCOMPARE(std::count(list.begin(), list.end(), "/f3"), 1);
        EnterRecentFile(list, "/F3");  // letter case counts
        QCOMPARE(list.size(), size_t{8});
        QCOMPARE(list[1], std::string("/f3"));

        MainWindowFixture f;
        const QString copy = f.Path("a.svl");
        QVERIFY(QFile::copy(Demo(), copy));
        QVERIFY(f.window->Files().OpenPath(copy));
        QVERIFY(f.window->Files().OpenPath(copy));
        auto* reopen = f.window->findChild<QMenu*>("mnuReOpen");
        QCOMPARE(reopen->actions().size(), 1);
        QCOMPARE(reopen->actions().first()->text(), copy);
        QVERIFY(reopen->isEnabled());
    }

    void openAndSaveRoundTripIsByteIdentical() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        f.dialogs.openPaths = {Demo()};
        w.Files().Open();
        QCOMPARE(w.FileName(), Demo());
        QCOMPARE(w.Book().SheetCount(), 2);
        QVERIFY(!Enabled(w, "actSave"));
        // Showing a page stores the measured sizes of its items; a file the
        // editor saved after showing every page keeps them, so from then on
        // open and save agree.
        PageCommands::Of(w)->NextPage();
        const QString first = f.Path("first.svl");
        f.dialogs.savePaths = {first};
        QVERIFY(w.Files().SaveAs());
        QVERIFY(!w.IsModified());
        QVERIFY(w.Files().OpenPath(first));
        PageCommands::Of(w)->NewPage();
        w.Undo();
        const QString second = f.Path("second.svl");
        f.dialogs.savePaths = {second};
        QVERIFY(w.Files().SaveAs());
        QCOMPARE(ReadBytes(second), ReadBytes(first));
        // ... and the same bytes as reading and writing without a window.
        Workspace batch;
        ReadResult read = ReadScoreFile(first.toStdString(), batch.env);
        QVERIFY(read.book);
        QCOMPARE(QByteArray::fromStdString(SaveBookToFileBytes(*read.book)), ReadBytes(first));
        QCOMPARE(QString::fromStdString(w.Workspace().prefs.InitialDir), f.dir.path());
    }

    void rejectedOpenLeavesTheBookAlone() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        const QString mine = f.Path("mine.svl");
        f.dialogs.savePaths = {mine};
        PageCommands::Of(w)->NewPage();
        QVERIFY(w.Files().SaveAs());
        const std::string dirBefore = w.Workspace().prefs.InitialDir;
        TMusicBook* before = &w.Book();

        QVERIFY(!w.Files().OpenPath("/nonexistent/folder/x.svl"));
        QCOMPARE(f.dialogs.errors.size(), 1);
        QCOMPARE(f.dialogs.errors.first(), QString("指定されたファイルは見つかりません。"));

        const QString text = f.Path("notes.txt");
        QFile t(text);
        QVERIFY(t.open(QIODevice::WriteOnly));
        t.write("just some text\r\n");
        t.close();
        QVERIFY(!w.Files().OpenPath(text));
        QCOMPARE(f.dialogs.errors.size(), 1);  // not a score: no message

        QCOMPARE(&w.Book(), before);
        QCOMPARE(w.FileName(), mine);
        QCOMPARE(w.Workspace().prefs.InitialDir, dirBefore);
        QCOMPARE(w.windowTitle(), Title(mine));
    }

    void failedSaveKeepsTheBookUnsaved() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        PageCommands::Of(w)->NewPage();
        f.dialogs.savePaths = {f.Path("no/such/folder/x.svl")};
        QVERIFY(!w.Files().SaveAs());
        QVERIFY(w.IsModified());
        QCOMPARE(f.dialogs.errors.size(), 1);
        QCOMPARE(w.FileName(), QString("無題"));
        QCOMPARE(w.windowTitle(), Title("無題"));
        // The close query now refuses to close after Yes when saving fails.
        f.dialogs.saveAnswers = {SaveAnswer::Yes};
        f.dialogs.savePaths = {f.Path("no/such/folder/x.svl")};
        QVERIFY(!w.close());
    }

    void droppingTwoFilesOpensNothing() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        TMusicBook* before = &w.Book();
        w.Files().DropFiles({Demo(), Demo()});
        QCOMPARE(f.dialogs.errors, QStringList{"ドロップするファイルは１個にしてください。"});
        QCOMPARE(&w.Book(), before);
        w.Files().DropFiles({Demo()});
        QCOMPARE(w.FileName(), Demo());
    }

    void pagesInsertDeleteAndUndo() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        TMusicBook& book = w.Book();
        {
            const UntrackedChanges asRead(&w.Workspace().undo);
            book.GetSheet(0)->SetTitle("A");
        }
        PageCommands::Of(w)->NewPage();
        PageCommands::Of(w)->NewPage();
        QCOMPARE(book.SheetCount(), 3);
        QCOMPARE(w.PageNo(), 3);

        // Insert after page 2: the new page is number 3 and has page 2's layout.
        w.ShowPage(2, true);
        {
            const UntrackedChanges asRead(&w.Workspace().undo);
            book.GetSheet(1)->SetGridSize(31);
        }
        PageCommands::Of(w)->InsertPage(false);
        QCOMPARE(w.PageNo(), 3);
        QCOMPARE(book.SheetCount(), 4);
        QCOMPARE(book.GetSheet(2)->GridSize(), 31);
        QCOMPARE(CountBarLines(*book.GetSheet(2)), book.GetSheet(2)->BarParRow());
        w.Undo();
        QCOMPARE(book.SheetCount(), 3);
        QCOMPARE(w.PageNo(), 3);

        // Insert before page 1 keeps the number: the new page takes it.
        w.ShowPage(1, true);
        TMusicSheet* first = book.GetSheet(0);
        PageCommands::Of(w)->InsertPage(true);
        QCOMPARE(w.PageNo(), 1);
        QCOMPARE(book.GetSheet(1), first);
        w.Undo();

        // Deleting the last of three shows the new last page.
        PageCommands::Of(w)->LastPage();
        PageCommands::Of(w)->DeletePage();
        QCOMPARE(book.SheetCount(), 2);
        QCOMPARE(w.PageNo(), 2);
        w.Undo();
        QCOMPARE(book.SheetCount(), 3);

        // Deleting page 1 shows the former page 2 as page 1.
        TMusicSheet* second = book.GetSheet(1);
        PageCommands::Of(w)->FirstPage();
        PageCommands::Of(w)->DeletePage();
        QCOMPARE(w.PageNo(), 1);
        QCOMPARE(w.View().Page(), second);
        w.Undo();
        QCOMPARE(book.GetSheet(0), first);
        QCOMPARE(w.View().Page(), first);

        // Redo of a page insertion past the end clamps the page number.
        PageCommands::Of(w)->LastPage();
        w.Undo();  // the third page's creation
        QCOMPARE(book.SheetCount(), 2);
        QCOMPARE(w.PageNo(), 2);
        w.Redo();
        QCOMPARE(book.SheetCount(), 3);
    }

    void blankPageBarsOnlyOnPagesWithoutNotes() {
        MainWindowFixture f;
        // The edit layer's bar lines called directly, as the new-book set-up does.
        const UntrackedChanges direct(&f.window->Workspace().undo);
        TMusicSheet& page = *f.window->Book().GetSheet(0);
        page.SetBarParRow(3);
        QVERIFY(PlaceBlankPageBarLines(page));
        QCOMPARE(CountBarLines(page), 3);
        CreateItem<TNote>(page)->SetContent("1");
        page.SetBarParRow(5);
        QVERIFY(!PlaceBlankPageBarLines(page));
        QCOMPARE(CountBarLines(page), 3);
        // A damaged bar count cannot fill memory.
        TMusicSheet& other = *f.window->Book().NewSheet();
        other.SetBarParRow(2'000'000'000);
        QVERIFY(PlaceBlankPageBarLines(other));
        QVERIFY(other.ItemCount() <= kMaxItemsPerPage);
    }

    void gridDisplayAndSnapToggles() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        const bool shown = w.Book().isDispGrid;
        w.Action("actDispGrid")->trigger();
        QCOMPARE(w.Book().isDispGrid, !shown);
        QVERIFY(w.IsModified());
        QVERIFY(!w.Workspace().undo.CanUndo());  // not an undoable change
        w.Action("actGridSnap")->trigger();
        QVERIFY(!w.Workspace().layout.Snap);
        w.Action("actInputNoteMonitor")->trigger();
        QVERIFY(w.Workspace().prefs.IsMonitorMode);
    }

    void recoveryCopyAfterACrashIsOffered() {
        MainWindowFixture f;
        f.recovery = true;
        f.Start();
        TfrmMain& w = *f.window;
        PageCommands::Of(w)->NewPage();
        w.Document().Edit("title",
                          [&](Transaction&) { w.Book().GetSheet(1)->SetTitle("lost work"); });
        const QByteArray unsaved = QByteArray::fromStdString(SaveBookToFileBytes(w.Book()));

        // What a crashed editor leaves: its copy under a process that has ended.
        RecoveryStore crashed(f.RecoveryFolder().toStdString(), RecoveryOwner{999'999'999, 1});
        QVERIFY(crashed.Write(unsaved.toStdString(), "/music/piece.svl", 1'700'000'000) == 0);

        f.restoreAnswer = false;
        f.Start();  // refused: the copy is removed and the new book stays
        f.window->OfferRecovery();
        QCOMPARE(f.recoveryQuestions.size(), 1);
        QCOMPARE(f.window->Book().SheetCount(), 1);
        QVERIFY(crashed.FindLeftovers().empty());

        QVERIFY(crashed.Write(unsaved.toStdString(), "/music/piece.svl", 1'700'000'000) == 0);
        f.restoreAnswer = true;
        f.Start();
        f.window->OfferRecovery();
        TfrmMain& restored = *f.window;
        QCOMPARE(restored.Book().SheetCount(), 2);
        QCOMPARE(restored.Book().GetSheet(1)->Title(), std::string("lost work"));
        QCOMPARE(restored.FileName(), QString("/music/piece.svl"));
        QVERIFY(restored.IsModified());
        QVERIFY(crashed.FindLeftovers().empty());

        // A clean exit leaves nothing behind to offer.
        f.dialogs.saveAnswers = {SaveAnswer::No};
        QVERIFY(restored.close());
        f.recoveryQuestions.clear();
        f.Start();
        f.window->OfferRecovery();
        QVERIFY(f.recoveryQuestions.isEmpty());
    }

    void zoomMapsPositionsToPageUnits() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        w.SetZoom(200);
        QCOMPARE(w.PaintBox().size(), QSize(1928, 2730));
        QCOMPARE(w.PaintBox().ToPageUnits(QPointF(201, 99)), QPoint(100, 49));
        w.ZoomStep(1);
        QCOMPARE(w.PaintBox().Zoom(), 300);
        w.ZoomStep(10);
        QCOMPARE(w.PaintBox().Zoom(), 400);
        w.ZoomStep(-20);
        QCOMPARE(w.PaintBox().Zoom(), 50);
        w.SetZoom(100);
        QCOMPARE(w.PaintBox().ToPageUnits(QPointF(17.9, 3)), QPoint(17, 3));
    }
};

QTEST_MAIN(FrmMainTest)
#include "frmmain_test.moc"
