// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Major keys as the page's KeyCode names them ("１＝♭Ｂ（３７弦）"): the
// tonic behind a key text, the text for a key signature, and the degree of a
// pitch class in a key. Numbered notation writes a minor key as its relative
// major, so a key is its number of fifths (-7 flats … +7 sharps).
#include <optional>
#include <string>

namespace sorvel {

struct Tonic {
    int letter = 0;    // 0 C, 1 D, … 6 B
    int alter = 0;     // -1 flat, 0, +1 sharp
    int semitone = 0;  // pitch class above C, 0…11
};

// The tonic of the major key with `fifths` sharps (negative: flats);
// values beyond ±7 are clamped.
Tonic TonicOfFifths(int fifths);

// The key text (CP932 bytes) of the major key with `fifths`: "１＝", the
// tonic with "♭"/"♯" before its full-width letter (a natural letter is
// followed by an ideographic space), then the degrees of the erhu's open
// strings D and A in parentheses before "弦", left empty where either string
// is not a degree of the scale: "１＝Ｄ　（１５弦）", "１＝♭Ｅ（弦）".
std::string KeyCodeOfFifths(int fifths);

// The tonic named by a key text of that form, whatever stands in its
// parentheses; none for any other text.
std::optional<Tonic> TonicOfKeyCode(const std::string& keyCode);

// The number of fifths of the key text's tonic (-7…7), none when the text
// names no tonic. Enharmonic tonics give the spelling the text uses.
std::optional<int> FifthsOfKeyCode(const std::string& keyCode);

// The scale degree (1…7) whose pitch class in the key of `tonic` is `pitchClass`,
// or 0 when the pitch class is not in the scale.
int DegreeInKey(const Tonic& tonic, int pitchClass);

// Semitones of each degree of a major scale above its tonic.
inline constexpr int kMajorScale[7] = {0, 2, 4, 5, 7, 9, 11};

}  // namespace sorvel
