// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/writtenlengths.h"

#include <algorithm>
#include <cmath>

namespace sorvel::listen {
namespace {

constexpr int kUnit = kQuarter / 4;  // rests and their notes are whole sixteenths
constexpr double kFit = 2.0;         // a factor of e between length and sound, in cost
constexpr double kWriting = 0.3;     // times LengthCost of the note and of its rest
constexpr double kRest = 0.3;        // a rest of its own
constexpr double kHeldToBar = 0.5;   // the last note sounds this share of its bar's rest: held

// The note's length when `span` ticks lead to the next onset: the whole
// span, or a shorter length nearer its sound with a rest after it.
int NoteLength(int span, double sounding) {
    const double sound = std::max(sounding, 1.0);
    int best = span;
    double bestCost = kFit * std::abs(std::log(span / sound)) + kWriting * LengthCost(span);
    for (int length = kUnit; length + kUnit <= span; length += kUnit) {
        const double cost = kFit * std::abs(std::log(length / sound)) +
                            kWriting * (LengthCost(length) + LengthCost(span - length)) + kRest;
        if (cost < bestCost) {
            bestCost = cost;
            best = length;
        }
    }
    return best;
}

// Where the piece ends after its last note at `place`: on a bar line, or
// where the bar the pickup began is complete — whichever lies nearer the end
// of the note's sound.
int LastBarLine(int place, double sounding, int bar, int firstOffset) {
    const double end = place + std::max(sounding, 1.0 * kUnit);
    int best = (place / bar + 1) * bar;
    for (int shift : {0, firstOffset}) {
        for (int line = place / bar * bar + shift; line <= end + bar; line += bar) {
            if (line <= place) continue;
            if (std::abs(line - end) < std::abs(best - end)) best = line;
        }
    }
    return best;
}

void Append(std::vector<WrittenNote>& out, int start, int ticks, bool rest, int heard) {
    if (ticks <= 0) return;
    WrittenNote n;
    n.start = start;
    n.ticks = ticks;
    n.rest = rest;
    n.heard = rest ? -1 : heard;
    out.push_back(n);
}

}  // namespace

std::vector<WrittenNote> WriteLengths(const std::vector<PlacedNote>& placed, const MeterGrid& grid,
                                      int firstOffset) {
    std::vector<WrittenNote> out;
    const int bar = grid.BarTicks();
    for (size_t k = 0; k < placed.size(); ++k) {
        const PlacedNote& p = placed[k];
        int span = 0;
        if (k + 1 < placed.size()) {
            span = placed[k + 1].place - p.place;
        } else {
            span = LastBarLine(p.place, p.sounding, bar, firstOffset) - p.place;
            if (p.sounding >= kHeldToBar * span) {
                Append(out, p.place, span, false, static_cast<int>(k));
                break;
            }
        }
        const bool triplet = p.triplet || (k + 1 < placed.size() && placed[k + 1].triplet);
        const int length = triplet || span % kUnit != 0 ? span : NoteLength(span, p.sounding);
        Append(out, p.place, length, false, static_cast<int>(k));
        Append(out, p.place + length, span - length, true, -1);
    }
    return out;
}

}  // namespace sorvel::listen
