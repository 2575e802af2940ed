// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of rhythm entry keep the main window's translation context.
#include "editor/mainwindow/rhythmcommands.h"

#include <QAction>
#include <QLabel>

#include "edit/notevalues.h"
#include "editor/dialogs/frmsetinfo.h"
#include "editor/document/editordocument.h"
#include "editor/mainwindow/settingscommands.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/toolpalette.h"
#include "editor/platform/ownsettings.h"
#include "editor/platform/translatedtext.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/undo.h"

namespace sorvel {

namespace {

constexpr char kWindowContext[] = "sorvel::TfrmMain";

// "4分音符", "付点8分音符", … for a length in ticks.
QString LengthName(int ticks) {
    struct Name {
        int ticks;
        const char* name;
    };
    static constexpr Name kNames[] = {
        {kQuarterTicks * 4, QT_TRANSLATE_NOOP("sorvel::TfrmMain", "全音符")},
        {kQuarterTicks * 2, QT_TRANSLATE_NOOP("sorvel::TfrmMain", "2分音符")},
        {kQuarterTicks, QT_TRANSLATE_NOOP("sorvel::TfrmMain", "4分音符")},
        {kQuarterTicks / 2, QT_TRANSLATE_NOOP("sorvel::TfrmMain", "8分音符")},
        {kQuarterTicks / 4, QT_TRANSLATE_NOOP("sorvel::TfrmMain", "16分音符")},
        {kQuarterTicks / 8, QT_TRANSLATE_NOOP("sorvel::TfrmMain", "32分音符")},
        {kQuarterTicks / 16, QT_TRANSLATE_NOOP("sorvel::TfrmMain", "64分音符")}};
    for (const Name& n : kNames) {
        if (n.ticks == ticks) return Translated(kWindowContext, n.name);
        if (n.ticks * 3 == ticks * 2)
            return QCoreApplication::translate("sorvel::TfrmMain", "付点%1")
                .arg(Translated(kWindowContext, n.name));
    }
    return QString::number(ticks);
}

// The status line for what the entry met; empty when there is nothing to say.
QString NoticeText(const RhythmEntry& entry) {
    switch (entry.Notice()) {
        case EntryNotice::kNone:
            break;
        case EntryNotice::kBackToRun:
            return QCoreApplication::translate("sorvel::TfrmMain", "入力中の%1ページに戻りました。")
                .arg(entry.Next().page + 1);
        case EntryNotice::kAfterMusic:
            return QCoreApplication::translate("sorvel::TfrmMain",
                                               "音符の後から新しい小節を始めます。");
        case EntryNotice::kMusicAhead:
            return QCoreApplication::translate("sorvel::TfrmMain",
                                               "この先には音符があるため、入力できません。");
        case EntryNotice::kPickup:
            return QCoreApplication::translate(
                "sorvel::TfrmMain", "弱起の小節を閉じました。次の音符から小節が始まります。");
        case EntryNotice::kShortBar:
            return QCoreApplication::translate("sorvel::TfrmMain", "小節を短く閉じました。");
        case EntryNotice::kGraceWaits:
            return QCoreApplication::translate(
                "sorvel::TfrmMain", "装飾音の後には、それを付ける音符を入力してください。");
        case EntryNotice::kGraceNoAccidental:
            return QCoreApplication::translate("sorvel::TfrmMain",
                                               "装飾音には臨時記号を付けられません。");
        case EntryNotice::kGraceFull:
            return QCoreApplication::translate("sorvel::TfrmMain", "装飾音は４つまでです。");
    }
    return {};
}

// The grace notes waiting for their note as numbered notation writes them
// ("5 1'"), and "…" when g waits for a digit.
QString WaitingGraceText(const RhythmEntry& entry) {
    QStringList digits;
    for (const RhythmEntry::Grace& g : entry.WaitingGraces()) {
        QString digit(QChar::fromLatin1(g.digit));
        digit += QString(std::max(0, g.octave), '\'') + QString(std::max(0, -g.octave), ',');
        digits << digit;
    }
    if (entry.GraceArmed()) digits << QStringLiteral("…");
    return digits.join(' ');
}

// The entry's step for a key other than a digit; none for keys it leaves to
// the key map (marks).
std::function<bool(RhythmEntry&)> StepOfKey(char key) {
    if (const char code = AccidentalOfKey(key)) {
        return [code](RhythmEntry& e) { return e.ToggleAccidental(code); };
    }
    switch (key) {
        case 'x':
            return [](RhythmEntry& e) { return e.ShiftOctave(1); };
        case 'z':
            return [](RhythmEntry& e) { return e.ShiftOctave(-1); };
        case '9':
        case '.':
            return [](RhythmEntry& e) { return e.ToggleDot(); };
        case 'c':
            return [](RhythmEntry& e) { return e.Halve(); };
        case 'v':
            return [](RhythmEntry& e) { return e.Double(); };
        case '-':
            return [](RhythmEntry& e) { return e.AddBeat(); };
        case 'g':
            return [](RhythmEntry& e) { return e.ArmGrace(); };
        case '/':
        case '?':
            return [](RhythmEntry& e) { return e.CloseBar(); };
        default:
            return {};
    }
}

// Palette tools that leave a typed run as it is: marks and accidentals.
// A dot or a new note changes its time, a symbol its bars.
bool KeepsTheRun(TContentKind tool) {
    switch (tool) {
        case ckNone:
        case ckNote:
        case ckFuten:
        case ckBarLine:
        case ckBeat:
        case ckHorizBar:
        case ckCopy:
            return false;
        default:
            return true;
    }
}

}  // namespace

RhythmCommands::RhythmCommands(const EditorContext& ctx) : QObject(ctx.shell.Window()), ctx_(ctx) {
    setObjectName("RhythmCommands");
    label_ = new QLabel;
    label_->setObjectName("lblRhythmEntry");
    label_->hide();
    ctx_.shell.AddStatusWidget(label_);
    // A new book starts with a new entry (the runs name items of the old
    // one): its length shows at once.
    connect(&ctx_.document, &EditorDocument::bookReplaced, this, [this] {
        entry_.reset();
        ShowEntryStatus();
    });
    ctx_.view.onToolPlaced = [this](TContentKind tool, long before) { AfterPalette(tool, before); };
    if (SettingsCommands* settings = SettingsCommands::Of(*ctx_.shell.Window())) {
        connect(settings, &SettingsCommands::optionsApplied, this, [this] {
            if (entry_) entry_->SetNearestOctave(NearestOctaveOption());
        });
    }
}

RhythmCommands::~RhythmCommands() = default;

RhythmCommands* RhythmCommands::Of(QWidget& window) {
    return window.findChild<RhythmCommands*>(QString(), Qt::FindDirectChildrenOnly);
}

bool RhythmCommands::On() const {
    const QAction* action = ctx_.shell.Action("actRhythmEntry");
    return action && action->isChecked();
}

bool RhythmCommands::NearestOctaveOption() const {
    return setting::kRhythmNearestOctave.Read(ctx_.shell.SettingsPath());
}

void RhythmCommands::Toggle() {
    const bool on = On();
    ctx_.view.SetNearestSlotClicks(on);
    label_->setVisible(on);
    // The keys besides the digits, shown once as entry starts and kept on the
    // length shown.
    const QString keys = QCoreApplication::translate(
        "sorvel::TfrmMain",
        "x z: オクターブ　c v: 長さ　# b n: 臨時記号　g: 装飾音　/: 小節を閉じる");
    label_->setToolTip(keys);
    if (on) ctx_.shell.ShowStatus(keys);
    ShowEntryStatus();
}

RhythmEntry& RhythmCommands::Entry() {
    Workspace& ws = ctx_.document.Workspace();
    if (!entry_) {
        entry_ = std::make_unique<RhythmEntry>(ctx_.document.Book(), ws.layout, ws.glyphs);
        entry_->SetNearestOctave(NearestOctaveOption());
    }
    return *entry_;
}

void RhythmCommands::ShowEntryStatus() {
    const int current = entry_ ? entry_->CurrentTicks() : kQuarterTicks;
    const int next = entry_ ? entry_->NextTicks() : current;
    // Right after a dotted note the next note completes it; the current
    // length follows it.
    QString text =
        next != current
            ? QCoreApplication::translate("sorvel::TfrmMain", "リズム入力: %1（付点の後）→ %2")
                  .arg(LengthName(next), LengthName(current))
            : QCoreApplication::translate("sorvel::TfrmMain", "リズム入力: %1")
                  .arg(LengthName(current));
    if (entry_ && (entry_->GraceArmed() || !entry_->WaitingGraces().empty())) {
        text += QCoreApplication::translate("sorvel::TfrmMain", "　装飾音 %1")
                    .arg(WaitingGraceText(*entry_));
    }
    label_->setText(text);
}

bool RhythmCommands::Key(char key) {
    if (!On() || !ctx_.view.KeyCursorShown() || !ctx_.view.Page()) {
        return false;
    }
    if (key >= '0' && key <= '7') {
        Step([key](RhythmEntry& e) {
            return e.GraceArmed() ? e.TypeGrace(key) : e.Type(key) != nullptr;
        });
        return true;
    }
    if (const std::function<bool(RhythmEntry&)> step = StepOfKey(key)) {
        Step(step);
        return true;
    }
    return MarkKey(key);
}

// The mark keys of the key map put their mark on the note just typed.
bool RhythmCommands::MarkKey(char key) {
    const std::optional<TypedTool> chosen =
        ToolPalette::ToolOfTypedKey(key, ctx_.document.Workspace().prefs.IsFingerNo00);
    if (!chosen || chosen->pseudoKey != 0 || chosen->tool == ckNote || chosen->tool == ckBarLine) {
        return false;
    }
    TUndo& undo = ctx_.document.Workspace().undo;
    RhythmEntry& entry = Entry();
    const CursorPos cursor = ctx_.view.KeyCursor();
    entry.Resume(undo.StateId(), {ctx_.shell.PageNo() - 1, cursor.x, cursor.y});
    TNote* note = entry.LastNote();
    ctx_.view.SetTool(ckNone);
    if (entry.Notice() == EntryNotice::kBackToRun) {
        // The mark goes on the note just typed, on the run's page.
        ctx_.shell.ShowPage(entry.Next().page + 1, false);
        ctx_.shell.ShowStatus(NoticeText(entry));
    }
    if (note && &note->Sheet() == ctx_.view.Page()) {
        ctx_.view.SetTool(chosen->tool);
        ctx_.view.SetToolGlyph(chosen->glyph);
        ctx_.view.ApplyTypedToolTo(*note);
        entry.Remember(undo.StateId());
    }
    ctx_.shell.ScheduleUpdate();
    return true;
}

bool RhythmCommands::Backspace() {
    if (!On() || !ctx_.view.KeyCursorShown() || !ctx_.view.Page()) {
        return false;
    }
    Step([](RhythmEntry& e) { return e.RemoveLast(); });
    return true;
}

void RhythmCommands::Step(const std::function<bool(RhythmEntry&)>& step) {
    TUndo& undo = ctx_.document.Workspace().undo;
    RhythmEntry& entry = Entry();
    const CursorPos cursor = ctx_.view.KeyCursor();
    ctx_.view.SetTool(ckNone);
    entry.Resume(undo.StateId(), {ctx_.shell.PageNo() - 1, cursor.x, cursor.y});
    entry.SetEightSize(ctx_.view.MarkEightSize());
    const long before = undo.StateId();
    bool changed = false;
    ctx_.document.Edit("rhythm entry", [&](Transaction&) { changed = step(entry); });
    entry.Remember(undo.StateId());
    const EntryPlace next = entry.Next();
    if (next.page + 1 != ctx_.shell.PageNo()) ctx_.shell.ShowPage(next.page + 1, false);
    // A page the entry made took the current layout over: the view takes
    // the shown page's layout back.
    ctx_.view.RetakePageSettings();
    ctx_.view.ShowKeyCursor(next.x, next.y);
    // Typing runs on down the page: its row stays in sight.
    if (ctx_.view.onScrollToCursor) ctx_.view.onScrollToCursor(ctx_.view.KeyCursor());
    // The note monitor sounds a note that was typed or changed.
    if (changed && undo.StateId() != before && ctx_.view.onNoteEntered) {
        if (TNote* note = entry.LastNote()) ctx_.view.onNoteEntered(note);
    }
    ctx_.view.Redraw();
    ShowEntryStatus();
    if (const QString notice = NoticeText(entry); !notice.isEmpty()) ctx_.shell.ShowStatus(notice);
    ctx_.shell.ScheduleUpdate();
}

void RhythmCommands::CursorAfterUndo() {
    if (!entry_ || !On()) return;
    const std::optional<EntryPlace> next = entry_->NextOf(ctx_.document.Workspace().undo.StateId());
    if (!next || next->page >= ctx_.document.Book().SheetCount()) return;
    if (next->page + 1 != ctx_.shell.PageNo()) ctx_.shell.ShowPage(next->page + 1, false);
    ctx_.view.ShowKeyCursor(next->x, next->y);
    if (ctx_.view.onScrollToCursor) ctx_.view.onScrollToCursor(ctx_.view.KeyCursor());
    // The run goes on as it was in this state: its lengths show again.
    entry_->Resume(ctx_.document.Workspace().undo.StateId(), *next);
    ShowEntryStatus();
}

// A palette mark or accidental clicked onto the page changes no note's time:
// the run goes on, and the key cursor goes back to where it goes on (the
// click had moved it onto the note).
void RhythmCommands::AfterPalette(TContentKind tool, long before) {
    if (!entry_ || !On() || !KeepsTheRun(tool)) return;
    if (!ctx_.view.KeyCursorShown()) return;
    if (!entry_->CarryOver(before, ctx_.document.Workspace().undo.StateId())) return;
    const EntryPlace next = entry_->Next();
    if (next.page + 1 == ctx_.shell.PageNo()) ctx_.view.ShowKeyCursor(next.x, next.y);
}

RhythmCommands* InstallRhythmCommands(const EditorContext& ctx, bool on) {
    auto* commands = new RhythmCommands(ctx);
    ctx.shell.BindCommand("actRhythmEntry", [commands] { commands->Toggle(); });
    ctx.shell.Action("actRhythmEntry")->setChecked(on);
    commands->Toggle();
    return commands;
}

}  // namespace sorvel
