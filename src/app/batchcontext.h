#pragma once
// What a batch command works with: the built-in preferences, the fallback
// page size, and the book read from the input file; and the steps every
// command shares, each failing with a one-line message in `error`.
#include <string>
#include <string_view>

#include "model/workspace.h"

namespace sorvel {

class TMusicSheet;

struct BatchContext : TWorkspace {
    // Reads the score.
    bool Load(const std::string& path, std::string& error);
    // The loaded book's page `number` (1-based), or nullptr.
    TMusicSheet* Page(int number, std::string& error) const;
    // Writes the output file atomically: on failure nothing new is left at
    // `path` and an old file there is kept as it was.
    static bool WriteOutput(const std::string& path, std::string_view bytes, std::string& error);
};

}  // namespace sorvel
