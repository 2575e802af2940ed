// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps the current page's layout across drawing other pages: drawing a page
// makes its layout current, so printing or previewing other pages would
// otherwise leave the page view snapping and sizing new pages by the last
// page drawn. Restores the layout state and the glyph rates when it goes.
#include "model/glyphinfotable.h"
#include "model/layoutstate.h"
#include "model/modelenv.h"

namespace sorvel {

class LayoutKeeper {
public:
    explicit LayoutKeeper(ModelEnv& env) : env_(env) {
        if (env_.layout) saved_ = *env_.layout;
    }
    ~LayoutKeeper() {
        if (!env_.layout) return;
        *env_.layout = saved_;
        if (env_.glyphs) env_.glyphs->RefreshRates(saved_.Rates);
    }
    LayoutKeeper(const LayoutKeeper&) = delete;
    LayoutKeeper& operator=(const LayoutKeeper&) = delete;

private:
    ModelEnv& env_;
    LayoutState saved_;
};

}  // namespace sorvel
