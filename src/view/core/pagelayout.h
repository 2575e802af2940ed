// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page view's use of the current page's layout: making a page current,
// and the key cursor's steps over the grid (model/pagegrid.h), all in page
// units on the layout state of the current page.
#include "model/layoutstate.h"
#include "model/pagegrid.h"

namespace sorvel {

class TMusicSheet;
class GlyphInfoTable;

struct CursorPos {
    int x, y;
    bool operator==(const CursorPos&) const = default;
};

// Page size in page units (1/120 inch) from a device's printable area.
int PageUnitsFromDevice(int pixels, int pixelsPerInch);

class PageLayout : public PageGrid {
public:
    explicit PageLayout(LayoutState& state) : PageGrid(state), s_(state) {}

    // Makes `page` the current page: its size and layout settings become the
    // layout state and the glyph rates follow its offset rates.
    void TakeOverPageSettings(const TMusicSheet& page, GlyphInfoTable& glyphs);
    // Copies the layout of `from` to `to` through the setters (recorded), the
    // page size without recording, and takes `to` over as the current page.
    void CopyPageSettings(const TMusicSheet& from, TMusicSheet& to, GlyphInfoTable& glyphs);

    CursorPos StepRight(CursorPos c) const;
    // Steps right over bar lines and row starts (the IsSkipCursor option).
    CursorPos StepRightSkipping(CursorPos c, const TMusicSheet& page) const;
    CursorPos StepLeft(CursorPos c) const;
    CursorPos StepUp(CursorPos c) const;
    CursorPos StepDown(CursorPos c) const;

private:
    bool AtLastSlot(CursorPos c) const { return c.x >= LastX() && c.y >= LastY(); }

    LayoutState& s_;
};

}  // namespace sorvel
