// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Tools menu's practice commands: the tuner window, opened once and
// shown again on each call.
#include "editor/document/editorshell.h"

namespace sorvel {

// Binds "actTuner".
void InstallPracticeCommands(const EditorContext& ctx);

}  // namespace sorvel
