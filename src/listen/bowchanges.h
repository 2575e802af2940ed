// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Repeated notes on one pitch: a bow change lets the level of a held pitch
// fall well below the note's own swell and ebb (vibrato, the bow's pressure)
// and come back; the note is split where the level stops falling.
#include <vector>

#include "listen/framespectra.h"
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

// The level of the band 2.5–5 kHz of frames [first, last] (which `spectra`
// must hold), smoothed as LevelEnvelope is, in dB.
std::vector<float> BrightEnvelope(const FrameSpectra& spectra, int first, int last);

// Splits spans at bow changes: dips of the level, or of the bright band,
// deep enough and deeper than the span's other dips by a clear margin.
// `spectra` may be empty (then the level alone decides).
void SplitAtBowChanges(const PitchTrack& frames, const FrameSpectra& spectra,
                       std::vector<NoteSpan>& spans);

}  // namespace sorvel::listen
