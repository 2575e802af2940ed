#include "app/commandline.h"

#include "base/text.h"

namespace sorvel {
namespace {

constexpr const char* kCommands[] = {"--resave",     "--export-png", "--export-bmp",
                                     "--export-pdf", "--export-midi", "--render-wav"};

bool IsCommand(const std::string& arg) {
    for (const char* c : kCommands) {
        if (arg == c) return true;
    }
    return false;
}

}  // namespace

const char* UsageText() {
    return "usage: sorvel [FILE.svl]\n"
           "       sorvel --resave IN.svl OUT.svl\n"
           "       sorvel --export-png IN.svl OUT.png [--page N]\n"
           "       sorvel --export-bmp IN.svl OUT.bmp [--page N]\n"
           "       sorvel --export-pdf IN.svl OUT.pdf\n"
           "       sorvel --export-midi IN.svl OUT.mid [--page N] [--metronome]\n"
           "       sorvel --render-wav IN.svl OUT.wav [--page N] [--metronome]\n";
}

std::optional<BatchCommand> ParseBatchCommand(const std::vector<std::string>& args,
                                              std::string& error) {
    error.clear();
    if (args.empty() || !IsCommand(args[0])) return std::nullopt;
    BatchCommand cmd;
    cmd.name = args[0];
    std::vector<std::string> files;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--page") {
            if (i + 1 >= args.size() || !TryStrToInt(args[i + 1], cmd.page) || cmd.page < 1) {
                error = "--page needs a page number of 1 or more";
                return cmd;
            }
            ++i;
        } else if (a == "--metronome") {
            cmd.metronome = true;
        } else if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
            error = "unknown option " + a;
            return cmd;
        } else {
            files.push_back(a);
        }
    }
    if (files.size() != 2) {
        error = cmd.name + " needs an input and an output file";
        return cmd;
    }
    cmd.input = files[0];
    cmd.output = files[1];
    return cmd;
}

}  // namespace sorvel
