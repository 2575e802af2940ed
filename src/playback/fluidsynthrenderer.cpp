// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/fluidsynthrenderer.h"

#include "playback/fluidsynthengine.h"

namespace sorvel {

std::unique_ptr<FluidSynthRenderer> FluidSynthRenderer::Create(const std::string& soundFont,
                                                               int sampleRate) {
    std::unique_ptr<FluidSynthRenderer> out(new FluidSynthRenderer);
    out->engine_ = FluidSynthEngine::Create(sampleRate);
    if (!out->engine_ || !out->engine_->LoadSoundFont(soundFont)) return nullptr;
    out->sampleRate_ = sampleRate;
    return out;
}

FluidSynthRenderer::~FluidSynthRenderer() = default;

void FluidSynthRenderer::ShortMessage(std::uint32_t message) {
    engine_->ShortMessage(message);
}

void FluidSynthRenderer::LongMessage(std::span<const std::uint8_t> bytes) {
    engine_->LongMessage(bytes);
}

void FluidSynthRenderer::Reset() {
    engine_->Reset();
}

void FluidSynthRenderer::Render(std::int16_t* interleaved, int frames) {
    fluid_synth_write_s16(engine_->Synth(), frames, interleaved, 0, 2, interleaved, 1, 2);
}

}  // namespace sorvel
