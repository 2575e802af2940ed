// SPDX-License-Identifier: GPL-3.0-or-later
// Rhythm entry in the window: Ctrl+R's entry in the Tools menu, a click
// anywhere on a row, typed keys that fill bars by time, one undo step a key,
// marks on the note just typed, typing on after playback turned the page,
// and the setting kept across sessions.
#include <QAction>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolButton>
#include <QtTest>

#include "editor/mainwindow/pagecommands.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/scorepaintbox.h"
#include "mainwindowfixture.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "pageundertest.h"
#include "playback/conversion/buildsequence.h"
#include "playback/conversion/keyoffset.h"
#include "playback/rcpdata.h"
#include "playbackrig.h"
#include "view/core/pagelayout.h"

using namespace sorvel;

namespace {

struct Page : testing::PageUnderTest {
    // "5@10 len1" for each symbol of row `r` in slot order (row 0 holds a
    // new page's bar lines), on the page shown or on `on`.
    QStringList symbols(int r = 1) { return symbolsOn(sheet(), r); }
    QStringList symbolsOn(TMusicSheet& on, int r) {
        QList<QPair<int, QString>> found;
        for (int i = 0; i < on.ItemCount(); ++i) {
            const TMusicItem* item = on.GetItem(i);
            if (!item->IsSymbol() || item->PosY() != row(r)) continue;
            const int k = (item->PosX() - slot(0)) / (slot(1) - slot(0));
            QString text = QString("%1@%2").arg(QString::fromStdString(item->Content())).arg(k);
            if (const TNote* note = item->As<TNote>(); note && note->Length() > 0) {
                text += QString(" len%1").arg(note->Length());
            }
            found.append({k, text});
        }
        std::sort(found.begin(), found.end());
        QStringList out;
        for (const auto& f : found) out << f.second;
        return out;
    }
};

}  // namespace

class RhythmEntryTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void typedMelodyFillsTwoBarsLaidOutLikeAnImport() {
        MainWindowFixture f;
        Page p{*f.window};
        QAction* mode = f.window->Action("actRhythmEntry");
        QVERIFY(mode && mode->isCheckable() && !mode->isChecked());
        QCOMPARE(mode->shortcut(), QKeySequence("Ctrl+R"));
        mode->trigger();
        auto* label = f.window->findChild<QLabel*>("lblRhythmEntry");
        QVERIFY(label && !label->isHidden());
        QCOMPARE(label->text(), QString::fromUtf8("リズム入力: 4分音符"));
        // Not close to any slot: the mode still puts the cursor at the nearest.
        QTest::mouseClick(&p.box(), Qt::LeftButton, {}, QPoint(p.slot(0) + 9, p.row(1) + 30));
        QVERIFY(f.window->View().KeyCursorShown());
        p.type("1 2 3 4 5 c 5 6 v 5 -");
        const QStringList expected = {"1@1",       "2@3",  "3@5",  "4@7",  "c@9", "5@10 len1",
                                      "5@11 len1", "6@12", "5@14", "8@16", "c@18"};
        QCOMPARE(p.symbols(), expected);
        QCOMPARE(f.window->View().KeyCursor().x, p.slot(19));
        // One undo step a key: the dash, then the last 5, …
        const int steps = f.window->Workspace().undo.UndoCount();
        QCOMPARE(steps, 11);
        f.window->Undo();
        QCOMPARE(p.symbols().size(), 9);                       // no dash, no second bar line
        QCOMPARE(f.window->View().KeyCursor().x, p.slot(16));  // where the dash was
        f.window->Undo();
        QCOMPARE(p.symbols().size(), 8);
        // Typing goes on where the run was left.
        p.type("5 -");
        QCOMPARE(p.symbols(), expected);
    }

    void theTypedMelodyPlaysAsTyped() {
        MainWindowFixture f;
        Page p{*f.window};
        f.window->Action("actRhythmEntry")->trigger();
        QTest::mouseClick(&p.box(), Qt::LeftButton, {}, QPoint(p.slot(1), p.row(1)));
        p.type("1 2 3 4 5 c 5 6 v 5 -");
        TRcpData data;
        data.SetStartupValues();
        const BuildResult built = BuildSequence(data, p.sheet(), nullptr, nullptr, PlayOptions{},
                                                f.window->Workspace().prefs);
        QVERIFY(built.Ok());
        // Sounded pitch (note number plus the page's key) and onset in ticks
        // from the first note of every note struck. A dash sounds as an event
        // of its own that the note before it runs into (its gate outlasts its
        // step), so it lengthens that note instead of striking a new one.
        QList<QPair<int, int>> played;
        int onset = 0, first = -1, end = 0;
        const TMidiEvent* previous = nullptr;
        for (const TMidiEvent& e : data.Track(1).events.Events()) {
            if (e.IsNote() && e.gate != 0) {
                if (first < 0) first = onset;
                if (e.sourceItem && e.sourceItem->Content() == "8") {
                    QVERIFY(previous && previous->gate > previous->step);
                } else {
                    played.append({e.type + KeyOffset(p.sheet()), onset - first});
                }
                previous = &e;
                end = onset + e.step;
            }
            if (e.type < evt::kFirstNonTiming) onset += e.step;
        }
        const int tonic = 60 + KeyOffset(p.sheet());
        const QList<QPair<int, int>> typed = {
            {tonic, 0},       {tonic + 2, 48},  {tonic + 4, 96}, {tonic + 5, 144},  // quarters
            {tonic + 7, 192}, {tonic + 7, 216},                                     // eighths
            {tonic + 9, 240}, {tonic + 7, 288},                                     // quarter, half
        };
        QCOMPARE(played, typed);
        QCOMPARE(end - first, 384);  // the half note is held to the end of the second bar
    }

    void backspaceAndMarksActOnTheNoteJustTyped() {
        MainWindowFixture f;
        Page p{*f.window};
        f.window->Action("actRhythmEntry")->trigger();
        QTest::mouseClick(&p.box(), Qt::LeftButton, {}, QPoint(p.slot(1), p.row(1)));
        p.type("1 2 d");
        int marks = 0;
        for (int i = 0; i < p.sheet().ItemCount(); ++i) marks += !p.sheet().GetItem(i)->IsSymbol();
        QCOMPARE(marks, 1);
        QTest::keyClick(&p.box(), Qt::Key_Backspace);
        QCOMPARE(p.symbols(), QStringList{"1@1"});  // the 2 went with its mark
        marks = 0;
        for (int i = 0; i < p.sheet().ItemCount(); ++i) marks += !p.sheet().GetItem(i)->IsSymbol();
        QCOMPARE(marks, 0);
        p.type("c");
        QCOMPARE(f.window->findChild<QLabel*>("lblRhythmEntry")->text(),
                 QString::fromUtf8("リズム入力: 8分音符"));
    }

    void onANewBooksFirstRowTheTypedBarsUseItsBarLines() {
        MainWindowFixture f;
        Page p{*f.window};
        f.window->Action("actRhythmEntry")->trigger();
        QCOMPARE(p.symbols(0), (QStringList{"c@9", "c@18", "c@27", "c@36"}));
        const auto barLineAt = [&](int slot) {
            const TMusicItem* found = nullptr;
            for (int i = 0; i < p.sheet().ItemCount(); ++i) {
                const TMusicItem* item = p.sheet().GetItem(i);
                if (item->Class() == ItemClass::BarLine && item->PosX() == p.slot(slot)) {
                    found = item;
                }
            }
            return found;
        };
        const TMusicItem* own = barLineAt(18);
        QTest::mouseClick(&p.box(), Qt::LeftButton, {}, QPoint(p.slot(0) + 9, p.row(0) + 30));
        QVERIFY(f.window->View().KeyCursorShown());
        p.type("1 2 3 4 5 c 5 6 v 5 -");
        // One bar line at each place: the page's own serve the two bars.
        const QStringList expected = {"1@1",       "2@3",       "3@5",  "4@7",  "c@9",
                                      "5@10 len1", "5@11 len1", "6@12", "5@14", "8@16",
                                      "c@18",      "c@27",      "c@36"};
        QCOMPARE(p.symbols(0), expected);
        QCOMPARE(barLineAt(18), own);
        for (int i = 0; i < 8; ++i) QTest::keyClick(&p.box(), Qt::Key_Backspace);
        QCOMPARE(p.symbols(0), (QStringList{"c@9", "c@18", "c@27", "c@36"}));
    }

    void theStatusLineTellsOfTheNoteThatCompletesADottedOne() {
        MainWindowFixture f;
        Page p{*f.window};
        f.window->Action("actRhythmEntry")->trigger();
        auto* label = f.window->findChild<QLabel*>("lblRhythmEntry");
        QTest::mouseClick(&p.box(), Qt::LeftButton, {}, QPoint(p.slot(1), p.row(1)));
        p.type("5 c 9");
        const QString completing = QString::fromUtf8("リズム入力: 16分音符（付点の後）→ 8分音符");
        QCOMPARE(label->text(), completing);
        p.type("6");
        QCOMPARE(label->text(), QString::fromUtf8("リズム入力: 8分音符"));
        QCOMPARE(p.symbols(), (QStringList{"5@1 len1", "6@2 len2"}));
        f.window->Undo();
        QCOMPARE(label->text(), completing);
    }

    void theRowBeingTypedStaysInSight() {
        MainWindowFixture f;
        Page p{*f.window};
        TfrmMain& w = *f.window;
        auto* area = w.findChild<QScrollArea*>("sbScore1");
        QVERIFY(area);
        w.resize(900, 500);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.Action("actRhythmEntry")->trigger();
        QTest::mouseClick(&p.box(), Qt::LeftButton, {}, QPoint(p.slot(1), p.row(1)));
        QCOMPARE(area->verticalScrollBar()->value(), 0);
        const auto cursorInSight = [&] {
            const int y = qRound(w.View().KeyCursor().y * w.PaintBox().Scale());
            const int top = area->verticalScrollBar()->value();
            return y >= top && y < top + area->viewport()->height();
        };
        // Five rows of four bars of 4/4: the cursor ends on row 6.
        for (int i = 0; i < 5 * 16; ++i) {
            QTest::keyClick(&p.box(), '5');
            QVERIFY2(cursorInSight(), qPrintable(QString("after note %1").arg(i + 1)));
        }
        QVERIFY(area->verticalScrollBar()->value() > 0);
    }

    // Played back, the view follows the notes onto the next page and leaves
    // the key cursor where it was: the next keys go on with the typed run on
    // its own page, never onto the notes of the page shown.
    void afterPlaybackTurnedThePageTheKeysGoOnOnTheRunsPage() {
        playtest::Rig r;
        TfrmMain& w = r.w();
        Page p{w};
        PageCommands::Of(w)->NewPage();
        TMusicSheet& second = *w.Book().GetSheet(1);
        r.Write(second, '3', 8, 1);
        w.ShowPage(1, true);
        const QStringList music = p.symbolsOn(second, 1);
        w.resize(900, 500);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.Action("actRhythmEntry")->trigger();
        QTest::mouseClick(&p.box(), Qt::LeftButton, {}, QPoint(p.slot(1), p.row(1)));
        p.type("1 2 3 4 5");
        TMusicSheet& first = *w.CurrentPage();
        r.FastOwnTempo();
        r.Settle();
        QTest::keyClick(&p.box(), 'p');
        QVERIFY(r.pc->Sequencer().IsPlaying());
        r.Run(20000);
        QCOMPARE(w.PageNo(), 2);
        QVERIFY(w.View().KeyCursorShown());
        p.type("6 7");
        QCOMPARE(w.PageNo(), 1);
        QCOMPARE(p.symbolsOn(second, 1), music);
        QCOMPARE(p.symbolsOn(first, 1),
                 (QStringList{"1@1", "2@3", "3@5", "4@7", "c@9", "5@10", "6@12", "7@14"}));
        QCOMPARE(w.statusBar()->currentMessage(),
                 QString::fromUtf8("入力中の1ページに戻りました。"));
        // Clicked on that page, the cursor starts a run there, after its music.
        w.ShowPage(2, true);
        QTest::mouseClick(&p.box(), Qt::LeftButton, {}, QPoint(p.slot(2), p.row(1)));
        p.type("5");
        QCOMPARE(w.PageNo(), 2);
        QCOMPARE(p.symbolsOn(second, 1), music + QStringList({"5@19"}));
        QCOMPARE(w.statusBar()->currentMessage(),
                 QString::fromUtf8("音符の後から新しい小節を始めます。"));
    }

    // A bar copied and pasted at the key cursor, then typing on: the notes
    // go on after the pasted bar, not on its slots.
    void notesTypedAfterAPasteGoOnAfterThePastedBar() {
        MainWindowFixture f;
        Page p{*f.window};
        TfrmMain& w = *f.window;
        w.show();
        w.Action("actRhythmEntry")->trigger();
        QTest::mouseClick(&p.box(), Qt::LeftButton, {}, QPoint(p.slot(1), p.row(1)));
        p.type("1 2 3 4 5");
        // Ctrl and a rubber band round the first bar: the key cursor stays.
        const QPoint from(p.slot(1) - 10, p.row(1) - 50), to(p.slot(9) + 10, p.row(1) + 50);
        QTest::mousePress(&p.box(), Qt::LeftButton, Qt::ControlModifier, from);
        QTest::mouseMove(&p.box(), to);
        QTest::mouseRelease(&p.box(), Qt::LeftButton, Qt::ControlModifier, to);
        QCOMPARE(w.View().Selection().size(), size_t{5});
        w.ActionListUpdate();
        w.Action("actCopy")->trigger();
        w.ActionListUpdate();
        w.Action("actPaste")->trigger();
        const QPoint cursor(w.View().KeyCursor().x, w.View().KeyCursor().y);
        QCOMPARE(cursor, QPoint(p.slot(12), p.row(1)));
        QTest::mouseMove(&p.box(), cursor);
        QTest::mouseClick(&p.box(), Qt::LeftButton, {}, cursor);
        const QStringList pasted = {"1@1",  "2@3",  "3@5",  "4@7",  "c@9", "5@10",
                                    "1@12", "2@14", "3@16", "4@18", "c@20"};
        QCOMPARE(p.symbols(), pasted);
        QVERIFY(w.View().KeyCursorShown());
        p.type("6 7");
        QCOMPARE(p.symbols(), pasted + QStringList({"6@21", "7@23"}));
        QCOMPARE(w.statusBar()->currentMessage(),
                 QString::fromUtf8("音符の後から新しい小節を始めます。"));
    }

    void aNoteThatWouldStandOnMusicIsRefusedWithAWord() {
        MainWindowFixture f;
        Page p{*f.window};
        TfrmMain& w = *f.window;
        w.Document().Edit("test", [&](Transaction&) {
            TNote* note = CreateItem<TNote>(p.sheet());
            note->SetContent("3");
            note->SetPosX(p.slot(1));
            note->SetPosY(p.row(2));
        });
        w.Action("actRhythmEntry")->trigger();
        QTest::mouseClick(&p.box(), Qt::LeftButton, {}, QPoint(p.slot(1), p.row(1)));
        p.type(QString(16, '5'));  // four bars fill the row; the next would start row 2
        const int steps = w.Workspace().undo.UndoCount();
        p.type("6");
        QCOMPARE(w.Workspace().undo.UndoCount(), steps);
        QCOMPARE(p.symbols(2), QStringList{"3@1"});
        QCOMPARE(w.statusBar()->currentMessage(),
                 QString::fromUtf8("この先には音符があるため、入力できません。"));
    }

    // The palette's sharp clicked onto the note just typed: the next digits
    // go on after it, and the bar gets its bar line.
    void aSharpFromThePaletteLeavesTheRunAsItWas() {
        MainWindowFixture f;
        Page p{*f.window};
        TfrmMain& w = *f.window;
        w.show();
        w.Action("actRhythmEntry")->trigger();
        QTest::mouseClick(&p.box(), Qt::LeftButton, {}, QPoint(p.slot(1), p.row(1)));
        p.type("1 2 3");
        auto* sharp = w.findChild<QToolButton*>("btnRinji_2");
        QVERIFY(sharp);
        QTest::mouseClick(sharp, Qt::LeftButton);
        QTest::mouseClick(&p.box(), Qt::LeftButton, {}, QPoint(p.slot(5), p.row(1)));
        QCOMPARE(w.View().KeyCursor(), (CursorPos{p.slot(7), p.row(1)}));
        p.type("4 5");
        QCOMPARE(p.symbols(), (QStringList{"1@1", "2@3", "3@5", "4@7", "c@9", "5@10"}));
        const TNote* three = nullptr;
        for (int i = 0; i < p.sheet().ItemCount(); ++i) {
            const TNote* note = p.sheet().GetItem(i)->As<TNote>();
            if (note && note->PosX() == p.slot(5)) three = note;
        }
        QVERIFY(three);
        QCOMPARE(three->Rinji(), std::string("`"));
    }

    void withTheModeOffKeysStepSlotBySlot() {
        MainWindowFixture f;
        Page p{*f.window};
        QTest::mouseClick(&p.box(), Qt::LeftButton, {}, QPoint(p.slot(0) + 9, p.row(1) + 30));
        QVERIFY(!f.window->View().KeyCursorShown());  // too far from a slot
        QTest::mouseClick(&p.box(), Qt::LeftButton, {}, QPoint(p.slot(1), p.row(1)));
        p.type("1 2 3");
        QCOMPARE(p.symbols(), (QStringList{"1@1", "2@2", "3@3"}));
    }

    void theModeIsStoredAndRestored() {
        MainWindowFixture f;
        f.window->Action("actRhythmEntry")->trigger();
        f.window->close();
        f.Start();
        QVERIFY(f.window->Action("actRhythmEntry")->isChecked());
        QVERIFY(!f.window->findChild<QLabel*>("lblRhythmEntry")->isHidden());
        f.window->Action("actRhythmEntry")->trigger();
        f.window->close();
        f.Start();
        QVERIFY(!f.window->Action("actRhythmEntry")->isChecked());
    }
};

QTEST_MAIN(RhythmEntryTest)
#include "rhythmentry_test.moc"
