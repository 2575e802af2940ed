// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/noterelease.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace sorvel::listen {
namespace {

// A held note of `held` seconds at about -15 dB that swells and ebbs by
// `swellDb` at 5 Hz, then `tail` seconds of the room's echo, its level
// falling by `fallDbPerSecond`.
PitchTrack HeldNote(double held, double swellDb, double tail, double fallDbPerSecond) {
    PitchTrack track;
    const int heldFrames = static_cast<int>(held / kHopSeconds);
    const int frames = heldFrames + static_cast<int>(tail / kHopSeconds);
    for (int i = 0; i < frames; ++i) {
        PitchFrame f;
        f.time = i * kHopSeconds;
        f.voiced = true;
        f.levelDb = static_cast<float>(-15.0 + swellDb * std::sin(2 * M_PI * 5.0 * f.time));
        if (i >= heldFrames)
            f.levelDb = static_cast<float>(-15.0 - fallDbPerSecond * (f.time - held));
        track.push_back(f);
    }
    return track;
}

NoteDraft Whole(const PitchTrack& track) {
    NoteDraft n;
    n.first = 0;
    n.last = static_cast<int>(track.size()) - 1;
    n.midi = 69;
    return n;
}

// The echo of a room after the bow stops is no part of the note: a rest
// follows it. The note's own swell, however deep, keeps it whole.
TEST(NoteReleaseTest, TheRoomsEchoIsCutOff) {
    const PitchTrack track = HeldNote(0.5, 3.0, 0.4, 80.0);
    std::vector<NoteDraft> notes = {Whole(track)};
    TrimReleases(track, notes);
    const double end = track[static_cast<std::size_t>(notes[0].last)].time;
    EXPECT_GT(end, 0.5);
    EXPECT_LT(end, 0.5 + 0.25);
    EXPECT_EQ(notes[0].first, 0);
}

TEST(NoteReleaseTest, SwellAndShortFadesStay) {
    for (const double swell : {2.0, 6.0}) {
        const PitchTrack track = HeldNote(1.0, swell, 0.0, 0.0);
        std::vector<NoteDraft> notes = {Whole(track)};
        TrimReleases(track, notes);
        EXPECT_EQ(notes[0].last, static_cast<int>(track.size()) - 1) << swell;
    }
    // A fade of a few frames into the next note is that note's business.
    const PitchTrack track = HeldNote(0.5, 2.0, 0.06, 400.0);
    std::vector<NoteDraft> notes = {Whole(track)};
    TrimReleases(track, notes);
    EXPECT_EQ(notes[0].last, static_cast<int>(track.size()) - 1);
}

// The decay split off as a piece of its own on the same pitch is still the
// echo; a quiet next note on another pitch, or a stroke at the note's own
// level, is not.
TEST(NoteReleaseTest, AnEchoSplitOffGoes) {
    const PitchTrack track = HeldNote(0.5, 3.0, 0.5, 60.0);
    const int cut = static_cast<int>(0.75 / kHopSeconds);
    NoteDraft held = Whole(track), echo = Whole(track);
    held.last = cut - 1;
    echo.first = cut;
    std::vector<NoteDraft> notes = {held, echo};
    TrimReleases(track, notes);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_LT(track[static_cast<std::size_t>(notes[0].last)].time, 0.5 + 0.3);

    echo.midi = 71;
    notes = {held, echo};
    TrimReleases(track, notes);
    EXPECT_EQ(notes.size(), 2u);
}

}  // namespace
}  // namespace sorvel::listen
