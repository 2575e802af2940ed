// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pitch track's hidden Markov model (pYIN): pitch bins × voiced/unvoiced,
// decoded by Viterbi with a fixed lag, so frames come out a set time after
// they go in and memory stays bounded however long the recording.
#include <cstdint>
#include <vector>

#include "listen/pitchframe.h"
#include "listen/yinframe.h"

namespace sorvel::listen {

class PitchHmm {
public:
    // `lagFrames`: how many newer frames a frame's decision waits for.
    explicit PitchHmm(int lagFrames);

    // Adds the next frame (centred at `time`); appends decided frames to `out`.
    void Push(const YinFrame& frame, double time, PitchTrack& out);
    // Decides the frames still waiting.
    void Finish(PitchTrack& out);

    int Bins() const { return bins_; }

private:
    struct Slot {
        YinFrame frame;
        double time = 0;
        std::vector<std::uint16_t> back;  // best previous state of every state
    };

    void Step(const YinFrame& frame, Slot& slot);
    void Emit(int frames, PitchTrack& out);
    PitchFrame Decide(const Slot& slot, int state) const;
    int BinOf(float hz) const;
    double HzOfBin(int bin) const;

    int lag_;
    int batch_;
    int bins_;
    std::vector<float> transition_;  // log weight of a jump of -kReach … kReach bins
    std::vector<float> score_, next_, fromVoiced_, fromUnvoiced_;
    std::vector<std::uint16_t> fromVoicedState_, fromUnvoicedState_;
    std::vector<float> observed_;
    std::vector<Slot> ring_;
    std::int64_t first_ = 0;  // the oldest frame still waiting
    std::int64_t count_ = 0;  // frames pushed
};

}  // namespace sorvel::listen
