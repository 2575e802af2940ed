// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/practice/practicecommands.h"

#include "editor/practice/checkcommands.h"
#include "editor/practice/frmtuner.h"
#include "model/musicsheet.h"
#include "playback/conversion/keyoffset.h"

namespace sorvel {

void InstallPracticeCommands(const EditorContext& ctx) {
    EditorShell* shell = &ctx.shell;
    auto* tuner = new TfrmTuner(
        shell->SettingsPath(),
        [shell] {
            const TMusicSheet* page = shell->CurrentPage();
            return page ? KeyOffset(*page) : KeyOffset(std::string());
        },
        shell->Window());
    shell->BindCommand("actTuner", [tuner] {
        tuner->show();
        tuner->raise();
        tuner->activateWindow();
    });
    auto* check = new CheckCommands(ctx);
    shell->BindCommand("actCheckTake", [check] { check->CheckRecording(); });
    // Clearing applies while marks of a check are shown.
    shell->BindCommand(
        "actClearCheck", [check] { check->ClearCheck(); },
        [check] { return !check->Overlay().Empty(); });
}

}  // namespace sorvel
