// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Puts back the controllers an expressive melody moves, when its play is
// stopped before the track's own reset at its end: bend centred, bend range
// at the General MIDI default of 2 semitones with no parameter selected,
// expression full. What plays on the channel next is then not bent.
namespace sorvel {

class MidiOutput;
class TPlayTrackData;

// Whether the track's events bend the pitch or set the bend range or the
// expression.
bool MovesExpressiveControllers(const TPlayTrackData& track);

// Sends the reset on the track's channel when the track moves those
// controllers; nothing for a track without a channel or one that does not.
void ResetExpressiveControllers(const TPlayTrackData& track, MidiOutput& output);

}  // namespace sorvel
