// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the user may tell transcription instead of letting it decide: the
// tempo, the time signature and the key, and how their names are read.
#include <optional>
#include <string>
#include <string_view>

#include "listen/writtenmusic.h"

namespace sorvel::listen {

struct TranscribeOptions {
    double tempo = 0;                    // quarter notes a minute (--tempo, a count-in); 0: found
    std::optional<TimeSignature> meter;  // 2/4 3/4 4/4 3/8 6/8; none: found
    std::optional<int> keyFifths;        // the major key as fifths; none: found
};

// The time signatures transcription writes.
inline constexpr TimeSignature kTranscribedMeters[] = {{2, 4}, {3, 4}, {4, 4}, {3, 8}, {6, 8}};

// "3/4" and the like: one of kTranscribedMeters, else none.
std::optional<TimeSignature> ParseTimeSignature(std::string_view text);
// A major key by its tonic: a letter A–G (either case) with "b", "#", "♭" or
// "♯" after it ("D", "Bb", "F#"); its number of fifths (-7 … 7), else none.
std::optional<int> ParseKeyName(std::string_view text);
// A tempo in quarter notes a minute, 20 … 300; else none.
std::optional<double> ParseTempo(std::string_view text);
// The tonic of the major key with `fifths` (-7 … 7): "C", "Bb", "F#".
std::string KeyName(int fifths);

}  // namespace sorvel::listen
