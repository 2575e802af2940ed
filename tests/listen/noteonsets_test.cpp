// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/noteonsets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace sorvel::listen {
namespace {

constexpr float kFloorDb = -60.0f;

// A recording's beginning as frames: digital silence (the encoder's delay,
// the zero padding of the first windows), the hiss setting in at frame
// `hissAt`, then a note whose level climbs from the hiss at frame `noteAt`
// by 3 dB a frame up to -20 dB. The flux is flat, so only the level speaks.
PitchTrack Beginning(int hissAt, int noteAt) {
    PitchTrack track;
    for (int i = 0; i < 80; ++i) {
        PitchFrame f;
        f.time = i * kHopSeconds;
        f.flux = 0.01f;
        f.voiced = i >= noteAt;
        f.levelDb = i < hissAt ? -100.0f : kFloorDb;
        if (i >= noteAt) f.levelDb = std::min(-20.0f, kFloorDb + 3.0f * (i - noteAt + 1));
        track.push_back(f);
    }
    return track;
}

int FirstPeak(const OnsetCurve& c) {
    for (std::size_t i = 0; i < c.peak.size(); ++i)
        if (c.peak[i]) return static_cast<int>(i);
    return -1;
}

// The hiss setting in at the start of a file is no attack: the first attack
// is the note's, and its foot is where the note stands clear of the hiss,
// not back where the hiss began.
TEST(NoteOnsetsTest, TheHissSettingInIsNoAttack) {
    const PitchTrack track = Beginning(4, 20);
    const OnsetCurve c = FindOnsets(track, kFloorDb);
    const int peak = FirstPeak(c);
    ASSERT_GE(peak, 20);
    const int foot = FootOfAttack(track, peak, -1, kFloorDb);
    EXPECT_GE(foot, 20);
    EXPECT_LE(foot, 24);
}

// A note from the very first frame still rises out of the silence before
// the file: its foot lies where its level clears the floor.
TEST(NoteOnsetsTest, FootStaysAboveTheFloor) {
    PitchTrack track = Beginning(0, 2);
    for (int i = 0; i < 2; ++i) track[static_cast<std::size_t>(i)].levelDb = -100.0f;
    const int foot = FootOfAttack(track, 12, -1, kFloorDb);
    EXPECT_GE(foot, 4);
    EXPECT_LE(foot, 6);
}

}  // namespace
}  // namespace sorvel::listen
