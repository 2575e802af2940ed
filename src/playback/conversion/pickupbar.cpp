// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/conversion/pickupbar.h"

#include "model/note.h"
#include "playback/conversion/timesignature.h"

namespace sorvel {

void ShiftPickupStepNos(const PlayItems& items) {
    if (items.empty() || !items.front()) return;
    const TimeSignature signature = TimeSignatureOf(items.front());
    int firstBar = 0;
    long long sum = 0;
    for (; items[firstBar]; ++firstBar) {
        if (items[firstBar]->Class() == ItemClass::BarLine) break;
        if (const TNote* note = items[firstBar]->As<TNote>()) sum += note->StepTime;
    }
    if (sum == 0 || sum == signature.BarLength()) return;
    const int shift = static_cast<int>((signature.BarLength() - sum) / signature.CountLength());
    for (int i = 0; i < firstBar; ++i) {
        if (TNote* note = items[i]->As<TNote>()) note->StepNo += shift;
    }
}

}  // namespace sorvel
