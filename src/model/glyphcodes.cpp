// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/glyphcodes.h"

namespace sorvel {

namespace {

constexpr Meter kMeters[] = {{2, 2, '!'}, {2, 4, '"'}, {3, 4, '#'},  {4, 4, '$'},
                             {3, 8, '%'}, {6, 8, '&'}, {9, 8, '\''}, {12, 8, '('}};

}  // namespace

std::span<const Meter> Meters() {
    return kMeters;
}

const Meter* MeterOfCode(char code) {
    for (const Meter& m : kMeters) {
        if (m.code == code) return &m;
    }
    return nullptr;
}

char CodeOfMeter(int beats, int beatType) {
    for (const Meter& m : kMeters) {
        if (m.beats == beats && m.beatType == beatType) return m.code;
    }
    return 0;
}

}  // namespace sorvel
