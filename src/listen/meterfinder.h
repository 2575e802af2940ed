// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads the metre of a melody from its onsets measured in pulses: what note
// value one pulse is worth, the time signature and where the bar lines fall.
// Every reading is quantized on its grid and the cheapest one is taken.
#include <limits>
#include <optional>
#include <vector>

#include "listen/quantize.h"

namespace sorvel::listen {

struct MetreWeights {
    QuantizeWeights quantize;
    // Quarter notes a minute: most tunes lie between low and high; an octave
    // beyond costs `tempoOutside` a note, and the square of the octaves from
    // the centre `tempoPerNote` a note.
    double tempoLow = 44;
    double tempoHigh = 108;
    double tempoOutside = 6.0;
    double tempoCentre = 80;
    double tempoPerNote = 0.2;
    // Notes last about a beat, half a beat or a quarter of one: a reading
    // whose notes last on average (geometric mean of the spans) more than
    // `longSpan` quarters costs `longPerOctave` a note for each octave beyond.
    double longSpan = 1.4;
    double longPerOctave = 2.0;
    double waltz = 0;  // share of the cost beyond `tempoHigh` a 3/4 of undivided beats pays
    // 3/8 and 6/8 cost this a note unless at least `compoundFigures` of the
    // notes divide their beats unevenly (CompoundFigures).
    double compoundPerNote = 1.5;
    double compoundFigures = 0.15;
    double similarity = 1.0;       // reward a note for the rhythm recurring a bar later
    double concentration = 1.0;    // … and for long notes keeping to one place of the bar
    double barSeconds = 1.8;       // the bar length preferred …
    double barPerNote = 0.2;       // … and what an octave away from it costs a note
    double barNotes = 4.0;         // the notes a bar holds (HeldCost) …
    double barNotesPerNote = 1.0;  // … and what an octave away from it costs a note
    double triplePerNote = 0.1;    // bars of three beats (3/4, 3/8) against two or four
    double pickup = 1.0;           // a first bar that is a pickup
};

struct MetreInput {
    std::vector<double> pulses;    // each onset's pulse coordinate
    std::vector<double> accents;   // NoteAccent of each
    std::vector<double> spreads;   // seconds each onset may stray (QuantizeInput)
    double period = 0.5;           // seconds a pulse lasts (median)
    std::vector<double> sounding;  // pulses each note sounds
};

struct MetricReading {
    TimeSignature meter;
    int pulseTicks = kQuarter;  // what one pulse is worth
    double barStart = 0;        // the pulse coordinate of bar 0's line
    std::vector<int> places;    // each onset's place in ticks from bar 0's line
    double cost = std::numeric_limits<double>::infinity();

    bool Found() const { return !places.empty(); }
};

// The cheapest reading. `meter` fixes the time signature; `quarterSeconds`
// > 0 fixes the length of a quarter (a known tempo).
MetricReading ReadMetre(const MetreInput& input, std::optional<TimeSignature> meter,
                        double quarterSeconds, const MetreWeights& weights = {});

}  // namespace sorvel::listen
