#pragma once
// The batch commands of the program: each reads a score and writes one
// output file without a display. Errors are one line on standard error and a
// non-zero exit status, and no output file is left behind.
#include <optional>
#include <string>
#include <vector>

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
    Transcribe
};

struct BatchCommand {
    BatchKind kind = BatchKind::Resave;
    std::string input;
    std::string output;
    int page = 1;  // --page N, 1-based
    int part = 0;  // --part N of a MusicXML import, 1-based; 0 the first part with notes
    bool metronome = false;
    bool expressive = false;  // --expressive: the erhu's marks are played
    // --tempo, --meter and --key of a transcription, as given (checked when it runs).
    std::string tempo, meter, key;
};

// Parses the arguments after the program name. No value when they are not a
// batch command (the program then starts normally). `error` is set when they
// look like one but are malformed.
std::optional<BatchCommand> ParseBatchCommand(const std::vector<std::string>& args,
                                              std::string& error);

// The usage text printed for --help and for malformed commands.
const std::string& UsageText();

// The editor's arguments (after the program name) as the main window takes
// them: a score named by a relative path is made absolute against the
// current folder, so the title, the recent list and reopening name it from
// any folder. A name is bytes and stays so: names from older systems need not
// be UTF-8.
std::vector<std::string> EditorArguments(const std::vector<std::string>& args);

}  // namespace sorvel
