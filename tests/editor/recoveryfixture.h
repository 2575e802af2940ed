// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// State and helpers shared by the recovery tests: a temporary state folder per
// test, a book to copy, controllers writing it, and copies of ended editors.
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QSignalSpy>
#include <QStringList>
#include <QTest>
#include <QThread>
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/cp932.h"
#include "editor/platform/recoverycontroller.h"
#include "editor/platform/recoverystore.h"
#include "model/musicbook.h"
#include "model/scorefile.h"
#include "model/workspace.h"

namespace sorvel {

// The test classes derive from this besides QObject and call SetUp() from
// their init() slot and TearDown() from their cleanup() slot.
class RecoveryFixture {
protected:
    using Answer = RecoveryController::RestoreAnswer;

    // One temporary state folder per test; the controller writes the book of
    // `ws` under the name `name` while `modified` is set.
    std::string stateHome_;
    std::string folder_;
    Workspace ws_;
    bool modified_ = false;
    std::string name_ = kUntitled;
    int serializeCalls_ = 0;
    bool serializedOffGuiThread_ = false;

    QStringList informed_;  // what the controllers told the user

    void SetUp() {
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

    void TearDown() {
        std::error_code ec;
        std::filesystem::remove_all(stateHome_, ec);
    }

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

    static std::string ReadBytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    static void WriteBytes(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    // The id of a process that has ended and been reaped.
    static long EndedProcessId() {
        const pid_t child = fork();
        if (child == 0) _exit(0);
        waitpid(child, nullptr, 0);
        return child;
    }

    // The files of a folder by name, sorted; none for a missing folder.
    static std::vector<std::string> Names(const std::string& folder) {
        std::vector<std::string> names;
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(folder, ec)) {
            names.push_back(e.path().filename());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    static bool Exists(const std::string& path) {
        struct stat st;
        return lstat(path.c_str(), &st) == 0;
    }

private:
    // A book with a page of items when the demonstration book is there, else a new book.
    static void LoadBook(Workspace& ws) {
        ReadResult r = ReadScoreFile(std::string(SORVEL_EXAMPLES_DIR) + "/demo.svl", ws.env);
        if (r.status == ReadStatus::Ok) {
            ws.book = std::move(r.book);
        } else {
            ws.NewBook();
        }
        ws.book->SetTitle(cp932::FromUtf8("二泉映月"));
    }
};

}  // namespace sorvel
