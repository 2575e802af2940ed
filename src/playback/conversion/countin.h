// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clicks counted in before the music: whole bars less the beats the play
// starts into its first bar, with silences of the same length on the melody
// and metronome tracks.
#include "playback/conversion/playitems.h"
#include "playback/conversion/sequencewriter.h"

namespace sorvel {

// Writes `bars` bars of count-in (clamped to 0-1000; 0 writes nothing) for a
// play that starts at `start`.
void WriteCountIn(SequenceWriter& writer, const PlayItems& items, int start, int bars);

}  // namespace sorvel
