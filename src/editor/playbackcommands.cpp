#include "editor/playbackcommands.h"

#include "editor/frmkeyboard.h"
#include "editor/frmmain.h"
#include "editor/frmplay.h"
#include "editor/frmtuning.h"
#include "editor/playbackcontroller.h"

namespace sorvel {

namespace {

void ShowTool(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace

void InstallPlaybackCommands(TfrmMain& main) {
    auto* playback = new PlaybackController(main);
    main.BindCommand("actPlay", [playback] { ShowTool(playback->PlayDialog()); });
    main.BindCommand("actDispKeyBoard", [playback] {
        QWidget& keyboard = playback->KeyBoard();
        if (keyboard.isVisible())
            keyboard.hide();
        else
            ShowTool(keyboard);
    });
    main.BindCommand("actTunung", [playback] { playback->Tuning().exec(); });
    main.BindCommand("actPlayStop", [playback] { playback->PlayStop(); });
    playback->OpenStoredDevice();
}

}  // namespace sorvel
