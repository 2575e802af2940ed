// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a file made from a play says about the piece besides its sound: the
// title and the time signature.
#include <optional>
#include <string>

#include "playback/conversion/timesignature.h"

namespace sorvel {

class TMusicSheet;

struct PieceInfo {
    std::string title;  // UTF-8, trimmed; empty when the piece has none
    // The signature every note of the piece is counted in; none when the
    // piece changes its time.
    std::optional<TimeSignature> signature;
};

// The piece holding `page` begins at the nearest page with a title at or
// before it. Runs the timing of the piece's pages, as a play does.
PieceInfo ReadPieceInfo(TMusicSheet& page);

}  // namespace sorvel
