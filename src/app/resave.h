// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "base/usertext.h"

namespace sorvel {

struct BatchCommand;

// Reads IN as opening a file does and writes OUT as saving does.
bool RunResave(const BatchCommand& cmd, UserText& error);

}  // namespace sorvel
