// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/conversion/starttempo.h"

#include <algorithm>

#include "model/musicsheet.h"
#include "model/note.h"
#include "model/tempo.h"

namespace sorvel {
namespace {

const TNote* FirstNote(const PlayItems& items) {
    for (TMusicItem* item : items) {
        if (item && item->As<TNote>()) return item->As<TNote>();
    }
    return nullptr;
}

}  // namespace

int PageTempo(const TMusicSheet& page) {
    if (page.PlayCount() != 0) return page.PlayCount();
    return PieceFirstPage(page).PlayCount();
}

int StartTempo(const PlayItems& items, const TMusicSheet& currentPage, const PlayOptions& options) {
    if (options.playScoreTempo) {
        if (const int pageTempo = PageTempo(currentPage); pageTempo != 0) return pageTempo;
        const TNote* first = FirstNote(items);
        const TTempo* mark = first ? TempoMarkOf(*first) : nullptr;
        if (mark && mark->Tempo() != 0 && mark->TempoUnit() != 1) return mark->Tempo();
    }
    return std::clamp(options.tempo, 10, 240);
}

int TempoMarkValue(const TTempo& mark, int startTempo) {
    if (mark.TempoUnit() != 1) return mark.Tempo();
    const long long value = static_cast<long long>(startTempo) * mark.Tempo() / 100;
    return static_cast<int>(std::clamp<long long>(value, -0x7FFFFFFF, 0x7FFFFFFF));
}

}  // namespace sorvel
