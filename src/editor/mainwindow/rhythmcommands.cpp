// SPDX-License-Identifier: GPL-3.0-or-later
// Rhythm entry in the main window: the checkable Tools entry, the keys that
// type notes of the current length while the key cursor is shown (with
// accidentals, grace notes and a bar closed short), the status-bar line with
// the length of the next note and the grace notes waiting for it, what the
// entry met (its page shown again, music it begins after or stops at), and
// the cursor that follows the typed run (also through undo and redo, and
// after the palette put a mark on it). The bars themselves are filled and
// laid out by the edit layer's RhythmEntry.
#include <QLabel>

#include "edit/notevalues.h"
#include "editor/dialogs/frmsetinfo.h"
#include "editor/mainwindow/frmmain.h"
#include "editor/mainwindow/settingscommands.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/toolpalette.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/preferencesfile.h"
#include "model/undo.h"

namespace sorvel {

namespace {

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
        if (n.ticks == ticks) return TfrmMain::tr(n.name);
        if (n.ticks * 3 == ticks * 2) return TfrmMain::tr("付点%1").arg(TfrmMain::tr(n.name));
    }
    return QString::number(ticks);
}

// The status line for what the entry met; empty when there is nothing to say.
QString NoticeText(const RhythmEntry& entry) {
    switch (entry.Notice()) {
        case EntryNotice::kNone:
            break;
        case EntryNotice::kBackToRun:
            return TfrmMain::tr("入力中の%1ページに戻りました。").arg(entry.Next().page + 1);
        case EntryNotice::kAfterMusic:
            return TfrmMain::tr("音符の後から新しい小節を始めます。");
        case EntryNotice::kMusicAhead:
            return TfrmMain::tr("この先には音符があるため、入力できません。");
        case EntryNotice::kPickup:
            return TfrmMain::tr("弱起の小節を閉じました。次の音符から小節が始まります。");
        case EntryNotice::kShortBar:
            return TfrmMain::tr("小節を短く閉じました。");
        case EntryNotice::kGraceWaits:
            return TfrmMain::tr("装飾音の後には、それを付ける音符を入力してください。");
        case EntryNotice::kGraceNoAccidental:
            return TfrmMain::tr("装飾音には臨時記号を付けられません。");
        case EntryNotice::kGraceFull:
            return TfrmMain::tr("装飾音は４つまでです。");
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

void TfrmMain::InstallRhythmEntry() {
    BindCommand("actRhythmEntry", [this] { ToggleRhythmEntry(); });
    // A new book starts with a new entry: its length shows at once.
    connect(document_.get(), &EditorDocument::bookReplaced, this, [this] { ShowRhythmStatus(); });
    view_->onToolPlaced = [this](TContentKind tool, long before) {
        RhythmAfterPalette(tool, before);
    };
    if (SettingsCommands* settings = SettingsCommands::Of(*this)) {
        connect(settings, &SettingsCommands::optionsApplied, this, [this] {
            if (rhythm_) rhythm_->SetNearestOctave(NearestOctaveOption());
        });
    }
}

bool TfrmMain::NearestOctaveOption() const {
    return ReadPreferenceInt(settingsPath_, kAutoOctaveSection, kAutoOctaveKey, 1) != 0;
}

void TfrmMain::ToggleRhythmEntry() {
    const bool on = actions_["actRhythmEntry"]->isChecked();
    view_->SetNearestSlotClicks(on);
    rhythmLabel_->setVisible(on);
    // The keys besides the digits, shown once as entry starts and kept on the
    // length shown.
    const QString keys =
        tr("x z: オクターブ　c v: 長さ　# b n: 臨時記号　g: 装飾音　/: 小節を閉じる");
    rhythmLabel_->setToolTip(keys);
    if (on) ShowStatus(keys);
    ShowRhythmStatus();
}

RhythmEntry& TfrmMain::Rhythm() {
    TWorkspace& ws = Workspace();
    if (!rhythm_) {
        rhythm_ = std::make_unique<RhythmEntry>(Book(), ws.layout, ws.glyphs);
        rhythm_->SetNearestOctave(NearestOctaveOption());
    }
    return *rhythm_;
}

void TfrmMain::ShowRhythmStatus() {
    const int current = rhythm_ ? rhythm_->CurrentTicks() : kQuarterTicks;
    const int next = rhythm_ ? rhythm_->NextTicks() : current;
    // Right after a dotted note the next note completes it; the current
    // length follows it.
    QString text =
        next != current
            ? tr("リズム入力: %1（付点の後）→ %2").arg(LengthName(next), LengthName(current))
            : tr("リズム入力: %1").arg(LengthName(current));
    if (rhythm_ && (rhythm_->GraceArmed() || !rhythm_->WaitingGraces().empty())) {
        text += tr("　装飾音 %1").arg(WaitingGraceText(*rhythm_));
    }
    rhythmLabel_->setText(text);
}

bool TfrmMain::RhythmKey(char key) {
    if (!actions_["actRhythmEntry"]->isChecked() || !view_->KeyCursorShown() || !view_->Page()) {
        return false;
    }
    if (key >= '0' && key <= '7') {
        RhythmStep([key](RhythmEntry& e) {
            return e.GraceArmed() ? e.TypeGrace(key) : e.Type(key) != nullptr;
        });
        return true;
    }
    if (const std::function<bool(RhythmEntry&)> step = StepOfKey(key)) {
        RhythmStep(step);
        return true;
    }
    return RhythmMarkKey(key);
}

// The mark keys of the key map put their mark on the note just typed.
bool TfrmMain::RhythmMarkKey(char key) {
    const std::optional<TypedTool> chosen =
        ToolPalette::ToolOfTypedKey(key, Workspace().prefs.IsFingerNo00);
    if (!chosen || chosen->pseudoKey != 0 || chosen->tool == ckNote || chosen->tool == ckBarLine) {
        return false;
    }
    TUndo& undo = Workspace().undo;
    RhythmEntry& entry = Rhythm();
    const CursorPos cursor = view_->KeyCursor();
    entry.Resume(undo.StateId(), {pageNo_ - 1, cursor.x, cursor.y});
    TNote* note = entry.LastNote();
    view_->SetTool(ckNone);
    if (entry.Notice() == EntryNotice::kBackToRun) {
        // The mark goes on the note just typed, on the run's page.
        ShowPage(entry.Next().page + 1, false);
        ShowStatus(NoticeText(entry));
    }
    if (note && &note->Sheet() == view_->Page()) {
        view_->SetTool(chosen->tool);
        view_->SetToolGlyph(chosen->glyph);
        view_->ApplyTypedToolTo(*note);
        entry.Remember(undo.StateId());
    }
    ScheduleUpdate();
    return true;
}

bool TfrmMain::RhythmBackspace() {
    if (!actions_["actRhythmEntry"]->isChecked() || !view_->KeyCursorShown() || !view_->Page()) {
        return false;
    }
    RhythmStep([](RhythmEntry& e) { return e.RemoveLast(); });
    return true;
}

void TfrmMain::RhythmStep(const std::function<bool(RhythmEntry&)>& step) {
    TUndo& undo = Workspace().undo;
    RhythmEntry& entry = Rhythm();
    const CursorPos cursor = view_->KeyCursor();
    view_->SetTool(ckNone);
    entry.Resume(undo.StateId(), {pageNo_ - 1, cursor.x, cursor.y});
    entry.SetEightSize(view_->MarkEightSize());
    const long before = undo.StateId();
    bool changed = false;
    document_->Edit("rhythm entry", [&](Transaction&) { changed = step(entry); });
    entry.Remember(undo.StateId());
    const EntryPlace next = entry.Next();
    if (next.page + 1 != pageNo_) ShowPage(next.page + 1, false);
    // A page the entry made took the current layout over: the view takes
    // the shown page's layout back.
    view_->RetakePageSettings();
    view_->ShowKeyCursor(next.x, next.y);
    // Typing runs on down the page: its row stays in sight.
    if (view_->onScrollToCursor) view_->onScrollToCursor(view_->KeyCursor());
    // The note monitor sounds a note that was typed or changed.
    if (changed && undo.StateId() != before && view_->onNoteEntered) {
        if (TNote* note = entry.LastNote()) view_->onNoteEntered(note);
    }
    view_->Redraw();
    ShowRhythmStatus();
    if (const QString notice = NoticeText(entry); !notice.isEmpty()) ShowStatus(notice);
    ScheduleUpdate();
}

void TfrmMain::RhythmCursorAfterUndo() {
    if (!rhythm_ || !actions_["actRhythmEntry"]->isChecked()) return;
    const std::optional<EntryPlace> next = rhythm_->NextOf(Workspace().undo.StateId());
    if (!next || next->page >= Book().SheetCount()) return;
    if (next->page + 1 != pageNo_) ShowPage(next->page + 1, false);
    view_->ShowKeyCursor(next->x, next->y);
    if (view_->onScrollToCursor) view_->onScrollToCursor(view_->KeyCursor());
    // The run goes on as it was in this state: its lengths show again.
    rhythm_->Resume(Workspace().undo.StateId(), *next);
    ShowRhythmStatus();
}

// A palette mark or accidental clicked onto the page changes no note's time:
// the run goes on, and the key cursor goes back to where it goes on (the
// click had moved it onto the note).
void TfrmMain::RhythmAfterPalette(TContentKind tool, long before) {
    if (!rhythm_ || !actions_["actRhythmEntry"]->isChecked() || !KeepsTheRun(tool)) return;
    if (!view_->KeyCursorShown()) return;
    if (!rhythm_->CarryOver(before, Workspace().undo.StateId())) return;
    const EntryPlace next = rhythm_->Next();
    if (next.page + 1 == pageNo_) view_->ShowKeyCursor(next.x, next.y);
}

}  // namespace sorvel
