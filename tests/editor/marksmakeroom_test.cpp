// SPDX-License-Identifier: GPL-3.0-or-later
// Marks put on a note from the palette or by their keys make room for the
// marks the note carries already: a trill on a finger number goes above it
// instead of over it, and a typed finger number on a trill above the trill;
// each still one undo step. The marks of an opened book stay where they are.
#include <QToolButton>
#include <QtTest>

#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/scorepaintbox.h"
#include "mainwindowfixture.h"
#include "model/itemfactory.h"
#include "model/musicmark.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/scorefile.h"
#include "view/core/pagelayout.h"

using namespace sorvel;

namespace {

int Top(const TMusicItem& item) {
    return item.PosY() - item.Height() / 2;
}
int Bottom(const TMusicItem& item) {
    return Top(item) + item.Height();
}

// The mark of `note` whose content is `glyph`.
TMusicItem* MarkOf(const TNote& note, const char* glyph) {
    for (TMusicItem* linked : note.Links()) {
        if (linked->Content() == glyph) return linked;
    }
    return nullptr;
}

struct Window {
    MainWindowFixture f;
    TfrmMain& w = *f.window;
    TNote* note = nullptr;

    Window() {
        w.show();
        const PageLayout layout(w.Workspace().layout);
        UndoGroup group(w.Workspace().undo);
        note = CreateItem<TNote>(*w.CurrentPage());
        note->SetContent("5");
        note->SetPosX(layout.SlotX(3));
        note->SetPosY(layout.RowBase(1));
    }
    // The palette button `name` chosen for one placement, then the note clicked.
    void PutFromPalette(const char* name) {
        QTest::mouseClick(w.findChild<QToolButton*>(name), Qt::LeftButton);
        // At 100 % a page unit is a pixel of the page view.
        QTest::mouseClick(&w.PaintBox(), Qt::LeftButton, {}, QPoint(note->PosX(), note->PosY()));
    }
};

}  // namespace

class MarksMakeRoomTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aTrillFromThePaletteGoesAboveTheFingerNumber() {
        Window s;
        s.PutFromPalette("btnSign_85");  // the finger number 一
        TMusicItem* finger = MarkOf(*s.note, "U");
        QVERIFY(finger);
        const int fingerY = finger->PosY();
        const int steps = s.w.Workspace().undo.UndoCount();
        s.PutFromPalette("btnSign_91");  // the trill
        TMusicItem* trill = MarkOf(*s.note, "[");
        QVERIFY(trill);
        QCOMPARE(s.w.Workspace().undo.UndoCount(), steps + 1);
        s.w.View().Redraw();  // the sizes as drawn
        QVERIFY2(Bottom(*trill) < Top(*finger), qPrintable(QString("trill %1..%2, finger %3..%4")
                                                               .arg(Top(*trill))
                                                               .arg(Bottom(*trill))
                                                               .arg(Top(*finger))
                                                               .arg(Bottom(*finger))));
        QCOMPARE(finger->PosY(), fingerY);
        QCOMPARE(trill->PosX(), s.note->PosX());
    }

    void aTypedFingerNumberGoesAboveTheTrill() {
        Window s;
        s.PutFromPalette("btnSign_91");
        TMusicItem* trill = MarkOf(*s.note, "[");
        QVERIFY(trill);
        // The note selected, the key of the finger number 一.
        s.w.View().ClearSelection();
        s.w.View().Selection().AddUnique(s.note);
        s.note->selected = true;
        QTest::keyClick(&s.w.PaintBox(), 'w');
        TMusicItem* finger = MarkOf(*s.note, "U");
        QVERIFY(finger);
        s.w.View().Redraw();
        QVERIFY(Bottom(*finger) < Top(*trill));
    }

    // Opening a book never moves a mark, even one drawn over another.
    void theMarksOfAnOpenedBookStayPut() {
        Window s;
        const QString path = s.f.Path("stacked.svl");
        s.PutFromPalette("btnSign_85");
        TMusicItem* finger = MarkOf(*s.note, "U");
        {
            UndoGroup group(s.w.Workspace().undo);
            TMusicSign* trill = CreateItem<TMusicSign>(*s.w.CurrentPage());
            trill->SetContent("[");
            trill->SetPosX(finger->PosX());
            trill->SetPosY(finger->PosY());
            s.note->Link(*trill);
            trill->Link(*s.note);
        }
        const std::string bytes = SaveBookToFileBytes(s.w.Book());
        s.f.dialogs.savePaths = {path};
        QVERIFY(s.w.Files().SaveAs());
        QVERIFY(s.w.Files().OpenPath(path));
        s.w.View().Redraw();
        QCOMPARE(SaveBookToFileBytes(s.w.Book()), bytes);
    }
};

QTEST_MAIN(MarksMakeRoomTest)
#include "marksmakeroom_test.moc"
