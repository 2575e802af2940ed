// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Octaves of typed scale degrees as a staff editor's letter entry gives them:
// each degree goes to the octave that puts it nearest the note before it as
// that note sounds. Pitches here are semitones above the middle octave's 1
// (the key moves every degree alike, so it is left out). No Qt.
#include <string_view>

namespace sorvel {

// The pitch of degree `digit` ("1".."7") in `octave` with accidental `rinji`
// (the sharp, flat or natural code; anything else is natural).
int SoundingPitch(char digit, int octave, std::string_view rinji);

// The octave (-3..3) that puts the natural degree `digit` nearest the pitch
// `reference` of the note before it: at most a fourth away, and at a tritone
// in the direction of `lastStep` (that note's pitch minus the one before
// it), or in `referenceOctave` when the melody did not move.
int NearestOctave(char digit, int reference, int referenceOctave, int lastStep);

}  // namespace sorvel
