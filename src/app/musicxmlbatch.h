// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The MusicXML batch commands: a staff score in, a book out, and back.
#include "base/usertext.h"

namespace sorvel {

struct BatchCommand;

// Reads the part (cmd.part, or the first with notes), writes it as a score
// file, and prints the one-line summary of what was left out on stderr.
bool RunImportMusicXml(const BatchCommand& cmd, UserText& error);

// Writes the book as MusicXML 4.0.
bool RunExportMusicXml(const BatchCommand& cmd, UserText& error);

}  // namespace sorvel
