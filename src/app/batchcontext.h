// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a batch command works with: the built-in preferences, the fallback
// page size, and the book read from the input file; and the steps every
// command shares, each failing with a one-line message in `error`.
#include <string>
#include <string_view>

#include "base/usertext.h"
#include "model/workspace.h"

namespace sorvel {

class TMusicSheet;

// "path: message", the line of a failure that concerns one file.
UserText AboutFile(const std::string& path, UserText message);
// "message (detail)", a failure with what the system said; the message alone
// when the system said nothing.
UserText WithDetail(UserText message, const std::string& detail);

struct BatchContext : Workspace {
    // Reads the score.
    bool Load(const std::string& path, UserText& error);
    // The loaded book's page `number` (1-based), or nullptr.
    TMusicSheet* Page(int number, UserText& error) const;
    // Writes the output file atomically: on failure nothing new is left at
    // `path` and an old file there is kept as it was.
    static bool WriteOutput(const std::string& path, std::string_view bytes, UserText& error);
};

}  // namespace sorvel
