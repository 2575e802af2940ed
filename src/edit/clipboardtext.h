// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Copy and paste in the clipboard's text form: the header line of a score
// file, then one item block per copied item, as the score file writes them.
// The text is CP932 bytes inside the program; the clipboard holds the same
// text as Unicode, so these functions also convert at that boundary. No Qt:
// putting text on the clipboard and taking it off is the caller's part.
#include <string>
#include <string_view>
#include <vector>

namespace sorvel {

class TMusicItem;
class TMusicSheet;

struct PagePoint {
    int x = 0, y = 0;
    bool operator==(const PagePoint&) const = default;
};

// What a copy takes: the selected item alone when it is the only one;
// otherwise each selected item followed by the items linked to it, each
// item once, in that order.
std::vector<TMusicItem*> CopyList(const std::vector<TMusicItem*>& selection);

// The position of the item's first linked symbol minus its own: where a
// single copied mark sits relative to its note. (0, 0) without a linked
// symbol.
PagePoint MarkOffsetOf(const TMusicItem& item);

// The clipboard lines: the header, then the blocks of `items`, whose names
// and links are those of `page` (the page shown) while it is written.
std::vector<std::string> CopyLines(TMusicSheet& page, const std::vector<TMusicItem*>& items);

// The lines as clipboard text: each line ended by CR LF, converted from
// CP932 to UTF-8 as a whole score text (its references of line breaks and
// typed "&#x" stay as the file writes them, so a value never splits a line).
std::string ClipboardTextOf(const std::vector<std::string>& lines);

enum class PasteRead {
    NotItems,  // line 1 was not the header: the buffer is left empty
    Read,      // the well-formed item blocks are in the buffer (maybe none)
};

// Reads pasted score text (CP932 bytes) into the paste buffer page: empties
// it, checks line 1 against the header, reads the item blocks with the
// bounded block reader and stores each item's offset from the paste origin
// in its dragX and dragY. Any text is safe: what is not well formed is
// skipped, and the reader's limits bound the items made.
PasteRead ReadPasteText(TMusicSheet& buffer, std::string_view bytes);

// The same for clipboard text (UTF-8), converted to CP932 first as a whole
// score text.
PasteRead ReadClipboardText(TMusicSheet& buffer, std::string_view utf8);

// The point the floating paste hangs from: the position of the buffer's item
// when it holds exactly one; otherwise the smallest PosX and, on its own,
// the smallest PosY of the buffer's symbols; a buffer without symbols uses
// all its items, so marks copied without their notes paste where they are
// shown. (99999, 99999) for an empty buffer.
PagePoint PasteOrigin(const TMusicSheet& buffer);

}  // namespace sorvel
