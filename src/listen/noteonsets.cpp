// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/noteonsets.h"

#include <algorithm>
#include <cmath>

namespace sorvel::listen {
namespace {

constexpr int kPeakReach = 4;          // frames either side a peak must top
constexpr float kPeakStrength = 3.0f;  // times the typical flux of the recording
constexpr int kLocalReach = 25;        // frames of context for the local mean
constexpr float kOverLocal = 1.6f;
constexpr int kRiseFrames = 3;       // the level rise is measured over 17 ms
constexpr float kRiseUnitDb = 2.0f;  // a rise of this much counts as much as the typical flux
constexpr int kFootReach = 14;       // frames an attack's rise may take
constexpr float kFootSlopeDb = 0.4f;
// Frames this close to the noise floor hold the hiss (or the silence before
// the recording starts), not the attack: a rise out of them begins where the
// note's sound first stands clear of them.
constexpr float kFootOverFloorDb = 10.0f;
constexpr int kSearchBefore = 14;  // an attack may precede the pitch change by 80 ms
constexpr int kSearchAfter = 8;

constexpr float kAttackRiseDb = 6.0f;  // an attack raises the level at least this much
constexpr float kFellDb = 3.0f;        // the fall before a new attack
constexpr int kAttackRiseFrames = 12;

// The level climbs into the peak: an attack, not the flux of a pitch step.
bool RisesInto(const PitchTrack& frames, int peak) {
    const int n = static_cast<int>(frames.size());
    float low = 1e9f, high = -1e9f;
    for (int t = std::max(0, peak - kAttackRiseFrames); t <= peak; ++t)
        low = std::min(low, frames[static_cast<std::size_t>(t)].levelDb);
    for (int t = peak; t <= std::min(n - 1, peak + 3); ++t)
        high = std::max(high, frames[static_cast<std::size_t>(t)].levelDb);
    return high - low >= kAttackRiseDb;
}

float Median(std::vector<float> v) {
    if (v.empty()) return 0;
    auto mid = v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2);
    std::nth_element(v.begin(), mid, v.end());
    return *mid;
}

}  // namespace

OnsetCurve FindOnsets(const PitchTrack& frames, float floorDb) {
    OnsetCurve c;
    const int n = static_cast<int>(frames.size());
    std::vector<float> sounding;
    for (const PitchFrame& f : frames)
        if (f.voiced) sounding.push_back(f.flux);
    const float typical = std::max(Median(std::move(sounding)), 1e-4f);
    c.strength.resize(frames.size());
    for (int i = 0; i < n; ++i) {
        // Levels below the floor are the hiss, or the silence before the
        // recording starts: the hiss setting in is no attack.
        const float rise = i >= kRiseFrames ? std::max(frames[i].levelDb, floorDb) -
                                                  std::max(frames[i - kRiseFrames].levelDb, floorDb)
                                            : 0;
        c.strength[i] = frames[i].flux / typical + std::max(0.0f, rise) / kRiseUnitDb;
    }
    c.peak.assign(frames.size(), false);
    double window = 0;
    for (int i = 0; i < std::min(n, kLocalReach); ++i) window += c.strength[i];
    for (int i = 0; i < n; ++i) {
        if (i + kLocalReach < n) window += c.strength[i + kLocalReach];
        if (i - kLocalReach - 1 >= 0) window -= c.strength[i - kLocalReach - 1];
        const float s = c.strength[i];
        if (s < kPeakStrength) continue;
        const int span = std::min(n - 1, i + kLocalReach) - std::max(0, i - kLocalReach) + 1;
        if (s < kOverLocal * static_cast<float>(window / span)) continue;
        bool top = true;
        for (int j = std::max(0, i - kPeakReach); j <= std::min(n - 1, i + kPeakReach) && top; ++j)
            top = j == i || c.strength[j] < s || (c.strength[j] == s && j > i);
        c.peak[i] = top;
    }
    return c;
}

int AttackNear(const PitchTrack& frames, const OnsetCurve& onsets, const NoteSpan& s, int after) {
    const int from = std::max({s.first - kSearchBefore, after + 1, 0});
    const int to =
        std::min({s.first + kSearchAfter, s.last, static_cast<int>(onsets.peak.size()) - 1});
    int best = -1;
    for (int i = from; i <= to; ++i) {
        if (!onsets.peak[static_cast<std::size_t>(i)] || !RisesInto(frames, i)) continue;
        if (best < 0 || onsets.strength[static_cast<std::size_t>(i)] >
                            onsets.strength[static_cast<std::size_t>(best)])
            best = i;
    }
    return best;
}

int FootOfAttack(const PitchTrack& frames, int peak, int after, float floorDb) {
    int t = peak;
    const int stop = std::max({peak - kFootReach, after + 1, 1});
    while (t > stop &&
           frames[static_cast<std::size_t>(t - 1)].levelDb >= floorDb + kFootOverFloorDb &&
           frames[static_cast<std::size_t>(t - 1)].levelDb <
               frames[static_cast<std::size_t>(t)].levelDb - kFootSlopeDb)
        --t;
    return t;
}

bool FellBefore(const PitchTrack& frames, int from, int foot) {
    const float base = frames[static_cast<std::size_t>(foot)].levelDb;
    for (int t = std::max(from, 0); t < foot; ++t)
        if (frames[static_cast<std::size_t>(t)].levelDb >= base + kFellDb) return true;
    return false;
}

}  // namespace sorvel::listen
