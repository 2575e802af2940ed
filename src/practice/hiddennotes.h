// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Quick notes the ear heard as part of a neighbour (a sixteenth between two
// longer notes, sounding under one bow): found again in the pitch track.
#include <optional>
#include <utility>
#include <vector>

#include "listen/pitchframe.h"
#include "practice/takealign.h"
#include "practice/writtennotes.h"

namespace sorvel::practice {

// Where each written note sounds in the take (seconds), when it was found.
using PlayedSpans = std::vector<std::optional<std::pair<double, double>>>;

// For every written note the aligner left unmatched between two matched
// neighbours that follow each other in the take, looks in the pitch track
// from the note before's onset to the note after's end for a run of frames
// at its pitch (`offset` semitones: the take's own tuning); gives the note
// that run and trims its neighbours' spans to it.
void FindHiddenNotes(const std::vector<WrittenNote>& written, const std::vector<NoteMatch>& matches,
                     const std::vector<HeardPitch>& heard, const listen::PitchTrack& frames,
                     double offset, PlayedSpans& spans);

}  // namespace sorvel::practice
