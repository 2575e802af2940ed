// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays the piece holding a page without a timer or a display: the sequence is
// built and the sequencer started as the play button does with the default play
// settings, then the sequencer is ticked on a virtual clock one millisecond at
// a time until it stops. Everything it sends goes to an OfflineSink, so the
// result depends on the score alone.
#include <cstdint>
#include <string>
#include <vector>

#include "base/usertext.h"
#include "playback/conversion/buildsequence.h"
#include "playback/offline/offlinesink.h"

namespace sorvel {

class TMusicSheet;
struct Preferences;

struct OfflinePlayOptions {
    bool metronome = false;   // the metronome track sounds (else it is muted)
    bool expressive = false;  // the erhu's marks are played
    // Virtual time after which a play that has not ended is given up: four
    // hours, far beyond any piece, so that no score can keep a batch command busy.
    std::int64_t maxMillis = 4LL * 3600 * 1000;
};

struct OfflinePlayResult {
    BuildResult build;
    bool finished = false;    // the sequencer stopped by itself
    std::int64_t millis = 0;  // virtual time played
    std::uint32_t ticks = 0;  // sequencer ticks run

    // What the user should know about a play that still went ahead, one line
    // each: a walk error, or a loop the walk cut off.
    std::vector<UserText> Warnings() const;
};

class OfflinePlay {
public:
    OfflinePlay(TMusicSheet& page, const Preferences& prefs, OfflinePlayOptions options = {})
        : page_(page), prefs_(prefs), options_(options) {}

    // The channel of the metronome and count-in (the melody's is kMelodyChannel).
    int RhythmChannel() const;

    // Builds the sequence and plays it into `sink`. Writes NoteNo and GateTime
    // of the piece's notes, as every play does.
    OfflinePlayResult Run(OfflineSink& sink);

private:
    TMusicSheet& page_;
    const Preferences& prefs_;
    OfflinePlayOptions options_;
};

}  // namespace sorvel
