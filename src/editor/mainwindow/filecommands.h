// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's file commands: new book, open, reopen a recent file, save
// and save as, dropped files, the save prompt and the offer of recovery copies.
#include <QObject>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "editor/document/editorshell.h"

class QMenu;
class QMimeData;
class QWidget;

namespace sorvel {

class RecoveryController;

// Messages of the file commands; they keep the main window's translation
// context.
inline constexpr char kMsgDropOneFile[] =
    QT_TRANSLATE_NOOP("sorvel::TfrmMain", "ドロップするファイルは１個にしてください。");

// The local files of a drop, each as the file system names it.
std::vector<std::string> DroppedLocalFiles(const QMimeData& data);

class FileCommands : public QObject {
    Q_OBJECT

public:
    // `executablePath` places the settings' default folder; `recentMenu`
    // lists the recent files.
    FileCommands(const EditorContext& ctx, std::string executablePath, QMenu& recentMenu);
    ~FileCommands() override;

    // The window's file commands (its child), or none before they were
    // installed.
    static FileCommands* Of(QWidget& window);

    void NewBook();
    void Open();
    // Reads `path` as the open book; false (and the book untouched) when the
    // file is missing, not a score or broken.
    bool OpenPath(const QString& path);
    // The same for a path as the file system names it (bytes, which need
    // not be UTF-8).
    bool OpenNativePath(const std::string& path);
    void ReopenRecent(const std::string& path);
    // Save and save as; false when the book is still unsaved afterwards.
    bool Save();
    bool SaveAs();
    void DropFiles(const QStringList& paths);
    void DropNativeFiles(const std::vector<std::string>& paths);
    // The save prompt; true when the command may go on.
    bool SavePrompt();

    // The folder a file dialog opens in, and the folder of the file the
    // player chose in one, to open in next time.
    QString DialogFolder() const;
    void UseDialogFolder(const QString& chosenFile);

    // The recovery copies of the open book, once they are kept: opening and
    // saving discard them.
    void SetRecovery(RecoveryController* recovery) { recovery_ = recovery; }
    // Offers the recovery copies of an editor that did not end cleanly.
    void OfferRecovery();
    // Fills the recent-files menu from the preferences.
    void RebuildRecentMenu();

private:
    bool WriteBook(const std::string& path);
    // The open book's file (or the saved one) becomes the last folder and
    // the newest recent file.
    void EnterRecent(const std::string& path);

    EditorContext ctx_;
    std::string executablePath_;
    QMenu& recentMenu_;
    RecoveryController* recovery_ = nullptr;
};

// Makes the window's file commands and binds actNewBook, actOpen, actSave and
// actSaveAs; the recent-files menu is filled at once.
FileCommands* InstallFileCommands(const EditorContext& ctx, std::string executablePath,
                                  QMenu& recentMenu);

}  // namespace sorvel
