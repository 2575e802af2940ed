// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The time a performance gives each written place, smoothed: robust local
// parabolas through the heard onsets against their places, so that an
// onset heard early or late (a slow attack, the end of a glide) barely
// moves it while the player's drift is followed.
#include <vector>

namespace sorvel::listen {

// For each note (places in ticks and onsets in seconds, both increasing) the
// smoothed time of its place. `window`: seconds either side a fit reaches.
std::vector<double> SmoothTimes(const std::vector<int>& places, const std::vector<double>& onsets,
                                double window = 2.5);

}  // namespace sorvel::listen
