// SPDX-License-Identifier: GPL-3.0-or-later
// The tuner window listening to a PulseAudio virtual source (remapped from
// the monitor of a null sink that tones are played into, on a private
// daemon): a D4 of 293.66 Hz reads "D4" to a cent, its degree follows the
// page's key, and the reading goes when the tone stops.
#include <spawn.h>
#include <sys/wait.h>
#include <QAudioDevice>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMediaDevices>
#include <QtTest>
#include <cmath>
#include <csignal>
#include <numbers>

#include "base/cp932.h"
#include "editor/document/editordocument.h"
#include "editor/document/transaction.h"
#include "editor/listening/frmrecord.h"
#include "editor/practice/frmtuner.h"
#include "mainwindowfixture.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "model/preferencesfile.h"
#include "testrecordings.h"

extern char** environ;

using namespace sorvel;
using namespace sorvel::testing;

namespace {

pid_t Spawn(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    return posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) == 0 ? pid : 0;
}

template <class F>
bool WaitFor(F done, int ms) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms) QTest::qWait(10);
    return done();
}

// A sine of `hz` for `seconds`, after half a second of silence (the idle
// virtual source starts late).
std::vector<float> Sine(double hz, double seconds) {
    std::vector<float> out(kRate / 2, 0.0f);
    for (int i = 0; i < static_cast<int>(seconds * kRate); ++i)
        out.push_back(static_cast<float>(0.3 * std::sin(2 * std::numbers::pi * hz * i / kRate)));
    return out;
}

}  // namespace

class PulseTunerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        const QString runtime = dir_.filePath("runtime");
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        socket_ = dir_.filePath("native");
        QFile script(dir_.filePath("null.pa"));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QString("load-module module-native-protocol-unix auth-anonymous=1 socket=%1\n"
                             "load-module module-null-sink sink_name=take\n"
                             "load-module module-remap-source master=take.monitor "
                             "source_name=virtmic\n")
                         .arg(socket_)
                         .toUtf8());
        script.close();
        qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
        daemon_ = Spawn({"pulseaudio", "-n", "-F", script.fileName().toStdString(),
                         "--daemonize=no", "--exit-idle-time=-1",
                         "--log-target=file:" + dir_.filePath("pulse.log").toStdString()});
        if (!daemon_ || !WaitFor([this] { return QFile::exists(socket_); }, 5000))
            QSKIP("no PulseAudio daemon could be started");
        qputenv("PULSE_SERVER", ("unix:" + socket_).toUtf8());
        QVERIFY(WaitFor(
            [] {
                for (const QAudioDevice& d : QMediaDevices::audioInputs())
                    if (d.id() == "virtmic") return true;
                return false;
            },
            5000));
    }

    void cleanupTestCase() {
        if (daemon_) {
            kill(daemon_, SIGKILL);
            waitpid(daemon_, nullptr, 0);
        }
    }

    void aD4ThroughTheVirtualSourceReadsD4ToACent() {
        MainWindowFixture f;
        WritePreferenceKey(f.SettingsPath().toStdString(), kRecordingSection, kRecordingDeviceKey,
                           "virtmic");
        // A new window: the tuner reads the device chosen for recording.
        f.Start();
        f.window->Action("actTuner")->trigger();
        auto* tuner = f.window->findChild<TfrmTuner*>("frmTuner");
        QVERIFY(tuner && tuner->isVisible());
        QCOMPARE(tuner->findChild<QComboBox*>("cmbDevice")->currentData().toByteArray(),
                 QByteArray("virtmic"));
        QVERIFY(tuner->IsListening());
        // Nothing sounds yet: no reading.
        QTest::qWait(300);
        QVERIFY(!tuner->View().valid);

        const QString wav = dir_.filePath("d4.wav");
        QVERIFY(WriteWav(wav, Sine(293.66, 3.0)));
        const pid_t player = Spawn({"paplay", "--device=take", wav.toStdString()});
        QVERIFY(player);
        QVERIFY(WaitFor([&] { return tuner->View().valid; }, 3000));
        QTest::qWait(500);  // past the tone's first moments
        int readings = 0;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 1000) {
            QTest::qWait(25);
            const TunerView& view = tuner->View();
            QVERIFY(view.valid);
            QCOMPARE(QString::fromStdString(view.name), QString("D4"));
            QVERIFY2(std::fabs(view.cents) <= 1.0, qPrintable(QString::number(view.cents)));
            QCOMPARE(view.string, OpenString::Inner);
            ++readings;
        }
        QVERIFY(readings > 20);
        QVERIFY(tuner->findChild<QLabel*>("lblInnerString")->property("lit").toBool());
        QVERIFY(!tuner->findChild<QLabel*>("lblOuterString")->property("lit").toBool());
        // 1=D: D4 is the degree 1 without dots.
        QCOMPARE(tuner->View().degree, (ScaleDegree{1, 0, 0}));
        // The page turned to 1=G: D4 is 5 with a dot below.
        f.window->Document().Edit("key", [&](Transaction&) {
            f.window->CurrentPage()->SetKeyCode(cp932::FromUtf8("１＝Ｇ　（５２弦）"));
        });
        QVERIFY(WaitFor([&] { return tuner->View().degree == ScaleDegree{5, 0, -1}; }, 500));

        // The tone ends: within a moment no reading is left.
        bool played = false;
        QVERIFY(WaitFor(
            [&] { return played = played || waitpid(player, nullptr, WNOHANG) == player; }, 10000));
        QVERIFY(WaitFor([&] { return !tuner->View().valid; }, 1000));
        // Closing the window lets the microphone go.
        tuner->close();
        QVERIFY(!tuner->IsListening());
    }

    // Last: it ends the daemon. The device failing says so, and the window
    // stays usable.
    void aFailingDeviceIsSaidAndNothingIsShown() {
        MainWindowFixture f;
        WritePreferenceKey(f.SettingsPath().toStdString(), kRecordingSection, kRecordingDeviceKey,
                           "virtmic");
        f.Start();
        f.window->Action("actTuner")->trigger();
        auto* tuner = f.window->findChild<TfrmTuner*>("frmTuner");
        QVERIFY(tuner->IsListening());
        kill(daemon_, SIGKILL);
        waitpid(daemon_, nullptr, 0);
        daemon_ = 0;
        QVERIFY(WaitFor([&] { return !tuner->IsListening(); }, 5000));
        QVERIFY(!tuner->findChild<QLabel*>("lblState")->text().isEmpty());
        QVERIFY(!tuner->View().valid);
        QVERIFY(f.window->isEnabled());
    }

private:
    QTemporaryDir dir_;
    QString socket_;
    pid_t daemon_ = 0;
};

QTEST_MAIN(PulseTunerTest)
#include "pulsetuner_test.moc"
