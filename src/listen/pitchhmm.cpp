// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/pitchhmm.h"

#include <algorithm>
#include <cmath>

namespace sorvel::listen {
namespace {

constexpr int kBinsPerSemitone = 5;
constexpr int kReach = 25;  // the widest jump between two frames, in bins
constexpr float kStayVoicing = 0.99f;
constexpr float kFloor = 1e-9f;

}  // namespace

PitchHmm::PitchHmm(int lagFrames)
    : lag_(std::max(lagFrames, 1)),
      batch_(std::max(lagFrames / 2, 1)),
      bins_(
          static_cast<int>(std::ceil(12.0 * kBinsPerSemitone * std::log2(kHighestHz / kLowestHz))) +
          1) {
    float total = 0;
    for (int d = -kReach; d <= kReach; ++d) total += static_cast<float>(kReach + 1 - std::abs(d));
    for (int d = -kReach; d <= kReach; ++d)
        transition_.push_back(std::log(static_cast<float>(kReach + 1 - std::abs(d)) / total));
    const auto states = static_cast<std::size_t>(2 * bins_);
    score_.assign(states, 0.0f);
    next_.resize(states);
    fromVoiced_.resize(static_cast<std::size_t>(bins_));
    fromUnvoiced_.resize(static_cast<std::size_t>(bins_));
    fromVoicedState_.resize(static_cast<std::size_t>(bins_));
    fromUnvoicedState_.resize(static_cast<std::size_t>(bins_));
    observed_.resize(static_cast<std::size_t>(bins_));
    ring_.resize(static_cast<std::size_t>(lag_ + batch_));
    for (Slot& s : ring_) s.back.resize(states);
}

int PitchHmm::BinOf(float hz) const {
    const double bin = 12.0 * kBinsPerSemitone * std::log2(hz / kLowestHz);
    return std::clamp(static_cast<int>(std::lround(bin)), 0, bins_ - 1);
}

double PitchHmm::HzOfBin(int bin) const {
    return kLowestHz * std::exp2(bin / (12.0 * kBinsPerSemitone));
}

void PitchHmm::Push(const YinFrame& frame, double time, PitchTrack& out) {
    Slot& slot = ring_[static_cast<std::size_t>(count_ % static_cast<std::int64_t>(ring_.size()))];
    slot.frame = frame;
    slot.time = time;
    Step(frame, slot);
    ++count_;
    if (count_ - first_ >= static_cast<std::int64_t>(ring_.size())) Emit(batch_, out);
}

void PitchHmm::Finish(PitchTrack& out) {
    Emit(static_cast<int>(count_ - first_), out);
}

// One Viterbi step. Voiced states observe the candidates' mass in their bin,
// unvoiced states share what is left; both keep a pitch so that a voiced
// stretch after a pause starts near where the last one ended.
void PitchHmm::Step(const YinFrame& frame, Slot& slot) {
    std::fill(observed_.begin(), observed_.end(), 0.0f);
    for (int i = 0; i < frame.count; ++i)
        observed_[static_cast<std::size_t>(BinOf(frame.candidates[i].hz))] +=
            frame.candidates[i].prob;
    const float unvoiced = std::log(std::max(1.0f - frame.voicedProb, 0.0f) / bins_ + kFloor);
    const float stay = std::log(kStayVoicing), change = std::log(1.0f - kStayVoicing);
    for (int i = 0; i < bins_; ++i) {
        const float v = score_[static_cast<std::size_t>(i)];
        const float u = score_[static_cast<std::size_t>(bins_ + i)];
        const bool vv = v + stay >= u + change, uu = u + stay >= v + change;
        fromVoiced_[i] = vv ? v + stay : u + change;
        fromVoicedState_[i] = static_cast<std::uint16_t>(vv ? i : bins_ + i);
        fromUnvoiced_[i] = uu ? u + stay : v + change;
        fromUnvoicedState_[i] = static_cast<std::uint16_t>(uu ? bins_ + i : i);
    }
    float best = -1e30f;
    for (int j = 0; j < bins_; ++j) {
        const int lo = std::max(0, j - kReach), hi = std::min(bins_ - 1, j + kReach);
        float bv = -1e30f, bu = -1e30f;
        int sv = lo, su = lo;
        for (int i = lo; i <= hi; ++i) {
            const float t = transition_[static_cast<std::size_t>(i - j + kReach)];
            if (fromVoiced_[i] + t > bv) bv = fromVoiced_[i] + t, sv = i;
            if (fromUnvoiced_[i] + t > bu) bu = fromUnvoiced_[i] + t, su = i;
        }
        next_[j] = bv + std::log(observed_[j] + kFloor);
        next_[bins_ + j] = bu + unvoiced;
        slot.back[j] = fromVoicedState_[sv];
        slot.back[bins_ + j] = fromUnvoicedState_[su];
        best = std::max({best, next_[j], next_[bins_ + j]});
    }
    // Keeping the best at zero stops the scores drifting out of range.
    for (std::size_t s = 0; s < next_.size(); ++s) score_[s] = next_[s] - best;
}

// Traces the best path back from the newest frame and hands out the oldest
// `frames` waiting frames on it.
void PitchHmm::Emit(int frames, PitchTrack& out) {
    if (frames <= 0 || count_ == first_) return;
    const auto size = static_cast<std::int64_t>(ring_.size());
    std::vector<int> path(static_cast<std::size_t>(count_ - first_));
    int state = static_cast<int>(std::max_element(score_.begin(), score_.end()) - score_.begin());
    for (std::int64_t f = count_ - 1; f >= first_; --f) {
        path[static_cast<std::size_t>(f - first_)] = state;
        state = ring_[static_cast<std::size_t>(f % size)].back[static_cast<std::size_t>(state)];
    }
    for (int k = 0; k < frames; ++k)
        out.push_back(Decide(ring_[static_cast<std::size_t>((first_ + k) % size)],
                             path[static_cast<std::size_t>(k)]));
    first_ += frames;
}

// The frequency of a voiced frame is its candidate in the chosen bin (or
// next to it); the bin's centre stands in only when none is there.
PitchFrame PitchHmm::Decide(const Slot& slot, int state) const {
    PitchFrame f;
    f.time = slot.time;
    f.voicedProb = slot.frame.voicedProb;
    f.levelDb = slot.frame.levelDb;
    f.flux = slot.frame.flux;
    f.voiced = state < bins_;
    const int bin = f.voiced ? state : state - bins_;
    f.hz = static_cast<float>(HzOfBin(bin));
    int nearest = 3;
    for (int i = 0; i < slot.frame.count; ++i) {
        const int d = std::abs(BinOf(slot.frame.candidates[i].hz) - bin);
        if (d < nearest) nearest = d, f.hz = slot.frame.candidates[i].hz;
    }
    return f;
}

}  // namespace sorvel::listen
