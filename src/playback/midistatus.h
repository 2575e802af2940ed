// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Status bytes (channel 0) and controller numbers of the MIDI messages the
// program sends.

namespace sorvel::midi {

inline constexpr int kNoteOff = 0x80;
inline constexpr int kNoteOn = 0x90;
inline constexpr int kKeyPressure = 0xA0;
inline constexpr int kControlChange = 0xB0;
inline constexpr int kProgramChange = 0xC0;
inline constexpr int kChannelPressure = 0xD0;
inline constexpr int kPitchBend = 0xE0;

inline constexpr int kSustain = 64;
inline constexpr int kAllSoundOff = 120;
inline constexpr int kResetAllControllers = 121;
inline constexpr int kAllNotesOff = 123;

}  // namespace sorvel::midi
