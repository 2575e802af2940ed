// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The synthesizer without an audio device: it plays the same MIDI messages as
// the live device and writes 16-bit stereo samples on request (WAV export).
#include <cstdint>
#include <memory>
#include <string>

#include "playback/midiout.h"

namespace sorvel {

class FluidSynthEngine;

class FluidSynthRenderer final : public MidiOut {
public:
    // nullptr when the synthesizer cannot be made or the SoundFont does not load.
    static std::unique_ptr<FluidSynthRenderer> Create(const std::string& soundFont,
                                                      int sampleRate = 44100);
    ~FluidSynthRenderer() override;

    void ShortMessage(std::uint32_t message) override;
    void LongMessage(std::span<const std::uint8_t> bytes) override;
    void Reset() override;

    // Writes `frames` frames of interleaved left/right samples.
    void Render(std::int16_t* interleaved, int frames);
    int SampleRate() const { return sampleRate_; }

private:
    FluidSynthRenderer() = default;
    std::unique_ptr<FluidSynthEngine> engine_;
    int sampleRate_ = 0;
};

}  // namespace sorvel
