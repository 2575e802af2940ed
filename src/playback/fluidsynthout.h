#pragma once
// Device 0, the built-in synthesizer: FluidSynth with the General MIDI SoundFont,
// heard through the desktop's audio server.
#include <memory>
#include <string>

#include "playback/midiout.h"

struct _fluid_audio_driver_t;

namespace sorvel {

class FluidSynthEngine;

// The General MIDI SoundFont: FluidR3 when installed, else the system default;
// empty when there is none.
std::string DefaultSoundFont();

class FluidSynthOut final : public MidiOut {
  public:
    // Tries the audio drivers PulseAudio (also PipeWire's), PipeWire, ALSA and
    // JACK in that order; nullptr when none works or the SoundFont does not load.
    static std::unique_ptr<FluidSynthOut> Open(const std::string& soundFont);
    ~FluidSynthOut() override;

    void ShortMessage(std::uint32_t message) override;
    void LongMessage(std::span<const std::uint8_t> bytes) override;
    void Reset() override;

  private:
    FluidSynthOut() = default;
    std::unique_ptr<FluidSynthEngine> engine_;
    _fluid_audio_driver_t* audio_ = nullptr;
};

}  // namespace sorvel
