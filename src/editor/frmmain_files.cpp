// The main window's file commands: new book, open, reopen, save, save as,
// dropped files, undo and redo, help and the about box.
#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QScrollArea>

#include "editor/frmmain.h"
#include "editor/frmversioninfo.h"
#include "editor/helpopener.h"
#include "editor/musicpaintbox.h"
#include "editor/pageoperations.h"
#include "editor/recentfiles.h"
#include "editor/recoverycontroller.h"
#include "editor/waitcursor.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "model/scorefile.h"

namespace sorvel {

namespace {

std::string FolderOf(const QString& path) {
    return QFileInfo(path).absolutePath().toStdString();
}

}  // namespace

void TfrmMain::CreateNewBook() {
    ws_.NewBook();
    PlaceBlankPageBarLines(*ws_.book->GetSheet(0));
    modified_ = false;
}

bool TfrmMain::SavePrompt() {
    if (!modified_) return true;
    switch (options_.dialogs.askSaveChanges(this)) {
        case SaveAnswer::Cancel:
            return false;
        case SaveAnswer::Yes:
            Save();
            return !modified_;
        case SaveAnswer::No:
            return true;
    }
    return false;
}

void TfrmMain::NewBook() {
    if (!SavePrompt()) return;
    Q_EMIT aboutToReplaceBook();
    view_->SetPage(nullptr);
    fileName_ = QString::fromUtf8(kUntitled);
    SetTitle();
    CreateNewBook();
    pageNo_ = 1;
    ShowCurrentPage();
    SetModified(false);
    ResetScroll();
    view_->HideKeyCursor();
    ScheduleUpdate();
}

void TfrmMain::Open() {
    if (!SavePrompt()) return;
    const QString path = options_.dialogs.askOpenPath(
        this, QString::fromStdString(ws_.prefs.InitialDir));
    if (path.isEmpty()) return;
    OpenPath(path);
}

bool TfrmMain::OpenPath(const QString& path) {
    ReadResult result;
    {
        WaitCursor wait;
        result = ReadScoreFile(path.toStdString(), ws_.env);
    }
    if (result.status != ReadStatus::Ok) {
        // The open book, its name and the folder stay as they were. A file
        // that is not a score at all is passed over without a word.
        if (result.status != ReadStatus::NotAScore) {
            options_.dialogs.showError(this, QString::fromStdString(result.message));
        }
        return false;
    }
    Q_EMIT aboutToReplaceBook();
    view_->SetPage(nullptr);
    ws_.undo.Clear();
    ws_.book = std::move(result.book);
    fileName_ = path;
    ws_.prefs.InitialDir = FolderOf(path);
    AfterRead(path);
    return true;
}

void TfrmMain::AfterRead(const QString& path) {
    pageNo_ = 1;
    ShowCurrentPage();
    SetModified(false);
    SetTitle();
    ResetScroll();
    view_->HideKeyCursor();
    EnterRecentFile(ws_.prefs.RecentFiles, path.toStdString());
    RebuildRecentMenu();
    if (recovery_) recovery_->Discard();
    ScheduleUpdate();
}

void TfrmMain::AdoptNewBook(std::unique_ptr<TMusicBook> book) {
    Q_EMIT aboutToReplaceBook();
    view_->SetPage(nullptr);
    ws_.undo.Clear();
    ws_.book = std::move(book);
    fileName_ = QString::fromUtf8(kUntitled);
    pageNo_ = 1;
    ShowCurrentPage();
    // Nothing of it is on disk yet: closing asks to save, and the recovery
    // copy keeps it from the next minute on.
    SetModified(true);
    SetTitle();
    ResetScroll();
    view_->HideKeyCursor();
    ScheduleUpdate();
}

void TfrmMain::ReopenRecent(const QString& path) {
    if (!SavePrompt()) return;
    OpenPath(path);
}

bool TfrmMain::WriteBook(const QString& path) {
    SaveResult result;
    {
        WaitCursor wait;
        result = SaveScoreFile(*ws_.book, path.toStdString());
    }
    if (!result.ok) {
        // The book stays marked unsaved, so nothing is lost by a failed write.
        QString text = QString::fromStdString(result.message);
        if (!result.detail.empty()) text += "\n" + QString::fromStdString(result.detail);
        options_.dialogs.showError(this, text);
        return false;
    }
    SetModified(false);
    if (recovery_) recovery_->Discard();
    return true;
}

bool TfrmMain::Save() {
    if (fileName_ == QString::fromUtf8(kUntitled)) return SaveAs();
    return WriteBook(fileName_);
}

bool TfrmMain::SaveAs() {
    const QString path = options_.dialogs.askSavePath(
        this, QString::fromStdString(ws_.prefs.InitialDir), fileName_);
    if (path.isEmpty()) return false;
    if (!WriteBook(path)) return false;
    fileName_ = path;
    ws_.prefs.InitialDir = FolderOf(path);
    EnterRecentFile(ws_.prefs.RecentFiles, path.toStdString());
    RebuildRecentMenu();
    SetTitle();
    ScheduleUpdate();
    return true;
}

void TfrmMain::DropFiles(const QStringList& paths) {
    if (paths.isEmpty()) return;
    if (!SavePrompt()) return;
    if (paths.size() >= 2) {
        options_.dialogs.showError(this, QString::fromUtf8(kMsgDropOneFile));
        return;
    }
    OpenPath(paths.first());
}

void TfrmMain::Undo() {
    ws_.undo.Undo();
    AfterUndoStep();
}

void TfrmMain::Redo() {
    ws_.undo.Redo();
    AfterUndoStep();
}

void TfrmMain::AfterUndoStep() {
    view_->ClearSelection();
    view_->SetCurrentItem(nullptr);
    if (pageNo_ > ws_.book->SheetCount()) pageNo_ = ws_.book->SheetCount();
    // The page at this number may be another object now (a page inserted or
    // removed again), and its layout may have changed: take it over anew.
    view_->SetPage(nullptr);
    ShowCurrentPage();
    ScheduleUpdate();
}

void TfrmMain::ShowHelp() {
    QString error;
    if (!OpenHelp(this, &error)) options_.dialogs.showError(this, error);
}

void TfrmMain::ShowAbout() {
    TfrmVersionInfo about(this);
    about.exec();
}

void TfrmMain::OfferRecovery() {
    if (!recovery_) return;
    const std::optional<RecoveryController::Restore> restore = recovery_->OfferRestore(this);
    if (!restore) return;
    ReadResult result = ReadScoreFile(restore->copyPath, ws_.env);
    if (result.status != ReadStatus::Ok) {
        options_.dialogs.showError(this, QString::fromStdString(result.message));
        return;
    }
    Q_EMIT aboutToReplaceBook();
    view_->SetPage(nullptr);
    ws_.undo.Clear();
    ws_.book = std::move(result.book);
    fileName_ = restore->originalPath.empty() ? QString::fromUtf8(kUntitled)
                                              : QString::fromStdString(restore->originalPath);
    pageNo_ = 1;
    ShowCurrentPage();
    SetTitle();
    ResetScroll();
    recovery_->FinishRestore(*restore);
    // What was restored has never been saved.
    SetModified(true);
    ShowStatus(QString::fromUtf8("前回保存されなかった変更を復元しました。"));
    ScheduleUpdate();
}

}  // namespace sorvel
