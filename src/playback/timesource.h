// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the playback engine reads the time: the steady clock while playing live,
// or a virtual clock that tests and the offline renderer advance themselves.
#include <atomic>
#include <cstdint>

namespace sorvel {

class TimeSource {
public:
    virtual ~TimeSource() = default;
    virtual std::int64_t NowMicros() const = 0;
    // Milliseconds as a 32-bit counter that wraps, like the system time it replaces.
    std::uint32_t NowMillis() const { return static_cast<std::uint32_t>(NowMicros() / 1000); }
};

class SteadyTimeSource final : public TimeSource {
public:
    std::int64_t NowMicros() const override;
};

// Stands still until advanced; safe to read from any thread.
class VirtualTimeSource final : public TimeSource {
public:
    std::int64_t NowMicros() const override { return micros_.load(std::memory_order_acquire); }
    void SetMicros(std::int64_t us) { micros_.store(us, std::memory_order_release); }
    void AdvanceMillis(std::int64_t ms) { micros_.fetch_add(ms * 1000, std::memory_order_acq_rel); }

private:
    std::atomic<std::int64_t> micros_{0};
};

// The current time in milliseconds on the steady clock (wraps at 2^32).
std::uint32_t timeGetTime();

}  // namespace sorvel
