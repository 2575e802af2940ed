// SPDX-License-Identifier: GPL-3.0-or-later
// Transposing parts: the written pitches and key signatures of a part with a
// <transpose> turned into the ones it sounds, so that a clarinet or a guitar
// part comes in at concert pitch.
#include <pugixml.hpp>

#include "interchange/musicxmlreader_internal.h"

namespace sorvel::interchange::xmlread {
namespace {

constexpr char kLetters[] = "CDEFGAB";
constexpr int kLetterSemitones[7] = {0, 2, 4, 5, 7, 9, 11};
// Letters in the order of the circle of fifths, from F (fifths -1).
constexpr char kFifthsOrder[] = "FCGDAEB";

int FloorDiv(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}
int FloorMod(int a, int b) {
    return a - b * FloorDiv(a, b);
}

int LetterIndex(char step) {
    for (int i = 0; i < 7; ++i) {
        if (kLetters[i] == step) return i;
    }
    return 0;
}

// The step nearest a chromatic interval within its octave: a minor second
// counts one step, a tritone three.
int StepsOfSemitones(int semitones) {
    static constexpr int kSteps[12] = {0, 1, 1, 2, 2, 3, 3, 4, 5, 5, 6, 6};
    return kSteps[FloorMod(semitones, 12)] + 7 * FloorDiv(semitones, 12);
}

}  // namespace

Transposition ReadTransposition(pugi::xml_node transpose) {
    // Bounded so that hostile numbers cannot overflow a pitch; four octaves
    // either way is more than any instrument transposes.
    const int chromatic = IntOf(TextOf(transpose.child("chromatic")), 0, -48, 48);
    const int octaves = IntOf(TextOf(transpose.child("octave-change")), 0, -4, 4);
    Transposition t;
    t.chromatic = chromatic + 12 * octaves;
    t.diatonic = transpose.child("diatonic")
                     ? IntOf(TextOf(transpose.child("diatonic")), 0, -28, 28) + 7 * octaves
                     : StepsOfSemitones(t.chromatic);
    return t;
}

XmlPitch SoundingPitch(const XmlPitch& written, const Transposition& t) {
    if (t.chromatic == 0 && t.diatonic == 0) return written;
    const int steps = LetterIndex(written.step) + 7 * written.octave + t.diatonic;
    XmlPitch sounding;
    sounding.step = kLetters[FloorMod(steps, 7)];
    sounding.octave = FloorDiv(steps, 7);
    const int natural = 12 * (sounding.octave + 1) + kLetterSemitones[FloorMod(steps, 7)];
    sounding.alter = MidiOfPitch(written) + t.chromatic - natural;
    return sounding;
}

int SoundingFifths(int fifths, const Transposition& t) {
    if (t.chromatic == 0 && t.diatonic == 0) return fifths;
    // The major tonic of the key, transposed and spelled, names the new key.
    XmlPitch tonic;
    tonic.step = kFifthsOrder[FloorMod(fifths + 1, 7)];
    tonic.alter = FloorDiv(fifths + 1, 7);
    const XmlPitch sounding = SoundingPitch(tonic, t);
    int result = 0;
    for (int i = 0; i < 7; ++i) {
        if (kFifthsOrder[i] == sounding.step) result = i - 1 + 7 * sounding.alter;
    }
    while (result > 7) result -= 12;
    while (result < -7) result += 12;
    return result;
}

}  // namespace sorvel::interchange::xmlread
