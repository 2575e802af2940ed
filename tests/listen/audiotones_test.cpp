#include "audiotones.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace sorvel::listen::testing {
namespace {

constexpr int kHarmonics = 14;
constexpr double kAttack = 0.03, kRelease = 0.04;

double Envelope(double t, double length) {
    if (t < 0 || t > length + kRelease) return 0;
    const double rise = std::min(1.0, t / kAttack);
    const double fall = t <= length ? 1.0 : 1.0 - (t - length) / kRelease;
    return rise * fall;
}

}  // namespace

std::vector<float> Render(const ToneTake& take) {
    double end = take.seconds;
    for (const ToneNote& n : take.notes) end = std::max(end, n.onset + n.seconds + kRelease);
    std::vector<float> out(static_cast<std::size_t>(end * take.rate), 0.0f);
    const double dt = 1.0 / take.rate;
    for (const ToneNote& n : take.notes) {
        double phase = 0;
        const auto from = static_cast<std::size_t>(n.onset * take.rate);
        const auto to = std::min(
            out.size(), static_cast<std::size_t>((n.onset + n.seconds + kRelease) * take.rate));
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
            out[i] += static_cast<float>(n.amplitude * 0.5 * Envelope(t, n.seconds) * v);
        }
    }
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
