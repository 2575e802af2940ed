// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/musicsheet.h"

#include <algorithm>

#include "base/text.h"
#include "model/layoutstate.h"
#include "model/modelenv.h"
#include "model/musicbook.h"
#include "model/musicitem.h"
#include "model/undo.h"

namespace sorvel {

TMusicSheet::TMusicSheet(TMusicBook& book) : LayoutSettings(ObjectKind::Sheet), book_(book) {}

TMusicSheet::~TMusicSheet() {
    FreeAllItems();
}

TUndo* TMusicSheet::Undo() const {
    return book_.Undo();
}

const PropertyTable& TMusicSheet::Properties() const {
    using S = TMusicSheet;
    static const PropertyTable table(
        nullptr,
        {StringProperty<S, &S::Title, &S::SetTitle>("Title"),
         StringProperty<S, &S::Writer, &S::SetWriter>("Writer"),
         StringProperty<S, &S::KeyCode, &S::SetKeyCode>("KeyCode"),
         StringProperty<S, &S::PlaySpeed, &S::SetPlaySpeed>("PlaySpeed"),
         IntProperty<S, &S::PlayCount, &S::SetPlayCount>("PlayCount")},
        LayoutProperties());
    return table;
}

void TMusicSheet::InitFromBook() {
    const LayoutState& layout = LayoutOrDefault(book_.Env());
    PageWidth = layout.PageWidth;
    PageHeight = layout.PageHeight;
    SetLayoutFrom(book_);
}

TMusicItem* TMusicSheet::GetItem(int index) const {
    if (index < 0 || index >= ItemCount()) return nullptr;
    return items_[static_cast<size_t>(index)].item.get();
}

std::vector<TMusicSheet::ItemEntry>::iterator TMusicSheet::Find(const TMusicItem* item) {
    // From the back: items just added (while reading or pasting) are there.
    auto it = std::find_if(items_.rbegin(), items_.rend(),
                           [item](const ItemEntry& e) { return e.item.get() == item; });
    return it == items_.rend() ? items_.end() : std::prev(it.base());
}

int TMusicSheet::IndexOfItem(const TMusicItem* item) const {
    for (int i = 0; i < ItemCount(); ++i) {
        if (items_[static_cast<size_t>(i)].item.get() == item) return i;
    }
    return -1;
}

void TMusicSheet::AddItem(std::unique_ptr<TMusicItem> item) {
    if (!item) return;
    TMusicItem* raw = item.get();
    raw->AttachTo(this);
    items_.push_back({0, 0, std::move(item)});
    Rekey(raw);
}

std::unique_ptr<TMusicItem> TMusicSheet::RemoveItem(TMusicItem* item) {
    auto it = Find(item);
    if (it == items_.end()) return nullptr;
    std::unique_ptr<TMusicItem> result = std::move(it->item);
    items_.erase(it);
    return result;
}

void TMusicSheet::Rekey(TMusicItem* item) {
    auto it = Find(item);
    if (it == items_.end()) return;
    ItemEntry entry{item->PosY(), item->PosX(), std::move(it->item)};
    if (sortSuspended_) {
        *it = std::move(entry);
        return;
    }
    // The rest of the list is sorted: take the entry out and insert it at its
    // place, a binary search instead of a sort of the whole page.
    items_.erase(it);
    auto place = std::upper_bound(items_.begin(), items_.end(), entry, KeyLess);
    items_.insert(place, std::move(entry));
}

void TMusicSheet::ResumeSorting() {
    sortSuspended_ = false;
    std::stable_sort(items_.begin(), items_.end(), KeyLess);
}

void TMusicSheet::FreeAllItems() {
    // Take the list first so that destroying items never sees a half-empty one.
    std::vector<ItemEntry> doomed = std::move(items_);
    items_.clear();
    doomed.clear();
}

void TMusicSheet::NameItems() {
    for (size_t i = 0; i < items_.size(); ++i) {
        std::string name = IntToStr(static_cast<long long>(i));
        if (name.size() < 3) name.insert(0, 3 - name.size(), '0');
        items_[i].item->SetName(name);
    }
}

void TMusicSheet::ClearItemNames() {
    for (auto& e : items_) e.item->SetName("");
}

std::vector<TMusicItem*> TMusicSheet::ItemsInRect(int x1, int y1, int x2, int y2) const {
    const int left = std::min(x1, x2), right = std::max(x1, x2);
    const int top = std::min(y1, y2), bottom = std::max(y1, y2);
    std::vector<TMusicItem*> result;
    for (const auto& e : items_) {
        const TMusicItem& item = *e.item;
        // In 64 bits: an item near the ends of the int range reaches past them.
        const long long posX = item.PosX(), posY = item.PosY();
        const long long itemTop = posY - item.Height() / 2;
        const long long itemLeft = item.AnchoredAtLeft() ? posX : posX - item.Width() / 2;
        const long long xs[2] = {itemLeft, itemLeft + item.Width()};
        const long long ys[2] = {itemTop, itemTop + item.Height()};
        if (std::min(xs[0], xs[1]) >= left && std::max(xs[0], xs[1]) <= right &&
            std::min(ys[0], ys[1]) >= top && std::max(ys[0], ys[1]) <= bottom) {
            result.push_back(e.item.get());
        }
    }
    return result;
}

bool TMusicSheet::DeleteSheet() {
    int index = -1;
    std::unique_ptr<TMusicSheet> self = book_.RemoveSheet(this, &index);
    if (!self) return false;
    if (TUndo* undo = Undo()) {
        undo->RecordSheetDelete(std::move(self), index);
    } else {
        self.reset();  // nobody can bring it back
    }
    return true;
}

}  // namespace sorvel
