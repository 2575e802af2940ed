// SPDX-License-Identifier: GPL-3.0-or-later
// The tuner window on a machine without any input device: it says so, shows
// no reading, and the main window stays usable; its reference pitch is an
// option of its own, kept in the settings file.
#include <QAudioDevice>
#include <QComboBox>
#include <QLabel>
#include <QMediaDevices>
#include <QSpinBox>
#include <QtTest>

#include "editor/platform/ownsettings.h"
#include "editor/practice/frmtuner.h"
#include "mainwindowfixture.h"
#include "model/musicbook.h"
#include "model/preferencesfile.h"

using namespace sorvel;

class TunerWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        // No sound server to reach: no input device at all.
        qputenv("PULSE_SERVER", "unix:/nonexistent/sorvel-test");
        if (!QMediaDevices::audioInputs().isEmpty()) QSKIP("this machine has an input device");
    }

    void withoutAnInputDeviceTheTunerSaysSo() {
        MainWindowFixture f;
        f.window->show();
        f.window->Action("actTuner")->trigger();
        auto* tuner = f.window->findChild<TfrmTuner*>("frmTuner");
        QVERIFY(tuner && tuner->isVisible());
        QVERIFY(!tuner->IsListening());
        QVERIFY(!tuner->View().valid);
        QVERIFY(!tuner->findChild<QComboBox*>("cmbDevice")->isEnabled());
        QVERIFY(tuner->findChild<QLabel*>("lblState")
                    ->text()
                    .contains(QString::fromUtf8("入力デバイスがありません")));
        // Modeless: the book is still edited while it shows.
        QVERIFY(!QApplication::activeModalWidget());
        const int pages = f.window->Book().SheetCount();
        f.window->Action("actInsertPage_After")->trigger();
        QCOMPARE(f.window->Book().SheetCount(), pages + 1);
        // Shown again, it is the same window.
        tuner->close();
        f.window->Action("actTuner")->trigger();
        QCOMPARE(f.window->findChildren<TfrmTuner*>().size(), qsizetype(1));
    }

    void theReferencePitchIsKept() {
        MainWindowFixture f;
        const std::string settings = f.SettingsPath().toStdString();
        QCOMPARE(ReferencePitch(settings), 440);
        f.window->Action("actTuner")->trigger();
        auto* reference =
            f.window->findChild<TfrmTuner*>("frmTuner")->findChild<QSpinBox*>("edtReference");
        QCOMPARE(reference->value(), 440);
        reference->setValue(442);
        QCOMPARE(ReferencePitch(settings), 442);
        // Out of range in the file: held to the range the window offers.
        setting::kTunerReferenceA4.Write(settings, 1000);
        QCOMPARE(ReferencePitch(settings), TfrmTuner::kHighestReference);
        // Not a number (edited by hand): the default.
        WritePreferenceKey(settings, setting::kTunerReferenceA4.Section(),
                           setting::kTunerReferenceA4.Key(), "x");
        QCOMPARE(ReferencePitch(settings), 440);
    }
};

QTEST_MAIN(TunerWindowTest)
#include "tunerwindow_test.moc"
