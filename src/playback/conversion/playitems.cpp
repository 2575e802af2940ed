// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/conversion/playitems.h"

#include <algorithm>

#include "base/text.h"
#include "model/markmeanings.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/tempo.h"
#include "model/timing.h"

namespace sorvel {
namespace {

bool IsPlayItem(const TMusicItem& item) {
    const ItemClass c = item.Class();
    return c == ItemClass::Note || c == ItemClass::BarLine || c == ItemClass::Beat ||
           c == ItemClass::HorizBar;
}

// The first mark of `item` whose code is one of `codes`.
char FirstMarkCode(const TMusicItem* item, std::string_view codes) {
    if (!item) return '\0';
    for (const TMusicItem* link : item->Links()) {
        if (!link->IsMark()) continue;
        const char code = CodeOf(link);
        if (code != '\0' && codes.find(code) != std::string_view::npos) return code;
    }
    return '\0';
}

// The first mark of `item` that means a mark of `kind`.
char FirstMarkOf(const TMusicItem* item, MarkKind kind) {
    if (!item) return '\0';
    for (const TMusicItem* link : item->Links()) {
        if (!link->IsMark()) continue;
        const char code = CodeOf(link);
        if (IsMarkOf(kind, code)) return code;
    }
    return '\0';
}

}  // namespace

int PieceStartPageIndex(const TMusicBook& book, int pageIndex) {
    int index = pageIndex;
    while (index > 0 && Trim(book.GetSheet(index)->Title()).empty()) --index;
    return index;
}

const TMusicSheet& PieceFirstPage(const TMusicSheet& page) {
    const TMusicBook& book = page.Book();
    const int start = PieceStartPageIndex(book, book.IndexOfSheet(&page));
    return start >= 0 ? *book.GetSheet(start) : page;
}

PlayItems CollectPlayItems(TMusicSheet& currentPage) {
    PlayItems items;
    TMusicBook& book = currentPage.Book();
    const int current = book.IndexOfSheet(&currentPage);
    if (current >= 0) {
        const int start = PieceStartPageIndex(book, current);
        const TMusicItem* last = LastSymbolOfSection(currentPage);
        const int end = last ? book.IndexOfSheet(&last->Sheet()) : start;
        for (int p = start; p <= end; ++p) {
            TMusicSheet& page = *book.GetSheet(p);
            ComputeTiming(page);
            for (int i = 0; i < page.ItemCount(); ++i) {
                TMusicItem* item = page.GetItem(i);
                if (IsPlayItem(*item)) items.push_back(item);
            }
        }
    }
    items.push_back(nullptr);
    return items;
}

char CodeOf(const TMusicItem* item) {
    return item && !item->Content().empty() ? item->Content()[0] : '\0';
}

TNote* NoteAt(const PlayItems& items, int index) {
    if (index < 0 || index >= static_cast<int>(items.size()) || !items[index]) return nullptr;
    return items[index]->As<TNote>();
}

int IndexOf(const PlayItems& items, const TMusicItem* item) {
    if (!item) return -1;
    auto it = std::find(items.begin(), items.end(), item);
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

bool HasMark(const TNote& note, char code) {
    const char codes[] = {code, '\0'};
    return FirstMarkCode(&note, codes) != '\0';
}

char JumpSignOf(const TMusicItem* item) {
    return FirstMarkOf(item, MarkKind::kJump);
}

int VoltaNumberOf(const TMusicItem* item) {
    return VoltaNumberOfCode(FirstMarkOf(item, MarkKind::kVolta));
}

const TTempo* TempoMarkOf(const TNote& note) {
    for (const TMusicItem* link : note.Links()) {
        if (const TTempo* tempo = link->As<TTempo>()) return tempo;
    }
    return nullptr;
}

}  // namespace sorvel
