// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table of contents: lists page 1 and every page that starts a piece,
// with key, composer and page number, and returns the page the user picks.
// It keeps its own size in the settings file.
#include <QDialog>
#include <memory>
#include <string>
#include <vector>

#include "editor/dialogs/tableofcontentrows.h"

namespace Ui {
class TfrmTableOfContent;
}

namespace sorvel {

struct Preferences;
class TMusicBook;

class TfrmTableOfContent : public QDialog {
    Q_OBJECT

public:
    // Reads its stored size from the settings file at `settingsPath` (keys
    // FormTableOfContentsWidth and FormTableOfContentsHeight; 0 means the design
    // size); writes it back when destroyed.
    TfrmTableOfContent(Preferences& prefs, std::string settingsPath, QWidget* parent);
    ~TfrmTableOfContent() override;

    // Fills the table for `book` and shows it modally, centred on the parent.
    // Returns the page chosen by double-clicking a row (or pressing Enter on
    // it), -1 when that row's page cell is empty or not a number, and
    // `currentPage` when the window is closed without a choice.
    int Execute(const TMusicBook& book, int currentPage, const std::string& fileName);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Keeps the dialog's size for the next showing, however it was closed.
    void done(int result) override;

private:
    void FillGrid(const std::vector<TableOfContentRow>& rows, int selectedRow);
    void FitColumns();
    void PaintTitle();
    void ChooseRow(int row);

    std::unique_ptr<Ui::TfrmTableOfContent> ui_;
    Preferences& prefs_;
    std::string settingsPath_;
    QString heading_;
    int result_ = 0;
};

}  // namespace sorvel
