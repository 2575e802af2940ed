// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/transcribeoptions.h"

#include <charconv>
#include <cmath>

namespace sorvel::listen {
namespace {

// Tonic letters in the order of fifths from F.
constexpr std::string_view kFifthsLetters = "FCGDAEB";

}  // namespace

std::optional<TimeSignature> ParseTimeSignature(std::string_view text) {
    const size_t slash = text.find('/');
    if (slash == std::string_view::npos) return std::nullopt;
    int beats = 0, beatType = 0;
    const std::string_view a = text.substr(0, slash), b = text.substr(slash + 1);
    if (std::from_chars(a.data(), a.data() + a.size(), beats).ptr != a.data() + a.size() ||
        std::from_chars(b.data(), b.data() + b.size(), beatType).ptr != b.data() + b.size() ||
        a.empty() || b.empty())
        return std::nullopt;
    for (const TimeSignature& m : kTranscribedMeters) {
        if (m.beats == beats && m.beatType == beatType) return m;
    }
    return std::nullopt;
}

std::optional<int> ParseKeyName(std::string_view text) {
    if (text.empty()) return std::nullopt;
    char letter = text[0];
    if (letter >= 'a' && letter <= 'g') letter = static_cast<char>(letter - 'a' + 'A');
    const size_t place = kFifthsLetters.find(letter);
    if (place == std::string_view::npos) return std::nullopt;
    // F is -1 fifth, C 0, … B 5; each sharp adds 7 fifths, each flat takes 7.
    int fifths = static_cast<int>(place) - 1;
    const std::string_view rest = text.substr(1);
    if (rest == "#" || rest == "\u266F") {
        fifths += 7;
    } else if (rest == "b" || rest == "\u266D") {
        fifths -= 7;
    } else if (!rest.empty()) {
        return std::nullopt;
    }
    if (fifths < -7 || fifths > 7) return std::nullopt;
    return fifths;
}

std::optional<double> ParseTempo(std::string_view text) {
    double tempo = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), tempo);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    if (!std::isfinite(tempo) || tempo < 20 || tempo > 300) return std::nullopt;
    return tempo;
}

std::string KeyName(int fifths) {
    if (fifths < -7 || fifths > 7) return {};
    const int shifted = fifths + 1;  // F = 0 … B = 6 in the natural octave of fifths
    std::string name(1, kFifthsLetters[static_cast<size_t>((shifted % 7 + 7) % 7)]);
    if (shifted >= 7) name += '#';
    if (shifted < 0) name += 'b';
    return name;
}

}  // namespace sorvel::listen
