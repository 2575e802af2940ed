// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The listening library's entry for a recording on disk: reads it in blocks,
// listens to it and returns the notes heard, with progress and cancel.
#include <string>

#include "base/usertext.h"
#include "listen/heardmelody.h"
#include "listen/listenprogress.h"
#include "listen/pitchframe.h"

namespace sorvel::listen {

// The melody of the recording at `path`. On failure (not audio, unreadable,
// empty, silent, too quiet, too short, no notes heard, cancelled) returns an
// empty melody and sets `error`. A clipped recording is heard all the same:
// ClippingWarning(melody.clippedSamples, …) words the warning. When asked
// for, `frames` receives the pitch track of a take heard.
HeardMelody HearFile(const std::string& path, const ListenProgress& progress, UserText* error,
                     PitchTrack* frames = nullptr);

}  // namespace sorvel::listen
