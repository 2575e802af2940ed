// SPDX-License-Identifier: GPL-3.0-or-later
// The Edit menu's commands in the main window: the clipboard between two
// editors, a mark pasted onto another note, the shift dialog and its
// messages, a shift that makes or removes a page, automatic lengths, same
// select and vertical alignment, the status-bar notes, and undo of each
// command back to the same saved bytes.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "base/cp932.h"
#include "editor/dialogs/frminsdel.h"
#include "editor/mainwindow/editcommands.h"
#include "editor/mainwindow/pagecommands.h"
#include "editor/pageview/musicpaintbox.h"
#include "editscore.h"
#include "mainwindowfixture.h"
#include "model/musicbook.h"
#include "model/musicmark.h"
#include "model/note.h"
#include "model/scorefile.h"
#include "model/textbox.h"

using namespace sorvel;
using namespace sorvel::editscore;

namespace {

// The window's page 1 emptied and given the compact layout, nothing recorded.
TMusicSheet& CompactPage(TfrmMain& w) {
    TMusicSheet& page = *w.CurrentPage();
    page.FreeAllItems();
    UseCompactLayout(page);
    w.View().RetakePageSettings();
    w.View().Redraw();
    return page;
}

void Select(TfrmMain& w, std::initializer_list<TMusicItem*> items) {
    w.View().ClearSelection();
    for (TMusicItem* item : items) {
        item->selected = true;
        w.View().Selection().push_back(item);
    }
    w.ActionListUpdate();
}

void Trigger(TfrmMain& w, const char* action) {
    QVERIFY2(w.Action(action)->isEnabled(), action);
    w.Action(action)->trigger();
}

std::string Bytes(TfrmMain& w) {
    return SaveBookToFileBytes(w.Book());
}

// Acts on the insert/delete dialog as soon as it is shown modally. Should it
// stay open after `act`, it is cancelled, so a test never hangs.
void WhenDialogShows(std::function<void(TfrmInsDel&)> act) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    auto tries = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [poll, tries, act] {
        auto* dialog = qobject_cast<TfrmInsDel*>(QApplication::activeModalWidget());
        if (!dialog && ++*tries < 300) return;
        poll->stop();
        poll->deleteLater();
        if (!dialog) return;
        act(*dialog);
        if (dialog->isVisible()) dialog->reject();
    });
    poll->start();
}

void TypeCount(TfrmInsDel& dialog, const QString& text, const QString& unit) {
    auto* edit = dialog.findChild<QSpinBox*>("edtGridNum");
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    auto* units = dialog.findChild<QComboBox*>("cbUnit");
    units->setCurrentIndex(units->findText(unit));
}

void ClickOK(TfrmInsDel& dialog) {
    dialog.findChild<QPushButton*>("btnOK")->click();
}

// Runs a shift command, answering its dialog with a count.
void Shift(TfrmMain& w, const char* action, const QString& count, const QString& unit) {
    WhenDialogShows([count, unit](TfrmInsDel& d) {
        TypeCount(d, count, unit);
        ClickOK(d);
    });
    Trigger(w, action);
}

QString Status(TfrmMain& w) {
    return w.statusBar()->currentMessage();
}

}  // namespace

class EditCommandsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void enablingFollowsSelectionAndCursor() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        TMusicSheet& page = CompactPage(w);
        Select(w, {});
        for (const char* name : {"actPaste", "actAllSelect", "actLenAutoSet"}) {
            QVERIFY2(w.Action(name)->isEnabled(), name);
        }
        for (const char* name : {"actCut", "actCopy", "actDelete", "actSameSelect", "actVPos",
                                 "actRightShift", "actLeftShift"}) {
            QVERIFY2(!w.Action(name)->isEnabled(), name);
        }
        TNote* note = Put<TNote>(page, "5", SlotX(1), kRow0);
        Select(w, {note});
        QVERIFY(w.Action("actSameSelect")->isEnabled());
        QVERIFY(!w.Action("actVPos")->isEnabled());
        QVERIFY(w.Action("actRightShift")->isEnabled());
        Trigger(w, "actAllSelect");
        QCOMPARE(w.View().Selection().size(), size_t{1});
        Trigger(w, "actDelete");
        QCOMPARE(page.ItemCount(), 0);
        QVERIFY(!w.Action("actDelete")->isEnabled());
        w.View().ShowKeyCursor(SlotX(2), kRow0);
        w.ActionListUpdate();
        QVERIFY(w.Action("actLeftShift")->isEnabled());
    }

    void copyOfOneMarkPastesOntoAnotherNoteAtTheSameDistance() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        TMusicSheet& page = CompactPage(w);
        TNote* from = Put<TNote>(page, "5", SlotX(1), kRow0);
        TMusicSign* dynamic = Put<TMusicSign>(page, "A", SlotX(1) + 4, kRow0 + 50);
        LinkBoth(*from, *dynamic);
        TNote* to = Put<TNote>(page, "6", SlotX(5), kRow1);
        TMusicSign* old = Put<TMusicSign>(page, "C", SlotX(5), kRow1 - 40);  // same kind
        LinkBoth(*to, *old);
        w.View().Redraw();  // measures the notes for hit tests

        Select(w, {dynamic});
        Trigger(w, "actCopy");
        QCOMPARE(w.View().pasteMarkOffsetX, -4);
        QCOMPARE(w.View().pasteMarkOffsetY, -50);
        Trigger(w, "actPaste");
        QCOMPARE(w.View().Tool(), ckCopy);
        QCOMPARE(w.View().PasteBuffer().ItemCount(), 1);

        w.View().MouseDown(Qt::LeftButton, {}, to->PosX(), to->PosY());
        w.View().MouseUp(to->PosX(), to->PosY());
        QCOMPARE(w.View().Tool(), ckNone);
        QCOMPARE(page.IndexOfItem(old), -1);  // replaced
        QCOMPARE(to->LinkCount(), 1);
        const TMusicItem& pasted = *to->GetLink(0);
        QCOMPARE(pasted.Content(), std::string("A"));
        QCOMPARE(pasted.PosX(), SlotX(5) + 4);
        QCOMPARE(pasted.PosY(), kRow1 + 50);
    }

    void textWithoutTheHeaderPastesNothing() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        CompactPage(w);
        QApplication::clipboard()->setText(
            "class TNote\r\n  PosX=45\r\n  Content=5\r\nend   TNote\r\n");
        const std::string before = Bytes(w);
        Trigger(w, "actPaste");
        QCOMPARE(w.View().Tool(), ckNone);
        QCOMPARE(w.View().PasteBuffer().ItemCount(), 0);
        QVERIFY(f.dialogs.errors.isEmpty());
        QVERIFY(f.dialogs.infos.isEmpty());
        QCOMPARE(Bytes(w), before);
        QVERIFY(!w.IsModified());
    }

    void clipboardCarriesItemsToAnotherEditor() {
        MainWindowFixture first;
        MainWindowFixture second;
        TfrmMain& a = *first.window;
        TMusicSheet& page = CompactPage(a);
        TNote* n1 = Put<TNote>(page, "1", SlotX(2), kRow0);
        TNote* n2 = Put<TNote>(page, "2", SlotX(3), kRow0);
        TMusicSign* bow = Put<TMusicSign>(page, "P", SlotX(3), kRow0 - 45);
        TTextBox* words = Put<TTextBox>(page, "O", SlotX(0), 120);
        {
            const UntrackedChanges asRead(page.Undo());
            LinkBoth(*n2, *bow);
            words->SetCSVText(cp932::FromUtf8("ゆっくり"));
        }
        Select(a, {n1, n2, words});
        Trigger(a, "actCopy");

        // The clipboard holds the saved form as Unicode text.
        const QString text = QApplication::clipboard()->text();
        QVERIFY(text.startsWith(QString::fromUtf8("二胡数字譜データVer1.0\r\nclass TNote\r\n")));
        QVERIFY(text.contains(QString::fromUtf8("CSVText=ゆっくり\r\n")));

        TfrmMain& b = *second.window;
        CompactPage(b);
        Trigger(b, "actPaste");
        TMusicSheet& buffer = b.View().PasteBuffer();
        QCOMPARE(b.View().Tool(), ckCopy);
        QCOMPARE(buffer.ItemCount(), 4);  // the bow came along with its note
        const TMusicItem* pastedBow = ItemAt(buffer, SlotX(3), kRow0 - 45);
        QVERIFY(pastedBow && pastedBow->LinkCount() == 1);
        QCOMPARE(pastedBow->dragX, SlotX(3) - SlotX(2));
        QCOMPARE(pastedBow->dragY, -45);
        const TMusicItem* pastedWords = ItemAt(buffer, SlotX(0), 120);
        QCOMPARE(pastedWords->As<TTextBox>()->Lines(), words->Lines());
    }

    void cutTakesTheItemsAwayAsOneStep() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        TMusicSheet& page = CompactPage(w);
        TNote* note = Put<TNote>(page, "5", SlotX(1), kRow0);
        TMusicSign* mark = Put<TMusicSign>(page, "A", SlotX(1), kRow0 - 40);
        LinkBoth(*note, *mark);
        Put<TNote>(page, "6", SlotX(2), kRow0);
        const std::string before = Bytes(w);
        Select(w, {note, mark});
        Trigger(w, "actCut");
        QCOMPARE(page.ItemCount(), 1);
        QVERIFY(w.View().Selection().empty());
        QVERIFY(QApplication::clipboard()->text().contains("class TMusicSign"));
        QVERIFY(w.IsModified());
        w.Undo();
        QCOMPARE(Bytes(w), before);
    }

    void sameSelectAddsMarksOnTheSameSide() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        TMusicSheet& page = CompactPage(w);
        auto noteWithMark = [&](int slot, int dy) {
            TNote* note = Put<TNote>(page, "5", SlotX(slot), kRow0);
            TMusicSign* mark = Put<TMusicSign>(page, "A", SlotX(slot), kRow0 + dy);
            LinkBoth(*note, *mark);
            return mark;
        };
        TMusicSign* below = noteWithMark(0, 40);
        TMusicSign* above = noteWithMark(1, -40);
        TMusicSign* alsoBelow = noteWithMark(2, 30);
        Select(w, {below});
        Trigger(w, "actSameSelect");
        QCOMPARE(w.View().Selection().size(), size_t{2});
        QVERIFY(alsoBelow->selected);
        QVERIFY(!above->selected);
        QVERIFY(!w.Action("actSameSelect")->isEnabled());  // two are selected now
        QVERIFY(w.Action("actVPos")->isEnabled());
        QVERIFY(!w.IsModified());
    }

    void verticalAlignmentUndoesAsOneStep() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        TMusicSheet& page = CompactPage(w);
        TNote* n1 = Put<TNote>(page, "1", SlotX(0), kRow0);
        TNote* n2 = Put<TNote>(page, "2", SlotX(1), kRow1);
        TMusicSign* m1 = Put<TMusicSign>(page, "A", SlotX(0), kRow0 - 40);
        TMusicSign* m2 = Put<TMusicSign>(page, "B", SlotX(1), kRow1 - 70);
        LinkBoth(*n1, *m1);
        LinkBoth(*n2, *m2);
        const std::string before = Bytes(w);
        Select(w, {m1, m2});
        Trigger(w, "actVPos");
        QCOMPARE(m2->PosY(), kRow1 - 40);
        QCOMPARE(w.Workspace().undo.UndoCount(), 1);
        w.Undo();
        QCOMPARE(Bytes(w), before);
    }

    void automaticLengthsOfTheWorkedExampleAndUndo() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        TMusicSheet& page = CompactPage(w);
        {
            const UntrackedChanges asRead(page.Undo());
            page.SetGridSize(10);
            page.SetGridDivNum(36);
        }
        w.View().RetakePageSettings();
        Put<TBarLine>(page, "c", 100, kRow0);
        Put<TBarLine>(page, "c", 180, kRow0);
        TNote* a = Put<TNote>(page, "5", 130, kRow0);
        Put<TNote>(page, "6", 150, kRow0);
        const std::string before = Bytes(w);
        Select(w, {a});
        Trigger(w, "actLenAutoSet");
        QCOMPARE(a->Length(), 2);
        QCOMPARE(CountContent(page, "8"), 1);
        QCOMPARE(w.Workspace().undo.UndoCount(), 1);
        w.Undo();
        QCOMPARE(Bytes(w), before);
    }

    void automaticLengthsWithoutBarWidthSaySo() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        TMusicSheet& page = CompactPage(w);
        Put<TBarLine>(page, "c", SlotX(2), kRow0);
        TNote* note = Put<TNote>(page, "5", SlotX(2) + 10, kRow0);
        Put<TBarLine>(page, "c", SlotX(3), kRow0);  // the next slot: no width
        const std::string before = Bytes(w);
        Select(w, {note});
        Trigger(w, "actLenAutoSet");
        QCOMPARE(Bytes(w), before);
        QVERIFY(!w.Workspace().undo.CanUndo());
        QCOMPARE(Status(w), QString::fromUtf8(kMsgLenAutoNoBarWidth));
    }

    void insertDialogTextsAndMessages() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        TMusicSheet& page = CompactPage(w);
        TNote* note = Put<TNote>(page, "5", SlotX(1), kRow0);
        Select(w, {note});
        const std::string before = Bytes(w);
        QStringList seen;
        WhenDialogShows([&](TfrmInsDel& d) {
            seen << d.windowTitle() << d.findChild<QLabel*>("lblTitle")->text()
                 << d.findChild<QLabel*>("lblGridNum")->text()
                 << d.findChild<QSpinBox*>("edtGridNum")->text()
                 << d.findChild<QComboBox*>("cbUnit")->currentText();
            QTRY_COMPARE(QApplication::focusWidget(), d.findChild<QSpinBox*>("edtGridNum"));
            TypeCount(d, "-1", QString::fromUtf8("小節"));
            ClickOK(d);
            QVERIFY(d.isVisible());
            TypeCount(d, "17", QString::fromUtf8("グリッド"));  // 16 slots make a page
            ClickOK(d);
            QVERIFY(d.isVisible());
            d.findChild<QPushButton*>("btnCancel")->click();
        });
        Trigger(w, "actRightShift");
        QCOMPARE(seen, (QStringList{QString::fromUtf8("挿入"),
                                    QString::fromUtf8("空白を挿入し、以降の音符を右にシフトします"),
                                    QString::fromUtf8("挿入数"), "1", QString::fromUtf8("小節")}));
        QCOMPARE(f.dialogs.errors,
                 (QStringList{QString::fromUtf8("挿入する小節数がマイナスです。"),
                              QString::fromUtf8("挿入するグリッド数が１ページを超えています。")}));
        QCOMPARE(Bytes(w), before);  // cancelled: nothing moved

        f.dialogs.errors.clear();
        seen.clear();
        WhenDialogShows([&](TfrmInsDel& d) {
            seen << d.windowTitle() << d.findChild<QLabel*>("lblTitle")->text()
                 << d.findChild<QLabel*>("lblGridNum")->text()
                 << d.findChild<QSpinBox*>("edtGridNum")->text()
                 << d.findChild<QComboBox*>("cbUnit")->currentText();
            TypeCount(d, "5", QString::fromUtf8("小節"));  // 20 slots
            ClickOK(d);
        });
        Trigger(w, "actLeftShift");
        QCOMPARE(seen, (QStringList{QString::fromUtf8("削除"),
                                    QString::fromUtf8("音符を削除し、以降の音符を左にシフトします"),
                                    QString::fromUtf8("削除数"), "1", QString::fromUtf8("小節")}));
        QCOMPARE(f.dialogs.errors,
                 QStringList{QString::fromUtf8("削除する小節数が１ページを超えています。")});
    }

    void countThatIsNotANumberShiftsNothing() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        TMusicSheet& page = CompactPage(w);
        TNote* note = Put<TNote>(page, "5", SlotX(1), kRow0);
        Select(w, {note});
        int count = -1;
        WhenDialogShows([&](TfrmInsDel& d) {
            TypeCount(d, "-", QString::fromUtf8("グリッド"));
            ClickOK(d);
            count = d.Count();
        });
        Trigger(w, "actRightShift");
        QCOMPARE(count, 0);
        QVERIFY(f.dialogs.errors.isEmpty());
        QCOMPARE(note->PosX(), SlotX(1));
    }

    void shiftInsertThatMakesAPageUndoesWhole() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        TMusicSheet& page = CompactPage(w);
        for (int slot = 0; slot < 8; ++slot) Put<TNote>(page, "3", SlotX(slot), kRow1);
        const std::string before = Bytes(w);
        w.View().ShowKeyCursor(SlotX(0), kRow1);
        w.ActionListUpdate();
        Shift(w, "actRightShift", "1", QString::fromUtf8("小節"));
        QCOMPARE(w.Book().SheetCount(), 2);
        QCOMPARE(w.PageNo(), 1);
        TMusicSheet& added = *w.Book().GetSheet(1);
        QCOMPARE(added.ItemCount(), 4);
        QCOMPARE(added.GetItem(0)->PosX(), SlotX(0));
        QCOMPARE(page.ItemCount(), 4);
        QVERIFY(w.Action("actNextPage")->isEnabled());
        QVERIFY(w.View().KeyCursorShown());
        QCOMPARE(w.Workspace().layout.GridDivNum, 8);  // still the shown page's layout

        QCOMPARE(w.Workspace().undo.UndoCount(), 1);
        w.Undo();
        QCOMPARE(w.Book().SheetCount(), 1);
        QCOMPARE(Bytes(w), before);
    }

    void shiftDeleteThatEmptiesTheShownPageShowsTheOneBefore() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        TMusicSheet& page = CompactPage(w);
        Put<TNote>(page, "1", SlotX(0), kRow0);
        PageCommands::Of(w)->NewPage();
        TMusicSheet& second = *w.CurrentPage();
        second.FreeAllItems();
        UseCompactLayout(second);
        w.View().RetakePageSettings();
        TNote* moved = Put<TNote>(second, "2", SlotX(0), kRow0);
        QCOMPARE(w.PageNo(), 2);
        const std::string before = Bytes(w);

        w.View().ShowKeyCursor(SlotX(0), kRow0);
        w.ActionListUpdate();
        Shift(w, "actLeftShift", "1", QString::fromUtf8("グリッド"));
        QCOMPARE(w.Book().SheetCount(), 1);
        QCOMPARE(w.PageNo(), 1);
        QCOMPARE(w.View().Page(), &page);
        QCOMPARE(&moved->Sheet(), &page);
        QCOMPARE(moved->PosX(), SlotX(7));
        QCOMPARE(moved->PosY(), kRow1);

        w.Undo();
        QCOMPARE(w.Book().SheetCount(), 2);
        QCOMPARE(Bytes(w), before);
    }

    void shiftDeleteKeepsTheSelectionOfWhatIsLeft() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        TMusicSheet& page = CompactPage(w);
        TNote* first = Put<TNote>(page, "1", SlotX(0), kRow0);
        TNote* start = Put<TNote>(page, "2", SlotX(1), kRow0);
        const std::string before = Bytes(w);
        Select(w, {start, first});
        Shift(w, "actLeftShift", "1", QString::fromUtf8("グリッド"));
        QCOMPARE(page.ItemCount(), 1);
        QCOMPARE(start->PosX(), SlotX(0));
        // The deleted note left the selection; the moved one stays in it.
        QCOMPARE(w.View().Selection().size(), size_t{1});
        QCOMPARE(w.View().Selection().front(), start);
        w.Undo();
        QCOMPARE(Bytes(w), before);
    }

    void shiftsOnAPieceWithoutSymbolsSaySo() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        CompactPage(w);
        w.View().ShowKeyCursor(SlotX(1), kRow0);
        w.ActionListUpdate();
        const std::string before = Bytes(w);
        Shift(w, "actRightShift", "1", QString::fromUtf8("小節"));
        QCOMPARE(Status(w), QString::fromUtf8(kMsgShiftNoSymbol));
        w.statusBar()->clearMessage();
        Shift(w, "actLeftShift", "1", QString::fromUtf8("小節"));
        QCOMPARE(Status(w), QString::fromUtf8(kMsgShiftNoSymbol));
        QCOMPARE(Bytes(w), before);
        QVERIFY(!w.Workspace().undo.CanUndo());
        QVERIFY(!w.IsModified());
    }
};

QTEST_MAIN(EditCommandsTest)
#include "editcommands_test.moc"
