// SPDX-License-Identifier: GPL-3.0-or-later
// The live synthesizer's audio stream on a virtual clock: it runs while there
// is something to hear, closes after a stretch of silence, opens again at the
// next message, and a stream its server ended is opened again only on
// purpose; a stream the server is slow to ask for sound is not lost.
#include "playback/audiostreamkeeper.h"

#include <gtest/gtest.h>

namespace sorvel {
namespace {

struct KeeperFixture : ::testing::Test {
    VirtualTimeSource clock;
    bool serverUp = true;
    bool sounding = false;
    int opens = 0;
    int closes = 0;
    AudioStreamKeeper keeper{{[this] {
                                  ++opens;
                                  return serverUp;
                              },
                              [this] { ++closes; }, [this] { return sounding; }},
                             clock,
                             {.idleCloseMicros = 1'500'000}};

    // The watcher's checks every 250 ms for `ms` milliseconds.
    void Pass(int ms) {
        for (int t = 0; t < ms; t += 250) {
            clock.AdvanceMillis(250);
            keeper.Check();
        }
    }
};

TEST_F(KeeperFixture, SilenceClosesTheStreamAndAMessageOpensItAgain) {
    ASSERT_TRUE(keeper.Wake());
    EXPECT_EQ(opens, 1);
    Pass(1250);
    EXPECT_TRUE(keeper.IsOpen());
    Pass(250);
    EXPECT_FALSE(keeper.IsOpen());
    EXPECT_EQ(closes, 1);
    keeper.Touch();
    EXPECT_TRUE(keeper.IsOpen());
    EXPECT_EQ(opens, 2);
    keeper.Touch();  // open already
    EXPECT_EQ(opens, 2);
}

TEST_F(KeeperFixture, SoundingVoicesAndAHeldPlayKeepItOpen) {
    keeper.Wake();
    sounding = true;  // a note in its release, a tuning tone
    Pass(5000);
    EXPECT_TRUE(keeper.IsOpen());
    sounding = false;
    keeper.Hold(true);  // a play through a long rest
    Pass(5000);
    EXPECT_TRUE(keeper.IsOpen());
    keeper.Hold(false);
    Pass(1500);
    EXPECT_FALSE(keeper.IsOpen());
}

// A null sink that was idle asks a new stream for its first sound only at
// its next wake-up, up to 2 s later; a play or a tuning tone that starts then
// is heard late, not lost. The stream never tells the keeper of its requests.
TEST_F(KeeperFixture, AStreamTheServerIsSlowToAskForSoundStaysOpen) {
    ASSERT_TRUE(keeper.Wake());
    keeper.Hold(true);
    Pass(2500);
    EXPECT_TRUE(keeper.IsOpen());
    EXPECT_FALSE(keeper.IsLost());
    keeper.Touch();
    EXPECT_EQ(opens, 1);
    EXPECT_EQ(closes, 0);
    // A tuning tone after silence: its sounding voice keeps the stream.
    keeper.Hold(false);
    Pass(1500);
    ASSERT_FALSE(keeper.IsOpen());
    keeper.Touch();
    sounding = true;
    Pass(2500);
    EXPECT_TRUE(keeper.IsOpen());
    EXPECT_FALSE(keeper.IsLost());
    EXPECT_EQ(opens, 2);
}

TEST_F(KeeperFixture, AStreamItsServerEndsIsLostUntilWokenOnPurpose) {
    keeper.Wake();
    keeper.Hold(true);
    sounding = true;
    Pass(500);
    keeper.ServerLost();  // the server went away mid-play
    EXPECT_TRUE(keeper.IsLost());
    Pass(250);
    EXPECT_FALSE(keeper.IsOpen());
    EXPECT_EQ(closes, 1);
    keeper.Touch();  // the timer thread's next messages do not knock again
    EXPECT_EQ(opens, 1);
    serverUp = false;
    EXPECT_FALSE(keeper.Wake());
    EXPECT_TRUE(keeper.IsLost());
    EXPECT_EQ(opens, 2);
    serverUp = true;
    EXPECT_TRUE(keeper.Wake());
    EXPECT_FALSE(keeper.IsLost());
    EXPECT_EQ(opens, 3);
}

// The next play comes before the watcher's check: it opens a new stream.
TEST_F(KeeperFixture, WakeReplacesAStreamItsServerEndedAtOnce) {
    keeper.Wake();
    keeper.ServerLost();
    EXPECT_TRUE(keeper.Wake());
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(opens, 2);
    EXPECT_FALSE(keeper.IsLost());
    Pass(500);
    EXPECT_TRUE(keeper.IsOpen());  // the end of the old stream is not held against the new one
}

TEST_F(KeeperFixture, AFailedReopenAfterSilenceCountsAsLost) {
    keeper.Wake();
    Pass(1500);
    ASSERT_FALSE(keeper.IsOpen());
    serverUp = false;
    keeper.Touch();
    EXPECT_TRUE(keeper.IsLost());
    keeper.Touch();
    EXPECT_EQ(opens, 2);
}

TEST(AudioStreamKeeper, ClosesItsStreamWhenDestroyed) {
    VirtualTimeSource clock;
    int closes = 0;
    {
        AudioStreamKeeper keeper({[] { return true; }, [&] { ++closes; }, [] { return false; }},
                                 clock);
        keeper.Wake();
    }
    EXPECT_EQ(closes, 1);
}

}  // namespace
}  // namespace sorvel
