// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/beattiming.h"

#include <cmath>
#include <optional>

namespace sorvel::practice {
namespace {

// Neighbours within this many beats on either side set the local tempo.
constexpr double kReachBeats = 4.0;
constexpr int kFewestNeighbours = 2;

// The time the neighbours of note `i` (not the note itself) expect it at:
// the least-squares line of onset over beat; none when too few of them.
std::optional<double> ExpectedOnset(const std::vector<CheckedNote>& notes, std::size_t i,
                                    double reach) {
    double n = 0, sb = 0, st = 0, sbb = 0, sbt = 0;
    const double beat = notes[i].written.beat;
    for (std::size_t k = 0; k < notes.size(); ++k) {
        const CheckedNote& other = notes[k];
        if (k == i || other.status != NoteStatus::kOk) continue;
        const double b = other.written.beat - beat;
        if (std::abs(b) > reach) continue;
        n += 1, sb += b, st += other.playedOnset, sbb += b * b, sbt += b * other.playedOnset;
    }
    const double spread = n * sbb - sb * sb;
    if (n < kFewestNeighbours || spread <= 1e-9) return std::nullopt;
    const double slope = (n * sbt - sb * st) / spread;
    return (st - slope * sb) / n;  // the line at the note's own beat (b = 0)
}

}  // namespace

void SetBeatTiming(std::vector<CheckedNote>& notes) {
    for (std::size_t i = 0; i < notes.size(); ++i) {
        if (notes[i].status != NoteStatus::kOk) continue;
        std::optional<double> expected = ExpectedOnset(notes, i, kReachBeats);
        if (!expected) expected = ExpectedOnset(notes, i, 4 * kReachBeats);
        notes[i].timingMs = expected ? (notes[i].playedOnset - *expected) * 1000.0 : 0.0;
    }
}

}  // namespace sorvel::practice
