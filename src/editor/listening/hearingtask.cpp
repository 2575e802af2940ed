// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/listening/hearingtask.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <thread>

namespace sorvel {
namespace {

constexpr int kSteps = 1000;
constexpr int kPollMs = 40;

}  // namespace

bool RunWithProgress(QWidget* parent, const QString& label,
                     const std::function<void(const listen::ListenProgress& progress)>& work,
                     const std::function<void(QProgressDialog&)>& shown) {
    QProgressDialog dialog(label, QCoreApplication::translate("HearingTask", "キャンセル"), 0,
                           kSteps, parent);
    dialog.setObjectName("dlgTranscribeProgress");
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(0);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setValue(0);
    if (shown) shown(dialog);

    std::atomic<bool> cancel = dialog.wasCanceled();
    std::atomic<int> done = 0;
    std::atomic<bool> finished = false;
    QEventLoop loop;
    std::thread worker([&] {
        const listen::ListenProgress progress{[&](double f) {
            done = static_cast<int>(f * kSteps);
            return !cancel.load();
        }};
        work(progress);
        finished = true;
        QMetaObject::invokeMethod(&loop, "quit", Qt::QueuedConnection);
    });
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &dialog, [&] {
        if (dialog.wasCanceled()) cancel = true;
        dialog.setValue(std::clamp(done.load(), 0, kSteps));
    });
    QObject::connect(&dialog, &QProgressDialog::canceled, &dialog, [&] { cancel = true; });
    poll.start(kPollMs);
    if (!finished) loop.exec();
    worker.join();
    poll.stop();
    return cancel || dialog.wasCanceled();
}

HearingOutcome HearInBackground(QWidget* parent, const QString& label, const HearingJob& job,
                                const std::function<void(QProgressDialog&)>& shown) {
    HearingOutcome outcome;
    const bool cancelled = RunWithProgress(
        parent, label,
        [&](const listen::ListenProgress& progress) {
            outcome.melody = job(progress, &outcome.error);
        },
        shown);
    if (cancelled) {
        outcome = HearingOutcome();
        outcome.cancelled = true;
    }
    return outcome;
}

}  // namespace sorvel
