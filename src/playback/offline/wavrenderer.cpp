// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/offline/wavrenderer.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include <fluidsynth.h>

#include "playback/fluidsynthrenderer.h"

namespace sorvel {
namespace {

constexpr int kBytesPerSample = 2;
constexpr int kBytesPerFrame = WavRenderer::kChannels * kBytesPerSample;
constexpr std::size_t kHeaderBytes = 44;
// The RIFF sizes are 32-bit: the most sample bytes a file can hold.
constexpr std::uint64_t kMaxDataBytes =
    (0xFFFFFFFFull - (kHeaderBytes - 8)) / kBytesPerFrame * kBytesPerFrame;

void AppendLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::string WavHeader(std::uint64_t frames, int sampleRate, int channels) {
    const auto blockAlign = static_cast<std::uint32_t>(channels * kBytesPerSample);
    const std::uint64_t maxFrames = (0xFFFFFFFFull - (kHeaderBytes - 8)) / blockAlign;
    const auto dataBytes = static_cast<std::uint32_t>(std::min(frames, maxFrames) * blockAlign);
    std::string h = "RIFF";
    AppendLittleEndian(h, static_cast<std::uint32_t>(kHeaderBytes - 8) + dataBytes, 4);
    h += "WAVEfmt ";
    AppendLittleEndian(h, 16, 4);  // size of the format block
    AppendLittleEndian(h, 1, 2);   // PCM
    AppendLittleEndian(h, static_cast<std::uint32_t>(channels), 2);
    AppendLittleEndian(h, static_cast<std::uint32_t>(sampleRate), 4);
    AppendLittleEndian(h, static_cast<std::uint32_t>(sampleRate) * blockAlign, 4);
    AppendLittleEndian(h, blockAlign, 2);
    AppendLittleEndian(h, 8 * kBytesPerSample, 2);
    h += "data";
    AppendLittleEndian(h, dataBytes, 4);
    return h;
}

void SilenceSynthesizerLog() {
    for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level)
        fluid_set_log_function(level, nullptr, nullptr);
}

WavRenderer::WavRenderer() : file_(kHeaderBytes, '\0') {}

std::unique_ptr<WavRenderer> WavRenderer::Create(const std::string& soundFont) {
    std::unique_ptr<WavRenderer> out(new WavRenderer);
    out->synth_ = FluidSynthRenderer::Create(soundFont, kSampleRate);
    if (!out->synth_) return nullptr;
    return out;
}

WavRenderer::~WavRenderer() = default;

void WavRenderer::ShortMessage(std::uint32_t message) {
    synth_->ShortMessage(message);
}

void WavRenderer::LongMessage(std::span<const std::uint8_t> bytes) {
    synth_->LongMessage(bytes);
}

void WavRenderer::Reset() {
    synth_->Reset();
}

void WavRenderer::OnStep(const OfflineStep&) {
    RenderMillisecond();
}

void WavRenderer::RenderSilence(int millis) {
    for (int i = 0; i < millis; ++i) RenderMillisecond();
}

void WavRenderer::Reserve(std::int64_t millis) {
    const std::uint64_t bytes = static_cast<std::uint64_t>(std::max<std::int64_t>(millis, 0)) *
                                kSampleRate / 1000 * kBytesPerFrame;
    file_.reserve(kHeaderBytes + std::min(bytes + kBytesPerFrame, kMaxDataBytes));
}

std::uint64_t WavRenderer::Frames() const {
    return (file_.size() - kHeaderBytes) / kBytesPerFrame;
}

void WavRenderer::RenderMillisecond() {
    frameRemainder_ += kSampleRate;
    const int frames = frameRemainder_ / 1000;
    frameRemainder_ %= 1000;
    synth_->Render(block_.data(), frames);
    // Beyond what the 32-bit sizes can count the sound is cut off.
    if (file_.size() - kHeaderBytes + static_cast<std::uint64_t>(frames) * kBytesPerFrame >
        kMaxDataBytes)
        return;
    const std::size_t count = static_cast<std::size_t>(frames) * kChannels;
    if constexpr (std::endian::native == std::endian::little) {
        const std::size_t at = file_.size();
        file_.resize(at + count * kBytesPerSample);
        std::memcpy(file_.data() + at, block_.data(), count * kBytesPerSample);
    } else {
        for (std::size_t i = 0; i < count; ++i)
            AppendLittleEndian(file_, static_cast<std::uint16_t>(block_[i]), kBytesPerSample);
    }
}

const std::string& WavRenderer::FileBytes() {
    const std::string header = WavHeader(Frames(), kSampleRate, kChannels);
    file_.replace(0, kHeaderBytes, header);
    return file_;
}

}  // namespace sorvel
