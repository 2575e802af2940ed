#pragma once
// Keeps a live synthesizer's audio stream open only while it is needed: an
// open stream renders silence all the time (a third of a core through the
// sound server), so it closes after a stretch of silence and opens again at
// the next message. A stream that stops asking for sound (its server went
// away) is closed as lost; only Wake tries it again, so the timer thread does
// not knock at a missing server with every message.
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
        std::int64_t lostAfterMicros = 1'000'000;  // no buffer asked for: the server is gone
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
    // Before sounding on purpose (a play, a monitor note): opens the stream,
    // also one that was lost. False when no stream runs.
    bool Wake();
    // While held, silence does not close the stream (a play with long rests).
    void Hold(bool on);
    // The stream rendered a buffer; called on the audio thread, never blocks.
    void Rendered();
    // Closes a stream that was silent long enough or stopped rendering; run a
    // few times a second while the stream is open.
    void Check();

    bool IsOpen() const;
    bool IsLost() const;

private:
    bool OpenLocked(std::int64_t now);
    void CloseLocked();

    Stream stream_;
    const TimeSource& clock_;
    const Timing timing_;
    mutable std::mutex mutex_;
    bool open_ = false;
    bool lost_ = false;
    bool held_ = false;
    std::int64_t lastActivity_ = 0;
    std::atomic<std::int64_t> lastRendered_{0};
};

}  // namespace sorvel
