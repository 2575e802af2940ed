#include "editor/itemdialogs.h"

#include "editor/frmmain.h"
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
// other ending discards the (empty) group and sets the modified flag to
// whether anything can be undone or redone. Returns whether the book changed.
template <class Run>
bool InUndoGroup(TfrmMain& window, Run run) {
    TUndo& undo = window.Workspace().undo;
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
        window.SetModified(undo.CanUndo() || undo.CanRedo());
    }
    window.View().Redraw();
    window.ActionListUpdate();
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

bool EditItemProperties(TfrmMain& window, TMusicItem& item) {
    TItemDialogs& dialogs = TItemDialogs::Of(window);
    if (item.Class() == ItemClass::DaonLeft || item.Class() == ItemClass::DaonRight) {
        auto& daon = static_cast<TDaon&>(item);
        return InUndoGroup(window, [&] { return dialogs.Daon().Execute(daon); });
    }
    if (auto* bar = item.As<THorizBar>()) {
        return InUndoGroup(window, [&] { return dialogs.BarNum().Execute(*bar); });
    }
    if (auto* box = item.As<TTextBox>()) {
        return InUndoGroup(window, [&] { return dialogs.Text().Execute(*box); });
    }
    if (auto* tempo = item.As<TTempo>()) {
        return InUndoGroup(window, [&] { return dialogs.Tempo().Execute(*tempo); });
    }
    if (auto* note = item.As<TNote>()) {
        return InUndoGroup(window, [&] { return dialogs.Note().Execute(*note, note->Sheet()); });
    }
    return false;
}

TItemDialogs::TItemDialogs(TfrmMain& window) : QObject(&window), window_(window) {
    setObjectName("ItemDialogs");
}

TItemDialogs::~TItemDialogs() = default;

TItemDialogs& TItemDialogs::Of(TfrmMain& window) {
    if (auto* existing = window.findChild<TItemDialogs*>(QString(), Qt::FindDirectChildrenOnly)) {
        return *existing;
    }
    return *new TItemDialogs(window);
}

// The dialogs are children of the main window, which centres them on itself.
TfrmSetdaon& TItemDialogs::Daon() {
    if (!daon_) daon_ = new TfrmSetdaon(window_.Workspace().prefs, &window_);
    return *daon_;
}

TfrmSetBarNum& TItemDialogs::BarNum() {
    if (!barNum_) barNum_ = new TfrmSetBarNum(window_.Dialogs().showError, &window_);
    return *barNum_;
}

TfrmSetText& TItemDialogs::Text() {
    if (!text_) text_ = new TfrmSetText(&window_);
    return *text_;
}

TfrmSetTempo& TItemDialogs::Tempo() {
    if (!tempo_) tempo_ = new TfrmSetTempo(window_.Dialogs().showError, &window_);
    return *tempo_;
}

TfrmSetNote& TItemDialogs::Note() {
    if (!note_) note_ = new TfrmSetNote(window_.Workspace(), &window_);
    return *note_;
}

}  // namespace sorvel
