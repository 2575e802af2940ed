// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/newbooksetup.h"

#include <algorithm>

#include "edit/pageoperations.h"
#include "model/glyphcodes.h"
#include "model/glyphinfotable.h"
#include "model/itemfactory.h"
#include "model/layoutstate.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "model/pagegrid.h"

namespace sorvel {

PagePoint SetUpNewBook(TMusicBook& book, const NewBookSetup& setup, LayoutState& layout,
                       GlyphInfoTable& glyphs) {
    TMusicSheet& first = *book.GetSheet(0);
    book.SetTitle(setup.title);
    first.SetTitle(setup.title);
    first.SetWriter(setup.composer);
    first.SetKeyCode(setup.keyCode);
    first.SetPlayCount(setup.tempo);
    const int pages = std::clamp(setup.pages, 1, kMaxNewBookPages);
    while (book.SheetCount() < pages) AppendNewPage(book, layout, glyphs);
    TakeOverPageSettings(layout, first, glyphs);

    const PageGrid grid(layout);
    if (MeterOfCode(setup.meterCode)) {
        TBeat* beat = CreateItem<TBeat>(first);
        beat->SetContent(std::string(1, setup.meterCode));
        beat->SetPosX(grid.SlotX(0));
        beat->SetPosY(grid.FirstY());
    }
    // Notes begin one slot into the row, after the time signature's slot, as
    // in an imported book.
    return {grid.SlotX(1), grid.FirstY()};
}

}  // namespace sorvel
