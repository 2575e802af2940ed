// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/playing/playbackcontroller.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "editor/document/editordocument.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/scorepaintbox.h"
#include "editor/pageview/scrollintoview.h"
#include "editor/platform/translatedtext.h"
#include "editor/playing/frmkeyboard.h"
#include "editor/playing/frmplay.h"
#include "editor/playing/frmtuning.h"
#include "editor/practice/playalongsession.h"
#include "model/glyphcodes.h"
#include "model/musicbook.h"
#include "model/musicitem.h"
#include "model/musicsheet.h"
#include "model/preferencesfile.h"
#include "playback/conversion/buildsequence.h"
#include "playback/conversion/channelsetup.h"
#include "playback/conversion/keyoffset.h"
#include "playback/conversion/notepitch.h"
#include "playback/conversion/playselection.h"
#include "playback/conversion/removecountin.h"
#include "playback/conversion/sequencewriter.h"
#include "playback/midistatus.h"
#include "playback/mmtimer.h"
#include "playback/monitornote.h"
#include "view/core/playcursor.h"
#include "view/qt/qtcanvas.h"

namespace sorvel {

namespace {

constexpr int kBuildTempo = 64;
constexpr std::int64_t kHalfMillisecond = 500;
constexpr char kPlayHint[] = QT_TRANSLATE_NOOP("sorvel::PlaybackController", "再生");
constexpr char kStopHint[] = QT_TRANSLATE_NOOP("sorvel::PlaybackController", "停止");

// The stop picture of the play button: a red square in the toolbar's style.
QIcon StopIcon() {
    QIcon icon;
    for (int scale : {1, 2, 3}) {
        QPixmap pixmap(20 * scale, 20 * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(QColor(120, 20, 20), 1.0));
        p.setBrush(QColor(210, 50, 50));
        p.drawRect(QRectF(4.5, 4.5, 11, 11));
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace

PlaybackController* FindPlaybackController(QObject& main) {
    return main.findChild<PlaybackController*>(kPlaybackControllerName, Qt::FindDirectChildrenOnly);
}

PlaybackController::PlaybackController(const EditorContext& ctx)
    : QObject(ctx.shell.Window()), ctx_(ctx) {
    setObjectName(kPlaybackControllerName);
    if (ctx_.shell.MidiOutputs()) options_.devices = ctx_.shell.MidiOutputs();
    rcp_.SetStartupValues();
    output_ = std::make_unique<MidiOutput>([this] { return options_.devices(); });
    play_ = std::make_unique<TPlayData>(rcp_, *output_);
    play_->Track(conv_track::kMelody).listeners.push_back(this);
    timer_ = std::make_unique<TMMTimer>();
    timer_->SetInterval(1);
    timer_->SetEnabled(false);
    BuildEngine();
    monitor_ = std::make_unique<MonitorNote>(*output_);

    Preferences& prefs = ctx_.document.Workspace().prefs;
    frmPlay_ = new TfrmPlay(prefs, ctx_.shell.SettingsPath(), ctx_.shell.Window());
    frmPlay_->onPlay = [this] { StartPlayback(); };
    frmPlay_->onStop = [this] { StopPlayback(); };
    frmPlay_->onTempo = [this](int tempo) { sequencer_->SetTickTempo(tempo); };
    frmPlay_->onBias = [this](int bias) { play_->transposition.store(keyOffset_ + bias); };
    frmPlay_->onInstrument = [this](int program) {
        output_->SendShortMessage(kMelodyChannel, midi::kProgramChange, program, 0);
    };
    frmPlay_->onMute = [this](int track, bool muted) {
        if (listening_.load() && track == conv_track::kMelody) muted = true;
        play_->SetTrackMode(track, muted ? track_mode::kMuted : 0);
    };
    frmPlay_->onAlternateMute = [this](bool on) { sequencer_->SetAlternateMute(on); };
    playAlong_ = new PlayAlongSession(ctx_, Clock());
    frmPlay_->SetPlayAlongAvailable(playAlong_->InputAvailable());
    frmKeyBoard_ = new TfrmKeyBoard(ctx_, *output_, ctx_.shell.Window());
    frmTuning_ = new TfrmTuning(
        *output_, [&prefs] { return std::clamp(prefs.Instrument, 0, 127); },
        [this] { return WakeOutput(); }, ctx_.shell.Window());

    needsDevice_ = new QActionGroup(this);
    needsDevice_->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    for (const char* name : {"actPlay", "actPlayStop"})
        if (QAction* action = ctx_.shell.Action(name)) needsDevice_->addAction(action);
    if (QAction* button = ctx_.shell.Action("actPlayStop")) playIcon_ = button->icon();
    UpdateEnabling();

    outputMissing_ = new QLabel(tr(kMsgNoMidiOutput), ctx_.shell.Window());
    outputMissing_->setObjectName(kOutputMissingLabelName);
    ctx_.shell.AddStatusWidget(outputMissing_);
    outputMissing_->hide();

    ScorePaintBox& box = ctx_.shell.PaintBox();
    box.onPaint = [this, drawPage = box.onPaint](QPainter& painter, const QRect& exposed) {
        if (drawPage) drawPage(painter, exposed);
        PaintCursor(painter);
    };
    ctx_.view.onNoteEntered = [this, before = ctx_.view.onNoteEntered](TMusicItem* item) {
        if (before) before(item);
        frmKeyBoard_->NoteEntered(item);
        MonitorNote(item);
    };
    ctx_.shell.OnMidiSettingsChanged(this, [this] { MidiSettingsChanged(); });
    // Directly: the play lets go of the old book before it is destroyed.
    connect(&ctx_.document, &EditorDocument::aboutToReplaceBook, this,
            &PlaybackController::StopForBookReplacement, Qt::DirectConnection);
}

PlaybackController::~PlaybackController() {
    ++openGeneration_;
    JoinOpener();
    // No tick may run, or post to this object, once it is gone. The undo
    // manager may be gone already (the window's members go before its
    // children); it frees what it kept for the play itself.
    sequencer_->StopPlayback();
    sequencer_.reset();
    timer_.reset();
    monitor_.reset();
}

// ---- the device ---------------------------------------------------------------

void PlaybackController::OpenStoredDevice() {
    openPending_ = true;
    // Once the window has shown its first page: loading the synthesizer and
    // its SoundFont takes a core and much memory, and the page comes first.
    constexpr int kAfterFirstPageMs = 300;
    QTimer::singleShot(kAfterFirstPageMs, this, [this] {
        if (openPending_) OpenInBackground(ctx_.document.Workspace().prefs.DeviceID);
    });
}

PlaybackController::Opened PlaybackController::OpenFirstWorking(const MidiOutEnumerator& devices,
                                                                int device) {
    const std::vector<MidiOutEntry> entries = devices();
    auto open = [&entries](int index) -> std::unique_ptr<MidiOut> {
        if (index < 0 || index >= static_cast<int>(entries.size())) return nullptr;
        const MidiOutEntry& entry = entries[static_cast<std::size_t>(index)];
        std::unique_ptr<MidiOut> out = entry.open ? entry.open() : nullptr;
        if (out) out->Reset();
        return out;
    };
    Opened result;
    if ((result.device = open(device))) {
        result.index = device;
    } else if (device != 0 && (result.device = open(0))) {
        result.index = 0;
    }
    return result;
}

void PlaybackController::OpenInBackground(int device) {
    openPending_ = false;
    const int generation = ++openGeneration_;
    JoinOpener();
    output_->CloseMidiOutput();
    openDevice_ = -1;
    UpdateEnabling();
    opener_ = std::thread([this, devices = options_.devices, device, generation] {
        auto opened = std::make_shared<Opened>(OpenFirstWorking(devices, device));
        QMetaObject::invokeMethod(
            this, [this, generation, device, opened] { DeviceArrived(generation, device, opened); },
            Qt::QueuedConnection);
    });
}

void PlaybackController::DeviceArrived(int generation, int requested,
                                       std::shared_ptr<Opened> opened) {
    if (generation != openGeneration_) return;  // superseded: the device closes here
    if (opened->device) {
        output_->OpenDevice(std::move(opened->device));
        openDevice_ = opened->index;
        ShowOutputMissing(false);
        if (opened->index != requested) {
            ctx_.document.Workspace().prefs.DeviceID = opened->index;
            WritePreferenceKey(ctx_.shell.SettingsPath(), "Midi", "DeviceID", opened->index);
        }
    } else {
        openDevice_ = -1;
        ShowOutputMissing(true);
    }
    UpdateEnabling();
}

void PlaybackController::JoinOpener() {
    if (opener_.joinable()) opener_.join();
}

void PlaybackController::UseDevice(std::unique_ptr<MidiOut> device) {
    openPending_ = false;
    ++openGeneration_;
    output_->OpenDevice(std::move(device));
    openDevice_ = -1;
    ShowOutputMissing(false);
    UpdateEnabling();
}

void PlaybackController::SetEngine(PlaybackEngineOptions options) {
    if (IsPlaying()) PlayStop();
    options_ = std::move(options);
    BuildEngine();
}

const TimeSource& PlaybackController::Clock() const {
    return options_.clock ? *options_.clock : steady_;
}

void PlaybackController::BuildEngine() {
    sequencer_.reset();
    SequencerHost* host = this;
    sequencer_ = std::make_unique<Sequencer>(*play_, Clock(), host);
    if (options_.timerDriven) sequencer_->AttachTimer(timer_.get());
    if (playAlong_) playAlong_->SetClock(Clock());
}

void PlaybackController::SetPlayAlongInputs(PlayAlongInputs inputs) {
    playAlong_->SetInputs(std::move(inputs));
    frmPlay_->SetPlayAlongAvailable(playAlong_->InputAvailable());
}

bool PlaybackController::DeviceOpen() const {
    return output_->IsOpen();
}

bool PlaybackController::WakeOutput() {
    const bool awake = output_->WakeDevice();
    ShowOutputMissing(!awake);
    return awake;
}

void PlaybackController::ShowOutputMissing(bool missing) {
    outputMissing_->setVisible(missing);
}

void PlaybackController::UpdateEnabling() {
    const bool open = DeviceOpen();
    needsDevice_->setEnabled(open);
    if (!open && IsPlaying()) PlayStop();
}

void PlaybackController::MidiSettingsChanged() {
    const Preferences& prefs = ctx_.document.Workspace().prefs;
    const bool injected = openDevice_ < 0 && DeviceOpen();
    if (!injected && prefs.DeviceID != openDevice_) {
        if (IsPlaying()) PlayStop();
        OpenInBackground(prefs.DeviceID);
    }
    frmPlay_->SetInstrument(prefs.Instrument);
    output_->SendShortMessage(kMelodyChannel, midi::kProgramChange,
                              std::clamp(prefs.Instrument, 0, 127), 0);
}

// ---- play and stop ------------------------------------------------------------

bool PlaybackController::IsPlaying() const {
    return frmPlay_->IsPlaying();
}

void PlaybackController::PlayStop() {
    if (frmPlay_->IsPlaying()) {
        frmPlay_->SetPlaying(false);
        StopPlayback();
    } else {
        frmPlay_->SetPlaying(true);
        StartPlayback();
    }
}

void PlaybackController::SetMainButton(bool playing) {
    QAction* button = ctx_.shell.Action("actPlayStop");
    if (!button) return;
    button->setIcon(playing ? StopIcon() : playIcon_);
    button->setToolTip(tr(playing ? kStopHint : kPlayHint));
}

void PlaybackController::StartPlayback() {
    TMusicSheet* page = ctx_.shell.CurrentPage();
    // The sound server may have gone since the last play: the device opens
    // its stream again here, or the play does not start.
    if (!page || !WakeOutput()) {
        frmPlay_->SetPlaying(false);
        return;
    }
    ++playGeneration_;
    ClearCursor();
    SetMainButton(true);
    ctx_.shell.SetPlaying(true);
    sequencer_->SetTickTempo(kBuildTempo);

    const TSelectedMusicItemList& selection = ctx_.view.Selection();
    const PlaySelection range =
        SelectPlayRange(std::vector<TMusicItem*>(selection.begin(), selection.end()));
    Preferences& prefs = ctx_.document.Workspace().prefs;
    const BuildResult built =
        BuildSequence(rcp_, *page, range.first, range.last, frmPlay_->Options(), prefs);
    sequencer_->SetTickTempo(built.startTempo);
    SetUpPlayChannels(rcp_, *output_, prefs.RhythmChannelNo, frmPlay_->Instrument());
    // Playing along, the player is the melody: it stays silent throughout.
    alongItem_ = nullptr;
    listening_.store(frmPlay_->PlayAlong() && playAlong_->Begin(frmPlay_->PlayBias()));
    frmPlay_->onMute(conv_track::kMelody, frmPlay_->MelodyMuted());
    frmPlay_->onMute(conv_track::kMetronome, frmPlay_->MetronomeMuted());
    prefs.PlayCount = frmPlay_->PlayCount();

    keyOffset_ = KeyOffset(*page);
    SequencerOptions options;
    options.playBias = keyOffset_ + frmPlay_->PlayBias();
    options.playCount = prefs.PlayCount;
    options.noClickRepeat = frmPlay_->NoClickRepeat();
    options.endless = frmPlay_->LoopEndless();
    options.tempoPercent = frmPlay_->TempoPercent();
    options.tempoRise = frmPlay_->TempoRise();
    sequencer_->SetAlternateMute(!listening_.load() && frmPlay_->AlternateMute());
    // The walk's error is shown, and what was built still plays.
    if (!built.Ok())
        ctx_.shell.Dialogs().showError(ctx_.shell.Window(), Translated(WalkErrorText(built.error)));
    HoldUndoFrees();
    output_->HoldDeviceAwake(true);
    sequencer_->StartPlay(options);
}

void PlaybackController::StopPlayback() {
    // The sequencer returns once no tick is under way; only then does the
    // generation move on, so that the positions a last tick queued carry the
    // old one and are dropped.
    sequencer_->StopPlayback();
    ++playGeneration_;
    SetMainButton(false);
    ctx_.shell.SetPlaying(false);
    frmPlay_->ShowPass(-1, 0);
    ClearCursor();
    EndPlayAlong();
    ReleaseUndoFrees();
    output_->HoldDeviceAwake(false);
}

void PlaybackController::EndPlayAlong() {
    listening_.store(false);
    playAlong_->End();
}

void PlaybackController::PlayFinished() {
    ++playGeneration_;
    frmPlay_->SetPlaying(false);
    SetMainButton(false);
    ctx_.shell.SetPlaying(false);
    frmPlay_->ShowPass(-1, 0);
    ClearCursor();
    EndPlayAlong();
    ReleaseUndoFrees();
    output_->HoldDeviceAwake(false);
}

void PlaybackController::StopForBookReplacement() {
    // The notes heard name items of the book that goes: they are dropped.
    listening_.store(false);
    playAlong_->End(false);
    if (IsPlaying()) frmPlay_->SetPlaying(false);
    StopPlayback();
    rcp_.ClearAllEvents();
    for (int j = 1; j <= TPlayData::kTrackCount; ++j) play_->Track(j).events.Clear();
    frmKeyBoard_->NoteEntered(nullptr);
}

void PlaybackController::HoldUndoFrees() {
    if (holdingUndoFrees_) return;
    ctx_.document.Workspace().undo.HoldFrees();
    holdingUndoFrees_ = true;
}

void PlaybackController::ReleaseUndoFrees() {
    if (!holdingUndoFrees_) return;
    holdingUndoFrees_ = false;
    ctx_.document.Workspace().undo.ReleaseFrees();
}

// ---- the play cursor ------------------------------------------------------------

TMusicSheet* PlaybackController::PageHolding(const TMusicItem* item) const {
    const TMusicBook& book = ctx_.document.Book();
    for (int i = 0; i < book.SheetCount(); ++i) {
        TMusicSheet* page = book.GetSheet(i);
        if (page->IndexOfItem(item) >= 0) return page;
    }
    return nullptr;
}

void PlaybackController::ShowPosition(TMusicItem* item, TMusicItem* previous) {
    // Several events of one note move the cursor once.
    if (!item || item == previous) return;
    // A note whose entry was undone, or whose page was deleted, is out of the
    // book, and may be freed already: it is looked up by its address before
    // anything of it is read, and the cursor stays where it was.
    TMusicSheet* page = PageHolding(item);
    // A dash keeps the cursor on its note.
    if (!page || item->Content() == kSustainDashText) return;
    if (ctx_.shell.CurrentPage() != page)
        ctx_.shell.ShowPage(ctx_.document.Book().IndexOfSheet(page) + 1, false);

    ScrollToCursor(ctx_.shell.ScoreArea(), *item);
    cursorItem_ = item;
    ctx_.shell.PaintBox().update();
}

void PlaybackController::ScrollToCursor(QScrollArea& area, const TMusicItem& item) {
    const qreal scale = ctx_.shell.PaintBox().Scale();
    const int interval = qRound(item.Sheet().RowInterval() * scale);
    // The note's row comes into view with one row above it.
    ScrollRowIntoView(area, qRound(item.PosY() * scale), interval, RowReveal::kNearTop);
    // Zoomed in, a row is wider than the view: a note outside it comes in at
    // the left with the same margin, so the notes after it are in sight.
    QScrollBar* horizontal = area.horizontalScrollBar();
    const int x = qRound(item.PosX() * scale);
    const int width = area.viewport()->width();
    const int margin = std::min(interval, width / 4);
    if (x < horizontal->value() || x >= horizontal->value() + width)
        horizontal->setValue(x - margin);
}

void PlaybackController::ClearCursor() {
    if (!cursorItem_) return;
    cursorItem_ = nullptr;
    ctx_.shell.PaintBox().update();
}

void PlaybackController::PaintCursor(QPainter& painter) {
    const TMusicItem* item = cursorItem_;
    if (!item || ctx_.view.Page() != &item->Sheet()) return;
    painter.save();
    const qreal scale = ctx_.shell.PaintBox().Scale();
    painter.scale(scale, scale);
    QtCanvas canvas(painter, false);
    DrawPlayCursor(canvas, *item, item->Sheet().RowInterval(), ctx_.document.Workspace().prefs);
    painter.restore();
}

// ---- calls from the sequencer -------------------------------------------------------

template <class Work>
void PlaybackController::Queue(Work work) {
    const int generation = playGeneration_.load();
    QMetaObject::invokeMethod(
        this,
        [this, generation, work] {
            if (generation == playGeneration_.load()) work();
        },
        Qt::QueuedConnection);
}

void PlaybackController::RemoveCountIn() {
    sorvel::RemoveCountIn(rcp_);
}

void PlaybackController::OnPassStarting() {
    alongItem_ = nullptr;
    Queue([this] { ClearCursor(); });
}

void PlaybackController::OnPlayFinished() {
    Queue([this] { PlayFinished(); });
}

void PlaybackController::OnPassBegun(int pass, int tempoPercent) {
    Queue([this, pass, tempoPercent] { frmPlay_->ShowPass(pass, tempoPercent); });
}

// The cursor moves when the note is heard: the synthesizer's audio queued
// ahead of the loudspeaker delays the cursor, not the sound. The delay is
// taken as the tick sends the note.
void PlaybackController::OnPlayPosition(const PlayPosition& position) {
    const std::int64_t delay = output_->SoundDelayMicros();
    const std::int64_t heardAt = delay > 0 ? Clock().NowMicros() + delay : 0;
    if (listening_.load() && position.sourceItem != alongItem_) {
        alongItem_ = position.sourceItem;
        const std::int64_t at = heardAt != 0 ? heardAt : Clock().NowMicros();
        Queue([this, item = alongItem_, at, tick = std::int64_t{sequencer_->TickPeriodMicros()}] {
            playAlong_->Reached(item, at, tick);
        });
    }
    Queue([this, item = position.sourceItem, previous = position.previousItem, heardAt] {
        const std::int64_t wait = heardAt - Clock().NowMicros();
        if (heardAt == 0 || wait < kHalfMillisecond) {
            ShowPosition(item, previous);
            return;
        }
        const int generation = playGeneration_.load();
        QTimer::singleShot(static_cast<int>((wait + kHalfMillisecond) / 1000), Qt::PreciseTimer,
                           this, [this, generation, item, previous] {
                               if (generation == playGeneration_.load())
                                   ShowPosition(item, previous);
                           });
    });
}

// ---- the note monitor -------------------------------------------------------------

void PlaybackController::MonitorNote(TMusicItem* item) {
    if (!item || !ctx_.document.Workspace().prefs.IsMonitorMode) return;
    const std::optional<int> note = MonitorNoteNumber(*item);
    if (note && WakeOutput()) monitor_->PlayMonitorNote(*note);
}

}  // namespace sorvel
