// SPDX-License-Identifier: GPL-3.0-or-later
// Typing at the key cursor slot by slot: the octave, length, accidental, dot
// and mark keys act on the note just typed (not the empty slot after it),
// Backspace takes back what stands before the cursor, and marks from the
// palette never go onto rests of a selection.
#include <QAction>
#include <QStatusBar>
#include <QToolButton>
#include <QtTest>

#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/scorepaintbox.h"
#include "mainwindowfixture.h"
#include "model/itemfactory.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "pageundertest.h"
#include "view/core/pagelayout.h"

using namespace sorvel;

namespace {

// Places given as slot and row numbers.
struct Page : testing::PageUnderTest {
    int steps() { return w.Workspace().undo.UndoCount(); }
    TNote* noteAt(int k, int r) { return PageUnderTest::noteAt(slot(k), row(r)); }
    TNote* add(int k, int r, const char* digit) {
        return PageUnderTest::add<TNote>(slot(k), row(r), digit);
    }
};

}  // namespace

class SlotTypingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theKeysAfterADigitActOnTheNoteJustTyped() {
        MainWindowFixture f;
        f.window->show();
        Page p{*f.window};
        p.view().ShowKeyCursor(p.slot(1), p.row(2));
        p.type("5");
        const int typed = p.steps();
        p.type("x c # 9 d");
        TNote* five = p.noteAt(1, 2);
        QVERIFY(five);
        QCOMPARE(five->Octave(), 1);
        QCOMPARE(five->Length(), 1);
        QCOMPARE(five->Rinji(), std::string("`"));
        QCOMPARE(five->Futen(), 1);
        QCOMPARE(five->LinkCount(), 1);  // the bowing
        QCOMPARE(p.steps(), typed + 5);  // one step each
        QCOMPARE(p.view().KeyCursor(), (CursorPos{p.slot(2), p.row(2)}));
        // The next digit goes on after it; a key then acts on that one.
        p.type("3 z");
        QCOMPARE(p.noteAt(2, 2)->Octave(), -1);
        QCOMPARE(five->Octave(), 1);
        // Once the cursor moved, the keys act on the note at the cursor again.
        QTest::keyClick(&p.box(), Qt::Key_Left);
        QTest::keyClick(&p.box(), Qt::Key_Left);
        p.type("x");
        QCOMPARE(five->Octave(), 2);
        // Undone, the note typed before is no longer the one just typed.
        p.view().ShowKeyCursor(p.slot(5), p.row(2));
        p.type("6");
        f.window->Undo();
        p.type("x");
        QVERIFY(!p.noteAt(5, 2));
    }

    void backspaceTakesBackTheSlotBeforeTheCursor() {
        MainWindowFixture f;
        f.window->show();
        Page p{*f.window};
        p.view().ShowKeyCursor(p.slot(1), p.row(2));
        p.type("1 2 3 d");
        QTest::keyClick(&p.box(), Qt::Key_Backspace);
        QVERIFY(!p.noteAt(3, 2));
        int marks = 0;
        for (int i = 0; i < p.sheet().ItemCount(); ++i) marks += !p.sheet().GetItem(i)->IsSymbol();
        QCOMPARE(marks, 0);  // the bowing went with its note
        QCOMPARE(p.view().KeyCursor(), (CursorPos{p.slot(3), p.row(2)}));
        QTest::keyClick(&p.box(), Qt::Key_Backspace);
        QVERIFY(!p.noteAt(2, 2));
        p.type("5");
        QCOMPARE(p.noteAt(2, 2)->Content(), std::string("5"));
        QVERIFY(p.noteAt(1, 2));
        // An empty slot: the cursor only steps back.
        p.view().ShowKeyCursor(p.slot(8), p.row(2));
        const int steps = p.steps();
        QTest::keyClick(&p.box(), Qt::Key_Backspace);
        QCOMPARE(p.steps(), steps);
        QCOMPARE(p.view().KeyCursor(), (CursorPos{p.slot(7), p.row(2)}));
    }

    // Ctrl+A, Ctrl+T, then the palette's sharp clicked onto one note: the
    // Parts put it on every selected note, but never on a rest.
    void aPaletteMarkOnASelectionPassesItsRests() {
        MainWindowFixture f;
        f.window->show();
        Page p{*f.window};
        TNote* one = p.add(1, 2, "1");
        TNote* rest = p.add(3, 2, "0");
        TNote* three = p.add(5, 2, "3");
        f.window->ActionListUpdate();
        f.window->Action("actAllSelect")->trigger();
        f.window->Action("actLenAutoSet")->trigger();
        QVERIFY(three->selected);
        QTest::mouseClick(f.window->findChild<QToolButton*>("btnRinji_2"), Qt::LeftButton);
        QTest::mouseClick(&p.box(), Qt::LeftButton, {}, QPoint(p.slot(5), p.row(2)));
        QCOMPARE(three->Rinji(), std::string("`"));
        QCOMPARE(one->Rinji(), std::string("`"));
        QCOMPARE(rest->Rinji(), std::string());
        // A rest alone refuses the accidental and says why.
        f.window->Action("actAllSelect")->trigger();
        p.view().ClearSelection();
        QTest::mouseClick(f.window->findChild<QToolButton*>("btnRinji_2"), Qt::LeftButton);
        QTest::mouseClick(&p.box(), Qt::LeftButton, {}, QPoint(p.slot(3), p.row(2)));
        QCOMPARE(rest->Rinji(), std::string());
        QCOMPARE(f.window->statusBar()->currentMessage(),
                 QString::fromUtf8("この記号は休符には付けられません。"));
    }
};

QTEST_MAIN(SlotTypingTest)
#include "slottyping_test.moc"
