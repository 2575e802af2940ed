// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/platform/recoverycontroller.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDateTime>
#include <QMessageBox>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>
#include <tuple>

namespace sorvel {
namespace {

// Up to the end of year 9999; a side file's time beyond it is shown as unknown.
constexpr std::int64_t kLatestShownTime = 253'402'300'799;

void InformWithMessageBox(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning,
                    QCoreApplication::translate("sorvel::RecoveryController", "確認"), text,
                    QMessageBox::Ok, parent);
    box.exec();
}

std::int64_t SecondsNow() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

}  // namespace

// The thread that does the disk work. It holds at most one job waiting: a
// newer copy makes an older one pointless. Jobs carry bytes, never the book.
struct RecoveryController::Worker {
    struct Job {
        bool remove = false;
        std::string bytes;
        std::string originalPath;
        std::int64_t savedAt = 0;
    };

    Worker(const RecoveryStore& store, std::function<void(int)> written)
        : store(store), written(std::move(written)) {}

    ~Worker() {
        {
            std::lock_guard lock(mutex);
            stop = true;
            pending.reset();
        }
        wake.notify_one();
        if (thread.joinable()) thread.join();
    }

    void Post(Job job) {
        {
            std::lock_guard lock(mutex);
            pending = std::move(job);
        }
        if (!thread.joinable()) thread = std::thread([this] { Run(); });
        wake.notify_one();
    }

    // Drops the waiting job and waits for the running one.
    void CancelAndWait() {
        std::unique_lock lock(mutex);
        pending.reset();
        idle.wait(lock, [this] { return !busy; });
    }

    void Run() {
        std::unique_lock lock(mutex);
        for (;;) {
            wake.wait(lock, [this] { return stop || pending.has_value(); });
            if (stop) return;
            const Job job = std::move(*pending);
            pending.reset();
            busy = true;
            lock.unlock();
            if (job.remove) {
                store.Remove();
            } else {
                written(store.Write(job.bytes, job.originalPath, job.savedAt));
            }
            lock.lock();
            busy = false;
            idle.notify_all();
        }
    }

    const RecoveryStore& store;
    const std::function<void(int)> written;  // called on the worker thread
    std::mutex mutex;
    std::condition_variable wake;  // a job or the stop
    std::condition_variable idle;  // a job done
    std::optional<Job> pending;
    bool busy = false;
    bool stop = false;
    std::thread thread;  // started with the first job
};

RecoveryController::RecoveryController(
    RecoveryStore store, std::function<bool()> isModified,
    std::function<std::pair<std::string, std::string>()> serialize, QObject* parent)
    : QObject(parent),
      store_(std::move(store)),
      isModified_(std::move(isModified)),
      serialize_(std::move(serialize)),
      ask_(AskWithMessageBox),
      inform_(InformWithMessageBox) {
    timer_.setInterval(kDefaultIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &RecoveryController::WriteNow);
    firstCopy_.setSingleShot(true);
    firstCopy_.setInterval(kDefaultFirstCopyDelayMs);
    connect(&firstCopy_, &QTimer::timeout, this, &RecoveryController::WriteNow);
    // The report crosses to the GUI thread as a queued call; one still queued
    // when the controller is destroyed is dropped with it.
    worker_ = std::make_unique<Worker>(store_, [this](int error) {
        QMetaObject::invokeMethod(
            this, [this, error] { Written(error); }, Qt::QueuedConnection);
    });
}

// The worker is stopped here, while the object it reports to is still whole.
RecoveryController::~RecoveryController() {
    worker_.reset();
}

void RecoveryController::Start() {
    timer_.start();
}

void RecoveryController::SetInterval(int ms) {
    timer_.setInterval(ms);
}

void RecoveryController::SetFirstCopyDelay(int ms) {
    firstCopy_.setInterval(ms);
}

void RecoveryController::BookChanged() {
    if ((!copyOnDisk_ || writeFailing_) && !firstCopy_.isActive()) firstCopy_.start();
}

void RecoveryController::Written(int error) {
    if (error != 0) {
        writeFailing_ = true;
        const QString text = WriteFailedText(error);
        Q_EMIT writeFailureChanged(text);
        Q_EMIT statusReport(text);
    } else if (writeFailing_) {
        writeFailing_ = false;
        Q_EMIT writeFailureChanged(QString());
        Q_EMIT statusReport(WriteRecoveredText());
    }
    Q_EMIT copyWritten(error);
}

QString RecoveryController::WriteFailedText(int error) {
    return tr("復元用のコピーを書き込めません（%1）。異常終了すると変更が失われます。"
              "こまめに保存してください。")
        .arg(QString::fromLocal8Bit(std::strerror(error)));
}

QString RecoveryController::WriteRecoveredText() {
    return tr("復元用のコピーを再び書き込めるようになりました。");
}

void RecoveryController::WriteNow() {
    firstCopy_.stop();
    if (!isModified_()) {
        if (copyOnDisk_) {
            Worker::Job removal;
            removal.remove = true;
            worker_->Post(std::move(removal));
        }
        copyOnDisk_ = false;
        if (writeFailing_) {
            // Nothing unsaved is at risk any more.
            writeFailing_ = false;
            Q_EMIT writeFailureChanged(QString());
            Q_EMIT statusReport(QString());
        }
        return;
    }
    Worker::Job write;
    std::tie(write.bytes, write.originalPath) = serialize_();
    if (write.originalPath == kUntitled) write.originalPath.clear();
    write.savedAt = SecondsNow();
    worker_->Post(std::move(write));
    copyOnDisk_ = true;
}

void RecoveryController::Discard() {
    worker_->CancelAndWait();
    store_.Remove();
    copyOnDisk_ = false;
}

QString RecoveryController::RestoreQuestion(const std::string& originalPath, std::int64_t savedAt) {
    const QString file = originalPath.empty()
                             ? QCoreApplication::translate(kBookNamesContext, kUntitled)
                             : QString::fromStdString(originalPath);
    QString time = tr("不明");
    if (savedAt >= 0 && savedAt <= kLatestShownTime) {
        time =
            QDateTime::fromSecsSinceEpoch(savedAt).toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
    }
    return tr("前回の終了時に保存されていない変更があります。\n復元しますか？\n\n"
              "ファイル: %1\n日時: %2\n\n"
              "「いいえ」を選ぶと、この変更は破棄されます。"
              "「後で」を選ぶと、次回の起動時にもう一度確認します。")
        .arg(file, time);
}

RecoveryController::RestoreAnswer RecoveryController::AskWithMessageBox(QWidget* parent,
                                                                        const QString& text) {
    QMessageBox box(QMessageBox::Question, tr("確認"), text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Yes)->setText(tr("はい(&Y)"));
    box.button(QMessageBox::No)->setText(tr("いいえ(&N)"));
    box.button(QMessageBox::Cancel)->setText(tr("後で(&L)"));
    box.setDefaultButton(QMessageBox::Yes);
    // Esc and closing the box answer 後で: いいえ is the one answer that
    // removes the copy, so it is never given without being chosen.
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return RestoreAnswer::Restore;
        case QMessageBox::No:
            return RestoreAnswer::Discard;
        default:
            return RestoreAnswer::Later;
    }
}

QString RecoveryController::SetAsideText(const std::vector<std::string>& paths,
                                         const QString& readerMessage) {
    QString text = tr("前回の終了時の復元用のコピーを読み込めませんでした。");
    if (!readerMessage.isEmpty()) text += QStringLiteral("\n") + readerMessage;
    text += tr("\n\nコピーは次の名前で残してあります。次回からは確認しません。");
    for (const std::string& path : paths)
        text += QStringLiteral("\n") + QString::fromStdString(path);
    return text;
}

std::optional<RecoveryController::Restore> RecoveryController::OfferRestore(QWidget* parent) {
    std::vector<std::string> setAside;
    const std::vector<RecoveryLeftover> leftovers = store_.FindLeftovers(&setAside);
    if (!setAside.empty()) inform_(parent, SetAsideText(setAside, QString()));
    for (const RecoveryLeftover& leftover : leftovers) {
        if (postponed_.contains(leftover.owner)) continue;
        switch (ask_(parent, RestoreQuestion(leftover.originalPath, leftover.savedAt))) {
            case RestoreAnswer::Restore:
                store_.BeginRestore(leftover.owner);
                return Restore{leftover.copyPath,
                               leftover.originalPath.empty() ? kUntitled : leftover.originalPath,
                               leftover.owner};
            case RestoreAnswer::Discard:
                store_.Discard(leftover.owner);
                break;
            case RestoreAnswer::Later:
                for (const RecoveryLeftover& kept : leftovers) postponed_.insert(kept.owner);
                return std::nullopt;
        }
    }
    return std::nullopt;
}

void RecoveryController::RefuseRestore(QWidget* parent, const Restore& restore,
                                       const QString& readerMessage) {
    const std::string moved = store_.SetAside(restore.owner);
    // Should the rename fail, the begun restore still keeps the copy from
    // being offered again: the next start sets it aside.
    inform_(parent, SetAsideText({moved.empty() ? restore.copyPath : moved}, readerMessage));
}

void RecoveryController::FinishRestore(const Restore& restore) {
    worker_->CancelAndWait();
    if (store_.Adopt(restore.owner) == 0) {
        copyOnDisk_ = true;
        return;
    }
    // The copy could not be taken over: it goes, and this editor writes its
    // own at once from the book now open.
    store_.Discard(restore.owner);
    WriteNow();
}

}  // namespace sorvel
