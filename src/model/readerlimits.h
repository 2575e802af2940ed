// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether the score reader would take a book back: the limits of
// scorefile.h, checked on the book itself. The editor refuses an edit that
// crosses one (so the book on screen always stays savable), and the save
// refuses a book beyond them instead of writing a file that cannot be opened.
#include <cstddef>
#include <optional>
#include <string>

#include "base/usertext.h"

namespace sorvel {

class TMusicBook;

enum class ReaderLimit {
    ItemsPerPage,  // kMaxItemsPerPage items on one page
    LinksPerItem,  // kMaxLinksPerItem links of one item (more are dropped on reading)
    TextBoxLines,  // kMaxTextBoxLines text-box lines in the whole book
    Blocks,        // kMaxScoreBlocks blocks: the book, its pages and their items
    FileBytes,     // kMaxScoreBytes bytes of the whole file (known only once written)
};

struct ReaderLimitBreach {
    ReaderLimit limit = ReaderLimit::ItemsPerPage;
    int page = 0;      // 1-based page number where the limit is crossed; 0 for the whole book
    UserText message;  // for the user
};

// The first limit the book crosses, page by page, or nothing when the reader
// would read it back whole. Looks at counts only (no text is written), so it
// is cheap enough to run after every edit; the file size is checked by the
// save, which has the bytes.
std::optional<ReaderLimitBreach> ReaderLimitBroken(const TMusicBook& book);

// The breach for a file text of `bytes` bytes, if it is too large to read.
std::optional<ReaderLimitBreach> FileSizeLimitBroken(std::size_t bytes);

}  // namespace sorvel
