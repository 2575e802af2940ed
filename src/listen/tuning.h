// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The instrument's tuning: how far, in cents, its notes sit from the equal
// temperament of A4 = 440 Hz, measured on the steady voiced frames.
#include "listen/pitchframe.h"

namespace sorvel::listen {

// A weighted circular mean of cents modulo 100, in -50 … +50, over the pitch
// averaged across a quarter of a second: vibrato averages out there first (a
// circular mean of the raw frames of a vibrato wider than ±38 cents points
// the wrong way). Glides and note changes are left out. 0 when nothing is
// steady.
double EstimateTuningCents(const PitchTrack& frames, float minLevelDb);

}  // namespace sorvel::listen
