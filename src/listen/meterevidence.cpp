// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/meterevidence.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace sorvel::listen {

double RhythmSimilarity(const std::vector<int>& places, int lag) {
    if (places.size() < 3 || lag <= 0) return 0;
    // The weight of each onset: the log of its span to the next onset.
    std::map<int, double> weight;
    for (size_t k = 0; k + 1 < places.size(); ++k)
        weight[places[k]] = std::log2(1.0 + (places[k + 1] - places[k]) / (kQuarter / 4.0));
    const int last = places[places.size() - 2];
    double same = 0, all = 0;
    for (const auto& [place, w] : weight) {
        if (place + lag > last) break;
        const auto other = weight.find(place + lag);
        all += w;
        if (other != weight.end()) same += std::min(w, other->second);
    }
    return all > 0 ? same / all : 0;
}

double LongNoteConcentration(const std::vector<int>& places, int bar) {
    if (places.size() < 3 || bar <= 0) return 0;
    std::vector<int> spans;
    for (size_t k = 0; k + 1 < places.size(); ++k) spans.push_back(places[k + 1] - places[k]);
    std::vector<int> sorted = spans;
    std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end());
    const int median = sorted[sorted.size() / 2];
    std::map<int, double> at;
    double all = 0;
    for (size_t k = 0; k < spans.size(); ++k) {
        if (spans[k] <= median) continue;
        const double w = spans[k];
        at[(places[k] % bar + bar) % bar] += w;
        all += w;
    }
    double most = 0;
    for (const auto& [place, w] : at) most = std::max(most, w);
    return all > 0 ? most / all : 0;
}

double CompoundFigures(const std::vector<int>& places, const std::vector<double>& sounding,
                       const MeterGrid& grid) {
    if (places.size() < 2 || sounding.size() != places.size() || !grid.Meter().Compound()) return 0;
    constexpr double kHeld = 0.6;  // of a quarter's span: a quarter note, not an eighth and a rest
    constexpr int kEighth = kQuarter / 2;
    constexpr int kGroup = 3 * kEighth;
    int figures = 0;
    for (size_t k = 0; k + 1 < places.size(); ++k) {
        const int span = places[k + 1] - places[k];
        const int at = ((places[k] % kGroup) + kGroup) % kGroup;
        const bool quarter = span == 2 * kEighth && sounding[k] >= kHeld * span;
        const bool longShort = at == 0 && quarter;
        const bool shortLong = at == kEighth && quarter;
        const bool divided = span % kEighth != 0;
        if (longShort || shortLong || divided) ++figures;
    }
    return static_cast<double>(figures) / static_cast<double>(places.size() - 1);
}

}  // namespace sorvel::listen
