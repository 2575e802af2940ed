// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page shown in a main window under test, as the page-entry tests reach
// it: its slots and rows, clicks and typed keys on the page view, the items at
// a place, and items added through the document as one step.
#include <QString>
#include <QtTest>

#include "editor/document/editordocument.h"
#include "editor/document/transaction.h"
#include "editor/mainwindow/frmmain.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/scorepaintbox.h"
#include "model/itemfactory.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/workspace.h"
#include "view/core/pagelayout.h"

namespace sorvel::testing {

struct PageUnderTest {
    TfrmMain& w;

    TMusicSheet& sheet() { return *w.CurrentPage(); }
    PageLayout layout() { return PageLayout(w.Workspace().layout); }
    int slot(int k) { return layout().SlotX(k); }
    int row(int r) { return layout().RowBase(r); }
    ScorePaintBox& box() { return w.PaintBox(); }
    TMusicPaintBox& view() { return w.View(); }

    void click(int x, int y, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers mods = {}) {
        QTest::mouseClick(&box(), button, mods, QPoint(x, y));
    }
    // Types each key on the page view; spaces only part keys for the reader.
    void type(const QString& keys) {
        for (QChar c : keys) {
            if (c != ' ') QTest::keyClick(&box(), c.toLatin1());
        }
    }
    TMusicItem* at(int x, int y) {
        for (int i = 0; i < sheet().ItemCount(); ++i) {
            TMusicItem* item = sheet().GetItem(i);
            if (item->PosX() == x && item->PosY() == y) return item;
        }
        return nullptr;
    }
    // A note at the place (x, y), among other items there.
    TNote* noteAt(int x, int y) {
        for (int i = 0; i < sheet().ItemCount(); ++i) {
            TNote* note = sheet().GetItem(i)->As<TNote>();
            if (note && note->PosX() == x && note->PosY() == y) return note;
        }
        return nullptr;
    }
    // Adds an item with `content` at (x, y) as one undo step, as an edit would.
    template <class T>
    T* add(int x, int y, const char* content) {
        T* item = nullptr;
        w.Document().Edit("test", [&](Transaction&) {
            item = CreateItem<T>(sheet());
            item->SetContent(content);
            item->SetPosX(x);
            item->SetPosY(y);
        });
        view().Redraw();
        return item;
    }
};

}  // namespace sorvel::testing
