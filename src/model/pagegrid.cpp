// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/pagegrid.h"

#include <algorithm>

#include "base/arith.h"

namespace sorvel {

int SafeCoordinate(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, -kMaxCoordinate, kMaxCoordinate));
}

bool PageGrid::Usable() const {
    const std::int64_t pageLength =
        std::int64_t{g_.GridSize} * g_.GridDivNum * std::int64_t{g_.RowDivNum};
    return g_.GridSize > 0 && g_.GridDivNum > 0 && g_.RowDivNum > 0 && g_.RowInterval > 0 &&
           pageLength <= kMaxCoordinate;
}

int PageGrid::RowLength() const {
    return g_.GridDivNum * g_.GridSize;
}

int PageGrid::PageLength() const {
    return RowLength() * g_.RowDivNum;
}

int PageGrid::RowBase(int row) const {
    return g_.TopSpace + g_.TitleHeight + Half(g_.RowInterval) + row * g_.RowInterval;
}

int PageGrid::SlotX(int slot) const {
    return g_.LeftSpace + slot * g_.GridSize;
}

int PageGrid::SnapX(int x) const {
    if (!g_.Snap) return x;
    if (x < g_.LeftSpace) return g_.LeftSpace;
    if (x > g_.LeftSpace + RowLength()) return g_.LeftSpace + RowLength();
    return DivTrunc(x + Half(g_.GridSize) - g_.LeftSpace, g_.GridSize) * g_.GridSize + g_.LeftSpace;
}

int PageGrid::SnapY(int y) const {
    if (y < RowBase(0)) return RowBase(0);
    if (y > g_.PageHeight - g_.BottomSpace) return g_.PageHeight - g_.BottomSpace;
    const int top = g_.TopSpace + g_.TitleHeight;
    return DivTrunc(y - top, g_.RowInterval) * g_.RowInterval + top + Half(g_.RowInterval);
}

std::int64_t PageGrid::Linear(int basePage, int itemPage, int x, int y) const {
    const std::int64_t top = std::int64_t{g_.TopSpace} + g_.TitleHeight + Half(g_.RowInterval);
    // A zero row interval counts every position in row 0, as DivTrunc does.
    const std::int64_t row = g_.RowInterval != 0 ? (y - top) / g_.RowInterval : 0;
    const std::int64_t rowLength = std::int64_t{g_.GridDivNum} * g_.GridSize;
    return (std::int64_t{x} - g_.LeftSpace) +
           rowLength * (row - std::int64_t{g_.RowDivNum} * (basePage - itemPage));
}

int PageGrid::ToLinear(int basePage, int itemPage, int x, int y) const {
    return static_cast<int>(Linear(basePage, itemPage, x, y));
}

std::int64_t PageGrid::PageOf(int basePage, std::int64_t linear) const {
    return basePage + linear / (std::int64_t{g_.GridDivNum} * g_.GridSize * g_.RowDivNum);
}

LinearPos PageGrid::FromLinear(int basePage, long long linear) const {
    const long long pageLength = PageLength();
    const long long rowLength = RowLength();
    if (pageLength <= 0 || rowLength <= 0) return {basePage, g_.LeftSpace, RowBase(0)};
    long long page = basePage + linear / pageLength;
    long long rest = linear % pageLength;
    int row = static_cast<int>(rest / rowLength);
    int x = static_cast<int>(rest % rowLength) + g_.LeftSpace;
    return {static_cast<int>(page), x, RowBase(row)};
}

}  // namespace sorvel
