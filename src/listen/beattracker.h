// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pulse of a melody: its period from the onset strength's repetitions,
// weighted toward moderate tempi, then pulse times by dynamic programming
// (in the manner of Ellis 2007) that follow a player's drifting tempo.
#include <vector>

#include "listen/heardmelody.h"

namespace sorvel::listen {

// Pulse times and the map between seconds and pulses they make.
class PulseTrack {
public:
    PulseTrack() = default;
    explicit PulseTrack(std::vector<double> times);

    const std::vector<double>& Times() const { return times_; }
    bool Empty() const { return times_.size() < 2; }
    // The pulse coordinate of a time: i at Times()[i], linear between them and
    // beyond the ends at the first and last interval.
    double PulseAt(double seconds) const;
    // The time of a pulse coordinate (the inverse of PulseAt).
    double TimeAt(double pulse) const;
    // Seconds a pulse lasts around a pulse coordinate.
    double PeriodAt(double pulse) const;
    double MedianPeriod() const;

private:
    std::vector<double> times_;
};

// The period (seconds) the onset strength repeats at most, weighted toward
// about half a second; `near` > 0 keeps to periods at a simple ratio to it
// (a known quarter note). 0 when the strength holds no repetition.
double EstimatePulsePeriod(const std::vector<double>& strength, double near = 0);

// Pulse times over the notes (from a pulse before the first onset to one
// after the last note's end) for a pulse of about `period` seconds.
PulseTrack TrackPulses(const std::vector<HeardNote>& notes, const std::vector<double>& strength,
                       double period);

}  // namespace sorvel::listen
