// SPDX-License-Identifier: GPL-3.0-or-later
// A take recorded through the record dialog from a PulseAudio virtual source
// (remapped from the monitor of a null sink that a melody is played into, on
// a private daemon) is transcribed as the same melody's file is.
#include <QAudioDevice>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMediaDevices>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

#include "editor/listening/frmrecord.h"
#include "editor/listening/transcribecommands.h"
#include "editor/platform/ownsettings.h"
#include "mainwindowfixture.h"
#include "privatepulse.h"
#include "testrecordings.h"

using namespace sorvel;
using namespace sorvel::testing;

namespace {

// Processes events until `done` or `ms` have passed.
}  // namespace

class PulseRecordingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        if (!pulse_.Start(dir_)) QSKIP("no PulseAudio daemon could be started");
    }

    void aTakeThroughAVirtualSourceComesOutAsItsFile() {
        const QString wav = dir_.filePath("scale.wav");
        // A second of silence before the melody: the virtual source of an idle
        // null sink starts to deliver only some hundred milliseconds after the
        // player starts, and the take must hold the whole melody to be
        // compared with the file.
        std::vector<float> melody(kRate, 0.0f);
        const std::vector<float> scale = RenderMelody(Scale());
        melody.insert(melody.end(), scale.begin(), scale.end());
        QVERIFY(WriteWav(wav, melody));
        MainWindowFixture fromFile;
        auto* fileCommands = fromFile.window->findChild<TranscribeCommands*>("TranscribeCommands");
        QVERIFY(fileCommands->TranscribePath(wav));
        const QString fileSummary = fromFile.window->statusBar()->currentMessage();

        const std::string settings = dir_.filePath("sorvelini").toStdString();
        setting::kInputDevice.Write(settings, "virtmic");
        QVERIFY(WaitFor(
            [] {
                for (const QAudioDevice& d : QMediaDevices::audioInputs())
                    if (d.id() == "virtmic") return true;
                return false;
            },
            5000));
        TfrmRecord dialog(settings, nullptr);
        QCOMPARE(dialog.findChild<QComboBox*>("cmbDevice")->currentData().toByteArray(),
                 QByteArray("virtmic"));
        dialog.StartRecording();
        QVERIFY(dialog.IsRecording());
        const pid_t player = Spawn({"paplay", "--device=take", wav.toStdString()});
        QVERIFY(player);
        // The take grows while it is played, and the meter sees it.
        QVERIFY(WaitFor([&] { return dialog.Buffer()->SecondsKept() > 1.0; }, 5000));
        QVERIFY(WaitFor([&] { return dialog.findChild<QProgressBar*>("pbLevel")->value() > 50; },
                        2000));
        bool played = false;
        QVERIFY(WaitFor(
            [&] { return played = played || waitpid(player, nullptr, WNOHANG) == player; }, 20000));
        QTest::qWait(500);
        dialog.StopRecording();
        const RecordedTake take = dialog.Take();
        QVERIFY(take.rate > 0);
        QVERIFY(take.samples.size() > static_cast<size_t>(take.rate) * 4);

        MainWindowFixture fromTake;
        auto* takeCommands = fromTake.window->findChild<TranscribeCommands*>("TranscribeCommands");
        QVERIFY2(takeCommands->TranscribeTake(take),
                 qPrintable(fromTake.dialogs.errors.join("\n")));
        QCOMPARE(CountNotes(fromTake.window->Book()), CountNotes(fromFile.window->Book()));
        QCOMPARE(fromTake.window->statusBar()->currentMessage(), fileSummary);
    }

    // Last: it ends the daemon. A device that fails mid-take keeps what was
    // recorded, and Stop still hands it on.
    void aFailingDeviceKeepsTheTakeSoFar() {
        const std::string settings = dir_.filePath("sorvelini").toStdString();
        TfrmRecord dialog(settings, nullptr);
        QCOMPARE(dialog.findChild<QComboBox*>("cmbDevice")->currentData().toByteArray(),
                 QByteArray("virtmic"));
        dialog.StartRecording();
        QVERIFY(WaitFor([&] { return dialog.Buffer()->SecondsKept() > 0.5; }, 5000));
        pulse_.Kill();
        QVERIFY(WaitFor([&] { return !dialog.IsRecording(); }, 5000));
        QVERIFY(dialog.findChild<QLabel*>("lblState")
                    ->text()
                    .contains(QString::fromUtf8("録音できませんでした")));
        auto* stop = dialog.findChild<QPushButton*>("btnStop");
        QVERIFY(stop->isEnabled());
        stop->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(dialog.Take().samples.size() > static_cast<size_t>(dialog.Take().rate) / 2);
    }

private:
    QTemporaryDir dir_;
    PrivatePulse pulse_;
};

QTEST_MAIN(PulseRecordingTest)
#include "pulserecording_test.moc"
