// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Device 0, the built-in synthesizer: FluidSynth with the General MIDI SoundFont,
// heard through the desktop's audio server. The synthesizer and its SoundFont
// stay loaded; the audio stream runs only while there is something to hear
// (AudioStreamKeeper), so an idle editor costs no processor time.
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "playback/audiostreamkeeper.h"
#include "playback/midiout.h"
#include "playback/pulseaudiostream.h"
#include "playback/timesource.h"

struct _fluid_audio_driver_t;

namespace sorvel {

class FluidSynthEngine;

// The General MIDI SoundFont: FluidR3 when installed, else the system default;
// empty when there is none.
std::string DefaultSoundFont();

class FluidSynthOut final : public MidiOut {
public:
    // Tries a PulseAudio stream (also PipeWire's), then FluidSynth's PipeWire,
    // ALSA and JACK drivers; nullptr when none works or the SoundFont does not
    // load.
    static std::unique_ptr<FluidSynthOut> Open(const std::string& soundFont);
    ~FluidSynthOut() override;

    void ShortMessage(std::uint32_t message) override;
    void LongMessage(std::span<const std::uint8_t> bytes) override;
    void Reset() override;
    bool Wake() override;
    void HoldAwake(bool on) override;
    std::int64_t SoundDelayMicros() const override;

private:
    FluidSynthOut() = default;
    // The keeper's stream: the driver that worked before, else the first of
    // the list that works.
    bool OpenAudio();
    bool OpenPulseAudio();
    void CloseAudio();
    // Runs the keeper's check a few times a second while the stream is open,
    // and sleeps while it is closed.
    void WatchStream();
    static int Render(void* self, int length, int nfx, float* fx[], int nout, float* out[]);

    std::unique_ptr<FluidSynthEngine> engine_;
    std::unique_ptr<PulseAudioStream> pulse_;
    _fluid_audio_driver_t* audio_ = nullptr;  // a driver of FluidSynth's
    std::string driver_;                      // the audio driver that worked
    SteadyTimeSource clock_;
    std::unique_ptr<AudioStreamKeeper> keeper_;
    // When the next sample of our PulseAudio stream plays (steady clock), 0
    // while it is not open; the delay of FluidSynth's own driver otherwise.
    std::atomic<std::int64_t> nextSampleMicros_{0};
    std::atomic<std::int64_t> driverDelayMicros_{0};

    std::mutex watchMutex_;
    std::condition_variable watchWake_;
    bool streamOpen_ = false;
    bool quit_ = false;
    std::thread watcher_;
};

}  // namespace sorvel
