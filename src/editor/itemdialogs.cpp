#include "editor/itemdialogs.h"

#include "editor/editordocument.h"
#include "editor/editorshell.h"
#include "editor/frmsetbarnum.h"
#include "editor/frmsetdaon.h"
#include "editor/frmsetnote.h"
#include "editor/frmsettempo.h"
#include "editor/frmsettext.h"
#include "editor/musicpaintbox.h"
#include "model/daon.h"
#include "model/horizbar.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/tempo.h"
#include "model/textbox.h"
#include "model/undo.h"

namespace sorvel {

namespace {

// Runs the dialog in one undo group: OK makes its changes one step; any
// other ending discards the (empty) group, which leaves "modified" as it
// was. Returns whether the book changed.
template <class Run>
bool InUndoGroup(const EditorContext& ctx, Run run) {
    TUndo& undo = ctx.document.Undo();
    undo.BeginGroup();
    bool accepted = false;
    bool changed = false;
    try {
        accepted = run();
        changed = accepted && !undo.OpenGroupCommands()->empty();
    } catch (...) {
        undo.EndGroup();
        throw;
    }
    if (accepted) {
        undo.EndGroup();
    } else {
        undo.DiscardGroup();
    }
    ctx.view.Redraw();
    ctx.shell.UpdateActions();
    return changed;
}

}  // namespace

bool HasPropertyDialog(const TMusicItem& item) {
    switch (item.Class()) {
        case ItemClass::DaonLeft:
        case ItemClass::DaonRight:
        case ItemClass::HorizBar:
        case ItemClass::TextBox:
        case ItemClass::Tempo:
        case ItemClass::Note:
            return true;
        default:
            return false;
    }
}

bool EditItemProperties(const EditorContext& ctx, TMusicItem& item) {
    TItemDialogs& dialogs = TItemDialogs::Of(ctx);
    if (item.Class() == ItemClass::DaonLeft || item.Class() == ItemClass::DaonRight) {
        auto& daon = static_cast<TDaon&>(item);
        return InUndoGroup(ctx, [&] { return dialogs.Daon().Execute(daon); });
    }
    if (auto* bar = item.As<THorizBar>()) {
        return InUndoGroup(ctx, [&] { return dialogs.BarNum().Execute(*bar); });
    }
    if (auto* box = item.As<TTextBox>()) {
        return InUndoGroup(ctx, [&] { return dialogs.Text().Execute(*box); });
    }
    if (auto* tempo = item.As<TTempo>()) {
        return InUndoGroup(ctx, [&] { return dialogs.Tempo().Execute(*tempo); });
    }
    if (auto* note = item.As<TNote>()) {
        return InUndoGroup(ctx, [&] { return dialogs.Note().Execute(*note, note->Sheet()); });
    }
    return false;
}

TItemDialogs::TItemDialogs(const EditorContext& ctx)
    : QObject(ctx.shell.Window()), ctx_(ctx), parent_(ctx.shell.Window()) {
    setObjectName("ItemDialogs");
}

TItemDialogs::~TItemDialogs() = default;

TItemDialogs& TItemDialogs::Of(const EditorContext& ctx) {
    QWidget* window = ctx.shell.Window();
    if (auto* existing = window->findChild<TItemDialogs*>(QString(), Qt::FindDirectChildrenOnly)) {
        return *existing;
    }
    return *new TItemDialogs(ctx);
}

// The dialogs are children of the main window, which centres them on itself.
TfrmSetdaon& TItemDialogs::Daon() {
    if (!daon_) daon_ = new TfrmSetdaon(ctx_.document.Workspace().prefs, parent_);
    return *daon_;
}

TfrmSetBarNum& TItemDialogs::BarNum() {
    if (!barNum_) barNum_ = new TfrmSetBarNum(ctx_.shell.Dialogs().showError, parent_);
    return *barNum_;
}

TfrmSetText& TItemDialogs::Text() {
    if (!text_) text_ = new TfrmSetText(parent_);
    return *text_;
}

TfrmSetTempo& TItemDialogs::Tempo() {
    if (!tempo_) tempo_ = new TfrmSetTempo(ctx_.shell.Dialogs().showError, parent_);
    return *tempo_;
}

TfrmSetNote& TItemDialogs::Note() {
    if (!note_) note_ = new TfrmSetNote(ctx_.document.Workspace(), parent_);
    return *note_;
}

}  // namespace sorvel
