// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/pitchunits.h"

#include <cmath>

namespace sorvel::listen {

double MidiOfHz(double hz, double a4Hz) {
    return kA4Midi + 12.0 * std::log2(hz / a4Hz);
}

double HzOfMidi(double midi, double a4Hz) {
    return a4Hz * std::exp2((midi - kA4Midi) / 12.0);
}

double CentsBetween(double aHz, double bHz) {
    return 1200.0 * std::log2(aHz / bHz);
}

}  // namespace sorvel::listen
