// SPDX-License-Identifier: GPL-3.0-or-later
// Writing music on the page view: typing at the key cursor, palette tools
// one-shot and sticky, marks on notes, selection, dragging, rubber band, and
// undo of each action back to the exact page.
#include <QToolButton>
#include <QtTest>

#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/scorepaintbox.h"
#include "editor/pageview/toolpalette.h"
#include "mainwindowfixture.h"
#include "model/itemfactory.h"
#include "model/musicbook.h"
#include "model/musicmark.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/scorefile.h"
#include "pageundertest.h"
#include "view/core/pagelayout.h"

using namespace sorvel;

namespace {

struct Page : testing::PageUnderTest {
    TNote* addNote(int x, int y, const char* digit) { return add<TNote>(x, y, digit); }
    QByteArray text() { return QByteArray::fromStdString(SaveBookToFileBytes(w.Book())); }
    QToolButton* button(const char* name) { return w.findChild<QToolButton*>(name); }
};

}  // namespace

class PageInteractionTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void typingAtTheKeyCursorWritesAMelody() {
        MainWindowFixture f;
        f.window->show();
        Page p{*f.window};
        const QByteArray blank = p.text();
        // A click close to the first slot of row 0 shows the key cursor there.
        p.click(p.slot(0) + 2, p.row(0) - 3);
        QVERIFY(p.view().KeyCursorShown());
        QCOMPARE(p.view().KeyCursor(), (CursorPos{p.slot(0), p.row(0)}));
        p.type("123/56");
        // The cursor skips the first slot's start and the bar line at slot 9.
        const char* digits[] = {"1", "2", "3"};
        for (int k = 0; k < 3; ++k) {
            TNote* note = p.noteAt(p.slot(k), p.row(0));
            QVERIFY2(note, digits[k]);
            QCOMPARE(note->Content(), std::string(digits[k]));
        }
        TMusicItem* bar = p.at(p.slot(3), p.row(0));
        QVERIFY(bar && bar->Class() == ItemClass::BarLine);
        QCOMPARE(bar->Content(), std::string("c"));
        QCOMPARE(p.noteAt(p.slot(4), p.row(0))->Content(), std::string("5"));
        QCOMPARE(p.noteAt(p.slot(5), p.row(0))->Content(), std::string("6"));
        QCOMPARE(p.view().KeyCursor(), (CursorPos{p.slot(6), p.row(0)}));

        // Octave and length keys act on the note under the cursor.
        QTest::keyClick(&p.box(), Qt::Key_Left);
        p.type("xc");
        QCOMPARE(p.noteAt(p.slot(5), p.row(0))->Octave(), 1);
        QCOMPARE(p.noteAt(p.slot(5), p.row(0))->Length(), 1);

        // Every typed step undoes on its own, back to the blank page.
        while (f.window->Workspace().undo.CanUndo()) f.window->Undo();
        QCOMPARE(p.text(), blank);
    }

    void clicksLandOnTheSameSlotsAtEveryZoom() {
        for (int zoom : {50, 150, 400}) {
            MainWindowFixture f;
            f.window->show();
            f.window->SetZoom(zoom);
            Page p{*f.window};
            const qreal s = zoom / 100.0;
            QTest::mouseClick(&p.box(), Qt::LeftButton, {},
                              QPoint(qRound((p.slot(2) + 1) * s), qRound((p.row(1) + 2) * s)));
            QVERIFY2(p.view().KeyCursorShown(), qPrintable(QString::number(zoom)));
            QCOMPARE(p.view().KeyCursor(), (CursorPos{p.slot(2), p.row(1)}));
            p.type("5");
            QVERIFY(p.noteAt(p.slot(2), p.row(1)));
        }
    }

    void aClickFarFromASlotShowsNoCursor() {
        MainWindowFixture f;
        Page p{*f.window};
        p.click(p.slot(0) + p.layout().SlotX(1) / 2, p.row(0) + 20);
        QVERIFY(!p.view().KeyCursorShown());
    }

    void paletteToolsAreOneShotUnlessDoubleClicked() {
        MainWindowFixture f;
        f.window->show();
        Page p{*f.window};
        QToolButton* five = p.button("btnNote_5");
        QVERIFY(five);
        QTest::mouseClick(five, Qt::LeftButton);
        QCOMPARE(p.view().Tool(), ckNote);
        p.click(p.slot(1), p.row(1));
        QVERIFY(p.noteAt(p.slot(1), p.row(1)));
        QCOMPARE(p.noteAt(p.slot(1), p.row(1))->Content(), std::string("5"));
        QCOMPARE(p.view().Tool(), ckNone);  // dropped after one placement

        // A double-click as the window system delivers it: a click, then
        // the second press as a double-click, then its release.
        QTest::mouseClick(five, Qt::LeftButton);
        QTest::mouseDClick(five, Qt::LeftButton);
        QTest::mouseRelease(five, Qt::LeftButton);
        QVERIFY(f.window->Palette().ToolSticky());
        QCOMPARE(p.view().Tool(), ckNote);
        p.click(p.slot(2), p.row(1));
        p.click(p.slot(3), p.row(1));
        QCOMPARE(p.view().Tool(), ckNote);
        QVERIFY(p.noteAt(p.slot(2), p.row(1)) && p.noteAt(p.slot(3), p.row(1)));
        QTest::keyClick(&p.box(), Qt::Key_Escape);
        QCOMPARE(p.view().Tool(), ckNone);
    }

    void marksOnNotesReplaceTheirKindAndPairWithTheRightButton() {
        MainWindowFixture f;
        f.window->show();
        Page p{*f.window};
        TNote* note = p.addNote(p.slot(2), p.row(2), "3");
        // A dynamic twice: the second replaces the first.
        f.window->Palette().setCurrentWidget(f.window->findChild<QWidget*>("tabPF"));
        QTest::mouseClick(p.button("btnSign_64"), Qt::LeftButton);
        p.click(note->PosX(), note->PosY());
        QCOMPARE(note->LinkCount(), 1);
        QTest::mouseClick(p.button("btnSign_65"), Qt::LeftButton);
        p.click(note->PosX(), note->PosY());
        QCOMPARE(note->LinkCount(), 1);
        QCOMPARE(note->GetLink(0)->Content(), std::string("A"));
        QVERIFY(note->GetLink(0)->IsLinkedTo(note));

        // The right button with the bow "P" places its partner "Q".
        f.window->Palette().setCurrentIndex(0);
        QTest::mouseClick(p.button("btnSign_80"), Qt::LeftButton);
        p.click(note->PosX(), note->PosY(), Qt::RightButton);
        QCOMPARE(note->LinkCount(), 2);
        QCOMPARE(note->GetLink(1)->Content(), std::string("Q"));
        // Marks sit above the note by the glyph's offset rate.
        QVERIFY(note->GetLink(1)->PosY() < note->PosY());
        QCOMPARE(note->GetLink(1)->PosX(), note->PosX());
    }

    void slurEndsFollowTheButtons() {
        MainWindowFixture f;
        Page p{*f.window};
        TNote* first = p.addNote(p.slot(1), p.row(3), "1");
        p.addNote(p.slot(2), p.row(3), "8");  // a sustain dash does not count
        p.addNote(p.slot(3), p.row(3), "2");
        TMusicItem* bar = nullptr;
        {
            f.window->Workspace().undo.BeginGroup();
            bar = CreateItem<TBarLine>(p.sheet());
            bar->SetContent("c");
            bar->SetPosX(p.slot(4));
            bar->SetPosY(p.row(3));
            f.window->Workspace().undo.EndGroup();
        }
        p.addNote(p.slot(5), p.row(3), "3");
        p.addNote(p.slot(1), p.row(4), "4");
        QCOMPARE(p.view().SlurEnd(*first, 1, false), p.slot(3));
        QCOMPARE(p.view().SlurEnd(*first, 2, false), p.slot(5));
        // A triplet stops one slot before the bar line.
        QCOMPARE(p.view().SlurEnd(*first, 2, true), p.slot(4) - p.layout().SlotX(1) + p.slot(0));
        // Past the row's end a span ends at the right margin.
        QCOMPARE(p.view().SlurEnd(*first, 5, false), p.sheet().PageWidth - p.sheet().RightSpace());
    }

    void selectionDragAndRubberBand() {
        MainWindowFixture f;
        Page p{*f.window};
        TNote* a = p.addNote(p.slot(1), p.row(4), "1");
        TNote* b = p.addNote(p.slot(2), p.row(4), "2");
        const QByteArray before = p.text();

        // A rubber band around both selects both.
        TMusicPaintBox& v = p.view();
        v.MouseDown(Qt::LeftButton, {}, p.slot(0) + 3, p.row(4) - 40);
        v.MouseMove(p.slot(3) - 3, p.row(4) + 40);
        v.MouseUp(p.slot(3) - 3, p.row(4) + 40);
        QCOMPARE(v.Selection().size(), size_t{2});
        QVERIFY(a->selected && b->selected);

        // Dragging a selected item moves the whole selection by whole slots
        // and rows.
        const int grid = p.sheet().GridSize();
        v.MouseDown(Qt::LeftButton, {}, a->PosX(), a->PosY());
        v.MouseMove(a->PosX() + 2 * grid + 3, a->PosY() + p.sheet().RowInterval() + 5);
        v.MouseUp(a->PosX() + 2 * grid + 3, a->PosY() + p.sheet().RowInterval() + 5);
        QCOMPARE(a->PosX(), p.slot(3));
        QCOMPARE(b->PosX(), p.slot(4));
        QCOMPARE(a->PosY(), p.row(5));
        f.window->Undo();
        QCOMPARE(p.text(), before);

        // Clicking an unselected item makes it the only selection.
        v.MouseDown(Qt::LeftButton, {}, b->PosX(), b->PosY());
        v.MouseUp(b->PosX(), b->PosY());
        QCOMPARE(v.Selection().size(), size_t{1});
        QVERIFY(!a->selected);
        // Shift toggles it off again.
        v.MouseDown(Qt::LeftButton, Qt::ShiftModifier, b->PosX(), b->PosY());
        v.MouseUp(b->PosX(), b->PosY());
        QVERIFY(v.Selection().empty());
    }

    void selectedNotesTakeTypedKeys() {
        MainWindowFixture f;
        f.window->show();
        Page p{*f.window};
        TNote* a = p.addNote(p.slot(1), p.row(6), "1");
        TNote* dash = p.addNote(p.slot(2), p.row(6), "8");
        p.view().SelectAll();
        p.type("x");
        QCOMPARE(a->Octave(), 1);
        QCOMPARE(dash->Octave(), 0);  // a sustain dash keeps its octave
        // Lowering a length of 0 leaves it.
        QTest::keyClick(&p.box(), Qt::Key_Right);
        QCOMPARE(a->Length(), 0);
        QTest::keyClick(&p.box(), Qt::Key_Delete);
        QCOMPARE(p.at(p.slot(1), p.row(6)), nullptr);
    }

    void pixelHitTestsFindCurvesNotTheirEmptyMiddle() {
        MainWindowFixture f;
        Page p{*f.window};
        f.window->Workspace().undo.BeginGroup();
        TMusicItem* slur = CreateItem<TSlur>(p.sheet());
        slur->SetContent("Y");
        slur->SetPosX(p.slot(2));
        slur->SetPosY(p.row(1) - 40);
        slur->SetWidth(200);
        f.window->Workspace().undo.EndGroup();
        p.view().Redraw();
        // Somewhere along its curve the slur is hit; well below it nothing is.
        bool hitSomewhere = false;
        for (int dy = -30; dy <= 30 && !hitSomewhere; ++dy) {
            hitSomewhere = p.view().HitTest(slur->PosX() + 100, slur->PosY() + dy) == slur;
        }
        QVERIFY(hitSomewhere);
        QCOMPARE(p.view().HitTest(slur->PosX() + 100, slur->PosY() + 60), nullptr);
    }
};

QTEST_MAIN(PageInteractionTest)
#include "pageinteraction_test.moc"
