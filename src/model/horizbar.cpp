// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/horizbar.h"

#include "model/layoutstate.h"
#include "model/modelenv.h"

namespace sorvel {

const PropertyTable& THorizBar::Properties() const {
    using H = THorizBar;
    static const PropertyTable table(&TMusicItem::Properties(),
                                     {StringProperty<H, &H::BarNum, &H::SetBarNum>("BarNum")});
    return table;
}

void THorizBar::InitDefaults() {
    width_ = 4 * LayoutOrDefault(Env()).GridSize;
    SetBarNum("1");
}

bool THorizBar::HitTest(int x, int y) const {
    return posX_ <= x && x <= posX_ + width_ && posY_ - upperExtent <= y &&
           y <= posY_ + lowerExtent;
}

Rect THorizBar::GetSizeGripRect() const {
    return {posX_ + width_ - 4, posY_ - upperExtent + 4, posX_ + width_, posY_ + lowerExtent - 2};
}

}  // namespace sorvel
