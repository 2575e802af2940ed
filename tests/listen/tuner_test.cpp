// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/tuner.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

#include "audiotones.h"

namespace sorvel::listen {
namespace {

std::vector<float> Sine(double hz, int rate, double seconds) {
    std::vector<float> s(static_cast<std::size_t>(seconds * rate));
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = static_cast<float>(0.3 * std::sin(2 * std::numbers::pi * hz * i / rate));
    return s;
}

TEST(TunerTest, SteadyTonesToACent) {
    const std::vector<float> d4 = Sine(293.66, 44100, 0.4);
    TunerReading r = EstimateTone(d4.data(), d4.size(), 44100);
    ASSERT_TRUE(r.valid);
    EXPECT_EQ(r.midi, 62);
    EXPECT_NEAR(r.cents, 0.0, 1.0);
    // A bowed A4 tuned 20 cents sharp, at another rate and reference.
    testing::ToneTake take;
    take.rate = 48000;
    take.tuningCents = 20;
    take.notes.push_back({0.0, 0.5, 69});
    const std::vector<float> a4 = testing::Render(take);
    r = EstimateTone(a4.data() + 4800, 19200, 48000);
    ASSERT_TRUE(r.valid);
    EXPECT_EQ(r.midi, 69);
    EXPECT_NEAR(r.cents, 20.0, 1.0);
    r = EstimateTone(a4.data() + 4800, 19200, 48000, 442.0);  // 442 is 7.85 cents above 440
    EXPECT_NEAR(r.cents, 20.0 - 7.85, 1.0);
    // The outer string's high notes too.
    const std::vector<float> high = Sine(1661.22, 44100, 0.3);  // G#6
    r = EstimateTone(high.data(), high.size(), 44100);
    EXPECT_EQ(r.midi, 92);
    EXPECT_NEAR(r.cents, 0.0, 1.0);
}

TEST(TunerTest, VibratoReadsItsCentre) {
    testing::ToneTake take;
    take.notes.push_back({0.0, 1.0, 62, 30, 5.5});
    take.tuningCents = -12;
    const std::vector<float> s = testing::Render(take);
    const TunerReading r = EstimateTone(s.data() + 4410, 22050, 44100);
    ASSERT_TRUE(r.valid);
    EXPECT_EQ(r.midi, 62);
    EXPECT_NEAR(r.cents, -12.0, 6.0);
}

TEST(TunerTest, NoReadingOnSilenceOrNoise) {
    std::vector<float> quiet(22050, 0.0f);
    EXPECT_FALSE(EstimateTone(quiet.data(), quiet.size(), 44100).valid);
    std::mt19937 random(9);
    std::normal_distribution<float> noise(0.0f, 0.2f);
    for (int round = 0; round < 5; ++round) {
        for (float& s : quiet) s = noise(random);
        EXPECT_FALSE(EstimateTone(quiet.data(), quiet.size(), 44100).valid) << round;
    }
    EXPECT_FALSE(EstimateTone(quiet.data(), 10, 44100).valid);
    EXPECT_FALSE(EstimateTone(nullptr, 0, 44100).valid);
    EXPECT_FALSE(EstimateTone(quiet.data(), quiet.size(), 0).valid);
}

}  // namespace
}  // namespace sorvel::listen
