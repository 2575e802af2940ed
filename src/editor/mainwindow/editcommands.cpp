// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/mainwindow/editcommands.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <algorithm>
#include <string>
#include <vector>

#include "edit/autolengths.h"
#include "edit/clipboardtext.h"
#include "edit/selectionops.h"
#include "edit/shift.h"
#include "editor/dialogs/frminsdel.h"
#include "editor/document/editordocument.h"
#include "editor/document/editorshell.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/platform/translatedtext.h"
#include "model/musicbook.h"
#include "model/musicitem.h"
#include "model/musicsheet.h"
#include "model/undo.h"

namespace sorvel {

namespace {

int CurrentIndex(const EditorContext& ctx) {
    return ctx.shell.PageNo() - 1;
}

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

void Finish(const EditorContext& ctx) {
    ctx.view.Redraw();
    ctx.shell.UpdateActions();
}

// Copies the selection to the clipboard; returns what was copied.
std::vector<TMusicItem*> Copy(const EditorContext& ctx) {
    TMusicPaintBox& view = ctx.view;
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

void Cut(const EditorContext& ctx) {
    const std::vector<TMusicItem*> items = Copy(ctx);
    if (items.empty()) return;
    TMusicPaintBox& view = ctx.view;
    view.ClearSelection();
    view.SetCurrentItem(nullptr);
    ctx.document.Edit("cut", [&](Transaction&) {
        for (TMusicItem* item : items) item->Delete();
    });
    Finish(ctx);
}

void Paste(const EditorContext& ctx) {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data || !data->hasText()) return;
    TMusicPaintBox& view = ctx.view;
    const std::string text = data->text().toStdString();
    if (ReadClipboardText(view.PasteBuffer(), text) != PasteRead::Read) return;
    view.BeginFloatingPaste();
}

void SameSelect(const EditorContext& ctx) {
    TMusicPaintBox& view = ctx.view;
    if (!view.Page() || view.Selection().size() != 1) return;
    const TMusicItem& model = *view.Selection().front();
    for (TMusicItem* item : SameKindItems(*view.Page(), model)) {
        if (view.Selection().AddUnique(item) >= 0) item->selected = true;
    }
    Finish(ctx);
}

void AlignVertically(const EditorContext& ctx) {
    TMusicPaintBox& view = ctx.view;
    const std::vector<TMusicItem*> selection(view.Selection().begin(), view.Selection().end());
    ctx.document.Edit("align marks", [&](Transaction&) { AlignMarksVertically(selection); });
    Finish(ctx);
}

void LenAutoSet(const EditorContext& ctx) {
    TMusicPaintBox& view = ctx.view;
    if (!view.Page()) return;
    LenAutoResult result;
    ctx.document.Edit("automatic lengths", [&](Transaction& t) {
        result = AutoSetLengths(t.Book(), CurrentIndex(ctx), view.Selection());
    });
    ForgetItemsOffPage(view);
    if (result == LenAutoResult::NoUsableBarWidth) {
        ctx.shell.ShowStatus(Translated(kEditCommandsContext, kMsgLenAutoNoBarWidth));
    }
    Finish(ctx);
}

// The window's one insert/delete dialog, made when first needed.
TfrmInsDel& InsDelDialog(const EditorContext& ctx) {
    if (auto* dialog =
            ctx.shell.Window()->findChild<TfrmInsDel*>("TfrmInsDel", Qt::FindDirectChildrenOnly)) {
        return *dialog;
    }
    return *new TfrmInsDel(ctx.shell.Dialogs().showError, ctx.shell.Window());
}

void Shift(const EditorContext& ctx, TfrmInsDel::Mode mode) {
    TMusicPaintBox& view = ctx.view;
    TMusicSheet* page = view.Page();
    if (!page) return;
    TMusicBook& book = ctx.document.Book();
    const int current = CurrentIndex(ctx);
    ShiftStart start;
    if (view.KeyCursorShown()) {
        start = {current, view.KeyCursor().x, view.KeyCursor().y};
    } else if (!view.Selection().empty()) {
        const TMusicItem& first = *view.Selection().front();
        start = {book.IndexOfSheet(&first.Sheet()), first.PosX(), first.PosY()};
    } else {
        return;
    }

    Workspace& ws = ctx.document.Workspace();
    TfrmInsDel& dialog = InsDelDialog(ctx);
    dialog.SetGrid(ws.layout.DivParBar, ws.layout.GridDivNum, ws.layout.RowDivNum);
    if (!dialog.Execute(mode)) return;

    ShiftOutcome outcome;
    ctx.document.Edit(
        mode == TfrmInsDel::Mode::Insert ? "insert with shift" : "delete with shift",
        [&](Transaction&) {
            outcome =
                mode == TfrmInsDel::Mode::Insert
                    ? InsertWithShift(book, current, start, dialog.Count(), ws.layout, ws.glyphs)
                    : DeleteWithShift(book, current, start, dialog.Count(), ws.layout);
        });
    if (outcome.result == ShiftResult::NoSymbol) {
        ctx.shell.ShowStatus(Translated(kEditCommandsContext, kMsgShiftNoSymbol));
    } else if (outcome.result == ShiftResult::BrokenGrid) {
        ctx.shell.ShowStatus(Translated(kEditCommandsContext, kMsgShiftBrokenGrid));
    }
    if (outcome.deletedPage == current) {
        // The shown page was the piece's emptied last page.
        view.SetPage(nullptr);
        ctx.shell.ShowPage(std::min(ctx.shell.PageNo(), book.SheetCount()), false);
        ctx.shell.UpdateActions();
        return;
    }
    ForgetItemsOffPage(view);
    view.RetakePageSettings();
    Finish(ctx);
}

}  // namespace

void InstallEditCommands(const EditorContext& ctx) {
    EditorShell& shell = ctx.shell;
    TMusicPaintBox* view = &ctx.view;
    const auto selected = [view] { return !view->Selection().empty(); };
    // The shifts start at the key cursor or at the selection.
    const auto shiftPoint = [view] { return view->KeyCursorShown() || !view->Selection().empty(); };
    shell.BindCommand(
        "actCut", [ctx] { Cut(ctx); }, selected);
    shell.BindCommand(
        "actCopy",
        [ctx] {
            Copy(ctx);
            ctx.shell.UpdateActions();
        },
        selected);
    shell.BindCommand("actPaste", [ctx] { Paste(ctx); });
    shell.BindCommand(
        "actDelete",
        [ctx] {
            ctx.view.DeleteSelection();
            ctx.shell.UpdateActions();
        },
        selected);
    shell.BindCommand("actAllSelect", [ctx] {
        ctx.view.SelectAll();
        ctx.shell.UpdateActions();
    });
    // The kind to select comes from one item; aligning needs two.
    shell.BindCommand(
        "actSameSelect", [ctx] { SameSelect(ctx); },
        [view] { return view->Selection().size() == 1; });
    shell.BindCommand(
        "actVPos", [ctx] { AlignVertically(ctx); },
        [view] { return view->Selection().size() >= 2; });
    shell.BindCommand("actLenAutoSet", [ctx] { LenAutoSet(ctx); });
    shell.BindCommand(
        "actRightShift", [ctx] { Shift(ctx, TfrmInsDel::Mode::Insert); }, shiftPoint);
    shell.BindCommand(
        "actLeftShift", [ctx] { Shift(ctx, TfrmInsDel::Mode::Delete); }, shiftPoint);
}

}  // namespace sorvel
