// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/audiolistener.h"

#include <algorithm>

#include "listen/heardnotes.h"

namespace sorvel::listen {

AudioListener::AudioListener(int sampleRate, int lagFrames)
    : rate_(std::max(sampleRate, 1)), resampler_(rate_, kAnalysisRate), tracker_(lagFrames) {}

void AudioListener::Push(const float* samples, std::size_t count) {
    if (finished_ || count == 0) return;
    level_.Add(samples, count);
    received_ += static_cast<std::int64_t>(count);
    resampled_.clear();
    resampler_.Push(samples, count, resampled_);
    peakBuffered_ =
        std::max(peakBuffered_, resampler_.Buffered() + resampled_.size() + tracker_.Buffered());
    tracker_.Push(resampled_.data(), resampled_.size(), frames_);
}

void AudioListener::Finish() {
    if (finished_) return;
    finished_ = true;
    resampled_.clear();
    resampler_.Finish(resampled_);
    tracker_.Push(resampled_.data(), resampled_.size(), frames_);
    tracker_.Finish(frames_);
}

double AudioListener::Seconds() const {
    return static_cast<double>(received_) / rate_;
}

HeardMelody AudioListener::Melody() const {
    HeardMelody melody = HearNotes(frames_, tracker_.Spectra(), Seconds());
    melody.peakDb = level_.PeakDb();
    melody.clippedSamples = static_cast<int>(std::min<std::int64_t>(level_.Clipped(), INT32_MAX));
    return melody;
}

}  // namespace sorvel::listen
