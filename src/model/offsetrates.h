// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The eleven vertical placement rates of marks over their note, in per cent
// of the height of the digit "8" (positive is above). Books, pages, the
// layout state and the preferences each carry one set.

namespace sorvel {

struct OffsetRates {
    int FingerNo = 0;
    int PF = 0;
    int Crese = 0;
    int Slur = 0;
    int Ornament = 0;
    int Speed = 0;
    int Branch = 0;
    int Bow = 0;
    int String = 0;
    int Ren3 = 0;  // OffsetRateX_3ren
    int Kakko = 0;

    bool operator==(const OffsetRates&) const = default;
};

}  // namespace sorvel
