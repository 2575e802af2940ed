// Recovery copies: written off the GUI thread while the book is modified,
// found after a crash, offered, restored or refused, and never confused with
// the copy of an editor that still runs.
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "base/cp932.h"
#include "editor/platform/recoverycontroller.h"
#include "editor/platform/recoverystore.h"
#include "model/musicbook.h"
#include "model/scorefile.h"
#include "model/workspace.h"

namespace sorvel {
namespace {

namespace fs = std::filesystem;
using Answer = RecoveryController::RestoreAnswer;

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// The id of a process that has ended and been reaped.
long EndedProcessId() {
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

// The files of a folder by name, sorted; none for a missing folder.
std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(folder, ec)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

bool Exists(const std::string& path) {
    struct stat st;
    return lstat(path.c_str(), &st) == 0;
}

// A book with a page of items when the demonstration book is there, else a new book.
void LoadBook(TWorkspace& ws) {
    ReadResult r = ReadScoreFile(std::string(SORVEL_EXAMPLES_DIR) + "/demo.svl", ws.env);
    if (r.status == ReadStatus::Ok) {
        ws.book = std::move(r.book);
    } else {
        ws.NewBook();
    }
    ws.book->SetTitle(cp932::FromUtf8("二泉映月"));
}

}  // namespace

class RecoveryTest : public QObject {
    Q_OBJECT

private:
    // One temporary state folder per test; the controller writes the book of
    // `ws` under the name `name` while `modified` is set.
    std::string stateHome_;
    std::string folder_;
    TWorkspace ws_;
    bool modified_ = false;
    std::string name_ = kUntitled;
    int serializeCalls_ = 0;
    bool serializedOffGuiThread_ = false;

    QStringList informed_;  // what the controllers told the user

    std::unique_ptr<RecoveryController> MakeController(RecoveryOwner owner = OwnerOfThisProcess()) {
        auto c = std::make_unique<RecoveryController>(
            RecoveryStore(folder_, owner), [this] { return modified_; },
            [this] {
                ++serializeCalls_;
                if (QThread::currentThread() != qApp->thread()) serializedOffGuiThread_ = true;
                return std::pair{SaveBookToFileBytes(*ws_.book), name_};
            },
            nullptr);
        c->SetInform([this](QWidget*, const QString& text) { informed_ << text; });
        return c;
    }

    std::string Saved() { return SaveBookToFileBytes(*ws_.book); }

    // Writes the book as the copy of an editor that has ended.
    RecoveryOwner LeaveCrashCopy(std::uint64_t ticks, const std::string& original,
                                 std::int64_t savedAt) {
        const RecoveryOwner dead{EndedProcessId(), ticks};
        RecoveryStore(folder_, dead).Write(Saved(), original, savedAt);
        return dead;
    }

    std::string StemOf(const RecoveryOwner& o) const {
        return folder_ + "/" + std::to_string(o.pid) + "-" + std::to_string(o.startTicks);
    }

    static void WriteAndWait(RecoveryController& c) {
        QSignalSpy spy(&c, &RecoveryController::copyWritten);
        c.WriteNow();
        QVERIFY(spy.wait(10'000));
        QCOMPARE(spy.at(0).at(0).toInt(), 0);
    }

private Q_SLOTS:
    void init() {
        char pattern[] = "/tmp/sorvel-recovery-XXXXXX";
        QVERIFY(mkdtemp(pattern));
        stateHome_ = pattern;
        folder_ = RecoveryFolder({stateHome_, "/nonexistent-home"});
        LoadBook(ws_);
        modified_ = false;
        name_ = kUntitled;
        serializeCalls_ = 0;
        serializedOffGuiThread_ = false;
        informed_.clear();
    }

    void cleanup() {
        std::error_code ec;
        fs::remove_all(stateHome_, ec);
    }

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
        TWorkspace other;
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

        TWorkspace restored;
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
        TWorkspace other;
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
