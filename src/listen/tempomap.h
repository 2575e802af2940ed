// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The written tempo of a drifting performance: as few tempo changes as keep
// every note's written time, played back, within a tolerance of its time in
// the recording, each tempo a whole number of quarter notes a minute.
#include <cstddef>
#include <vector>

namespace sorvel::listen {

struct TempoChange {
    size_t note = 0;  // the note the tempo starts at
    int tempo = 0;    // quarter notes a minute
};

// `places`: each note's place in ticks (increasing); `seconds`: when each
// should sound (smoothed: the first note starts the playback). The first
// change is at note 0. `firstTempo` > 0 fixes the tempo of the start (a
// known tempo).
std::vector<TempoChange> FitTempo(const std::vector<int>& places,
                                  const std::vector<double>& seconds, double toleranceSeconds,
                                  int firstTempo = 0);

// The time of each note when `places` are played with `changes` from time 0.
std::vector<double> PlayedTimes(const std::vector<int>& places,
                                const std::vector<TempoChange>& changes);

}  // namespace sorvel::listen
