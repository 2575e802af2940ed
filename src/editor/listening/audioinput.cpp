// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/listening/audioinput.h"

#include <QAudioSource>
#include <QComboBox>
#include <QMediaDevices>
#include <QPointer>

namespace sorvel {
namespace {

RecordingSampleFormat SampleFormatOf(QAudioFormat::SampleFormat format) {
    switch (format) {
        case QAudioFormat::UInt8:
            return RecordingSampleFormat::UInt8;
        case QAudioFormat::Int32:
            return RecordingSampleFormat::Int32;
        case QAudioFormat::Float:
            return RecordingSampleFormat::Float;
        default:
            return RecordingSampleFormat::Int16;
    }
}

}  // namespace

QAudioDevice InputDeviceById(const QByteArray& id) {
    for (const QAudioDevice& d : QMediaDevices::audioInputs())
        if (d.id() == id) return d;
    return QMediaDevices::defaultAudioInput();
}

bool FillInputDevices(QComboBox& box, const QByteArray& id) {
    box.clear();
    const QAudioDevice chosen = InputDeviceById(id);
    for (const QAudioDevice& device : QMediaDevices::audioInputs()) {
        box.addItem(device.description(), device.id());
        if (device.id() == chosen.id()) box.setCurrentIndex(box.count() - 1);
    }
    return box.count() > 0;
}

QAudioFormat InputFormat(const QAudioDevice& device) {
    QAudioFormat format = device.preferredFormat();
    if (format.sampleFormat() == QAudioFormat::Unknown) format.setSampleFormat(QAudioFormat::Int16);
    if (format.channelCount() < 1 || format.channelCount() > 2) format.setChannelCount(1);
    if (format.sampleRate() <= 0) format.setSampleRate(48000);
    return format;
}

RecordingFormat RecordingFormatOf(const QAudioFormat& format) {
    return {SampleFormatOf(format.sampleFormat()), format.channelCount(), format.sampleRate()};
}

void WatchInputErrors(QAudioSource& source, QObject& context, std::function<void()> fail) {
    QPointer<QAudioSource> watched(&source);
    QObject::connect(
        &source, &QAudioSource::stateChanged, &context,
        [watched, fail = std::move(fail)](QAudio::State) {
            if (watched && watched->error() != QAudio::NoError &&
                watched->error() != QAudio::UnderrunError)
                fail();
        },
        Qt::QueuedConnection);
}

}  // namespace sorvel
