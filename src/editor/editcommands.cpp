#include "editor/editcommands.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <algorithm>
#include <string>
#include <vector>

#include "editor/editops_clipboard.h"
#include "editor/editops_lengths.h"
#include "editor/editops_selection.h"
#include "editor/editops_shift.h"
#include "editor/frminsdel.h"
#include "editor/frmmain.h"
#include "editor/musicpaintbox.h"
#include "model/musicbook.h"
#include "model/musicitem.h"
#include "model/musicsheet.h"
#include "model/undo.h"

namespace sorvel {

namespace {

int CurrentIndex(TfrmMain& window) { return window.PageNo() - 1; }

// After the page view's items changed hands: drops from the selection (and
// as the current item) whatever is no longer on the shown page.
void ForgetItemsOffPage(TMusicPaintBox& view) {
    TMusicSheet* page = view.Page();
    auto gone = [page](TMusicItem* item) { return !page || page->IndexOfItem(item) < 0; };
    TSelectedMusicItemList& selection = view.Selection();
    for (TMusicItem* item : selection) {
        if (gone(item)) item->selected = false;
    }
    selection.erase(std::remove_if(selection.begin(), selection.end(), gone), selection.end());
    if (view.CurrentItem() && gone(view.CurrentItem())) view.SetCurrentItem(nullptr);
}

void Finish(TfrmMain& window) {
    window.View().Redraw();
    window.ActionListUpdate();
}

// Copies the selection to the clipboard; returns what was copied.
std::vector<TMusicItem*> Copy(TfrmMain& window) {
    TMusicPaintBox& view = window.View();
    TMusicSheet* page = view.Page();
    const std::vector<TMusicItem*> selection(view.Selection().begin(), view.Selection().end());
    if (!page || selection.empty()) return {};
    view.PasteBuffer().FreeAllItems();
    const std::vector<TMusicItem*> items = CopyList(selection);
    if (selection.size() == 1) {
        const PagePoint offset = MarkOffsetOf(*items.front());
        view.pasteMarkOffsetX = offset.x;
        view.pasteMarkOffsetY = offset.y;
    }
    QApplication::clipboard()->setText(QString::fromUtf8(ClipboardTextOf(CopyLines(*page, items))));
    return items;
}

void Cut(TfrmMain& window) {
    const std::vector<TMusicItem*> items = Copy(window);
    if (items.empty()) return;
    TMusicPaintBox& view = window.View();
    view.ClearSelection();
    view.SetCurrentItem(nullptr);
    {
        TUndoGroup group(window.Workspace().undo);
        for (TMusicItem* item : items) item->Delete();
    }
    Finish(window);
}

void Paste(TfrmMain& window) {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data || !data->hasText()) return;
    TMusicPaintBox& view = window.View();
    const std::string text = data->text().toStdString();
    if (ReadClipboardText(view.PasteBuffer(), text) != PasteRead::Read) return;
    view.BeginFloatingPaste();
}

void SameSelect(TfrmMain& window) {
    TMusicPaintBox& view = window.View();
    if (!view.Page() || view.Selection().size() != 1) return;
    const TMusicItem& model = *view.Selection().front();
    for (TMusicItem* item : SameKindItems(*view.Page(), model)) {
        if (view.Selection().AddUnique(item) >= 0) item->selected = true;
    }
    Finish(window);
}

void AlignVertically(TfrmMain& window) {
    TMusicPaintBox& view = window.View();
    const std::vector<TMusicItem*> selection(view.Selection().begin(), view.Selection().end());
    {
        TUndoGroup group(window.Workspace().undo);
        AlignMarksVertically(selection);
    }
    Finish(window);
}

void LenAutoSet(TfrmMain& window) {
    TMusicPaintBox& view = window.View();
    if (!view.Page()) return;
    LenAutoResult result;
    {
        TUndoGroup group(window.Workspace().undo);
        result = AutoSetLengths(window.Book(), CurrentIndex(window), view.Selection());
    }
    ForgetItemsOffPage(view);
    if (result == LenAutoResult::NoUsableBarWidth) {
        window.ShowStatus(QString::fromUtf8(kMsgLenAutoNoBarWidth));
    }
    Finish(window);
}

// The window's one insert/delete dialog, made when first needed.
TfrmInsDel& InsDelDialog(TfrmMain& window) {
    if (auto* dialog = window.findChild<TfrmInsDel*>("TfrmInsDel", Qt::FindDirectChildrenOnly)) {
        return *dialog;
    }
    return *new TfrmInsDel(window.Dialogs().showError, &window);
}

void Shift(TfrmMain& window, TfrmInsDel::Mode mode) {
    TMusicPaintBox& view = window.View();
    TMusicSheet* page = view.Page();
    if (!page) return;
    TMusicBook& book = window.Book();
    const int current = CurrentIndex(window);
    ShiftStart start;
    if (view.KeyCursorShown()) {
        start = {current, view.KeyCursor().x, view.KeyCursor().y};
    } else if (!view.Selection().empty()) {
        const TMusicItem& first = *view.Selection().front();
        start = {book.IndexOfSheet(&first.Sheet()), first.PosX(), first.PosY()};
    } else {
        return;
    }

    TWorkspace& ws = window.Workspace();
    TfrmInsDel& dialog = InsDelDialog(window);
    dialog.SetGrid(ws.layout.DivParBar, ws.layout.GridDivNum, ws.layout.RowDivNum);
    if (!dialog.Execute(mode)) return;

    ShiftOutcome outcome;
    {
        TUndoGroup group(ws.undo);
        outcome = mode == TfrmInsDel::Mode::Insert
                      ? InsertWithShift(book, current, start, dialog.Count(), ws.layout, ws.glyphs)
                      : DeleteWithShift(book, current, start, dialog.Count(), ws.layout);
    }
    if (outcome.result == ShiftResult::NoSymbol) {
        window.ShowStatus(QString::fromUtf8(kMsgShiftNoSymbol));
    } else if (outcome.result == ShiftResult::BrokenGrid) {
        window.ShowStatus(QString::fromUtf8(kMsgShiftBrokenGrid));
    }
    if (outcome.deletedPage == current) {
        // The shown page was the piece's emptied last page.
        view.SetPage(nullptr);
        window.ShowPage(std::min(window.PageNo(), book.SheetCount()), false);
        window.ActionListUpdate();
        return;
    }
    ForgetItemsOffPage(view);
    view.RetakePageSettings();
    Finish(window);
}

}  // namespace

void InstallEditCommands(TfrmMain& window) {
    TfrmMain* w = &window;
    window.BindCommand("actCut", [w] { Cut(*w); });
    window.BindCommand("actCopy", [w] {
        Copy(*w);
        w->ActionListUpdate();
    });
    window.BindCommand("actPaste", [w] { Paste(*w); });
    window.BindCommand("actDelete", [w] {
        w->View().DeleteSelection();
        w->ActionListUpdate();
    });
    window.BindCommand("actAllSelect", [w] {
        w->View().SelectAll();
        w->ActionListUpdate();
    });
    window.BindCommand("actSameSelect", [w] { SameSelect(*w); });
    window.BindCommand("actVPos", [w] { AlignVertically(*w); });
    window.BindCommand("actLenAutoSet", [w] { LenAutoSet(*w); });
    window.BindCommand("actRightShift", [w] { Shift(*w, TfrmInsDel::Mode::Insert); });
    window.BindCommand("actLeftShift", [w] { Shift(*w, TfrmInsDel::Mode::Delete); });
}

}  // namespace sorvel
