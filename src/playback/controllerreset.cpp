// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/controllerreset.h"

#include "playback/midioutput.h"
#include "playback/midistatus.h"
#include "playback/playtrackdata.h"

namespace sorvel {
namespace {

constexpr int kDataEntry = 6, kDataEntryLsb = 38, kRpnLsb = 100, kRpnMsb = 101, kRpnNull = 127;
constexpr int kExpression = 11;
constexpr int kDefaultBendRangeSemitones = 2;
constexpr int kBendCenterLsb = 0, kBendCenterMsb = 64;
constexpr int kLastChannel = 15;

}  // namespace

bool MovesExpressiveControllers(const TPlayTrackData& track) {
    for (const TMidiEvent& e : track.events.Events()) {
        if (e.type == evt::kPitch) return true;
        if (e.type != evt::kControl) continue;
        switch (e.gate) {
            case kDataEntry:
            case kDataEntryLsb:
            case kRpnLsb:
            case kRpnMsb:
            case kExpression:
                return true;
            default:
                break;
        }
    }
    return false;
}

void ResetExpressiveControllers(const TPlayTrackData& track, MidiOutput& output) {
    const int channel = track.channel;
    if (channel > kLastChannel || !MovesExpressiveControllers(track)) return;
    auto control = [&](int controller, int value) {
        output.SendShortMessage(channel, midi::kControlChange, controller, value);
    };
    output.SendShortMessage(channel, midi::kPitchBend, kBendCenterLsb, kBendCenterMsb);
    control(kRpnMsb, 0);  // RPN 0: pitch bend sensitivity
    control(kRpnLsb, 0);
    control(kDataEntry, kDefaultBendRangeSemitones);
    control(kDataEntryLsb, 0);
    control(kRpnMsb, kRpnNull);
    control(kRpnLsb, kRpnNull);
    control(kExpression, 127);
}

}  // namespace sorvel
