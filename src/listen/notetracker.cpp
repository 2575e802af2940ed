// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/notetracker.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sorvel::listen {
namespace {

// Transition probabilities per frame (5.8 ms).
constexpr float kStart = 0.02f;       // silence → some attack
constexpr float kAttackStay = 0.85f;  // attacks last some 40 ms on average
constexpr float kAttackEnd = 0.005f;  // an attack that fades without a note
constexpr float kNoteEnd = 0.01f;     // stable → silence
constexpr float kNoteChange = 0.02f;  // stable → another note's attack
// Emission widths in semitones: a stable note holds its pitch within its
// vibrato; an attack (a scoop, a glide, the noise of the bow) may lie far off.
constexpr float kStableSigma = 0.3f;
constexpr float kAttackSigma = 1.2f;
constexpr float kOutlierShare = 0.05f;  // frames of a stable note off its pitch (octave slips)
constexpr float kOutlierDensity = 1.0f / 48;
constexpr float kTiny = 1e-6f;

int StateOfAttack(int k) {
    return 1 + 2 * k;
}
int StateOfNote(int k) {
    return 2 + 2 * k;
}

float Gauss(float d, float sigma) {
    return std::exp(-0.5f * d * d / (sigma * sigma)) /
           (sigma * std::sqrt(2.0f * std::numbers::pi_v<float>));
}

}  // namespace

NoteTracker::NoteTracker(int lowestMidi, int highestMidi)
    : lowest_(lowestMidi), notes_(std::clamp(highestMidi - lowestMidi + 1, 1, 127)) {}

float NoteTracker::StableLog(float d) const {
    return std::log((1 - kOutlierShare) * Gauss(d, kStableSigma) + kOutlierShare * kOutlierDensity);
}

float NoteTracker::AttackLog(float d) const {
    return std::log(Gauss(d, kAttackSigma) + kTiny);
}

void NoteTracker::Step(const NoteObservation& o, std::vector<float>& score,
                       unsigned char* back) const {
    const float voiced = std::log(std::clamp(o.voicing, kTiny, 1 - kTiny));
    const float silent = std::log(std::clamp(1 - o.voicing, kTiny, 1 - kTiny));
    // The two best stable states, so that "the best other note" is O(1).
    int best = -1, second = -1;
    for (int k = 0; k < notes_; ++k) {
        const float v = score[StateOfNote(k)];
        if (best < 0 || v > score[StateOfNote(best)]) {
            second = best;
            best = k;
        } else if (second < 0 || v > score[StateOfNote(second)]) {
            second = k;
        }
    }
    std::vector<float> next(score.size());
    // Silence.
    int from = 0;
    float top = score[0] + std::log(1 - kStart);
    for (int k = 0; k < notes_; ++k) {
        const float a = score[StateOfAttack(k)] + std::log(kAttackEnd);
        const float n = score[StateOfNote(k)] + std::log(kNoteEnd);
        if (a > top) top = a, from = StateOfAttack(k);
        if (n > top) top = n, from = StateOfNote(k);
    }
    next[0] = top + silent;
    back[0] = static_cast<unsigned char>(from);
    const float start = std::log(kStart / notes_);
    const float change = std::log(kNoteChange / std::max(notes_ - 1, 1));
    for (int k = 0; k < notes_; ++k) {
        const float d = o.pitch - static_cast<float>(lowest_ + k);
        const int other = k == best ? second : best;
        int af = 0;
        float at = score[0] + start;
        if (score[StateOfAttack(k)] + std::log(kAttackStay) > at)
            at = score[StateOfAttack(k)] + std::log(kAttackStay), af = StateOfAttack(k);
        if (other >= 0 && score[StateOfNote(other)] + change > at)
            at = score[StateOfNote(other)] + change, af = StateOfNote(other);
        next[StateOfAttack(k)] = at + voiced + AttackLog(d);
        back[StateOfAttack(k)] = static_cast<unsigned char>(af);
        const float fromAttack = score[StateOfAttack(k)] + std::log(1 - kAttackStay - kAttackEnd);
        const float stay = score[StateOfNote(k)] + std::log(1 - kNoteEnd - kNoteChange);
        next[StateOfNote(k)] = std::max(fromAttack, stay) + voiced + StableLog(d);
        back[StateOfNote(k)] =
            static_cast<unsigned char>(stay >= fromAttack ? StateOfNote(k) : StateOfAttack(k));
    }
    const float top2 = *std::max_element(next.begin(), next.end());
    for (std::size_t s = 0; s < next.size(); ++s) score[s] = next[s] - top2;
}

std::vector<NoteSpan> NoteTracker::Track(const std::vector<NoteObservation>& frames) const {
    if (frames.empty()) return {};
    const std::size_t states = static_cast<std::size_t>(1 + 2 * notes_);
    std::vector<float> score(states, -30.0f);
    score[0] = 0;  // a chunk starts in silence or, at a cost, mid-note
    std::vector<unsigned char> back(frames.size() * states);
    for (std::size_t t = 0; t < frames.size(); ++t) Step(frames[t], score, &back[t * states]);
    std::vector<int> path(frames.size());
    int state = static_cast<int>(std::max_element(score.begin(), score.end()) - score.begin());
    for (std::size_t t = frames.size(); t-- > 0;) {
        path[t] = state;
        state = back[t * states + static_cast<std::size_t>(state)];
    }
    return Spans(path);
}

// Runs of one semitone's attack and stable states become spans.
std::vector<NoteSpan> NoteTracker::Spans(const std::vector<int>& path) const {
    std::vector<NoteSpan> spans;
    for (int t = 0; t < static_cast<int>(path.size()); ++t) {
        const int s = path[static_cast<std::size_t>(t)];
        if (s == 0) continue;
        const int k = (s - 1) / 2;
        const bool attack = (s - 1) % 2 == 0;
        const bool continues = !spans.empty() && spans.back().last == t - 1 &&
                               spans.back().midi == lowest_ + k &&
                               !(attack && path[static_cast<std::size_t>(t - 1)] != s);
        if (!continues) spans.push_back({t, t, lowest_ + k, 0});
        spans.back().last = t;
        if (attack) ++spans.back().attackFrames;
    }
    return spans;
}

}  // namespace sorvel::listen
