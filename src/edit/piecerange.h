// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pages of the piece that holds the current page, as the automatic
// lengths and the shifts use them: from the nearest titled page at or before
// it to the page of the piece's last symbol. No Qt.
namespace sorvel {

class TMusicBook;
class TMusicItem;

struct PieceRange {
    int first = 0;  // zero-based page indices
    int last = 0;
    // The last symbol of the untitled pages from the current page on (on the
    // last of them that holds items); none when that page holds no symbol,
    // and then the range is the first page alone.
    TMusicItem* lastSymbol = nullptr;
};

// `currentIndex` must be a page of the book.
PieceRange FindPieceRange(const TMusicBook& book, int currentIndex);

}  // namespace sorvel
