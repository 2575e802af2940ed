// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/quantize.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace sorvel::listen {
namespace {

constexpr int kStep = kQuarter / 12;  // every place of the grid is a multiple of it
constexpr int kShortest = kQuarter / 4;
constexpr double kInfinite = std::numeric_limits<double>::infinity();

struct Candidate {
    int place = 0;
    double cost = 0;  // its own cost, then the best path to it
    int from = -1;    // candidate of the note before
};

double Strength(int depth, const QuantizeWeights& w) {
    if (depth == 0) return w.barStrength;
    return depth == 1 ? w.barStrength / 2 : 0;
}

double PlaceCost(const MeterGrid& grid, const QuantizeInput& in, size_t k, int place,
                 const QuantizeWeights& w) {
    const int depth = grid.Depth(place);
    const double error = std::abs(place - in.ticks[k]) * in.secondsPerTick / in.spreads[k];
    const double r = w.robustFrom;
    double cost = w.depth[depth] + (error <= r ? 0.5 * error * error : r * error - 0.5 * r * r);
    if (depth == 3 && MeterGrid::Ternary(place)) cost += w.ternary;
    return cost - w.accent * in.accents[k] * Strength(depth, w);
}

std::vector<Candidate> CandidatesOf(const MeterGrid& grid, const QuantizeInput& in, size_t k,
                                    int earliest, double reach, const QuantizeWeights& w) {
    double lo = in.ticks[k] - reach, hi = in.ticks[k] + reach;
    if (k == 0) {
        lo = std::max(lo, 0.0);
        hi = std::min(hi, static_cast<double>(grid.BarTicks() - kStep));
    }
    // Notes crowded closer than the grid allows still get places.
    if (hi < earliest + kShortest) hi = earliest + 2 * kShortest;
    std::vector<Candidate> out;
    for (int p = static_cast<int>(std::ceil(lo / kStep)) * kStep; p <= hi; p += kStep) {
        if (grid.Depth(p) < 0) continue;
        if (grid.Depth(p) == 3 && MeterGrid::Ternary(p) && !grid.AllowsTriplets()) continue;
        out.push_back({p, PlaceCost(grid, in, k, p, w), -1});
    }
    return out;
}

// Whether two onsets of one quarter mix triplet places with plain divisions.
bool MixesDivisions(int a, int b) {
    const auto quarter = [](int t) {
        return t >= 0 ? t / kQuarter : (t - kQuarter + 1) / kQuarter;
    };
    if (quarter(a) != quarter(b)) return false;
    const auto ternary = [](int t) { return MeterGrid::Ternary(t); };
    const auto plain = [](int t) { return t % kQuarter != 0 && !MeterGrid::Ternary(t); };
    return (ternary(a) && plain(b)) || (plain(a) && ternary(b));
}

double SpanCost(const MeterGrid& grid, int from, int to, const QuantizeWeights& w) {
    const int span = to - from;
    if (span < kShortest || MixesDivisions(from, to)) return kInfinite;
    double cost = w.length * LengthCost(span);
    const int beat = grid.BeatTicks(), bar = grid.BarTicks();
    const int nextBeat = (from / beat + 1) * beat, nextBar = (from / bar + 1) * bar;
    if (grid.Depth(from) >= 2 && to > nextBeat) cost += w.offBeatHeld;
    if (from % bar != 0 && to > nextBar) cost += w.overBarLine;
    return cost;
}

// The piece ends on a bar line: the last note's sound should reach the first
// bar line after its onset, not much more.
double EndCost(const MeterGrid& grid, const QuantizeInput& in, int last, const QuantizeWeights& w) {
    const int bar = grid.BarTicks();
    const int barLine = (last / bar + 1) * bar;
    const double heardEnd = last + std::max(in.lastSounding, 1.0 * kShortest);
    const double beats = std::abs(heardEnd - barLine) / grid.BeatTicks();
    return w.ending * std::min(beats, 2.0);
}

}  // namespace

Quantized QuantizeOnsets(const MeterGrid& grid, const QuantizeInput& in, const QuantizeWeights& w) {
    Quantized out;
    const size_t n = in.ticks.size();
    if (n == 0 || in.accents.size() != n || in.spreads.size() != n || in.secondsPerTick <= 0)
        return out;
    for (double spread : in.spreads) {
        if (!(spread > 0)) return out;
    }
    // How far an onset may move: about a quarter of a second, at least a sixteenth.
    const double reach = std::max(0.25 / in.secondsPerTick, 1.0 * kShortest);
    std::vector<std::vector<Candidate>> c(n);
    int earliest = -kShortest;
    for (size_t k = 0; k < n; ++k) {
        c[k] = CandidatesOf(grid, in, k, earliest, reach, w);
        if (c[k].empty()) return out;
        if (k > 0) {
            for (Candidate& cand : c[k]) {
                double best = kInfinite;
                for (size_t j = 0; j < c[k - 1].size(); ++j) {
                    const double v =
                        c[k - 1][j].cost + SpanCost(grid, c[k - 1][j].place, cand.place, w);
                    if (v < best) {
                        best = v;
                        cand.from = static_cast<int>(j);
                    }
                }
                cand.cost += best;
            }
        }
        double low = kInfinite;
        for (const Candidate& cand : c[k]) {
            if (cand.cost < kInfinite) low = std::min(low, static_cast<double>(cand.place));
        }
        if (low == kInfinite) return out;
        earliest = static_cast<int>(low);
    }
    for (Candidate& cand : c[n - 1]) cand.cost += EndCost(grid, in, cand.place, w);
    size_t best = 0;
    for (size_t j = 1; j < c[n - 1].size(); ++j) {
        if (c[n - 1][j].cost < c[n - 1][best].cost) best = j;
    }
    out.cost = c[n - 1][best].cost;
    out.places.resize(n);
    for (size_t k = n; k-- > 0;) {
        out.places[k] = c[k][best].place;
        best = static_cast<size_t>(std::max(0, c[k][best].from));
    }
    return out;
}

}  // namespace sorvel::listen
