// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tempo a play starts with.
#include "playback/conversion/playitems.h"
#include "playback/conversion/playoptions.h"

namespace sorvel {

class TMusicSheet;

// The page tempo (PlayCount) a page plays in: its own, or, when it has none
// (0, as the later pages of a piece usually do), that of the first page of its
// piece. 0 when neither has one.
int PageTempo(const TMusicSheet& page);

// With the score's tempo: the page tempo of `currentPage`, else the tempo
// mark (per minute) of the piece's first note, else the dialog's tempo. The
// dialog's tempo is clamped to 10-240; the score's values are taken as they are.
int StartTempo(const PlayItems& items, const TMusicSheet& currentPage, const PlayOptions& options);

// The value of a note's tempo mark: per minute as it stands, per cent of the
// start tempo. 0 for a mark without a tempo.
int TempoMarkValue(const TTempo& mark, int startTempo);

}  // namespace sorvel
