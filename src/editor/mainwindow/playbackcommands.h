// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Binds the play, piano keyboard, tuning and play/stop commands of the main
// window to the playback controller it creates.
#include "editor/document/editorshell.h"

namespace sorvel {

void InstallPlaybackCommands(const EditorContext& ctx);

}  // namespace sorvel
