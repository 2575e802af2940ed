// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Segments a pitch track into notes with a hidden Markov model over note
// states: silence, and an attack and a stable state for every semitone.
#include <vector>

namespace sorvel::listen {

struct NoteObservation {
    float pitch = 0;    // fractional MIDI number, tuning removed
    float voicing = 0;  // 0 … 1: how surely the frame sounds a pitch
};

// A run of frames on one semitone: [first, last] inclusive.
struct NoteSpan {
    int first = 0;
    int last = 0;
    int midi = 0;
    int attackFrames = 0;    // frames spent in the attack state
    bool bowChange = false;  // begins where a bow change split a held pitch
};

class NoteTracker {
public:
    NoteTracker(int lowestMidi, int highestMidi);

    // Decodes the most likely note sequence of `frames` (one chunk: the
    // memory taken grows with its length) with Viterbi.
    std::vector<NoteSpan> Track(const std::vector<NoteObservation>& frames) const;

private:
    float StableLog(float distance) const;
    float AttackLog(float distance) const;
    void Step(const NoteObservation& o, std::vector<float>& score, unsigned char* back) const;
    std::vector<NoteSpan> Spans(const std::vector<int>& path) const;

    int lowest_;
    int notes_;
};

}  // namespace sorvel::listen
