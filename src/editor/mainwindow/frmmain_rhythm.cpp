// Rhythm entry in the main window: the checkable Tools entry, the keys that
// type notes of the current length while the key cursor is shown, the
// status-bar line with the length of the next note, what the entry met (its
// page shown again, music it begins after or stops at), and the cursor that
// follows the typed run (also through undo and redo). The bars themselves
// are filled and laid out by the edit layer's RhythmEntry.
#include <QLabel>

#include "edit/notevalues.h"
#include "editor/mainwindow/frmmain.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/toolpalette.h"
#include "model/musicsheet.h"
#include "model/note.h"
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
    }
    return {};
}

}  // namespace

void TfrmMain::InstallRhythmEntry() {
    BindCommand("actRhythmEntry", [this] { ToggleRhythmEntry(); });
}

void TfrmMain::ToggleRhythmEntry() {
    const bool on = actions_["actRhythmEntry"]->isChecked();
    view_->SetNearestSlotClicks(on);
    rhythmLabel_->setVisible(on);
    ShowRhythmStatus();
}

RhythmEntry& TfrmMain::Rhythm() {
    TWorkspace& ws = Workspace();
    if (!rhythm_) rhythm_ = std::make_unique<RhythmEntry>(Book(), ws.layout, ws.glyphs);
    return *rhythm_;
}

void TfrmMain::ShowRhythmStatus() {
    const int current = rhythm_ ? rhythm_->CurrentTicks() : kQuarterTicks;
    const int next = rhythm_ ? rhythm_->NextTicks() : current;
    // Right after a dotted note the next note completes it; the current
    // length follows it.
    if (next != current) {
        rhythmLabel_->setText(
            tr("リズム入力: %1（付点の後）→ %2").arg(LengthName(next), LengthName(current)));
    } else {
        rhythmLabel_->setText(tr("リズム入力: %1").arg(LengthName(current)));
    }
}

bool TfrmMain::RhythmKey(char key) {
    if (!actions_["actRhythmEntry"]->isChecked() || !view_->KeyCursorShown() || !view_->Page()) {
        return false;
    }
    if (key >= '0' && key <= '7') {
        RhythmStep([key](RhythmEntry& e) { return e.Type(key) != nullptr; });
        return true;
    }
    switch (key) {
        case 'x':
            RhythmStep([](RhythmEntry& e) { return e.ShiftOctave(1); });
            return true;
        case 'z':
            RhythmStep([](RhythmEntry& e) { return e.ShiftOctave(-1); });
            return true;
        case '9':
        case '.':
            RhythmStep([](RhythmEntry& e) { return e.ToggleDot(); });
            return true;
        case 'c':
            RhythmStep([](RhythmEntry& e) { return e.Halve(); });
            return true;
        case 'v':
            RhythmStep([](RhythmEntry& e) { return e.Double(); });
            return true;
        case '-':
            RhythmStep([](RhythmEntry& e) { return e.AddBeat(); });
            return true;
        default:
            break;
    }
    // The mark keys of the key map put their mark on the note just typed.
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
    bool changed = false;
    {
        TUndoGroup group(undo);
        changed = step(entry);
    }
    entry.Remember(undo.StateId());
    const EntryPlace next = entry.Next();
    if (next.page + 1 != pageNo_) ShowPage(next.page + 1, false);
    // A page the entry made took the current layout over: the view takes
    // the shown page's layout back.
    view_->RetakePageSettings();
    view_->ShowKeyCursor(next.x, next.y);
    // Typing runs on down the page: its row stays in sight.
    if (view_->onScrollToCursor) view_->onScrollToCursor(view_->KeyCursor());
    if (changed && view_->onNoteEntered) {
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

}  // namespace sorvel
