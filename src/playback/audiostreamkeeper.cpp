// SPDX-License-Identifier: GPL-3.0-or-later
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
    lastActivity_ = now;
    // Cleared before the stream starts: the server may end it at once.
    serverLost_.store(false);
    open_ = stream_.open();
    lost_ = !open_;
    return open_;
}

void AudioStreamKeeper::CloseLocked() {
    if (!open_) return;
    stream_.close();
    open_ = false;
}

void AudioStreamKeeper::DropLostLocked() {
    if (!open_ || !serverLost_.load()) return;
    CloseLocked();
    lost_ = true;
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
    DropLostLocked();
    return OpenLocked(now);
}

void AudioStreamKeeper::Hold(bool on) {
    const std::int64_t now = clock_.NowMicros();
    const std::lock_guard lock(mutex_);
    held_ = on;
    lastActivity_ = now;
}

void AudioStreamKeeper::ServerLost() {
    serverLost_.store(true);
}

void AudioStreamKeeper::Check() {
    const std::int64_t now = clock_.NowMicros();
    const std::lock_guard lock(mutex_);
    DropLostLocked();
    if (!open_) return;
    if (held_ || stream_.sounding()) lastActivity_ = now;
    if (now - lastActivity_ >= timing_.idleCloseMicros) CloseLocked();
}

bool AudioStreamKeeper::IsOpen() const {
    const std::lock_guard lock(mutex_);
    return open_;
}

bool AudioStreamKeeper::IsLost() const {
    const std::lock_guard lock(mutex_);
    return lost_ || (open_ && serverLost_.load());
}

}  // namespace sorvel
