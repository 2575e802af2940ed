// SPDX-License-Identifier: GPL-3.0-or-later
// The atomic save: a temporary file beside the target, synced, renamed over it.
#include "scorefixture.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

namespace sorvel::testing {
namespace {

namespace fs = std::filesystem;

class SaveTest : public ScoreTest {
protected:
    SaveTest() {
        dir = fs::temp_directory_path() /
              ("sorvel-save-" + std::to_string(getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    ~SaveTest() override { fs::remove_all(dir); }

    size_t FileCount() const {
        return static_cast<size_t>(
            std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
    }

    fs::path dir;
};

TEST_F(SaveTest, SavesTheBytesOfTheWriter) {
    TMusicBook& book = ReadOk(Golden("two_pages.svl"));
    const std::string path = (dir / "score.svl").string();
    SaveResult r = SaveScoreFile(book, path);
    ASSERT_TRUE(r.ok) << r.message << " " << r.detail;
    EXPECT_EQ(ReadBytes(path), Golden("two_pages.svl"));
    // Replacing an existing file keeps its mode and leaves no temporary file.
    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(SaveScoreFile(book, path).ok);
    struct stat st;
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(FileCount(), 1u);
}

TEST_F(SaveTest, FailureLeavesTheOldFileAndReportsIt) {
    TMusicBook& book = ReadOk(Golden("two_pages.svl"));
    // A folder cannot be replaced by a file: the rename fails after the write.
    const fs::path target = dir / "taken.svl";
    fs::create_directories(target / "inside");
    SaveResult r = SaveScoreFile(book, target.string());
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.Japanese().find("taken.svl"), std::string::npos);
    EXPECT_FALSE(r.detail.empty());
    EXPECT_TRUE(fs::is_directory(target / "inside"));
    EXPECT_EQ(FileCount(), 1u);  // no temporary file left
    // A missing folder.
    EXPECT_FALSE(SaveScoreFile(book, (dir / "no" / "such.svl").string()).ok);
}

TEST_F(SaveTest, SymbolicLinkIsFollowed) {
    TMusicBook& book = ReadOk(Golden("two_pages.svl"));
    const fs::path real = dir / "real.svl";
    const fs::path link = dir / "link.svl";
    { std::ofstream(real) << "old"; }
    fs::create_symlink(real, link);
    ASSERT_TRUE(SaveScoreFile(book, link.string()).ok);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(real.string()), Golden("two_pages.svl"));
}

TEST_F(SaveTest, SavedFileReadsBackIdentically) {
    TMusicBook& book = ReadOk(Golden("defaults_out.svl"));
    const std::string path = (dir / "again.svl").string();
    ASSERT_TRUE(SaveScoreFile(book, path).ok);
    ReadResult r = ReadScoreFile(path, env);
    ASSERT_EQ(r.status, ReadStatus::Ok);
    EXPECT_EQ(Save(*r.book), Golden("defaults_out.svl"));
}

// The rename of the atomic save would replace a read-only file whatever its
// mode. The mode bits are checked, since root (as in CI) may open any file.
TEST_F(SaveTest, ReadOnlyFileIsRefusedWithTheSaveMessage) {
    TMusicBook& book = ReadOk(Golden("two_pages.svl"));
    const std::string path = (dir / "locked.svl").string();
    { std::ofstream(path, std::ios::binary) << "someone else's work"; }
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    const SaveResult r = SaveScoreFile(book, path);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message.Japanese(), "「" + path + "」に保存できません。");
    EXPECT_EQ(r.detail, std::strerror(EACCES));
    EXPECT_EQ(ReadBytes(path), "someone else's work");
    struct stat st;
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0444u);
    EXPECT_EQ(FileCount(), 1u);
}

// Two editors on one file: each keeps the stamp of what it read or saved, and
// a save by the other shows as a change; its own save does not.
TEST_F(SaveTest, StampsTellAnotherEditorsSaveFromOurOwn) {
    const std::string path = (dir / "shared.svl").string();
    { std::ofstream(path, std::ios::binary) << Golden("two_pages.svl"); }
    ReadResult first = ReadScoreFile(path, env);
    ReadResult second = ReadScoreFile(path, env);
    ASSERT_EQ(first.status, ReadStatus::Ok);
    ASSERT_EQ(second.status, ReadStatus::Ok);
    EXPECT_EQ(ChangeSince(first.stamp, path), DiskChange::Unchanged);

    const SaveResult secondSaved = SaveScoreFile(*second.book, path);
    ASSERT_TRUE(secondSaved.ok);
    EXPECT_EQ(ChangeSince(secondSaved.stamp, path), DiskChange::Unchanged);
    EXPECT_EQ(ChangeSince(first.stamp, path), DiskChange::Changed);

    // The first editor saves anyway (the user said so): from then on the
    // first is current and the second sees the change.
    const SaveResult firstSaved = SaveScoreFile(*first.book, path);
    ASSERT_TRUE(firstSaved.ok);
    EXPECT_EQ(ChangeSince(firstSaved.stamp, path), DiskChange::Unchanged);
    EXPECT_EQ(ChangeSince(secondSaved.stamp, path), DiskChange::Changed);
    EXPECT_EQ(ChangedOnDiskQuestion(path).Japanese(),
              "「" + path +
                  "」は、読み込んだ後にほかのプログラムで変更されています。\n"
                  "上書き保存すると、その変更は失われます。上書きしますか？");
}

// File names are bytes: a Shift-JIS name (テ is 0x83 0x65) is neither
// converted nor refused, in the folder name as in the file name.
TEST_F(SaveTest, NonUtf8PathIsUsedAsItsBytes) {
    TMusicBook& book = ReadOk(Golden("two_pages.svl"));
    const std::string folder = dir.string() + "/\x83\x65\x83\x4c";
    ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
    const std::string path = folder + "/\x83\x65.svl";
    const SaveResult saved = SaveScoreFile(book, path);
    ASSERT_TRUE(saved.ok) << saved.message << " " << saved.detail;
    EXPECT_EQ(ReadBytes(path), Golden("two_pages.svl"));
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        names.push_back(e.path().filename().native());
    EXPECT_EQ(names, std::vector<std::string>{"\x83\x65.svl"});

    ReadResult read = ReadScoreFile(path, env);
    ASSERT_EQ(read.status, ReadStatus::Ok) << read.message;
    EXPECT_EQ(Save(*read.book), Golden("two_pages.svl"));
    EXPECT_EQ(ChangeSince(saved.stamp, path), DiskChange::Unchanged);
    // A failure names the path with its bytes.
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    EXPECT_EQ(SaveScoreFile(book, path).message.Japanese(), "「" + path + "」に保存できません。");
}

}  // namespace
}  // namespace sorvel::testing
