// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/pasteplacement.h"

#include <cstdint>
#include <string>

#include "model/layoutstate.h"
#include "model/musicitem.h"
#include "model/musicsheet.h"
#include "model/pagegrid.h"
#include "model/scorefile.h"

namespace sorvel {

namespace {

// Puts copies of the buffer's items on the page at their offsets from `at`.
std::vector<TMusicItem*> CopyBufferOnto(TMusicSheet& buffer, TMusicSheet& page, PagePoint at) {
    // Moving an item re-sorts its page, so the items are listed before any
    // moves: walking the page by index while moving would visit some twice
    // and others never.
    std::vector<TMusicItem*> items;
    items.reserve(static_cast<size_t>(buffer.ItemCount()));
    for (int i = 0; i < buffer.ItemCount(); ++i) items.push_back(buffer.GetItem(i));
    // Each buffer item keeps its offset from the paste origin in its drag
    // position; it lands at that offset from the point.
    for (TMusicItem* item : items) {
        item->SetPosX(item->dragX + at.x);
        item->SetPosY(item->dragY + at.y);
    }
    return ReadItemBlocks(page, SaveItemsToLines(buffer, items));
}

}  // namespace

bool IsRefused(PasteAction action) {
    switch (action) {
        case PasteAction::Free:
        case PasteAction::ReplaceNote:
        case PasteAction::MarkOntoNote:
        case PasteAction::ReplaceSymbol:
            return false;
        default:
            return true;
    }
}

PasteAction PlanPaste(const TMusicSheet& buffer, const TMusicItem* target,
                      const LayoutState& layout, PagePoint at) {
    const TMusicItem* only = buffer.ItemCount() == 1 ? buffer.GetItem(0) : nullptr;
    const bool onNote = target && target->Class() == ItemClass::Note;
    const bool replacesSymbol =
        target && only && only->Class() == target->Class() &&
        (only->Class() == ItemClass::BarLine || only->Class() == ItemClass::Beat ||
         only->Class() == ItemClass::HorizBar);
    if (onNote && only && only->IsSymbol() && only->Class() != ItemClass::Note) {
        return PasteAction::OnItem;
    }
    if (target && !(onNote && only) && !replacesSymbol) {
        return target->Class() == ItemClass::TextBox ? PasteAction::CoveredByTextBox
                                                     : PasteAction::OnItem;
    }
    if (onNote) {
        return only->Class() == ItemClass::Note ? PasteAction::ReplaceNote
                                                : PasteAction::MarkOntoNote;
    }
    if (replacesSymbol) return PasteAction::ReplaceSymbol;
    if (only && !only->IsSymbol() && only->Class() != ItemClass::TextBox) {
        return PasteAction::NeedsNote;
    }
    if (!PasteFits(buffer, layout, at)) return PasteAction::OffPage;
    return PasteAction::Free;
}

bool PasteFits(const TMusicSheet& buffer, const LayoutState& layout, PagePoint at) {
    const PageGrid grid(layout);
    const std::int64_t lastSlotX = std::int64_t{layout.LeftSpace} + grid.RowLength();
    for (int i = 0; i < buffer.ItemCount(); ++i) {
        const TMusicItem& item = *buffer.GetItem(i);
        const std::int64_t x = std::int64_t{item.dragX} + at.x;
        const std::int64_t y = std::int64_t{item.dragY} + at.y;
        // Symbols keep to the slots of the rows; marks to the paper.
        const bool inside =
            item.IsSymbol()
                ? x >= grid.FirstX() && x <= lastSlotX && y >= grid.FirstY() && y <= grid.LastY()
                : x >= 0 && x <= layout.PageWidth && y >= 0 && y <= layout.PageHeight;
        if (!inside) return false;
    }
    return true;
}

std::vector<TMusicItem*> LandPaste(PasteAction action, TMusicSheet& buffer, TMusicSheet& page,
                                   TMusicItem* target, PagePoint at, PagePoint markOffset) {
    if (IsRefused(action)) return {};
    if (action == PasteAction::MarkOntoNote) {
        const TMusicItem& only = *buffer.GetItem(0);
        for (TMusicItem* linked : target->Links()) {
            if (linked->Class() != ItemClass::TextBox &&
                linked->ContentKind() == only.ContentKind()) {
                linked->Delete();
                break;
            }
        }
    }
    std::vector<TMusicItem*> pasted = CopyBufferOnto(buffer, page, at);
    switch (action) {
        case PasteAction::ReplaceNote:
        case PasteAction::ReplaceSymbol:
            target->Delete();
            break;
        case PasteAction::MarkOntoNote:
            if (!pasted.empty()) {
                TMusicItem* mark = pasted.front();
                mark->SetPosX(target->PosX() - markOffset.x);
                mark->SetPosY(target->PosY() - markOffset.y);
                target->Link(*mark);
                mark->Link(*target);
            }
            break;
        default:
            break;
    }
    return pasted;
}

}  // namespace sorvel
