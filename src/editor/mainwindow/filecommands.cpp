// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's file commands: new book, open, reopen, save, save as,
// dropped files, undo and redo, help and the about box.
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QScrollArea>
#include <QStandardPaths>
#include <filesystem>

#include "edit/newbooksetup.h"
#include "edit/pageoperations.h"
#include "editor/dialogs/dialogfolder.h"
#include "editor/dialogs/editoroptions.h"
#include "editor/dialogs/frmversioninfo.h"
#include "editor/mainwindow/frmmain.h"
#include "editor/mainwindow/recentfiles.h"
#include "editor/mainwindow/waitcursor.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/scorepaintbox.h"
#include "editor/pageview/toolpalette.h"
#include "editor/platform/helpopener.h"
#include "editor/platform/recoverycontroller.h"
#include "editor/platform/translatedtext.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
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

bool TfrmMain::SavePrompt() {
    if (!document_->IsModified()) return true;
    switch (options_.dialogs.askSaveChanges(this)) {
        case SaveAnswer::Cancel:
            return false;
        case SaveAnswer::Yes:
            Save();
            return !document_->IsModified();
        case SaveAnswer::No:
            return true;
    }
    return false;
}

void TfrmMain::BookReplaced() {
    // A new book's page has new bar lines: no tool stays chosen over it.
    pcTool_->PressNoTool();
    rhythm_.reset();  // its runs name items of the old book
    pageNo_ = 1;
    ShowCurrentPage();
    ResetScroll();
    view_->HideKeyCursor();
    ScheduleUpdate();
}

void TfrmMain::NewBook() {
    if (!SavePrompt()) return;
    if (!EditorOptionOn(settingsPath_, kNewBookDialogOption)) {
        document_->ReplaceWithNewBook();
        return;
    }
    const std::optional<NewBookSetup> setup = options_.dialogs.askNewBook(this);
    if (!setup) return;
    PagePoint start;
    document_->ReplaceWithNewBook(
        [&](TWorkspace& ws) { start = SetUpNewBook(*ws.book, *setup, ws.layout, ws.glyphs); });
    // Typing (and rhythm entry) starts at once where the first note goes.
    view_->ShowKeyCursor(start.x, start.y);
    pbScore1_->setFocus();
}

void TfrmMain::Open() {
    if (!SavePrompt()) return;
    const QString path = options_.dialogs.askOpenPath(this, DialogFolder());
    if (path.isEmpty()) return;
    UseDialogFolder(path);
    OpenPath(path);
}

bool TfrmMain::OpenPath(const QString& path) {
    return OpenNativePath(NativePath(path));
}

bool TfrmMain::OpenNativePath(const std::string& given) {
    const std::string path = AbsolutePath(given);
    ReadResult result;
    {
        WaitCursor wait;
        result = ReadScoreFile(path, Workspace().env);
    }
    if (result.status != ReadStatus::Ok) {
        // The open book, its name and the folder stay as they were. A file
        // that is not a score at all is passed over without a word.
        if (result.status != ReadStatus::NotAScore) {
            options_.dialogs.showError(this, Translated(result.message));
        }
        return false;
    }
    document_->ReplaceBook(std::move(result.book), path, EditorDocument::Origin::Opened,
                           result.stamp);
    Workspace().prefs.InitialDir = FolderOf(path);
    EnterRecentFile(Workspace().prefs.RecentFiles, path);
    RebuildRecentMenu();
    if (recovery_) recovery_->Discard();
    ScheduleUpdate();
    return true;
}

void TfrmMain::ReopenRecent(const std::string& path) {
    if (!SavePrompt()) return;
    OpenNativePath(path);
}

bool TfrmMain::WriteBook(const std::string& path) {
    // Another editor or program wrote the file since we read or saved it:
    // saving over it would lose that work without a word.
    if (path == document_->FilePath() && document_->FileChangedOnDisk() &&
        !options_.dialogs.askYesNo(this, Translated(ChangedOnDiskQuestion(path)))) {
        return false;
    }
    SaveResult result;
    {
        WaitCursor wait;
        result = SaveScoreFile(Book(), path);
    }
    if (!result.ok) {
        // The book stays marked unsaved, so nothing is lost by a failed write.
        QString text = Translated(result.message);
        if (!result.detail.empty()) text += "\n" + QString::fromStdString(result.detail);
        options_.dialogs.showError(this, text);
        return false;
    }
    document_->MarkSaved(path, result.stamp);
    if (recovery_) recovery_->Discard();
    return true;
}

bool TfrmMain::Save() {
    if (!document_->HasFile()) return SaveAs();
    return WriteBook(document_->FilePath());
}

bool TfrmMain::SaveAs() {
    const QString chosen =
        options_.dialogs.askSavePath(this, DialogFolder(), document_->ProposedName());
    if (chosen.isEmpty()) return false;
    UseDialogFolder(chosen);
    const std::string path = AbsolutePath(NativePath(chosen));
    if (!WriteBook(path)) return false;
    Workspace().prefs.InitialDir = FolderOf(path);
    EnterRecentFile(Workspace().prefs.RecentFiles, path);
    RebuildRecentMenu();
    ScheduleUpdate();
    return true;
}

QString TfrmMain::DialogFolder() const {
    DialogFolderPlaces places;
    places.settingsPath = settingsPath_;
    places.initialDir = QFile::decodeName(document_->Workspace().prefs.InitialDir.c_str());
    places.programFolder = QFile::decodeName(ExecutableFolder(options_.executablePath).c_str());
    places.documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return sorvel::DialogFolder(places);
}

void TfrmMain::UseDialogFolder(const QString& chosenFile) {
    RememberDialogFolder(settingsPath_, chosenFile);
}

void TfrmMain::DropFiles(const QStringList& paths) {
    std::vector<std::string> native;
    for (const QString& path : paths) native.push_back(NativePath(path));
    DropNativeFiles(native);
}

void TfrmMain::DropNativeFiles(const std::vector<std::string>& paths) {
    if (paths.empty()) return;
    if (!SavePrompt()) return;
    if (paths.size() >= 2) {
        options_.dialogs.showError(this, tr(kMsgDropOneFile));
        return;
    }
    OpenNativePath(paths.front());
}

void TfrmMain::Undo() {
    document_->UndoStep();
    AfterUndoStep();
}

void TfrmMain::Redo() {
    document_->RedoStep();
    AfterUndoStep();
}

void TfrmMain::AfterUndoStep() {
    view_->ClearSelection();
    view_->SetCurrentItem(nullptr);
    if (pageNo_ > Book().SheetCount()) pageNo_ = Book().SheetCount();
    // The page at this number may be another object now (a page inserted or
    // removed again), and its layout may have changed: take it over anew.
    view_->SetPage(nullptr);
    ShowCurrentPage();
    RhythmCursorAfterUndo();
    ScheduleUpdate();
}

void TfrmMain::ShowHelp() {
    OpenHelp(
        this, DesktopOpener(),
        [this](const QString& message) { options_.dialogs.showError(this, message); },
        QString::fromStdString(options_.language));
}

void TfrmMain::ShowAbout() {
    TfrmVersionInfo about(this);
    about.exec();
}

void TfrmMain::OfferRecovery() {
    if (!recovery_) return;
    while (const std::optional<RecoveryController::Restore> restore =
               recovery_->OfferRestore(this)) {
        ReadResult result = ReadScoreFile(restore->copyPath, Workspace().env);
        if (result.status != ReadStatus::Ok) {
            // Set aside once, with the reader's word; the next copy is offered.
            recovery_->RefuseRestore(this, *restore, Translated(result.message));
            continue;
        }
        // What was restored has never been saved. A book that had no file
        // (named kUntitled by the recovery) still has none: saving it asks
        // for a name instead of writing a file called "無題".
        const std::string path =
            restore->originalPath == kUntitled ? std::string() : restore->originalPath;
        document_->ReplaceBook(std::move(result.book), path, EditorDocument::Origin::Unsaved);
        recovery_->FinishRestore(*restore);
        ShowStatus(tr("前回保存されなかった変更を復元しました。"));
        return;
    }
}

}  // namespace sorvel
