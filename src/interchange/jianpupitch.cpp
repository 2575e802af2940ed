// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/jianpupitch.h"

namespace sorvel::interchange {
namespace {

int LetterIndex(char step) {
    switch (step) {
        case 'C':
            return 0;
        case 'D':
            return 1;
        case 'E':
            return 2;
        case 'F':
            return 3;
        case 'G':
            return 4;
        case 'A':
            return 5;
        case 'B':
            return 6;
        default:
            return 0;
    }
}

int FloorDiv(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}
int Mod12(int v) {
    return ((v % 12) + 12) % 12;
}

JianpuPitch WithOctave(int degree, int accidental, int relative) {
    // relative = MIDI − tonic − 60; the degree's semitone plus the octave.
    const int semis = kMajorScale[degree - 1] + accidental;
    return {static_cast<char>('0' + degree), accidental, FloorDiv(relative - semis, 12)};
}

}  // namespace

std::string JianpuPitch::Rinji() const {
    if (accidental < 0) return "a";
    if (accidental > 0) return "`";
    return {};
}

JianpuPitch ToJianpu(const XmlPitch& pitch, const Tonic& tonic) {
    const int relative = MidiOfPitch(pitch) - tonic.semitone - 60;
    const int cls = Mod12(relative);
    // The degree the staff spelling names, when its accidental is writable.
    const int degree = ((LetterIndex(pitch.step) - tonic.letter) % 7 + 7) % 7 + 1;
    int diff = Mod12(cls - kMajorScale[degree - 1]);
    if (diff > 6) diff -= 12;
    if (diff >= -1 && diff <= 1) return WithOctave(degree, diff, relative);
    // Otherwise the plain degree of that pitch class, else a sharp or flat
    // one in the direction the spelling leans.
    for (int d = 1; d <= 7; ++d) {
        if (kMajorScale[d - 1] == cls) return WithOctave(d, 0, relative);
    }
    const int lean = pitch.alter < 0 ? -1 : 1;
    for (int d = 1; d <= 7; ++d) {
        if (Mod12(kMajorScale[d - 1] + lean) == cls) return WithOctave(d, lean, relative);
    }
    for (int d = 1; d <= 7; ++d) {
        if (Mod12(kMajorScale[d - 1] - lean) == cls) return WithOctave(d, -lean, relative);
    }
    return WithOctave(1, 0, relative);  // not reached: every class is covered above
}

int MidiOfJianpu(const JianpuPitch& jp, const Tonic& tonic) {
    const int degree = jp.degree - '0';
    if (degree < 1 || degree > 7) return 0;
    return 60 + tonic.semitone + kMajorScale[degree - 1] + jp.accidental + 12 * jp.octave;
}

}  // namespace sorvel::interchange
