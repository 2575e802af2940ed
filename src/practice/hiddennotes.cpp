// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/hiddennotes.h"

#include <algorithm>
#include <cmath>

#include "listen/pitchunits.h"

namespace sorvel::practice {
namespace {

// A frame plays the note when it lies this close to the written pitch at the
// take's tuning: room for a note played 45 cents off, not for the trough of
// a neighbour's vibrato a semitone away.
constexpr double kNearSemitones = 0.45;
// The run must be this long (about 35 ms): a glide passing through the
// pitch between two notes crosses it in a few frames.
constexpr int kLeastFrames = 6;

// The longest run of voiced frames within kNearSemitones of `target`
// between `from` and `to` seconds: its first and last frame, or {-1, -1}.
std::pair<int, int> LongestRunNear(const listen::PitchTrack& frames, double target, double from,
                                   double to) {
    std::pair<int, int> best{-1, -1};
    int start = -1;
    const int n = static_cast<int>(frames.size());
    for (int k = 0; k <= n; ++k) {
        const bool inside = k < n && frames[k].time >= from && frames[k].time <= to &&
                            frames[k].voiced && frames[k].hz > 0 &&
                            std::abs(listen::MidiOfHz(frames[k].hz) - target) <= kNearSemitones;
        if (inside && start < 0) start = k;
        if (!inside && start >= 0) {
            if (k - start > best.second - best.first + 1) best = {start, k - 1};
            start = -1;
        }
    }
    return best.first >= 0 && best.second - best.first + 1 >= kLeastFrames ? best
                                                                           : std::pair{-1, -1};
}

}  // namespace

void FindHiddenNotes(const std::vector<WrittenNote>& written, const std::vector<NoteMatch>& matches,
                     const std::vector<HeardPitch>& heard, const listen::PitchTrack& frames,
                     double offset, PlayedSpans& spans) {
    for (std::size_t i = 1; i + 1 < matches.size(); ++i) {
        const NoteMatch &before = matches[i - 1], &after = matches[i + 1];
        if (matches[i].Matched() || !before.Matched() || !after.Matched()) continue;
        if (after.first - before.last > 1 || !spans[i - 1] || !spans[i + 1]) continue;
        // A repeated note's run would be its neighbour's own sound.
        if (written[i].midi == written[i - 1].midi || written[i].midi == written[i + 1].midi)
            continue;
        const double from = heard[static_cast<std::size_t>(before.first)].onset;
        const double to = heard[static_cast<std::size_t>(after.last)].offset;
        const auto [a, b] = LongestRunNear(frames, written[i].midi + offset, from, to);
        if (a < 0) continue;
        const double start = frames[static_cast<std::size_t>(a)].time;
        const double end = frames[static_cast<std::size_t>(b)].time + listen::kHopSeconds;
        // The run must fall between the neighbours' own beginnings.
        if (start <= spans[i - 1]->first || end > spans[i + 1]->second) continue;
        spans[i] = {start, end};
        spans[i - 1]->second = std::min(spans[i - 1]->second, start);
        spans[i + 1]->first = std::max(spans[i + 1]->first, end);
    }
}

}  // namespace sorvel::practice
