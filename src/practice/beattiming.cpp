// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/beattiming.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace sorvel::practice {
namespace {

// Neighbours within this many beats on either side set the local tempo.
constexpr double kReachBeats = 4.0;
constexpr int kFewestNeighbours = 2;
// A neighbour further than this from the line of the others is no guide to
// the beat; the shortest beat the take's tempo may have (seconds).
constexpr double kOutlierBeats = 0.5;
constexpr double kShortestBeat = 0.1;

double Median(std::vector<double> values) {
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    if (values.size() % 2) return *middle;
    return (*middle + *std::max_element(values.begin(), middle)) / 2;
}

// The least-squares line of onset over beat through `points` (beat, onset)
// at beat 0; none when they do not spread over the beats.
std::optional<double> LineAtZero(const std::vector<std::pair<double, double>>& points) {
    double n = 0, sb = 0, st = 0, sbb = 0, sbt = 0;
    for (const auto& [b, t] : points) n += 1, sb += b, st += t, sbb += b * b, sbt += b * t;
    const double spread = n * sbb - sb * sb;
    if (n < kFewestNeighbours || spread <= 1e-9) return std::nullopt;
    const double slope = (n * sbt - sb * st) / spread;
    return (st - slope * sb) / n;
}

// The same line without the points far off the take's local tempo (a note
// matched with a sound far from its place, a passage played again): the
// median of the pairs' slopes sets the tempo, and a point more than
// kOutlierBeats of it from the median line is left out.
std::optional<double> LineAtZeroWithoutStrays(std::vector<std::pair<double, double>> points) {
    std::vector<double> slopes;
    for (std::size_t a = 0; a < points.size(); ++a)
        for (std::size_t b = a + 1; b < points.size(); ++b)
            if (std::abs(points[b].first - points[a].first) > 1e-6)
                slopes.push_back((points[b].second - points[a].second) /
                                 (points[b].first - points[a].first));
    if (slopes.empty()) return std::nullopt;
    const double slope = std::max(Median(std::move(slopes)), kShortestBeat);
    std::vector<double> intercepts;
    for (const auto& [b, t] : points) intercepts.push_back(t - slope * b);
    const double intercept = Median(std::move(intercepts));
    std::erase_if(points, [&](const std::pair<double, double>& p) {
        return std::abs(p.second - intercept - slope * p.first) > kOutlierBeats * slope;
    });
    return LineAtZero(points);
}

// The time the neighbours of note `i` (not the note itself) expect it at;
// none when too few of them. With `contiguous`, a missed note ends the
// neighbourhood on its side: a bar left out is a jump in the take's time,
// not a tempo.
std::optional<double> ExpectedOnset(const std::vector<CheckedNote>& notes, std::size_t i,
                                    double reach, bool contiguous) {
    std::vector<std::pair<double, double>> points;
    const double beat = notes[i].written.beat;
    const auto take = [&](std::size_t k) {
        const CheckedNote& other = notes[k];
        const double b = other.written.beat - beat;
        if (std::abs(b) > reach) return false;
        if (other.status != NoteStatus::kOk) return !contiguous;
        points.emplace_back(b, other.playedOnset);
        return true;
    };
    for (std::size_t k = i; k-- > 0 && take(k);) {
    }
    for (std::size_t k = i + 1; k < notes.size() && take(k); ++k) {
    }
    return LineAtZeroWithoutStrays(std::move(points));
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
