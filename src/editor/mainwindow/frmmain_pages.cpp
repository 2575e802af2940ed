// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's page commands: moving between pages, new, insert and
// delete page, and the table of contents.
#include <QLabel>

#include "edit/pageoperations.h"
#include "editor/dialogs/frmtableofcontent.h"
#include "editor/mainwindow/frmmain.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/toolpalette.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"

namespace sorvel {

namespace {}  // namespace

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
    pageNo_ = std::clamp(pageNo, 1, Book().SheetCount());
    ShowCurrentPage();
    ScheduleUpdate();
}

void TfrmMain::FirstPage() {
    ShowPage(1, true);
}

void TfrmMain::PriorPage() {
    ShowPage(pageNo_ - 1, true);
}

void TfrmMain::NextPage() {
    ShowPage(pageNo_ + 1, true);
}

void TfrmMain::LastPage() {
    ShowPage(Book().SheetCount(), true);
}

void TfrmMain::NewPage() {
    document_->Edit("new page", [this](Transaction& t) {
        AppendNewPage(t.Book(), t.Workspace().layout, t.Workspace().glyphs,
                      [this] { pcTool_->PressNoTool(); });
    });
    view_->SetPage(nullptr);
    ShowPage(Book().SheetCount(), true);
}

void TfrmMain::InsertPage(bool before) {
    document_->Edit("insert page", [this, before](Transaction& t) {
        InsertPageBeside(t.Book(), pageNo_, before, t.Workspace().layout, t.Workspace().glyphs,
                         [this] { pcTool_->PressNoTool(); });
    });
    view_->SetPage(nullptr);
    ShowPage(before ? pageNo_ : pageNo_ + 1, false);
}

void TfrmMain::DeletePage() {
    if (Book().SheetCount() < 2) return;
    document_->Edit("delete page", [this](Transaction&) {
        view_->SetPage(nullptr);
        CurrentPage()->DeleteSheet();
    });
    ShowPage(std::min(pageNo_, Book().SheetCount()), false);
}

void TfrmMain::TableOfContent() {
    if (!tableOfContent_) {
        tableOfContent_ = new TfrmTableOfContent(Workspace().prefs, settingsPath_, this);
    }
    const int chosen = tableOfContent_->Execute(Book(), pageNo_, FileName().toStdString());
    if (chosen == -1) return;
    ShowPage(chosen, true);
}

}  // namespace sorvel
