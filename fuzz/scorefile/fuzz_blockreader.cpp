// SPDX-License-Identifier: GPL-3.0-or-later
// Reads any text as pasted item blocks onto a page, as one undo step, then
// undoes and redoes it.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "model/musicbook.h"
#include "model/musicitem.h"
#include "model/musicsheet.h"
#include "model/scorefile.h"
#include "model/workspace.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace sorvel;
    static Workspace fe;  // built once per process
    std::string_view text(reinterpret_cast<const char*>(data), size);
    auto book = std::make_unique<TMusicBook>(fe.env);
    TMusicSheet& page = *book->NewSheet();
    fe.undo.BeginGroup();
    const auto made = ReadItemBlocks(page, SplitScoreLines(text));
    fe.undo.EndGroup();
    if (static_cast<int>(made.size()) != page.ItemCount()) std::abort();
    for (int i = 0; i < page.ItemCount(); ++i) {
        TMusicItem* item = page.GetItem(i);
        if (!item->Name().empty() || !item->LinkNames().empty()) std::abort();
        for (const TMusicItem* other : item->Links()) {
            if (!other->IsLinkedTo(item) || other == item) std::abort();
        }
    }
    fe.undo.Undo();
    if (page.ItemCount() != 0) std::abort();
    fe.undo.Redo();
    (void)SaveBookToLines(*book);
    fe.undo.Clear();
    book.reset();
    return 0;
}
