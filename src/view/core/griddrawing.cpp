// SPDX-License-Identifier: GPL-3.0-or-later
// The grid of a page image: each row's baseline and a tick at each slot.
#include <algorithm>
#include <cstdint>

#include "base/arith.h"
#include "view/core/pagedrawing.h"

namespace sorvel {
namespace {

using i64 = std::int64_t;

// Lines beyond this margin around the image cannot be seen.
constexpr i64 kMargin = 4;

i64 FloorDiv(i64 a, i64 b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}
i64 CeilDiv(i64 a, i64 b) {
    return -FloorDiv(-a, b);
}

struct IndexRange {
    i64 first, last;  // empty when first > last
};

// The indices k in 0..last whose positions start + k * step lie on the image
// (0..limit, with a margin). A damaged layout with millions of rows or slots
// thus draws only what can show, and a zero step draws its one place once.
IndexRange VisibleIndices(i64 start, i64 step, i64 last, i64 limit) {
    const i64 lo = -kMargin, hi = limit + kMargin;
    if (step == 0)
        return start >= lo && start <= hi ? IndexRange{0, std::min<i64>(0, last)}
                                          : IndexRange{1, 0};
    IndexRange r = step > 0 ? IndexRange{CeilDiv(lo - start, step), FloorDiv(hi - start, step)}
                            : IndexRange{CeilDiv(start - hi, -step), FloorDiv(start - lo, -step)};
    return {std::max<i64>(r.first, 0), std::min(r.last, last)};
}

void DrawRow(Canvas& canvas, const LayoutState& s, int base) {
    const i64 rowEnd = s.LeftSpace + static_cast<i64>(s.GridDivNum) * s.GridSize;
    const i64 end = std::clamp<i64>(rowEnd, -kMargin, s.PageWidth + kMargin);
    canvas.Line(s.LeftSpace, base, static_cast<int>(end), base);
    const IndexRange slots = VisibleIndices(s.LeftSpace, s.GridSize, s.GridDivNum, s.PageWidth);
    for (i64 k = slots.first; k <= slots.last; ++k) {
        const int x = static_cast<int>(s.LeftSpace + k * s.GridSize);
        canvas.Line(x, base - 2, x, base + 2);
    }
}

}  // namespace

void DrawGrid(Canvas& canvas, const DrawContext& ctx) {
    const LayoutState& s = ctx.layout;
    canvas.SetPen(static_cast<Color>(ctx.prefs.DefoGridColor), 1);
    const i64 first = static_cast<i64>(s.TopSpace) + s.TitleHeight + Half(s.RowInterval);
    const IndexRange rows =
        VisibleIndices(first, s.RowInterval, static_cast<i64>(s.RowDivNum) - 1, s.PageHeight);
    for (i64 r = rows.first; r <= rows.last; ++r) {
        DrawRow(canvas, s, static_cast<int>(first + r * s.RowInterval));
    }
}

}  // namespace sorvel
