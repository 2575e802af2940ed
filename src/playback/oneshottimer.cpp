// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/oneshottimer.h"

namespace sorvel {

ThreadedOneShotTimer::ThreadedOneShotTimer(std::chrono::milliseconds interval,
                                           std::function<void()> onFire)
    : interval_(interval), onFire_(std::move(onFire)) {}

ThreadedOneShotTimer::~ThreadedOneShotTimer() {
    {
        const std::lock_guard lock(mutex_);
        quit_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void ThreadedOneShotTimer::Start() {
    {
        const std::lock_guard lock(mutex_);
        deadline_ = std::chrono::steady_clock::now() + interval_;
        if (!thread_.joinable()) thread_ = std::thread([this] { Run(); });
    }
    wake_.notify_all();
}

void ThreadedOneShotTimer::Stop() {
    {
        const std::lock_guard lock(mutex_);
        deadline_.reset();
    }
    wake_.notify_all();
}

void ThreadedOneShotTimer::Run() {
    std::unique_lock lock(mutex_);
    while (!quit_) {
        if (!deadline_) {
            wake_.wait(lock);
            continue;
        }
        const auto deadline = *deadline_;
        if (wake_.wait_until(lock, deadline) == std::cv_status::no_timeout) continue;
        if (quit_ || deadline_ != deadline) continue;  // stopped or restarted meanwhile
        deadline_.reset();
        // Fired under the lock: a Start or Stop waits for it to finish.
        onFire_();
    }
}

}  // namespace sorvel
