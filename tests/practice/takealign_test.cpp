// SPDX-License-Identifier: GPL-3.0-or-later
// The aligner on synthetic note sequences: whatever the tempo, a bar left
// out, a passage played twice, a wrong note or a pause must not shift the
// notes that follow.
#include <gtest/gtest.h>

#include "takefixture.h"

namespace sorvel::testing {
namespace {

using practice::AlignNotes;
using practice::NoteMatch;

const std::vector<int> kTune = {62, 64, 66, 67, 69, 67, 66, 64, 62, 66, 69, 74, 71, 69, 67, 66};

std::vector<Played> PlayedOf(const std::vector<int>& midis, double seconds) {
    std::vector<Played> out;
    for (int m : midis) out.push_back({static_cast<double>(m), seconds, 0, 0.02});
    return out;
}

// Which heard note each written note got (-1: missed).
std::vector<int> Firsts(const std::vector<NoteMatch>& matches) {
    std::vector<int> out;
    for (const NoteMatch& m : matches) out.push_back(m.first);
    return out;
}

std::vector<int> Range(int from, int to) {
    std::vector<int> out;
    for (int i = from; i < to; ++i) out.push_back(i);
    return out;
}

TEST(TakeAlign, FollowsAnyTempoAndASlowDown) {
    for (double seconds : {0.3, 0.5, 0.9}) {
        std::vector<Played> played = PlayedOf(kTune, seconds);
        for (std::size_t i = 8; i < played.size(); ++i) played[i].seconds *= 1.3;
        const auto matches = AlignNotes(Written(kTune), HeardOf(played), 0.5);
        EXPECT_EQ(Firsts(matches), Range(0, 16)) << seconds;
    }
}

TEST(TakeAlign, NotesOfABarLeftOutAreMissedAndTheRestFollows) {
    std::vector<int> played = kTune;
    played.erase(played.begin() + 4, played.begin() + 8);  // the second bar
    const auto matches = AlignNotes(Written(kTune), HeardOf(PlayedOf(played, 0.5)), 0.5);
    std::vector<int> want = Range(0, 4);
    want.insert(want.end(), {-1, -1, -1, -1});
    for (int i = 4; i < 12; ++i) want.push_back(i);
    EXPECT_EQ(Firsts(matches), want);
}

TEST(TakeAlign, APassagePlayedTwiceLeavesTheRepetitionUnmatched) {
    std::vector<int> played(kTune.begin(), kTune.begin() + 8);
    played.insert(played.end(), kTune.begin() + 4, kTune.end());  // bar 2 again
    const auto matches = AlignNotes(Written(kTune), HeardOf(PlayedOf(played, 0.5)), 0.5);
    int matched = 0;
    for (const NoteMatch& m : matches) matched += m.Matched();
    EXPECT_EQ(matched, 16);
    EXPECT_EQ(matches[15].first, 19);  // the last note is the last heard
    EXPECT_EQ(matches[3].first, 3);
}

TEST(TakeAlign, AWrongNoteIsMatchedWhereItWasPlayed) {
    std::vector<int> played = kTune;
    played[6] += 2;
    const auto matches = AlignNotes(Written(kTune), HeardOf(PlayedOf(played, 0.5)), 0.5);
    EXPECT_EQ(Firsts(matches), Range(0, 16));
}

TEST(TakeAlign, APauseAndGraceNotesDoNotShiftTheNotes) {
    std::vector<Played> played = PlayedOf(kTune, 0.5);
    played[7].gapAfter = 3.0;
    played.insert(played.begin() + 10, {73.0, 0.05, 0, 0});  // a grace note before 69
    const auto matches = AlignNotes(Written(kTune), HeardOf(played), 0.5);
    std::vector<int> want = Range(0, 10);
    for (int i = 11; i < 17; ++i) want.push_back(i);
    EXPECT_EQ(Firsts(matches), want);
}

TEST(TakeAlign, RepeatedNotesInOneBowShareTheHeardNote) {
    const std::vector<int> written = {62, 64, 64, 66};
    const std::vector<Played> played = {{62, 0.5}, {64, 1.0}, {66, 0.5}};
    const auto matches = AlignNotes(Written(written), HeardOf(played), 0.5);
    EXPECT_EQ(Firsts(matches), (std::vector<int>{0, 1, 1, 2}));
}

TEST(TakeAlign, OneNoteHeardInTwoPiecesKeepsBoth) {
    const std::vector<Played> played = {{62, 0.5}, {64, 0.3}, {64.1, 0.2}, {66, 0.5}};
    const auto matches = AlignNotes(Written({62, 64, 66}), HeardOf(played), 0.5);
    ASSERT_EQ(matches.size(), 3u);
    EXPECT_EQ(matches[1].first, 1);
    EXPECT_EQ(matches[1].last, 2);
    EXPECT_EQ(matches[2].first, 3);
}

TEST(TakeAlign, NothingHeardMissesEverything) {
    const auto matches = AlignNotes(Written(kTune), {}, 0.5);
    ASSERT_EQ(matches.size(), kTune.size());
    for (const NoteMatch& m : matches) EXPECT_FALSE(m.Matched());
    EXPECT_TRUE(AlignNotes({}, HeardOf(PlayedOf(kTune, 0.5)), 0.5).empty());
}

TEST(TakeAlign, ABarLeftOutIsMissedWholeEvenWhenItsNotesComeBackAfterIt) {
    // The bar left out (written 5–8: 71 73 76 76) holds the pitches of the
    // bar after it, whose second note is played a tone low: the aligner must
    // not borrow the later notes for the bar left out.
    const std::vector<int> written = {62, 64, 66, 69, 71, 73, 76, 76, 73, 76, 78, 74, 71, 69};
    std::vector<int> played = {62, 64, 66, 69, 73, 74, 78, 74, 71, 69};
    played[5] = 74;  // written 10 (76) played as 74
    const auto matches = AlignNotes(Written(written), HeardOf(PlayedOf(played, 0.5)), 0.5);
    EXPECT_EQ(Firsts(matches), (std::vector<int>{0, 1, 2, 3, -1, -1, -1, -1, 4, 5, 6, 7, 8, 9}));
}

// Written notes of the given lengths in beats, 0.5 s a beat.
std::vector<practice::WrittenNote> WrittenBeats(const std::vector<int>& midis,
                                                const std::vector<double>& beats) {
    std::vector<practice::WrittenNote> out = Written(midis);
    double beat = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i].beat = beat;
        out[i].beats = beats[i];
        out[i].onset = 0.5 * beat;
        out[i].length = 0.5 * beats[i];
        beat += beats[i];
    }
    return out;
}

TEST(TakeAlign, RepeatedNotesOfABarLeftOutDoNotShareAMuchShorterNote) {
    // The bar left out (76 76 78 74) begins with the pitches of the bar
    // after it (76 78 in a beat and a half): its two 76 must not share the
    // one heard 76 of half their length.
    const auto written =
        WrittenBeats({74, 74, 76, 76, 78, 74, 76, 78, 79, 78}, {1, 2, 1, 1, 1, 1, 1, 0.5, 0.5, 1});
    const std::vector<Played> played = {{74, 0.5},  {74, 1.0},  {76, 0.55},
                                        {78, 0.27}, {79, 0.27}, {78, 0.54}};
    const auto matches = AlignNotes(written, HeardOf(played), 0.5);
    EXPECT_EQ(Firsts(matches), (std::vector<int>{0, 1, -1, -1, -1, -1, 2, 3, 4, 5}));
}

TEST(TakeAlign, AWrongNoteAtThePitchBeforeItIsPlayedNotSwallowed) {
    // 78 played as 76 after a 76: one sound in two strokes. A second stroke
    // (an attack of its own) is the next note played wrong, not the same
    // note held on; without the attack (a wobble under one bow) it is one.
    const auto written = WrittenBeats({73, 76, 78, 73}, {1, 0.5, 0.5, 1});
    std::vector<practice::HeardPitch> played =
        HeardOf({{73, 0.5}, {76, 0.25}, {76, 0.25}, {73, 0.5}});
    EXPECT_EQ(Firsts(AlignNotes(written, played, 0.5)), (std::vector<int>{0, 1, 2, 3}));
    const auto held = WrittenBeats({73, 76, 73}, {1, 1, 1});
    played[2].attacked = false;
    const auto matches = AlignNotes(held, played, 0.5);
    EXPECT_EQ(matches[1].first, 1);
    EXPECT_EQ(matches[1].last, 2);
}

}  // namespace
}  // namespace sorvel::testing
