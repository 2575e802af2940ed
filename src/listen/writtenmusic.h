// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A transcription as written music: notes and rests on the numbered-notation
// grid (48 ticks to the quarter) with the time signature, key and tempo
// changes chosen for them. Transcription fills it; the book is made from it.
#include <vector>

namespace sorvel::listen {

inline constexpr int kQuarter = 48;  // ticks, as the book's timing counts them

struct TimeSignature {
    int beats = 4;
    int beatType = 4;

    int BarTicks() const { return beats * 4 * kQuarter / beatType; }
    // 6/8 and 3/8 count eighths in groups of three.
    bool Compound() const { return beatType == 8; }
    bool operator==(const TimeSignature&) const = default;
};

struct WrittenNote {
    int start = 0;  // ticks from the first bar line (the pickup bar counts from its full start)
    int ticks = 0;  // written length
    bool rest = false;
    int midi = 60;  // when not a rest
    bool slideIn = false;
    int slideFrom = 0;  // the semitone the slide came from; 0 unknown
    bool vibrato = false;
    bool trill = false;
    int tempo = 0;   // quarter notes a minute from this note on; 0 keeps the tempo
    int heard = -1;  // the heard note it writes (index), -1 for a rest
    bool uncertain = false;

    int End() const { return start + ticks; }
};

struct WrittenMusic {
    TimeSignature meter;
    // Where the first note stands in its bar: 0 when the piece starts on a
    // bar line, otherwise the first bar is a pickup of BarTicks() - firstOffset.
    int firstOffset = 0;
    int fifths = 0;  // the major key of 1=, as a number of fifths
    int tempo = 0;   // quarter notes a minute at the start
    std::vector<WrittenNote>
        notes;  // notes and rests in time order, each ending where the next starts

    int PickupTicks() const { return firstOffset > 0 ? meter.BarTicks() - firstOffset : 0; }
};

}  // namespace sorvel::listen
