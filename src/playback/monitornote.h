// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sounds an entered note for one second on channel index 2 (MIDI channel 3); a
// second monitor note cuts the first off and starts the second anew. The note
// number of an entered note, in its page's key, is MonitorNoteNumber
// (playback/conversion/notepitch.h).
#include <chrono>
#include <functional>
#include <memory>

#include "playback/oneshottimer.h"

namespace sorvel {

class MidiOutput;

class MonitorNote {
public:
    static constexpr int kChannel = 2;
    // Makes the cut-off timer: its interval and what it calls when it fires.
    using TimerMaker = std::function<std::unique_ptr<OneShotTimer>(std::chrono::milliseconds,
                                                                   std::function<void()>)>;
    static std::unique_ptr<OneShotTimer> LiveTimer(std::chrono::milliseconds interval,
                                                   std::function<void()> onFire);

    explicit MonitorNote(MidiOutput& output,
                         std::chrono::milliseconds hold = std::chrono::seconds(1),
                         const TimerMaker& makeTimer = &MonitorNote::LiveTimer);

    void PlayMonitorNote(int note);

private:
    void OnMidiOutTimer();

    MidiOutput& output_;
    std::unique_ptr<OneShotTimer> midiOutTimer_;
};

}  // namespace sorvel
