// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/layoutsettings.h"

#include <vector>

namespace sorvel {

std::span<const PropertyInfo> LayoutSettings::LayoutProperties() {
    using L = LayoutSettings;
    static const std::vector<PropertyInfo> entries = {
        IntProperty<L, &L::NoteFontSize, &L::SetNoteFontSize>("NoteFontSize"),
        IntProperty<L, &L::TitleHeight, &L::SetTitleHeight>("TitleHeight"),
        IntProperty<L, &L::TopSpace, &L::SetTopSpace>("TopSpace"),
        IntProperty<L, &L::BottomSpace, &L::SetBottomSpace>("BottomSpace"),
        IntProperty<L, &L::LeftSpace, &L::SetLeftSpace>("LeftSpace"),
        IntProperty<L, &L::RightSpace, &L::SetRightSpace>("RightSpace"),
        IntProperty<L, &L::BarParRow, &L::SetBarParRow>("BarParRow"),
        IntProperty<L, &L::DivParBar, &L::SetDivParBar>("DivParBar"),
        IntProperty<L, &L::RowDivNum, &L::SetRowDivNum>("RowDivNum"),
        IntProperty<L, &L::GridDivNum, &L::SetGridDivNum>("GridDivNum"),
        IntProperty<L, &L::GridSize, &L::SetGridSize>("GridSize"),
        IntProperty<L, &L::RowInterval, &L::SetRowInterval>("RowInterval"),
        IntProperty<L, &L::OffsetRateX_FingerNo, &L::SetOffsetRateX_FingerNo>(
            "OffsetRateX_FingerNo"),
        IntProperty<L, &L::OffsetRateX_PF, &L::SetOffsetRateX_PF>("OffsetRateX_PF"),
        IntProperty<L, &L::OffsetRateX_Crese, &L::SetOffsetRateX_Crese>("OffsetRateX_Crese"),
        IntProperty<L, &L::OffsetRateX_Slur, &L::SetOffsetRateX_Slur>("OffsetRateX_Slur"),
        IntProperty<L, &L::OffsetRateX_Ornament, &L::SetOffsetRateX_Ornament>(
            "OffsetRateX_Ornament"),
        IntProperty<L, &L::OffsetRateX_Speed, &L::SetOffsetRateX_Speed>("OffsetRateX_Speed"),
        IntProperty<L, &L::OffsetRateX_Branch, &L::SetOffsetRateX_Branch>("OffsetRateX_Branch"),
        IntProperty<L, &L::OffsetRateX_Bow, &L::SetOffsetRateX_Bow>("OffsetRateX_Bow"),
        IntProperty<L, &L::OffsetRateX_String, &L::SetOffsetRateX_String>("OffsetRateX_String"),
        IntProperty<L, &L::OffsetRateX_3ren, &L::SetOffsetRateX_3ren>("OffsetRateX_3ren"),
        IntProperty<L, &L::OffsetRateX_Kakko, &L::SetOffsetRateX_Kakko>("OffsetRateX_Kakko"),
    };
    return entries;
}

void LayoutSettings::SetRates(const OffsetRates& r) {
    SetOffsetRateX_FingerNo(r.FingerNo);
    SetOffsetRateX_PF(r.PF);
    SetOffsetRateX_Crese(r.Crese);
    SetOffsetRateX_Slur(r.Slur);
    SetOffsetRateX_Ornament(r.Ornament);
    SetOffsetRateX_Speed(r.Speed);
    SetOffsetRateX_Branch(r.Branch);
    SetOffsetRateX_Bow(r.Bow);
    SetOffsetRateX_String(r.String);
    SetOffsetRateX_3ren(r.Ren3);
    SetOffsetRateX_Kakko(r.Kakko);
}

void LayoutSettings::SetLayoutFrom(const LayoutSettings& from) {
    for (const PropertyInfo& p : LayoutProperties()) p.set(*this, p.get(from));
}

}  // namespace sorvel
