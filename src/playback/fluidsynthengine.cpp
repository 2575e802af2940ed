// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/fluidsynthengine.h"

#include "playback/midiout.h"

namespace sorvel {

std::unique_ptr<FluidSynthEngine> FluidSynthEngine::Create(double sampleRate,
                                                           void (*configure)(fluid_settings_t*)) {
    std::unique_ptr<FluidSynthEngine> engine(new FluidSynthEngine);
    engine->settings_ = new_fluid_settings();
    if (!engine->settings_) return nullptr;
    fluid_settings_setnum(engine->settings_, "synth.sample-rate", sampleRate);
    // Messages come from the timer thread and the GUI thread.
    fluid_settings_setint(engine->settings_, "synth.threadsafe-api", 1);
    // The synthesizer's default gain suits dense arrangements; a melody with
    // its metronome would come out about 28 dB below full scale.
    fluid_settings_setnum(engine->settings_, "synth.gain", 1.0);
    if (configure) configure(engine->settings_);
    engine->synth_ = new_fluid_synth(engine->settings_);
    if (!engine->synth_) return nullptr;
    return engine;
}

FluidSynthEngine::~FluidSynthEngine() {
    if (synth_) delete_fluid_synth(synth_);
    if (settings_) delete_fluid_settings(settings_);
}

bool FluidSynthEngine::LoadSoundFont(const std::string& path) {
    return !path.empty() && fluid_synth_sfload(synth_, path.c_str(), 1) != FLUID_FAILED;
}

void FluidSynthEngine::ShortMessage(std::uint32_t message) {
    const auto bytes = UnpackShortMessage(message);
    const int channel = bytes[0] & 0x0F;
    const int d1 = bytes[1] & 0x7F;
    const int d2 = bytes[2] & 0x7F;
    switch (bytes[0] & 0xF0) {
        case midi::kNoteOff:
            fluid_synth_noteoff(synth_, channel, d1);
            break;
        case midi::kNoteOn:  // velocity 0 is a note-off
            if (d2 == 0)
                fluid_synth_noteoff(synth_, channel, d1);
            else
                fluid_synth_noteon(synth_, channel, d1, d2);
            break;
        case midi::kKeyPressure:
            fluid_synth_key_pressure(synth_, channel, d1, d2);
            break;
        case midi::kControlChange:
            fluid_synth_cc(synth_, channel, d1, d2);
            break;
        case midi::kProgramChange:
            fluid_synth_program_change(synth_, channel, d1);
            break;
        case midi::kChannelPressure:
            fluid_synth_channel_pressure(synth_, channel, d1);
            break;
        case midi::kPitchBend:
            fluid_synth_pitch_bend(synth_, channel, d1 | (d2 << 7));
            break;
        default:
            break;
    }
}

void FluidSynthEngine::LongMessage(std::span<const std::uint8_t> bytes) {
    // FluidSynth takes the message without its F0 and F7.
    if (bytes.size() < 2 || bytes.front() != 0xF0) return;
    std::size_t length = bytes.size() - 1;
    if (bytes.back() == 0xF7) --length;
    fluid_synth_sysex(synth_, reinterpret_cast<const char*>(bytes.data() + 1),
                      static_cast<int>(length), nullptr, nullptr, nullptr, 0);
}

void FluidSynthEngine::Reset() {
    fluid_synth_all_notes_off(synth_, -1);
    for (int channel = 0; channel < 16; ++channel)
        fluid_synth_cc(synth_, channel, midi::kSustain, 0);
}

}  // namespace sorvel
