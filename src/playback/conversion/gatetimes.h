// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How long each note sounds: 80 % of its length, 30 % when marked staccato,
// running into a dash that follows it, and legato under a slur.
#include "playback/conversion/playitems.h"

namespace sorvel {

void ComputeGateTimes(const PlayItems& items);

// The gate of a note played neither staccato nor legato: 80 % of its step.
constexpr int PlainGateTime(int stepTime) {
    return stepTime * 80 / 100;
}

}  // namespace sorvel
