// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Places onsets on the grid of one metrical reading: each onset, given in
// ticks of that reading, goes to a grid place near it, chosen together for
// all notes by dynamic programming so that timing errors, deep places,
// lengths that are hard to write and syncopations cost least.
#include <vector>

#include "listen/metergrid.h"

namespace sorvel::listen {

struct QuantizeWeights {
    // Timing errors cost half their square in units of each onset's spread
    // up to `robustFrom` spreads, then grow in a straight line: an onset
    // heard late (a glide, a slow attack) pulls no note off the grid.
    double robustFrom = 1.5;
    double depth[4] = {0, 0, 0.4, 1.0};  // by MeterGrid::Depth of the place
    double ternary = 0.6;                // a triplet place, over its depth
    double length = 1.0;                 // times LengthCost of each onset-to-onset span
    double offBeatHeld = 0.8;            // a note from off the beat held over the next beat
    double overBarLine = 1.2;            // a note held over a bar line from inside its bar
    double accent = 0.6;                 // reward: accent times the strength of its place
    double barStrength = 1.0;            // strength of a bar line; a beat's is half of it
    double ending = 1.0;                 // a beat between the last note's end and a bar line
};

struct QuantizeInput {
    std::vector<double> ticks;    // each onset in ticks of the reading, from bar 0's line
    std::vector<double> accents;  // NoteAccent of each
    std::vector<double> spreads;  // seconds: how far each onset may stray as heard
    double secondsPerTick = 0.01;
    double lastSounding = 0;  // ticks the last note sounds
};

struct Quantized {
    std::vector<int> places;  // grid places, increasing; empty when none fits
    double cost = 0;
};

// The cheapest placing; the first onset goes into bar 0 (0 … bar length).
Quantized QuantizeOnsets(const MeterGrid& grid, const QuantizeInput& input,
                         const QuantizeWeights& weights = {});

}  // namespace sorvel::listen
