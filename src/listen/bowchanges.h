// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Repeated notes on one pitch: a bow change lets the level of a held pitch
// fall well below the note's own swell and ebb (vibrato, the bow's pressure)
// and come back; the note is split where the level stops falling.
#include <vector>

#include "listen/notetracker.h"
#include "listen/pitchframe.h"

namespace sorvel::listen {

// A valley of a level envelope: its deepest frame (an index into the
// envelope) and how far it lies below the highest level on either side.
struct LevelDip {
    int at = 0;
    float depth = 0;  // dB: the lesser of the fall into it and the rise after it
};

// The level of frames [first, last] as a power mean over a few frames, in dB,
// so that the jitter of single frames makes no valleys.
std::vector<float> LevelEnvelope(const PitchTrack& frames, int first, int last);

// Every valley of `envelope` whose fall is measured from frame `settle` on
// (the frames before belong to the note's own beginning), with its depth.
std::vector<LevelDip> FindDips(const std::vector<float>& envelope, int settle);

// Splits spans at bow changes: dips deep enough, and deeper than the span's
// other dips by a clear margin.
void SplitAtBowChanges(const PitchTrack& frames, std::vector<NoteSpan>& spans);

}  // namespace sorvel::listen
