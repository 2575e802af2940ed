// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/beatstrength.h"

#include <algorithm>
#include <cmath>

namespace sorvel::listen {
namespace {

constexpr double kBumpFrames = 1.5;  // the bump's standard deviation
constexpr int kBumpReach = 4;        // frames either side
constexpr double kLongNote = 0.4;    // seconds: notes this long accent fully

}  // namespace

double NoteAccent(const std::vector<HeardNote>& notes, size_t k) {
    const HeardNote& n = notes[k];
    const double next = k + 1 < notes.size() ? notes[k + 1].onset : n.offset;
    const double span = std::max(0.02, next - n.onset);
    // Longer notes stand on stronger beats: the accent grows with the square
    // root of the time to the next onset, capped where notes are long anyway.
    double accent = std::sqrt(std::min(span, 3 * kLongNote) / kLongNote);
    if (!n.attacked) accent *= 0.6;
    return std::clamp(accent, 0.2, 2.0);
}

std::vector<double> OnsetStrength(const std::vector<HeardNote>& notes, double seconds) {
    double end = seconds;
    for (const HeardNote& n : notes) end = std::max(end, n.offset);
    const size_t frames = static_cast<size_t>(std::ceil(end * kStrengthFramesPerSecond)) + 1;
    std::vector<double> strength(frames, 0.0);
    for (size_t k = 0; k < notes.size(); ++k) {
        const double centre = notes[k].onset * kStrengthFramesPerSecond;
        const double accent = NoteAccent(notes, k);
        const long first = static_cast<long>(std::floor(centre)) - kBumpReach;
        for (long f = std::max(0L, first); f <= first + 2 * kBumpReach + 1; ++f) {
            if (static_cast<size_t>(f) >= frames) break;
            const double d = (static_cast<double>(f) - centre) / kBumpFrames;
            strength[static_cast<size_t>(f)] += accent * std::exp(-0.5 * d * d);
        }
    }
    double sum = 0, sumSq = 0;
    for (double v : strength) {
        sum += v;
        sumSq += v * v;
    }
    const double mean = sum / static_cast<double>(frames);
    const double sd = std::sqrt(std::max(0.0, sumSq / static_cast<double>(frames) - mean * mean));
    if (sd > 0) {
        for (double& v : strength) v /= sd;
    }
    return strength;
}

}  // namespace sorvel::listen
