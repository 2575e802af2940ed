// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The written length of each placed note: a bowed note lasts to the next
// onset, unless the silence after it is long enough to be written as a
// rest; the last note lasts to the piece's last bar line when it sounds that
// long (a piece that starts with a pickup ends with the rest of its bar).
#include <vector>

#include "listen/metergrid.h"

namespace sorvel::listen {

struct PlacedNote {
    int place = 0;         // onset in ticks from bar 0's line
    double sounding = 0;   // ticks from its onset to the end of its sound
    bool triplet = false;  // placed in a triplet: never followed by a rest of its own
};

// Notes and rests (midi and marks left for the caller: each note's `heard`
// is its index in `placed`), from the first note's place to the last bar
// line. `firstOffset`: the first note's place in its bar.
std::vector<WrittenNote> WriteLengths(const std::vector<PlacedNote>& placed, const MeterGrid& grid,
                                      int firstOffset = 0);

}  // namespace sorvel::listen
