// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The batch transcription: a recording of a melody in, a numbered-notation
// book out, with its one-line summary on stderr.
#include "base/usertext.h"

namespace sorvel {

struct BatchCommand;

// Reads the recording (cmd.input), writes the book (cmd.output); --tempo,
// --meter and --key (cmd.tempo, cmd.meter, cmd.key) fix what they name.
bool RunTranscribe(const BatchCommand& cmd, UserText& error);

}  // namespace sorvel
