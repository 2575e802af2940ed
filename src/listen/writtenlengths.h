#pragma once
// The written length of each placed note: a bowed note lasts to the next
// onset, unless the silence after it is long enough to be written as a
// rest; the last note lasts to its bar line when it sounds that long.
#include <vector>

#include "listen/metergrid.h"

namespace sorvel::listen {

struct PlacedNote {
    int place = 0;         // onset in ticks from bar 0's line
    double sounding = 0;   // ticks from its onset to the end of its sound
    bool triplet = false;  // placed in a triplet: never followed by a rest of its own
};

// Notes and rests (midi and marks left for the caller: each note's `heard`
// is its index in `placed`), from the first note's place to the end of the
// last bar.
std::vector<WrittenNote> WriteLengths(const std::vector<PlacedNote>& placed, const MeterGrid& grid);

}  // namespace sorvel::listen
