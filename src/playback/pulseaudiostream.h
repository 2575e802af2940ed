// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One playback stream on the desktop's PulseAudio server (PipeWire serves the
// same protocol): the server asks for sound and the render function fills it,
// on the connection's own thread. The stream reports when the server ends it or
// the connection; a server that is slow to ask for the first sound has not
// ended anything.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

namespace sorvel {

class PulseAudioStream {
public:
    // Fills `frames` frames of interleaved stereo samples.
    using Render = std::function<void(float* interleaved, int frames)>;
    // The server ended the stream or the connection; called at most once, on
    // the connection's thread, so it must not wait for the stream's owner.
    using Ended = std::function<void()>;
    // After each write, on the connection's thread: when the sample written
    // next will be played, in microseconds of the steady clock.
    using Played = std::function<void(std::int64_t nextSampleMicros)>;

    // Connects to the server and starts the stream; nullptr when there is no
    // server or it refuses the stream.
    static std::unique_ptr<PulseAudioStream> Open(int sampleRate, Render render, Ended ended,
                                                  Played played = nullptr);
    // Disconnects; no call of the render or end function is under way or
    // follows once it returns.
    ~PulseAudioStream();
    PulseAudioStream(const PulseAudioStream&) = delete;
    PulseAudioStream& operator=(const PulseAudioStream&) = delete;

private:
    PulseAudioStream(Render render, Ended ended, Played played);
    void ReportPlayTime(pa_stream* stream);
    bool Connect(int sampleRate);
    bool ConnectStream(int sampleRate);
    struct Deadline;
    // Waits on the locked loop until `state` tells whether the connection or
    // the stream is ready (true) or failed (false); false after no answer.
    template <class State>
    bool WaitFor(State state);
    void ReportEnd();
    static void OnContextState(pa_context* context, void* self);
    static void OnStreamState(pa_stream* stream, void* self);
    static void OnWrite(pa_stream* stream, std::size_t bytes, void* self);

    Render render_;
    Ended ended_;
    Played played_;
    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    // Under the loop's lock.
    bool running_ = false;
    bool endReported_ = false;
};

}  // namespace sorvel
