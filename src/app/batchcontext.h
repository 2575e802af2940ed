#pragma once
// What a batch command works with: the built-in preferences, the fallback
// page size, and the book read from the input file.
#include <string>

#include "model/workspace.h"

namespace sorvel {

struct BatchContext : TWorkspace {
    // Reads the score; on failure sets `error` to a one-line message.
    bool Load(const std::string& path, std::string& error);
};

}  // namespace sorvel
