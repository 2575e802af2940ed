// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The MIDI channels a play sounds on and the state they start from. The play
// in the window and the batch export both set their channels up here, so the
// two send the same set-up for the same piece.
#include "playback/midioutput.h"
#include "playback/rcpdata.h"

namespace sorvel {

// Channels of a MIDI device, and the one the melody sounds on.
constexpr int kChannelCount = 16;
constexpr int kMelodyChannel = 0;

// The channel of the metronome and count-in for the preference's channel
// number, kept within the device's channels.
int RhythmChannelFor(int rhythmChannelNo);

// Puts the melody track of `rcp` on the melody channel and its metronome and
// count-in tracks on the rhythm channel as untransposed rhythm tracks; then
// resets every channel's controllers and program and sets the melody's
// instrument (clamped to 0-127), so each play starts from the same state
// whatever the device played before.
void SetUpPlayChannels(TRcpData& rcp, MidiOutput& output, int rhythmChannelNo, int instrument);

}  // namespace sorvel
