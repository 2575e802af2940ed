// SPDX-License-Identifier: GPL-3.0-or-later
// Pastes any text as clipboard text (UTF-8) and as raw CP932 bytes into a
// paste buffer page that records nothing, as the page view keeps it. Text
// without the header leaves the buffer empty; otherwise every item read
// carries its offset from the paste origin, no names remain, links are
// symmetric, and copying the buffer and pasting that copy gives back as many
// items with the same offsets.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "edit/clipboardtext.h"
#include "model/musicbook.h"
#include "model/musicitem.h"
#include "model/musicsheet.h"
#include "model/workspace.h"
#include "view/core/drawcontext.h"

namespace {

using namespace sorvel;

void CheckBuffer(TMusicSheet& buffer, PasteRead read) {
    if (read == PasteRead::NotItems && buffer.ItemCount() != 0) std::abort();
    const PagePoint origin = PasteOrigin(buffer);
    for (int i = 0; i < buffer.ItemCount(); ++i) {
        TMusicItem* item = buffer.GetItem(i);
        if (!item->Name().empty() || !item->LinkNames().empty()) std::abort();
        if (item->dragX != SafeCoordinate(std::int64_t{item->PosX()} - origin.x)) std::abort();
        if (item->dragY != SafeCoordinate(std::int64_t{item->PosY()} - origin.y)) std::abort();
        for (const TMusicItem* other : item->Links()) {
            if (other == item || !other->IsLinkedTo(item)) std::abort();
        }
    }
}

std::vector<std::pair<int, int>> Offsets(const TMusicSheet& buffer) {
    std::vector<std::pair<int, int>> offsets;
    for (int i = 0; i < buffer.ItemCount(); ++i) {
        offsets.emplace_back(buffer.GetItem(i)->dragX, buffer.GetItem(i)->dragY);
    }
    std::sort(offsets.begin(), offsets.end());
    return offsets;
}

void PasteAndCopyBack(TMusicBook& book, std::string_view text, bool asClipboardText) {
    TMusicSheet& buffer = *book.NewSheet();
    const PasteRead read =
        asClipboardText ? ReadClipboardText(buffer, text) : ReadPasteText(buffer, text);
    CheckBuffer(buffer, read);
    if (read != PasteRead::Read) return;

    std::vector<TMusicItem*> all;
    for (int i = 0; i < buffer.ItemCount(); ++i) all.push_back(buffer.GetItem(i));
    const std::string copied = ClipboardTextOf(CopyLines(buffer, all));
    TMusicSheet& again = *book.NewSheet();
    if (ReadClipboardText(again, copied) != PasteRead::Read) std::abort();
    CheckBuffer(again, PasteRead::Read);
    if (again.ItemCount() != buffer.ItemCount()) std::abort();
    if (Offsets(again) != Offsets(buffer)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Workspace ws;  // built once per process
    // The paste buffer's book records nothing, as the page view's does.
    static ModelEnv bufferEnv = [] {
        ModelEnv env = ws.env;
        env.undo = nullptr;
        return env;
    }();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    auto book = std::make_unique<TMusicBook>(bufferEnv);
    PasteAndCopyBack(*book, text, true);
    PasteAndCopyBack(*book, text, false);
    if (ws.undo.CanUndo() || ws.undo.GroupOpen()) std::abort();
    return 0;
}
