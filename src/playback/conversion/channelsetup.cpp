// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/conversion/channelsetup.h"

#include <algorithm>
#include <cstdint>

#include "playback/conversion/sequencewriter.h"
#include "playback/midistatus.h"

namespace sorvel {
namespace {

void AssignTrackChannels(TRcpData& rcp, int rhythmChannel) {
    TTrackData& melody = rcp.Track(conv_track::kMelody);
    melody.channel = kMelodyChannel;
    melody.keyShift = 0;
    for (int j : {conv_track::kMetronome, conv_track::kCountIn}) {
        TTrackData& track = rcp.Track(j);
        track.channel = static_cast<std::uint8_t>(rhythmChannel);
        track.rhythm = true;
        track.keyShift = kNotTransposed;
    }
}

// Every channel's controllers first, then every channel on program 0, then
// the melody's instrument: the order devices have always been sent.
void ResetChannels(MidiOutput& output, int instrument) {
    for (int ch = 0; ch < kChannelCount; ++ch)
        output.SendShortMessage(ch, midi::kControlChange, midi::kResetAllControllers, 0);
    for (int ch = 0; ch < kChannelCount; ++ch)
        output.SendShortMessage(ch, midi::kProgramChange, 0, 0);
    output.SendShortMessage(kMelodyChannel, midi::kProgramChange, std::clamp(instrument, 0, 127),
                            0);
}

}  // namespace

int RhythmChannelFor(int rhythmChannelNo) {
    return std::clamp(rhythmChannelNo, 0, kChannelCount - 1);
}

void SetUpPlayChannels(TRcpData& rcp, MidiOutput& output, int rhythmChannelNo, int instrument) {
    AssignTrackChannels(rcp, RhythmChannelFor(rhythmChannelNo));
    ResetChannels(output, instrument);
}

}  // namespace sorvel
