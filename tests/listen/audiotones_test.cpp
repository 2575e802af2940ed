// SPDX-License-Identifier: GPL-3.0-or-later
#include "audiotones.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

#include "listen/audiolistener.h"

namespace sorvel::listen::testing {
namespace {

constexpr int kHarmonics = 14;

double Envelope(double t, const ToneNote& n) {
    if (t < 0 || t > n.seconds + n.release) return 0;
    // A raised cosine: a bowed string speaks softly at first.
    const double rise = t < n.attack ? 0.5 - 0.5 * std::cos(std::numbers::pi * t / n.attack) : 1.0;
    const double fall = t <= n.seconds ? 1.0 : 1.0 - (t - n.seconds) / n.release;
    const double swell =
        std::pow(10.0, n.tremoloDb / 20 * std::sin(2 * std::numbers::pi * n.vibratoHz * t));
    return rise * fall * swell;
}

// A room: four parallel feedback combs (Schroeder's delays) whose echoes
// die away by 60 dB in `seconds`, mixed in at a third of the direct level.
void AddRoom(std::vector<float>& out, int rate, double seconds) {
    const double delays[] = {0.0297, 0.0371, 0.0411, 0.0437};
    std::vector<float> wet(out.size(), 0.0f);
    for (const double d : delays) {
        const auto lag = static_cast<std::size_t>(d * rate);
        const auto gain = static_cast<float>(std::pow(10.0, -3.0 * d / seconds));
        std::vector<float> comb(out.size(), 0.0f);
        for (std::size_t i = lag; i < out.size(); ++i)
            comb[i] = out[i - lag] + gain * comb[i - lag];
        for (std::size_t i = 0; i < out.size(); ++i) wet[i] += comb[i];
    }
    for (std::size_t i = 0; i < out.size(); ++i) out[i] += wet[i] / 12.0f;
}

}  // namespace

std::vector<float> Render(const ToneTake& take) {
    double end = take.seconds;
    for (const ToneNote& n : take.notes) end = std::max(end, n.onset + n.seconds + n.release);
    std::vector<float> out(static_cast<std::size_t>(end * take.rate), 0.0f);
    const double dt = 1.0 / take.rate;
    for (const ToneNote& n : take.notes) {
        double phase = 0;
        const auto from = static_cast<std::size_t>(n.onset * take.rate);
        const auto to = std::min(
            out.size(), static_cast<std::size_t>((n.onset + n.seconds + n.release) * take.rate));
        for (std::size_t i = from; i < to; ++i) {
            const double t = static_cast<double>(i) * dt - n.onset;
            double midi = n.midi + take.tuningCents / 100.0;
            if (n.glideFrom != 0 && t < n.glideSeconds)
                midi += (n.glideFrom - n.midi) * (1.0 - t / n.glideSeconds);
            midi += n.vibratoCents / 100.0 * std::sin(2 * std::numbers::pi * n.vibratoHz * t);
            const double hz = 440.0 * std::exp2((midi - 69) / 12.0);
            phase += hz * dt;
            phase -= std::floor(phase);
            double v = 0;
            for (int k = 1; k <= kHarmonics && k * hz < take.rate / 2.0; ++k)
                v += std::sin(2 * std::numbers::pi * k * phase) / k;
            out[i] += static_cast<float>(n.amplitude * 0.5 * Envelope(t, n) * v);
        }
    }
    if (take.roomSeconds > 0) AddRoom(out, take.rate, take.roomSeconds);
    if (take.hissDb > -120) {
        std::mt19937 random(take.seed);
        std::normal_distribution<float> noise(0.0f,
                                              static_cast<float>(std::pow(10.0, take.hissDb / 20)));
        for (float& s : out) s += noise(random);
    }
    return out;
}

ToneTake Melody(int count, double seconds, int first, double gap) {
    static const int kSteps[] = {2, 2, 1, -3, 5, -2, -2, 4, -1, -2, 3, -7};
    ToneTake take;
    int midi = first;
    for (int i = 0; i < count; ++i) {
        ToneNote n;
        n.onset = 0.3 + i * (seconds + gap);
        n.seconds = seconds;
        n.midi = midi;
        take.notes.push_back(n);
        midi += kSteps[i % 12];
    }
    take.seconds = take.notes.back().onset + seconds + 0.4;
    return take;
}

HeardMelody HearTake(const ToneTake& take) {
    const std::vector<float> samples = Render(take);
    AudioListener listener(take.rate, kFileLagFrames);
    listener.Push(samples.data(), samples.size());
    listener.Finish();
    return listener.Melody();
}

bool WriteWav(const std::string& path, const std::vector<float>& samples, int rate, int channels,
              bool asFloat) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | (asFloat ? SF_FORMAT_FLOAT : SF_FORMAT_PCM_16);
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!f) return false;
    std::vector<float> frames;
    for (float s : samples)
        for (int c = 0; c < channels; ++c) frames.push_back(s);
    sf_writef_float(f, frames.data(), static_cast<sf_count_t>(samples.size()));
    sf_close(f);
    return true;
}

}  // namespace sorvel::listen::testing
