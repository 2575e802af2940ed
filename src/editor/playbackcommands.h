#pragma once
// Binds the play, piano keyboard, tuning and play/stop commands of the main
// window to the playback controller it creates.
namespace sorvel {

class TfrmMain;

void InstallPlaybackCommands(TfrmMain& main);

}  // namespace sorvel
