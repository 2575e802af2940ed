// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/printgeometry.h"

#include <algorithm>

#include "base/arith.h"
#include "model/layoutstate.h"
#include "model/musicsheet.h"

namespace sorvel {

PageSpan PrintSpan(bool allPages, int from, int to, int pageCount) {
    if (pageCount <= 0) return {};
    if (allPages || from <= 0) return {0, pageCount - 1};
    if (to <= 0) to = from;
    if (from > to) std::swap(from, to);
    from = std::clamp(from, 1, pageCount);
    to = std::clamp(to, 1, pageCount);
    return {from - 1, to - 1};
}

QPointF UnitScale(int dpiX, int dpiY) {
    return {dpiX / 120.0, dpiY / 120.0};
}

QSize StoredPageSize(const TMusicSheet& page) {
    return {page.PageWidth > 0 ? page.PageWidth : kFallbackPageWidth,
            page.PageHeight > 0 ? page.PageHeight : kFallbackPageHeight};
}

QSize ZoomedSize(QSize pageSize, int percent) {
    return {RoundHalfEven(pageSize.width() * static_cast<double>(percent) / 100.0),
            RoundHalfEven(pageSize.height() * static_cast<double>(percent) / 100.0)};
}

QString ReplaceExtension(const QString& fileName, const QString& extension) {
    const qsizetype slash = fileName.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > slash ? fileName.left(dot) : fileName;
    return stem + extension;
}

}  // namespace sorvel
