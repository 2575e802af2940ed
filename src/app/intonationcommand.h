// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The batch check of a take: a book and a recording of it in, the report of
// every written note (cents, timing, missed) out as CSV.
#include "base/usertext.h"

namespace sorvel {

struct BatchCommand;

// Reads the book (cmd.input) and the take (cmd.take), writes the report
// (cmd.output): the whole book, or with --page the page the take plays.
bool RunIntonation(const BatchCommand& cmd, UserText& error);

}  // namespace sorvel
