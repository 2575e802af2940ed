// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A take as the check reads it: the pitch track frame by frame (the absolute
// pitch, nothing taken out) and the notes the listening library hears in it.
#include <cstddef>
#include <string>

#include "base/usertext.h"
#include "listen/heardmelody.h"
#include "listen/listenprogress.h"
#include "listen/pitchframe.h"

namespace sorvel::practice {

struct HeardTake {
    listen::PitchTrack frames;   // the whole take, kHopSeconds apart
    listen::HeardMelody melody;  // its notes in seconds (their `midi` has the tuning taken out)
};

// The take at `path` (WAV, FLAC, OGG, MP3). On failure (unreadable, silent,
// no notes, cancelled) returns an empty take and sets `error`.
HeardTake HearTakeFile(const std::string& path, const listen::ListenProgress& progress,
                       UserText* error);

// A take recorded in the editor: `count` mono samples at `rate` Hz.
HeardTake HearTakeSamples(const float* samples, std::size_t count, int rate,
                          const listen::ListenProgress& progress, UserText* error);

}  // namespace sorvel::practice
