// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/practice/playalonginput.h"

#include <QAudioSource>
#include <QMediaDevices>
#include <algorithm>
#include <limits>

#include "editor/listening/audioinput.h"
#include "editor/listening/frmrecord.h"
#include "editor/platform/ownsettings.h"

namespace sorvel {
namespace {

// The device buffer asked for: short, so that a note's sound is in soon.
constexpr int kBufferMs = 20;

// The microphone through Qt Multimedia. Its blocks come on the window's
// thread; each is stamped when it is taken. The stream's start is the
// earliest of "time taken minus the samples so far": a block taken late only
// makes that later. The sound of a block is assumed to have been heard one
// device buffer before the block arrives (the sound server's own latency is
// not reported and is taken to be small beside it).
class MicrophoneInput : public PlayAlongInput {
public:
    MicrophoneInput(const QAudioDevice& device, const TimeSource& clock)
        : clock_(clock),
          format_(InputFormat(device)),
          buffer_(RecordingFormatOf(format_)),
          sink_(buffer_),
          source_(device, format_) {
        sink_.open(QIODevice::WriteOnly);
        source_.setBufferSize(format_.bytesForDuration(kBufferMs * 1000));
        source_.start(&sink_);
    }
    ~MicrophoneInput() override { source_.stop(); }
    bool Ok() const { return source_.error() == QAudio::NoError; }

    int Rate() const override { return format_.sampleRate(); }
    void Take(std::vector<float>& out) override {
        const std::int64_t now = clock_.NowMicros();
        const std::int64_t frames = buffer_.FramesReceived();
        const std::int64_t start =
            now - frames * 1'000'000 / std::max(Rate(), 1) - std::int64_t{kBufferMs} * 1000;
        start_ = std::min(start_, start);
        out = buffer_.TakeSamples();
    }
    std::int64_t StreamStart() const override {
        return start_ == std::numeric_limits<std::int64_t>::max() ? clock_.NowMicros() : start_;
    }

private:
    const TimeSource& clock_;
    QAudioFormat format_;
    RecordingBuffer buffer_;
    RecordingSink sink_;
    QAudioSource source_;
    std::int64_t start_ = std::numeric_limits<std::int64_t>::max();
};

}  // namespace

PlayAlongInputs PlayAlongInputs::Microphone(std::string settingsPath) {
    PlayAlongInputs inputs;
    inputs.available = [] { return !QMediaDevices::audioInputs().isEmpty(); };
    inputs.open = [path = std::move(settingsPath)](
                      const TimeSource& clock) -> std::unique_ptr<PlayAlongInput> {
        const QAudioDevice device = InputDeviceById(
            QByteArray::fromStdString(setting::kInputDevice.Read(path).value_or(std::string())));
        if (device.isNull()) return nullptr;
        auto input = std::make_unique<MicrophoneInput>(device, clock);
        if (!input->Ok()) return nullptr;
        return input;
    };
    return inputs;
}

}  // namespace sorvel
