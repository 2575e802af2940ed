// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/monitornote.h"

#include "playback/midioutput.h"
#include "playback/midistatus.h"

namespace sorvel {

namespace {

using namespace midi;
constexpr int kVelocity = 100;

}  // namespace

std::unique_ptr<OneShotTimer> MonitorNote::LiveTimer(std::chrono::milliseconds interval,
                                                     std::function<void()> onFire) {
    return std::make_unique<ThreadedOneShotTimer>(interval, std::move(onFire));
}

MonitorNote::MonitorNote(MidiOutput& output, std::chrono::milliseconds hold,
                         const TimerMaker& makeTimer)
    : output_(output), midiOutTimer_(makeTimer(hold, [this] { OnMidiOutTimer(); })) {}

void MonitorNote::PlayMonitorNote(int note) {
    midiOutTimer_->Stop();
    output_.SendShortMessage(kChannel, kControlChange, kAllSoundOff, 0);
    output_.SendShortMessage(kChannel, kProgramChange, 0, 0);
    output_.SendShortMessage(kChannel, kNoteOn, note, kVelocity);
    midiOutTimer_->Start();
}

void MonitorNote::OnMidiOutTimer() {
    output_.SendShortMessage(kChannel, kControlChange, kAllSoundOff, 0);
}

}  // namespace sorvel
