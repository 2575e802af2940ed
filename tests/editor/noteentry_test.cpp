// SPDX-License-Identifier: GPL-3.0-or-later
// Note entry as one operation: typed keys, palette clicks and the piano
// keyboard place through the same step, each one undo step, without
// pretending to press the mouse; marks typed onto several selected notes, a
// double-click's dialog, slots that refuse a note, the P key and the palette
// after a blank page's bar lines are laid.
#include <QAction>
#include <QStatusBar>
#include <QToolButton>
#include <QtTest>

#include "edit/pageoperations.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/scorepaintbox.h"
#include "editor/pageview/toolpalette.h"
#include "editor/playing/frmkeyboard.h"
#include "editor/playing/playbackcontroller.h"
#include "mainwindowfixture.h"
#include "model/itemfactory.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/textbox.h"
#include "pageundertest.h"
#include "playback/capturemidiout.h"
#include "playback/forwardingmidiout.h"
#include "view/core/pagelayout.h"

using namespace sorvel;

namespace {

struct Page : testing::PageUnderTest {
    TUndo& undo() { return w.Workspace().undo; }
    QString status() { return w.statusBar()->currentMessage(); }
    QToolButton* button(const char* name) { return w.findChild<QToolButton*>(name); }
};

}  // namespace

class NoteEntryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void typedKeysPlaceWithoutAClickOnThePage() {
        MainWindowFixture f;
        f.window->show();
        Page p{*f.window};
        p.view().ShowKeyCursor(p.slot(1), p.row(2));
        int clicksEnded = 0;
        const auto ended = p.view().onPageClickEnded;
        p.view().onPageClickEnded = [&] {
            ++clicksEnded;
            if (ended) ended();
        };
        // A one-shot palette tool: the typed key drops the view's tool, yet
        // the palette button stays down, as no page click happened.
        QTest::mouseClick(p.button("btnNote_3"), Qt::LeftButton);
        const int steps = p.undo().UndoCount();
        p.type("5");
        QCOMPARE(clicksEnded, 0);
        QVERIFY(p.button("btnNote_3")->isChecked());
        QCOMPARE(p.view().Tool(), ckNone);
        QVERIFY(p.noteAt(p.slot(1), p.row(2)));
        QCOMPARE(p.noteAt(p.slot(1), p.row(2))->Content(), std::string("5"));
        QCOMPARE(p.undo().UndoCount(), steps + 1);
        QCOMPARE(p.view().KeyCursor(), (CursorPos{p.slot(2), p.row(2)}));

        // The same operation serves a click with the palette tool.
        QTest::mouseClick(p.button("btnNote_3"), Qt::LeftButton);
        p.click(p.slot(4), p.row(3));
        QCOMPARE(clicksEnded, 1);
        QCOMPARE(p.noteAt(p.slot(4), p.row(3))->Content(), std::string("3"));
        QCOMPARE(p.undo().UndoCount(), steps + 2);
        QCOMPARE(p.view().Tool(), ckNone);
    }

    void aTypedMarkGoesOnceOntoEachSelectedNote() {
        for (int count : {2, 3}) {
            MainWindowFixture f;
            f.window->show();
            Page p{*f.window};
            std::vector<TNote*> notes;
            for (int k = 0; k < count; ++k) {
                notes.push_back(p.add<TNote>(p.slot(1 + k), p.row(3), "5"));
            }
            p.view().SelectAll();
            const int steps = p.undo().UndoCount();
            p.type("9");
            for (TNote* note : notes) QCOMPARE(note->Futen(), 1);
            QCOMPARE(p.undo().UndoCount(), steps + 1);
            f.window->Undo();
            for (TNote* note : notes) QCOMPARE(note->Futen(), 0);

            // A bow mark: one mark on each note, all in one step.
            p.view().SelectAll();
            p.type("d");
            for (TNote* note : notes) QCOMPARE(note->LinkCount(), 1);
            QCOMPARE(p.undo().UndoCount(), steps + 1);
        }
    }

    void aDialogsDoubleClickSwallowsItsOwnPressOnly() {
        MainWindowFixture f;
        f.window->show();
        Page p{*f.window};
        TNote* note = p.add<TNote>(p.slot(3), p.row(1), "5");
        int dialogs = 0;
        p.view().onEditItem = [&](TMusicItem&) {
            ++dialogs;  // a dialog that was closed at once
            return false;
        };
        // The double-click as the widget receives it: a click, the second
        // press as a double-click, its release.
        QTest::mouseClick(&p.box(), Qt::LeftButton, {}, QPoint(note->PosX(), note->PosY()));
        QTest::mouseDClick(&p.box(), Qt::LeftButton, {}, QPoint(note->PosX(), note->PosY()));
        QTest::mouseRelease(&p.box(), Qt::LeftButton, {}, QPoint(note->PosX(), note->PosY()));
        QCOMPARE(dialogs, 1);
        QVERIFY(note->selected);
        // The next typed key reaches the selected note.
        p.type("9");
        QCOMPARE(note->Futen(), 1);
        // And the next real press is a press: it shows the key cursor.
        p.click(p.slot(5) + 1, p.row(1) + 1);
        QVERIFY(p.view().KeyCursorShown());
        p.type("3");
        QVERIFY(p.noteAt(p.slot(5), p.row(1)));

        // A double-click without a press after it (the view's own entry
        // point) leaves nothing waiting to eat a typed note.
        p.view().ShowKeyCursor(p.slot(7), p.row(1));
        p.view().SetCurrentItem(note);
        p.view().DoubleClick();
        QCOMPARE(dialogs, 2);
        p.type("4");
        QVERIFY(p.noteAt(p.slot(7), p.row(1)));
    }

    void aSlotUnderATextBoxRefusesTheNoteAndSaysSo() {
        MainWindowFixture f;
        f.window->show();
        Page p{*f.window};
        TTextBox* box = p.add<TTextBox>(p.slot(2) - 10, p.row(2), "O");
        {
            const UntrackedChanges asRead(&f.window->Workspace().undo);
            box->SetWidth(200);
        }
        p.view().Redraw();
        QVERIFY(p.view().HitTest(p.slot(3), p.row(2)) == box);
        p.view().ShowKeyCursor(p.slot(3), p.row(2));
        const int items = p.sheet().ItemCount();
        p.type("5");
        QCOMPARE(p.sheet().ItemCount(), items);
        QCOMPARE(p.view().KeyCursor(), (CursorPos{p.slot(3), p.row(2)}));  // it stays
        QCOMPARE(p.status(), QString::fromUtf8(kMsgCoveredByTextBox));
        // A free slot takes the next one.
        QTest::keyClick(&p.box(), Qt::Key_Down);
        p.type("5");
        QVERIFY(p.noteAt(p.slot(3), p.row(3)));
    }

    void pDropsTheTool() {
        MainWindowFixture f;
        f.window->show();
        Page p{*f.window};
        QTest::mouseClick(p.button("btnNote_5"), Qt::LeftButton);
        QCOMPARE(p.view().Tool(), ckNote);
        p.type("p");
        QCOMPARE(p.view().Tool(), ckNone);
    }

    // The key map is read off the keys printed under the palette's buttons:
    // every printed key, the two aliases and nothing else choose a tool.
    void theTypedKeysAreThePalettesPrintedKeys() {
        struct Expected {
            char key;
            TContentKind tool;
            const char* glyph;
            int pseudoKey;
        };
        const Expected expected[] = {
            {'0', ckNote, "0", 0},
            {'7', ckNote, "7", 0},
            {'8', ckNote, "8", 0},
            {'-', ckNote, "8", 0},
            {'9', ckFuten, "9", 0},
            {'/', ckBarLine, "c", 0},
            {'?', ckBarLine, "c", 0},
            {'d', ckBow, "P", 0},
            {'u', ckBow, "Q", 0},
            {'i', ckString, "R", 0},
            {'o', ckString, "S", 0},
            {'q', ckFingerNo, "T", 0},
            {'w', ckFingerNo, "U", 0},
            {'e', ckFingerNo, "V", 0},
            {'r', ckFingerNo, "W", 0},
            {'t', ckFingerNo, "X", 0},
            {'s', ckSlur, "Y", 0},
            {'z', ckNone, "", kKeyOctaveDown},
            {'x', ckNone, "", kKeyOctaveUp},
            {'c', ckNone, "", kKeyShorter},
            {'v', ckNone, "", kKeyLonger},
        };
        for (const Expected& e : expected) {
            const std::optional<TypedTool> chosen = ToolPalette::ToolOfTypedKey(e.key, false);
            QVERIFY2(chosen.has_value(), std::string(1, e.key).c_str());
            QCOMPARE(chosen->tool, e.tool);
            QCOMPARE(chosen->glyph, std::string(e.glyph));
            QCOMPARE(chosen->pseudoKey, e.pseudoKey);
        }
        QCOMPARE(ToolPalette::ToolOfTypedKey('q', true)->glyph, std::string("."));
        for (char key : {'a', 'b', 'f', 'p', 'y', ' ', '.', '='})
            QVERIFY2(!ToolPalette::ToolOfTypedKey(key, false), std::string(1, key).c_str());
    }

    void theKeyboardEntersOneStepWithoutTouchingTheMonitorSetting() {
        VirtualTimeSource clock;
        CaptureMidiOut capture{clock};
        MainWindowFixture f;
        PlaybackController* pc = FindPlaybackController(*f.window);
        PlaybackEngineOptions options;
        options.devices = [] { return std::vector<MidiOutEntry>{}; };
        options.clock = &clock;
        options.timerDriven = false;
        pc->SetEngine(options);
        pc->UseDevice(std::make_unique<ForwardingMidiOut>(capture));
        QCoreApplication::processEvents();
        Page p{*f.window};
        Preferences& prefs = f.window->Workspace().prefs;
        prefs.IsMonitorMode = true;
        std::vector<bool> monitorSeen;
        const auto changed = p.view().onStateChanged;
        p.view().onStateChanged = [&] {
            monitorSeen.push_back(prefs.IsMonitorMode);
            if (changed) changed();
        };
        p.view().ShowKeyCursor(p.slot(1), p.row(0));
        const int steps = p.undo().UndoCount();
        TfrmKeyBoard& keys = pc->KeyBoard();
        keys.show();
        QTest::mouseClick(&keys, Qt::LeftButton, {}, QPoint(24, 10));  // C sharp, two octaves down
        TNote* note = p.noteAt(p.slot(1), p.row(0));
        QVERIFY(note);
        QCOMPARE(note->Content(), std::string("1"));
        QCOMPARE(note->Octave(), -2);
        QCOMPARE(note->Rinji(), std::string("`"));
        QCOMPARE(p.undo().UndoCount(), steps + 1);
        QVERIFY(!monitorSeen.empty());
        for (bool on : monitorSeen) QVERIFY(on);
        // Only the keyboard's own sounding: no monitor note on channel index 3.
        for (const auto& m : capture.Messages()) {
            if (m.kind == CaptureMidiOut::Kind::kShort && !m.bytes.empty()) {
                QVERIFY((m.bytes[0] & 0x0F) != 3);
            }
        }
        f.window->Undo();
        QVERIFY(!p.noteAt(p.slot(1), p.row(0)));
        keys.hide();
    }

    void layingABlankPagesBarLinesReturnsThePaletteToTheArrow() {
        MainWindowFixture f;
        f.window->show();
        Page p{*f.window};
        ToolPalette& palette = f.window->Palette();
        QToolButton* five = p.button("btnNote_5");
        QTest::mouseClick(five, Qt::LeftButton);
        QTest::mouseDClick(five, Qt::LeftButton);
        QTest::mouseRelease(five, Qt::LeftButton);
        QVERIFY(palette.ToolSticky());
        QCOMPARE(p.view().Tool(), ckNote);
        Workspace& ws = f.window->Workspace();
        const auto toArrow = [&palette] { palette.PressNoTool(); };
        // A new page is empty before its bar lines are laid: the palette is
        // returned all the same.
        {
            UndoGroup group(ws.undo);
            AppendNewPage(*ws.book, ws.layout, ws.glyphs, toArrow);
        }
        QCOMPARE(p.view().Tool(), ckNone);
        QVERIFY(f.window->findChild<QToolButton*>("btnNone1")->isChecked());

        QTest::mouseClick(five, Qt::LeftButton);
        QTest::mouseDClick(five, Qt::LeftButton);
        QTest::mouseRelease(five, Qt::LeftButton);
        QCOMPARE(p.view().Tool(), ckNote);
        {
            UndoGroup group(ws.undo);
            InsertPageBeside(*ws.book, 1, true, ws.layout, ws.glyphs, toArrow);
        }
        QCOMPARE(p.view().Tool(), ckNone);

        // A page holding a note keeps its bar lines and the tool is dropped
        // only when a bar line or beat leads the page.
        int calls = 0;
        TMusicSheet& page = *ws.book->GetSheet(0);
        const UntrackedChanges asRead(&ws.undo);
        QVERIFY(PlaceBlankPageBarLines(page, [&] { ++calls; }));
        QCOMPARE(calls, 1);
    }
};

QTEST_MAIN(NoteEntryTest)
#include "noteentry_test.moc"
