// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/tempomap.h"

#include <algorithm>
#include <cmath>

#include "listen/writtenmusic.h"

namespace sorvel::listen {
namespace {

constexpr int kSlowest = 20;
constexpr int kFastest = 255;  // what a page's tempo can hold

double SecondsPerTick(int tempo) {
    return 60.0 / (tempo * static_cast<double>(kQuarter));
}

// The largest error of notes [from, to] played at `tempo` from `start` seconds.
double WorstError(const std::vector<int>& places, const std::vector<double>& seconds, size_t from,
                  size_t to, double start, int tempo) {
    double worst = 0;
    for (size_t k = from; k <= to; ++k) {
        const double played = start + (places[k] - places[from]) * SecondsPerTick(tempo);
        worst = std::max(worst, std::abs(played - seconds[k]));
    }
    return worst;
}

// The whole tempo nearest the least-squares slope of notes [from, to] seen
// from `start`, of the two neighbours of the slope the one that errs least.
int FittedTempo(const std::vector<int>& places, const std::vector<double>& seconds, size_t from,
                size_t to, double start) {
    double num = 0, den = 0;
    for (size_t k = from + 1; k <= to; ++k) {
        const double dx = places[k] - places[from];
        num += dx * (seconds[k] - start);
        den += dx * dx;
    }
    if (den <= 0 || num <= 0) return 0;
    const double tempo = 60.0 / (num / den * kQuarter);
    const int low = std::clamp(static_cast<int>(std::floor(tempo)), kSlowest, kFastest);
    const int high = std::clamp(low + 1, kSlowest, kFastest);
    return WorstError(places, seconds, from, to, start, low) <=
                   WorstError(places, seconds, from, to, start, high)
               ? low
               : high;
}

}  // namespace

std::vector<TempoChange> FitTempo(const std::vector<int>& places,
                                  const std::vector<double>& seconds, double tolerance,
                                  int firstTempo) {
    std::vector<TempoChange> changes;
    const size_t n = std::min(places.size(), seconds.size());
    if (n < 2) {
        changes.push_back({0, firstTempo > 0 ? firstTempo : 80});
        return changes;
    }
    size_t from = 0;
    double start = seconds[0];
    while (from + 1 < n) {
        // The longest run from `from` that one tempo plays within tolerance
        // (at least one step, whatever its error).
        size_t to = from + 1;
        int tempo = 0;
        for (size_t end = from + 1; end < n; ++end) {
            int t = firstTempo > 0 && from == 0 ? firstTempo : 0;
            if (t == 0) t = FittedTempo(places, seconds, from, end, start);
            if (t == 0) break;
            if (end > from + 1 && WorstError(places, seconds, from, end, start, t) > tolerance)
                break;
            to = end;
            tempo = t;
        }
        if (tempo == 0) tempo = changes.empty() ? 80 : changes.back().tempo;
        if (changes.empty() || changes.back().tempo != tempo) changes.push_back({from, tempo});
        start += (places[to] - places[from]) * SecondsPerTick(tempo);
        from = to;
    }
    return changes;
}

std::vector<double> PlayedTimes(const std::vector<int>& places,
                                const std::vector<TempoChange>& changes) {
    std::vector<double> out(places.size(), 0.0);
    size_t c = 0;
    int tempo = changes.empty() ? 80 : changes.front().tempo;
    for (size_t k = 1; k < places.size(); ++k) {
        while (c < changes.size() && changes[c].note <= k - 1) tempo = changes[c++].tempo;
        out[k] = out[k - 1] + (places[k] - places[k - 1]) * SecondsPerTick(tempo);
    }
    return out;
}

}  // namespace sorvel::listen
