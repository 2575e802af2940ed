// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/conversion/timesignature.h"

#include "model/glyphcodes.h"
#include "model/musicitem.h"

namespace sorvel {

TimeSignature TimeSignatureOf(const TMusicItem* item) {
    if (!item || item->Class() != ItemClass::Beat || item->Content().empty()) return {};
    const Meter* meter = MeterOfCode(item->Content()[0]);
    if (!meter) return {};
    return {meter->beats, meter->beatType};
}

}  // namespace sorvel
