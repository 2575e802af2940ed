// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns the piece that holds a page into the tracks the sequencer plays:
// track 1 the melody with its tempo events, track 2 the metronome, track 4
// the count-in. Every other track is left empty.
#include <string>

#include "base/usertext.h"
#include "playback/conversion/playoptions.h"
#include "playback/conversion/playwalk.h"
#include "playback/rcpdata.h"

namespace sorvel {

class TMusicSheet;
class TNote;

struct BuildResult {
    // A walk error still leaves a finished sequence of what was walked so far,
    // to be played after the message is shown.
    WalkError error = WalkError::kNone;
    // The tempo the play starts with. With the score's tempo it is also the
    // first event of track 1; otherwise the caller sets it on the sequencer.
    int startTempo = 0;
    bool endlessLoopStopped = false;

    bool Ok() const { return error == WalkError::kNone; }
    // The message for the user in Japanese (UTF-8); empty when there is none.
    std::string Message() const;
};

// The text shown for a walk error (templates in the context
// "sorvel::playback"); empty for kNone.
UserText WalkErrorText(WalkError error);

// Plays from the beat holding `first` (none: the beginning of the piece) to
// the beat boundary after `last` (none: the end). Writes NoteNo and GateTime
// of the piece's notes and may shift StepNo of a pickup bar's notes (the
// next timing pass recomputes it).
BuildResult BuildSequence(TRcpData& data, TMusicSheet& currentPage, TNote* first, TNote* last,
                          const PlayOptions& options, const Preferences& prefs);

}  // namespace sorvel
