// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Listens to a stream of mono sample blocks at any rate (a file being read,
// the microphone): resamples, tracks pitch frame by frame with a small
// delay, and at the end hears the notes of the whole take.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "listen/audiolevel.h"
#include "listen/audioresampler.h"
#include "listen/heardmelody.h"
#include "listen/pitchframe.h"
#include "listen/pitchtracker.h"

namespace sorvel::listen {

// Delays of the pitch decision: live listening shows a note's pitch within
// about 0.1 s; a file is decoded with more context.
inline constexpr int kLiveLagFrames = 8;
inline constexpr int kFileLagFrames = 200;

class AudioListener {
public:
    AudioListener(int sampleRate, int lagFrames = kLiveLagFrames);

    // Takes the next block of mono samples at the listener's rate.
    void Push(const float* samples, std::size_t count);
    // Ends the stream; no more blocks after this.
    void Finish();

    // The pitch track decided so far (grows with every block).
    const PitchTrack& Frames() const { return frames_; }
    double Seconds() const;
    const AudioLevel& Level() const { return level_; }
    // The most samples held at once inside (resampler and framer): bounded
    // however long the stream.
    std::size_t PeakBufferedSamples() const { return peakBuffered_; }

    // The notes of everything heard (call after Finish).
    HeardMelody Melody() const;

private:
    int rate_;
    AudioResampler resampler_;
    PitchTracker tracker_;
    AudioLevel level_;
    std::vector<float> resampled_;
    PitchTrack frames_;
    std::int64_t received_ = 0;
    std::size_t peakBuffered_ = 0;
    bool finished_ = false;
};

}  // namespace sorvel::listen
