// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tuner's reading of a short stretch of one tone: the nearest note and
// how many cents off it, or no reading when there is no clear pitch.
#include <cstddef>

namespace sorvel::listen {

struct TunerReading {
    bool valid = false;  // false on silence, noise or a muddle of pitches
    int midi = 0;        // the nearest semitone (A4 = 69 at the given reference)
    double cents = 0;    // -50 … +50 from that semitone
    double hz = 0;
    double levelDb = -120;
};

// Reads `count` mono samples at `rate` (about a quarter to half a second
// works best) against A4 = `a4Hz`. A steady tone is measured to a cent over
// many periods; a tone with vibrato reads its centre.
TunerReading EstimateTone(const float* samples, std::size_t count, int rate, double a4Hz = 440.0);

}  // namespace sorvel::listen
