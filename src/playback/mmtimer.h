// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The periodic timer that drives playback: while enabled it calls its handler
// every Interval milliseconds on its own thread, scheduled on the steady clock.
// Starts enabled with an interval of 1000 ms, as the component it replaces.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

namespace sorvel {

class TMMTimer {
public:
    using Handler = std::function<void(TMMTimer&)>;

    // The period range the timer accepts, in milliseconds.
    static constexpr std::uint32_t kMinPeriod = 1;
    static constexpr std::uint32_t kMaxPeriod = 1000000;

    TMMTimer();
    ~TMMTimer();  // stops the timer; never from the handler
    TMMTimer(const TMMTimer&) = delete;
    TMMTimer& operator=(const TMMTimer&) = delete;

    // Disabling from another thread returns once no call of the handler is under
    // way; from the handler itself it takes effect when the handler returns.
    void SetEnabled(bool enabled);
    bool Enabled() const;
    void SetInterval(std::uint32_t ms);
    std::uint32_t Interval() const;
    void SetResolution(std::uint32_t ms);
    std::uint32_t Resolution() const;
    // Waits for a running handler to return; not from the handler.
    void SetOnTimer(Handler handler);

    // Non-zero while the timer runs (a new id at every start).
    std::uint32_t TimerId() const;
    // The period asked for while running (Resolution, or Interval when that is
    // 0); 0 while stopped.
    std::uint32_t ActivePeriod() const;

private:
    void StartLocked();
    void StopLocked();
    void Run();

    mutable std::mutex mutex_;  // guards the fields below
    std::condition_variable wake_;
    bool enabled_ = true;
    std::uint32_t interval_ = 1000;
    std::uint32_t resolution_ = 0;
    std::uint32_t timerId_ = 0;
    std::uint32_t lastId_ = 0;
    std::uint32_t activePeriod_ = 0;
    bool quit_ = false;

    // Held while the handler runs, so that a stop can wait for it.
    std::mutex handlerMutex_;
    Handler handler_;
    std::thread thread_;
};

}  // namespace sorvel
