// SPDX-License-Identifier: GPL-3.0-or-later
// The intonation of one note from its pitch frames: the attack and release
// left out, the vibrato averaged over about one of its periods, the median of
// what remains.
#include <algorithm>
#include <cmath>
#include <vector>

#include "practice/takecheck.h"

namespace sorvel::practice {
namespace {

// A note's first and last moments are its attack and release: a glide into
// it, a bow change, the next note sounding in.
constexpr double kEdgeSeconds = 0.05;
constexpr double kEdgeShare = 0.15;
// … but a short note (a sixteenth) keeps at least its middle 40 %.
constexpr double kLargestEdgeShare = 0.3;
// Vibrato of 4–8 Hz is averaged over this window before the median.
constexpr double kVibratoWindow = 0.2;
// Fewer voiced frames than this give no reading.
constexpr int kFewestFrames = 6;
// Frames further than this from the note's median are another note (the
// last one still in the track after a legato change, the next one sounding
// in) or an octave slip of the pitch track, not its intonation. A vibrato's
// peaks stay inside; a neighbour a semitone away does not.
constexpr double kOutlierCents = 90;

double Median(std::vector<double> values) {
    const std::size_t mid = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(mid),
                     values.end());
    double m = values[mid];
    if (values.size() % 2 == 0) {
        m = (m +
             *std::max_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(mid))) /
            2;
    }
    return m;
}

// The cents of the voiced frames of the steady part, in time order.
std::vector<double> SteadyCents(std::span<const listen::PitchFrame> frames, int midi, double a4Hz) {
    std::vector<double> cents;
    if (frames.empty()) return cents;
    const double start = frames.front().time, end = frames.back().time;
    const double edge = std::min(std::max(kEdgeSeconds, (end - start) * kEdgeShare),
                                 (end - start) * kLargestEdgeShare);
    for (const listen::PitchFrame& f : frames) {
        if (!f.voiced || f.hz <= 0 || f.time < start + edge || f.time > end - edge) continue;
        cents.push_back((listen::MidiOfHz(f.hz, a4Hz) - midi) * 100.0);
    }
    return cents;
}

// Each value replaced by the mean of the window around it (shorter at the
// ends of a short note).
std::vector<double> Smoothed(const std::vector<double>& values) {
    const int half = static_cast<int>(kVibratoWindow / listen::kHopSeconds / 2);
    const int n = static_cast<int>(values.size());
    std::vector<double> prefix(values.size() + 1, 0.0);
    for (int i = 0; i < n; ++i) prefix[i + 1] = prefix[i] + values[i];
    std::vector<double> out(values.size());
    const int reach = std::min(half, (n - 1) / 2);
    for (int i = 0; i < n; ++i) {
        const int a = std::max(0, i - reach), b = std::min(n, i + reach + 1);
        out[i] = (prefix[b] - prefix[a]) / (b - a);
    }
    return out;
}

}  // namespace

std::optional<double> MeasureNoteCents(std::span<const listen::PitchFrame> frames, int midi,
                                       double a4Hz, std::optional<double> around) {
    std::vector<double> cents = SteadyCents(frames, midi, a4Hz);
    if (static_cast<int>(cents.size()) < kFewestFrames) return std::nullopt;
    const double centre = around ? *around : Median(cents);
    std::erase_if(cents, [centre](double c) { return std::abs(c - centre) > kOutlierCents; });
    if (static_cast<int>(cents.size()) < kFewestFrames) return std::nullopt;
    return Median(Smoothed(cents));
}

}  // namespace sorvel::practice
