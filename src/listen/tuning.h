#pragma once
// The instrument's tuning: how far, in cents, its notes sit from the equal
// temperament of A4 = 440 Hz, measured on the steady voiced frames.
#include "listen/pitchframe.h"

namespace sorvel::listen {

// A weighted circular mean of the frames' cents modulo 100, in -50 … +50.
// Glides and attacks are left out (their pitch moves fast); vibrato, being
// symmetric, averages out. 0 when there are no steady frames.
double EstimateTuningCents(const PitchTrack& frames, float minLevelDb);

}  // namespace sorvel::listen
