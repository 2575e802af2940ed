#pragma once
#include <string>

namespace sorvel {

struct BatchCommand;

// --export-png, --export-bmp, --export-pdf: draws pages without a display.
bool RunPageExport(const BatchCommand& cmd, int argc, char** argv, std::string& error);

}  // namespace sorvel
