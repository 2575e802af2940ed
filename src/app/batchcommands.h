// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "base/usertext.h"

namespace sorvel {

struct BatchCommand;

// Runs one batch command; false with a one-line message on failure. No
// output file is left behind on failure. The application object the command
// needs exists already (ConsoleSession).
bool RunBatchCommand(const BatchCommand& cmd, UserText& error);

// The editor on the files named on the command line (guiprogram.cpp).
int RunProgram(int& argc, char** argv, const std::vector<std::string>& files);

}  // namespace sorvel
