// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "base/usertext.h"

namespace sorvel {

struct BatchCommand;

// --render-wav: the play of the piece holding the page through the built-in
// synthesizer, as a WAV file. The SoundFont is the system's General MIDI one,
// or the file named by the environment variable SORVEL_SOUNDFONT.
bool RunRenderWav(const BatchCommand& cmd, UserText& error);

}  // namespace sorvel
