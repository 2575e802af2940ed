// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's word on recovery copies: once a copy cannot be written it
// says so in a label of the status bar that no passing message covers and no
// timer takes away, until a copy is written again or nothing is at risk.
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QStatusBar>
#include <QtTest>

#include "editor/platform/recoverycontroller.h"
#include "mainwindowfixture.h"
#include "model/itemfactory.h"
#include "model/musicsheet.h"
#include "model/note.h"

using namespace sorvel;

namespace {

void AddNote(TfrmMain& w) {
    w.Document().Edit("test", [&](Transaction&) {
        TNote* note = CreateItem<TNote>(*w.CurrentPage());
        note->SetContent("5");
        note->SetPosX(200);
        note->SetPosY(243);
    });
}

// A regular file where the recovery folder should be: nothing can be written
// below it, not even by root (whom a folder's mode would not stop).
void BlockFolder(const QString& folder) {
    QFile obstacle(folder);
    QVERIFY(obstacle.open(QIODevice::WriteOnly));
    obstacle.write("a file where the folder should be");
}

}  // namespace

class RecoveryStatusTest : public QObject {
    Q_OBJECT

    // One write of the window's recovery copy, done: its errno.
    static int WriteOnce(RecoveryController& recovery) {
        QSignalSpy written(&recovery, &RecoveryController::copyWritten);
        recovery.WriteNow();
        if (!written.wait(10'000)) return -1;
        return written.last().at(0).toInt();
    }

private Q_SLOTS:
    void failureStaysInViewUntilACopyIsWrittenAgain() {
        MainWindowFixture f;
        f.recovery = true;
        BlockFolder(f.RecoveryFolder());
        f.Start();
        TfrmMain& w = *f.window;
        auto* recovery = w.findChild<RecoveryController*>();
        QVERIFY(recovery);
        auto* label = w.statusBar()->findChild<QLabel*>("lblRecoveryFailure");
        QVERIFY(label);
        QVERIFY(label->isHidden());

        AddNote(w);
        QVERIFY(WriteOnce(*recovery) > 0);
        QVERIFY(!label->isHidden());
        QVERIFY(label->text().startsWith(QStringLiteral("復元用のコピーを書き込めません")));
        const QString failure = label->text();
        QCOMPARE(label->toolTip(), failure);  // whole, where the bar cuts the label short
        // What ends a passing message (its time, another message) leaves it.
        w.statusBar()->clearMessage();
        w.ShowStatus(QStringLiteral("別のお知らせ"));
        QVERIFY(!label->isHidden());
        QCOMPARE(label->text(), failure);
        QVERIFY(WriteOnce(*recovery) > 0);
        QVERIFY(!label->isHidden());

        // The obstacle is gone: the next copy is written and the words go.
        QVERIFY(QFile::remove(f.RecoveryFolder()));
        QCOMPARE(WriteOnce(*recovery), 0);
        QVERIFY(label->isHidden());
        QCOMPARE(w.statusBar()->currentMessage(), RecoveryController::WriteRecoveredText());
    }

    // Once the book has nothing unsaved, no copy is needed and none is missing.
    void failureGoesWhenNothingIsAtRisk() {
        MainWindowFixture f;
        f.recovery = true;
        BlockFolder(f.RecoveryFolder());
        f.Start();
        TfrmMain& w = *f.window;
        auto* recovery = w.findChild<RecoveryController*>();
        auto* label = w.statusBar()->findChild<QLabel*>("lblRecoveryFailure");
        QVERIFY(recovery && label);
        AddNote(w);
        QVERIFY(WriteOnce(*recovery) > 0);
        QVERIFY(!label->isHidden());
        w.Undo();
        QVERIFY(!w.IsModified());
        recovery->WriteNow();
        QVERIFY(label->isHidden());
    }
};

QTEST_MAIN(RecoveryStatusTest)
#include "recoverystatus_test.moc"
