#pragma once
// Attacks in the pitch track: an onset strength per frame from spectral flux
// and level rise, its peaks, and the moves of note boundaries onto them
// (bow changes on one pitch split a note; a boundary moves to its attack).
#include <vector>

#include "listen/notetracker.h"
#include "listen/pitchframe.h"

namespace sorvel::listen {

struct OnsetCurve {
    std::vector<float> strength;  // per frame, in units of the recording's typical flux
    std::vector<bool> peak;       // a local maximum strong enough to be an attack
};

OnsetCurve FindOnsets(const PitchTrack& frames);

// Splits a span where a strong attack follows a dip in level (the bow changes
// on a repeated pitch).
void SplitAtBowChanges(const PitchTrack& frames, const OnsetCurve& onsets,
                       std::vector<NoteSpan>& spans);

// The attack of a span: the strongest onset peak after frame `after`, with
// the level rising into it, near
// where its pitch took over, or -1 when it has none (a legato change of
// finger under one bow).
int AttackNear(const PitchTrack& frames, const OnsetCurve& onsets, const NoteSpan& span, int after);
// Where the attack peaking at `peak` began: the foot of its rise in level
// (the peak of flux comes tens of milliseconds after the sound starts).
int FootOfAttack(const PitchTrack& frames, int peak, int after);

}  // namespace sorvel::listen
