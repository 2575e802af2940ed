#pragma once
// Sounds an entered note for one second on channel index 2 (MIDI channel 3); a
// second monitor note cuts the first off and starts the second anew. The note
// number of an entered note, in its page's key, is MonitorNoteNumber
// (playback/conversion/notepitch.h).
#include <chrono>

#include "playback/oneshottimer.h"

namespace sorvel {

class MidiOutput;

class TMonitorNote {
  public:
    static constexpr int kChannel = 2;

    explicit TMonitorNote(MidiOutput& output,
                          std::chrono::milliseconds hold = std::chrono::seconds(1));

    void PlayMonitorNote(int note);

  private:
    void OnMidiOutTimer();

    MidiOutput& output_;
    TOneShotTimer midiOutTimer_;
};

}  // namespace sorvel
