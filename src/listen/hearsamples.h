// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The listening library's entry for a take recorded in the editor: mono
// samples at the device's rate, heard in blocks with progress and cancel.
#include <cstddef>
#include <cstdint>

#include "base/usertext.h"
#include "listen/audiolevel.h"
#include "listen/audiolistener.h"
#include "listen/heardmelody.h"
#include "listen/listenprogress.h"

namespace sorvel::listen {

// The melody of `count` mono samples at `rate` Hz. On failure (silent, too
// quiet, too short, no notes heard, cancelled) returns an empty melody and
// sets `error`, as HearFile does for a file. When asked for, `frames`
// receives the pitch track of a take heard.
HeardMelody HearSamples(const float* samples, std::size_t count, int rate,
                        const ListenProgress& progress, UserText* error,
                        PitchTrack* frames = nullptr);

// The end of a hearing, shared by files and takes: once `frames` samples of
// the recording (with `level`) have gone into `listener`, refuses a recording
// that cannot hold notes, else finishes the listener and returns its melody
// with the recording's peak and clipping (and its pitch track in `track`,
// when asked for).
HeardMelody FinishHearing(AudioListener& listener, const AudioLevel& level, std::int64_t frames,
                          int rate, const ListenProgress& progress, UserText* error,
                          PitchTrack* track = nullptr);

// "聞き取りを中止しました。"
UserText HearingCancelled();

// How files and takes are fed to the listener: blocks of this many frames,
// with this share of the progress for the reading (the notes take the rest).
inline constexpr std::size_t kHearingBlockFrames = 16384;
inline constexpr double kHearingReadShare = 0.9;

// A refused hearing: `why` in `error` (when asked for) and an empty melody.
HeardMelody RefuseHearing(UserText* error, UserText why);

}  // namespace sorvel::listen
