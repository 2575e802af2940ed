// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/pulseaudiostream.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <optional>

namespace sorvel {

namespace {

constexpr char kClientName[] = "Sorvel";
constexpr char kStreamName[] = "Sorvel playback";
constexpr int kChannels = 2;
constexpr std::size_t kFrameBytes = kChannels * sizeof(float);
// What the stream keeps queued at the server: short enough for a note typed
// or clicked to sound at once, long enough not to break up on a busy machine.
constexpr pa_usec_t kLatencyMicros = 40'000;
// A server that takes longer to answer a connection or a new stream counts
// as missing.
constexpr pa_usec_t kAnswerMicros = 5'000'000;

class LoopLock {
public:
    explicit LoopLock(pa_threaded_mainloop* loop) : loop_(loop) {
        pa_threaded_mainloop_lock(loop_);
    }
    ~LoopLock() { pa_threaded_mainloop_unlock(loop_); }
    LoopLock(const LoopLock&) = delete;
    LoopLock& operator=(const LoopLock&) = delete;

private:
    pa_threaded_mainloop* loop_;
};

}  // namespace

std::unique_ptr<PulseAudioStream> PulseAudioStream::Open(int sampleRate, Render render, Ended ended,
                                                         Played played) {
    std::unique_ptr<PulseAudioStream> out(
        new PulseAudioStream(std::move(render), std::move(ended), std::move(played)));
    if (!out->Connect(sampleRate)) return nullptr;
    return out;
}

PulseAudioStream::PulseAudioStream(Render render, Ended ended, Played played)
    : render_(std::move(render)), ended_(std::move(ended)), played_(std::move(played)) {}

PulseAudioStream::~PulseAudioStream() {
    if (!loop_) return;
    {
        const LoopLock lock(loop_);
        // Ending it ourselves is no news: the callbacks go first.
        if (stream_) {
            pa_stream_set_state_callback(stream_, nullptr, nullptr);
            pa_stream_set_write_callback(stream_, nullptr, nullptr);
            pa_stream_disconnect(stream_);
            pa_stream_unref(stream_);
        }
        if (context_) {
            pa_context_set_state_callback(context_, nullptr, nullptr);
            pa_context_disconnect(context_);
            pa_context_unref(context_);
        }
    }
    pa_threaded_mainloop_stop(loop_);
    pa_threaded_mainloop_free(loop_);
}

// A wait ends late when the server did not answer in time.
struct PulseAudioStream::Deadline {
    pa_threaded_mainloop* loop;
    bool passed = false;
};

template <class State>
bool PulseAudioStream::WaitFor(State state) {
    Deadline deadline{loop_};
    pa_time_event* timer = pa_context_rttime_new(
        context_, pa_rtclock_now() + kAnswerMicros,
        [](pa_mainloop_api*, pa_time_event*, const timeval*, void* data) {
            auto& d = *static_cast<Deadline*>(data);
            d.passed = true;
            pa_threaded_mainloop_signal(d.loop, 0);
        },
        &deadline);
    std::optional<bool> settled;
    while (!(settled = state()) && !deadline.passed) pa_threaded_mainloop_wait(loop_);
    if (timer) pa_threaded_mainloop_get_api(loop_)->time_free(timer);
    return settled.value_or(false);
}

bool PulseAudioStream::Connect(int sampleRate) {
    loop_ = pa_threaded_mainloop_new();
    if (!loop_) return false;
    context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), kClientName);
    if (!context_) return false;
    pa_context_set_state_callback(context_, &PulseAudioStream::OnContextState, this);
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOFLAGS, nullptr) < 0) return false;
    if (pa_threaded_mainloop_start(loop_) < 0) return false;
    const LoopLock lock(loop_);
    const bool connected = WaitFor([this]() -> std::optional<bool> {
        const pa_context_state_t state = pa_context_get_state(context_);
        if (state == PA_CONTEXT_READY) return true;
        if (!PA_CONTEXT_IS_GOOD(state)) return false;
        return std::nullopt;
    });
    return connected && ConnectStream(sampleRate);
}

bool PulseAudioStream::ConnectStream(int sampleRate) {
    const pa_sample_spec format{PA_SAMPLE_FLOAT32NE, static_cast<std::uint32_t>(sampleRate),
                                kChannels};
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "music");
    stream_ = pa_stream_new_with_proplist(context_, kStreamName, &format, nullptr, properties);
    pa_proplist_free(properties);
    if (!stream_) return false;
    pa_stream_set_state_callback(stream_, &PulseAudioStream::OnStreamState, this);
    pa_stream_set_write_callback(stream_, &PulseAudioStream::OnWrite, this);
    pa_buffer_attr buffer;
    buffer.maxlength = static_cast<std::uint32_t>(-1);
    buffer.tlength = static_cast<std::uint32_t>(pa_usec_to_bytes(kLatencyMicros, &format));
    buffer.prebuf = static_cast<std::uint32_t>(-1);
    buffer.minreq = static_cast<std::uint32_t>(-1);
    buffer.fragsize = static_cast<std::uint32_t>(-1);
    // The timing flags keep the stream's latency known between writes.
    const auto flags = static_cast<pa_stream_flags_t>(
        PA_STREAM_ADJUST_LATENCY | PA_STREAM_AUTO_TIMING_UPDATE | PA_STREAM_INTERPOLATE_TIMING);
    if (pa_stream_connect_playback(stream_, nullptr, &buffer, flags, nullptr, nullptr) < 0)
        return false;
    running_ = WaitFor([this]() -> std::optional<bool> {
        const pa_stream_state_t state = pa_stream_get_state(stream_);
        if (state == PA_STREAM_READY) return true;
        if (!PA_STREAM_IS_GOOD(state)) return false;
        return std::nullopt;
    });
    return running_;
}

void PulseAudioStream::ReportEnd() {
    if (!running_ || endReported_) return;
    endReported_ = true;
    ended_();
}

void PulseAudioStream::OnContextState(pa_context* context, void* self) {
    auto& me = *static_cast<PulseAudioStream*>(self);
    if (!PA_CONTEXT_IS_GOOD(pa_context_get_state(context))) me.ReportEnd();
    pa_threaded_mainloop_signal(me.loop_, 0);
}

void PulseAudioStream::OnStreamState(pa_stream* stream, void* self) {
    auto& me = *static_cast<PulseAudioStream*>(self);
    if (!PA_STREAM_IS_GOOD(pa_stream_get_state(stream))) me.ReportEnd();
    pa_threaded_mainloop_signal(me.loop_, 0);
}

// The server asks for `bytes`: rendered straight into its own buffers.
void PulseAudioStream::OnWrite(pa_stream* stream, std::size_t bytes, void* self) {
    auto& me = *static_cast<PulseAudioStream*>(self);
    while (bytes >= kFrameBytes) {
        void* data = nullptr;
        std::size_t size = bytes;
        if (pa_stream_begin_write(stream, &data, &size) < 0 || !data) return;
        const std::size_t frames = size / kFrameBytes;
        if (frames == 0) {
            pa_stream_cancel_write(stream);
            return;
        }
        me.render_(static_cast<float*>(data), static_cast<int>(frames));
        if (pa_stream_write(stream, data, frames * kFrameBytes, nullptr, 0, PA_SEEK_RELATIVE) < 0)
            return;
        bytes -= std::min(bytes, frames * kFrameBytes);
    }
    me.ReportPlayTime(stream);
}

// The stream's latency just after a write is how long the sample written next
// waits for the loudspeaker: what is queued in the stream and the sink's own
// delay. Until the server sent its first timing, the queue's target length
// stands in for it.
void PulseAudioStream::ReportPlayTime(pa_stream* stream) {
    if (!played_) return;
    pa_usec_t latency = 0;
    int negative = 0;
    if (pa_stream_get_latency(stream, &latency, &negative) < 0) {
        const pa_buffer_attr* attr = pa_stream_get_buffer_attr(stream);
        const pa_sample_spec* format = pa_stream_get_sample_spec(stream);
        latency = attr && format ? pa_bytes_to_usec(attr->tlength, format) : kLatencyMicros;
    } else if (negative) {
        latency = 0;
    }
    const auto now = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    played_(now.count() + static_cast<std::int64_t>(latency));
}

}  // namespace sorvel
