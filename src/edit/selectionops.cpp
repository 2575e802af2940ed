// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/selectionops.h"

#include "model/musicitem.h"
#include "model/musicsheet.h"
#include "model/textbox.h"

namespace sorvel {

namespace {

// Whether the item's first linked item lies at or above it (on screen, y
// grows downwards): the mark sits at or below its note.
bool LinkedAtOrAbove(const TMusicItem& item) {
    return item.GetLink(0)->PosY() - item.PosY() <= 0;
}

bool SameKind(const TMusicItem& model, const TMusicItem& other) {
    if (other.ContentKind() != model.ContentKind()) return false;
    if (model.ContentKind() == ckTextBox) {
        const TTextBox* a = model.As<TTextBox>();
        const TTextBox* b = other.As<TTextBox>();
        // A text-box glyph on another class has no frame: compare as 0.
        return (a ? a->FrameLineWidth() : 0) == (b ? b->FrameLineWidth() : 0);
    }
    if (model.LinkCount() == 0 || other.LinkCount() == 0) return true;
    return LinkedAtOrAbove(model) == LinkedAtOrAbove(other);
}

}  // namespace

std::vector<TMusicItem*> SameKindItems(const TMusicSheet& page, const TMusicItem& model) {
    std::vector<TMusicItem*> found;
    for (int i = 0; i < page.ItemCount(); ++i) {
        TMusicItem* item = page.GetItem(i);
        if (SameKind(model, *item)) found.push_back(item);
    }
    return found;
}

bool AlignMarksVertically(const std::vector<TMusicItem*>& selection) {
    if (selection.empty()) return false;
    const TMusicItem& first = *selection.front();
    if (!first.IsMark() || first.LinkCount() == 0) return false;
    const int distance = first.PosY() - first.GetLink(0)->PosY();
    for (size_t i = 1; i < selection.size(); ++i) {
        TMusicItem& item = *selection[i];
        if (!item.IsMark() || item.LinkCount() == 0) continue;
        item.SetPosY(item.GetLink(0)->PosY() + distance);
    }
    return true;
}

}  // namespace sorvel
