// SPDX-License-Identifier: GPL-3.0-or-later
// The record dialog's parts that need no device: the buffer that turns the
// device's blocks into a mono take (every format, frames split across
// blocks, the count-in left out, the meter's peak), the clicks of the
// count-in and metronome, and the dialog's stored options.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>
#include <limits>

#include "editor/listening/clicktrack.h"
#include "editor/listening/frmrecord.h"
#include "editor/listening/recordingbuffer.h"
#include "editor/platform/ownsettings.h"

using namespace sorvel;

namespace {

template <class T>
QByteArray Bytes(std::initializer_list<T> values) {
    QByteArray out;
    for (T v : values) out.append(reinterpret_cast<const char*>(&v), sizeof v);
    return out;
}

// Counts the samples of `clicks` that sound in each beat of `beats`.
std::vector<int> SoundingPerBeat(ClickTrack& clicks, const ClickPlan& plan, int beats) {
    const int beatFrames = static_cast<int>(60.0 / plan.tempo * plan.rate);
    std::vector<std::int16_t> samples(static_cast<size_t>(beatFrames) * beats);
    clicks.Fill(samples.data(), static_cast<std::int64_t>(samples.size()));
    std::vector<int> sounding(beats, 0);
    for (size_t i = 0; i < samples.size(); ++i) sounding[i / beatFrames] += samples[i] != 0;
    return sounding;
}

}  // namespace

class RecordingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everySampleFormatBecomesMono() {
        RecordingBuffer int16({RecordingSampleFormat::Int16, 2, 48000});
        const QByteArray a = Bytes<std::int16_t>({16384, -16384, 32767, 32767, -32768, 0});
        int16.Append(a.constData(), static_cast<size_t>(a.size()));
        QCOMPARE(int16.Samples(), (std::vector<float>{0.0f, 32767 / 32768.0f, -0.5f}));

        RecordingBuffer uint8({RecordingSampleFormat::UInt8, 1, 8000});
        const QByteArray b = Bytes<unsigned char>({128, 192, 0});
        uint8.Append(b.constData(), static_cast<size_t>(b.size()));
        QCOMPARE(uint8.Samples(), (std::vector<float>{0.0f, 0.5f, -1.0f}));

        RecordingBuffer int32({RecordingSampleFormat::Int32, 1, 48000});
        const QByteArray c = Bytes<std::int32_t>({1 << 30, -(1 << 29)});
        int32.Append(c.constData(), static_cast<size_t>(c.size()));
        QCOMPARE(int32.Samples(), (std::vector<float>{0.5f, -0.25f}));

        // Floats beyond full scale are clipped there; what is not a number
        // is silence, never a poisoned take.
        RecordingBuffer floats({RecordingSampleFormat::Float, 2, 44100});
        const QByteArray d =
            Bytes<float>({0.25f, 0.75f, 3.0f, 1.0f, std::numeric_limits<float>::quiet_NaN(), 0.5f});
        floats.Append(d.constData(), static_cast<size_t>(d.size()));
        QCOMPARE(floats.Samples(), (std::vector<float>{0.5f, 1.0f, 0.25f}));
    }

    void framesSplitAcrossBlocksAreKeptWhole() {
        const QByteArray bytes = Bytes<std::int16_t>({100, 200, 300, 400, 500, 600, 700, 800});
        RecordingBuffer whole({RecordingSampleFormat::Int16, 2, 48000});
        whole.Append(bytes.constData(), static_cast<size_t>(bytes.size()));
        for (int step = 1; step <= 7; ++step) {
            RecordingBuffer pieces({RecordingSampleFormat::Int16, 2, 48000});
            for (qsizetype at = 0; at < bytes.size(); at += step)
                pieces.Append(bytes.constData() + at,
                              static_cast<size_t>(std::min<qsizetype>(step, bytes.size() - at)));
            QCOMPARE(pieces.Samples(), whole.Samples());
        }
        QCOMPARE(whole.Samples().size(), size_t(4));
        QCOMPARE(whole.FramesReceived(), std::int64_t(4));
    }

    void theCountInIsLeftOutOfTheTake() {
        const ClickPlan plan{1000, 120, 4, false};
        QCOMPARE(plan.CountInFrames(), std::int64_t(2000));
        RecordingBuffer buffer({RecordingSampleFormat::Int16, 1, 1000}, plan.CountInFrames());
        QByteArray bytes;
        for (int i = 0; i < 2500; ++i) {
            const std::int16_t v = i < 2000 ? 1000 : 2000;
            bytes.append(reinterpret_cast<const char*>(&v), 2);
        }
        buffer.Append(bytes.constData(), static_cast<size_t>(bytes.size()));
        QCOMPARE(buffer.Samples().size(), size_t(500));
        QCOMPARE(buffer.Samples().front(), 2000 / 32768.0f);
        QCOMPARE(buffer.SecondsKept(), 0.5);
        QCOMPARE(buffer.FramesReceived(), std::int64_t(2500));
    }

    void theMeterSeesThePeakSinceItLastLooked() {
        RecordingBuffer buffer({RecordingSampleFormat::Int16, 2, 48000});
        const QByteArray loud = Bytes<std::int16_t>({0, -16384, 8192, 0});
        buffer.Append(loud.constData(), static_cast<size_t>(loud.size()));
        QCOMPARE(buffer.TakePeak(), 0.5f);  // either channel counts, not the mixdown
        QCOMPARE(buffer.TakePeak(), 0.0f);
    }

    void theCountInClicksAndTheMetronomeGoesOn() {
        const ClickPlan countInOnly{8000, 120, 2, false};
        ClickTrack a(countInOnly);
        const std::vector<int> first = SoundingPerBeat(a, countInOnly, 4);
        QVERIFY(first[0] > 0 && first[1] > 0);
        QCOMPARE(first[2], 0);
        QCOMPARE(first[3], 0);

        const ClickPlan withMetronome{8000, 120, 2, true};
        ClickTrack b(withMetronome);
        for (int sounding : SoundingPerBeat(b, withMetronome, 4)) QVERIFY(sounding > 0);

        // The audio output reads it like a file, in reads of any size.
        ClickTrack c(withMetronome);
        QVERIFY(c.open(QIODevice::ReadOnly));
        QByteArray read;
        for (int i = 0; i < 3; ++i) read += c.read(1001);
        ClickTrack d(withMetronome);
        std::vector<std::int16_t> filled(1502);
        d.Fill(filled.data(), static_cast<std::int64_t>(filled.size()));
        QCOMPARE(read, QByteArray(reinterpret_cast<const char*>(filled.data()), 3003));
    }

    void theDialogKeepsItsOptions() {
        QTemporaryDir dir;
        const std::string settings = dir.filePath("sorvelini").toStdString();
        {
            TfrmRecord dialog(settings, nullptr);
            auto* device = dialog.findChild<QComboBox*>("cmbDevice");
            auto* record = dialog.findChild<QPushButton*>("btnRecord");
            QVERIFY(device && record && dialog.findChild<QPushButton*>("btnStop"));
            QVERIFY(!dialog.findChild<QPushButton*>("btnStop")->isEnabled());
            // Without an input device there is nothing to record from, and
            // the dialog says so.
            QCOMPARE(record->isEnabled(), device->count() > 0);
            if (device->count() == 0)
                QVERIFY(!dialog.findChild<QLabel*>("lblState")->text().isEmpty());
            QVERIFY(!dialog.findChild<QSpinBox*>("edtCountIn")->isEnabled());
        }
        setting::kRecordingTempo.Write(settings, 96);
        setting::kRecordingCountIn.Write(settings, 1);
        setting::kRecordingCountInBeats.Write(settings, 3);
        setting::kRecordingMetronome.Write(settings, 1);
        TfrmRecord dialog(settings, nullptr);
        QCOMPARE(dialog.findChild<QSpinBox*>("edtTempo")->value(), 96);
        QVERIFY(dialog.findChild<QCheckBox*>("chkCountIn")->isChecked());
        QVERIFY(dialog.findChild<QSpinBox*>("edtCountIn")->isEnabled());
        QCOMPARE(dialog.findChild<QSpinBox*>("edtCountIn")->value(), 3);
        QVERIFY(dialog.findChild<QCheckBox*>("chkMetronome")->isChecked());
        QVERIFY(!dialog.IsRecording());
        QVERIFY(dialog.Take().samples.empty());
    }
};

QTEST_MAIN(RecordingTest)
#include "recording_test.moc"
