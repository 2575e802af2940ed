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

}  // namespace
}  // namespace sorvel::testing
