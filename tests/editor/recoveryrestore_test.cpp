// SPDX-License-Identifier: GPL-3.0-or-later
// Recovery copies left by an editor that has ended: offered newest first,
// restored or refused, kept for later from the question box, and set aside
// when the reader refuses them or their restore never finished.
#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <string>

#include "editor/platform/recoverycontroller.h"
#include "editor/platform/recoverystore.h"
#include "model/scorefile.h"
#include "model/workspace.h"

#include "recoveryfixture.h"

namespace sorvel {

class RecoveryRestoreTest : public QObject, protected RecoveryFixture {
    Q_OBJECT

private Q_SLOTS:
    void init() { SetUp(); }
    void cleanup() { TearDown(); }

    void crashedCopyIsOfferedAndRestored() {
        const RecoveryOwner dead = LeaveCrashCopy(77, "/home/u/erhu.svl", 1'700'000'000);
        auto c = MakeController();
        QStringList asked;
        c->SetAsk([&](QWidget*, const QString& text) {
            asked << text;
            return Answer::Restore;
        });
        const auto restore = c->OfferRestore(nullptr);
        QVERIFY(restore);
        QCOMPARE(restore->copyPath, StemOf(dead) + ".svl");
        QCOMPARE(restore->originalPath, std::string("/home/u/erhu.svl"));
        QCOMPARE(asked.size(), 1);
        QVERIFY(asked[0].startsWith(
            QStringLiteral("前回の終了時に保存されていない変更があります。\n復元しますか？")));
        QVERIFY(asked[0].contains(QStringLiteral("/home/u/erhu.svl")));
        QVERIFY(asked[0].contains(
            QDateTime::fromSecsSinceEpoch(1'700'000'000).toString("yyyy/MM/dd HH:mm:ss")));

        Workspace restored;
        ReadResult r = ReadScoreFile(restore->copyPath, restored.env);
        QCOMPARE(int(r.status), int(ReadStatus::Ok));
        QCOMPARE(SaveBookToFileBytes(*r.book), Saved());

        // The leftover becomes this editor's copy: still there if it crashes
        // before its next write, gone with its next save or clean exit.
        c->FinishRestore(*restore);
        QVERIFY(!Exists(StemOf(dead) + ".svl"));
        QVERIFY(!Exists(StemOf(dead) + ".info"));
        QCOMPARE(ReadBytes(c->Store().CopyPath()), Saved());
        QVERIFY(!c->OfferRestore(nullptr));
        QCOMPARE(asked.size(), 1);
        c->Discard();
        QVERIFY(Names(folder_).empty());
    }

    void refusedCopyIsRemoved() {
        LeaveCrashCopy(5, "/a.svl", 1000);
        auto c = MakeController();
        int questions = 0;
        c->SetAsk([&](QWidget*, const QString&) {
            ++questions;
            return Answer::Discard;
        });
        QVERIFY(!c->OfferRestore(nullptr));
        QCOMPARE(questions, 1);
        QVERIFY(Names(folder_).empty());
    }

    void newestCopyIsOfferedFirst() {
        const RecoveryOwner oldest = LeaveCrashCopy(1, "/old.svl", 100);
        const RecoveryOwner newest = LeaveCrashCopy(2, "/new.svl", 300);
        const RecoveryOwner middle = LeaveCrashCopy(3, "", 200);
        auto c = MakeController();
        QStringList asked;
        c->SetAsk([&](QWidget*, const QString& text) {
            asked << text;
            return asked.size() == 2 ? Answer::Restore
                                     : Answer::Discard;  // No to the first, Yes to the second
        });
        const auto restore = c->OfferRestore(nullptr);
        QCOMPARE(asked.size(), 2);
        QVERIFY(asked[0].contains("/new.svl"));
        QVERIFY(asked[1].contains(QStringLiteral("ファイル: 無題")));
        QVERIFY(restore);
        QCOMPARE(restore->copyPath, StemOf(middle) + ".svl");
        QCOMPARE(restore->originalPath, std::string(kUntitled));
        QVERIFY(!Exists(StemOf(newest) + ".svl"));  // refused
        // The one older than the chosen copy waits for the next start.
        QVERIFY(Exists(StemOf(oldest) + ".svl"));
        c->FinishRestore(*restore);
        c->SetAsk([](QWidget*, const QString&) { return Answer::Restore; });
        const auto next = c->OfferRestore(nullptr);
        QVERIFY(next);
        QCOMPARE(next->originalPath, std::string("/old.svl"));
    }

    // The real question box: Japanese Yes/No buttons, Yes restores.
    void messageBoxAsksInJapanese() {
        LeaveCrashCopy(9, "/box.svl", 1000);
        auto c = MakeController();
        QString buttons;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            poll.stop();
            for (QAbstractButton* b : box->buttons()) buttons += b->text() + "|";
            box->button(QMessageBox::Yes)->click();
        });
        poll.start(10);
        const auto restore = c->OfferRestore(nullptr);
        QVERIFY(restore);
        QCOMPARE(restore->originalPath, std::string("/box.svl"));
        QVERIFY(buttons.contains(QStringLiteral("はい(&Y)")));
        QVERIFY(buttons.contains(QStringLiteral("いいえ(&N)")));
    }

    // Esc, like closing the box, answers "later": the copy stays and is
    // offered again at the next start. Only No removes it.
    void escapeOrClosingKeepsTheCopyForLater() {
        const RecoveryOwner dead = LeaveCrashCopy(9, "/later.svl", 1000);
        const auto answerWith = [this](std::function<void(QMessageBox&)> answer) {
            auto c = MakeController();
            QTimer poll;
            connect(&poll, &QTimer::timeout, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box) return;
                poll.stop();
                answer(*box);
            });
            poll.start(10);
            return c->OfferRestore(nullptr).has_value();
        };
        QVERIFY(!answerWith([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); }));
        QVERIFY(Exists(StemOf(dead) + ".svl"));
        QVERIFY(!answerWith([](QMessageBox& box) { box.close(); }));
        QVERIFY(Exists(StemOf(dead) + ".svl"));
        QVERIFY(!answerWith([](QMessageBox& box) { box.button(QMessageBox::No)->click(); }));
        QVERIFY(!Exists(StemOf(dead) + ".svl"));
        QVERIFY(!Exists(StemOf(dead) + ".info"));
    }

    // A copy the reader refuses is set aside with its bytes, the user is told
    // once, and no later start offers it again.
    void copyTheReaderRefusesIsSetAsideOnce() {
        const RecoveryOwner dead{EndedProcessId(), 21};
        const std::string broken = std::string(kScoreHeader) + "\r\nclass TMusicSheet\r\n";
        QCOMPARE(RecoveryStore(folder_, dead).Write(broken, "/broken.svl", 1000), 0);
        auto c = MakeController();
        int questions = 0;
        c->SetAsk([&](QWidget*, const QString&) {
            ++questions;
            return Answer::Restore;
        });
        const auto restore = c->OfferRestore(nullptr);
        QVERIFY(restore);
        Workspace other;
        const ReadResult r = ReadScoreFile(restore->copyPath, other.env);
        QVERIFY(r.status != ReadStatus::Ok);
        c->RefuseRestore(nullptr, *restore, QString::fromStdString(r.message.Japanese()));

        const std::string kept = StemOf(dead) + ".refused.svl";
        QCOMPARE(ReadBytes(kept), broken);
        QVERIFY(!Exists(StemOf(dead) + ".svl"));
        QCOMPARE(informed_.size(), 1);
        QVERIFY(informed_[0].contains(QString::fromUtf8(kMsgMalformed)));
        QVERIFY(informed_[0].contains(QString::fromStdString(kept)));

        // The next start: nothing to ask, nothing to tell.
        auto next = MakeController();
        next->SetAsk([&](QWidget*, const QString&) {
            ++questions;
            return Answer::Restore;
        });
        QVERIFY(!next->OfferRestore(nullptr));
        QCOMPARE(questions, 1);
        QCOMPARE(informed_.size(), 1);
        QCOMPARE(ReadBytes(kept), broken);
    }

    // An editor that ends while reading the chosen copy (it crashed on it)
    // does not meet it again at every start: the next start sets it aside.
    void copyWhoseRestoreNeverFinishedIsSetAside() {
        const RecoveryOwner dead = LeaveCrashCopy(22, "/crashing.svl", 1000);
        int questions = 0;
        const auto ask = [&](QWidget*, const QString&) {
            ++questions;
            return Answer::Restore;
        };
        {
            auto c = MakeController(RecoveryOwner{EndedProcessId(), 1});
            c->SetAsk(ask);
            QVERIFY(c->OfferRestore(nullptr));
        }
        auto next = MakeController();
        next->SetAsk(ask);
        QVERIFY(!next->OfferRestore(nullptr));
        QCOMPARE(questions, 1);
        QCOMPARE(informed_.size(), 1);
        QCOMPARE(ReadBytes(StemOf(dead) + ".refused.svl"), Saved());
        QVERIFY(ReadBytes(StemOf(dead) + ".refused.info").ends_with("/crashing.svl"));
    }

    // Later keeps every copy not yet offered, and asks no more in this run.
    void laterKeepsTheRemainingCopiesForTheNextStart() {
        const RecoveryOwner first = LeaveCrashCopy(31, "/first.svl", 300);
        const RecoveryOwner second = LeaveCrashCopy(32, "/second.svl", 200);
        auto c = MakeController();
        int questions = 0;
        c->SetAsk([&](QWidget*, const QString&) {
            ++questions;
            return Answer::Later;
        });
        QVERIFY(!c->OfferRestore(nullptr));
        QVERIFY(!c->OfferRestore(nullptr));
        QCOMPARE(questions, 1);
        QVERIFY(Exists(StemOf(first) + ".svl"));
        QVERIFY(Exists(StemOf(second) + ".svl"));
        auto next = MakeController();
        next->SetAsk([](QWidget*, const QString&) { return Answer::Restore; });
        const auto restore = next->OfferRestore(nullptr);
        QVERIFY(restore);
        QCOMPARE(restore->originalPath, std::string("/first.svl"));
    }
};

}  // namespace sorvel

QTEST_MAIN(sorvel::RecoveryRestoreTest)
#include "recoveryrestore_test.moc"
