// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pitches between MusicXML spelling and numbered notation: a staff pitch as
// a scale degree of the key with its accidental and octave dots, and back to
// the MIDI note it sounds.
#include <string>

#include "interchange/importedscore.h"
#include "model/majorkey.h"

namespace sorvel::interchange {

struct JianpuPitch {
    char degree = '1';   // '1' … '7'
    int accidental = 0;  // -1 flat, 0, +1 sharp
    int octave = 0;  // octave dots: + above, - below (0 = the octave of the tonic above middle C)

    // The accidental as a note's Rinji code: "a" flat, "`" sharp, empty for none.
    std::string Rinji() const;
};

// The degree, accidental and octave of a staff pitch in the key of `tonic`.
JianpuPitch ToJianpu(const XmlPitch& pitch, const Tonic& tonic);

// The MIDI note a degree sounds in the key of `tonic`; 0 for a degree outside 1 … 7.
int MidiOfJianpu(const JianpuPitch& jp, const Tonic& tonic);

}  // namespace sorvel::interchange
