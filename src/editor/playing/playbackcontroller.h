// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The editor's side of playback: the MIDI output and the choice of its device
// (opened off the GUI thread, since the synthesizer's SoundFont takes a while),
// the sequence and the sequencer on the 1 ms timer, the note monitor, the
// play dialog, keyboard and tuning windows, and the play cursor that follows
// the melody across the pages. The sequencer's calls from the timer thread
// reach the GUI thread only as queued calls.
#include <QIcon>
#include <QObject>
#include <atomic>
#include <memory>
#include <thread>

#include "editor/document/editorshell.h"
#include "editor/practice/playalonginput.h"
#include "playback/midioutput.h"
#include "playback/playdata.h"
#include "playback/rcpdata.h"
#include "playback/sequencer.h"
#include "playback/timesource.h"

class QActionGroup;
class QLabel;
class QPainter;
class QScrollArea;

namespace sorvel {

class TfrmKeyBoard;
class PlayAlongSession;
class TfrmPlay;
class TfrmTuning;
class TMMTimer;
class MonitorNote;
class TMusicItem;
class TMusicSheet;

inline constexpr char kPlaybackControllerName[] = "PlaybackController";
inline constexpr char kOutputMissingLabelName[] = "lblNoMidiOutput";
inline constexpr char kMsgNoMidiOutput[] = QT_TRANSLATE_NOOP(
    "sorvel::PlaybackController", "音声出力を開けないため、演奏とモニター音は使えません。");

// Where the engine's sound and time come from. Tests hand in the capture
// device and a virtual clock whose ticks they run themselves.
struct PlaybackEngineOptions {
    MidiOutEnumerator devices = [] { return SystemMidiOutputs(); };
    const TimeSource* clock = nullptr;  // nullptr: the steady clock
    bool timerDriven = true;            // false: the caller runs SequencerTick
};

class PlaybackController : public QObject, private SequencerHost, private PlayListener {
    Q_OBJECT
public:
    explicit PlaybackController(const EditorContext& ctx);
    ~PlaybackController() override;

    // The device stored in the settings, else device 0, opened in the
    // background; play is unavailable until it is open.
    void OpenStoredDevice();
    // Makes `device` the output at once (the capture device of tests); a
    // device still being opened is dropped when it arrives.
    void UseDevice(std::unique_ptr<MidiOut> device);
    // New devices and clock; stops a play first.
    void SetEngine(PlaybackEngineOptions options);
    bool DeviceOpen() const;

    // btnPlayStop and the P key: stop while playing, else play.
    void PlayStop();
    void StartPlayback();
    void StopPlayback();
    bool IsPlaying() const;
    // Before the book is replaced (new, open, drop, import, recovery): stops a
    // play at once, drops the positions still on their way to the GUI thread
    // and forgets every item of the old book, so nothing reads it once freed.
    void StopForBookReplacement();

    // The note monitor: sounds an entered or changed note for one second.
    void MonitorNote(TMusicItem* item);
    // After the options dialog changed the MIDI settings.
    void MidiSettingsChanged();

    TfrmPlay& PlayDialog() { return *frmPlay_; }
    TfrmKeyBoard& KeyBoard() { return *frmKeyBoard_; }
    TfrmTuning& Tuning() { return *frmTuning_; }
    MidiOutput& Output() { return *output_; }
    Sequencer& Sequencer() { return *sequencer_; }
    TPlayData& Play() { return *play_; }
    TRcpData& Rcp() { return rcp_; }
    // Playing along with the microphone; tests hand in their own input.
    PlayAlongSession& PlayAlong() { return *playAlong_; }
    void SetPlayAlongInputs(PlayAlongInputs inputs);
    // The note the play cursor stands at; none while no cursor is drawn.
    const TMusicItem* CursorItem() const { return cursorItem_; }

private:
    struct Opened {
        std::unique_ptr<MidiOut> device;
        int index = -1;
    };
    static Opened OpenFirstWorking(const MidiOutEnumerator& devices, int device);
    void OpenInBackground(int device);
    void DeviceArrived(int generation, int requested, std::shared_ptr<Opened> opened);
    void JoinOpener();
    void UpdateEnabling();
    void BuildEngine();
    const TimeSource& Clock() const;
    // Wakes the device before sounding on purpose; while it cannot sound the
    // status bar says so, until it works again.
    bool WakeOutput();
    void ShowOutputMissing(bool missing);

    void SetMainButton(bool playing);
    // The page of the current book that holds `item`, compared by address
    // only; nullptr when it is in none.
    TMusicSheet* PageHolding(const TMusicItem* item) const;
    void ShowPosition(TMusicItem* item, TMusicItem* previous);
    void ScrollToCursor(QScrollArea& area, const TMusicItem& item);
    void ClearCursor();
    void PlayFinished();
    void EndPlayAlong();
    // The play's sequence names items of the undo history: they stay alive
    // until the play ends.
    void HoldUndoFrees();
    void ReleaseUndoFrees();
    void PaintCursor(QPainter& painter);

    // The sequencer's calls, on the timer thread.
    void RemoveCountIn() override;
    void OnPassStarting() override;
    void OnPlayFinished() override;
    void OnPassBegun(int pass, int tempoPercent) override;
    void OnPlayPosition(const PlayPosition& position) override;
    // Runs `work` on the GUI thread unless a newer play began meanwhile.
    template <class Work>
    void Queue(Work work);

    EditorContext ctx_;
    PlaybackEngineOptions options_;
    std::unique_ptr<MidiOutput> output_;
    TRcpData rcp_;
    std::unique_ptr<TPlayData> play_;
    SteadyTimeSource steady_;
    std::unique_ptr<TMMTimer> timer_;
    std::unique_ptr<Sequencer> sequencer_;
    std::unique_ptr<MonitorNote> monitor_;

    TfrmPlay* frmPlay_ = nullptr;
    TfrmKeyBoard* frmKeyBoard_ = nullptr;
    TfrmTuning* frmTuning_ = nullptr;
    PlayAlongSession* playAlong_ = nullptr;
    // The play listens to the player: the melody stays silent. The note the
    // play reached last, on the timer thread.
    std::atomic<bool> listening_{false};
    const TMusicItem* alongItem_ = nullptr;
    QActionGroup* needsDevice_ = nullptr;
    QLabel* outputMissing_ = nullptr;  // in the status bar
    QIcon playIcon_;

    std::thread opener_;
    int openGeneration_ = 0;
    bool openPending_ = false;
    int openDevice_ = -1;  // the device number open; -1 none or an injected device
    int keyOffset_ = 0;    // of the page the play started on
    // Bumped at every start and stop: queued calls of an older play are dropped.
    std::atomic<int> playGeneration_{0};
    const TMusicItem* cursorItem_ = nullptr;
    bool holdingUndoFrees_ = false;
};

// The controller installed on the window `main`, or nullptr.
PlaybackController* FindPlaybackController(QObject& main);

}  // namespace sorvel
