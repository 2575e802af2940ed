// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page commands of the main window: moving between pages, new, insert and
// delete page, and the table of contents. Each change of the book is one
// transaction; the window then shows the page the command leads to.
#include <QObject>

#include "editor/document/editorshell.h"

class QWidget;

namespace sorvel {

class TfrmTableOfContent;

class PageCommands : public QObject {
    Q_OBJECT

public:
    explicit PageCommands(const EditorContext& ctx);
    ~PageCommands() override;

    // The window's page commands (its child), or none before they were
    // installed.
    static PageCommands* Of(QWidget& window);

    void FirstPage();
    void PriorPage();
    void NextPage();
    void LastPage();
    // A new page after the last one, shown.
    void NewPage();
    // A new page before or after the shown one, shown.
    void InsertPage(bool before);
    // Deletes the shown page; the last page of a book stays.
    void DeletePage();
    // The table of contents; the page chosen in it is shown.
    void TableOfContent();

private:
    EditorContext ctx_;
    TfrmTableOfContent* tableOfContent_ = nullptr;  // made on first use
};

// Binds actFirstPage, actPriorPage, actNextPage, actLastPage, actNewSeet,
// actInsertPage_Before, actInsertPage_After, actDeletePage and
// actTableOfContent of the window.
void InstallPageCommands(const EditorContext& ctx);

}  // namespace sorvel
