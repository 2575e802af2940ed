// SPDX-License-Identifier: GPL-3.0-or-later
// The tuner window listening to a PulseAudio virtual source (remapped from
// the monitor of a null sink that tones are played into, on a private
// daemon): a D4 of 293.66 Hz reads "D4" to a cent, its degree follows the
// page's key, and the reading goes when the tone stops.
#include <QAudioDevice>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMediaDevices>
#include <QtTest>
#include <cmath>
#include <numbers>

#include "base/cp932.h"
#include "editor/document/editordocument.h"
#include "editor/document/transaction.h"
#include "editor/listening/frmrecord.h"
#include "editor/platform/ownsettings.h"
#include "editor/practice/frmtuner.h"
#include "mainwindowfixture.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "privatepulse.h"
#include "testrecordings.h"

using namespace sorvel;
using namespace sorvel::testing;

namespace {

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
        if (!pulse_.Start(dir_)) QSKIP("no PulseAudio daemon could be started");
        QVERIFY(WaitFor(
            [] {
                for (const QAudioDevice& d : QMediaDevices::audioInputs())
                    if (d.id() == "virtmic") return true;
                return false;
            },
            5000));
    }

    void aD4ThroughTheVirtualSourceReadsD4ToACent() {
        MainWindowFixture f;
        setting::kInputDevice.Write(f.SettingsPath().toStdString(), "virtmic");
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
        setting::kInputDevice.Write(f.SettingsPath().toStdString(), "virtmic");
        f.Start();
        f.window->Action("actTuner")->trigger();
        auto* tuner = f.window->findChild<TfrmTuner*>("frmTuner");
        QVERIFY(tuner->IsListening());
        pulse_.Kill();
        QVERIFY(WaitFor([&] { return !tuner->IsListening(); }, 5000));
        QVERIFY(!tuner->findChild<QLabel*>("lblState")->text().isEmpty());
        QVERIFY(!tuner->View().valid);
        QVERIFY(f.window->isEnabled());
    }

private:
    QTemporaryDir dir_;
    PrivatePulse pulse_;
};

QTEST_MAIN(PulseTunerTest)
#include "pulsetuner_test.moc"
