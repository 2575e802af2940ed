// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/pitchtracker.h"

#include <algorithm>

namespace sorvel::listen {

// Frame k is centred on stream sample k × kHop, so half a frame of silence
// goes before the first sample.
PitchTracker::PitchTracker(int lagFrames)
    : hmm_(lagFrames), buffer_(kFrameSize / 2, 0.0f), bufferStart_(-kFrameSize / 2) {}

void PitchTracker::Push(const float* samples, std::size_t count, PitchTrack& out) {
    buffer_.insert(buffer_.end(), samples, samples + count);
    received_ += static_cast<std::int64_t>(count);
    AnalyseReady(out);
}

void PitchTracker::AnalyseReady(PitchTrack& out) {
    const std::int64_t end = bufferStart_ + static_cast<std::int64_t>(buffer_.size());
    while (nextFrame_ * kHop + kFrameSize / 2 <= end) {
        const std::int64_t start = nextFrame_ * kHop - kFrameSize / 2;
        yin_.Analyse(&buffer_[static_cast<std::size_t>(start - bufferStart_)], frame_);
        spectra_.Append(yin_.Amplitudes());
        hmm_.Push(frame_, static_cast<double>(nextFrame_) * kHopSeconds, out);
        ++nextFrame_;
    }
    const std::int64_t keepFrom = nextFrame_ * kHop - kFrameSize / 2;
    const std::int64_t drop = keepFrom - bufferStart_;
    if (drop > 0 && 2 * drop >= static_cast<std::int64_t>(buffer_.size())) {
        buffer_.erase(buffer_.begin(), buffer_.begin() + drop);
        bufferStart_ = keepFrom;
    }
}

void PitchTracker::Finish(PitchTrack& out) {
    // Frames up to the last sample, each filled out with silence.
    const std::int64_t lastFrame = (received_ + kHop - 1) / kHop;
    const std::int64_t end = lastFrame * kHop + kFrameSize / 2;
    const std::int64_t have = bufferStart_ + static_cast<std::int64_t>(buffer_.size());
    if (end > have) buffer_.insert(buffer_.end(), static_cast<std::size_t>(end - have), 0.0f);
    AnalyseReady(out);
    hmm_.Finish(out);
}

}  // namespace sorvel::listen
