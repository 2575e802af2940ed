#include "playback/audiostreamkeeper.h"

namespace sorvel {

AudioStreamKeeper::AudioStreamKeeper(Stream stream, const TimeSource& clock, Timing timing)
    : stream_(std::move(stream)), clock_(clock), timing_(timing) {}

AudioStreamKeeper::~AudioStreamKeeper() {
    const std::lock_guard lock(mutex_);
    CloseLocked();
}

bool AudioStreamKeeper::OpenLocked(std::int64_t now) {
    if (open_) return true;
    // A stream is given its first buffer's time before it counts as lost.
    lastRendered_.store(now, std::memory_order_relaxed);
    lastActivity_ = now;
    open_ = stream_.open();
    lost_ = !open_;
    return open_;
}

void AudioStreamKeeper::CloseLocked() {
    if (!open_) return;
    stream_.close();
    open_ = false;
}

void AudioStreamKeeper::Touch() {
    const std::int64_t now = clock_.NowMicros();
    const std::lock_guard lock(mutex_);
    lastActivity_ = now;
    if (!open_ && !lost_) OpenLocked(now);
}

bool AudioStreamKeeper::Wake() {
    const std::int64_t now = clock_.NowMicros();
    const std::lock_guard lock(mutex_);
    lastActivity_ = now;
    return OpenLocked(now);
}

void AudioStreamKeeper::Hold(bool on) {
    const std::int64_t now = clock_.NowMicros();
    const std::lock_guard lock(mutex_);
    held_ = on;
    lastActivity_ = now;
}

void AudioStreamKeeper::Rendered() {
    lastRendered_.store(clock_.NowMicros(), std::memory_order_relaxed);
}

void AudioStreamKeeper::Check() {
    const std::int64_t now = clock_.NowMicros();
    const std::lock_guard lock(mutex_);
    if (!open_) return;
    if (now - lastRendered_.load(std::memory_order_relaxed) >= timing_.lostAfterMicros) {
        CloseLocked();
        lost_ = true;
        return;
    }
    if (held_ || stream_.sounding()) lastActivity_ = now;
    if (now - lastActivity_ >= timing_.idleCloseMicros) CloseLocked();
}

bool AudioStreamKeeper::IsOpen() const {
    const std::lock_guard lock(mutex_);
    return open_;
}

bool AudioStreamKeeper::IsLost() const {
    const std::lock_guard lock(mutex_);
    return lost_;
}

}  // namespace sorvel
