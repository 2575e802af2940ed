// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/shift.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <unordered_set>

#include "base/text.h"
#include "edit/pageoperations.h"
#include "edit/piecerange.h"
#include "model/layoutstate.h"
#include "model/musicbook.h"
#include "model/musicitem.h"
#include "model/musicsheet.h"
#include "model/pagegrid.h"

namespace sorvel {

namespace {

// A symbol with where it was before the shift.
struct Placed {
    TMusicItem* item;
    int x, y;
    std::int64_t linear;
};

// The grid of the current page's layout, held on a copy of the state:
// creating a page passes through the live one.
class Rows {
public:
    explicit Rows(const LayoutState& s) : s_(s), grid_(s_) {}
    Rows(const Rows&) = delete;
    Rows& operator=(const Rows&) = delete;

    bool Usable() const { return grid_.Usable(); }
    int GridSize() const { return s_.GridSize; }
    int LeftSpace() const { return s_.LeftSpace; }

    std::int64_t Linear(int basePage, int itemPage, int x, int y) const {
        return grid_.Linear(basePage, itemPage, x, y);
    }
    std::int64_t PageOf(int basePage, std::int64_t linear) const {
        return grid_.PageOf(basePage, linear);
    }

    // Where a linear position from `basePage` lies; false when it is before
    // the base page's start or beyond page `lastPage`.
    bool Place(int basePage, std::int64_t linear, int lastPage, LinearPos& out) const {
        if (linear < 0 || PageOf(basePage, linear) > lastPage) return false;
        out = grid_.FromLinear(basePage, linear);
        return true;
    }

private:
    LayoutState s_;
    PageGrid grid_;
};

// The symbols of pages first..last whose linear position (from `basePage`)
// `wanted` accepts, in page order and item order.
template <class Wanted>
std::vector<Placed> CollectSymbols(const TMusicBook& book, int first, int last, int basePage,
                                   const Rows& rows, Wanted wanted) {
    std::vector<Placed> found;
    for (int p = first; p <= last; ++p) {
        const TMusicSheet& page = *book.GetSheet(p);
        for (int i = 0; i < page.ItemCount(); ++i) {
            TMusicItem* item = page.GetItem(i);
            if (!item->IsSymbol()) continue;
            const std::int64_t linear = rows.Linear(basePage, p, item->PosX(), item->PosY());
            if (wanted(linear)) found.push_back({item, item->PosX(), item->PosY(), linear});
        }
    }
    return found;
}

// Where a shifted symbol goes: its new linear position, except that a bar
// line which would open a row closes the row before it instead.
bool Target(const Rows& rows, const Placed& symbol, int basePage, std::int64_t linear, int lastPage,
            LinearPos& to) {
    if (!rows.Place(basePage, linear, lastPage, to)) return false;
    if (symbol.item->Class() != ItemClass::BarLine || to.x != rows.LeftSpace()) return true;
    LinearPos rowEnd;
    if (rows.Place(basePage, linear - rows.GridSize(), lastPage, rowEnd)) {
        to = rowEnd;
        to.x += rows.GridSize();
    }
    return true;
}

// Moves the symbol to `to` and its linked items by the same amounts onto the
// same page. Linked items that are shifted symbols themselves go by their
// own position; every item moves once.
void MoveWithLinks(TMusicBook& book, const Placed& symbol, const LinearPos& to,
                   const std::unordered_set<const TMusicItem*>& shifted,
                   std::unordered_set<const TMusicItem*>& moved) {
    TMusicItem& item = *symbol.item;
    const int pageNo = to.page + 1;
    if (!book.GetSheet(to.page)) return;
    item.SetOwnerPageNo(pageNo);
    item.SetPosX(to.x);
    item.SetPosY(to.y);
    moved.insert(&item);
    const std::int64_t dx = std::int64_t{to.x} - symbol.x;
    const std::int64_t dy = std::int64_t{to.y} - symbol.y;
    const std::vector<TMusicItem*> links = item.Links();
    for (TMusicItem* linked : links) {
        if (shifted.count(linked) || moved.count(linked)) continue;
        linked->SetOwnerPageNo(pageNo);
        linked->SetPosX(SafeCoordinate(linked->PosX() + dx));
        linked->SetPosY(SafeCoordinate(linked->PosY() + dy));
        moved.insert(linked);
    }
}

std::unordered_set<const TMusicItem*> ItemsOf(const std::vector<Placed>& symbols) {
    std::unordered_set<const TMusicItem*> items;
    for (const Placed& p : symbols) items.insert(p.item);
    return items;
}

}  // namespace

ShiftCount CountShiftSlots(std::string_view text, bool unitIsBar, int divParBar, int gridDivNum,
                           int rowDivNum) {
    const std::int64_t value = StrToIntDef(Trim(text), 0);
    const std::int64_t total = unitIsBar ? value * divParBar : value;
    if (total < 0) return {0, ShiftCountCheck::Negative};
    if (total > std::int64_t{gridDivNum} * rowDivNum) return {0, ShiftCountCheck::BeyondPage};
    return {static_cast<int>(std::min<std::int64_t>(total, std::numeric_limits<int>::max())),
            ShiftCountCheck::Ok};
}

ShiftOutcome InsertWithShift(TMusicBook& book, int currentIndex, ShiftStart start, int gridSlots,
                             LayoutState& layout, GlyphInfoTable& glyphs) {
    const Rows rows(layout);
    if (!rows.Usable()) return {ShiftResult::BrokenGrid, {}, -1, -1};
    const PieceRange range = FindPieceRange(book, currentIndex);
    if (!range.lastSymbol) return {ShiftResult::NoSymbol, {}, -1, -1};
    const int lastPage = range.last;
    const std::int64_t shift = std::int64_t{std::max(gridSlots, 0)} * rows.GridSize();
    const std::int64_t s = rows.Linear(currentIndex, start.page, start.x, start.y);
    const std::vector<Placed> moving =
        CollectSymbols(book, currentIndex, lastPage, currentIndex, rows,
                       [s](std::int64_t linear) { return linear >= s; });

    ShiftOutcome outcome;
    const TMusicItem& last = *range.lastSymbol;
    const std::int64_t lastLinear =
        rows.Linear(currentIndex, lastPage, last.PosX(), last.PosY()) + shift;
    if (lastLinear >= 0 && rows.PageOf(currentIndex, lastLinear) > lastPage) {
        TMusicSheet& added = CreatePageAt(book, lastPage + 1, layout, glyphs);
        CopyPageSettings(layout, *book.GetSheet(currentIndex), added, glyphs);
        outcome.insertedPage = book.IndexOfSheet(&added);
    }
    // At most one page is added: the count is at most one page of slots.
    const int reach = outcome.insertedPage >= 0 ? outcome.insertedPage : lastPage;

    const std::unordered_set<const TMusicItem*> shifted = ItemsOf(moving);
    std::unordered_set<const TMusicItem*> moved;
    for (auto it = moving.rbegin(); it != moving.rend(); ++it) {
        LinearPos to;
        if (Target(rows, *it, currentIndex, it->linear + shift, reach, to)) {
            MoveWithLinks(book, *it, to, shifted, moved);
        }
    }
    return outcome;
}

ShiftOutcome DeleteWithShift(TMusicBook& book, int currentIndex, ShiftStart start, int gridSlots,
                             const LayoutState& layout) {
    const Rows rows(layout);
    if (!rows.Usable()) return {ShiftResult::BrokenGrid, {}, -1, -1};
    const PieceRange range = FindPieceRange(book, currentIndex);
    if (!range.lastSymbol) return {ShiftResult::NoSymbol, {}, -1, -1};
    const int first = range.first;
    const int lastPage = range.last;
    const int grid = rows.GridSize();
    const std::int64_t s = rows.Linear(first, start.page, start.x, start.y);
    std::int64_t shift = std::int64_t{std::max(gridSlots, 0)} * grid;
    if (s - shift < 0) shift = s > 0 ? (s / grid) * grid : 0;  // back to the piece's start at most
    const std::int64_t a = s - shift;

    ShiftOutcome outcome;
    const std::vector<Placed> cleared =
        CollectSymbols(book, first, lastPage, first, rows,
                       [a, s](std::int64_t linear) { return a <= linear && linear < s; });
    std::vector<TMusicItem*> doomed;
    std::unordered_set<const TMusicItem*> listed;
    auto doom = [&](TMusicItem* item) {
        if (listed.insert(item).second) doomed.push_back(item);
    };
    for (const Placed& p : cleared) {
        doom(p.item);
        if (p.item->Class() == ItemClass::Note) {
            for (TMusicItem* linked : p.item->Links()) doom(linked);
        }
    }
    for (TMusicItem* item : doomed) item->Delete();
    outcome.deleted = doomed;

    const std::vector<Placed> moving = CollectSymbols(
        book, first, lastPage, first, rows, [s](std::int64_t linear) { return linear >= s; });
    const std::unordered_set<const TMusicItem*> shifted = ItemsOf(moving);
    std::unordered_set<const TMusicItem*> moved;
    for (const Placed& p : moving) {
        LinearPos to;
        if (Target(rows, p, first, p.linear - shift, lastPage, to)) {
            MoveWithLinks(book, p, to, shifted, moved);
        }
    }

    TMusicSheet* last = book.GetSheet(lastPage);
    if (last && last->ItemCount() == 0 && book.SheetCount() >= 2 && last->DeleteSheet()) {
        outcome.deletedPage = lastPage;
    }
    return outcome;
}

}  // namespace sorvel
