// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which stretch of the piece is played: from the beat holding the first
// selected note to the beat boundary after the last one.
#include "playback/conversion/playitems.h"
#include "playback/conversion/timesignature.h"

namespace sorvel {

class TNote;

struct PlayRange {
    int start = 0;
    int end = 0;  // the last index walked
};

// `first` none plays from the beginning, `last` none to the end of the piece.
PlayRange FindPlayRange(const PlayItems& items, const TNote* first, const TNote* last);

// The signature in force at `index`: the last time signature at or before it.
TimeSignature SignatureAt(const PlayItems& items, int index);

}  // namespace sorvel
