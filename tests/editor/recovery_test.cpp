// SPDX-License-Identifier: GPL-3.0-or-later
// Recovery copies as the store and the controller write them: the folder
// under the state directory, owners that still run or have ended, writes off
// the GUI thread while the book is modified, a running editor's copy left
// alone, failures reported and retried, and leftovers broken or not ours.
#include <sys/stat.h>
#include <unistd.h>

#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "editor/platform/recoverycontroller.h"
#include "editor/platform/recoverystore.h"
#include "model/musicbook.h"
#include "model/scorefile.h"
#include "model/workspace.h"

#include "recoveryfixture.h"

namespace sorvel {

namespace fs = std::filesystem;

class RecoveryTest : public QObject, protected RecoveryFixture {
    Q_OBJECT

private Q_SLOTS:
    void init() { SetUp(); }
    void cleanup() { TearDown(); }

    void folderFollowsTheStateDirectory() {
        QCOMPARE(RecoveryFolder({"/x/state", "/home/u"}), std::string("/x/state/sorvel/recovery"));
        // A relative XDG_STATE_HOME is invalid and falls back to the home folder.
        QCOMPARE(RecoveryFolder({"state", "/home/u"}),
                 std::string("/home/u/.local/state/sorvel/recovery"));
        QCOMPARE(RecoveryFolder({"", "/home/u"}),
                 std::string("/home/u/.local/state/sorvel/recovery"));
        QCOMPARE(RecoveryFolder({"", ""}), std::string());
        // Without a folder nothing is kept and nothing is found.
        RecoveryStore nowhere("", OwnerOfThisProcess());
        QVERIFY(nowhere.Write("x", "", 0) != 0);
        QVERIFY(nowhere.FindLeftovers().empty());
    }

    void ownersOfEndedProcessesAreNotRunning() {
        const RecoveryOwner self = OwnerOfThisProcess();
        QVERIFY(self.startTicks != 0);
        QVERIFY(OwnerIsRunning(self));
        QVERIFY(OwnerIsRunning(OwnerOfProcess(getppid())));
        QVERIFY(!OwnerIsRunning({EndedProcessId(), 0}));
        // The id of this process, but another process's start: a reused id.
        QVERIFY(!OwnerIsRunning({self.pid, self.startTicks + 1}));
        // A crashed editor whose parent has not yet collected it.
        const pid_t zombie = fork();
        if (zombie == 0) _exit(0);
        QTRY_VERIFY(!OwnerIsRunning(OwnerOfProcess(zombie)));
        waitpid(zombie, nullptr, 0);
        // Ids that would address process groups or cannot exist.
        QVERIFY(!OwnerIsRunning({0, 0}));
        QVERIFY(!OwnerIsRunning({-1, 0}));
        QVERIFY(!OwnerIsRunning({1L << 40, 0}));
    }

    void nothingIsWrittenWhileUnmodified() {
        auto c = MakeController();
        QSignalSpy spy(c.get(), &RecoveryController::copyWritten);
        c->WriteNow();
        QVERIFY(!spy.wait(200));
        QCOMPARE(serializeCalls_, 0);
        QVERIFY(!Exists(folder_));
    }

    void copyReadsBackAsTheSameBook() {
        auto c = MakeController();
        modified_ = true;
        WriteAndWait(*c);
        QCOMPARE(serializeCalls_, 1);
        QVERIFY(!serializedOffGuiThread_);
        const std::string copy = c->Store().CopyPath();
        QCOMPARE(ReadBytes(copy), Saved());
        Workspace other;
        ReadResult r = ReadScoreFile(copy, other.env);
        QCOMPARE(int(r.status), int(ReadStatus::Ok));
        QCOMPARE(SaveBookToFileBytes(*r.book), Saved());
        struct stat st;
        QCOMPARE(stat(folder_.c_str(), &st), 0);
        QCOMPARE(st.st_mode & 0777, 0700u);

        // The next write follows the book and its name; only the copy and its
        // side file are there.
        ws_.book->SetTitle("again");
        name_ = "/home/u/曲/新しい.svl";
        WriteAndWait(*c);
        QCOMPARE(ReadBytes(copy), Saved());
        const std::string stem = StemOf(c->Store().Owner());
        QVERIFY(ReadBytes(stem + ".info").ends_with("\n" + name_));
        QCOMPARE(Names(folder_).size(), size_t(2));

        // Once the book is no longer modified (saved elsewhere, reverted) the copy goes.
        modified_ = false;
        c->WriteNow();
        QTRY_VERIFY(!Exists(copy));
        QCOMPARE(serializeCalls_, 2);
    }

    void timerWritesWhileModified() {
        auto c = MakeController();
        modified_ = true;
        QSignalSpy spy(c.get(), &RecoveryController::copyWritten);
        c->SetInterval(20);
        c->Start();
        QTRY_VERIFY(spy.count() >= 2);
        QCOMPARE(ReadBytes(c->Store().CopyPath()), Saved());
    }

    void discardTouchesOnlyThisEditorsCopy() {
        // Another editor that still runs (its owner is this test's parent).
        const RecoveryOwner running = OwnerOfProcess(getppid());
        RecoveryStore other(folder_, running);
        QCOMPARE(other.Write("other", "/other.svl", 1), 0);
        auto c = MakeController();
        modified_ = true;
        WriteAndWait(*c);
        int questions = 0;
        c->SetAsk([&](QWidget*, const QString&) {
            ++questions;
            return Answer::Restore;
        });
        QVERIFY(!c->OfferRestore(nullptr));
        QCOMPARE(questions, 0);
        c->Discard();
        QVERIFY(!Exists(c->Store().CopyPath()));
        QCOMPARE(ReadBytes(other.CopyPath()), std::string("other"));
        // Nor can a store be made to discard or take over a running editor's copy.
        c->Store().Discard(running);
        QVERIFY(c->Store().Adopt(running) != 0);
        QCOMPARE(ReadBytes(other.CopyPath()), std::string("other"));
        QCOMPARE(Names(folder_).size(), size_t(2));
    }

    // A write handed over just before a save must not bring the copy back
    // after the save has removed it, nor leave a temporary file.
    void discardRightAfterAWriteLeavesNothing() {
        auto c = MakeController();
        modified_ = true;
        for (int i = 0; i < 30; ++i) {
            c->WriteNow();
            if (i % 3 == 0) QThread::usleep(200 * i);
            c->Discard();
            QVERIFY2(Names(folder_).empty(), std::to_string(i).c_str());
        }
        QTest::qWait(50);
        QVERIFY(Names(folder_).empty());
    }

    // Destroyed with a write running or waiting: no crash, and the folder holds
    // a whole copy or none.
    void destructionDuringAWriteLeavesAWholeCopyOrNone() {
        modified_ = true;
        for (int i = 0; i < 20; ++i) {
            auto c = MakeController();
            c->WriteNow();
            c->WriteNow();
            if (i % 2) QThread::usleep(100 * i);
            const std::string copy = c->Store().CopyPath();
            c.reset();
            for (const std::string& name : Names(folder_)) {
                QVERIFY2(name.find(".tmp-") == std::string::npos, name.c_str());
            }
            if (Exists(copy)) QCOMPARE(ReadBytes(copy), Saved());
        }
        QTest::qWait(20);  // reports still queued for destroyed controllers are dropped
    }

    void failedWriteIsReported() {
        WriteBytes(stateHome_ + "/sorvel", "a file where the folder should be");
        auto c = MakeController();
        modified_ = true;
        QSignalSpy spy(c.get(), &RecoveryController::copyWritten);
        c->WriteNow();
        QVERIFY(spy.wait(10'000));
        QVERIFY(spy.at(0).at(0).toInt() != 0);
        c->Discard();
    }

    void brokenLeftoversAreHandled() {
        const long dead = EndedProcessId();
        const auto stem = [&](int ticks) { return StemOf({dead, std::uint64_t(ticks)}); };
        const std::string score = Saved();
        QVERIFY(fs::create_directories(folder_));
        // Restorable copies with side files that tell nothing usable.
        WriteBytes(stem(1) + ".svl", score);
        WriteBytes(stem(1) + ".info", std::string("\x00\xff\x93garbage\n\n", 12));
        WriteBytes(stem(2) + ".svl", score);
        WriteBytes(stem(2) + ".info", "sorvel recovery 1\n5\n" + std::string(1 << 20, 'a'));
        WriteBytes(stem(3) + ".svl", score);
        WriteBytes(stem(3) + ".info", "sorvel recovery 1\n9223372036854775807\n/far.svl");
        WriteBytes(stem(4) + ".svl", score);
        fs::create_symlink("/dev/zero", stem(4) + ".info");
        WriteBytes(stem(5) + ".svl", score);
        WriteBytes(stem(5) + ".info", std::string("sorvel recovery 1\n5\n/a\0b", 24));
        WriteBytes(stem(6) + ".svl", score);
        WriteBytes(stem(6) + ".svl.tmp-" + std::to_string(dead) + "-0", score.substr(0, 9));
        // Copies that are not restorable score files.
        const std::string outside = stateHome_ + "/mine.svl";
        WriteBytes(outside, score);
        fs::create_symlink(outside, stem(7) + ".svl");
        fs::create_symlink("/dev/zero", stem(8) + ".svl");
        QCOMPARE(mkfifo((stem(9) + ".svl").c_str(), 0600), 0);
        fs::create_directories(stem(10) + ".svl/inside");
        WriteBytes(stem(11) + ".svl", "not a score at all");
        WriteBytes(stem(12) + ".svl", "");
        WriteBytes(stem(13) + ".info", "sorvel recovery 1\n5\n/lonely.svl");
        WriteBytes(stem(14) + ".info.tmp-1-2", "half");
        // Names that are not ours.
        const std::vector<std::string> foreign = {"notes.txt",
                                                  "0012-5.svl",
                                                  "-3-1.svl",
                                                  "0-0.svl",
                                                  "12-.svl",
                                                  "7-x.svl",
                                                  "99999999999999999999-1.svl",
                                                  std::to_string(dead) + "-1.svg"};
        for (const std::string& name : foreign) WriteBytes(folder_ + "/" + name, score);

        auto c = MakeController();
        QStringList asked;
        c->SetAsk([&](QWidget*, const QString& text) {
            asked << text;
            return Answer::Discard;
        });
        QVERIFY(!c->OfferRestore(nullptr));
        QCOMPARE(asked.size(), 6);
        QCOMPARE(asked.filter(QStringLiteral("ファイル: 無題")).size(), 5);
        QCOMPARE(asked.filter(QStringLiteral("日時: 不明")).size(), 1);

        std::vector<std::string> left = foreign;
        left.push_back(std::to_string(dead) + "-10.svl");  // a folder is not removed
        // Bytes that are not a score are set aside, not removed, and the user is told once.
        left.push_back(std::to_string(dead) + "-11.refused.svl");
        std::sort(left.begin(), left.end());
        QCOMPARE(Names(folder_), left);
        QCOMPARE(ReadBytes(outside), score);
        QCOMPARE(ReadBytes(stem(11) + ".refused.svl"), std::string("not a score at all"));
        QCOMPARE(informed_.size(), 1);
        QVERIFY(informed_[0].contains(QString::fromStdString(stem(11) + ".refused.svl")));
        QVERIFY(!c->OfferRestore(nullptr));
        QCOMPARE(informed_.size(), 1);
    }

    // The first change is copied soon, not at the next periodic write.
    void firstChangeIsCopiedSoon() {
        auto c = MakeController();
        c->Start();  // the minute of the periodic write does not pass in this test
        modified_ = true;
        c->BookChanged();
        QVERIFY(c->FirstCopyPending());
        QCOMPARE(serializeCalls_, 0);

        c->SetFirstCopyDelay(0);
        c->Discard();  // the book was saved: the next change starts again
        modified_ = false;
        c->WriteNow();
        QVERIFY(!c->FirstCopyPending());
        modified_ = true;
        QSignalSpy spy(c.get(), &RecoveryController::copyWritten);
        c->BookChanged();
        QVERIFY(spy.wait(10'000));
        QCOMPARE(spy.at(0).at(0).toInt(), 0);
        QCOMPARE(ReadBytes(c->Store().CopyPath()), Saved());
        // Further changes wait for the periodic write.
        c->BookChanged();
        QVERIFY(!c->FirstCopyPending());
        // After a save the next change is copied soon again.
        c->Discard();
        c->BookChanged();
        QVERIFY(c->FirstCopyPending());
    }

    // A copy that cannot be written is said in the status bar, and retried
    // at the next periodic write and after each further change.
    void writeFailureIsReportedAndRetried() {
        const std::string obstacle = stateHome_ + "/sorvel";
        WriteBytes(obstacle, "a file where the folder should be");
        auto c = MakeController();
        c->SetFirstCopyDelay(0);
        modified_ = true;
        QSignalSpy status(c.get(), &RecoveryController::statusReport);
        QSignalSpy written(c.get(), &RecoveryController::copyWritten);
        c->BookChanged();
        QVERIFY(written.wait(10'000));
        QCOMPARE(status.size(), 1);
        const QString failed = status.at(0).at(0).toString();
        QVERIFY(failed.startsWith(QStringLiteral("復元用のコピーを書き込めません")));
        QCOMPARE(failed, RecoveryController::WriteFailedText(ENOTDIR));

        // Another change tries again, and says so again while it fails.
        c->BookChanged();
        QVERIFY(c->FirstCopyPending());
        QVERIFY(written.wait(10'000));
        QCOMPARE(status.size(), 2);
        QCOMPARE(status.at(1).at(0).toString(), failed);

        // The obstacle is gone: the periodic write succeeds and says so.
        fs::remove(obstacle);
        c->WriteNow();
        QVERIFY(written.wait(10'000));
        QCOMPARE(written.last().at(0).toInt(), 0);
        QCOMPARE(status.size(), 3);
        QCOMPARE(status.at(2).at(0).toString(), RecoveryController::WriteRecoveredText());
        QCOMPARE(ReadBytes(c->Store().CopyPath()), Saved());
        c->BookChanged();
        QVERIFY(!c->FirstCopyPending());
    }

    // The side file keeps the book's path as its bytes, whatever they are.
    void originalPathKeepsItsBytes() {
        const std::string sjis = "/music/\x83\x65\x83\x4c.svl";
        const RecoveryOwner dead = LeaveCrashCopy(41, sjis, 1000);
        const std::vector<RecoveryLeftover> found =
            RecoveryStore(folder_, OwnerOfThisProcess()).FindLeftovers();
        QCOMPARE(found.size(), size_t(1));
        QCOMPARE(found[0].originalPath, sjis);
        QCOMPARE(found[0].owner, dead);
    }
};

}  // namespace sorvel

QTEST_MAIN(sorvel::RecoveryTest)
#include "recovery_test.moc"
