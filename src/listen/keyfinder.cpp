// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/keyfinder.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace sorvel::listen {
namespace {

// How well each semitone above the tonic fits a tune in that major key, as
// numbered notation writes it: the pentatonic degrees 1 2 3 5 6 fully, 4 and
// 7 a little less (a pentatonic tune has one key where it needs neither),
// and notes outside the scale count against it.
constexpr std::array<double, 12> kDegreeFit = {1, -1, 1, -1, 1, 0.8, -1, 1, -1, 1, -1, 0.8};
// The keys tried, as fifths, and what each costs: the erhu's common keys D,
// G, F, C, A and B♭ nothing.
struct KeyPrior {
    int fifths;
    double cost;
};
constexpr KeyPrior kKeys[] = {{2, 0},    {1, 0},     {-1, 0},   {0, 0},     {3, 0},    {-2, 0},
                              {4, 0.02}, {-3, 0.02}, {5, 0.04}, {-4, 0.04}, {6, 0.06}, {-5, 0.06}};
// The final note on the tonic, on the fifth or the sixth (the modes tunes
// in numbered notation end in).
constexpr double kFinalTonic = 0.03;
constexpr double kFinalOther = 0.01;

int TonicOf(int fifths) {
    return ((fifths * 7) % 12 + 12) % 12;
}

}  // namespace

int FindKey(const std::vector<KeyedPitch>& pitches) {
    if (pitches.empty()) return 0;
    std::array<double, 12> histogram{};
    for (const KeyedPitch& p : pitches)
        histogram[static_cast<size_t>((p.midi % 12 + 12) % 12)] += std::max(0.0, p.weight);
    double total = 0;
    for (double h : histogram) total += h;
    if (total <= 0) return 0;
    const int final = (pitches.back().midi % 12 + 12) % 12;
    int best = 0;
    double bestScore = -1e9;
    for (const KeyPrior& key : kKeys) {
        const int tonic = TonicOf(key.fifths);
        double fit = 0;
        for (size_t pc = 0; pc < 12; ++pc)
            fit += histogram[pc] * kDegreeFit[(pc + 12 - static_cast<size_t>(tonic)) % 12];
        double score = fit / total - key.cost;
        const int degree = (final - tonic + 12) % 12;
        if (degree == 0) score += kFinalTonic;
        if (degree == 7 || degree == 9) score += kFinalOther;
        if (score > bestScore) {
            bestScore = score;
            best = key.fifths;
        }
    }
    return best;
}

}  // namespace sorvel::listen
