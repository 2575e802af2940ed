#pragma once
#include <string>

namespace sorvel {

struct BatchCommand;

// Reads IN as opening a file does and writes OUT as saving does.
bool RunResave(const BatchCommand& cmd, std::string& error);

}  // namespace sorvel
