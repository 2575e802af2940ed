// SPDX-License-Identifier: GPL-3.0-or-later
// Transposition while the sequencer plays: which tracks it moves, and when a
// change made during the play takes effect and how long it holds.
#include <gtest/gtest.h>

#include "sequencerfixture.h"

namespace sorvel {
namespace {

TEST_F(SequencerTest, TranspositionAppliesToTransposedTracksOnly) {
    SetTrack(1, {Note(60, 48, 10), Note(120, 48, 10)});
    SetTrack(3, {Note(60, 48, 10)});
    rcp.Track(3).keyShift = 12;
    SetTrack(10, {Note(36, 48, 10)});  // key shift 128: never transposed
    SequencerOptions options;
    options.playBias = 5;
    Start(options);
    Run();
    const auto track1 = NoteOns(0);
    ASSERT_EQ(track1.size(), 2u);
    EXPECT_EQ(track1[0].bytes[1], 65);
    EXPECT_EQ(track1[1].bytes[1], (120 + 5) & 0x7F);
    EXPECT_EQ(NoteOns(2).at(0).bytes[1], 77);
    EXPECT_EQ(NoteOns(9).at(0).bytes[1], 36);
    EXPECT_EQ(rcp.playBias, 5);
    EXPECT_EQ(play.transposition.load(), 5);
}

TEST_F(SequencerTest, TranspositionChangedWhilePlayingTakesEffectAtTheNextNote) {
    SetTrack(1, {Note(60, 48, 10), Note(60, 48, 10)});
    Start();
    for (int i = 0; i < 100; ++i) {
        clock.AdvanceMillis(1);
        sequencer.SequencerTick();
    }
    play.transposition = -12;
    Run();
    const auto ons = NoteOns();
    ASSERT_EQ(ons.size(), 2u);
    EXPECT_EQ(ons[0].bytes[1], 60);
    EXPECT_EQ(ons[1].bytes[1], 48);
}

// A change during pass 1 holds for the passes after it; the next play starts
// from its own options again.
TEST_F(SequencerTest, TranspositionChangedWhilePlayingHoldsForTheFollowingPasses) {
    SetTrack(1, {Note(60, 48, 10), Note(62, 48, 10)});
    SequencerOptions options;
    options.playBias = 2;
    options.playCount = 3;
    Start(options);
    for (int i = 0; i < 100; ++i) {
        clock.AdvanceMillis(1);
        sequencer.SequencerTick();
    }
    play.transposition = 5;
    Run();
    ASSERT_EQ(host.passStarts.size(), 2u);
    auto numbers = [this](std::size_t from, std::size_t to) {
        std::vector<int> out;
        for (const Message& m : NoteOns(0, from, to)) out.push_back(m.bytes[1]);
        return out;
    };
    EXPECT_EQ(numbers(0, host.passStarts[0]), (std::vector<int>{62, 67}));
    EXPECT_EQ(numbers(host.passStarts[0], host.passStarts[1]), (std::vector<int>{65, 67}));
    EXPECT_EQ(numbers(host.passStarts[1], SIZE_MAX), (std::vector<int>{65, 67}));

    capture.Clear();
    options.playCount = 1;
    Start(options);
    Run();
    EXPECT_EQ(numbers(0, SIZE_MAX), (std::vector<int>{62, 64}));
}

}  // namespace
}  // namespace sorvel
