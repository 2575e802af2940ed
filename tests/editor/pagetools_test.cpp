// SPDX-License-Identifier: GPL-3.0-or-later
// The page's tools own its keys and its mouse: a typed note in rhythm entry is
// one transaction and one notification of the document, the run after undo
// and redo comes from the step, Esc drops a floating paste, keys meant for a
// text field, a shortcut or another window's entry are routed as before, and
// the tool that took a press keeps its moves and release.
#include <QAction>
#include <QDockWidget>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

#include "editor/document/editordocument.h"
#include "editor/mainwindow/rhythmcommands.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/scorepaintbox.h"
#include "editor/pageview/tools/rhythmentrytool.h"
#include "mainwindowfixture.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/undo.h"
#include "pageundertest.h"

using namespace sorvel;

namespace {

struct Window {
    MainWindowFixture f;
    testing::PageUnderTest p{*f.window};
    TfrmMain& w() { return *f.window; }
    TUndo& undo() { return w().Workspace().undo; }
    void startRhythmEntry() {
        w().Action("actRhythmEntry")->trigger();
        p.click(p.slot(1), p.row(1));
    }
    void trigger(const char* action) {
        w().ActionListUpdate();
        QAction* a = w().Action(action);
        QVERIFY(a && a->isEnabled());
        a->trigger();
    }
    int notesOnRow(int r) {
        int n = 0;
        for (int i = 0; i < p.sheet().ItemCount(); ++i) {
            const TMusicItem* item = p.sheet().GetItem(i);
            n += item->As<TNote>() && item->PosY() == p.row(r);
        }
        return n;
    }
};

}  // namespace

class PageToolsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aTypedNoteIsOneTransactionAndOneNotification() {
        Window t;
        t.startRhythmEntry();
        RhythmCommands* family = RhythmCommands::Of(t.w());
        QVERIFY(family);
        QCOMPARE(t.p.view().ActiveTool(), &family->Tool());
        QSignalSpy changed(&t.w().Document(), &EditorDocument::changed);
        const int steps = t.undo().UndoCount();
        t.p.type("5");
        QCOMPARE(changed.count(), 1);
        QCOMPARE(t.undo().UndoCount(), steps + 1);
        QCOMPARE(t.undo().UndoLabel(), std::string("rhythm entry"));
        QVERIFY(t.p.noteAt(t.p.slot(1), t.p.row(1)));
        // A key that changes only the run (a grace note armed) records nothing.
        changed.clear();
        t.p.type("g");
        QCOMPARE(changed.count(), 0);
        QCOMPARE(t.undo().UndoCount(), steps + 1);
        // Leaving the entry hands the page's keys back to key entry: the
        // digit places the palette's note at the cursor, one step again.
        t.w().Action("actRhythmEntry")->trigger();
        QCOMPARE(t.p.view().ActiveTool(), nullptr);
        t.p.type("3");
        QCOMPARE(changed.count(), 1);
        QCOMPARE(t.undo().UndoCount(), steps + 2);
        QCOMPARE(t.undo().UndoLabel() == "rhythm entry", false);
    }

    void theRunAfterUndoAndRedoComesFromTheStep() {
        Window t;
        t.startRhythmEntry();
        QList<int> cursorAfter;
        QList<long> states;
        for (char key : {'1', '2', '3'}) {
            QTest::keyClick(&t.p.box(), key);
            // The step just made carries the run it leaves.
            states << t.undo().StateId();
            QVERIFY(t.undo().MemoOf(states.back()));
            cursorAfter << t.p.view().KeyCursor().x;
        }
        t.w().Undo();
        t.w().Undo();
        QCOMPARE(t.p.view().KeyCursor().x, cursorAfter[0]);
        t.w().Redo();
        QCOMPARE(t.p.view().KeyCursor().x, cursorAfter[1]);
        // The run goes on from there: the next digit takes the third place.
        t.p.type("5");
        QCOMPARE(t.notesOnRow(1), 3);
        QCOMPARE(t.p.noteAt(cursorAfter[1], t.p.row(1))->Content(), std::string("5"));
        QCOMPARE(t.p.view().KeyCursor().x, cursorAfter[2]);
        // The redo step the new note replaced left with its run.
        QCOMPARE(t.undo().MemoOf(states[2]), nullptr);
        QVERIFY(t.undo().MemoOf(states[1]));
    }

    void escDropsAFloatingPaste() {
        Window t;
        t.w().show();
        TNote* note = t.p.add<TNote>(t.p.slot(2), t.p.row(2), "5");
        t.p.click(note->PosX(), note->PosY());
        t.trigger("actCopy");
        const int items = t.p.sheet().ItemCount();
        auto* dock = new QDockWidget(&t.w());
        auto* field = new QLineEdit(dock);
        dock->setWidget(field);
        t.w().addDockWidget(Qt::RightDockWidgetArea, dock);
        t.trigger("actPaste");
        QCOMPARE(t.p.view().Tool(), ckCopy);
        // A digit in the dock's field is the field's.
        QTest::keyClick(field, '5');
        QCOMPARE(t.p.view().Tool(), ckCopy);
        QCOMPARE(field->text(), QString("5"));
        QTest::keyClick(&t.p.box(), Qt::Key_Escape);
        QCOMPARE(t.p.view().Tool(), ckNone);
        // Nothing was pasted: a click now only selects.
        t.p.click(t.p.slot(6), t.p.row(4));
        QCOMPARE(t.p.sheet().ItemCount(), items);
    }

    void aTextFieldKeepsItsDigitsInRhythmEntry() {
        Window t;
        t.w().show();
        t.startRhythmEntry();
        auto* dock = new QDockWidget(&t.w());
        auto* field = new QLineEdit(dock);
        dock->setWidget(field);
        t.w().addDockWidget(Qt::RightDockWidgetArea, dock);
        const int steps = t.undo().UndoCount();
        QTest::keyClicks(field, "123");
        QCOMPARE(field->text(), QString("123"));
        QCOMPARE(t.undo().UndoCount(), steps);
        QCOMPARE(t.notesOnRow(1), 0);
    }

    void shortcutsPassAndOtherWindowsTypeThroughTheTool() {
        Window t;
        t.startRhythmEntry();
        const int steps = t.undo().UndoCount();
        QTest::keyClick(&t.p.box(), '5', Qt::ControlModifier);
        QTest::keyClick(&t.p.box(), '5', Qt::AltModifier);
        QCOMPARE(t.undo().UndoCount(), steps);
        // The piano keyboard's window types through the window's entry.
        QVERIFY(t.w().KeyPress(QChar('6')));
        QCOMPARE(t.undo().UndoCount(), steps + 1);
        QCOMPARE(t.p.noteAt(t.p.slot(1), t.p.row(1))->Content(), std::string("6"));
        // A key going down alone never types: Backspace takes the note back.
        QVERIFY(!t.w().KeyDown(Qt::Key_F5, Qt::NoModifier));
        QVERIFY(t.w().KeyDown(Qt::Key_Backspace, Qt::NoModifier));
        QCOMPARE(t.notesOnRow(1), 0);
    }

    // A key that chooses a tool while a rubber band is drawn does not take
    // the release from it: the band still selects what it encloses.
    void theToolThatTookThePressKeepsTheRelease() {
        Window t;
        TNote* a = t.p.add<TNote>(t.p.slot(1), t.p.row(4), "1");
        TNote* b = t.p.add<TNote>(t.p.slot(2), t.p.row(4), "2");
        TMusicPaintBox& v = t.p.view();
        v.MouseDown(Qt::LeftButton, {}, t.p.slot(0) + 3, t.p.row(4) - 40);
        QVERIFY(v.PressHeld());
        v.MouseMove(t.p.slot(3) - 3, t.p.row(4) + 40);
        v.SetTool(ckNote);
        v.SetToolGlyph("5");
        v.MouseUp(t.p.slot(3) - 3, t.p.row(4) + 40);
        QVERIFY(!v.PressHeld());
        QCOMPARE(v.Selection().size(), size_t{2});
        QVERIFY(a->selected && b->selected);
        // The next press belongs to the chosen tool: it places a note, and
        // the move with the button still held drags nothing.
        const int steps = t.undo().UndoCount();
        v.MouseDown(Qt::LeftButton, {}, t.p.slot(6), t.p.row(6));
        v.MouseMove(t.p.slot(9), t.p.row(7));
        v.MouseUp(t.p.slot(9), t.p.row(7));
        QCOMPARE(t.undo().UndoCount(), steps + 1);
        QVERIFY(t.p.noteAt(t.p.slot(6), t.p.row(6)));
        QVERIFY(!t.p.noteAt(t.p.slot(9), t.p.row(7)));
        QCOMPARE(a->PosX(), t.p.slot(1));
    }

    // With a tool chosen the glyph floats where the mouse goes; with none a
    // move only looks for a grip.
    void idleMovesFloatTheChosenTool() {
        Window t;
        TMusicPaintBox& v = t.p.view();
        v.MouseMove(t.p.slot(4) + 2, t.p.row(3) + 3);
        QVERIFY(!v.FloatingShown());
        v.SetTool(ckNote);
        v.SetToolGlyph("5");
        v.MouseMove(t.p.slot(4) + 2, t.p.row(3) + 3);
        QVERIFY(v.FloatingShown());
        QCOMPARE(v.KeyCursor().x, t.p.slot(4));
        QCOMPARE(v.KeyCursor().y, t.p.row(3));
        QVERIFY(!t.p.noteAt(t.p.slot(4), t.p.row(3)));
    }
};

QTEST_MAIN(PageToolsTest)
#include "pagetools_test.moc"
