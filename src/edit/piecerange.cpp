// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/piecerange.h"

#include "base/text.h"
#include "model/musicbook.h"
#include "model/musicitem.h"
#include "model/musicsheet.h"
#include "model/timing.h"

namespace sorvel {

PieceRange FindPieceRange(const TMusicBook& book, int currentIndex) {
    PieceRange range;
    int first = currentIndex;
    while (first > 0 && Trim(book.GetSheet(first)->Title()).empty()) --first;
    range.first = first;
    range.last = first;
    range.lastSymbol = LastSymbolOfSection(*book.GetSheet(currentIndex));
    if (range.lastSymbol) range.last = book.IndexOfSheet(&range.lastSymbol->Sheet());
    return range;
}

}  // namespace sorvel
