// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/offline/pieceinfo.h"

#include "base/cp932.h"
#include "base/text.h"
#include "model/musicbook.h"
#include "model/musicitem.h"
#include "model/musicsheet.h"
#include "playback/conversion/playitems.h"

namespace sorvel {

PieceInfo ReadPieceInfo(TMusicSheet& page) {
    PieceInfo info;
    const TMusicBook& book = page.Book();
    const int start = PieceStartPageIndex(book, book.IndexOfSheet(&page));
    if (start >= 0) info.title = cp932::ToUtf8(Trim(book.GetSheet(start)->Title()));

    // Notes before the first time signature are counted in 4/4.
    TimeSignature current;
    std::optional<TimeSignature> only;
    bool several = false;
    for (const TMusicItem* item : CollectPlayItems(page)) {
        if (!item) break;
        if (item->Class() == ItemClass::Beat) {
            current = TimeSignatureOf(item);
        } else if (item->Class() == ItemClass::Note) {
            if (only && (only->beats != current.beats || only->unit != current.unit))
                several = true;
            only = current;
        }
    }
    if (!several) info.signature = only;
    return info;
}

}  // namespace sorvel
