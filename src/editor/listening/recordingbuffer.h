// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The samples of a take as the microphone delivers them: raw interleaved
// bytes in the device's format, mixed down to mono floats and kept whole,
// with the peak since the level meter last looked. No device needed.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace sorvel {

enum class RecordingSampleFormat { UInt8, Int16, Int32, Float };

struct RecordingFormat {
    RecordingSampleFormat sample = RecordingSampleFormat::Int16;
    int channels = 1;
    int rate = 48000;

    int BytesPerFrame() const;
};

class RecordingBuffer {
public:
    // `skipFrames`: the first frames of the stream are not kept (the
    // count-in, which the microphone may pick up from the headphones).
    explicit RecordingBuffer(RecordingFormat format, std::int64_t skipFrames = 0);

    // Takes the next bytes of the stream; a frame split across two calls is
    // completed by the next one.
    void Append(const char* bytes, std::size_t count);

    const std::vector<float>& Samples() const { return samples_; }
    // Hands the samples kept so far on and keeps none (a reader that only
    // looks at the latest sound, such as the tuner).
    std::vector<float> TakeSamples();
    const RecordingFormat& Format() const { return format_; }
    // Frames received so far, the skipped ones included.
    std::int64_t FramesReceived() const { return received_; }
    double SecondsKept() const;
    // The loudest absolute sample (any channel) since the last call, 0 … 1.
    float TakePeak();

private:
    float Sample(const unsigned char* at) const;
    void AddFrame(const unsigned char* frame);

    RecordingFormat format_;
    std::int64_t skip_;
    std::int64_t received_ = 0;
    std::vector<unsigned char> partial_;
    std::vector<float> samples_;
    float peak_ = 0;
};

}  // namespace sorvel
