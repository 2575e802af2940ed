// SPDX-License-Identifier: GPL-3.0-or-later
// The synthesizer's PulseAudio stream against a real server: a private
// daemon with a null sink, started by the test where pulseaudio is installed.
#include "playback/pulseaudiostream.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>

extern char** environ;

namespace sorvel {
namespace {

namespace fs = std::filesystem;

template <class F>
bool WaitUntil(F done, std::chrono::milliseconds limit = std::chrono::seconds(5)) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done() && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return done();
}

// Sets an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = getenv(name)) old_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

// A PulseAudio daemon of its own, in a folder of its own, with one null sink.
class NullSinkServer {
public:
    NullSinkServer()
        : dir_(fs::temp_directory_path() / ("sorvel-pulse-" + std::to_string(getpid()))) {
        fs::create_directories(dir_ / "runtime");
        fs::permissions(dir_ / "runtime", fs::perms::owner_all);
        // The socket last: once it exists the sink is there to play into.
        std::ofstream(dir_ / "null.pa")
            << "load-module module-null-sink\n"
            << "load-module module-native-protocol-unix auth-anonymous=1"
            << " socket=" << Socket() << "\n";
        const std::string script = (dir_ / "null.pa").string();
        const std::string log = "--log-target=file:" + (dir_ / "pulse.log").string();
        const std::string runtime = "XDG_RUNTIME_DIR=" + (dir_ / "runtime").string();
        const std::string home = "HOME=" + dir_.string();
        char* argv[] = {const_cast<char*>("pulseaudio"),
                        const_cast<char*>("-n"),
                        const_cast<char*>("-F"),
                        const_cast<char*>(script.c_str()),
                        const_cast<char*>("--daemonize=no"),
                        const_cast<char*>("--exit-idle-time=-1"),
                        const_cast<char*>(log.c_str()),
                        nullptr};
        char* envp[] = {const_cast<char*>(runtime.c_str()), const_cast<char*>(home.c_str()),
                        nullptr};
        if (posix_spawnp(&pid_, "pulseaudio", nullptr, nullptr, argv, envp) != 0) pid_ = 0;
        if (pid_ && !WaitUntil([this] { return fs::exists(Socket()); })) Stop();
    }
    ~NullSinkServer() {
        Stop();
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    bool Running() const { return pid_ != 0; }
    std::string Address() const { return "unix:" + Socket(); }
    void Stop() {
        if (!pid_) return;
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        pid_ = 0;
    }

private:
    std::string Socket() const { return (dir_ / "native").string(); }

    fs::path dir_;
    pid_t pid_ = 0;
};

struct Listener {
    std::atomic<long> frames{0};
    std::atomic<int> ends{0};
    std::unique_ptr<PulseAudioStream> Open() {
        return PulseAudioStream::Open(
            44100,
            [this](float* out, int n) {
                std::fill(out, out + 2 * n, 0.0f);
                frames += n;
            },
            [this] { ++ends; });
    }
};

TEST(PulseAudioStream, NoServerNoStream) {
    const ScopedEnv server("PULSE_SERVER", "unix:/nonexistent/sorvel/native");
    Listener listener;
    EXPECT_EQ(listener.Open(), nullptr);
    EXPECT_EQ(listener.ends, 0);
}

// The server asks for sound; closing the stream ourselves is no end, the
// server going away is one, reported once.
TEST(PulseAudioStream, RendersUntilTheServerEndsIt) {
    NullSinkServer daemon;
    if (!daemon.Running()) GTEST_SKIP() << "pulseaudio (the daemon) is not installed";
    const ScopedEnv server("PULSE_SERVER", daemon.Address());
    Listener listener;
    std::unique_ptr<PulseAudioStream> stream = listener.Open();
    ASSERT_NE(stream, nullptr);
    // An idle null sink asks for the first sound only at its next wake-up.
    EXPECT_TRUE(WaitUntil([&] { return listener.frames > 0; }));
    stream.reset();
    EXPECT_EQ(listener.ends, 0);

    stream = listener.Open();
    ASSERT_NE(stream, nullptr);
    daemon.Stop();
    EXPECT_TRUE(WaitUntil([&] { return listener.ends > 0; }));
    stream.reset();
    EXPECT_EQ(listener.ends, 1);
    EXPECT_EQ(listener.Open(), nullptr);
}

// After each write the stream says when the sample written next is heard: the
// queued audio (about the 40 ms the stream asks the server to keep) and the
// sink's delay, on the steady clock.
TEST(PulseAudioStream, TellsWhenTheNextSampleIsHeard) {
    NullSinkServer daemon;
    if (!daemon.Running()) GTEST_SKIP() << "pulseaudio (the daemon) is not installed";
    const ScopedEnv server("PULSE_SERVER", daemon.Address());
    std::atomic<int> reports{0};
    std::atomic<std::int64_t> ahead{-1};
    auto now = [] {
        return std::chrono::duration_cast<std::chrono::microseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    };
    std::unique_ptr<PulseAudioStream> stream = PulseAudioStream::Open(
        44100, [](float* out, int n) { std::fill(out, out + 2 * n, 0.0f); }, [] {},
        [&](std::int64_t at) {
            ahead = at - now();
            ++reports;
        });
    ASSERT_NE(stream, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return reports > 20; }));
    EXPECT_GT(ahead.load(), 5'000);
    EXPECT_LT(ahead.load(), 1'000'000);
}

}  // namespace
}  // namespace sorvel
