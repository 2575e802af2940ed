// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The layout settings of the page currently shown, as the page view keeps
// them: item defaults (widths in grid steps) and new pages read it.
#include "model/offsetrates.h"

namespace sorvel {

class TMusicSheet;
class GlyphInfoTable;

// Page size used when no printer can be measured: 4820 x 6826 device pixels
// at 600 dpi, in page units of 1/120 inch.
inline constexpr int kFallbackPageWidth = 964;
inline constexpr int kFallbackPageHeight = 1365;

struct LayoutState {
    int PageWidth = kFallbackPageWidth;
    int PageHeight = kFallbackPageHeight;
    int TitleHeight = 150;
    int TopSpace = 20;
    int BottomSpace = 20;
    int LeftSpace = 40;
    int RightSpace = 20;
    int GridDivNum = 36;
    int GridSize = 25;
    int RowDivNum = 8;
    int RowInterval = 146;
    int NoteFontSize = 18;
    int BarParRow = 4;
    int DivParBar = 9;
    OffsetRates Rates;
    bool Snap = true;  // view-wide: whether x positions snap to the grid
};

// Copies the size and layout settings of `page` into the layout state and
// nothing else: the arithmetic of a page's rows without making it current.
void CopyPageLayout(LayoutState& state, const TMusicSheet& page);

// Makes `page` the current page: its size and layout settings become the
// layout state, and the glyph rates follow its offset rates.
void TakeOverPageSettings(LayoutState& state, const TMusicSheet& page, GlyphInfoTable& glyphs);

// Copies the layout of `from` to `to` through the setters (recorded), the
// page size without recording, and takes `to` over as the current page.
void CopyPageSettings(LayoutState& state, const TMusicSheet& from, TMusicSheet& to,
                      GlyphInfoTable& glyphs);

}  // namespace sorvel
