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
    to.SetLayoutFrom(from);
    to.PageWidth = from.PageWidth;
    to.PageHeight = from.PageHeight;
    TakeOverPageSettings(to, glyphs);
}

int PageLayout::RowLength() const { return s_.GridDivNum * s_.GridSize; }

int PageLayout::PageLength() const { return RowLength() * s_.RowDivNum; }

int PageLayout::RowBase(int row) const {
    return s_.TopSpace + s_.TitleHeight + Half(s_.RowInterval) + row * s_.RowInterval;
}

int PageLayout::SlotX(int slot) const { return s_.LeftSpace + slot * s_.GridSize; }

int PageLayout::SnapX(int x) const {
    if (!s_.Snap) return x;
    if (x < s_.LeftSpace) return s_.LeftSpace;
    if (x > s_.LeftSpace + RowLength()) return s_.LeftSpace + RowLength();
    return DivTrunc(x + Half(s_.GridSize) - s_.LeftSpace, s_.GridSize) * s_.GridSize + s_.LeftSpace;
}

int PageLayout::SnapY(int y) const {
    if (y < RowBase(0)) return RowBase(0);
    if (y > s_.PageHeight - s_.BottomSpace) return s_.PageHeight - s_.BottomSpace;
    const int top = s_.TopSpace + s_.TitleHeight;
    return DivTrunc(y - top, s_.RowInterval) * s_.RowInterval + top + Half(s_.RowInterval);
}

int PageLayout::ToLinear(int basePage, int itemPage, int x, int y) const {
    int row = DivTrunc(y - s_.TopSpace - s_.TitleHeight - Half(s_.RowInterval), s_.RowInterval);
    return (x - s_.LeftSpace) + RowLength() * (row - s_.RowDivNum * (basePage - itemPage));
}

LinearPos PageLayout::FromLinear(int basePage, long long linear) const {
    const long long pageLength = PageLength();
    const long long rowLength = RowLength();
    if (pageLength <= 0 || rowLength <= 0) return {basePage, s_.LeftSpace, RowBase(0)};
    long long page = basePage + linear / pageLength;
    long long rest = linear % pageLength;
    int row = static_cast<int>(rest / rowLength);
    int x = static_cast<int>(rest % rowLength) + s_.LeftSpace;
    return {static_cast<int>(page), x, RowBase(row)};
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
