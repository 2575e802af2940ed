// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A restartable one-shot timer on its own thread (the monitor note's cut-off).
// Start and Stop return only when no firing is under way, so a stopped timer
// never fires late.
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace sorvel {

// A restartable one-shot timer as its users see it; tests run one on a
// virtual clock.
class OneShotTimer {
public:
    virtual ~OneShotTimer() = default;
    // Fires once after the interval, counted from now. Not from the handler.
    virtual void Start() = 0;
    virtual void Stop() = 0;
};

class ThreadedOneShotTimer final : public OneShotTimer {
public:
    ThreadedOneShotTimer(std::chrono::milliseconds interval, std::function<void()> onFire);
    ~ThreadedOneShotTimer() override;
    ThreadedOneShotTimer(const ThreadedOneShotTimer&) = delete;
    ThreadedOneShotTimer& operator=(const ThreadedOneShotTimer&) = delete;

    void Start() override;
    void Stop() override;

private:
    void Run();

    const std::chrono::milliseconds interval_;
    const std::function<void()> onFire_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<std::chrono::steady_clock::time_point> deadline_;
    bool quit_ = false;
    std::thread thread_;  // started at the first Start
};

}  // namespace sorvel
