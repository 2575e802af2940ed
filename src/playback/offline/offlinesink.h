// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What an offline play feeds: the messages the sequencer sends, as a MIDI
// output, and after every millisecond of virtual time where the play stands.
// The MIDI-file recorder and the WAV renderer are the two sinks.
#include <cstdint>

#include "playback/midiout.h"

namespace sorvel {

struct OfflineStep {
    std::int64_t millis = 0;         // virtual time after this step
    std::uint32_t tick = 0;          // sequencer ticks run so far
    bool ticked = false;             // this step ran a tick (the tick numbered `tick`)
    std::uint32_t periodMicros = 0;  // the period that tick ran with: it sets the
                                     // time from this tick to the next
};

class OfflineSink : public MidiOut {
public:
    // Called after every step; the messages that arrived since the previous
    // call were sent during this step (those of the set-up arrive before the
    // first step).
    virtual void OnStep(const OfflineStep& step) = 0;
};

}  // namespace sorvel
