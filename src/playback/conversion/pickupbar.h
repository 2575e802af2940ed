// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An incomplete first bar (a pickup) counts its beats from the end of the bar,
// so the metronome and the count-in treat it as the bar's last beats.
#include "playback/conversion/playitems.h"

namespace sorvel {

// Adds the missing beats to StepNo of the notes before the first bar line
// when their length is neither 0 nor a whole bar.
void ShiftPickupStepNos(const PlayItems& items);

}  // namespace sorvel
