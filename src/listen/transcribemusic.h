// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The written music of a heard melody: its pulse followed through the
// drift, the metre and bar lines, the notes on the grid with their lengths
// and rests, the key, and tempo changes that keep playback with the player.
#include "listen/heardmelody.h"
#include "listen/transcribeoptions.h"
#include "listen/writtenmusic.h"

namespace sorvel::listen {

// How far a written note, played back, may stand from its heard time.
inline constexpr double kTempoTolerance = 0.015;  // seconds

// Empty notes when the melody has none.
WrittenMusic WriteMusic(const HeardMelody& melody, const TranscribeOptions& options = {});

// The heard notes transcription works from: only finite times, in order,
// none overlapping the next, none of no length, pitches within MIDI's range.
std::vector<HeardNote> CleanNotes(const std::vector<HeardNote>& notes);

}  // namespace sorvel::listen
