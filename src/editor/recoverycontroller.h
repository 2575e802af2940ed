#pragma once
// Recovery copies for the main window: while the book has unsaved changes it is
// serialised on the GUI thread at every tick and the bytes are written by a
// worker thread, so no edit waits on the disk; at start-up the copies of
// editors that crashed are offered for restoring. It never reads a score: the
// main window opens the copy the user chose with the score reader.
#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "editor/booknames.h"
#include "editor/recoverystore.h"

class QWidget;

namespace sorvel {

class RecoveryController : public QObject {
    Q_OBJECT

public:
    static constexpr int kDefaultIntervalMs = 60'000;

    // Asks the restore question with Yes and No; true for Yes. Tests pass
    // their own instead of the modal message box.
    using AskFunction = std::function<bool(QWidget* parent, const QString& text)>;

    // isModified: whether the book has unsaved changes. serialize: the book's
    // file bytes (SaveBookToFileBytes) and its file name (UTF-8 path, or
    // kUntitled or empty for a never-saved book). Both are called on the GUI
    // thread only; the worker thread sees nothing but the bytes.
    RecoveryController(RecoveryStore store, std::function<bool()> isModified,
                       std::function<std::pair<std::string, std::string>()> serialize,
                       QObject* parent = nullptr);
    // Lets a write already running finish (the copy is whole or not there);
    // one still waiting is dropped.
    ~RecoveryController() override;

    void Start();  // the periodic writes
    void SetInterval(int ms);

    // While the book is modified: serialises it and hands the bytes to the
    // worker (a write still waiting is replaced). Once the book is no longer
    // modified (saved, reverted, another book opened), the copy is removed.
    void WriteNow();

    // After a save and at a clean exit: removes this editor's copy at once,
    // after the write that may be running; a waiting write is dropped.
    void Discard();

    struct Restore {
        std::string copyPath;      // the score file to read
        std::string originalPath;  // the book's file (UTF-8), or kUntitled
        RecoveryOwner owner;       // the editor that wrote it
    };

    // At start-up: offers the copies of editors that no longer run, newest
    // first. Yes returns that copy; No removes it and offers the next. Copies
    // older than the one chosen stay for the next start.
    std::optional<Restore> OfferRestore(QWidget* parent);

    // After the chosen copy has been read into the editor (and the book marked
    // modified): the copy becomes this editor's own, so the restored work stays
    // recoverable until the next write replaces it; the leftover is gone.
    void FinishRestore(const Restore& restore);

    void SetAsk(AskFunction ask) { ask_ = std::move(ask); }

    // The question for one copy: the fixed text, the file and the time.
    static QString RestoreQuestion(const std::string& originalPath, std::int64_t savedAt);

    const RecoveryStore& Store() const { return store_; }

Q_SIGNALS:
    // After each write of the worker, on the GUI thread: 0 or the errno.
    void copyWritten(int error);

private:
    struct Worker;

    const RecoveryStore store_;
    std::function<bool()> isModified_;
    std::function<std::pair<std::string, std::string>()> serialize_;
    AskFunction ask_;
    QTimer timer_;
    bool copyOnDisk_ = false;  // a write was handed over since the last removal
    std::unique_ptr<Worker> worker_;
};

}  // namespace sorvel
