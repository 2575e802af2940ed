#include "playback/fluidsynthout.h"

#include <filesystem>

#include "playback/fluidsynthengine.h"

namespace sorvel {

namespace {

constexpr const char* kSoundFonts[] = {
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",  // fluid-soundfont-gm
    "/usr/share/sounds/sf2/default-GM.sf2",  // whatever the system chose
};

// PipeWire serves the PulseAudio protocol too, so the pulseaudio driver covers
// both desktops; FluidSynth's own pipewire driver comes second where built in.
constexpr const char* kAudioDrivers[] = {"pulseaudio", "pipewire", "alsa", "jack"};

constexpr double kSampleRate = 44100.0;

void ConfigureLive(fluid_settings_t* settings) {
    fluid_settings_setint(settings, "audio.jack.autoconnect", 1);
    fluid_settings_setstr(settings, "audio.pulseaudio.media-role", "music");
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
    // The driver first: without an audio server there is no point in loading
    // a SoundFont of 140 MB.
    for (const char* driver : kAudioDrivers) {
        if (fluid_settings_setstr(out->engine_->Settings(), "audio.driver", driver) != FLUID_OK)
            continue;
        out->audio_ = new_fluid_audio_driver(out->engine_->Settings(), out->engine_->Synth());
        if (out->audio_) break;
    }
    if (!out->audio_ || !out->engine_->LoadSoundFont(soundFont)) return nullptr;
    return out;
}

FluidSynthOut::~FluidSynthOut() {
    // The driver calls into the synthesizer: it goes first.
    if (audio_) delete_fluid_audio_driver(audio_);
}

void FluidSynthOut::ShortMessage(std::uint32_t message) {
    engine_->ShortMessage(message);
}

void FluidSynthOut::LongMessage(std::span<const std::uint8_t> bytes) {
    engine_->LongMessage(bytes);
}

void FluidSynthOut::Reset() {
    engine_->Reset();
}

}  // namespace sorvel
