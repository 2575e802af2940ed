#include "app/commandline.h"

#include <filesystem>
#include <system_error>

#include "base/text.h"

namespace sorvel {
namespace {

struct CommandEntry {
    const char* name;
    BatchKind kind;
    const char* arguments;  // as the usage text shows them
};

// Every batch command: the parser, the usage text and the dispatch follow it.
constexpr CommandEntry kCommands[] = {
    {"--resave", BatchKind::Resave, "IN.svl OUT.svl"},
    {"--export-png", BatchKind::ExportPng, "IN.svl OUT.png [--page N]"},
    {"--export-bmp", BatchKind::ExportBmp, "IN.svl OUT.bmp [--page N]"},
    {"--export-pdf", BatchKind::ExportPdf, "IN.svl OUT.pdf"},
    {"--export-midi", BatchKind::ExportMidi,
     "IN.svl OUT.mid [--page N] [--metronome] [--expressive]"},
    {"--render-wav", BatchKind::RenderWav,
     "IN.svl OUT.wav [--page N] [--metronome] [--expressive]"},
    {"--import-musicxml", BatchKind::ImportMusicXml, "IN.musicxml|IN.mxl OUT.svl [--part N]"},
    {"--export-musicxml", BatchKind::ExportMusicXml, "IN.svl OUT.musicxml"},
    {"--transcribe", BatchKind::Transcribe,
     "IN.wav|IN.flac|IN.ogg|IN.mp3 OUT.svl [--tempo BPM] [--meter N/M] [--key K]"},
};

const CommandEntry* FindCommand(const std::string& arg) {
    for (const CommandEntry& c : kCommands) {
        if (arg == c.name) return &c;
    }
    return nullptr;
}

}  // namespace

const std::string& UsageText() {
    static const std::string text = [] {
        std::string usage = "usage: sorvel [FILE.svl]\n";
        for (const CommandEntry& c : kCommands) {
            usage += std::string("       sorvel ") + c.name + " " + c.arguments + "\n";
        }
        return usage;
    }();
    return text;
}

std::optional<BatchCommand> ParseBatchCommand(const std::vector<std::string>& args,
                                              std::string& error) {
    error.clear();
    const CommandEntry* entry = args.empty() ? nullptr : FindCommand(args[0]);
    if (!entry) return std::nullopt;
    BatchCommand cmd;
    cmd.kind = entry->kind;
    std::vector<std::string> files;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--page") {
            if (i + 1 >= args.size() || !TryStrToInt(args[i + 1], cmd.page) || cmd.page < 1) {
                error = "--page needs a page number of 1 or more";
                return cmd;
            }
            ++i;
        } else if (a == "--part" && entry->kind == BatchKind::ImportMusicXml) {
            if (i + 1 >= args.size() || !TryStrToInt(args[i + 1], cmd.part) || cmd.part < 1) {
                error = "--part needs a part number of 1 or more";
                return cmd;
            }
            ++i;
        } else if ((a == "--tempo" || a == "--meter" || a == "--key") &&
                   entry->kind == BatchKind::Transcribe) {
            if (i + 1 >= args.size()) {
                error = a + " needs a value";
                return cmd;
            }
            (a == "--tempo" ? cmd.tempo : a == "--meter" ? cmd.meter : cmd.key) = args[++i];
        } else if (a == "--metronome") {
            cmd.metronome = true;
        } else if (a == "--expressive" &&
                   (entry->kind == BatchKind::ExportMidi || entry->kind == BatchKind::RenderWav)) {
            cmd.expressive = true;
        } else if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
            error = "unknown option " + a;
            return cmd;
        } else {
            files.push_back(a);
        }
    }
    if (files.size() != 2) {
        error = std::string(entry->name) + " needs an input and an output file";
        return cmd;
    }
    cmd.input = files[0];
    cmd.output = files[1];
    return cmd;
}

std::vector<std::string> EditorArguments(const std::vector<std::string>& args) {
    std::vector<std::string> result;
    for (const std::string& arg : args) {
        std::error_code error;
        // std::filesystem works on the name's bytes on this platform; the
        // file itself is not looked at.
        const std::filesystem::path path =
            arg.empty() ? std::filesystem::path() : std::filesystem::absolute(arg, error);
        result.push_back(path.empty() || error ? arg : path.lexically_normal().string());
    }
    return result;
}

}  // namespace sorvel
