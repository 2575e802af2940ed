// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/musicbook.h"

#include <algorithm>

#include "model/musicsheet.h"
#include "model/preferences.h"

namespace sorvel {

TMusicBook::TMusicBook(ModelEnv& env) : LayoutSettings(ObjectKind::Book), env_(env) {}

TMusicBook::~TMusicBook() {
    // Pages first, each destroying its items, while the book is still whole.
    while (!sheets_.empty()) sheets_.pop_back();
}

const PropertyTable& TMusicBook::Properties() const {
    static const PropertyTable table(
        nullptr, {StringProperty<TMusicBook, &TMusicBook::Title, &TMusicBook::SetTitle>("Title")},
        LayoutProperties());
    return table;
}

TMusicSheet* TMusicBook::GetSheet(int index) const {
    if (index < 0 || index >= SheetCount()) return nullptr;
    return sheets_[static_cast<size_t>(index)].get();
}

int TMusicBook::IndexOfSheet(const TMusicSheet* page) const {
    for (int i = 0; i < SheetCount(); ++i) {
        if (sheets_[static_cast<size_t>(i)].get() == page) return i;
    }
    return -1;
}

TMusicSheet* TMusicBook::NewSheet() {
    sheets_.push_back(std::make_unique<TMusicSheet>(*this));
    TMusicSheet* page = sheets_.back().get();
    page->InitFromBook();
    return page;
}

void TMusicBook::InsertSheet(int index, std::unique_ptr<TMusicSheet> page) {
    if (!page) return;
    index = std::clamp(index, 0, SheetCount());
    sheets_.insert(sheets_.begin() + index, std::move(page));
}

std::unique_ptr<TMusicSheet> TMusicBook::RemoveSheet(TMusicSheet* page, int* formerIndex) {
    int index = IndexOfSheet(page);
    if (formerIndex) *formerIndex = index;
    if (index < 0) return nullptr;
    std::unique_ptr<TMusicSheet> result = std::move(sheets_[static_cast<size_t>(index)]);
    sheets_.erase(sheets_.begin() + index);
    return result;
}

void TMusicBook::MoveSheet(int from, int to) {
    if (from < 0 || from >= SheetCount() || to < 0 || to >= SheetCount() || from == to) return;
    std::unique_ptr<TMusicSheet> page = std::move(sheets_[static_cast<size_t>(from)]);
    sheets_.erase(sheets_.begin() + from);
    sheets_.insert(sheets_.begin() + to, std::move(page));
}

void TMusicBook::ApplyDefaultLayout() {
    const Preferences& p = PrefsOrDefault(env_);
    SetNoteFontSize(p.DefoNoteFontSize);
    SetTitleHeight(p.DefoTitleHeight);
    SetTopSpace(p.DefoTopSpace);
    SetBottomSpace(p.DefoBottomSpace);
    SetLeftSpace(p.DefoLeftSpace);
    SetRightSpace(p.DefoRightSpace);
    SetBarParRow(p.DefoBarParRow);
    SetDivParBar(p.DefoDivParBar);
    SetRowDivNum(p.DefoRowDivNum);
    SetGridDivNum(p.DefoGridDivNum);
    SetGridSize(p.DefoGridSize);
    SetRowInterval(p.DefoRowInterval);
    SetRates(p.DefoRates);
}

}  // namespace sorvel
