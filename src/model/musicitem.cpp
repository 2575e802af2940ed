// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/musicitem.h"

#include <algorithm>

#include "model/glyphinfotable.h"
#include "model/itemtraits.h"
#include "model/modelenv.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "model/undo.h"

namespace sorvel {

TMusicItem::TMusicItem(TMusicSheet& sheet) : Persistent(ObjectKind::Item), sheet_(&sheet) {}

TMusicItem::~TMusicItem() {
    // Links are symmetric, so every linked item is alive: drop the way back.
    for (TMusicItem* other : links_) {
        auto& back = other->links_;
        back.erase(std::remove(back.begin(), back.end(), this), back.end());
    }
}

const PropertyTable& TMusicItem::Properties() const {
    using I = TMusicItem;
    static const PropertyTable table(
        nullptr,
        {IntProperty<I, &I::PosX, &I::SetPosX>("PosX"),
         IntProperty<I, &I::PosY, &I::SetPosY>("PosY"),
         StringProperty<I, &I::Content, &I::SetContent>("Content"),
         {"ContentKind", PropType::Enumeration,
          [](const Persistent& o) { return IntToStr(static_cast<const I&>(o).ContentKind()); },
          nullptr},
         IntProperty<I, &I::Width, &I::SetWidth>("Width"),
         IntProperty<I, &I::Height, &I::SetHeight>("Height"),
         IntProperty<I, &I::OwnerPageNo, &I::SetOwnerPageNo>("OwnerPageNo")});
    return table;
}

TUndo* TMusicItem::Undo() const {
    return sheet_->Undo();
}

ModelEnv& TMusicItem::Env() const {
    return sheet_->Book().Env();
}

const GlyphInfoTable& TMusicItem::Glyphs() const {
    return GlyphsOrDefault(Env());
}

bool TMusicItem::IsSymbol() const {
    return TraitsOf(Class()).symbol;
}

bool TMusicItem::IsMark2() const {
    return TraitsOf(Class()).hasWidth;
}

TContentKind TMusicItem::ContentKind() const {
    return content_.empty() ? ckNone
                            : GlyphInfoTable::KindOf(static_cast<unsigned char>(content_[0]));
}

void TMusicItem::SetPosX(int v) {
    if (ChangeInt(posX_, v, "PosX")) sheet_->Rekey(this);
}

void TMusicItem::SetPosY(int v) {
    if (ChangeInt(posY_, v, "PosY")) sheet_->Rekey(this);
}

void TMusicItem::SetContent(const std::string& v) {
    if (!ChangeString(content_, v, "Content")) return;
    heightRate_ = Glyphs().LookupContent(content_).HeightRate;
}

int TMusicItem::OwnerPageNo() const {
    return sheet_->Book().IndexOfSheet(sheet_) + 1;
}

void TMusicItem::SetOwnerPageNo(int n) {
    int current = OwnerPageNo();
    TMusicSheet* target = sheet_->Book().GetSheet(n - 1);
    if (n == current || !target) return;  // only existing pages take items
    RecordChange("OwnerPageNo", IntToStr(current), IntToStr(n));
    std::unique_ptr<TMusicItem> self = sheet_->RemoveItem(this);
    if (self)
        target->AddItem(std::move(self));
    else
        sheet_ = target;
}

void TMusicItem::SetName(const std::string& name) {
    name_ = name;
    if (name_.empty()) linkNames_.clear();
}

TMusicItem* TMusicItem::GetLink(int index) const {
    if (index < 0 || index >= LinkCount()) return nullptr;
    return links_[static_cast<size_t>(index)];
}

bool TMusicItem::IsLinkedTo(const TMusicItem* other) const {
    return std::find(links_.begin(), links_.end(), other) != links_.end();
}

void TMusicItem::Link(TMusicItem& other) {
    if (IsLinkedTo(&other)) return;
    links_.push_back(&other);
    if (TUndo* undo = Undo()) undo->RecordLink(*this, other);
}

void TMusicItem::Unlink(TMusicItem& other) {
    auto it = std::find(links_.begin(), links_.end(), &other);
    if (it == links_.end()) return;
    links_.erase(it);
    if (TUndo* undo = Undo()) undo->RecordUnlink(*this, other);
}

void TMusicItem::Delete() {
    const std::vector<TMusicItem*> linked = links_;
    for (TMusicItem* other : linked) {
        other->Unlink(*this);
        Unlink(*other);
    }
    TUndo* undo = Undo();
    std::unique_ptr<TMusicItem> self = sheet_->RemoveItem(this);
    if (!self) return;  // already out of the book
    if (undo) undo->RecordDelete(std::move(self));
    // Without an undo manager nothing can bring the item back: `self` frees it.
}

bool TMusicItem::HitTest(int x, int y) const {
    return posX_ - width_ / 2 <= x && x <= posX_ + width_ / 2 && posY_ - height_ / 2 <= y &&
           y <= posY_ + height_ / 2;
}

Rect TMusicItem::GetSizeGripRect() const {
    int left = posX_ + width_ - 3;
    int top = posY_ - height_ / 3;
    return {left, top, left + 4, top + height_};
}

}  // namespace sorvel
