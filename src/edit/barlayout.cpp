// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/barlayout.h"

#include <algorithm>
#include <cstdint>

namespace sorvel {

BarPlan PlanBar(std::span<const int> onsets, int barTicks, int fullBar, int share, int maxSlots) {
    BarPlan plan;
    share = std::max(1, share);
    const int count = static_cast<int>(onsets.size());
    if (count == 0 || barTicks <= 0) {
        plan.slots = std::max(1, share * std::max(barTicks, 0) / std::max(fullBar, 1));
        return plan;
    }
    // Slots in proportion to the bar's length against a full bar; the
    // notes stand in proportion to time when every onset then gets a slot of
    // its own.
    const int base = static_cast<int>(std::clamp<std::int64_t>(
        (std::int64_t{share} * barTicks + fullBar - 1) / std::max(fullBar, 1), 1, maxSlots));
    bool distinct = true;
    for (int i = 0, previous = -1; i < count; ++i) {
        const int off = static_cast<int>(std::int64_t{onsets[i]} * base / barTicks);
        distinct = distinct && off > previous;
        previous = off;
        plan.offsets.push_back(off);
    }
    plan.slots = base;
    if (!distinct) {
        // A bar too full for its share: one slot for each numeral, and what
        // the share has beyond that spread in proportion to time, so short
        // notes stand close and long ones keep some room.
        plan.slots = std::max(base, count);
        const int extra = plan.slots - count;
        for (int i = 0; i < count; ++i) {
            plan.offsets[i] = i + static_cast<int>(std::int64_t{extra} * onsets[i] / barTicks);
        }
    }
    plan.slots = std::max(plan.slots, plan.offsets.back() + 1);
    return plan;
}

BarRows PlaceInRows(const BarPlan& plan, int firstSlot, int gridSlots) {
    BarRows out;
    std::vector<int> offsets = plan.offsets;
    int slots = plan.slots;
    if (firstSlot + slots > gridSlots) {
        for (std::size_t i = 0; i < offsets.size(); ++i) offsets[i] = static_cast<int>(i);
        slots = static_cast<int>(offsets.size());
        out.oneSlotEach = true;
    }
    int row = 0, rowStart = firstSlot, written = 0;  // offsets written on earlier rows
    for (const int offset : offsets) {
        int at = rowStart + offset - written;
        if (at >= gridSlots) {
            ++row;
            written = offset - 1;
            rowStart = 0;
            at = 1;
        }
        out.pieces.push_back({row, at});
    }
    out.barLine = {row, rowStart + slots - written};
    if (out.barLine.slot > gridSlots) out.barLine = {row + 1, 1};
    return out;
}

}  // namespace sorvel
