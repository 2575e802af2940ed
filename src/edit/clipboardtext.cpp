// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/clipboardtext.h"

#include <algorithm>
#include <cstdint>

#include "base/cp932.h"
#include "model/musicitem.h"
#include "model/musicsheet.h"
#include "model/pagegrid.h"
#include "model/scorefile.h"
#include "model/selectedmusicitemlist.h"

namespace sorvel {

namespace {

// Larger than any page position: the start of the search for the origin.
constexpr int kNoOrigin = 99999;

PagePoint SmallestPosition(const TMusicSheet& buffer, bool symbolsOnly) {
    PagePoint origin{kNoOrigin, kNoOrigin};
    for (int i = 0; i < buffer.ItemCount(); ++i) {
        const TMusicItem& item = *buffer.GetItem(i);
        if (symbolsOnly && !item.IsSymbol()) continue;
        origin.x = std::min(origin.x, item.PosX());
        origin.y = std::min(origin.y, item.PosY());
    }
    return origin;
}

bool HoldsSymbol(const TMusicSheet& buffer) {
    for (int i = 0; i < buffer.ItemCount(); ++i) {
        if (buffer.GetItem(i)->IsSymbol()) return true;
    }
    return false;
}

}  // namespace

std::vector<TMusicItem*> CopyList(const std::vector<TMusicItem*>& selection) {
    if (selection.size() == 1) return {selection.front()};
    TSelectedMusicItemList list;
    for (TMusicItem* item : selection) {
        list.AddUnique(item);
        for (TMusicItem* linked : item->Links()) list.AddUnique(linked);
    }
    return std::vector<TMusicItem*>(list.begin(), list.end());
}

PagePoint MarkOffsetOf(const TMusicItem& item) {
    for (const TMusicItem* linked : item.Links()) {
        if (linked->IsSymbol()) return {linked->PosX() - item.PosX(), linked->PosY() - item.PosY()};
    }
    return {0, 0};
}

std::vector<std::string> CopyLines(TMusicSheet& page, const std::vector<TMusicItem*>& items) {
    std::vector<std::string> lines{std::string(kScoreHeader)};
    std::vector<std::string> blocks = SaveItemsToLines(page, items);
    lines.insert(lines.end(), std::make_move_iterator(blocks.begin()),
                 std::make_move_iterator(blocks.end()));
    return lines;
}

std::string ClipboardTextOf(const std::vector<std::string>& lines) {
    return cp932::ScoreTextToUtf8(LinesToFileBytes(lines));
}

PasteRead ReadPasteText(TMusicSheet& buffer, std::string_view bytes) {
    buffer.FreeAllItems();
    const std::vector<std::string> lines = SplitScoreLines(bytes);
    if (lines.empty() || lines.front() != kScoreHeader) return PasteRead::NotItems;
    ReadItemBlocks(buffer, lines);
    const PagePoint origin = PasteOrigin(buffer);
    for (int i = 0; i < buffer.ItemCount(); ++i) {
        TMusicItem& item = *buffer.GetItem(i);
        // Pasted text may hold any 32-bit position; the offsets are kept
        // where adding a page position to them cannot overflow.
        item.dragX = SafeCoordinate(std::int64_t{item.PosX()} - origin.x);
        item.dragY = SafeCoordinate(std::int64_t{item.PosY()} - origin.y);
    }
    return PasteRead::Read;
}

PasteRead ReadClipboardText(TMusicSheet& buffer, std::string_view utf8) {
    return ReadPasteText(buffer, cp932::ScoreTextFromUtf8(utf8));
}

PagePoint PasteOrigin(const TMusicSheet& buffer) {
    if (buffer.ItemCount() == 1) return {buffer.GetItem(0)->PosX(), buffer.GetItem(0)->PosY()};
    return SmallestPosition(buffer, HoldsSymbol(buffer));
}

}  // namespace sorvel
