// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps a live synthesizer's audio stream open only while it is needed: an
// open stream renders silence all the time (a third of a core through the
// sound server), so it closes after a stretch of silence and opens again at
// the next message. A stream is lost only when its server says so (it ended
// the stream, or refused to open one), never for being slow to ask for sound;
// only Wake tries a lost stream again, so the timer thread does not knock at a
// missing server with every message.
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>

#include "playback/timesource.h"

namespace sorvel {

class AudioStreamKeeper {
public:
    struct Stream {
        std::function<bool()> open;  // true when the stream now runs
        std::function<void()> close;
        std::function<bool()> sounding;  // voices still sounding
    };
    struct Timing {
        std::int64_t idleCloseMicros = 1'500'000;  // silence before the stream closes
    };

    AudioStreamKeeper(Stream stream, const TimeSource& clock, Timing timing);
    AudioStreamKeeper(Stream stream, const TimeSource& clock)
        : AudioStreamKeeper(std::move(stream), clock, Timing{}) {}
    ~AudioStreamKeeper();  // closes the stream
    AudioStreamKeeper(const AudioStreamKeeper&) = delete;
    AudioStreamKeeper& operator=(const AudioStreamKeeper&) = delete;

    // A message is about to reach the synthesizer: a stream closed for
    // silence opens again. Any thread.
    void Touch();
    // Before sounding on purpose (a play, a monitor note, the tuning tone):
    // opens the stream, also one that was lost. False when no stream runs.
    bool Wake();
    // While held, silence does not close the stream (a play with long rests).
    void Hold(bool on);
    // The server ended the open stream or its connection. Any thread, also
    // the stream's own; never blocks.
    void ServerLost();
    // Closes a stream that was silent long enough or that its server ended;
    // run a few times a second while the stream is open.
    void Check();

    bool IsOpen() const;
    bool IsLost() const;

private:
    bool OpenLocked(std::int64_t now);
    void CloseLocked();
    // Closes the stream if its server ended it.
    void DropLostLocked();

    Stream stream_;
    const TimeSource& clock_;
    const Timing timing_;
    mutable std::mutex mutex_;
    bool open_ = false;
    bool lost_ = false;
    bool held_ = false;
    std::int64_t lastActivity_ = 0;
    std::atomic<bool> serverLost_{false};  // of the open stream
};

}  // namespace sorvel
