// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/practice/tunerreadout.h"

#include <array>

namespace sorvel {
namespace {

// Each semitone above the tonic as a degree and the accidental before it.
constexpr std::array<ScaleDegree, 12> kChromatic = {{{1, 0, 0},
                                                     {1, 1, 0},
                                                     {2, 0, 0},
                                                     {3, -1, 0},
                                                     {3, 0, 0},
                                                     {4, 0, 0},
                                                     {4, 1, 0},
                                                     {5, 0, 0},
                                                     {5, 1, 0},
                                                     {6, 0, 0},
                                                     {7, -1, 0},
                                                     {7, 0, 0}}};

constexpr std::array<const char*, 12> kSharpNames = {"C",  "C♯", "D",  "D♯", "E",  "F",
                                                     "F♯", "G",  "G♯", "A",  "A♯", "B"};
constexpr std::array<const char*, 12> kFlatNames = {"C",  "D♭", "D",  "E♭", "E",  "F",
                                                    "G♭", "G",  "A♭", "A",  "B♭", "B"};

// Division rounding toward minus infinity, for pitches below a reference.
int FloorDiv(int a, int b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

int PitchClass(int n) {
    return n - 12 * FloorDiv(n, 12);
}

}  // namespace

ScaleDegree DegreeOfPitch(int midi, int keyOffset) {
    const int above = midi - 60 - PitchClass(keyOffset);
    ScaleDegree d = kChromatic[static_cast<std::size_t>(PitchClass(above))];
    d.octave = FloorDiv(above, 12);
    return d;
}

bool KeyUsesFlats(int keyOffset) {
    switch (PitchClass(keyOffset)) {
        case 1:
        case 3:
        case 5:
        case 8:
        case 10:
            return true;
        default:
            return false;
    }
}

std::string PitchName(int midi, bool flats) {
    const auto& names = flats ? kFlatNames : kSharpNames;
    return std::string(names[static_cast<std::size_t>(PitchClass(midi))]) +
           std::to_string(FloorDiv(midi, 12) - 1);
}

TunerView ViewOfReading(const listen::TunerReading& reading, int keyOffset,
                        const OpenStrings& strings) {
    TunerView view;
    if (!reading.valid) return view;
    view.valid = true;
    view.midi = reading.midi;
    view.cents = reading.cents;
    view.hz = reading.hz;
    view.name = PitchName(reading.midi, KeyUsesFlats(keyOffset));
    view.degree = DegreeOfPitch(reading.midi, keyOffset);
    if (reading.midi == strings.inner)
        view.string = OpenString::Inner;
    else if (reading.midi == strings.outer)
        view.string = OpenString::Outer;
    return view;
}

}  // namespace sorvel
