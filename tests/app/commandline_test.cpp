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
    TWorkspace ws;
    const ReadResult read = ReadScoreFile(args[0], ws.env);
    EXPECT_EQ(read.status, ReadStatus::Ok) << read.message;
}

}  // namespace
}  // namespace sorvel

namespace sorvel {
namespace {

// --expressive belongs to the two commands that play the piece.
TEST(BatchCommandLine, ExpressiveOnlyForTheCommandsThatPlay) {
    std::string error;
    for (const char* command : {"--export-midi", "--render-wav"}) {
        const std::optional<BatchCommand> cmd =
            ParseBatchCommand({command, "in.svl", "out", "--expressive"}, error);
        ASSERT_TRUE(cmd);
        EXPECT_TRUE(error.empty()) << error;
        EXPECT_TRUE(cmd->expressive);
        EXPECT_FALSE(ParseBatchCommand({command, "in.svl", "out"}, error)->expressive);
    }
    ParseBatchCommand({"--export-pdf", "in.svl", "out.pdf", "--expressive"}, error);
    EXPECT_EQ(error, "unknown option --expressive");
    EXPECT_NE(
        UsageText().find("--export-midi IN.svl OUT.mid [--page N] [--metronome] [--expressive]"),
        std::string::npos);
}

// --tempo, --meter and --key take a value, and only for --transcribe.
TEST(BatchCommandLine, TranscribeTakesTempoMetreAndKey) {
    std::string error;
    const std::optional<BatchCommand> cmd = ParseBatchCommand(
        {"--transcribe", "take.wav", "--tempo", "72", "out.svl", "--meter", "3/8", "--key", "Bb"},
        error);
    ASSERT_TRUE(cmd);
    EXPECT_TRUE(error.empty()) << error;
    EXPECT_EQ(cmd->kind, BatchKind::Transcribe);
    EXPECT_EQ(cmd->input, "take.wav");
    EXPECT_EQ(cmd->output, "out.svl");
    EXPECT_EQ(cmd->tempo, "72");
    EXPECT_EQ(cmd->meter, "3/8");
    EXPECT_EQ(cmd->key, "Bb");
    ParseBatchCommand({"--transcribe", "take.wav", "out.svl", "--key"}, error);
    EXPECT_EQ(error, "--key needs a value");
    ParseBatchCommand({"--export-pdf", "in.svl", "out.pdf", "--tempo", "72"}, error);
    EXPECT_EQ(error, "unknown option --tempo");
    EXPECT_NE(UsageText().find("--transcribe IN.wav|IN.flac|IN.ogg|IN.mp3 OUT.svl [--tempo BPM] "
                               "[--meter N/M] [--key K]"),
              std::string::npos);
}

}  // namespace
}  // namespace sorvel
