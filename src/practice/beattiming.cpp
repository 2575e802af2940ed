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
// the least-squares line of onset over beat; none when too few of them. With
// `contiguous`, a missed note ends the neighbourhood on its side: a bar left
// out is a jump in the take's time, not a tempo.
std::optional<double> ExpectedOnset(const std::vector<CheckedNote>& notes, std::size_t i,
                                    double reach, bool contiguous) {
    double n = 0, sb = 0, st = 0, sbb = 0, sbt = 0;
    const double beat = notes[i].written.beat;
    const auto take = [&](std::size_t k) {
        const CheckedNote& other = notes[k];
        const double b = other.written.beat - beat;
        if (std::abs(b) > reach) return false;
        if (other.status != NoteStatus::kOk) return !contiguous;
        n += 1, sb += b, st += other.playedOnset, sbb += b * b, sbt += b * other.playedOnset;
        return true;
    };
    for (std::size_t k = i; k-- > 0 && take(k);) {
    }
    for (std::size_t k = i + 1; k < notes.size() && take(k); ++k) {
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
        std::optional<double> expected = ExpectedOnset(notes, i, kReachBeats, true);
        if (!expected) expected = ExpectedOnset(notes, i, kReachBeats, false);
        if (!expected) expected = ExpectedOnset(notes, i, 4 * kReachBeats, false);
        notes[i].timingMs = expected ? (notes[i].playedOnset - *expected) * 1000.0 : 0.0;
    }
}

}  // namespace sorvel::practice
