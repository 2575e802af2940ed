// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What --help and --version print, made from the command line's tables as
// texts to translate, and the breaking of a translated line for a terminal.
#include <string>
#include <string_view>
#include <vector>

#include "base/usertext.h"

namespace sorvel {

// The program's version and the years of its copyright, as the build set them.
std::string ProgramVersion();
std::string CopyrightYears();

struct BatchOptionEntry;
struct ProgramOptionEntry;

// An option as the help and the manual page name it: "--page N", "--help, -h".
std::string OptionUsage(const BatchOptionEntry& option);
std::string OptionUsage(const ProgramOptionEntry& option);

// One line of the help: its indent in columns and its text. An empty text is
// an empty line.
struct HelpLine {
    int indent = 0;
    UserText text;
};

// --help: the usage of the editor and of every batch command, what each
// command and option does, and the exit statuses.
std::vector<HelpLine> HelpText();

// --version: name and version, copyright, licence and warranty, one a line.
std::vector<UserText> VersionText();

// The lines of the copyright and licence alone (also the manual page's).
std::vector<UserText> LicenceText();

// `text` (UTF-8) broken into lines of at most `width` columns, each after
// `indent` spaces, every line ending in a newline. Lines break at spaces, and
// between wide (East Asian) characters, which take two columns each, but not
// before closing punctuation; a word longer than a line stands alone.
std::string WrapForTerminal(std::string_view text, int indent, int width);

}  // namespace sorvel
