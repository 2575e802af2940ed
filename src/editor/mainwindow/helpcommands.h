// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Help menu's commands: the help pages in the browser, in the interface
// language where they exist, and the about box.
#include <string>

namespace sorvel {

struct EditorContext;

// Binds actHelp and actVer of the window; `language` is the interface
// language's code ("en", "zh_CN", "zh_TW"; empty or "ja": Japanese).
void InstallHelpCommands(const EditorContext& ctx, const std::string& language);

}  // namespace sorvel
