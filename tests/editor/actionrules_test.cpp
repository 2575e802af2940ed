// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of when the window's actions apply, each given with its command:
// undo and redo follow the history, clearing a check follows its marks, the
// page bar follows the page shown, and nothing that replaces the book or
// removes a page applies while it plays. Every action of the menus and bars
// is bound to exactly one command.
#include <QtTest>
#include <stdexcept>

#include "editor/document/editordocument.h"
#include "editor/document/transaction.h"
#include "editor/mainwindow/actiontable.h"
#include "editor/mainwindow/filecommands.h"
#include "editor/mainwindow/pagecommands.h"
#include "editor/practice/checkcommands.h"
#include "mainwindowfixture.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "practice/writtennotes.h"

using namespace sorvel;

namespace {

bool Enabled(TfrmMain& w, const char* name) {
    w.ActionListUpdate();
    return w.Action(name)->isEnabled();
}

// The names of every action the menus and bars show.
QStringList TableActions() {
    QStringList names;
    for (const MenuEntry& menu : MainMenuTable())
        for (const ActionEntry& entry : menu.items)
            if (QString(entry.name) != kReopenMenu) names << entry.name;
    for (const ActionEntry& entry : PageBarTable()) names << entry.name;
    for (const ToolButtonEntry& entry : ToolBarTable()) names << entry.action;
    names.removeDuplicates();
    return names;
}

}  // namespace

class ActionRulesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void undoAndRedoFollowTheHistory() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        QVERIFY(!Enabled(w, "actUndo"));
        QVERIFY(!Enabled(w, "actRedo"));
        TMusicSheet* page = w.Book().GetSheet(0);
        w.Document().Edit("title", [&](Transaction&) { page->SetTitle("x"); });
        QVERIFY(Enabled(w, "actUndo"));
        QVERIFY(!Enabled(w, "actRedo"));
        w.Action("actUndo")->trigger();
        QVERIFY(!Enabled(w, "actUndo"));
        QVERIFY(Enabled(w, "actRedo"));
        w.Action("actRedo")->trigger();
        QVERIFY(Enabled(w, "actUndo"));
        QVERIFY(!Enabled(w, "actRedo"));
    }

    // The clearing command applies only while marks are shown, and follows
    // them without a further event: shown, it runs at once.
    void clearingACheckAppliesWhileMarksAreShown() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        QVERIFY(w.Files().OpenPath(SORVEL_EXAMPLES_DIR "/demo.svl"));
        CheckCommands& check = *FindCheckCommands(w);
        QVERIFY(!Enabled(w, "actClearCheck"));
        UserText error;
        const std::vector<practice::WrittenNote> written =
            practice::WrittenNotesOf(w.Book(), 0, &error);
        QVERIFY(!written.empty());
        practice::TakeCheck take;
        practice::CheckedNote note;
        note.status = practice::NoteStatus::kOk;
        note.written = written.front();
        take.notes.push_back(note);
        check.ShowCheck(take);
        QVERIFY(w.Action("actClearCheck")->isEnabled());
        w.Action("actClearCheck")->trigger();
        QVERIFY(check.Overlay().Empty());
        QVERIFY(!Enabled(w, "actClearCheck"));
        // Marks of a check under way count too; an edit takes them away.
        check.ShowMarks(take);
        QVERIFY(Enabled(w, "actClearCheck"));
        TMusicSheet* page = w.Book().GetSheet(0);
        w.Document().Edit("title", [&](Transaction&) { page->SetTitle("x"); });
        QVERIFY(!Enabled(w, "actClearCheck"));
    }

    void thePageBarFollowsThePageShown() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        const char* toStart[] = {"actFirstPage", "actPriorPage"};
        const char* toEnd[] = {"actNextPage", "actLastPage"};
        // One page: nowhere to go, and the last page stays.
        for (const char* name : toStart) QVERIFY2(!Enabled(w, name), name);
        for (const char* name : toEnd) QVERIFY2(!Enabled(w, name), name);
        QVERIFY(!Enabled(w, "actDeletePage"));
        w.Action("actNewSeet")->trigger();
        w.Action("actNewSeet")->trigger();
        QCOMPARE(w.Book().SheetCount(), 3);
        QCOMPARE(w.PageNo(), 3);
        for (const char* name : toStart) QVERIFY2(Enabled(w, name), name);
        for (const char* name : toEnd) QVERIFY2(!Enabled(w, name), name);
        QVERIFY(Enabled(w, "actDeletePage"));
        w.Action("actPriorPage")->trigger();
        for (const char* name : toStart) QVERIFY2(Enabled(w, name), name);
        for (const char* name : toEnd) QVERIFY2(Enabled(w, name), name);
        w.Action("actFirstPage")->trigger();
        QCOMPARE(w.PageNo(), 1);
        for (const char* name : toStart) QVERIFY2(!Enabled(w, name), name);
        for (const char* name : toEnd) QVERIFY2(Enabled(w, name), name);
    }

    // While the book plays no other book comes and no page goes; the
    // commands that only read it stay.
    void playingHoldsTheBook() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        w.Action("actNewSeet")->trigger();
        const char* held[] = {"actNewBook",         "actOpen",           "actNewSeet",
                              "actDeletePage",      "actImportMusicXml", "actTranscribeFile",
                              "actRecordTranscribe"};
        for (const char* name : held) QVERIFY2(Enabled(w, name), name);
        w.SetPlaying(true);
        for (const char* name : held) QVERIFY2(!Enabled(w, name), name);
        QVERIFY(Enabled(w, "actExportMusicXml"));
        QVERIFY(Enabled(w, "actFirstPage"));
        w.SetPlaying(false);
        for (const char* name : held) QVERIFY2(Enabled(w, name), name);
    }

    // Each action of the menus and bars has its command, and a second
    // binding of any of them is refused: one trigger runs one command.
    void everyActionIsBoundExactlyOnce() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        QVERIFY2(w.UnboundActions().isEmpty(), qPrintable(w.UnboundActions().join(", ")));
        int ran = 0;
        for (const QString& name : TableActions()) {
            QVERIFY2(w.Action(name), qPrintable(name));
            if (name == "actMovePage") continue;  // hidden, without a command
            bool refused = false;
            try {
                w.BindCommand(name, [&ran] { ++ran; });
            } catch (const std::logic_error&) {
                refused = true;
            }
            QVERIFY2(refused, qPrintable(name));
        }
        w.Action("actAllSelect")->trigger();
        QCOMPARE(ran, 0);
    }
};

QTEST_MAIN(ActionRulesTest)
#include "actionrules_test.moc"
