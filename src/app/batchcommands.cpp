#include "app/batchcommands.h"

#include <cstdio>

#include "app/commandline.h"
#include "app/exportmidicommand.h"
#include "app/pageexportcommand.h"
#include "app/renderwavcommand.h"
#include "app/resave.h"

namespace sorvel {

bool RunBatchCommand(const BatchCommand& cmd, int argc, char** argv, std::string& error) {
    if (cmd.name == "--resave") return RunResave(cmd, error);
    if (cmd.name == "--export-midi") return RunExportMidi(cmd, error);
    if (cmd.name == "--render-wav") return RunRenderWav(cmd, error);
    if (cmd.name == "--export-png" || cmd.name == "--export-bmp" || cmd.name == "--export-pdf") {
        return RunPageExport(cmd, argc, argv, error);
    }
    error = cmd.name + " is not available in this build";
    return false;
}

int RunProgram(int, char**) {
    std::fputs(UsageText(), stdout);
    return 0;
}

}  // namespace sorvel
