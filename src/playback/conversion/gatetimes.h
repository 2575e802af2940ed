#pragma once
// How long each note sounds: 80 % of its length, 30 % when marked staccato,
// running into a dash that follows it, and legato under a slur.
#include "playback/conversion/playitems.h"

namespace sorvel {

void ComputeGateTimes(const PlayItems& items);

}  // namespace sorvel
