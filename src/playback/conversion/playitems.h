// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The items of one piece in play order (notes, bar lines, multi-bar rests and
// time signatures of its pages) and what the conversion reads from them: codes, marks, jump
// signs, volta numbers and tempo marks.
#include <vector>

namespace sorvel {

class TMusicBook;
class TMusicItem;
class TMusicSheet;
class TNote;
class TTempo;

// The collected items; the last entry is always a null end marker.
using PlayItems = std::vector<TMusicItem*>;

// The index of the page where the piece holding page `pageIndex` begins: the
// nearest page at or before it with a title, else the book's first page. A
// negative index (a page outside the book) is returned as it is.
int PieceStartPageIndex(const TMusicBook& book, int pageIndex);
// The page where the piece holding `page` begins; `page` itself when it is
// not in its book.
const TMusicSheet& PieceFirstPage(const TMusicSheet& page);

// The notes, bar lines, multi-bar rests and time signatures from the page where the piece
// holding `currentPage` begins (the nearest page with a title) to the page of
// its last symbol, in page order and each page's item order. Every page of
// that range gets its timing first, so the result does not depend on which
// pages were drawn.
PlayItems CollectPlayItems(TMusicSheet& currentPage);

// The first character of an item's content ('\0' for none or an empty one).
char CodeOf(const TMusicItem* item);

TNote* NoteAt(const PlayItems& items, int index);
int IndexOf(const PlayItems& items, const TMusicItem* item);

// Whether one of the note's marks carries `code`.
bool HasMark(const TNote& note, char code);
// The code of the first of the item's marks that is a jump sign (fine,
// segno, D.S., coda or D.C.); '\0' for none.
char JumpSignOf(const TMusicItem* item);
// The ending number, 1-4, of the item's first volta bracket; 0 for none.
int VoltaNumberOf(const TMusicItem* item);
// The note's tempo mark, or none.
const TTempo* TempoMarkOf(const TNote& note);

}  // namespace sorvel
