// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The arithmetic of printing and preview: which pages a print job takes, how
// many device pixels one page unit covers, how large a page shows at a zoom,
// and the names proposed for exported files.
#include <QPointF>
#include <QSize>
#include <QString>

namespace sorvel {

class TMusicSheet;

// Pages of a book by 0-based index, first to last inclusive.
struct PageSpan {
    int first = 0;
    int last = -1;
    int Count() const { return last >= first ? last - first + 1 : 0; }
};

// The pages a print job takes from a book of `pageCount` pages: all of them,
// or the 1-based pages `from` to `to` as the print dialog names them. A range
// reaching past the book is cut to it; a reversed one is read forwards; a
// `from` of 0 (no range given) means every page.
PageSpan PrintSpan(bool allPages, int from, int to, int pageCount);

// Device pixels per page unit on a device of that resolution (dpi / 120).
QPointF UnitScale(int dpiX, int dpiY);

// A page's stored size in page units; pages without one (0 or less) have the
// size of the fallback printer.
QSize StoredPageSize(const TMusicSheet& page);

// A page of `pageSize` units shown at `percent`: each side rounded to the
// nearest pixel, halves to even (964 x 1365 at 50 % is 482 x 682).
QSize ZoomedSize(QSize pageSize, int percent);

// `fileName` with its extension replaced by `extension` (".bmp"), or that
// extension added when it has none; the folder part is left alone.
QString ReplaceExtension(const QString& fileName, const QString& extension);

}  // namespace sorvel
