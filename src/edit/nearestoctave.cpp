// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/nearestoctave.h"

#include <algorithm>

#include "model/glyphcodes.h"
#include "model/majorkey.h"

namespace sorvel {
namespace {

constexpr int kOctaveLimit = 3;

int DegreeSemitones(char digit) {
    return kMajorScale[std::clamp(digit - '1', 0, 6)];
}

// The largest octave whose `digit` lies at or below `pitch`.
int OctaveAtOrBelow(char digit, int pitch) {
    const int above = pitch - DegreeSemitones(digit);
    return above >= 0 ? above / 12 : -((11 - above) / 12);
}

}  // namespace

int SoundingPitch(char digit, int octave, std::string_view rinji) {
    int alter = 0;
    if (!rinji.empty() && rinji[0] == kSharpRinji) alter = 1;
    if (!rinji.empty() && rinji[0] == kFlatRinji) alter = -1;
    return DegreeSemitones(digit) + alter + 12 * octave;
}

int NearestOctave(char digit, int reference, int referenceOctave, int lastStep) {
    const int below = OctaveAtOrBelow(digit, reference);
    const int down = reference - SoundingPitch(digit, below, {});
    const int up = 12 - down;
    int octave = below;
    if (up < down) {
        octave = below + 1;
    } else if (up == down) {
        // A tritone either way: on in the direction the melody moves.
        octave = lastStep > 0 ? below + 1 : lastStep < 0 ? below : referenceOctave;
    }
    return std::clamp(octave, -kOctaveLimit, kOctaveLimit);
}

}  // namespace sorvel
