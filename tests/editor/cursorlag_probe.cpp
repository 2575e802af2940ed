// SPDX-License-Identifier: GPL-3.0-or-later
// Measures how far the play cursor is from the sound the player hears: plays
// a row of separate notes through the built-in synthesizer into the sound
// server's default sink, records that sink's monitor on the same clock as the
// cursor's moves, finds each note's onset in the recording and prints, for
// each note, the cursor's move minus the onset (negative: the cursor came
// first) and their median. Not a test: tests/tools/cursor_lag.sh runs it
// against a private PulseAudio daemon with a null sink, several times.
//   editor_cursorlag_probe [NOTES=12]
#include <pulse/simple.h>

#include <QApplication>
#include <QComboBox>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <mutex>
#include <thread>

#include "playback/fluidsynthout.h"
#include "playbackrig.h"

using namespace sorvel;
using namespace sorvel::playtest;

namespace {

constexpr int kRate = 44100;
constexpr int kReadFrames = 64;  // 1.5 ms a read: a block is timed on arrival
constexpr int kWoodblock = 115;  // a short, sharp sound: a clear onset
using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point t) {
    return std::chrono::duration<double>(t.time_since_epoch()).count();
}

// The sink's monitor, mono, each sample with the time it was played: a block
// arrives when the sink has played it, its last sample then.
class MonitorRecorder {
public:
    bool Start() {
        const pa_sample_spec format{PA_SAMPLE_FLOAT32NE, kRate, 1};
        pa_buffer_attr attr{};
        attr.maxlength = static_cast<std::uint32_t>(-1);
        attr.fragsize = kReadFrames * sizeof(float);
        int error = 0;
        pa_ = pa_simple_new(nullptr, "cursor lag", PA_STREAM_RECORD, "@DEFAULT_MONITOR@", "monitor",
                            &format, nullptr, &attr, &error);
        if (!pa_) return false;
        thread_ = std::thread([this] { Run(); });
        return true;
    }
    void Stop() {
        quit_ = true;
        if (thread_.joinable()) thread_.join();
        if (pa_) pa_simple_free(pa_);
        pa_ = nullptr;
    }
    std::vector<float> samples;
    std::vector<double> times;

private:
    void Run() {
        float block[kReadFrames];
        while (!quit_) {
            int error = 0;
            if (pa_simple_read(pa_, block, sizeof block, &error) < 0) return;
            const double now = Seconds(Clock::now());
            for (int i = 0; i < kReadFrames; ++i) {
                samples.push_back(block[i]);
                times.push_back(now - double(kReadFrames - 1 - i) / kRate);
            }
        }
    }
    pa_simple* pa_ = nullptr;
    std::atomic<bool> quit_{false};
    std::thread thread_;
};

// Onsets: the first millisecond above a tenth of the loudest after at least
// 60 ms below a fiftieth of it.
std::vector<double> Onsets(const MonitorRecorder& r) {
    constexpr int kWindow = kRate / 1000;
    std::vector<float> env;
    for (std::size_t i = 0; i + kWindow <= r.samples.size(); i += kWindow) {
        float peak = 0;
        for (int k = 0; k < kWindow; ++k) peak = std::max(peak, std::fabs(r.samples[i + k]));
        env.push_back(peak);
    }
    const float loudest = env.empty() ? 0 : *std::max_element(env.begin(), env.end());
    std::vector<double> out;
    int quiet = 0;
    for (std::size_t w = 0; w < env.size() && loudest > 0; ++w) {
        if (env[w] < loudest / 50) {
            ++quiet;
        } else if (env[w] > loudest / 10 && quiet >= 60) {
            std::size_t i = w * kWindow;
            while (std::fabs(r.samples[i]) < loudest / 10) ++i;
            out.push_back(r.times[i]);
            quiet = 0;
        } else {
            quiet = 0;
        }
    }
    return out;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int notes = argc > 1 ? std::clamp(std::atoi(argv[1]), 2, 64) : 12;
    Rig r;
    std::unique_ptr<FluidSynthOut> synth = FluidSynthOut::Open(DefaultSoundFont());
    if (!synth) {
        std::fprintf(stderr, "no synthesizer: no sound server or no SoundFont\n");
        return 2;
    }
    PlaybackEngineOptions engine;
    engine.devices = [] { return std::vector<MidiOutEntry>{}; };
    r.pc->SetEngine(engine);  // the steady clock and the 1 ms timer
    r.pc->UseDevice(std::move(synth));
    // Staccato quarter notes at 60, the metronome muted.
    r.Write(*r.w().CurrentPage(), '5', notes);
    r.FastOwnTempo(60);
    r.control<QCheckBox>("chkPlayMetronome")->setChecked(true);
    r.control<QComboBox>("cmbInstrument")->setCurrentIndex(kWoodblock);

    MonitorRecorder recorder;
    if (!recorder.Start()) {
        std::fprintf(stderr, "cannot record the default sink's monitor\n");
        return 2;
    }
    std::vector<double> moves;
    const TMusicItem* shown = nullptr;
    QTimer poll;
    poll.setTimerType(Qt::PreciseTimer);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        const TMusicItem* now = r.pc->CursorItem();
        if (now && now != shown) moves.push_back(Seconds(Clock::now()));
        shown = now;
        if (!r.pc->IsPlaying()) app.quit();
    });
    QTimer::singleShot(1000, [&] {
        r.pc->PlayStop();
        poll.start(1);
    });
    app.exec();
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    recorder.Stop();

    // Each onset goes with the cursor's move nearest to it; a note the
    // recording missed (the stream's very start) leaves its move unpaired.
    const std::vector<double> onsets = Onsets(recorder);
    std::vector<double> lags;
    for (std::size_t k = 0; k < moves.size(); ++k) {
        const double* nearest = nullptr;
        for (const double& t : onsets)
            if (!nearest || std::fabs(t - moves[k]) < std::fabs(*nearest - moves[k])) nearest = &t;
        if (!nearest || std::fabs(*nearest - moves[k]) > 0.3) {
            std::printf("note %zu: not heard\n", k + 1);
            continue;
        }
        lags.push_back((moves[k] - *nearest) * 1000);
        std::printf("note %zu: cursor %+.1f ms\n", k + 1, lags.back());
    }
    if (lags.size() * 2 < moves.size()) {
        std::fprintf(stderr, "%zu onsets heard for %zu cursor moves\n", onsets.size(),
                     moves.size());
        return 1;
    }
    std::printf("median %+.1f ms\n", Median(lags));
    return 0;
}
