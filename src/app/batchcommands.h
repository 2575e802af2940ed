#pragma once
#include <string>

namespace sorvel {

struct BatchCommand;

// Runs one batch command; false with a one-line message on failure. No
// output file is left behind on failure.
bool RunBatchCommand(const BatchCommand& cmd, int argc, char** argv, std::string& error);

// The editor: the program without a batch command (guiprogram.cpp).
int RunProgram(int argc, char** argv);

}  // namespace sorvel
