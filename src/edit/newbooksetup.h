// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A new book set up in one go: the title, composer, key, time signature,
// tempo and number of pages a player gives before writing, put where the
// settings dialogs and the palette would put them. No Qt.
#include <string>

#include "edit/clipboardtext.h"

namespace sorvel {

class TMusicBook;
class GlyphInfoTable;
struct LayoutState;

struct NewBookSetup {
    std::string title;     // CP932 bytes: the book's and the first page's title
    std::string composer;  // CP932 bytes: the first page's Writer
    std::string keyCode;   // CP932 bytes: the first page's KeyCode (empty: none)
    char meterCode = 0;    // the time-signature glyph; 0 for none
    int tempo = 0;         // the first page's PlayCount (quarters a minute); 0: none
    int pages = 1;         // at least 1

    bool operator==(const NewBookSetup&) const = default;
};

// The most pages a new book is made with.
inline constexpr int kMaxNewBookPages = 100;

// Fills a book just made with its first page (and that page's bar lines):
// the titles, composer, key and tempo as the book and page settings dialogs
// store them; the time signature in the first slot of the first row, where
// the palette puts one clicked there; pages up to `setup.pages`, each with
// the bar lines of a new page. The first page's layout is current afterwards.
// Returns the slot where typing starts: the first row's slot after the time
// signature's. Changes are recorded only when the caller holds an undo group.
PagePoint SetUpNewBook(TMusicBook& book, const NewBookSetup& setup, LayoutState& layout,
                       GlyphInfoTable& glyphs);

}  // namespace sorvel
