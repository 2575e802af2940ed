// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings of our own beyond the program's documented preferences, one
// typed entry each: section, key and default in one place.
#include <string>

#include "model/preference.h"

namespace sorvel::setting {

// The page view and the palette.
inline constexpr Preference<int> kZoom{"Editor", "Zoom", 100};
inline constexpr Preference<bool> kRhythmEntry{"Editor", "RhythmEntry", false};
inline constexpr Preference<bool> kShowSpareTabs{"Editor", "ShowSpareTabs", false};
// Rhythm entry: a typed digit takes the octave nearest the note before.
inline constexpr Preference<bool> kRhythmNearestOctave{"Editor", "RhythmAutoOctave", true};
// File > New asks for the new book's title, key, time signature, tempo and
// pages in one dialog; off, New makes the plain book it always made.
inline constexpr Preference<bool> kNewBookDialog{"Editor", "NewBookDialog", true};
// "ja", "zh_CN", "zh_TW", "en" or "auto"; missing follows the desktop.
inline constexpr Preference<std::string> kLanguage{"Editor", "Language"};
// The folder the file dialogs opened last.
inline constexpr Preference<std::string> kLastFolder{"Editor", "LastFolder"};

// The play dialog.
inline constexpr Preference<bool> kExpressive{"Playback", "Expressive", false};
inline constexpr Preference<bool> kLoopEndless{"Playback", "LoopEndless", false};
inline constexpr Preference<int> kLoopTempoPercent{"Playback", "LoopTempoPercent", 100};
inline constexpr Preference<bool> kLoopTempoRise{"Playback", "LoopTempoRise", false};
inline constexpr Preference<bool> kPlayAlong{"Playback", "PlayAlong", false};
// Instrument names in the interface language rather than the General MIDI
// English ones.
inline constexpr Preference<bool> kLocalInstrumentNames{"Playback", "LocalInstrumentNames", true};

// The microphone: the record dialog, the tuner and playing along.
inline constexpr Preference<std::string> kInputDevice{"Recording", "InputDevice"};
inline constexpr Preference<int> kRecordingTempo{"Recording", "Tempo", 80};
inline constexpr Preference<bool> kRecordingCountIn{"Recording", "CountIn", false};
inline constexpr Preference<int> kRecordingCountInBeats{"Recording", "CountInBeats", 4};
inline constexpr Preference<bool> kRecordingMetronome{"Recording", "Metronome", false};
inline constexpr Preference<int> kTunerReferenceA4{"Tuner", "ReferenceA4", 440};

}  // namespace sorvel::setting
