// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The grid a time signature gives notes: how deep a place lies (bar line,
// beat, first or second division), which places a note may start on, and
// what writing a length in numbered notation costs.
#include "listen/writtenmusic.h"

namespace sorvel::listen {

class MeterGrid {
public:
    explicit MeterGrid(TimeSignature meter) : meter_(meter) {}

    const TimeSignature& Meter() const { return meter_; }
    int BarTicks() const { return meter_.BarTicks(); }
    // The beat: a quarter, or the dotted quarter of 6/8 and 3/8 (felt in one).
    int BeatTicks() const;
    // 0 a bar line, 1 a beat, 2 the first division of a beat, 3 the second
    // (and the thirds of a triplet); -1 where no note may start.
    int Depth(int tick) const;
    // A place of a triplet eighth (a third or two of a quarter).
    static bool Ternary(int tick);
    bool AllowsTriplets() const { return !meter_.Compound(); }

private:
    TimeSignature meter_;
};

// What it costs to write `ticks` as one note: nothing for a quarter or
// whole beats held with dashes, more for underlines, dots, triplets and for
// lengths that need tied numerals.
double LengthCost(int ticks);

}  // namespace sorvel::listen
