// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Onsets of notes reached by a change of pitch: the new note starts where
// its own partials begin to rise, which under the release of the note before
// (a legato change, a slow-speaking string) is well before its pitch takes over.
#include <vector>

#include "listen/framespectra.h"
#include "listen/marks.h"
#include "listen/pitchframe.h"

namespace sorvel::listen {

// The frame where the partials of `hz` begin the rise that leads into frame
// `takeover`, searched back to frame `from`; -1 when they show no clear rise.
// Bins on the partials of the note before (`beforeHz`, or the pitch tracked
// in a frame while it is near that note, vibrato and all) are left out.
int PartialsOnset(const PitchTrack& frames, const FrameSpectra& spectra, double hz, double beforeHz,
                  int from, int takeover);

// The frame where a glide into a note leaves the note before (pitch
// `beforeMidi`, as the frames measure it): the frame after the last one,
// going back from `first` to `from`, that still surely holds that pitch.
int GlideStart(const PitchTrack& frames, double beforeMidi, int from, int first);

// Moves the start of every note that follows the note before without a gap
// and at another pitch to the rise of its partials (or, for a note reached
// by a glide, to where the glide left the note before), when that is earlier.
// `tuningCents`: the instrument's offset, to find the partials.
void PlaceChangeOnsets(const PitchTrack& frames, const FrameSpectra& spectra, double tuningCents,
                       std::vector<NoteDraft>& notes);

}  // namespace sorvel::listen
