// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a placed rhythm says about its metre: how alike it runs a bar apart
// (melodies repeat their bars' rhythms), and how often it shows the uneven
// divisions of a beat in three (long–short, dotted) that 3/8 and 6/8 are
// written for.
#include <vector>

#include "listen/metergrid.h"

namespace sorvel::listen {

// 0 … 1: how much of the rhythm (onsets weighted by the time to the next)
// recurs `lag` ticks later.
double RhythmSimilarity(const std::vector<int>& places, int lag);

// 0 … 1: how much of the weight of the long notes (longer than most, each
// weighted by its length) falls on one and the same place of the bar.
double LongNoteConcentration(const std::vector<int>& places, int bar);

// 0 … 1: the share of notes that divide the compound beat of `grid`
// unevenly — a quarter and an eighth in a group of three, or sixteenths. A
// note counts as a quarter only when it sounds most of it (`sounding`, in
// ticks, each note): a short note and a rest are not one.
double CompoundFigures(const std::vector<int>& places, const std::vector<double>& sounding,
                       const MeterGrid& grid);

}  // namespace sorvel::listen
