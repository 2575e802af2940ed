// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialogs/itemdialogs.h"

#include "editor/dialogs/frmsetbarnum.h"
#include "editor/dialogs/frmsetdaon.h"
#include "editor/dialogs/frmsetnote.h"
#include "editor/dialogs/frmsettempo.h"
#include "editor/dialogs/frmsettext.h"
#include "editor/document/editordocument.h"
#include "editor/document/editorshell.h"
#include "editor/pageview/musicpaintbox.h"
#include "model/daon.h"
#include "model/horizbar.h"
#include "model/itemtraits.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/tempo.h"
#include "model/textbox.h"

namespace sorvel {

namespace {

// After the dialog's modal loop, which only collects: an OK applies what it
// holds in one transaction, one step; any other ending changes nothing and
// leaves "modified" as it was. Returns whether the book changed.
template <class Dialog>
bool ApplyIfAccepted(const EditorContext& ctx, const char* label, Dialog& dialog, bool accepted) {
    bool changed = false;
    if (accepted) {
        ctx.document.Edit(label, [&](Transaction& t) {
            dialog.Apply();
            changed = !t.Empty();
        });
    }
    ctx.view.Redraw();
    ctx.shell.UpdateActions();
    return changed;
}

}  // namespace

bool HasPropertyDialog(const TMusicItem& item) {
    return TraitsOf(item).hasDialog;
}

bool EditItemProperties(const EditorContext& ctx, TMusicItem& item) {
    ItemDialogs& dialogs = ItemDialogs::Of(ctx);
    if (item.Class() == ItemClass::DaonLeft || item.Class() == ItemClass::DaonRight) {
        auto& daon = static_cast<TDaon&>(item);
        return ApplyIfAccepted(ctx, "fingering", dialogs.Daon(), dialogs.Daon().Execute(daon));
    }
    if (auto* bar = item.As<THorizBar>()) {
        return ApplyIfAccepted(ctx, "bar count", dialogs.BarNum(), dialogs.BarNum().Execute(*bar));
    }
    if (auto* box = item.As<TTextBox>()) {
        return ApplyIfAccepted(ctx, "text", dialogs.Text(), dialogs.Text().Execute(*box));
    }
    if (auto* tempo = item.As<TTempo>()) {
        return ApplyIfAccepted(ctx, "tempo", dialogs.Tempo(), dialogs.Tempo().Execute(*tempo));
    }
    if (auto* note = item.As<TNote>()) {
        return ApplyIfAccepted(ctx, "note offsets", dialogs.Note(),
                               dialogs.Note().Execute(*note, note->Sheet()));
    }
    return false;
}

ItemDialogs::ItemDialogs(const EditorContext& ctx)
    : QObject(ctx.shell.Window()), ctx_(ctx), parent_(ctx.shell.Window()) {
    setObjectName("ItemDialogs");
}

ItemDialogs::~ItemDialogs() = default;

ItemDialogs& ItemDialogs::Of(const EditorContext& ctx) {
    QWidget* window = ctx.shell.Window();
    if (auto* existing = window->findChild<ItemDialogs*>(QString(), Qt::FindDirectChildrenOnly)) {
        return *existing;
    }
    return *new ItemDialogs(ctx);
}

// The dialogs are children of the main window, which centres them on itself.
TfrmSetdaon& ItemDialogs::Daon() {
    if (!daon_) daon_ = new TfrmSetdaon(ctx_.document.Workspace().prefs, parent_);
    return *daon_;
}

TfrmSetBarNum& ItemDialogs::BarNum() {
    if (!barNum_) barNum_ = new TfrmSetBarNum(ctx_.shell.Dialogs().showError, parent_);
    return *barNum_;
}

TfrmSetText& ItemDialogs::Text() {
    if (!text_) text_ = new TfrmSetText(parent_);
    return *text_;
}

TfrmSetTempo& ItemDialogs::Tempo() {
    if (!tempo_) tempo_ = new TfrmSetTempo(ctx_.shell.Dialogs().showError, parent_);
    return *tempo_;
}

TfrmSetNote& ItemDialogs::Note() {
    if (!note_) note_ = new TfrmSetNote(ctx_.document.Workspace(), parent_);
    return *note_;
}

}  // namespace sorvel
