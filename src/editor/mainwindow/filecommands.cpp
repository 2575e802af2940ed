// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/mainwindow/filecommands.h"

#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QStandardPaths>
#include <QUrl>
#include <filesystem>

#include "edit/newbooksetup.h"
#include "editor/dialogs/dialogfolder.h"
#include "editor/dialogs/editoroptions.h"
#include "editor/document/editordocument.h"
#include "editor/mainwindow/booknames.h"
#include "editor/mainwindow/recentfiles.h"
#include "editor/mainwindow/waitcursor.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/scorepaintbox.h"
#include "editor/platform/ownsettings.h"
#include "editor/platform/recoverycontroller.h"
#include "editor/platform/translatedtext.h"
#include "model/musicbook.h"
#include "model/preferencesfile.h"
#include "model/scorefile.h"

namespace sorvel {

namespace {

std::string FolderOf(const std::string& path) {
    return std::filesystem::path(path).parent_path().string();
}

// `path` from the working folder, without "." and ".." steps: what the
// title, the recent list and a later reopen from elsewhere need.
std::string AbsolutePath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

// The bytes of a file name as the file system holds them: names that are
// not UTF-8 (Shift-JIS names copied from older systems) round-trip too.
std::string NativePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace

FileCommands::FileCommands(const EditorContext& ctx, std::string executablePath, QMenu& recentMenu)
    : QObject(ctx.shell.Window()),
      ctx_(ctx),
      executablePath_(std::move(executablePath)),
      recentMenu_(recentMenu) {
    setObjectName("FileCommands");
}

FileCommands::~FileCommands() = default;

FileCommands* FileCommands::Of(QWidget& window) {
    return window.findChild<FileCommands*>(QString(), Qt::FindDirectChildrenOnly);
}

bool FileCommands::SavePrompt() {
    if (!ctx_.document.IsModified()) return true;
    switch (ctx_.shell.Dialogs().askSaveChanges(ctx_.shell.Window())) {
        case SaveAnswer::Cancel:
            return false;
        case SaveAnswer::Yes:
            Save();
            return !ctx_.document.IsModified();
        case SaveAnswer::No:
            return true;
    }
    return false;
}

void FileCommands::NewBook() {
    if (!SavePrompt()) return;
    if (!EditorOptionOn(ctx_.shell.SettingsPath(), setting::kNewBookDialog)) {
        ctx_.document.ReplaceWithNewBook();
        return;
    }
    const std::optional<NewBookSetup> setup = ctx_.shell.Dialogs().askNewBook(ctx_.shell.Window());
    if (!setup) return;
    PagePoint start;
    ctx_.document.ReplaceWithNewBook(
        [&](Workspace& ws) { start = SetUpNewBook(*ws.book, *setup, ws.layout, ws.glyphs); });
    // Typing (and rhythm entry) starts at once where the first note goes.
    ctx_.view.ShowKeyCursor(start.x, start.y);
    ctx_.shell.PaintBox().setFocus();
}

void FileCommands::Open() {
    if (!SavePrompt()) return;
    const QString path = ctx_.shell.Dialogs().askOpenPath(ctx_.shell.Window(), DialogFolder());
    if (path.isEmpty()) return;
    UseDialogFolder(path);
    OpenPath(path);
}

bool FileCommands::OpenPath(const QString& path) {
    return OpenNativePath(NativePath(path));
}

bool FileCommands::OpenNativePath(const std::string& given) {
    const std::string path = AbsolutePath(given);
    ReadResult result;
    {
        WaitCursor wait;
        result = ReadScoreFile(path, ctx_.document.Workspace().env);
    }
    if (result.status != ReadStatus::Ok) {
        // The open book, its name and the folder stay as they were. A file
        // that is not a score at all is passed over without a word.
        if (result.status != ReadStatus::NotAScore) {
            ctx_.shell.Dialogs().showError(ctx_.shell.Window(), Translated(result.message));
        }
        return false;
    }
    ctx_.document.ReplaceBook(std::move(result.book), path, EditorDocument::Origin::Opened,
                              result.stamp);
    EnterRecent(path);
    if (recovery_) recovery_->Discard();
    ctx_.shell.ScheduleUpdate();
    return true;
}

void FileCommands::ReopenRecent(const std::string& path) {
    if (!SavePrompt()) return;
    OpenNativePath(path);
}

bool FileCommands::WriteBook(const std::string& path) {
    QWidget* window = ctx_.shell.Window();
    // Another editor or program wrote the file since we read or saved it:
    // saving over it would lose that work without a word.
    if (path == ctx_.document.FilePath() && ctx_.document.FileChangedOnDisk() &&
        !ctx_.shell.Dialogs().askYesNo(window, Translated(ChangedOnDiskQuestion(path)))) {
        return false;
    }
    SaveResult result;
    {
        WaitCursor wait;
        result = SaveScoreFile(ctx_.document.Book(), path);
    }
    if (!result.ok) {
        // The book stays marked unsaved, so nothing is lost by a failed write.
        QString text = Translated(result.message);
        if (!result.detail.empty()) text += "\n" + QString::fromStdString(result.detail);
        ctx_.shell.Dialogs().showError(window, text);
        return false;
    }
    ctx_.document.MarkSaved(path, result.stamp);
    if (recovery_) recovery_->Discard();
    return true;
}

bool FileCommands::Save() {
    if (!ctx_.document.HasFile()) return SaveAs();
    return WriteBook(ctx_.document.FilePath());
}

bool FileCommands::SaveAs() {
    const QString chosen = ctx_.shell.Dialogs().askSavePath(ctx_.shell.Window(), DialogFolder(),
                                                            ctx_.document.ProposedName());
    if (chosen.isEmpty()) return false;
    UseDialogFolder(chosen);
    const std::string path = AbsolutePath(NativePath(chosen));
    if (!WriteBook(path)) return false;
    EnterRecent(path);
    ctx_.shell.ScheduleUpdate();
    return true;
}

void FileCommands::EnterRecent(const std::string& path) {
    Preferences& prefs = ctx_.document.Workspace().prefs;
    prefs.InitialDir = FolderOf(path);
    EnterRecentFile(prefs.RecentFiles, path);
    RebuildRecentMenu();
}

void FileCommands::RebuildRecentMenu() {
    recentMenu_.clear();
    const Preferences& prefs = ctx_.document.Workspace().prefs;
    for (const std::string& path : prefs.RecentFiles) {
        const QString caption = QFile::decodeName(path.c_str());
        QAction* entry = recentMenu_.addAction(caption);
        // The caption is the path; no ampersand in it may become a mnemonic.
        entry->setText(QString(caption).replace("&", "&&"));
        connect(entry, &QAction::triggered, this, [this, path] { ReopenRecent(path); });
    }
    recentMenu_.setEnabled(!prefs.RecentFiles.empty());
}

QString FileCommands::DialogFolder() const {
    DialogFolderPlaces places;
    places.settingsPath = ctx_.shell.SettingsPath();
    places.initialDir = QFile::decodeName(ctx_.document.Workspace().prefs.InitialDir.c_str());
    places.programFolder = QFile::decodeName(ExecutableFolder(executablePath_).c_str());
    places.documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return sorvel::DialogFolder(places);
}

void FileCommands::UseDialogFolder(const QString& chosenFile) {
    RememberDialogFolder(ctx_.shell.SettingsPath(), chosenFile);
}

void FileCommands::DropFiles(const QStringList& paths) {
    std::vector<std::string> native;
    for (const QString& path : paths) native.push_back(NativePath(path));
    DropNativeFiles(native);
}

void FileCommands::DropNativeFiles(const std::vector<std::string>& paths) {
    if (paths.empty()) return;
    if (!SavePrompt()) return;
    if (paths.size() >= 2) {
        ctx_.shell.Dialogs().showError(ctx_.shell.Window(),
                                       Translated("sorvel::TfrmMain", kMsgDropOneFile));
        return;
    }
    OpenNativePath(paths.front());
}

void FileCommands::OfferRecovery() {
    if (!recovery_) return;
    QWidget* window = ctx_.shell.Window();
    while (const std::optional<RecoveryController::Restore> restore =
               recovery_->OfferRestore(window)) {
        ReadResult result = ReadScoreFile(restore->copyPath, ctx_.document.Workspace().env);
        if (result.status != ReadStatus::Ok) {
            // Set aside once, with the reader's word; the next copy is offered.
            recovery_->RefuseRestore(window, *restore, Translated(result.message));
            continue;
        }
        // What was restored has never been saved. A book that had no file
        // (named kUntitled by the recovery) still has none: saving it asks
        // for a name instead of writing a file called "無題".
        const std::string path =
            restore->originalPath == kUntitled ? std::string() : restore->originalPath;
        ctx_.document.ReplaceBook(std::move(result.book), path, EditorDocument::Origin::Unsaved);
        recovery_->FinishRestore(*restore);
        ctx_.shell.ShowStatus(QCoreApplication::translate(
            "sorvel::TfrmMain", "前回保存されなかった変更を復元しました。"));
        return;
    }
}

std::vector<std::string> DroppedLocalFiles(const QMimeData& data) {
    std::vector<std::string> paths;
    for (const QUrl& url : data.urls()) {
        // The path's own bytes, percent-decoded: names that are not UTF-8
        // keep them, where toLocalFile() would replace them.
        if (url.isLocalFile()) {
            paths.push_back(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1())
                                .toStdString());
        }
    }
    return paths;
}

FileCommands* InstallFileCommands(const EditorContext& ctx, std::string executablePath,
                                  QMenu& recentMenu) {
    auto* commands = new FileCommands(ctx, std::move(executablePath), recentMenu);
    EditorShell* shell = &ctx.shell;
    EditorDocument* document = &ctx.document;
    // No other book comes while one plays; only a changed book is saved.
    const EditorShell::EnabledRule notPlaying = NotPlaying(*shell);
    const auto modified = [document] { return document->IsModified(); };
    shell->BindCommand(
        "actNewBook", [commands] { commands->NewBook(); }, notPlaying);
    shell->BindCommand(
        "actOpen", [commands] { commands->Open(); }, notPlaying);
    shell->BindCommand(
        "actSave", [commands] { commands->Save(); }, modified);
    shell->BindCommand(
        "actSaveAs", [commands] { commands->SaveAs(); }, modified);
    commands->RebuildRecentMenu();
    return commands;
}

}  // namespace sorvel
