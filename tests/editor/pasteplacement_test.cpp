// SPDX-License-Identifier: GPL-3.0-or-later
// Copy and paste through the real commands and the page: a selection of
// whole bars comes back item for item with its links and spacing, a paste
// that would leave the page is refused with a word in the status bar, and
// the floating paste shows at once, all in the cursor colour.
#include <QAction>
#include <QCursor>
#include <QStatusBar>
#include <QtTest>
#include <map>

#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/scorepaintbox.h"
#include "mainwindowfixture.h"
#include "model/itemfactory.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/scorefile.h"
#include "view/core/pagelayout.h"
#include "view/qt/qtcanvas.h"

using namespace sorvel;

namespace {

// An item's saved block without what a paste changes: its name, its links
// (compared on their own) and its row.
std::vector<std::string> BlockWithoutPlace(TMusicSheet& page, TMusicItem* item) {
    std::vector<std::string> kept;
    for (std::string& line : SaveItemsToLines(page, {item})) {
        if (line.rfind("  Name=", 0) == 0 || line.rfind("  LinkMusicItem=", 0) == 0 ||
            line.rfind("  PosX=", 0) == 0 || line.rfind("  PosY=", 0) == 0) {
            continue;
        }
        kept.push_back(std::move(line));
    }
    return kept;
}

struct Window {
    MainWindowFixture f;
    TfrmMain& w() { return *f.window; }
    TMusicSheet& page() { return *w().CurrentPage(); }
    ScorePaintBox& box() { return w().PaintBox(); }
    TMusicPaintBox& view() { return w().View(); }
    PageLayout layout() { return PageLayout(w().Workspace().layout); }
    void trigger(const char* action) {
        w().ActionListUpdate();
        QAction* a = w().Action(action);
        QVERIFY(a && a->isEnabled());
        a->trigger();
    }
    QString status() { return w().statusBar()->currentMessage(); }
};

}  // namespace

class PastePlacementTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fourBarsPasteBackItemForItem() {
        Window win;
        win.w().show();
        QVERIFY(win.w().Files().OpenPath(QStringLiteral(SORVEL_EXAMPLES_DIR "/demo.svl")));
        TMusicSheet& page = win.page();
        // A rubber band round the first row: its four bars with their marks,
        // not the tempo mark above them.
        QTest::mousePress(&win.box(), Qt::LeftButton, {}, QPoint(30, 176));
        QTest::mouseMove(&win.box(), QPoint(500, 250));
        QTest::mouseMove(&win.box(), QPoint(955, 300));
        QTest::mouseRelease(&win.box(), Qt::LeftButton, {}, QPoint(955, 300));
        const std::vector<TMusicItem*> originals(win.view().Selection().begin(),
                                                 win.view().Selection().end());
        QCOMPARE(originals.size(), size_t{43});
        std::map<std::string, int> kinds;
        for (TMusicItem* item : originals) ++kinds[std::string(item->ClassName())];
        QCOMPARE(kinds["TNote"], 22);
        QCOMPARE(kinds["TBarLine"], 4);
        QCOMPARE(kinds["TSlur"], 2);
        win.trigger("actCopy");

        // Pasted floating, then placed with a click on the empty fourth row.
        const int itemsBefore = page.ItemCount();
        win.trigger("actPaste");
        const QPoint target(win.layout().FirstX(), win.layout().RowBase(3));
        QTest::mouseMove(&win.box(), target);
        QTest::mouseClick(&win.box(), Qt::LeftButton, {}, target);
        QCOMPARE(page.ItemCount(), itemsBefore + 43);
        const std::vector<TMusicItem*> pasted(win.view().Selection().begin(),
                                              win.view().Selection().end());
        QCOMPARE(pasted.size(), originals.size());

        // Each original has exactly one copy, moved down by three rows.
        const int dy = win.layout().RowBase(3) - win.layout().RowBase(0);
        std::map<TMusicItem*, TMusicItem*> copyOf;
        for (TMusicItem* original : originals) {
            const std::vector<std::string> block = BlockWithoutPlace(page, original);
            TMusicItem* match = nullptr;
            for (TMusicItem* item : pasted) {
                const bool moved =
                    item->PosX() == original->PosX() && item->PosY() == original->PosY() + dy;
                if (!moved) continue;
                if (BlockWithoutPlace(page, item) != block) continue;
                QVERIFY2(!match, qPrintable(QString("two copies of %1 at %2")
                                                .arg(original->ClassName())
                                                .arg(original->PosX())));
                match = item;
            }
            QVERIFY2(match, qPrintable(QString("no copy of %1 at %2, %3")
                                           .arg(original->ClassName())
                                           .arg(original->PosX())
                                           .arg(original->PosY())));
            copyOf[original] = match;
        }
        // Links: the copies link each other as the originals do.
        for (TMusicItem* original : originals) {
            TMusicItem* copy = copyOf[original];
            QCOMPARE(copy->LinkCount(), original->LinkCount());
            for (TMusicItem* linked : original->Links()) {
                QVERIFY(copyOf.count(linked));
                QVERIFY(copy->IsLinkedTo(copyOf[linked]));
            }
        }

        // One undo step takes the whole paste away again.
        win.w().Undo();
        QCOMPARE(page.ItemCount(), itemsBefore);
    }

    void aPastePastTheRowsEndIsRefused() {
        Window win;
        win.w().show();
        TMusicSheet& page = win.page();
        const PageLayout layout = win.layout();
        TUndo& undo = win.w().Workspace().undo;
        undo.BeginGroup();
        for (int k = 1; k <= 6; ++k) {
            TNote* note = CreateItem<TNote>(page);
            note->SetContent("5");
            note->SetPosX(layout.SlotX(k));
            note->SetPosY(layout.RowBase(2));
        }
        undo.EndGroup();
        QTest::mousePress(&win.box(), Qt::LeftButton, {},
                          QPoint(layout.SlotX(1) - 12, layout.RowBase(2) - 40));
        QTest::mouseMove(&win.box(), QPoint(layout.SlotX(6) + 12, layout.RowBase(2) + 40));
        QTest::mouseRelease(&win.box(), Qt::LeftButton, {},
                            QPoint(layout.SlotX(6) + 12, layout.RowBase(2) + 40));
        QCOMPARE(win.view().Selection().size(), size_t{6});
        win.trigger("actCopy");
        const int items = page.ItemCount();
        win.trigger("actPaste");
        // Six slots wide from the last slot but three: it would run off.
        const int lastSlot = win.w().Workspace().layout.GridDivNum;
        const QPoint nearEnd(layout.SlotX(lastSlot - 3), layout.RowBase(4));
        QTest::mouseMove(&win.box(), nearEnd);
        QTest::mouseClick(&win.box(), Qt::LeftButton, {}, nearEnd);
        QCOMPARE(page.ItemCount(), items);
        QCOMPARE(win.status(), QString::fromUtf8(kMsgPasteOffPage));
        for (int i = 0; i < page.ItemCount(); ++i) {
            QVERIFY(page.GetItem(i)->PosX() <= page.PageWidth);
        }
        // The paste still floats; where it fits, it lands.
        QCOMPARE(win.view().Tool(), ckCopy);
        const QPoint fits(layout.SlotX(2), layout.RowBase(4));
        QTest::mouseMove(&win.box(), fits);
        QTest::mouseClick(&win.box(), Qt::LeftButton, {}, fits);
        QCOMPARE(page.ItemCount(), items + 6);
        QCOMPARE(win.view().Tool(), ckNone);
    }

    void theFloatingPasteShowsAtOnceInTheCursorColour() {
        Window win;
        win.w().show();
        TMusicSheet& page = win.page();
        const PageLayout layout = win.layout();
        TUndo& undo = win.w().Workspace().undo;
        undo.BeginGroup();
        TNote* note = CreateItem<TNote>(page);
        note->SetContent("5");
        note->SetOctave(1);
        note->SetPosX(layout.SlotX(3));
        note->SetPosY(layout.RowBase(3));
        undo.EndGroup();
        win.view().Redraw();
        QTest::mouseClick(&win.box(), Qt::LeftButton, {}, QPoint(note->PosX(), note->PosY()));
        QCOMPARE(win.view().Selection().size(), size_t{1});
        win.trigger("actCopy");
        QTest::mouseClick(&win.box(), Qt::LeftButton, {}, QPoint(note->PosX(), note->PosY()));

        // The mouse is away from the page: the paste shows at the first slot
        // at once, before any move.
        QCursor::setPos(win.box().mapToGlobal(QPoint(-400, -400)));
        win.trigger("actPaste");
        const QColor cursorColour =
            QtCanvas::ToQColor(static_cast<Color>(win.w().Workspace().prefs.DefoCurSorFontColor));
        const QImage shot = win.box().grab().toImage();
        const QPoint at(layout.FirstX(), layout.FirstY());
        int coloured = 0, dark = 0;
        for (int y = at.y() - 20; y <= at.y() + 14; ++y) {
            for (int x = at.x() - 10; x <= at.x() + 10; ++x) {
                const QColor c = shot.pixelColor(x, y);
                if (c == cursorColour) ++coloured;
                if (c.red() < 90 && c.green() < 90 && c.blue() < 90) ++dark;
            }
        }
        QVERIFY2(coloured > 10, qPrintable(QString::number(coloured)));
        QCOMPARE(dark, 0);  // digit and octave dot alike
    }
};

QTEST_MAIN(PastePlacementTest)
#include "pasteplacement_test.moc"
