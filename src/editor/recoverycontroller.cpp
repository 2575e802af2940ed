#include "editor/recoverycontroller.h"

#include <QAbstractButton>
#include <QDateTime>
#include <QMessageBox>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <tuple>

namespace sorvel {
namespace {

// Up to the end of year 9999; a side file's time beyond it is shown as unknown.
constexpr std::int64_t kLatestShownTime = 253'402'300'799;

bool AskWithMessageBox(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("確認"), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("はい(&Y)"));
    box.button(QMessageBox::No)->setText(QStringLiteral("いいえ(&N)"));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
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
      ask_(AskWithMessageBox) {
    timer_.setInterval(kDefaultIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &RecoveryController::WriteNow);
    // The report crosses to the GUI thread as a queued call; one still queued
    // when the controller is destroyed is dropped with it.
    worker_ = std::make_unique<Worker>(store_, [this](int error) {
        QMetaObject::invokeMethod(
            this, [this, error] { Q_EMIT copyWritten(error); }, Qt::QueuedConnection);
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

void RecoveryController::WriteNow() {
    if (!isModified_()) {
        if (copyOnDisk_) {
            Worker::Job removal;
            removal.remove = true;
            worker_->Post(std::move(removal));
        }
        copyOnDisk_ = false;
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
    const QString file =
        originalPath.empty() ? QString::fromUtf8(kUntitled) : QString::fromStdString(originalPath);
    QString time = QStringLiteral("不明");
    if (savedAt >= 0 && savedAt <= kLatestShownTime) {
        time =
            QDateTime::fromSecsSinceEpoch(savedAt).toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
    }
    return QStringLiteral("前回の終了時に保存されていない変更があります。\n復元しますか？\n\n") +
           QStringLiteral("ファイル: ") + file + QStringLiteral("\n日時: ") + time;
}

std::optional<RecoveryController::Restore> RecoveryController::OfferRestore(QWidget* parent) {
    for (const RecoveryLeftover& leftover : store_.FindLeftovers()) {
        if (ask_(parent, RestoreQuestion(leftover.originalPath, leftover.savedAt))) {
            return Restore{leftover.copyPath,
                           leftover.originalPath.empty() ? kUntitled : leftover.originalPath,
                           leftover.owner};
        }
        store_.Discard(leftover.owner);
    }
    return std::nullopt;
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
