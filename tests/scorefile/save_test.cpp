// The atomic save: a temporary file beside the target, synced, renamed over it.
#include "scorefixture.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

namespace sorvel::testing {
namespace {

namespace fs = std::filesystem;

class SaveTest : public ScoreTest {
protected:
    SaveTest() {
        dir = fs::temp_directory_path() / ("sorvel-save-" + std::to_string(getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    ~SaveTest() override { fs::remove_all(dir); }

    size_t FileCount() const {
        return static_cast<size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
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
    EXPECT_NE(r.message.find("taken.svl"), std::string::npos);
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

}  // namespace
}  // namespace sorvel::testing
