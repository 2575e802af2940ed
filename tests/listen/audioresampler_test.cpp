// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/audioresampler.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "listen/audiolistener.h"

namespace sorvel::listen {
namespace {

std::vector<float> Sine(double hz, int rate, std::size_t count) {
    std::vector<float> s(count);
    for (std::size_t i = 0; i < count; ++i)
        s[i] = static_cast<float>(0.5 * std::sin(2 * std::numbers::pi * hz * i / rate));
    return s;
}

// Amplitude of `hz` in `x` at `rate` (a single-bin Fourier sum over the middle).
double AmplitudeAt(const std::vector<float>& x, double hz, int rate) {
    double re = 0, im = 0;
    const std::size_t from = x.size() / 4, to = 3 * x.size() / 4;
    for (std::size_t i = from; i < to; ++i) {
        re += x[i] * std::cos(2 * std::numbers::pi * hz * i / rate);
        im += x[i] * std::sin(2 * std::numbers::pi * hz * i / rate);
    }
    return 2 * std::hypot(re, im) / static_cast<double>(to - from);
}

std::vector<float> Convert(const std::vector<float>& in, int from, int to, std::size_t block) {
    AudioResampler r(from, to);
    std::vector<float> out;
    for (std::size_t i = 0; i < in.size(); i += block)
        r.Push(in.data() + i, std::min(block, in.size() - i), out);
    r.Finish(out);
    return out;
}

TEST(AudioResamplerTest, KeepsTheBandAndLengthAndRemovesWhatWouldAlias) {
    for (const int from : {8000, 44100, 48000, 96000, 44101}) {
        SCOPED_TRACE(from);
        const std::vector<float> in = Sine(1000, from, static_cast<std::size_t>(from));
        const std::vector<float> out = Convert(in, from, 22050, 4096);
        EXPECT_NEAR(static_cast<double>(out.size()), 22050.0, 1.0);
        EXPECT_NEAR(AmplitudeAt(out, 1000, 22050), 0.5, 0.005);
    }
    // 15 kHz cannot be held at 22.05 kHz: it must not fold down to 7.05 kHz.
    const std::vector<float> out = Convert(Sine(15000, 44100, 44100), 44100, 22050, 1000);
    EXPECT_LT(AmplitudeAt(out, 22050 - 15000, 22050), 0.5 * 1e-3);
}

TEST(AudioResamplerTest, BlockSizesDoNotChangeTheOutput) {
    const std::vector<float> in = Sine(440, 48000, 20000);
    const std::vector<float> whole = Convert(in, 48000, 22050, in.size());
    for (const std::size_t block : {1u, 7u, 333u}) {
        const std::vector<float> parts = Convert(in, 48000, 22050, block);
        ASSERT_EQ(parts.size(), whole.size());
        for (std::size_t i = 0; i < whole.size(); ++i) ASSERT_FLOAT_EQ(parts[i], whole[i]) << i;
    }
}

// The listener keeps only per-frame features: the samples it holds at once
// do not grow with the length of the stream (a two-hour take holds as few as
// a short one).
TEST(AudioResamplerTest, ListenerHoldsBoundedSamplesHoweverLong) {
    auto peakFor = [](double seconds) {
        const int rate = 48000;
        AudioListener listener(rate, kFileLagFrames);
        std::vector<float> block(4800);
        double phase = 0;
        const auto blocks = static_cast<long>(seconds * rate / block.size());
        for (long b = 0; b < blocks; ++b) {
            for (float& s : block) {  // a sawtooth at 392 Hz, a bar on, a bar off
                phase += 392.0 / rate;
                phase -= std::floor(phase);
                s = (b / 20) % 2 ? 0.0f : static_cast<float>(0.2 * (phase - 0.5));
            }
            listener.Push(block.data(), block.size());
        }
        listener.Finish();
        EXPECT_NEAR(listener.Seconds(), seconds, 0.1);
        return listener.PeakBufferedSamples();
    };
    const std::size_t shortTake = peakFor(10);
    const std::size_t longTake = peakFor(120);
    EXPECT_EQ(shortTake, longTake);
    EXPECT_LT(longTake, 16384u);
}

}  // namespace
}  // namespace sorvel::listen
