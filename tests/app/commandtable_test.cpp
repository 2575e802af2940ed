// SPDX-License-Identifier: GPL-3.0-or-later
// The command line as a Linux program reads it: files for the editor, batch
// commands with their options anywhere, --help and --version at once, and a
// usage error for everything else; and --help, --version and the manual page
// made from the same tables, so that they name every command the parser
// knows.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/commandline.h"
#include "app/helptext.h"
#include "app/manpage.h"

namespace sorvel {
namespace {

ParsedCommandLine Parse(std::vector<std::string> args) {
    return ParseCommandLine(args);
}

std::string ErrorOf(std::vector<std::string> args) {
    const ParsedCommandLine line = Parse(std::move(args));
    EXPECT_EQ(line.request, CommandLineRequest::UsageError);
    return line.error.Japanese();
}

TEST(CommandLine, FilesAloneOpenTheEditor) {
    EXPECT_EQ(Parse({}).request, CommandLineRequest::Editor);
    EXPECT_TRUE(Parse({}).files.empty());
    EXPECT_EQ(Parse({"a.svl"}).files, std::vector<std::string>{"a.svl"});
    // After "--" every argument is a file, even one that looks like an option.
    const ParsedCommandLine line = Parse({"--", "--help", "-x", "--export-pdf"});
    EXPECT_EQ(line.request, CommandLineRequest::Editor);
    EXPECT_EQ(line.files, (std::vector<std::string>{"--help", "-x", "--export-pdf"}));
    // A single "-" is a name, as for other programs.
    EXPECT_EQ(Parse({"-"}).files, std::vector<std::string>{"-"});
}

TEST(CommandLine, HelpAndVersionAnswerWhereverTheyStand) {
    EXPECT_EQ(Parse({"--help"}).request, CommandLineRequest::Help);
    EXPECT_EQ(Parse({"-h"}).request, CommandLineRequest::Help);
    EXPECT_EQ(Parse({"--version"}).request, CommandLineRequest::Version);
    EXPECT_EQ(Parse({"--export-pdf", "--help"}).request, CommandLineRequest::Help);
    EXPECT_EQ(Parse({"book.svl", "--version"}).request, CommandLineRequest::Version);
    // What comes first decides: an error before --help is reported.
    EXPECT_EQ(Parse({"--bogus", "--help"}).request, CommandLineRequest::UsageError);
}

TEST(CommandLine, UnknownOptionsAreRefusedNotOpened) {
    const std::string unknown =
        "--bogus というオプションはありません。sorvel --help を参照してください。";
    EXPECT_EQ(ErrorOf({"--bogus"}), unknown);
    EXPECT_EQ(ErrorOf({"book.svl", "--bogus"}), unknown);
    EXPECT_EQ(ErrorOf({"--export-pdf", "in.svl", "out.pdf", "--bogus"}), unknown);
    EXPECT_NE(ErrorOf({"-x"}).find("-x"), std::string::npos);
    // A switch takes no value.
    EXPECT_NE(ErrorOf({"--export-midi", "in", "out", "--metronome=1"}).find("--metronome=1"),
              std::string::npos);
}

TEST(CommandLine, NumbersOfOptionsAreCheckedAndMayBeAttached) {
    ParsedCommandLine line = Parse({"--export-png", "in.svl", "out.png", "--page", "3"});
    ASSERT_EQ(line.request, CommandLineRequest::Batch) << line.error;
    EXPECT_EQ(line.batch.page, 3);
    EXPECT_EQ(line.batch.input, "in.svl");
    EXPECT_EQ(line.batch.output, "out.png");
    EXPECT_EQ(Parse({"--export-png", "in.svl", "out.png", "--page=4"}).batch.page, 4);
    EXPECT_EQ(Parse({"--import-musicxml", "in.xml", "out.svl", "--part", "2"}).batch.part, 2);

    const std::string needsNumber = "--page には 1 以上の数を指定してください。";
    EXPECT_EQ(ErrorOf({"--export-png", "in.svl", "out.png", "--page"}), needsNumber);
    EXPECT_EQ(ErrorOf({"--export-png", "in.svl", "out.png", "--page", "0"}), needsNumber);
    EXPECT_EQ(ErrorOf({"--export-png", "in.svl", "out.png", "--page=-1"}), needsNumber);
    EXPECT_EQ(ErrorOf({"--export-png", "in.svl", "out.png", "--page", "two"}), needsNumber);
    EXPECT_EQ(ErrorOf({"--export-png", "in.svl", "out.png", "--page="}), needsNumber);
    EXPECT_EQ(ErrorOf({"--import-musicxml", "in.xml", "out.svl", "--part", "0"}),
              "--part には 1 以上の数を指定してください。");
}

TEST(CommandLine, OptionsMayStandBeforeTheCommand) {
    const ParsedCommandLine line =
        Parse({"--metronome", "--page", "2", "--export-midi", "in.svl", "out.mid"});
    ASSERT_EQ(line.request, CommandLineRequest::Batch) << line.error;
    EXPECT_EQ(line.batch.kind, BatchKind::ExportMidi);
    EXPECT_EQ(line.batch.page, 2);
    EXPECT_TRUE(line.batch.metronome);
}

TEST(CommandLine, EachCommandTakesOnlyItsOptionsAndTwoFiles) {
    EXPECT_EQ(ErrorOf({"--export-pdf", "in.svl", "out.pdf", "--page", "2"}),
              "--export-pdf では --page は使えません。");
    EXPECT_EQ(ErrorOf({"--resave", "in.svl", "out.svl", "--metronome"}),
              "--resave では --metronome は使えません。");
    EXPECT_EQ(ErrorOf({"--export-png", "in.svl", "out.png", "--part", "1"}),
              "--export-png では --part は使えません。");
    EXPECT_EQ(ErrorOf({"--export-pdf", "in.svl"}),
              "--export-pdf には入力ファイルと出力ファイルが必要です。");
    EXPECT_EQ(ErrorOf({"--export-pdf", "a", "b", "c"}),
              "--export-pdf には入力ファイルと出力ファイルが必要です。");
    EXPECT_EQ(ErrorOf({"--resave", "--export-pdf", "in.svl", "out.pdf"}),
              "バッチコマンドは一度に一つだけです（--resave と --export-pdf）。");
    EXPECT_EQ(ErrorOf({"--page", "2", "book.svl"}),
              "--page はバッチコマンドと一緒に使うオプションです。");
}

// A row added to the command table names its options in its usage: each must
// be one the parser knows, and each option must belong to some command.
TEST(CommandTable, UsagesNameOnlyKnownOptionsAndEveryOptionIsUsed) {
    std::set<std::string> names;
    std::set<std::string> used;
    for (const BatchCommandEntry& c : BatchCommandTable()) {
        EXPECT_TRUE(names.insert(c.name).second) << c.name << " twice";
        EXPECT_EQ(std::string(c.name).rfind("--", 0), 0u) << c.name;
        ASSERT_TRUE(c.description.source) << c.name << " says nothing for --help";
        std::istringstream words(c.arguments);
        for (std::string word; words >> word;) {
            const size_t start = word.find_first_not_of('[');
            const size_t end = word.find_last_not_of(']');
            word = word.substr(start, end - start + 1);
            if (word.rfind('-', 0) != 0) continue;
            bool known = false;
            for (const BatchOptionEntry& o : BatchOptionTable()) known |= word == o.name;
            EXPECT_TRUE(known) << c.name << " names the unknown option " << word;
            EXPECT_TRUE(CommandTakesOption(c, word.c_str()));
            used.insert(word);
        }
    }
    for (const BatchOptionEntry& o : BatchOptionTable()) {
        EXPECT_TRUE(used.count(o.name)) << o.name << " belongs to no command";
        EXPECT_EQ((o.number != nullptr) + (o.flag != nullptr) + (o.text != nullptr), 1) << o.name;
        EXPECT_EQ(o.value != nullptr, o.number != nullptr || o.text != nullptr) << o.name;
    }
}

std::string Joined(const std::vector<HelpLine>& lines) {
    std::string text;
    for (const HelpLine& line : lines)
        text += std::string(line.indent, ' ') + line.text.Japanese() + "\n";
    return text;
}

TEST(HelpText, NamesEveryCommandOptionAndExitStatus) {
    const std::string help = Joined(HelpText());
    for (const BatchCommandEntry& c : BatchCommandTable()) {
        EXPECT_NE(help.find(std::string(c.name) + " " + c.arguments), std::string::npos) << c.name;
        EXPECT_NE(help.find(c.description.source), std::string::npos) << c.name;
    }
    for (const BatchOptionEntry& o : BatchOptionTable())
        EXPECT_NE(help.find(OptionUsage(o)), std::string::npos) << o.name;
    for (const char* name : {"--help, -h", "--version", "\n  --\n"})
        EXPECT_NE(help.find(name), std::string::npos) << name;
    for (const ExitStatusEntry& e : ExitStatusTable())
        EXPECT_NE(help.find(e.meaning.source), std::string::npos) << e.status;
}

TEST(VersionText, NameAndVersionFirstThenTheLicence) {
    const std::vector<UserText> lines = VersionText();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(ProgramVersion(), SORVEL_EXPECTED_VERSION);
    EXPECT_EQ(lines[0].Japanese(), "sorvel " + std::string(SORVEL_EXPECTED_VERSION));
    EXPECT_EQ(lines[1].Japanese(), "Copyright (C) " + CopyrightYears() + " Sorvel developers");
    EXPECT_NE(lines[2].Japanese().find("GPLv3+"), std::string::npos);
}

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(WrapForTerminal, BreaksAtSpacesWithinTheWidth) {
    EXPECT_EQ(WrapForTerminal("one two three four", 2, 12), "  one two\n  three four\n");
    EXPECT_EQ(WrapForTerminal("", 6, 80), "\n");
    // A word longer than a line stands alone, whole.
    EXPECT_EQ(WrapForTerminal("a --import-musicxml b", 0, 8), "a\n--import-musicxml\nb\n");
}

// Japanese and Chinese have no spaces: lines break between characters, each
// two columns wide, but never before closing punctuation.
TEST(WrapForTerminal, BreaksBetweenWideCharactersButNotBeforePunctuation) {
    const std::string text = "ページ N を含む曲を標準 MIDI ファイルに書き出します。次の、行。";
    for (int width = 10; width <= 30; ++width) {
        for (const std::string& line : LinesOf(WrapForTerminal(text, 2, width))) {
            int columns = 0;
            for (size_t i = 0; i < line.size();) {
                const auto lead = static_cast<unsigned char>(line[i]);
                const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
                columns += length == 1 ? 1 : 2;
                i += length;
            }
            EXPECT_LE(columns, width) << line;
            EXPECT_NE(line.rfind("  、", 0), 0u) << line;
            EXPECT_NE(line.rfind("  。", 0), 0u) << line;
        }
    }
    EXPECT_EQ(WrapForTerminal("書き出します。", 0, 8), "書き出し\nます。\n");
}

ManualPageSetting Setting(bool eastAsian) {
    ManualPageSetting setting;
    setting.translate = [](const UserText& text) { return text.Japanese(); };
    setting.eastAsian = eastAsian;
    setting.date = "2026-12-08";
    return setting;
}

TEST(ManualPage, HoldsEveryCommandAndOptionInRoff) {
    const std::string page = ManualPage(Setting(false));
    EXPECT_NE(page.find(".TH SORVEL 1 2026-12-08 \"Sorvel " + std::string(SORVEL_EXPECTED_VERSION)),
              std::string::npos);
    for (const BatchCommandEntry& c : BatchCommandTable()) {
        std::string name = c.name;
        std::string escaped;
        for (char ch : name) escaped += ch == '-' ? std::string("\\-") : std::string(1, ch);
        EXPECT_NE(page.find("\\%\\fB" + escaped + "\\fR"), std::string::npos) << c.name;
        EXPECT_NE(page.find(c.description.source), std::string::npos) << c.name;
    }
    for (const char* option : {"\\-\\-page", "\\-\\-part", "\\-\\-metronome", "\\-\\-expressive",
                               "\\-\\-help", "\\-\\-version", "SORVEL_SOUNDFONT", "sorvelini"})
        EXPECT_NE(page.find(option), std::string::npos) << option;
    for (const ExitStatusEntry& e : ExitStatusTable())
        EXPECT_NE(page.find(".TP\n\\fB" + std::to_string(e.status) + "\\fR\n"), std::string::npos);
    // Every line that starts with a dot is a request of the man macros.
    for (const std::string& line : LinesOf(page)) {
        if (line.empty() || line[0] != '.') continue;
        const std::string request = line.substr(0, line.find(' '));
        EXPECT_TRUE(std::set<std::string>({".TH", ".SH", ".TP", ".PP", ".br", ".ad", ".\\\""})
                        .count(request))
            << line;
    }
    EXPECT_EQ(page.find("\\:"), std::string::npos);
    EXPECT_EQ(page.find(".ad l"), std::string::npos);
}

TEST(ManualPage, EastAsianTextMayBreakBetweenCharacters) {
    const std::string page = ManualPage(Setting(true));
    EXPECT_NE(page.find(".ad l\n"), std::string::npos);
    EXPECT_NE(page.find("書\\:き\\:出\\:し\\:ま\\:す。"), std::string::npos);
}

TEST(ManualPage, TranslatedTextCannotBecomeARequest) {
    ManualPageSetting setting = Setting(false);
    setting.translate = [](const UserText& text) {
        return text.source == "説明"
                   ? std::string("DESCRIPTION")
                   : std::string(".so /etc/passwd \\ back-slash --render-wav 16-bit");
    };
    const std::string page = ManualPage(setting);
    EXPECT_EQ(page.find("\n.so"), std::string::npos);
    EXPECT_NE(page.find("\n\\&.so /etc/passwd \\e back-slash \\-\\-render\\-wav 16-bit"),
              std::string::npos);
}

}  // namespace
}  // namespace sorvel
