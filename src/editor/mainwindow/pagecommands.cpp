// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/mainwindow/pagecommands.h"

#include "edit/pageoperations.h"
#include "editor/dialogs/frmtableofcontent.h"
#include "editor/document/editordocument.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/toolpalette.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"

namespace sorvel {

PageCommands::PageCommands(const EditorContext& ctx) : QObject(ctx.shell.Window()), ctx_(ctx) {
    setObjectName("PageCommands");
}

PageCommands::~PageCommands() = default;

PageCommands* PageCommands::Of(QWidget& window) {
    return window.findChild<PageCommands*>(QString(), Qt::FindDirectChildrenOnly);
}

void PageCommands::FirstPage() {
    ctx_.shell.ShowPage(1, true);
}

void PageCommands::PriorPage() {
    ctx_.shell.ShowPage(ctx_.shell.PageNo() - 1, true);
}

void PageCommands::NextPage() {
    ctx_.shell.ShowPage(ctx_.shell.PageNo() + 1, true);
}

void PageCommands::LastPage() {
    ctx_.shell.ShowPage(ctx_.document.Book().SheetCount(), true);
}

void PageCommands::NewPage() {
    ctx_.document.Edit("new page", [this](Transaction& t) {
        AppendNewPage(t.Book(), t.Workspace().layout, t.Workspace().glyphs,
                      [this] { ctx_.shell.Palette().PressNoTool(); });
    });
    ctx_.view.SetPage(nullptr);
    ctx_.shell.ShowPage(ctx_.document.Book().SheetCount(), true);
}

void PageCommands::InsertPage(bool before) {
    const int pageNo = ctx_.shell.PageNo();
    ctx_.document.Edit("insert page", [&](Transaction& t) {
        InsertPageBeside(t.Book(), pageNo, before, t.Workspace().layout, t.Workspace().glyphs,
                         [this] { ctx_.shell.Palette().PressNoTool(); });
    });
    ctx_.view.SetPage(nullptr);
    ctx_.shell.ShowPage(before ? pageNo : pageNo + 1, false);
}

void PageCommands::DeletePage() {
    if (ctx_.document.Book().SheetCount() < 2) return;
    ctx_.document.Edit("delete page", [this](Transaction&) {
        ctx_.view.SetPage(nullptr);
        ctx_.shell.CurrentPage()->DeleteSheet();
    });
    ctx_.shell.ShowPage(std::min(ctx_.shell.PageNo(), ctx_.document.Book().SheetCount()), false);
}

void PageCommands::TableOfContent() {
    if (!tableOfContent_) {
        tableOfContent_ = new TfrmTableOfContent(ctx_.document.Workspace().prefs,
                                                 ctx_.shell.SettingsPath(), ctx_.shell.Window());
    }
    const int chosen = tableOfContent_->Execute(ctx_.document.Book(), ctx_.shell.PageNo(),
                                                ctx_.document.FileName().toStdString());
    if (chosen == -1) return;
    ctx_.shell.ShowPage(chosen, true);
}

void InstallPageCommands(const EditorContext& ctx) {
    auto* commands = new PageCommands(ctx);
    EditorShell* shell = &ctx.shell;
    EditorDocument* document = &ctx.document;
    const auto notFirst = [shell] { return shell->PageNo() > 1; };
    const auto notLast = [shell, document] {
        return shell->PageNo() < document->Book().SheetCount();
    };
    const EditorShell::EnabledRule notPlaying = NotPlaying(*shell);
    shell->BindCommand(
        "actFirstPage", [commands] { commands->FirstPage(); }, notFirst);
    shell->BindCommand(
        "actPriorPage", [commands] { commands->PriorPage(); }, notFirst);
    shell->BindCommand(
        "actNextPage", [commands] { commands->NextPage(); }, notLast);
    shell->BindCommand(
        "actLastPage", [commands] { commands->LastPage(); }, notLast);
    shell->BindCommand(
        "actNewSeet", [commands] { commands->NewPage(); }, notPlaying);
    shell->BindCommand("actInsertPage_Before", [commands] { commands->InsertPage(true); });
    shell->BindCommand("actInsertPage_After", [commands] { commands->InsertPage(false); });
    // The last page stays, and no page goes from under the play cursor.
    shell->BindCommand(
        "actDeletePage", [commands] { commands->DeletePage(); },
        [notPlaying, document] { return document->Book().SheetCount() >= 2 && notPlaying(); });
    ctx.shell.BindCommand("actTableOfContent", [commands] { commands->TableOfContent(); });
}

}  // namespace sorvel
