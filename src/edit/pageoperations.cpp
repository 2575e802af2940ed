// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/pageoperations.h"

#include <algorithm>
#include <cstdint>

#include "model/glyphcodes.h"
#include "model/glyphinfotable.h"
#include "model/itemfactory.h"
#include "model/layoutstate.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "model/pagegrid.h"
#include "model/scorefile.h"
#include "model/undo.h"

namespace sorvel {

namespace {

// The highest page index a new page may ask for: "at the end" in effect.
constexpr int kAtTheEnd = 99999;

bool IsBarOrBeat(const TMusicItem& item) {
    return item.Class() == ItemClass::BarLine || item.Class() == ItemClass::Beat;
}

}  // namespace

TMusicSheet& CreatePageAt(TMusicBook& book, int index, LayoutState& layout,
                          GlyphInfoTable& glyphs) {
    const int oldCount = book.SheetCount();
    TMusicSheet* page = book.NewSheet();
    TakeOverPageSettings(layout, *page, glyphs);
    const int target = std::clamp(index, 0, oldCount);
    book.MoveSheet(oldCount, target);
    if (TUndo* undo = book.Env().undo) undo->RecordSheetInsert(*page, target);
    return *page;
}

bool PlaceBlankPageBarLines(TMusicSheet& page, const std::function<void()>& onDropTool) {
    bool dropped = false;
    const auto dropTool = [&] {
        if (dropped || !onDropTool) return;
        dropped = true;
        onDropTool();
    };
    for (int i = 0; i < page.ItemCount(); ++i) {
        if (!IsBarOrBeat(*page.GetItem(i))) return false;
        dropTool();
    }
    // An empty page gets its bar lines laid too: no tool survives that.
    dropTool();
    std::vector<TMusicItem*> oldBars;
    for (int i = 0; i < page.ItemCount(); ++i) {
        TMusicItem* item = page.GetItem(i);
        if (item->Class() == ItemClass::BarLine) oldBars.push_back(item);
    }
    for (TMusicItem* bar : oldBars) bar->Delete();

    // A damaged file may ask for millions of bars; a page cannot hold more
    // items than the reader accepts, so neither can this row.
    const int bars = std::clamp(page.BarParRow(), 0, kMaxItemsPerPage);
    LayoutState pageLayout;
    CopyPageLayout(pageLayout, page);
    const PageGrid grid(pageLayout);
    const std::int64_t step = std::int64_t{page.GridSize()} * page.DivParBar();
    const int y = grid.FirstY();
    for (int j = 1; j <= bars; ++j) {
        const std::int64_t x = grid.FirstX() + step * j;
        TBarLine* bar = CreateItem<TBarLine>(page);
        bar->SetContent(std::string(1, kPlainBarLine));
        bar->SetPosX(SafeCoordinate(x));
        bar->SetPosY(y);
    }
    return true;
}

TMusicSheet& AppendNewPage(TMusicBook& book, LayoutState& layout, GlyphInfoTable& glyphs,
                           const std::function<void()>& onDropTool) {
    TMusicSheet& page = CreatePageAt(book, kAtTheEnd, layout, glyphs);
    PlaceBlankPageBarLines(page, onDropTool);
    return page;
}

TMusicSheet& InsertPageBeside(TMusicBook& book, int currentPageNo, bool before, LayoutState& layout,
                              GlyphInfoTable& glyphs, const std::function<void()>& onDropTool) {
    TMusicSheet* current = book.GetSheet(currentPageNo - 1);
    const int index = before ? currentPageNo - 1 : currentPageNo;
    TMusicSheet& page = CreatePageAt(book, index, layout, glyphs);
    if (current) CopyPageSettings(layout, *current, page, glyphs);
    PlaceBlankPageBarLines(page, onDropTool);
    return page;
}

}  // namespace sorvel
