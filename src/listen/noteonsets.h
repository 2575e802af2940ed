// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Attacks in the pitch track: an onset strength per frame from spectral flux
// and level rise, its peaks, and the moves of note boundaries onto them
// (a boundary moves to its attack).
#include <vector>

#include "listen/notetracker.h"
#include "listen/pitchframe.h"

namespace sorvel::listen {

struct OnsetCurve {
    std::vector<float> strength;  // per frame, in units of the recording's typical flux
    std::vector<bool> peak;       // a local maximum strong enough to be an attack
};

// `floorDb`: the recording's noise floor; rises of level beneath it count for nothing.
OnsetCurve FindOnsets(const PitchTrack& frames, float floorDb);

// The attack of a span: the strongest onset peak after frame `after`, with
// the level rising into it, near
// where its pitch took over, or -1 when it has none (a legato change of
// finger under one bow).
int AttackNear(const PitchTrack& frames, const OnsetCurve& onsets, const NoteSpan& span, int after);
// Where the attack peaking at `peak` began: the foot of its rise in level
// (the peak of flux comes tens of milliseconds after the sound starts), no
// lower than where the level stands clear of the noise floor `floorDb`.
int FootOfAttack(const PitchTrack& frames, int peak, int after, float floorDb);
// Whether the level stood clearly above the foot of an attack somewhere in
// frames [from, foot]: a new attack after a sounding note needs the level to
// have fallen first; a rise without that is the note before still speaking
// (a glide out of its attack).
bool FellBefore(const PitchTrack& frames, int from, int foot);

}  // namespace sorvel::listen
