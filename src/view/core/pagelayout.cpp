// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/core/pagelayout.h"

#include "base/arith.h"
#include "model/glyphinfotable.h"
#include "model/musicitem.h"
#include "model/musicsheet.h"

namespace sorvel {
namespace {

bool HoldsBarLine(const TMusicSheet& page, CursorPos c) {
    for (int i = 0; i < page.ItemCount(); ++i) {
        const TMusicItem* item = page.GetItem(i);
        if (item->PosY() > c.y) break;
        if (item->PosY() == c.y && item->PosX() == c.x && item->Class() == ItemClass::BarLine) {
            return true;
        }
    }
    return false;
}

}  // namespace

int PageUnitsFromDevice(int pixels, int pixelsPerInch) {
    if (pixelsPerInch <= 0) return 0;
    return RoundHalfEven(static_cast<double>(pixels) / pixelsPerInch * 120.0);
}

void PageLayout::TakeOverPageSettings(const TMusicSheet& page, GlyphInfoTable& glyphs) {
    sorvel::TakeOverPageSettings(s_, page, glyphs);
}

void PageLayout::CopyPageSettings(const TMusicSheet& from, TMusicSheet& to,
                                  GlyphInfoTable& glyphs) {
    sorvel::CopyPageSettings(s_, from, to, glyphs);
}

CursorPos PageLayout::StepRight(CursorPos c) const {
    if (c.x < LastX()) return {c.x + s_.GridSize, c.y};
    if (c.y < LastY()) return {FirstX(), c.y + s_.RowInterval};
    return c;
}

CursorPos PageLayout::StepRightSkipping(CursorPos c, const TMusicSheet& page) const {
    if (AtLastSlot(c)) return c;
    c = StepRight(c);
    // A broken layout (a grid step of zero or less) could step forever.
    for (int guard = 0; guard < 1'000'000; ++guard) {
        if (AtLastSlot(c) || !(HoldsBarLine(page, c) || c.x == FirstX())) break;
        CursorPos next = StepRight(c);
        if (next == c) break;
        c = next;
    }
    return c;
}

CursorPos PageLayout::StepLeft(CursorPos c) const {
    if (c.x > FirstX()) return {c.x - s_.GridSize, c.y};
    if (c.y > FirstY()) return {LastX(), c.y - s_.RowInterval};
    return c;
}

CursorPos PageLayout::StepUp(CursorPos c) const {
    if (c.y > FirstY()) c.y -= s_.RowInterval;
    return c;
}

CursorPos PageLayout::StepDown(CursorPos c) const {
    if (c.y < LastY()) c.y += s_.RowInterval;
    return c;
}

}  // namespace sorvel
