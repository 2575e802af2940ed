// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the tuner shows of a reading: the note's name, its degree with octave
// dots in the page's key, the cents, and which open string it is. No Qt.
#include <string>

#include "listen/tuner.h"

namespace sorvel {

// A degree of numbered notation: 1…7 (0: none), an accidental before it
// (-1 flat, +1 sharp) and octave dots (positive above, negative below).
struct ScaleDegree {
    int degree = 0;
    int accidental = 0;
    int octave = 0;

    bool operator==(const ScaleDegree&) const = default;
};

// The degree of `midi` in the key whose tonic is `keyOffset` semitones above
// C, as the score plays it: 1 without dots is middle C plus the offset. A
// pitch between the degrees is written the way erhu parts usually spell it:
// ♯1 ♭3 ♯4 ♯5 ♭7.
ScaleDegree DegreeOfPitch(int midi, int keyOffset);

// Whether a key with this tonic is written with flats (F, B♭, E♭, A♭, D♭).
bool KeyUsesFlats(int keyOffset);

// The name of `midi` with its octave number (middle C is "C4"): "D4", "F♯4",
// "B♭3" with flats.
std::string PitchName(int midi, bool flats);

// The open strings by their MIDI numbers: the inner (lower) and outer one.
struct OpenStrings {
    int inner = 62;
    int outer = 69;
};

enum class OpenString { None, Inner, Outer };

struct TunerView {
    bool valid = false;  // false: nothing to show, never a guess
    int midi = 0;
    double cents = 0;
    double hz = 0;
    std::string name;
    ScaleDegree degree;
    OpenString string = OpenString::None;
};

// The view of a reading in the key of `keyOffset`.
TunerView ViewOfReading(const listen::TunerReading& reading, int keyOffset,
                        const OpenStrings& strings = {});

}  // namespace sorvel
