// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The editable document: the open book with its workspace (undo manager,
// preferences, layout, glyphs), its file name and the saved mark in the undo
// history. "Modified" is derived from them, never set by hand. Every change
// of the book is a Transaction run by Edit, one undo step; the document
// notifies once per step, and the windows listen.
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "base/filestamp.h"
#include "editor/document/transaction.h"
#include "model/workspace.h"

namespace sorvel {

class TMusicBook;

class EditorDocument : public QObject {
    Q_OBJECT
public:
    // How a book that replaces the open one came to be.
    enum class Origin {
        NewBook,  // made by the program: nothing to save
        Opened,   // read from its file: the file holds it
        Unsaved,  // imported or recovered: nothing of it is on disk yet
    };

    explicit EditorDocument(QObject* parent = nullptr);
    ~EditorDocument() override;

    Workspace& Workspace() { return ws_; }
    TMusicBook& Book() { return *ws_.book; }
    const TMusicBook& Book() const { return *ws_.book; }
    TUndo& Undo() { return ws_.undo; }

    // The file the book was read from or last saved to, as the file system
    // names it (bytes, not always UTF-8); empty for none.
    const std::string& FilePath() const { return filePath_; }
    // The same for people to read; kUntitled for none.
    QString FileName() const;
    // The name the save and export dialogs propose: the file's path, or for a
    // book never saved its title made safe for a file name ("無題" without one).
    QString ProposedName() const;
    bool HasFile() const { return !filePath_.empty(); }
    // The file as it was when last read or written; empty for a book that
    // came from elsewhere (new, import, recovery).
    const std::optional<FileStamp>& DiskStamp() const { return diskStamp_; }
    // Whether another program changed the book's file since then.
    bool FileChangedOnDisk() const;
    bool IsModified() const;

    // Runs `change` as one transaction named `label` (for diagnostics): one
    // undo step, or none when it records nothing; the notification follows
    // when it closes. The book changes nowhere else: a property change
    // outside a transaction is refused (an assertion in debug builds), and
    // so is an Edit inside another one.
    void Edit(const std::string& label, const std::function<void(Transaction&)>& change);
    // A change of saved data that the undo history does not record (the
    // book's grid display): the book counts as modified until saved.
    void ChangedOutsideHistory();

    void UndoStep();
    void RedoStep();

    // Makes `book` (built in this document's workspace) the open book; the
    // history starts anew. `filePath` is empty for a book without a file.
    void ReplaceBook(std::unique_ptr<TMusicBook> book, const std::string& filePath, Origin origin,
                     std::optional<FileStamp> stamp = std::nullopt);
    // A fresh book as the program makes one; `setUp`, when given, fills it
    // before anyone hears of it (nothing it changes is recorded: the new
    // book's history is empty and it is unmodified).
    void ReplaceWithNewBook(const std::function<void(Workspace&)>& setUp = {});
    // The book was written to `path`: the saved mark moves to the present state.
    void MarkSaved(const std::string& filePath, std::optional<FileStamp> stamp = std::nullopt);

    // After every recorded step, before anything is notified: returns a
    // message when the step must not stand (the book would break a limit);
    // the step is then taken back and the message reported.
    std::function<std::string(const TMusicBook&)> checkStep;

Q_SIGNALS:
    // Before the open book is replaced: whoever names its objects lets go.
    void aboutToReplaceBook();
    // A new book is open (new, open, import, recovery).
    void bookReplaced();
    // The book changed: a step was recorded, undone or redone.
    void changed();
    void modifiedChanged(bool modified);
    void fileNameChanged(const QString& fileName);
    // A step was refused by checkStep: taken back, or (`takenBack` false)
    // left standing because later steps lie on top of it.
    void stepRefused(const QString& message, bool takenBack);

private:
    void StepRecorded();
    void TakeBackRefusedStep(long refusedState, const std::string& message);
    void NotifyModified();

    Workspace ws_;
    std::string filePath_;
    std::optional<FileStamp> diskStamp_;
    long savedState_ = 0;
    // Nothing of the book is on disk (import, recovery), or a change outside
    // the history was made since saving.
    bool unsavedOrigin_ = false;
    bool changedOutsideHistory_ = false;
    bool lastModified_ = false;
};

}  // namespace sorvel
