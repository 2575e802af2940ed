// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/mainwindow/playbackcommands.h"

#include "editor/playing/frmkeyboard.h"
#include "editor/playing/frmplay.h"
#include "editor/playing/frmtuning.h"
#include "editor/playing/playbackcontroller.h"

namespace sorvel {

namespace {

void ShowTool(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace

void InstallPlaybackCommands(const EditorContext& ctx) {
    auto* playback = new PlaybackController(ctx);
    EditorShell& main = ctx.shell;
    // Playing needs an output device; the rest of the family works without one.
    const EditorShell::EnabledRule deviceOpen = [playback] { return playback->DeviceOpen(); };
    main.BindCommand(
        "actPlay", [playback] { ShowTool(playback->PlayDialog()); }, deviceOpen);
    main.BindCommand("actDispKeyBoard", [playback] {
        QWidget& keyboard = playback->KeyBoard();
        if (keyboard.isVisible())
            keyboard.hide();
        else
            ShowTool(keyboard);
    });
    main.BindCommand("actTunung", [playback] { playback->Tuning().exec(); });
    main.BindCommand(
        "actPlayStop", [playback] { playback->PlayStop(); }, deviceOpen);
    playback->OpenStoredDevice();
}

}  // namespace sorvel
