// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/bowchanges.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

namespace sorvel::listen {
namespace {

constexpr int kSmoothFrames = 5;                                   // 29 ms
constexpr int kReachFrames = static_cast<int>(0.3 / kHopSeconds);  // context of a dip
// The note must have sounded this long on its own pitch before a bow change
// (its first frames may still hold the release of the note before), and
// the new stroke must sound as long after it.
constexpr int kSettleFrames = static_cast<int>(0.06 / kHopSeconds);
constexpr int kEdgeFrames = static_cast<int>(0.06 / kHopSeconds);
// A bow change lowers the level at least this much on both sides …
constexpr float kBowDipDb = 7.0f;
// … or the level and the level of the bright band (the high partials and the
// bow's noise) this much together, in the same place: a room's echo fills
// the gap between two strokes with the low partials more than with the high
// ones, which die away sooner, so the bright band shows a bow change the
// level alone hides; and the swell of a held note seldom lowers both at once.
constexpr float kJointDipDb = 12.0f;
// … and this much more than the note's usual swell and ebb: the upper
// quartile of its other dips (vibrato often swells the level with it).
constexpr float kStandOutDb = 3.0f;
constexpr double kSwellQuantile = 0.75;
constexpr float kCountedDipDb = 1.0f;  // shallower valleys are jitter, not swell
// The shortest stroke between two bow changes (quicker ones are a tremolo,
// heard as one note).
constexpr int kLeastStrokeFrames = static_cast<int>(0.12 / kHopSeconds);
// The bright band: above the low partials that carry most of a room's echo.
constexpr double kBrightLowHz = 2500;
constexpr double kBrightHighHz = 5000;

// How far the valley at `at` lies below the highest level on either side,
// each side searched no further than a lower frame: a ripple just after a
// deeper valley is measured against the ripple's own rise, not against the
// level of the note before that valley (its prominence).
float DepthAt(const std::vector<float>& e, int at, int settle) {
    const int n = static_cast<int>(e.size());
    const int from = std::max(settle, at - kReachFrames);
    const int to = std::min(n - 1, at + kReachFrames);
    if (from > at) return 0;
    const float here = e[static_cast<std::size_t>(at)];
    float before = here, after = here;
    for (int k = at - 1; k >= from && e[static_cast<std::size_t>(k)] >= here; --k)
        before = std::max(before, e[static_cast<std::size_t>(k)]);
    for (int k = at + 1; k <= to && e[static_cast<std::size_t>(k)] >= here; ++k)
        after = std::max(after, e[static_cast<std::size_t>(k)]);
    return std::min(before, after) - here;
}

}  // namespace

std::vector<float> LevelEnvelope(const PitchTrack& frames, int first, int last) {
    std::vector<float> env;
    const int n = static_cast<int>(frames.size());
    for (int t = first; t <= last; ++t) {
        double power = 0;
        int count = 0;
        for (int k = t - kSmoothFrames / 2; k <= t + kSmoothFrames / 2; ++k) {
            if (k < 0 || k >= n) continue;
            power += std::pow(10.0, frames[static_cast<std::size_t>(k)].levelDb / 10.0);
            ++count;
        }
        env.push_back(static_cast<float>(10.0 * std::log10(power / std::max(count, 1) + 1e-12)));
    }
    return env;
}

// A valley is followed to the deepest frame of its dip (the frames lower than
// halfway back up), so that a release with an echo in it counts once.
std::vector<LevelDip> FindDips(const std::vector<float>& e, int settle) {
    std::vector<LevelDip> dips;
    const int n = static_cast<int>(e.size());
    int t = 1;
    while (t + 1 < n) {
        const std::size_t i = static_cast<std::size_t>(t);
        if (!(e[i] <= e[i - 1] && e[i] < e[i + 1])) {
            ++t;
            continue;
        }
        const float depth = DepthAt(e, t, settle);
        int deepest = t, end = t;
        while (end + 1 < n && e[static_cast<std::size_t>(end)] < e[i] + depth / 2) {
            ++end;
            if (e[static_cast<std::size_t>(end)] < e[static_cast<std::size_t>(deepest)])
                deepest = end;
        }
        dips.push_back({deepest, DepthAt(e, deepest, settle)});
        t = std::max(end, t + 1);
    }
    return dips;
}

namespace {

// The least depth of a bow change among a note's dips: the bow changes are
// the deepest k dips for the largest k whose shallowest is deep enough and
// clears the upper quartile of the remaining dips by a margin. (Comparing
// each dip with all the others would let two bow changes hide each other.)
float LeastBowChangeDepth(std::vector<float> depths, float leastDb) {
    std::sort(depths.begin(), depths.end(), std::greater<>());
    float least = std::numeric_limits<float>::infinity();
    const std::size_t n = depths.size();
    for (std::size_t k = 1; k <= n && depths[k - 1] >= leastDb; ++k) {
        // The quantile of the rest, depths[k …] (descending).
        float swell = 0;
        if (k < n) {
            const double below = kSwellQuantile * static_cast<double>(n - k - 1);
            swell = depths[n - 1 - static_cast<std::size_t>(below + 0.5)];
        }
        if (depths[k - 1] >= swell + kStandOutDb) least = depths[k - 1];
    }
    return least;
}

}  // namespace

namespace {

// Where a span's bow changes fall (indices into its envelope): its dips deep
// enough to be ones. Two within one stroke's least length are one change of
// bow heard twice (the release, then the new stroke's start): the quieter
// of them is where the bow stood still.
std::vector<int> BowChangeCuts(const std::vector<float>& env, const std::vector<LevelDip>& dips,
                               float least) {
    std::vector<int> cuts;
    for (const LevelDip& d : dips) {
        if (d.depth < least) continue;
        if (!cuts.empty() && d.at - cuts.back() < kLeastStrokeFrames) {
            if (env[static_cast<std::size_t>(d.at)] < env[static_cast<std::size_t>(cuts.back())])
                cuts.back() = d.at;
            continue;
        }
        cuts.push_back(d.at);
    }
    return cuts;
}

}  // namespace

namespace {

// A span's bow changes seen in one envelope of it (indices into the span):
// valleys at least `leastDb` deep that stand out from its other valleys.
std::vector<int> CutsIn(const std::vector<float>& env, float leastDb) {
    const int length = static_cast<int>(env.size());
    std::vector<LevelDip> inside;
    std::vector<float> depths;
    for (const LevelDip& d : FindDips(env, kSettleFrames)) {
        if (d.at < kSettleFrames || length - 1 - d.at < kEdgeFrames) continue;
        inside.push_back(d);
        if (d.depth >= kCountedDipDb) depths.push_back(d.depth);
    }
    return BowChangeCuts(env, inside, LeastBowChangeDepth(std::move(depths), leastDb));
}

// The level and the bright band's level of frames [first, last] added (dB).
std::vector<float> JointEnvelope(const PitchTrack& frames, const FrameSpectra& spectra, int first,
                                 int last) {
    std::vector<float> joint = LevelEnvelope(frames, first, last);
    const std::vector<float> bright = BrightEnvelope(spectra, first, last);
    for (std::size_t i = 0; i < joint.size(); ++i) joint[i] += bright[i];
    return joint;
}

// The cuts of the level, and those of the joint envelope where the level
// shows none within a stroke's length.
std::vector<int> JoinCuts(std::vector<int> cuts, const std::vector<int>& joint) {
    const std::size_t found = cuts.size();
    for (const int b : joint) {
        bool near = false;
        for (std::size_t i = 0; i < found && !near; ++i)
            near = std::abs(cuts[i] - b) < kLeastStrokeFrames;
        if (!near) cuts.push_back(b);
    }
    std::sort(cuts.begin(), cuts.end());
    return cuts;
}

}  // namespace

std::vector<float> BrightEnvelope(const FrameSpectra& spectra, int first, int last) {
    std::vector<float> env;
    for (int t = first; t <= last; ++t) {
        double power = 0;
        int count = 0;
        for (int k = t - kSmoothFrames / 2; k <= t + kSmoothFrames / 2; ++k) {
            if (k < 0 || k >= spectra.Frames()) continue;
            power += std::pow(10.0, spectra.BandDb(k, kBrightLowHz, kBrightHighHz) / 10.0);
            ++count;
        }
        env.push_back(static_cast<float>(10.0 * std::log10(power / std::max(count, 1) + 1e-12)));
    }
    return env;
}

void SplitAtBowChanges(const PitchTrack& frames, const FrameSpectra& spectra,
                       std::vector<NoteSpan>& spans) {
    std::vector<NoteSpan> out;
    for (NoteSpan span : spans) {
        std::vector<int> cuts = CutsIn(LevelEnvelope(frames, span.first, span.last), kBowDipDb);
        if (span.last < spectra.Frames())
            cuts = JoinCuts(
                std::move(cuts),
                CutsIn(JointEnvelope(frames, spectra, span.first, span.last), kJointDipDb));
        const int origin = span.first;
        for (const int cut : cuts) {
            NoteSpan before = span;
            before.last = origin + cut - 1;
            out.push_back(before);
            span.first = origin + cut;
            span.attackFrames = 0;
            span.bowChange = true;
        }
        out.push_back(span);
    }
    spans = std::move(out);
}

}  // namespace sorvel::listen
