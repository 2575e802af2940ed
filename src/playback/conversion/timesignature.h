// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A time signature as the conversion counts it: beats per bar and the unit,
// with the tick lengths of its beat and bar.
namespace sorvel {

class TMusicItem;

struct TimeSignature {
    int beats = 4;
    int unit = 4;

    bool CompoundUnit() const { return unit == 8; }
    // A click lasts a quarter, or a dotted quarter in eighth-note time.
    int BeatLength() const { return CompoundUnit() ? 72 : 48; }
    // Ticks of one counted unit: an eighth in eighth-note time, else a quarter.
    int CountLength() const { return CompoundUnit() ? 24 : 48; }
    int BarLength() const { return beats * CountLength(); }
};

// The signature a TBeat shows by its content; anything else (or an unknown
// sign) counts as 4/4.
TimeSignature TimeSignatureOf(const TMusicItem* item);

}  // namespace sorvel
