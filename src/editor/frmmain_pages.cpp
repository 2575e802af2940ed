// The main window's page commands: moving between pages, new, insert and
// delete page, and the table of contents.
#include <QLabel>

#include "editor/frmmain.h"
#include "editor/frmtableofcontent.h"
#include "editor/musicpaintbox.h"
#include "editor/pageoperations.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "model/undo.h"

namespace sorvel {

namespace {

}  // namespace

void TfrmMain::ShowCurrentPage() {
    view_->SetPage(CurrentPage());
    view_->SizeToPage();
    view_->Redraw();
    pnlPage_->setText(QString::number(pageNo_));
}

void TfrmMain::ShowPage(int pageNo, bool fromTop) {
    if (fromTop) {
        ResetScroll();
        view_->HideKeyCursor();
    }
    pageNo_ = std::clamp(pageNo, 1, ws_.book->SheetCount());
    ShowCurrentPage();
    ScheduleUpdate();
}

void TfrmMain::FirstPage() { ShowPage(1, true); }

void TfrmMain::PriorPage() { ShowPage(pageNo_ - 1, true); }

void TfrmMain::NextPage() { ShowPage(pageNo_ + 1, true); }

void TfrmMain::LastPage() { ShowPage(ws_.book->SheetCount(), true); }

void TfrmMain::NewPage() {
    {
        TUndoGroup group(ws_.undo);
        AppendNewPage(*ws_.book, ws_.layout, ws_.glyphs);
    }
    view_->SetPage(nullptr);
    ShowPage(ws_.book->SheetCount(), true);
}

void TfrmMain::InsertPage(bool before) {
    {
        TUndoGroup group(ws_.undo);
        InsertPageBeside(*ws_.book, pageNo_, before, ws_.layout, ws_.glyphs);
    }
    view_->SetPage(nullptr);
    ShowPage(before ? pageNo_ : pageNo_ + 1, false);
}

void TfrmMain::DeletePage() {
    if (ws_.book->SheetCount() < 2) return;
    {
        TUndoGroup group(ws_.undo);
        view_->SetPage(nullptr);
        CurrentPage()->DeleteSheet();
    }
    ShowPage(std::min(pageNo_, ws_.book->SheetCount()), false);
}

void TfrmMain::TableOfContent() {
    if (!tableOfContent_) {
        tableOfContent_ = new TfrmTableOfContent(ws_.prefs, settingsPath_, this);
    }
    const int chosen = tableOfContent_->Execute(*ws_.book, pageNo_, fileName_.toStdString());
    if (chosen == -1) return;
    ShowPage(chosen, true);
}

}  // namespace sorvel
