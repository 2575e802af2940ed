// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Taking the count-in out of a built sequence, so that a repeated play starts
// with the music.
#include "playback/rcpdata.h"

namespace sorvel {

// Deletes the count-in clicks of track 4 and the silences beside them on
// tracks 1 and 2. Nothing happens when track 4 holds no clicks.
void RemoveCountIn(TRcpData& data);

}  // namespace sorvel
