// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the ear makes of a recording of one melodic line: notes in seconds
// with their pitch as semitones of equal temperament (the instrument's own
// tuning offset taken out) and the playing marks heard on them. The analysis
// fills it from audio; transcription turns it into written music and the
// take check aligns it with a book.
#include <cmath>
#include <limits>
#include <vector>

namespace sorvel::listen {

struct HeardNote {
    double onset = 0;   // seconds from the recording's start
    double offset = 0;  // seconds: where the note's sound ends (next note, silence or release)
    int midi = 60;      // the nearest semitone, tuning offset removed (A4 = 69)
    // Median deviation of the note's steady part from `midi`, in cents, tuning
    // offset removed; vibrato is averaged out.
    double cents = 0;
    // 0 … 1: how sure the analysis is of the pitch and of both boundaries (a
    // very short note, a pitch between two semitones, a weak attack).
    double confidence = 1;
    double levelDb = -120;  // the note's loudest frame, dB full scale

    // Started by an attack of its own (an onset, a bow change) rather than by
    // a change of pitch within one sound (legato).
    bool attacked = true;
    bool slideIn = false;  // reached by a continuous glide of more than 150 cents
    int slideFrom = 0;     // the semitone the glide came from, when slideIn
    bool vibrato = false;  // oscillates by 30 cents or more at 4–8 Hz over most of its length
    bool trill = false;    // alternates with an upper neighbour faster than 5 times a second
    int trillUpper = 0;    // the upper neighbour's semitone, when trill
};

struct HeardMelody {
    std::vector<HeardNote> notes;  // in time order, not overlapping
    double seconds = 0;            // length of the recording
    double tuningCents = 0;        // the instrument's offset from A4 = 440 Hz, -50 … +50
    double peakDb = -std::numeric_limits<double>::infinity();  // loudest sample, dB full scale
    double noiseFloorDb = -std::numeric_limits<double>::infinity();  // the quiet between notes
    int clippedSamples = 0;  // samples at or beyond full scale
};

}  // namespace sorvel::listen
