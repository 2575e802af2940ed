// SPDX-License-Identifier: GPL-3.0-or-later
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
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "editor/mainwindow/booknames.h"
#include "editor/platform/recoverystore.h"

class QWidget;

namespace sorvel {

class RecoveryController : public QObject {
    Q_OBJECT

public:
    static constexpr int kDefaultIntervalMs = 60'000;
    // The first copy after the book became modified comes this soon, so a
    // crash in the first minute of work loses nothing either.
    static constexpr int kDefaultFirstCopyDelayMs = 5'000;

    // The answers to the restore question. Only Discard removes the copy;
    // Later (Esc, closing the box) keeps it for the next start.
    enum class RestoreAnswer { Restore, Discard, Later };

    // Asks the restore question. Tests pass their own instead of the modal
    // message box.
    using AskFunction = std::function<RestoreAnswer(QWidget* parent, const QString& text)>;
    // Tells the user something once (a copy set aside); a message box unless
    // tests pass their own.
    using InformFunction = std::function<void(QWidget* parent, const QString& text)>;

    // isModified: whether the book has unsaved changes. serialize: the book's
    // file bytes (SaveBookToFileBytes) and its file name (path bytes, or
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
    void SetFirstCopyDelay(int ms);

    // The document calls this on each change notification. While no copy
    // of the current work is on disk (the first change since the book was
    // opened or saved, or the last write failed) a write follows after the
    // first-copy delay; later changes wait for the periodic write.
    void BookChanged();
    // Whether the write that BookChanged asked for is still waiting.
    bool FirstCopyPending() const { return firstCopy_.isActive(); }

    // While the book is modified: serialises it and hands the bytes to the
    // worker (a write still waiting is replaced). Once the book is no longer
    // modified (saved, reverted, another book opened), the copy is removed.
    // The periodic and the first-copy timers call this.
    void WriteNow();

    // After a save and at a clean exit: removes this editor's copy at once,
    // after the write that may be running; a waiting write is dropped.
    void Discard();

    struct Restore {
        std::string copyPath;      // the score file to read
        std::string originalPath;  // the book's file (path bytes), or kUntitled
        RecoveryOwner owner;       // the editor that wrote it
    };

    // At start-up: offers the copies of editors that no longer run, newest
    // first. Restore returns that copy; Discard removes it and offers the
    // next; Later keeps it and every copy not yet offered for the next start
    // and offers nothing more in this run. Copies older than the one chosen
    // stay for the next start. Copies the reader would refuse are set aside
    // first, and the user is told once where they are.
    std::optional<Restore> OfferRestore(QWidget* parent);

    // After the chosen copy has been read into the editor (and the book marked
    // modified): the copy becomes this editor's own, so the restored work stays
    // recoverable until the next write replaces it; the leftover is gone.
    void FinishRestore(const Restore& restore);

    // When the reader refused the chosen copy: sets it aside (its bytes kept
    // under a name no start offers again) and tells the user once, with the
    // reader's message. OfferRestore may then be called for the next copy.
    void RefuseRestore(QWidget* parent, const Restore& restore, const QString& readerMessage);

    void SetAsk(AskFunction ask) { ask_ = std::move(ask); }
    void SetInform(InformFunction inform) { inform_ = std::move(inform); }

    // The question for one copy: the fixed text, the file and the time.
    static QString RestoreQuestion(const std::string& originalPath, std::int64_t savedAt);
    // The message box with はい / いいえ / 後で; Esc and closing the box are 後で.
    static RestoreAnswer AskWithMessageBox(QWidget* parent, const QString& text);
    // What the user is told about copies set aside.
    static QString SetAsideText(const std::vector<std::string>& paths,
                                const QString& readerMessage);
    // The status bar's words when a copy cannot be written (errno), and when
    // writing works again.
    static QString WriteFailedText(int error);
    static QString WriteRecoveredText();

    const RecoveryStore& Store() const { return store_; }
    // Whether the last write failed, and no later one has succeeded.
    bool WriteFailing() const { return writeFailing_; }

Q_SIGNALS:
    // After each write of the worker, on the GUI thread: 0 or the errno.
    void copyWritten(int error);
    // For the status bar: a copy could not be written (at every failed try,
    // so the words stay in view), or writing works again.
    void statusReport(const QString& text);
    // The words to keep in view while copies cannot be written (sent at
    // every failed try); empty once a copy is written again, or once nothing
    // unsaved is at risk any more.
    void writeFailureChanged(const QString& text);

private:
    struct Worker;

    void Written(int error);

    const RecoveryStore store_;
    std::function<bool()> isModified_;
    std::function<std::pair<std::string, std::string>()> serialize_;
    AskFunction ask_;
    InformFunction inform_;
    QTimer timer_;
    QTimer firstCopy_;
    bool copyOnDisk_ = false;            // a write was handed over since the last removal
    bool writeFailing_ = false;          // the last write failed
    std::set<RecoveryOwner> postponed_;  // answered Later in this run
    std::unique_ptr<Worker> worker_;
};

}  // namespace sorvel
