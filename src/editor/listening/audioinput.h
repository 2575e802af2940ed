// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The microphone as the record dialog and the tuner open it: the chosen
// input device, a format the take's buffer reads, and the device that writes
// every block the input delivers into that buffer.
#include <QAudioDevice>
#include <QAudioFormat>
#include <QByteArray>
#include <QIODevice>
#include <functional>

#include "editor/listening/recordingbuffer.h"

class QAudioSource;
class QComboBox;

namespace sorvel {

// The input device with `id`, else the system's default input (a null
// device when there is no input at all).
QAudioDevice InputDeviceById(const QByteArray& id);

// Lists the input devices (their descriptions, their ids as data) and
// chooses the one with `id`, else the default; false when there is none.
bool FillInputDevices(QComboBox& box, const QByteArray& id);

// The device's own format, with mono or stereo samples of a kind the buffer
// reads.
QAudioFormat InputFormat(const QAudioDevice& device);
RecordingFormat RecordingFormatOf(const QAudioFormat& format);

// Calls `fail` on `context`'s thread, after the source's signal has returned
// (so the source may be released there), when the source reports an error
// other than an underrun; nothing once the source is gone.
void WatchInputErrors(QAudioSource& source, QObject& context, std::function<void()> fail);

// Where QAudioSource writes: straight into the buffer.
class RecordingSink : public QIODevice {
public:
    explicit RecordingSink(RecordingBuffer& buffer) : buffer_(buffer) {}
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        buffer_.Append(data, static_cast<std::size_t>(size));
        return size;
    }

private:
    RecordingBuffer& buffer_;
};

}  // namespace sorvel
