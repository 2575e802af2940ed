// Sorvel: the score editor for erhu players, and its batch commands.
#include <cstdio>
#include <string>
#include <vector>

#include "app/batchcommands.h"
#include "app/commandline.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        std::fputs(sorvel::UsageText().c_str(), stdout);
        return 0;
    }
    std::string error;
    std::optional<sorvel::BatchCommand> cmd = sorvel::ParseBatchCommand(args, error);
    if (cmd) {
        if (!error.empty()) {
            std::fprintf(stderr, "sorvel: %s\n", error.c_str());
            return 2;
        }
        if (!sorvel::RunBatchCommand(*cmd, argc, argv, error)) {
            std::fprintf(stderr, "sorvel: %s\n", error.c_str());
            return 1;
        }
        return 0;
    }
    return sorvel::RunProgram(argc, argv);
}
