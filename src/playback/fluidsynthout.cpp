// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/fluidsynthout.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>

#include "playback/fluidsynthengine.h"

namespace sorvel {

namespace {

constexpr const char* kSoundFonts[] = {
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",  // fluid-soundfont-gm
    "/usr/share/sounds/sf2/default-GM.sf2",  // whatever the system chose
};

// The PulseAudio stream of our own comes first: PipeWire serves the same
// protocol, so it covers both desktops, and it hears from the server when the
// stream ends. FluidSynth's own drivers follow where there is no such server.
constexpr char kOwnPulseAudio[] = "pulseaudio";
constexpr const char* kAudioDrivers[] = {"pipewire", "alsa", "jack"};

constexpr double kSampleRate = 44100.0;
constexpr auto kStreamCheckPeriod = std::chrono::milliseconds(250);

void ConfigureLive(fluid_settings_t* settings) {
    fluid_settings_setint(settings, "audio.jack.autoconnect", 1);
}

// FluidSynth's own drivers queue their periods of audio.
std::int64_t DriverDelayMicros(fluid_settings_t* settings) {
    int size = 0, periods = 0;
    if (fluid_settings_getint(settings, "audio.period-size", &size) != FLUID_OK ||
        fluid_settings_getint(settings, "audio.periods", &periods) != FLUID_OK)
        return 0;
    return static_cast<std::int64_t>(std::llround(1e6 * size * periods / kSampleRate));
}

}  // namespace

std::string DefaultSoundFont() {
    std::error_code ec;
    for (const char* path : kSoundFonts)
        if (std::filesystem::exists(path, ec)) return path;
    return {};
}

std::unique_ptr<FluidSynthOut> FluidSynthOut::Open(const std::string& soundFont) {
    std::unique_ptr<FluidSynthOut> out(new FluidSynthOut);
    out->engine_ = FluidSynthEngine::Create(kSampleRate, ConfigureLive);
    if (!out->engine_) return nullptr;
    FluidSynthOut* self = out.get();
    out->keeper_ = std::make_unique<AudioStreamKeeper>(
        AudioStreamKeeper::Stream{
            [self] { return self->OpenAudio(); }, [self] { self->CloseAudio(); },
            [self] { return fluid_synth_get_active_voice_count(self->engine_->Synth()) > 0; }},
        out->clock_);
    out->watcher_ = std::thread([self] { self->WatchStream(); });
    // The stream first: without an audio server there is no point in loading
    // a SoundFont of 140 MB.
    if (!out->keeper_->Wake() || !out->engine_->LoadSoundFont(soundFont)) return nullptr;
    return out;
}

FluidSynthOut::~FluidSynthOut() {
    {
        const std::lock_guard lock(watchMutex_);
        quit_ = true;
    }
    watchWake_.notify_all();
    if (watcher_.joinable()) watcher_.join();
    // The driver calls into the synthesizer: it goes first.
    keeper_.reset();
}

// The driver hands its own buffers, and FluidSynth adds into what it is
// given: the buffers start silent, and reverb and chorus are mixed into the
// same stereo pair, as the driver's own rendering does.
int FluidSynthOut::Render(void* self, int length, int, float*[], int nout, float* out[]) {
    auto& synthOut = *static_cast<FluidSynthOut*>(self);
    for (int i = 0; i < nout; ++i) std::fill(out[i], out[i] + length, 0.0f);
    float* effects[4] = {};
    int effectCount = 0;
    if (nout >= 2) {
        effects[0] = effects[2] = out[0];
        effects[1] = effects[3] = out[1];
        effectCount = 4;
    }
    return fluid_synth_process(synthOut.engine_->Synth(), length, effectCount, effects, nout, out);
}

bool FluidSynthOut::OpenPulseAudio() {
    fluid_synth_t* synth = engine_->Synth();
    pulse_ = PulseAudioStream::Open(
        static_cast<int>(kSampleRate),
        // Reverb and chorus are mixed into the interleaved pair.
        [synth](float* out, int frames) {
            fluid_synth_write_float(synth, frames, out, 0, 2, out, 1, 2);
        },
        [this] { keeper_->ServerLost(); },
        [this](std::int64_t at) { nextSampleMicros_.store(at, std::memory_order_relaxed); });
    return pulse_ != nullptr;
}

bool FluidSynthOut::OpenAudio() {
    if ((driver_.empty() || driver_ == kOwnPulseAudio) && OpenPulseAudio()) {
        driver_ = kOwnPulseAudio;
    } else {
        fluid_settings_t* settings = engine_->Settings();
        for (const char* driver : kAudioDrivers) {
            if (!driver_.empty() && driver_ != driver) continue;
            if (fluid_settings_setstr(settings, "audio.driver", driver) != FLUID_OK) continue;
            audio_ = new_fluid_audio_driver2(settings, &FluidSynthOut::Render, this);
            if (audio_) {
                driver_ = driver;
                driverDelayMicros_.store(DriverDelayMicros(settings));
                break;
            }
        }
        if (!audio_) return false;
    }
    {
        const std::lock_guard lock(watchMutex_);
        streamOpen_ = true;
    }
    watchWake_.notify_all();
    return true;
}

void FluidSynthOut::CloseAudio() {
    pulse_.reset();
    nextSampleMicros_.store(0);
    driverDelayMicros_.store(0);
    delete_fluid_audio_driver(audio_);
    audio_ = nullptr;
    // Voices left by a lost stream would never finish without rendering.
    fluid_synth_all_sounds_off(engine_->Synth(), -1);
    const std::lock_guard lock(watchMutex_);
    streamOpen_ = false;
}

void FluidSynthOut::WatchStream() {
    std::unique_lock lock(watchMutex_);
    while (!quit_) {
        watchWake_.wait(lock, [this] { return quit_ || streamOpen_; });
        if (watchWake_.wait_for(lock, kStreamCheckPeriod, [this] { return quit_; })) break;
        lock.unlock();
        keeper_->Check();
        lock.lock();
    }
}

void FluidSynthOut::ShortMessage(std::uint32_t message) {
    keeper_->Touch();
    engine_->ShortMessage(message);
}

void FluidSynthOut::LongMessage(std::span<const std::uint8_t> bytes) {
    keeper_->Touch();
    engine_->LongMessage(bytes);
}

void FluidSynthOut::Reset() {
    engine_->Reset();
}

bool FluidSynthOut::Wake() {
    return keeper_->Wake();
}

void FluidSynthOut::HoldAwake(bool on) {
    keeper_->Hold(on);
}

std::int64_t FluidSynthOut::SoundDelayMicros() const {
    const std::int64_t next = nextSampleMicros_.load(std::memory_order_relaxed);
    if (next == 0) return driverDelayMicros_.load(std::memory_order_relaxed);
    const auto now = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    return std::max<std::int64_t>(next - now.count(), 0);
}

}  // namespace sorvel
