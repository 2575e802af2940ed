#pragma once
// The arithmetic of a page's layout: rows, grid slots, snapping, the key
// cursor's steps and linear positions across pages, all in page units on
// the layout state of the current page.
#include "model/layoutstate.h"

namespace sorvel {

class TMusicSheet;
class GlyphInfoTable;

struct LinearPos {
    int page;  // zero-based, as the caller passes it
    int x, y;
};

struct CursorPos {
    int x, y;
    bool operator==(const CursorPos&) const = default;
};

// Page size in page units (1/120 inch) from a device's printable area.
int PageUnitsFromDevice(int pixels, int pixelsPerInch);

class PageLayout {
public:
    explicit PageLayout(LayoutState& state) : s_(state) {}

    // Makes `page` the current page: its size and layout settings become the
    // layout state and the glyph rates follow its offset rates.
    void TakeOverPageSettings(const TMusicSheet& page, GlyphInfoTable& glyphs);
    // Copies the layout of `from` to `to` through the setters (recorded), the
    // page size without recording, and takes `to` over as the current page.
    void CopyPageSettings(const TMusicSheet& from, TMusicSheet& to, GlyphInfoTable& glyphs);

    int RowLength() const;
    int PageLength() const;
    int RowBase(int row) const;
    int SlotX(int slot) const;

    int SnapX(int x) const;
    int SnapY(int y) const;

    int ToLinear(int basePage, int itemPage, int x, int y) const;
    LinearPos FromLinear(int basePage, long long linear) const;

    int FirstX() const { return s_.LeftSpace; }
    int LastX() const { return s_.PageWidth - s_.RightSpace; }
    int FirstY() const { return RowBase(0); }
    int LastY() const { return RowBase(s_.RowDivNum - 1); }

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
