// SPDX-License-Identifier: GPL-3.0-or-later
// Reading whole files: only regular files, never more than the caller allows.
#include "base/readfile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

namespace sorvel {
namespace {

namespace fs = std::filesystem;

class ReadFileTest : public ::testing::Test {
protected:
    ReadFileTest() {
        dir = fs::temp_directory_path() /
              ("sorvel-readfile-" + std::to_string(getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    ~ReadFileTest() override { fs::remove_all(dir); }

    std::string Write(const std::string& name, const std::string& bytes) const {
        const std::string path = (dir / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    fs::path dir;
};

TEST_F(ReadFileTest, ReadsEveryByteUpToTheLimitInclusive) {
    const std::string bytes("a\0b\r\n\xFF", 6);
    const std::string path = Write("six", bytes);
    std::string out = "stale";
    EXPECT_EQ(ReadFileBytes(path, 6, out), 0);
    EXPECT_EQ(out, bytes);
    EXPECT_EQ(ReadFileBytes(path, 5, out), EFBIG);
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(ReadFileBytes(Write("empty", ""), 0, out), 0);
    EXPECT_TRUE(out.empty());
}

TEST_F(ReadFileTest, FileLargerThanItsStatedSizeIsReadToItsEndWithinTheLimit) {
    // Files under /proc state a size of 0 and hold more: the reader must not
    // trust the size it saw when it opened the file.
    std::string out;
    ASSERT_EQ(ReadFileBytes("/proc/self/status", 1 << 20, out), 0);
    EXPECT_NE(out.find("Name:"), std::string::npos);
    EXPECT_EQ(ReadFileBytes("/proc/self/status", 16, out), EFBIG);
    EXPECT_TRUE(out.empty());
}

TEST_F(ReadFileTest, WhatIsNotARegularFileIsRefusedAtOnce) {
    std::string out;
    EXPECT_EQ(ReadFileBytes((dir / "missing").string(), 100, out), ENOENT);
    EXPECT_EQ(ReadFileBytes((dir / "missing" / "deeper").string(), 100, out), ENOENT);
    EXPECT_EQ(ReadFileBytes(Write("file", "x") + "/below", 100, out), ENOTDIR);
    EXPECT_EQ(ReadFileBytes(dir.string(), 100, out), EISDIR);
    // A device that never ends, and a pipe without a writer, which would block.
    EXPECT_EQ(ReadFileBytes("/dev/zero", 100, out), EINVAL);
    const std::string fifo = (dir / "fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(ReadFileBytes(fifo, 100, out), EINVAL);
    EXPECT_TRUE(out.empty());
}

// What a link named like a score points to decides: a pipe, a device and a
// folder behind it are refused as at their own names.
TEST_F(ReadFileTest, LinksToWhatIsNoRegularFileAreRefused) {
    std::string out;
    const fs::path fifo = dir / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const fs::path& target : {fifo, fs::path("/dev/zero"), dir}) {
        const fs::path link = dir / ("to-" + target.filename().string() + ".svl");
        fs::create_symlink(target, link);
        const int error = ReadFileBytes(link.string(), 100, out);
        EXPECT_TRUE(NotARegularFile(error)) << target << ": " << error;
        EXPECT_TRUE(out.empty());
    }
    EXPECT_FALSE(NotARegularFile(0));
    EXPECT_FALSE(NotARegularFile(ENOENT));
    EXPECT_FALSE(NotARegularFile(EFBIG));
    EXPECT_FALSE(NotARegularFile(EACCES));
}

// /proc/kmsg calls itself a regular file of size 0, and a read of it waits
// for the next kernel message: it must fail at once rather than freeze the
// program. Only root may open it; elsewhere there is nothing to check.
TEST_F(ReadFileTest, KernelFileThatWaitsForDataIsRefusedAtOnce) {
    const int probe = ::open("/proc/kmsg", O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (probe < 0) GTEST_SKIP() << "/proc/kmsg cannot be opened here";
    ::close(probe);
    const fs::path link = dir / "kmsg.svl";
    fs::create_symlink("/proc/kmsg", link);
    std::string out;
    // Messages not yet read may come first; what is left over waits.
    const int error = ReadFileBytes(link.string(), 64u << 20, out);
    EXPECT_EQ(error, EAGAIN);
    EXPECT_TRUE(NotARegularFile(error));
    EXPECT_TRUE(out.empty());
}

}  // namespace
}  // namespace sorvel
