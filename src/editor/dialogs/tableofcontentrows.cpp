// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialogs/tableofcontentrows.h"

#include <cstdio>
#include <filesystem>

#include "base/cp932.h"
#include "base/text.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"

namespace sorvel {
namespace {

// The key letter and the character after it in a key name such as
// "１＝Ｄ　（１５弦）": four bytes from the fifth. A shorter name gives what
// is there, an empty one nothing.
std::string KeyColumn(const std::string& keyCode) {
    constexpr std::size_t kStart = 4, kLength = 4;
    if (keyCode.size() <= kStart) return {};
    return keyCode.substr(kStart, kLength);
}

std::string PageColumn(int pageNumber) {
    char text[16];
    std::snprintf(text, sizeof text, "%4d", pageNumber);
    return text;
}

TableOfContentRow RowFor(const TMusicSheet& page, int pageNumber) {
    TableOfContentRow row;
    row.title = "  " + page.Title();
    row.key = KeyColumn(page.KeyCode());
    row.writer = " " + page.Writer();
    row.page = PageColumn(pageNumber);
    row.pageNumber = pageNumber;
    return row;
}

}  // namespace

std::vector<TableOfContentRow> BuildTableOfContentRows(const TMusicBook& book) {
    std::vector<TableOfContentRow> rows;
    for (int i = 0; i < book.SheetCount(); ++i) {
        const TMusicSheet* page = book.GetSheet(i);
        if (i == 0 || !page->Title().empty()) rows.push_back(RowFor(*page, i + 1));
    }
    return rows;
}

int SelectedTableOfContentRow(const std::vector<TableOfContentRow>& rows, int currentPage) {
    if (rows.empty()) return -1;
    // Rows are in page order and the first is page 1: the last row that starts
    // at or before the current page is the piece that holds it. A current page
    // after the last titled page belongs to the last piece.
    int selected = 0;
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        if (rows[i].pageNumber > currentPage) break;
        selected = i;
    }
    return selected;
}

std::string TableOfContentHeading(const TMusicBook& book, const std::string& fileName) {
    if (!book.Title().empty()) return cp932::ToUtf8(book.Title());
    return std::filesystem::path(fileName).stem().string();
}

int PageFromTableOfContentCell(std::string_view cell) {
    int page = -1;
    const std::string_view text = Trim(cell);
    if (text.empty() || !TryStrToInt(text, page)) return -1;
    return page;
}

}  // namespace sorvel
