// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The onset strength of a melody sampled in frames, built from its heard
// notes: a short bump at each onset, taller for attacked and for long notes,
// which the beat tracker and the tempo estimate read.
#include <vector>

#include "listen/heardmelody.h"

namespace sorvel::listen {

inline constexpr double kStrengthFramesPerSecond = 100;

// One value a frame from 0 to `seconds` (at least the last note's end),
// normalised to a standard deviation of 1 (all zero when there are no notes).
std::vector<double> OnsetStrength(const std::vector<HeardNote>& notes, double seconds);

// The accent of note `k`: how strongly it marks a beat — more when it is
// attacked and the longer it lasts to the next onset — 0.2 … 2.
double NoteAccent(const std::vector<HeardNote>& notes, size_t k);

}  // namespace sorvel::listen
