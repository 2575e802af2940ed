// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Renders an offline play through the offline synthesizer into a WAV file
// (RIFF/WAVE PCM, 16-bit stereo): after every millisecond of the play exactly
// the samples of that millisecond, the fraction of a frame carried over, so
// that the length is exact. The file is built in memory, samples appended to
// it as they are rendered.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "playback/offline/offlinesink.h"

namespace sorvel {

class FluidSynthRenderer;

class WavRenderer final : public OfflineSink {
public:
    static constexpr int kSampleRate = 44100;
    static constexpr int kChannels = 2;
    // Sound after the play, for the releases and the reverb to die away.
    static constexpr int kTailMillis = 2000;

    // nullptr when the SoundFont does not load.
    static std::unique_ptr<WavRenderer> Create(const std::string& soundFont);
    ~WavRenderer() override;

    void ShortMessage(std::uint32_t message) override;
    void LongMessage(std::span<const std::uint8_t> bytes) override;
    void Reset() override;
    void OnStep(const OfflineStep& step) override;

    // Renders `millis` more milliseconds with no further messages.
    void RenderSilence(int millis);

    std::uint64_t Frames() const;
    // The WAV file: header, then the samples so far.
    const std::string& FileBytes();
    // Room for this many milliseconds of sound, so that rendering does not
    // reallocate.
    void Reserve(std::int64_t millis);

private:
    WavRenderer();
    void RenderMillisecond();

    std::unique_ptr<FluidSynthRenderer> synth_;
    std::string file_;  // the header (sizes written by FileBytes), then the samples
    std::array<std::int16_t, kChannels*(kSampleRate / 1000 + 1)> block_{};
    int frameRemainder_ = 0;  // thousandths of a frame owed
};

// Stops the synthesizer library from writing its own messages to standard
// error, for the rest of the process: a batch command reports failures itself,
// in one line.
void SilenceSynthesizerLog();

// The 44-byte header of a PCM WAV file holding `frames` frames of 16-bit
// samples; `frames` is cut to what the 32-bit sizes can count.
std::string WavHeader(std::uint64_t frames, int sampleRate, int channels);

}  // namespace sorvel
