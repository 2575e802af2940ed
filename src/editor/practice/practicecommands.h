// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Tools menu's practice commands: the tuner window (opened once, shown
// again on each call) and the check of a take against the page.
#include "editor/document/editorshell.h"

namespace sorvel {

// Binds "actTuner", "actCheckTake" and "actClearCheck".
void InstallPracticeCommands(const EditorContext& ctx);

}  // namespace sorvel
