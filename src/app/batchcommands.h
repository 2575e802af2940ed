#pragma once
#include <string>

namespace sorvel {

struct BatchCommand;

// Runs one batch command; false with a one-line message on failure. No
// output file is left behind on failure.
bool RunBatchCommand(const BatchCommand& cmd, int argc, char** argv, std::string& error);

// The program without a batch command.
int RunProgram(int argc, char** argv);

}  // namespace sorvel
