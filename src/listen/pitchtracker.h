// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Cuts a stream of samples at the analysis rate into overlapping frames,
// runs probabilistic YIN on each, keeps its spectrum and decodes the pitch
// track with PitchHmm.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "listen/framespectra.h"
#include "listen/pitchframe.h"
#include "listen/pitchhmm.h"
#include "listen/yinframe.h"

namespace sorvel::listen {

class PitchTracker {
public:
    // `lagFrames` as for PitchHmm: small for live listening, larger (a
    // smoother track) for a file.
    explicit PitchTracker(int lagFrames);

    // Takes samples at kAnalysisRate; appends the frames decided so far.
    void Push(const float* samples, std::size_t count, PitchTrack& out);
    // Ends the stream (silence follows) and appends the remaining frames.
    void Finish(PitchTrack& out);

    // The spectrum of every frame analysed so far (ahead of the decided
    // frames by the lag), in the order of the track.
    const FrameSpectra& Spectra() const { return spectra_; }

    std::size_t Buffered() const { return buffer_.size(); }
    std::int64_t SamplesPushed() const { return received_; }

private:
    void AnalyseReady(PitchTrack& out);

    YinAnalyser yin_;
    PitchHmm hmm_;
    YinFrame frame_;
    FrameSpectra spectra_;
    std::vector<float> buffer_;
    std::int64_t bufferStart_ = 0;  // stream index of buffer_[0]
    std::int64_t nextFrame_ = 0;
    std::int64_t received_ = 0;
};

}  // namespace sorvel::listen
