// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hears the notes of a pitch track: the tuning offset first, then the note
// model, attacks, glides, trills and vibrato, and each note's pitch and confidence.
#include "listen/framespectra.h"
#include "listen/heardmelody.h"
#include "listen/pitchframe.h"

namespace sorvel::listen {

// The notes of `frames` (a whole take of `seconds`) with their spectra. Peak
// level and clipping are left for the caller, which saw the raw samples.
HeardMelody HearNotes(const PitchTrack& frames, const FrameSpectra& spectra, double seconds);

}  // namespace sorvel::listen
