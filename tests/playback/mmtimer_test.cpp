// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/mmtimer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "playback/timesource.h"

namespace sorvel {
namespace {

using namespace std::chrono_literals;

TEST(TMMTimer, StartsEnabledWithTheDefaults) {
    TMMTimer timer;
    EXPECT_TRUE(timer.Enabled());
    EXPECT_EQ(timer.Interval(), 1000u);
    EXPECT_EQ(timer.Resolution(), 0u);
    EXPECT_NE(timer.TimerId(), 0u);
    EXPECT_EQ(timer.ActivePeriod(), 1000u);
}

TEST(TMMTimer, IntervalAndResolutionAreClampedToThePeriodRange) {
    TMMTimer timer;
    timer.SetInterval(0);
    EXPECT_EQ(timer.Interval(), 1u);
    timer.SetResolution(5);
    EXPECT_EQ(timer.Resolution(), 1u);
    timer.SetInterval(5'000'000);
    EXPECT_EQ(timer.Interval(), TMMTimer::kMaxPeriod);
}

TEST(TMMTimer, BeginsAndEndsThePeriodItAskedFor) {
    TMMTimer timer;
    timer.SetEnabled(false);
    EXPECT_EQ(timer.TimerId(), 0u);
    EXPECT_EQ(timer.ActivePeriod(), 0u);
    timer.SetInterval(1);
    timer.SetEnabled(true);
    EXPECT_EQ(timer.ActivePeriod(), 1u);
    const std::uint32_t id = timer.TimerId();
    timer.SetInterval(2);  // restarts
    EXPECT_NE(timer.TimerId(), id);
    EXPECT_EQ(timer.ActivePeriod(), 2u);
    timer.SetEnabled(false);
    EXPECT_EQ(timer.ActivePeriod(), 0u);
}

// Waits for the calls rather than for a fixed time, so a loaded machine only
// makes it slower: no period is ever called early, and none after a stop.
TEST(TMMTimer, CallsItsHandlerEveryMillisecondUntilDisabled) {
    TMMTimer timer;
    timer.SetInterval(1);
    timer.SetEnabled(false);
    std::atomic<int> calls{0};
    timer.SetOnTimer([&](TMMTimer&) { ++calls; });
    const auto start = std::chrono::steady_clock::now();
    timer.SetEnabled(true);
    const auto giveUp = start + 1min;
    while (calls.load() < 20 && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(1ms);
    timer.SetEnabled(false);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    const int seen = calls.load();
    EXPECT_GE(seen, 20);
    EXPECT_LE(seen, std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(calls.load(), seen);  // disabled means no late call
}

TEST(TMMTimer, HandlerCanStopAndRestartItsOwnTimer) {
    TMMTimer timer;
    timer.SetInterval(1);
    std::atomic<int> calls{0};
    timer.SetOnTimer([&](TMMTimer& t) {
        if (++calls == 3) {
            t.SetEnabled(false);
            t.SetEnabled(true);
        }
        if (calls.load() == 6) t.SetEnabled(false);
    });
    const auto giveUp = std::chrono::steady_clock::now() + 1min;
    while (timer.Enabled() && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(5ms);
    EXPECT_FALSE(timer.Enabled());
    EXPECT_EQ(calls.load(), 6);
}

TEST(TimeGetTime, CountsMillisecondsOnTheSteadyClock) {
    const auto before = std::chrono::steady_clock::now();
    const std::uint32_t a = timeGetTime();
    std::this_thread::sleep_for(20ms);
    const std::uint32_t b = timeGetTime();
    const auto after = std::chrono::steady_clock::now();
    EXPECT_GE(b - a, 20u);
    const auto spanned = std::chrono::duration_cast<std::chrono::milliseconds>(after - before);
    EXPECT_LE(b - a, static_cast<std::uint32_t>(spanned.count()) + 1);
}

TEST(VirtualTimeSource, WrapsLikeTheMillisecondCounter) {
    VirtualTimeSource clock;
    clock.SetMicros((std::int64_t{1} << 32) * 1000 - 2000);
    EXPECT_EQ(clock.NowMillis(), UINT32_MAX - 1);
    clock.AdvanceMillis(3);
    EXPECT_EQ(clock.NowMillis(), 1u);
}

}  // namespace
}  // namespace sorvel
