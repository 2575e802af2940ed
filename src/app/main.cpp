// SPDX-License-Identifier: GPL-3.0-or-later
// Sorvel: the score editor for erhu players, and its batch commands.
#include <cstdio>
#include <string>
#include <vector>

#include "app/batchcommands.h"
#include "app/commandline.h"
#include "app/console.h"
#include "app/helptext.h"
#include "app/pageexportcommand.h"

namespace sorvel {
namespace {

int RunBatch(const BatchCommand& cmd, int& argc, char** argv) {
    ConsoleSession session(argc, argv, DrawsPages(cmd.kind));
    UserText error;
    if (!RunBatchCommand(cmd, error)) {
        ReportError(error);
        return kExitFailure;
    }
    return kExitSuccess;
}

// --help, --version and a wrong command line: answered in the interface
// language without opening anything.
int Answer(const ParsedCommandLine& line, int& argc, char** argv) {
    ConsoleSession session(argc, argv, false);
    switch (line.request) {
        case CommandLineRequest::Help:
            PrintHelp(HelpText());
            return kExitSuccess;
        case CommandLineRequest::Version:
            for (const UserText& text : VersionText()) PrintLine(stdout, text);
            return kExitSuccess;
        default:
            ReportError(line.error);
            return kExitUsage;
    }
}

}  // namespace
}  // namespace sorvel

int main(int argc, char** argv) {
    using namespace sorvel;
    const ParsedCommandLine line =
        ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (line.request) {
        case CommandLineRequest::Editor:
            return RunProgram(argc, argv, line.files);
        case CommandLineRequest::Batch:
            return RunBatch(line.batch, argc, argv);
        default:
            return Answer(line, argc, argv);
    }
}
