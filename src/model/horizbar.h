// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A multi-bar rest: a thick bar with end ticks and the number of bars above.
#include "model/musicitem.h"

namespace sorvel {

class THorizBar : public TMusicSymbol {
public:
    static constexpr ItemClass kClass = ItemClass::HorizBar;
    using TMusicSymbol::TMusicSymbol;
    ItemClass Class() const override { return kClass; }
    const char* ClassName() const override { return "THorizBar"; }
    const PropertyTable& Properties() const override;
    void InitDefaults() override;

    const std::string& BarNum() const { return barNum_; }
    void SetBarNum(const std::string& v) { ChangeString(barNum_, v, "BarNum"); }

    bool HitTest(int x, int y) const override;
    Rect GetSizeGripRect() const override;

    // Measured by drawing: the number's height above PosY, and 30 % of the
    // bar glyph's height below it.
    int upperExtent = 0;
    int lowerExtent = 0;

private:
    std::string barNum_;
};

}  // namespace sorvel
