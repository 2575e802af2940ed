// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small scores for the edit command tests: a compact page layout of two rows
// of eight slots, and items put on a page without recording anything.
#include <string>

#include "model/glyphinfotable.h"
#include "model/itemfactory.h"
#include "model/layoutstate.h"
#include "model/musicitem.h"
#include "model/musicsheet.h"
#include "model/undo.h"

namespace sorvel::editscore {

// Slots of 25 units from x = 20, rows at y = 243 and 389, four slots a bar:
// a row is 200 units long, a page 400.
inline constexpr int kLeft = 20;
inline constexpr int kGrid = 25;
inline constexpr int kRow0 = 243;
inline constexpr int kRow1 = 389;

inline int SlotX(int slot) {
    return kLeft + slot * kGrid;
}

// Gives the page the compact layout (nothing recorded) and, when a layout
// state is given, makes it the current layout.
inline void UseCompactLayout(TMusicSheet& page, LayoutState* layout = nullptr,
                             GlyphInfoTable* glyphs = nullptr) {
    const UntrackedChanges settingUp(page.Undo());
    page.SetLeftSpace(kLeft);
    page.SetRightSpace(20);
    page.SetTopSpace(20);
    page.SetTitleHeight(150);
    page.SetRowInterval(146);
    page.SetGridSize(kGrid);
    page.SetGridDivNum(8);
    page.SetRowDivNum(2);
    page.SetDivParBar(4);
    page.SetBarParRow(2);
    if (layout && glyphs) TakeOverPageSettings(*layout, page, *glyphs);
}

template <class T>
T* Put(TMusicSheet& page, const std::string& content, int x, int y) {
    const UntrackedChanges settingUp(page.Undo());
    T* item = CreateItem<T>(page);
    item->SetContent(content);
    item->SetPosX(x);
    item->SetPosY(y);
    return item;
}

inline void LinkBoth(TMusicItem& a, TMusicItem& b) {
    a.Link(b);
    b.Link(a);
}

inline int CountContent(const TMusicSheet& page, const std::string& content) {
    int n = 0;
    for (int i = 0; i < page.ItemCount(); ++i) {
        if (page.GetItem(i)->Content() == content) ++n;
    }
    return n;
}

// The first item of the page at (x, y), or none.
inline TMusicItem* ItemAt(const TMusicSheet& page, int x, int y) {
    for (int i = 0; i < page.ItemCount(); ++i) {
        TMusicItem* item = page.GetItem(i);
        if (item->PosX() == x && item->PosY() == y) return item;
    }
    return nullptr;
}

}  // namespace sorvel::editscore
