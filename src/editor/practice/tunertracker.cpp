// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/practice/tunertracker.h"

#include <algorithm>
#include <cmath>

namespace sorvel {
namespace {

constexpr std::size_t kQuick = TunerTracker::kRate * 50 / 1000;
constexpr std::size_t kWhole = TunerTracker::kRate * 300 / 1000;
constexpr std::size_t kKept = TunerTracker::kRate * 400 / 1000;
// A reading that far from the tone is another tone, vibrato or not.
constexpr double kNewNoteCents = 60;
// Quick readings within this spread make a steady tone, and one this far
// from it a move (a peg turned, a finger slid).
constexpr double kSteadySpread = 8;
constexpr double kMoveCents = 5;
constexpr std::size_t kSteadyReadings = 4;
constexpr std::size_t kHistory = 8;

double PitchOf(const listen::TunerReading& r) {
    return 100.0 * r.midi + r.cents;
}

}  // namespace

TunerTracker::TunerTracker(int inputRate, double a4Hz)
    : resampler_(inputRate, kRate), a4Hz_(a4Hz) {}

void TunerTracker::Push(const float* samples, std::size_t count) {
    const std::size_t before = recent_.size();
    resampler_.Push(samples, count, recent_);
    received_ += static_cast<std::int64_t>(recent_.size() - before);
    if (recent_.size() > 2 * kKept)
        recent_.erase(recent_.begin(), recent_.end() - static_cast<std::ptrdiff_t>(kKept));
}

bool TunerTracker::Changed(double pitch) const {
    const double away = std::fabs(pitch - shown_);
    if (away > kNewNoteCents) return true;
    if (history_.size() < kSteadyReadings) return false;
    const auto [low, high] = std::minmax_element(history_.begin(), history_.end());
    return *high - *low < kSteadySpread && away > kMoveCents;
}

listen::TunerReading TunerTracker::Read() {
    if (recent_.size() < kQuick) return {};
    const float* end = recent_.data() + recent_.size();
    const listen::TunerReading quick = listen::EstimateTone(end - kQuick, kQuick, kRate, a4Hz_);
    if (!quick.valid) {
        toneStart_ = -1;
        history_.clear();
        return quick;
    }
    const double pitch = PitchOf(quick);
    if (toneStart_ < 0 || Changed(pitch)) history_.clear();
    history_.push_back(pitch);
    if (history_.size() <= kSteadyReadings) {
        // A tone just begun or moved shows its quick readings; its whole
        // reading starts after them, clear of the sound before the move.
        toneStart_ = received_ - static_cast<std::int64_t>(kQuick);
        shown_ = pitch;
        return quick;
    }
    if (history_.size() > kHistory) history_.erase(history_.begin());
    const std::size_t span = std::min<std::size_t>(
        {static_cast<std::size_t>(received_ - toneStart_), kWhole, recent_.size()});
    const listen::TunerReading whole = listen::EstimateTone(end - span, span, kRate, a4Hz_);
    const listen::TunerReading& shown = whole.valid ? whole : quick;
    shown_ = PitchOf(shown);
    return shown;
}

}  // namespace sorvel
