// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/listening/recordingbuffer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace sorvel {

int RecordingFormat::BytesPerFrame() const {
    int bytes = 2;
    switch (sample) {
        case RecordingSampleFormat::UInt8:
            bytes = 1;
            break;
        case RecordingSampleFormat::Int16:
            bytes = 2;
            break;
        case RecordingSampleFormat::Int32:
        case RecordingSampleFormat::Float:
            bytes = 4;
            break;
    }
    return bytes * std::max(channels, 1);
}

RecordingBuffer::RecordingBuffer(RecordingFormat format, std::int64_t skipFrames)
    : format_(format), skip_(std::max<std::int64_t>(skipFrames, 0)) {
    format_.channels = std::max(format_.channels, 1);
}

float RecordingBuffer::Sample(const unsigned char* at) const {
    switch (format_.sample) {
        case RecordingSampleFormat::UInt8:
            return (static_cast<int>(at[0]) - 128) / 128.0f;
        case RecordingSampleFormat::Int16: {
            std::int16_t v;
            std::memcpy(&v, at, sizeof v);
            return v / 32768.0f;
        }
        case RecordingSampleFormat::Int32: {
            std::int32_t v;
            std::memcpy(&v, at, sizeof v);
            return static_cast<float>(v / 2147483648.0);
        }
        case RecordingSampleFormat::Float: {
            float v;
            std::memcpy(&v, at, sizeof v);
            return std::isfinite(v) ? std::clamp(v, -1.0f, 1.0f) : 0.0f;
        }
    }
    return 0;
}

void RecordingBuffer::AddFrame(const unsigned char* frame) {
    const int width = format_.BytesPerFrame() / format_.channels;
    float sum = 0;
    for (int c = 0; c < format_.channels; ++c) {
        const float v = Sample(frame + c * width);
        peak_ = std::max(peak_, std::fabs(v));
        sum += v;
    }
    if (received_++ >= skip_) samples_.push_back(sum / format_.channels);
}

void RecordingBuffer::Append(const char* bytes, std::size_t count) {
    const auto* in = reinterpret_cast<const unsigned char*>(bytes);
    const std::size_t frame = static_cast<std::size_t>(format_.BytesPerFrame());
    if (!partial_.empty()) {
        const std::size_t take = std::min(frame - partial_.size(), count);
        partial_.insert(partial_.end(), in, in + take);
        in += take;
        count -= take;
        if (partial_.size() < frame) return;
        AddFrame(partial_.data());
        partial_.clear();
    }
    for (; count >= frame; in += frame, count -= frame) AddFrame(in);
    partial_.assign(in, in + count);
}

double RecordingBuffer::SecondsKept() const {
    return static_cast<double>(samples_.size()) / std::max(format_.rate, 1);
}

std::vector<float> RecordingBuffer::TakeSamples() {
    std::vector<float> taken;
    taken.swap(samples_);
    return taken;
}

float RecordingBuffer::TakePeak() {
    const float peak = peak_;
    peak_ = 0;
    return peak;
}

}  // namespace sorvel
