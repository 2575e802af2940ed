// SPDX-License-Identifier: GPL-3.0-or-later
// The page view's keys: the key cursor's steps, Delete and Backspace, the
// octave and length keys, typed accidentals, and the note just typed, which
// those keys act on while the cursor stands right after it.
#include <algorithm>

#include "editor/document/editordocument.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/pagetool.h"
#include "editor/pageview/scorepaintbox.h"
#include "model/glyphcodes.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/workspace.h"

namespace sorvel {

char AccidentalOfKey(char key) {
    switch (key) {
        case '#':
            return kSharpRinji;
        case 'b':
            return kFlatRinji;
        case 'n':
            return kNaturalRinji;
        default:
            return 0;
    }
}

void TMusicPaintBox::ActivateTool(PageTool* tool) {
    if (tool == activeTool_) return;
    if (activeTool_) activeTool_->Deactivated();
    activeTool_ = tool;
    if (activeTool_) activeTool_->Activated();
}

bool TMusicPaintBox::KeyPressed(int key, Qt::KeyboardModifiers modifiers, QChar text) {
    if (activeTool_ && activeTool_->KeyPressed(key, modifiers, text)) return true;
    return baseTool_ && baseTool_->KeyPressed(key, modifiers, text);
}

TNote* TMusicPaintBox::JustTyped() const {
    const Typed& t = justTyped_;
    if (!t.note || !KeyCursorShown() || t.state != ws_.undo.StateId()) return nullptr;
    // The same undo state: the note is still in the book as it was typed.
    if (!(cursor_ == t.after) || &t.note->Sheet() != page_) return nullptr;
    return t.note;
}

void TMusicPaintBox::RememberTyped(TNote* note) {
    justTyped_ = {note, cursor_, ws_.undo.StateId()};
}

void TMusicPaintBox::Key(int key, Qt::KeyboardModifiers modifiers) {
    if (!page_) return;
    if (KeyCursorShown()) {
        switch (key) {
            case Qt::Key_Left:
            case Qt::Key_Right:
            case Qt::Key_Up:
            case Qt::Key_Down:
                StepKeyCursor(key, modifiers);
                return;
            case Qt::Key_Delete:
                if (TMusicItem* item = NoteAtSlot(cursor_.x, cursor_.y)) {
                    ClearSelection();
                    SelectWithLinks(item);
                    DeleteSelection();
                }
                return;
            case Qt::Key_Backspace:
                StepBackDeleting();
                return;
            case kKeyOctaveUp:
            case kKeyOctaveDown:
            case kKeyShorter:
            case kKeyLonger:
                ChangeNoteAtCursor(key);
                return;
            default:
                return;
        }
    }
    switch (key) {
        case Qt::Key_Delete:
            DeleteSelection();
            return;
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case kKeyOctaveUp:
        case kKeyOctaveDown:
        case kKeyShorter:
        case kKeyLonger:
            ChangeSelectedNotes(key);
            return;
        default:
            return;
    }
}

void TMusicPaintBox::StepKeyCursor(int key, Qt::KeyboardModifiers modifiers) {
    PageLayout layout(ws_.layout);
    switch (key) {
        case Qt::Key_Left:
            cursor_ = layout.StepLeft(cursor_);
            break;
        case Qt::Key_Up:
            cursor_ = layout.StepUp(cursor_);
            break;
        case Qt::Key_Down:
            cursor_ = layout.StepDown(cursor_);
            break;
        default:
            cursor_ = ws_.prefs.IsSkipCursor ? layout.StepRightSkipping(cursor_, *page_)
                                             : layout.StepRight(cursor_);
            if (modifiers & Qt::ShiftModifier) NoteEntered(NoteAtSlot(cursor_.x, cursor_.y));
            break;
    }
    cursorMarkVisible_ = true;
    blink_.start();  // the mark shows at once at its new place
    if (onScrollToCursor) onScrollToCursor(cursor_);
    box_.update();
}

// Backspace takes back what was typed last: what stands in the slot before
// the cursor goes (with its marks), and the cursor steps back onto it.
void TMusicPaintBox::StepBackDeleting() {
    const CursorPos back = PageLayout(ws_.layout).StepLeft(cursor_);
    if (back == cursor_) return;
    if (TMusicItem* item = NoteAtSlot(back.x, back.y)) {
        ClearSelection();
        SelectWithLinks(item);
        DeleteSelection();
    }
    StepKeyCursor(Qt::Key_Left, Qt::NoModifier);
}

// Right after a note is typed the keys act on it, not on the empty slot the
// cursor moved on to; otherwise on the note at the cursor.
void TMusicPaintBox::ChangeNoteAtCursor(int key) {
    TNote* note = JustTyped();
    if (!note) {
        if (TMusicItem* item = NoteAtSlot(cursor_.x, cursor_.y)) note = item->As<TNote>();
    }
    if (!note) return;
    const bool typed = note == JustTyped();
    document_.Edit("change typed note", [&](Transaction&) {
        switch (key) {
            case kKeyOctaveUp:
                note->SetOctave(note->Octave() + 1);
                break;
            case kKeyOctaveDown:
                note->SetOctave(note->Octave() - 1);
                break;
            case kKeyShorter:
                note->SetLength(note->Length() + 1);
                break;
            default:
                if (note->Length() != 0) note->SetLength(note->Length() - 1);
                break;
        }
    });
    if (typed) RememberTyped(note);
    if (key == kKeyOctaveUp || key == kKeyOctaveDown) NoteEntered(note);
    Redraw();
}

void TMusicPaintBox::ChangeSelectedNotes(int key) {
    document_.Edit("change selected notes", [&](Transaction&) {
        for (TMusicItem* item : selection_) {
            TNote* note = item->As<TNote>();
            if (!note) continue;
            switch (key) {
                case Qt::Key_Up:
                case kKeyOctaveUp:
                    note->SetOctave(note->Octave() + 1);
                    NoteEntered(note);
                    break;
                case Qt::Key_Down:
                case kKeyOctaveDown:
                    note->SetOctave(note->Octave() - 1);
                    NoteEntered(note);
                    break;
                case Qt::Key_Left:
                case kKeyShorter:
                    note->SetLength(note->Length() + 1);
                    break;
                default:
                    if (note->Length() != 0) note->SetLength(note->Length() - 1);
                    break;
            }
        }
    });
    Redraw();
}

void TMusicPaintBox::TypeAccidental(char code) {
    if (!page_ || code == 0) return;
    SetTool(ckRinji);
    SetToolGlyph(std::string(1, code));
    ApplyTypedTool();
}

}  // namespace sorvel
