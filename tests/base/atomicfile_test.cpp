// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing files atomically: a file set read-only is refused, and the stamp
// of what was written lets a later save notice a change made by someone else.
#include "base/atomicfile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/filestamp.h"
#include "base/readfile.h"

namespace sorvel {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
protected:
    AtomicFileTest() {
        dir = fs::temp_directory_path() /
              ("sorvel-atomicfile-" + std::to_string(getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    ~AtomicFileTest() override { fs::remove_all(dir); }

    std::string Path(const std::string& name) const { return (dir / name).string(); }

    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    static mode_t Mode(const std::string& path) {
        struct stat st;
        EXPECT_EQ(::stat(path.c_str(), &st), 0);
        return st.st_mode & 07777;
    }

    size_t FileCount() const {
        return static_cast<size_t>(
            std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
    }

    fs::path dir;
};

// The mode is checked by its bits, so the refusal holds for root too, who
// could otherwise open and replace any file.
TEST_F(AtomicFileTest, ReadOnlyFileIsRefusedAndLeftAsItWas) {
    const std::string path = Path("kept.svl");
    ASSERT_EQ(WriteFileAtomically(path, "original"), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    const std::optional<FileStamp> before = ReadFileStamp(path);
    ASSERT_TRUE(before);

    EXPECT_TRUE(IsReadOnlyFile(path));
    EXPECT_EQ(WriteFileAtomically(path, "replaced"), EACCES);
    EXPECT_EQ(Read(path), "original");
    EXPECT_EQ(Mode(path), 0444u);
    EXPECT_EQ(ChangeSince(*before, path), DiskChange::Unchanged);
    EXPECT_EQ(FileCount(), 1u);  // no temporary file

    // Through a symbolic link the file it points to counts.
    fs::create_symlink(path, Path("link.svl"));
    EXPECT_EQ(WriteFileAtomically(Path("link.svl"), "replaced"), EACCES);
    EXPECT_EQ(Read(path), "original");

    // Writable again: replaced, and its mode kept.
    ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
    EXPECT_FALSE(IsReadOnlyFile(path));
    EXPECT_EQ(WriteFileAtomically(path, "replaced"), 0);
    EXPECT_EQ(Read(path), "replaced");
    EXPECT_EQ(Mode(path), 0644u);
}

TEST_F(AtomicFileTest, OnlyTheWriteBitOfTheOwnersClassCounts) {
    const std::string path = Path("mine.svl");
    ASSERT_EQ(WriteFileAtomically(path, "x"), 0);
    // This process owns the file: the owner's bit decides.
    ASSERT_EQ(::chmod(path.c_str(), 0466), 0);
    EXPECT_TRUE(IsReadOnlyFile(path));
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    EXPECT_FALSE(IsReadOnlyFile(path));
    // A missing file is not read-only: it is simply made.
    EXPECT_FALSE(IsReadOnlyFile(Path("new.svl")));
}

TEST_F(AtomicFileTest, OwnSaveKeepsTheStampAndOthersChangeIt) {
    const std::string path = Path("shared.svl");
    FileStamp ours;
    ASSERT_EQ(WriteFileAtomically(path, "first", {}, &ours), 0);
    // The stamp taken while writing is the stamp of the file on disk.
    EXPECT_EQ(ReadFileStamp(path), ours);
    EXPECT_EQ(ChangeSince(ours, path), DiskChange::Unchanged);

    // Another editor saves (atomically, as this program does): a new file.
    FileStamp theirs;
    ASSERT_EQ(WriteFileAtomically(path, "first", {}, &theirs), 0);
    EXPECT_EQ(ChangeSince(ours, path), DiskChange::Changed);
    EXPECT_EQ(ChangeSince(theirs, path), DiskChange::Unchanged);

    // Another program writes in place: the size changes.
    { std::ofstream(path, std::ios::binary | std::ios::app) << "+more"; }
    EXPECT_EQ(ChangeSince(theirs, path), DiskChange::Changed);

    // Only the modification time changes (same bytes, same inode).
    const FileStamp now = *ReadFileStamp(path);
    const struct timespec times[2] = {{0, UTIME_OMIT},
                                      {now.modifiedSeconds + 7, now.modifiedNanoseconds}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    EXPECT_EQ(ChangeSince(now, path), DiskChange::Changed);

    // Removed, or the folder gone.
    fs::remove(path);
    EXPECT_EQ(ChangeSince(now, path), DiskChange::Gone);
    EXPECT_EQ(ChangeSince(now, Path("shared.svl/below")), DiskChange::Gone);
    EXPECT_FALSE(ReadFileStamp(path));
}

TEST_F(AtomicFileTest, ReadingGivesTheStampOfTheFileRead) {
    const std::string path = Path("read.svl");
    FileStamp written;
    ASSERT_EQ(WriteFileAtomically(path, "bytes", {}, &written), 0);
    std::string out;
    FileStamp read;
    ASSERT_EQ(ReadFileBytes(path, 100, out, &read), 0);
    EXPECT_EQ(out, "bytes");
    EXPECT_EQ(read, written);
    EXPECT_EQ(read.size, 5);
}

}  // namespace
}  // namespace sorvel
