// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/document/editordocument.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>

#include "base/cp932.h"
#include "edit/pageoperations.h"
#include "editor/dialogs/dialogfolder.h"
#include "editor/mainwindow/booknames.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"

namespace sorvel {

EditorDocument::EditorDocument(QObject* parent) : QObject(parent) {
    ws_.undo.onStepRecorded = [this] { StepRecorded(); };
    ws_.undo.RefuseChangesOutsideGroups();
    ws_.NewBook();
    const UntrackedChanges building(&ws_.undo);
    PlaceBlankPageBarLines(*ws_.book->GetSheet(0));
    savedState_ = ws_.undo.StateId();
}

EditorDocument::~EditorDocument() {
    ws_.undo.onStepRecorded = nullptr;
}

QString EditorDocument::FileName() const {
    return filePath_.empty() ? QCoreApplication::translate(kBookNamesContext, kUntitled)
                             : QFile::decodeName(filePath_.c_str());
}

QString EditorDocument::ProposedName() const {
    if (HasFile()) return FileName();
    const TMusicBook& book = *ws_.book;
    std::string title = book.Title();
    if (title.empty() && book.SheetCount() > 0) title = book.GetSheet(0)->Title();
    const QString name = FileNameOfTitle(QString::fromStdString(cp932::ToUtf8(title)));
    return name.isEmpty() ? FileName() : name;
}

bool EditorDocument::IsModified() const {
    return unsavedOrigin_ || changedOutsideHistory_ || ws_.undo.StateId() != savedState_;
}

bool EditorDocument::FileChangedOnDisk() const {
    return HasFile() && diskStamp_ && ChangeSince(*diskStamp_, filePath_) == DiskChange::Changed;
}

void EditorDocument::Edit(const std::string& label,
                          const std::function<void(Transaction&)>& change) {
    UndoGroup group(ws_.undo, label);
    Transaction transaction(ws_, label);
    change(transaction);
}

void EditorDocument::ChangedOutsideHistory() {
    changedOutsideHistory_ = true;
    Q_EMIT changed();
    NotifyModified();
}

void EditorDocument::StepRecorded() {
    if (checkStep) {
        const std::string message = checkStep(*ws_.book);
        if (!message.empty()) {
            // The step is taken back once the code that made it has finished
            // with the objects it holds.
            const long refused = ws_.undo.StateId();
            QTimer::singleShot(0, this,
                               [this, refused, message] { TakeBackRefusedStep(refused, message); });
        }
    }
    Q_EMIT changed();
    NotifyModified();
}

void EditorDocument::TakeBackRefusedStep(long refusedState, const std::string& message) {
    if (ws_.undo.StateId() == refusedState) {
        ws_.undo.Undo();
        Q_EMIT changed();
        NotifyModified();
        Q_EMIT stepRefused(QString::fromStdString(message), true);
        return;
    }
    // The history moved on before the step could be taken back: undone
    // already (nothing to say), or other steps lie on top of it, which undo
    // would take along. It stays, and the message says so while the book
    // still breaks the limit.
    const std::string still = checkStep ? checkStep(*ws_.book) : std::string();
    if (still.empty()) return;
    Q_EMIT stepRefused(tr("%1\n続けて別の変更が行われたため、この変更は取り消していません。")
                           .arg(QString::fromStdString(still)),
                       false);
}

void EditorDocument::UndoStep() {
    if (!ws_.undo.CanUndo()) return;
    ws_.undo.Undo();
    Q_EMIT changed();
    NotifyModified();
}

void EditorDocument::RedoStep() {
    if (!ws_.undo.CanRedo()) return;
    ws_.undo.Redo();
    if (checkStep) {
        const std::string message = checkStep(*ws_.book);
        if (!message.empty()) {
            ws_.undo.Undo();
            Q_EMIT stepRefused(QString::fromStdString(message), true);
        }
    }
    Q_EMIT changed();
    NotifyModified();
}

void EditorDocument::ReplaceBook(std::unique_ptr<TMusicBook> book, const std::string& filePath,
                                 Origin origin, std::optional<FileStamp> stamp) {
    Q_EMIT aboutToReplaceBook();
    ws_.undo.Clear();
    ws_.book = std::move(book);
    filePath_ = filePath;
    diskStamp_ = stamp;
    savedState_ = ws_.undo.StateId();
    unsavedOrigin_ = origin == Origin::Unsaved;
    changedOutsideHistory_ = false;
    Q_EMIT bookReplaced();
    Q_EMIT fileNameChanged(FileName());
    NotifyModified();
}

void EditorDocument::ReplaceWithNewBook(const std::function<void(Workspace&)>& setUp) {
    Q_EMIT aboutToReplaceBook();
    ws_.NewBook();
    {
        // The new book has no history yet: what sets it up is part of it.
        const UntrackedChanges building(&ws_.undo);
        PlaceBlankPageBarLines(*ws_.book->GetSheet(0));
        if (setUp) setUp(ws_);
    }
    filePath_.clear();
    diskStamp_.reset();
    savedState_ = ws_.undo.StateId();
    unsavedOrigin_ = false;
    changedOutsideHistory_ = false;
    Q_EMIT bookReplaced();
    Q_EMIT fileNameChanged(FileName());
    NotifyModified();
}

void EditorDocument::MarkSaved(const std::string& filePath, std::optional<FileStamp> stamp) {
    diskStamp_ = stamp;
    savedState_ = ws_.undo.StateId();
    unsavedOrigin_ = false;
    changedOutsideHistory_ = false;
    if (filePath != filePath_) {
        filePath_ = filePath;
        Q_EMIT fileNameChanged(FileName());
    }
    NotifyModified();
}

void EditorDocument::NotifyModified() {
    const bool modified = IsModified();
    if (modified == lastModified_) return;
    lastModified_ = modified;
    Q_EMIT modifiedChanged(modified);
}

}  // namespace sorvel
