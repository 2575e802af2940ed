// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A FluidSynth synthesizer with a General MIDI SoundFont that plays MIDI
// messages; shared by the live device and the offline renderer. Internal to the
// engine: only these two include it.
#include <fluidsynth.h>

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace sorvel {

class FluidSynthEngine {
public:
    // A synthesizer at `sampleRate`; nullptr when FluidSynth cannot make one.
    // `configure` may set further settings before the synthesizer is created.
    static std::unique_ptr<FluidSynthEngine> Create(double sampleRate,
                                                    void (*configure)(fluid_settings_t*) = nullptr);
    ~FluidSynthEngine();
    FluidSynthEngine(const FluidSynthEngine&) = delete;
    FluidSynthEngine& operator=(const FluidSynthEngine&) = delete;

    bool LoadSoundFont(const std::string& path);

    void ShortMessage(std::uint32_t message);
    void LongMessage(std::span<const std::uint8_t> bytes);
    void Reset();

    fluid_settings_t* Settings() { return settings_; }
    fluid_synth_t* Synth() { return synth_; }

private:
    FluidSynthEngine() = default;
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
};

}  // namespace sorvel
