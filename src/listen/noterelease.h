// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a note's sound ends: a bowed note stops at its release, and what the
// room keeps sounding after it (reverb, its level falling away) is no part of it.
#include <vector>

#include "listen/marks.h"
#include "listen/pitchframe.h"

namespace sorvel::listen {

// Ends every note at the last frame its level stands within a margin of its
// own loudest, when all the frames after that to its end lie below the
// margin and last long enough to be a release into silence or the room (a
// rest after the note) rather than the note's ebb before the next stroke.
// A piece of the same pitch that goes on from a note and stays as far below
// it is that note's echo (split off at a ripple of its decay): it goes.
void TrimReleases(const PitchTrack& frames, std::vector<NoteDraft>& notes);

}  // namespace sorvel::listen
