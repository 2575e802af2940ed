// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/mmtimer.h"

#include <pthread.h>
#include <sched.h>
#include <sys/prctl.h>

#include <algorithm>
#include <chrono>

namespace sorvel {

namespace {

using Clock = std::chrono::steady_clock;

// A periodic timer that fell this far behind (a suspended machine) starts
// counting anew instead of firing all the periods it missed at once.
constexpr int kMaxLatePeriods = 100;

// Low among real-time priorities: above every ordinary thread, below the
// audio server's.
constexpr int kRealTimePriority = 10;

}  // namespace

TMMTimer::TMMTimer() {
    const std::lock_guard lock(mutex_);
    thread_ = std::thread([this] { Run(); });
    StartLocked();
}

TMMTimer::~TMMTimer() {
    {
        const std::lock_guard lock(mutex_);
        StopLocked();
        quit_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void TMMTimer::StartLocked() {
    activePeriod_ = resolution_ != 0 ? resolution_ : interval_;
    lastId_ = lastId_ == UINT32_MAX ? 1 : lastId_ + 1;
    timerId_ = lastId_;
    wake_.notify_all();
}

void TMMTimer::StopLocked() {
    if (timerId_ == 0) return;
    timerId_ = 0;
    activePeriod_ = 0;
    wake_.notify_all();
}

void TMMTimer::SetEnabled(bool enabled) {
    {
        const std::lock_guard lock(mutex_);
        if (enabled != enabled_) {
            enabled_ = enabled;
            if (enabled)
                StartLocked();
            else
                StopLocked();
        }
    }
    // Wait for a running handler even when the timer was already off: the
    // handler may have switched it off itself and be about to switch it on
    // again (a new pass), which the caller's stop must not miss.
    if (!enabled && std::this_thread::get_id() != thread_.get_id()) {
        const std::lock_guard wait(handlerMutex_);
    }
}

bool TMMTimer::Enabled() const {
    const std::lock_guard lock(mutex_);
    return enabled_;
}

void TMMTimer::SetInterval(std::uint32_t ms) {
    const std::lock_guard lock(mutex_);
    ms = std::clamp(ms, kMinPeriod, kMaxPeriod);
    if (ms == interval_) return;
    interval_ = ms;
    if (timerId_ != 0) {
        StopLocked();
        StartLocked();
    }
}

std::uint32_t TMMTimer::Interval() const {
    const std::lock_guard lock(mutex_);
    return interval_;
}

void TMMTimer::SetResolution(std::uint32_t ms) {
    const std::lock_guard lock(mutex_);
    ms = std::clamp(ms, kMinPeriod, interval_);
    if (ms == resolution_) return;
    resolution_ = ms;
    if (timerId_ != 0) {
        StopLocked();
        StartLocked();
    }
}

std::uint32_t TMMTimer::Resolution() const {
    const std::lock_guard lock(mutex_);
    return resolution_;
}

void TMMTimer::SetOnTimer(Handler handler) {
    const std::lock_guard lock(handlerMutex_);
    handler_ = std::move(handler);
}

std::uint32_t TMMTimer::TimerId() const {
    const std::lock_guard lock(mutex_);
    return timerId_;
}

std::uint32_t TMMTimer::ActivePeriod() const {
    const std::lock_guard lock(mutex_);
    return activePeriod_;
}

void TMMTimer::Run() {
    // Wake-ups to the microsecond rather than the default 50 µs slack, and a
    // real-time priority where the system grants it (the timer it replaces ran
    // at the highest priority); otherwise the thread simply stays ordinary.
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    sched_param param{};
    param.sched_priority = kRealTimePriority;
    pthread_setschedparam(pthread_self(), SCHED_FIFO, &param);
    std::unique_lock lock(mutex_);
    std::uint32_t scheduledId = 0;
    Clock::time_point next;
    while (!quit_) {
        if (timerId_ == 0) {
            wake_.wait(lock);
            continue;
        }
        const auto period = std::chrono::milliseconds(interval_);
        if (scheduledId != timerId_) {  // a (re)start counts from now
            scheduledId = timerId_;
            next = Clock::now() + period;
        }
        if (wake_.wait_until(lock, next) == std::cv_status::no_timeout) continue;
        if (quit_ || scheduledId != timerId_) continue;
        next += period;
        if (Clock::now() - next > period * kMaxLatePeriods) next = Clock::now() + period;
        lock.unlock();
        {
            // The handler lock comes first everywhere; a stop that has waited
            // for it is seen by the check below.
            const std::lock_guard handlerLock(handlerMutex_);
            bool due = false;
            {
                const std::lock_guard relock(mutex_);
                due = !quit_ && scheduledId == timerId_;
            }
            if (due && handler_) handler_(*this);
        }
        lock.lock();
    }
}

}  // namespace sorvel
