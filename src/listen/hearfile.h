// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The listening library's entry for a recording on disk: reads it in blocks,
// listens to it and returns the notes heard, with progress and cancel.
#include <string>

#include "base/usertext.h"
#include "listen/heardmelody.h"
#include "listen/listenprogress.h"

namespace sorvel::listen {

// The melody of the recording at `path`. On failure (not audio, unreadable,
// empty, silent, too quiet, too short, no notes heard, cancelled) returns an
// empty melody and sets `error`. A clipped recording is heard all the same:
// ClippingWarning(melody.clippedSamples, …) words the warning.
HeardMelody HearFile(const std::string& path, const ListenProgress& progress, UserText* error);

}  // namespace sorvel::listen
