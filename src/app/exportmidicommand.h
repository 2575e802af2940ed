// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "base/usertext.h"

namespace sorvel {

struct BatchCommand;

// --export-midi: the play of the piece holding the page, as a Standard MIDI File.
bool RunExportMidi(const BatchCommand& cmd, UserText& error);

}  // namespace sorvel
