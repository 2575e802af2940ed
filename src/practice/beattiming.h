// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The timing of each played note against the beat: where the player's own
// tempo around it (a line through the neighbouring matched notes) puts it.
#include <vector>

#include "practice/takecheck.h"

namespace sorvel::practice {

// Sets timingMs of every matched note; missed notes keep 0.
void SetBeatTiming(std::vector<CheckedNote>& notes);

}  // namespace sorvel::practice
