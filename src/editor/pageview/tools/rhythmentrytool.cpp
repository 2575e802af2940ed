// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/pageview/tools/rhythmentrytool.h"

#include <optional>

#include "editor/document/editordocument.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/toolpalette.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/undo.h"

namespace sorvel {

namespace {

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

RhythmEntryTool::RhythmEntryTool(EditorDocument& document, TMusicPaintBox& view, QObject* parent)
    : PageTool(parent), document_(document), view_(view) {
    setObjectName("RhythmEntryTool");
    // A new book starts with a new entry (the runs name items of the old one).
    connect(&document_, &EditorDocument::bookReplaced, this, [this] {
        entry_.reset();
        Q_EMIT stepped();
    });
    view_.onToolPlaced = [this](TContentKind tool, long before) { AfterPalette(tool, before); };
}

// The page view may be gone already (the window lets it go first).
RhythmEntryTool::~RhythmEntryTool() = default;

void RhythmEntryTool::Activated() {
    active_ = true;
    view_.SetNearestSlotClicks(true);
}

void RhythmEntryTool::Deactivated() {
    active_ = false;
    view_.SetNearestSlotClicks(false);
}

bool RhythmEntryTool::Ready() const {
    return active_ && view_.KeyCursorShown() && view_.Page();
}

int RhythmEntryTool::PageNo() const {
    return view_.Page() ? document_.Book().IndexOfSheet(view_.Page()) + 1 : 0;
}

void RhythmEntryTool::ApplyOctaveOption() {
    if (entry_ && octaveOption_) entry_->SetNearestOctave(octaveOption_());
}

RhythmEntry& RhythmEntryTool::MakeEntry() {
    if (!entry_) {
        Workspace& ws = document_.Workspace();
        entry_ = std::make_unique<RhythmEntry>(document_.Book(), ws.layout, ws.glyphs);
        ApplyOctaveOption();
    }
    return *entry_;
}

bool RhythmEntryTool::KeyPressed(int key, Qt::KeyboardModifiers modifiers, QChar text) {
    if (key == Qt::Key_Backspace && modifiers == Qt::NoModifier) return Backspace();
    if (!TypesText(modifiers) || text.isNull()) return false;
    const char typed = TypedKey(text);
    return typed != 0 && Key(typed);
}

bool RhythmEntryTool::Key(char key) {
    if (!Ready()) return false;
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
bool RhythmEntryTool::MarkKey(char key) {
    const std::optional<TypedTool> chosen =
        ToolPalette::ToolOfTypedKey(key, document_.Workspace().prefs.IsFingerNo00);
    if (!chosen || chosen->pseudoKey != 0 || chosen->tool == ckNote || chosen->tool == ckBarLine) {
        return false;
    }
    TUndo& undo = document_.Undo();
    RhythmEntry& entry = MakeEntry();
    const CursorPos cursor = view_.KeyCursor();
    entry.Resume(undo.StateId(), {PageNo() - 1, cursor.x, cursor.y});
    TNote* note = entry.LastNote();
    view_.SetTool(ckNone);
    if (entry.Notice() == EntryNotice::kBackToRun) {
        // The mark goes on the note just typed, on the run's page.
        Q_EMIT pageWanted(entry.Next().page + 1);
        Q_EMIT noticed();
    }
    if (note && &note->Sheet() == view_.Page()) {
        view_.SetTool(chosen->tool);
        view_.SetToolGlyph(chosen->glyph);
        view_.ApplyTypedToolTo(*note);
        entry.Remember(undo.StateId());
    }
    Q_EMIT updateWanted();
    return true;
}

bool RhythmEntryTool::Backspace() {
    if (!Ready()) return false;
    Step([](RhythmEntry& e) { return e.RemoveLast(); });
    return true;
}

void RhythmEntryTool::Step(const std::function<bool(RhythmEntry&)>& step) {
    TUndo& undo = document_.Undo();
    RhythmEntry& entry = MakeEntry();
    const CursorPos cursor = view_.KeyCursor();
    view_.SetTool(ckNone);
    entry.Resume(undo.StateId(), {PageNo() - 1, cursor.x, cursor.y});
    entry.SetEightSize(view_.MarkEightSize());
    const long before = undo.StateId();
    bool changed = false;
    document_.Edit("rhythm entry", [&](Transaction&) { changed = step(entry); });
    // The step the transaction made keeps the run it leaves.
    entry.Remember(undo.StateId());
    const EntryPlace next = entry.Next();
    if (next.page + 1 != PageNo()) Q_EMIT pageWanted(next.page + 1);
    // A page the entry made took the current layout over: the view takes
    // the shown page's layout back.
    view_.RetakePageSettings();
    ShowNext(next);
    // The note monitor sounds a note that was typed or changed.
    if (changed && undo.StateId() != before && view_.onNoteEntered) {
        if (TNote* note = entry.LastNote()) view_.onNoteEntered(note);
    }
    view_.Redraw();
    Q_EMIT stepped();
    if (entry.Notice() != EntryNotice::kNone) Q_EMIT noticed();
    Q_EMIT updateWanted();
}

// The key cursor where the run goes on; typing runs on down the page, so its
// row stays in sight.
void RhythmEntryTool::ShowNext(const EntryPlace& next) {
    view_.ShowKeyCursor(next.x, next.y);
    if (view_.onScrollToCursor) view_.onScrollToCursor(view_.KeyCursor());
}

void RhythmEntryTool::AfterUndo() {
    if (!entry_ || !active_) return;
    const long state = document_.Undo().StateId();
    const std::optional<EntryPlace> next = entry_->NextOf(state);
    if (!next || next->page >= document_.Book().SheetCount()) return;
    if (next->page + 1 != PageNo()) Q_EMIT pageWanted(next->page + 1);
    ShowNext(*next);
    // The run goes on as it was in this state: its lengths show again.
    entry_->Resume(state, *next);
    Q_EMIT stepped();
}

// A palette mark or accidental clicked onto the page changes no note's time:
// the run goes on, and the key cursor goes back to where it goes on (the
// click had moved it onto the note).
void RhythmEntryTool::AfterPalette(TContentKind tool, long before) {
    if (!entry_ || !active_ || !KeepsTheRun(tool)) return;
    if (!view_.KeyCursorShown()) return;
    if (!entry_->CarryOver(before, document_.Undo().StateId())) return;
    const EntryPlace next = entry_->Next();
    if (next.page + 1 == PageNo()) view_.ShowKeyCursor(next.x, next.y);
}

}  // namespace sorvel
