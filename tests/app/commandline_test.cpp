// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's arguments as the main window receives them: absolute, with the
// bytes of the name kept, so that a name from an older system (Shift-JIS
// bytes) still names the file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/commandline.h"
#include "model/scorefile.h"
#include "model/workspace.h"

namespace sorvel {
namespace {

namespace fs = std::filesystem;

// A scratch folder that is also the current folder while it lives.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (fs::temp_directory_path() / "sorvel-args-XXXXXX").string();
        root_ = mkdtemp(pattern.data()) ? pattern : std::string();
        previous_ = fs::current_path();
        if (!root_.empty()) fs::current_path(root_);
    }
    ~ScratchFolder() {
        fs::current_path(previous_);
        std::error_code ignored;
        if (!root_.empty()) fs::remove_all(root_, ignored);
    }
    const std::string& Root() const { return root_; }

private:
    std::string root_;
    fs::path previous_;
};

bool Exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

TEST(EditorArguments, RelativeNamesBecomeAbsoluteAgainstTheCurrentFolder) {
    ScratchFolder scratch;
    ASSERT_FALSE(scratch.Root().empty());
    const std::string root = fs::current_path().string();
    EXPECT_EQ(EditorArguments({"files/demo.svl"}),
              std::vector<std::string>{root + "/files/demo.svl"});
    EXPECT_EQ(EditorArguments({"./files/../files/./demo.svl"}),
              std::vector<std::string>{root + "/files/demo.svl"});
    EXPECT_EQ(EditorArguments({"demo.svl"}), std::vector<std::string>{root + "/demo.svl"});
    // An absolute name and an empty argument stay as they are.
    EXPECT_EQ(EditorArguments({"/srv/scores/a.svl", ""}),
              (std::vector<std::string>{"/srv/scores/a.svl", ""}));
    EXPECT_TRUE(EditorArguments({}).empty());
}

TEST(EditorArguments, ANameInShiftJisBytesKeepsItsBytesAndOpens) {
    ScratchFolder scratch;
    ASSERT_FALSE(scratch.Root().empty());
    // "テ.svl" in Shift-JIS: 0x83 0x65 is not UTF-8.
    const std::string name = std::string("\x83\x65") + ".svl";
    fs::create_directory("old");
    fs::copy_file(SORVEL_DEMO_SCORE, "old/" + name);
    const std::vector<std::string> args = EditorArguments({"old/" + name});
    ASSERT_EQ(args.size(), 1u);
    EXPECT_EQ(args[0], fs::current_path().string() + "/old/" + name);
    EXPECT_TRUE(Exists(args[0]));

    // From another folder the name still reads as a score.
    fs::current_path("/");
    Workspace ws;
    const ReadResult read = ReadScoreFile(args[0], ws.env);
    EXPECT_EQ(read.status, ReadStatus::Ok) << read.message;
}

}  // namespace
}  // namespace sorvel

namespace sorvel {
namespace {

ParsedCommandLine Parse(std::vector<std::string> args) {
    return ParseCommandLine(args);
}

// --expressive belongs to the two commands that play.
TEST(BatchCommandLine, ExpressiveOnlyForTheCommandsThatPlay) {
    for (const char* command : {"--export-midi", "--render-wav"}) {
        const ParsedCommandLine line = Parse({command, "in.svl", "out", "--expressive"});
        ASSERT_EQ(line.request, CommandLineRequest::Batch) << line.error;
        EXPECT_TRUE(line.batch.expressive);
        EXPECT_FALSE(Parse({command, "in.svl", "out"}).batch.expressive);
    }
    const ParsedCommandLine pdf = Parse({"--export-pdf", "in.svl", "out.pdf", "--expressive"});
    EXPECT_EQ(pdf.request, CommandLineRequest::UsageError);
    EXPECT_EQ(pdf.error.Japanese(), "--export-pdf では --expressive は使えません。");
}

// --tempo, --meter and --key take a value, and only --transcribe takes them.
TEST(BatchCommandLine, TranscribeTakesTempoMetreAndKey) {
    const ParsedCommandLine line = Parse(
        {"--transcribe", "take.wav", "--tempo", "72", "out.svl", "--meter=3/8", "--key", "Bb"});
    ASSERT_EQ(line.request, CommandLineRequest::Batch) << line.error;
    EXPECT_EQ(line.batch.kind, BatchKind::Transcribe);
    EXPECT_EQ(line.batch.input, "take.wav");
    EXPECT_EQ(line.batch.output, "out.svl");
    EXPECT_EQ(line.batch.tempo, "72");
    EXPECT_EQ(line.batch.meter, "3/8");
    EXPECT_EQ(line.batch.key, "Bb");
    const ParsedCommandLine missing = Parse({"--transcribe", "take.wav", "out.svl", "--key"});
    EXPECT_EQ(missing.request, CommandLineRequest::UsageError);
    EXPECT_EQ(missing.error.Japanese(), "--key には値を指定してください。");
    const ParsedCommandLine pdf = Parse({"--export-pdf", "in.svl", "out.pdf", "--tempo", "72"});
    EXPECT_EQ(pdf.request, CommandLineRequest::UsageError);
    EXPECT_EQ(pdf.error.Japanese(), "--export-pdf では --tempo は使えません。");
}

}  // namespace
}  // namespace sorvel
