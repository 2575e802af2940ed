// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/layoutstate.h"

#include "model/glyphinfotable.h"
#include "model/musicsheet.h"

namespace sorvel {

void CopyPageLayout(LayoutState& s, const TMusicSheet& page) {
    s.PageWidth = page.PageWidth;
    s.PageHeight = page.PageHeight;
    s.TitleHeight = page.TitleHeight();
    s.TopSpace = page.TopSpace();
    s.BottomSpace = page.BottomSpace();
    s.LeftSpace = page.LeftSpace();
    s.RightSpace = page.RightSpace();
    s.GridDivNum = page.GridDivNum();
    s.GridSize = page.GridSize();
    s.RowDivNum = page.RowDivNum();
    s.RowInterval = page.RowInterval();
    s.NoteFontSize = page.NoteFontSize();
    s.BarParRow = page.BarParRow();
    s.DivParBar = page.DivParBar();
    s.Rates = page.Rates();
}

void TakeOverPageSettings(LayoutState& s, const TMusicSheet& page, GlyphInfoTable& glyphs) {
    CopyPageLayout(s, page);
    glyphs.RefreshRates(s.Rates);
}

void CopyPageSettings(LayoutState& s, const TMusicSheet& from, TMusicSheet& to,
                      GlyphInfoTable& glyphs) {
    to.SetLayoutFrom(from);
    to.PageWidth = from.PageWidth;
    to.PageHeight = from.PageHeight;
    TakeOverPageSettings(s, to, glyphs);
}

}  // namespace sorvel
