// SPDX-License-Identifier: GPL-3.0-or-later
// The page view's placing of tools: one operation that puts the current tool
// at a page position as one undo step (a new symbol, marks and changes on
// notes, bar lines and beats rewritten, the paste buffer), the typed tool of
// the keyboard and the piano keyboard's notes, all placed through it.
#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <optional>

#include "edit/pasteplacement.h"
#include "edit/placemarkonnote.h"
#include "editor/document/editordocument.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/scorepaintbox.h"
#include "editor/platform/translatedtext.h"
#include "model/daon.h"
#include "model/glyphcodes.h"
#include "model/horizbar.h"
#include "model/itemfactory.h"
#include "model/musicmark.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/scorefile.h"
#include "model/tempo.h"
#include "model/textbox.h"
#include "model/workspace.h"
#include "view/core/drawcontext.h"
#include "view/core/itemdrawing.h"
#include "view/qt/qtcanvas.h"

namespace sorvel {

namespace {

// The other member of a pair of glyphs, for the right button.
std::string PairedGlyph(const std::string& glyph) {
    static const char* const kPairs[][2] = {
        {"Q", "P"}, {"R", "S"}, {"^", "_"}, {"{", "|"}, {"I", "J"}};
    for (const auto& pair : kPairs) {
        if (glyph == pair[0]) return pair[1];
        if (glyph == pair[1]) return pair[0];
    }
    return glyph;
}

// Tools that may be put on a sustain dash.
bool AppliesToDash(TContentKind tool) {
    switch (tool) {
        case ckFuten:
        case ckPF:
        case ckOrnament:
        case ckOrnament1:
        case ckPortamento:
        case ckSpeed:
        case ckBranch:
            return true;
        default:
            return false;
    }
}

// Tools that may be put on a rest: a dot, and the marks of time and form.
bool AppliesToRest(TContentKind tool) {
    switch (tool) {
        case ckFuten:
        case ckSpeed:
        case ckBranch:
        case ckTempo:
        case ckTextBox:
        case ckKakko:
            return true;
        default:
            return false;
    }
}

// Tools that place a symbol of their own and never go onto a note.
bool IsSymbolTool(TContentKind tool) {
    return tool == ckBarLine || tool == ckBeat || tool == ckHorizBar;
}

// A new mark of the tool's class on `page`; null for tools that are not marks.
TMusicItem* CreateMark(TContentKind tool, TMusicSheet& page) {
    if (tool >= ckFingerNo && tool <= ckEtc) return CreateItem<TMusicSign>(page);
    switch (tool) {
        case ckTextBox:
            return CreateItem<TTextBox>(page);
        case ckCresc:
            return CreateItem<TCresc>(page);
        case ckSlur:
            return CreateItem<TSlur>(page);
        case ckRenTon:
            return CreateItem<TRenTon>(page);
        case ck3ren:
            return CreateItem<T3ren>(page);
        case ckKakko:
            return CreateItem<TKakko>(page);
        case ckDaonLeft:
            return CreateItem<TDaonLeft>(page);
        case ckDaonRight:
            return CreateItem<TDaonRight>(page);
        case ckTempo:
            return CreateItem<TTempo>(page);
        default:
            return nullptr;
    }
}

// Tools a key puts on the note just typed rather than on the slot after it.
bool GoesOnTypedNote(TContentKind tool) {
    return tool != ckNote && tool != ckCopy && tool != ckTextBox && !IsSymbolTool(tool);
}

// Whether a click on empty space with the tool makes an item.
bool CreatesOnEmptySlot(TContentKind tool) {
    return tool == ckNote || IsSymbolTool(tool) || tool == ckTextBox;
}

// A new item for a click on empty space; null for tools that need a note.
TMusicItem* CreateSymbol(TContentKind tool, TMusicSheet& page) {
    switch (tool) {
        case ckNote:
            return CreateItem<TNote>(page);
        case ckBarLine:
            return CreateItem<TBarLine>(page);
        case ckBeat:
            return CreateItem<TBeat>(page);
        case ckHorizBar:
            return CreateItem<THorizBar>(page);
        case ckTextBox:
            return CreateItem<TTextBox>(page);
        default:
            return nullptr;
    }
}

// Draws `item` alone on a scratch canvas, as the page image draws it, which
// stores its measured Width and Height.
void MeasureByDrawing(Workspace& ws, TMusicItem& item) {
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter painter(&scratch);
    QtCanvas canvas(painter, false);
    TRinjiMarkTbl rinji;
    DrawContext ctx{ws.prefs, rinji, ws.glyphs, ws.layout, false};
    canvas.SetFont(kMusicFontName, ctx.NotePoints());
    const bool wasSelected = item.selected;
    item.selected = false;
    DrawItem(canvas, item, ctx);
    item.selected = wasSelected;
}

void GivePitch(TNote& note, const KeyedPitch& pitch) {
    note.SetOctave(pitch.octave);
    if (!pitch.rinji.empty()) note.SetRinji(pitch.rinji);
}

}  // namespace

void TMusicPaintBox::Refuse(const char* message) {
    if (onStatus) onStatus(Translated(kPaintBoxContext, message).toStdString());
}

Placed TMusicPaintBox::PlaceTool(CursorPos position, Qt::MouseButton button,
                                 const KeyedPitch* keyed) {
    if (!page_ || tool_ == ckNone) return {};
    PageLayout layout(ws_.layout);
    const CursorPos at{layout.SnapX(position.x), layout.SnapY(position.y)};
    currentItem_ = HitTest(at.x, at.y);
    Placed placed;
    if (tool_ == ckCopy) {
        placed.done = PastePlacement(at);
    } else if (!currentItem_) {
        placed = PlaceOnEmptySlot(at, keyed);
    } else if (currentItem_->Class() == ItemClass::Note) {
        placed = PlaceOnNote(button, keyed);
    } else if ((currentItem_->Class() == ItemClass::BarLine && tool_ == ckBarLine) ||
               (currentItem_->Class() == ItemClass::Beat && tool_ == ckBeat)) {
        placed = RewriteBarOrBeat();
    } else {
        Refuse(currentItem_->Class() == ItemClass::TextBox ? kMsgCoveredByTextBox
                                                           : kMsgItemTakesNoTool);
    }
    Redraw();
    StateChanged();
    return placed;
}

Placed TMusicPaintBox::PlaceOnEmptySlot(CursorPos at, const KeyedPitch* keyed) {
    ClearSelection();
    if (!CreatesOnEmptySlot(tool_)) {
        Refuse(kMsgNeedsNote);
        return {};
    }
    TMusicItem* created = nullptr;
    document_.Edit("place symbol", [&](Transaction&) {
        created = CreateSymbol(tool_, *page_);
        created->SetContent(toolGlyph_);
        created->SetPosX(at.x);
        created->SetPosY(at.y);
        if (TNote* note = created->As<TNote>(); note && keyed) GivePitch(*note, *keyed);
    });
    if (!keyed) NoteEntered(created);
    return {true, created->As<TNote>()};
}

Placed TMusicPaintBox::PlaceOnNote(Qt::MouseButton button, const KeyedPitch* keyed) {
    if (!currentItem_->selected) ClearSelection();
    std::vector<TMusicItem*> targets;
    if (!currentItem_->selected) targets.push_back(currentItem_);
    targets.insert(targets.end(), selection_.begin(), selection_.end());
    if (IsSymbolTool(tool_)) {
        Refuse(kMsgNotOnNote);
        return {};
    }
    const Placed placed = ApplyToNotes(targets, button, keyed);
    if (tool_ == ckNote) currentItem_ = nullptr;
    return placed;
}

Placed TMusicPaintBox::ApplyToNotes(const std::vector<TMusicItem*>& targets, Qt::MouseButton button,
                                    const KeyedPitch* keyed) {
    Placed placed;
    document_.Edit("place on notes",
                   [&](Transaction&) { placed = PlaceToolOnNotes(targets, button, keyed); });
    return placed;
}

Placed TMusicPaintBox::PlaceToolOnNotes(const std::vector<TMusicItem*>& targets,
                                        Qt::MouseButton button, const KeyedPitch* keyed) {
    Placed placed;
    if (tool_ == ckNote) {
        for (TMusicItem* target : targets) {
            TNote* note = target->As<TNote>();
            if (!note) continue;
            note->SetContent(toolGlyph_);
            note->SetRinji("");
            if (keyed) GivePitch(*note, *keyed);
            if (!keyed) NoteEntered(note);
            if (!placed.note) placed.note = note;
            placed.done = true;
        }
        return placed;
    }
    const EightSize eight = MarkEightSize();
    bool skippedDash = false, skippedRest = false;
    for (TMusicItem* target : targets) {
        TNote* note = target->As<TNote>();
        if (!note) continue;
        if (note->Content() == kSustainDashText && !AppliesToDash(tool_)) {
            skippedDash = true;
            continue;
        }
        // An accidental, a bowing or a finger on a rest means nothing.
        const bool rest = note->Content() == std::string(1, kRestCode);
        if (rest && !AppliesToRest(tool_)) {
            skippedRest = true;
            continue;
        }
        placed.done = true;
        if (tool_ == ckRinji) {
            note->SetRinji(note->Rinji() == toolGlyph_ ? std::string() : toolGlyph_);
            continue;
        }
        if (tool_ == ckFuten) {
            note->SetFuten(note->Futen() == 0 ? 1 : 0);
            continue;
        }
        const std::string glyph = button == Qt::RightButton ? PairedGlyph(toolGlyph_) : toolGlyph_;
        TMusicItem* existing = nullptr;
        for (TMusicItem* linked : note->Links()) {
            if (linked->Class() != ItemClass::TextBox && linked->ContentKind() == tool_) {
                existing = linked;
                break;
            }
        }
        if (existing) {
            existing->SetContent(glyph);
            continue;
        }
        auto* mark = dynamic_cast<TMusicMark*>(CreateMark(tool_, *page_));
        if (!mark) continue;
        mark->SetContent(glyph);
        // A span whose notes are not there yet keeps its default width.
        int end = -1;
        if (tool_ == ckSlur || tool_ == ckRenTon) {
            const int n = button == Qt::LeftButton ? 1 : button == Qt::RightButton ? 2 : 3;
            end = SlurEnd(*note, n, false);
        } else if (tool_ == ck3ren) {
            end = SlurEnd(*note, 2, true);
        }
        if (end > note->PosX()) mark->SetWidth(end - note->PosX());
        PlaceMarkOnNote(*mark, *note, eight,
                        [this](TMusicItem& item) { MeasureByDrawing(ws_, item); });
    }
    if (!placed.done && skippedDash) Refuse(kMsgNotOnDash);
    if (!placed.done && skippedRest) Refuse(kMsgNotOnRest);
    return placed;
}

Placed TMusicPaintBox::RewriteBarOrBeat() {
    document_.Edit("rewrite symbols", [this](Transaction&) {
        const ItemClass kind = currentItem_->Class();
        if (!currentItem_->selected) currentItem_->SetContent(toolGlyph_);
        for (TMusicItem* item : selection_) {
            if (item->Class() == kind) item->SetContent(toolGlyph_);
        }
    });
    currentItem_ = nullptr;
    return {true, nullptr};
}

// ---- paste ------------------------------------------------------------------------

bool TMusicPaintBox::PastePlacement(CursorPos at) {
    TMusicSheet& buffer = *pasteSheet_;
    TMusicItem* target = currentItem_;
    const PagePoint point{at.x, at.y};
    const PasteAction action = PlanPaste(buffer, target, ws_.layout, point);
    switch (action) {
        case PasteAction::OnItem:
            Refuse(kMsgPasteOnItem);
            return false;
        case PasteAction::CoveredByTextBox:
            Refuse(kMsgCoveredByTextBox);
            return false;
        case PasteAction::NeedsNote:
            Refuse(kMsgPasteNeedsNote);
            return false;
        case PasteAction::OffPage:
            Refuse(kMsgPasteOffPage);
            return false;
        default:
            break;
    }
    document_.Edit("paste", [&](Transaction&) {
        ClearSelection();
        const PagePoint markOffset{pasteMarkOffsetX, pasteMarkOffsetY};
        for (TMusicItem* pasted : LandPaste(action, buffer, *page_, target, point, markOffset)) {
            pasted->selected = true;
            selection_.push_back(pasted);
        }
        if (action == PasteAction::ReplaceNote || action == PasteAction::MarkOntoNote) {
            currentItem_ = selection_.empty() ? nullptr : selection_.front();
        } else if (action == PasteAction::ReplaceSymbol) {
            currentItem_ = nullptr;
        }
    });
    tool_ = ckNone;
    buffer.FreeAllItems();
    floatingShown_ = false;
    return true;
}

// ---- typed tools --------------------------------------------------------------------

CursorPos TMusicPaintBox::FloatingStart() const {
    PageLayout layout(ws_.layout);
    if (const std::optional<QPoint> at = box_.MousePagePos()) {
        return {layout.SnapX(at->x()), layout.SnapY(at->y())};
    }
    if (KeyCursorShown()) return cursor_;
    return {layout.FirstX(), layout.FirstY()};
}

void TMusicPaintBox::ApplyTypedTool(const KeyedPitch* keyed) {
    if (!page_) return;
    // A key is no click: the press of a double-click that opened a dialog
    // is the only one ever dropped.
    swallowDoubleClickPress_ = false;
    HeldRedraw once(*this);
    if (KeyCursorShown()) {
        if (tool_ == ckNone) return;
        // Right after a note was typed, a mark, dot or accidental goes on it.
        if (TNote* typed = JustTyped(); typed && GoesOnTypedNote(tool_)) {
            ApplyTypedToolTo(*typed);
            RememberTyped(typed);
            return;
        }
        const CursorPos at = cursor_;
        const bool typesNote = tool_ == ckNote;
        const Placed placed = PlaceTool(at, Qt::LeftButton, keyed);
        tool_ = ckNone;
        floatingShown_ = false;
        // A refused placement leaves the cursor on the slot it could not fill.
        if (placed.done) StepKeyCursor(Qt::Key_Right, Qt::NoModifier);
        if (placed.done && typesNote) RememberTyped(placed.note);
        box_.update();
        return;
    }
    if (!selection_.empty()) {
        if (tool_ == ckNone) return;
        ApplyToSelectedNotes();
        tool_ = ckNone;
        floatingShown_ = false;
        box_.update();
        return;
    }
    // The glyph floats until a click places it.
    cursor_ = FloatingStart();
    floatingShown_ = true;
    box_.update();
}

void TMusicPaintBox::ApplyToSelectedNotes() {
    std::vector<TMusicItem*> notes;
    for (TMusicItem* item : selection_) {
        if (item->Class() == ItemClass::Note) notes.push_back(item);
    }
    if (notes.empty()) return;
    if (IsSymbolTool(tool_)) {
        Refuse(kMsgNotOnNote);
        return;
    }
    ApplyToNotes(notes, Qt::LeftButton, nullptr);
    if (tool_ == ckNote) currentItem_ = nullptr;
    Redraw();
    StateChanged();
}

Placed TMusicPaintBox::EnterKeyedNote(const std::string& digit, const KeyedPitch& pitch) {
    if (!page_ || !KeyCursorShown()) return {};
    HeldRedraw once(*this);
    SetTool(ckNote);
    SetToolGlyph(digit);
    const Placed placed = PlaceTool(cursor_, Qt::LeftButton, &pitch);
    tool_ = ckNone;
    floatingShown_ = false;
    if (placed.done) StepKeyCursor(Qt::Key_Right, Qt::NoModifier);
    if (placed.done) RememberTyped(placed.note);
    return placed;
}

EightSize TMusicPaintBox::MarkEightSize() const {
    const QSize eight = MeasureInPageFont(std::string(kSustainDashText));
    return {eight.width(), eight.height()};
}

void TMusicPaintBox::ApplyTypedToolTo(TNote& note) {
    if (!page_ || tool_ == ckNone || &note.Sheet() != page_) return;
    HeldRedraw once(*this);
    if (IsSymbolTool(tool_)) {
        Refuse(kMsgNotOnNote);
    } else {
        ApplyToNotes({&note}, Qt::LeftButton, nullptr);
    }
    tool_ = ckNone;
    floatingShown_ = false;
    Redraw();
    StateChanged();
}

}  // namespace sorvel
