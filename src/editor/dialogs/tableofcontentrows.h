// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rows of the table of contents, built from a book without any widget: one
// row for page 1 and one for every later page that starts a piece (has a
// title), and the row that holds the current page.
#include <string>
#include <string_view>
#include <vector>

namespace sorvel {

class TMusicBook;

// One row of the grid. The texts are the model's CP932 bytes, as the grid
// shows them (converted for display only).
struct TableOfContentRow {
    std::string title;   // two spaces + the page's Title
    std::string key;     // bytes 5 to 8 of KeyCode: "Ｄ　" of "１＝Ｄ　（１５弦）"
    std::string writer;  // one space + the page's Writer
    std::string page;    // the page number, "%4d"
    int pageNumber = 0;  // 1-based
};

// Page 1 always, then every titled page, in book order.
std::vector<TableOfContentRow> BuildTableOfContentRows(const TMusicBook& book);

// The row of the piece that contains `currentPage`: the row of that page, or
// else the last row that starts before it. Rows are in page order; an empty
// list gives -1.
int SelectedTableOfContentRow(const std::vector<TableOfContentRow>& rows, int currentPage);

// The heading over the grid, in UTF-8: the book's title, or when that is empty
// the file name (a UTF-8 path or "無題") without its folder and extension.
std::string TableOfContentHeading(const TMusicBook& book, const std::string& fileName);

// The page a page cell names: its trimmed text as a decimal number; -1 for an
// empty cell or one that is not a number.
int PageFromTableOfContentCell(std::string_view cell);

}  // namespace sorvel
