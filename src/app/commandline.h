// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's command line: the table of batch commands and options that
// the parser, --help and the manual page all read, and the parser that tells
// the editor, a batch command, help, the version and a wrong command apart.
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/usertext.h"

namespace sorvel {

enum class BatchKind {
    Resave,
    ExportPng,
    ExportBmp,
    ExportPdf,
    ExportMidi,
    RenderWav,
    ImportMusicXml,
    ExportMusicXml,
    Transcribe,
    Intonation
};

struct BatchCommand {
    BatchKind kind = BatchKind::Resave;
    std::string input;
    std::string output;
    std::string take;         // the recording of --intonation, between its book and its report
    int page = 1;             // --page N, 1-based
    bool pageChosen = false;  // --page was given
    int part = 0;             // --part N of a MusicXML import, 1-based; 0 the first part with notes
    bool metronome = false;
    bool expressive = false;  // --expressive: the erhu's marks are played
    // --tempo, --meter and --key of a transcription, as given (checked when it runs).
    std::string tempo, meter, key;
};

// One batch command: its name, what it does, and its arguments as the usage
// shows them. The options a command takes are those its arguments name.
struct BatchCommandEntry {
    const char* name;
    BatchKind kind;
    const char* arguments;
    TextTemplate description;
};

// One option of the batch commands; `value` names its value ("N"), or is
// null for a switch. A number lands in `number`, a switch in `flag`, a value
// the command checks itself in `text`.
struct BatchOptionEntry {
    const char* name;
    const char* value;
    TextTemplate description;
    int BatchCommand::*number;
    bool BatchCommand::*flag;
    std::string BatchCommand::*text;
};

// The options of the program itself, which every command line may hold.
enum class ProgramOption { Help, Version, EndOfOptions };
struct ProgramOptionEntry {
    const char* name;
    const char* alias;  // a short form ("-h"), or null
    ProgramOption option;
    TextTemplate description;
};

std::span<const BatchCommandEntry> BatchCommandTable();
std::span<const BatchOptionEntry> BatchOptionTable();
std::span<const ProgramOptionEntry> ProgramOptionTable();

// Whether `command` takes `option`: its usage names the option.
bool CommandTakesOption(const BatchCommandEntry& command, const char* option);
// How many files `command` needs: the words of its usage before the options.
int CommandFileCount(const BatchCommandEntry& command);

// The exit statuses of the program, each with what it means.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  // the command failed: bad input, no display, a write
inline constexpr int kExitUsage = 2;    // the command line itself is wrong
struct ExitStatusEntry {
    int status;
    TextTemplate meaning;
};
std::span<const ExitStatusEntry> ExitStatusTable();

enum class CommandLineRequest { Editor, Batch, Help, Version, UsageError };

struct ParsedCommandLine {
    CommandLineRequest request = CommandLineRequest::Editor;
    std::vector<std::string> files;  // Editor: the files named, in order
    BatchCommand batch;              // Batch
    UserText error;                  // UsageError: one line
};

// Reads the arguments after the program name. Options may stand anywhere;
// "--" ends them, so that every later argument is a file name. --help and
// --version answer at once; an unknown option, a missing or bad number, an
// option the command does not take, or a missing file is a UsageError.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args);

// The editor's arguments (after the program name) as the main window takes
// them: a score named by a relative path is made absolute against the
// current folder, so the title, the recent list and reopening name it from
// any folder. A name is bytes and stays so: names from older systems need not
// be UTF-8.
std::vector<std::string> EditorArguments(const std::vector<std::string>& args);

}  // namespace sorvel
