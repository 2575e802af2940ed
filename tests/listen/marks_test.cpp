// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "audiotones.h"
#include "listen/marks.h"

namespace sorvel::listen {
namespace {

using testing::HearTake;
using testing::ToneNote;
using testing::ToneTake;

// A scoop into a note from two or three semitones below, a moment after a
// note above it, is one note (its glide is no note of its own, though it
// lies outside the leap between the two notes); a short lower neighbour
// between two notes of one pitch stays a note.
TEST(MarksTest, ScoopAfterANoteAboveIsOneNote) {
    for (const double depth : {2.0, 3.0}) {
        for (const double above : {69.0, 71.0}) {
            SCOPED_TRACE(::testing::Message() << depth << " " << above);
            ToneNote scoop{1.2, 0.4, 66};
            scoop.glideFrom = 66 - depth;
            scoop.glideSeconds = 0.12;
            ToneTake take;
            take.notes = {{0.3, 0.4, above}, {0.76, 0.38, above - 2}, scoop, {1.66, 0.4, 64}};
            take.seconds = 2.5;
            take.hissDb = -50;
            take.tuningCents = 23;
            const HeardMelody m = HearTake(take);
            ASSERT_EQ(m.notes.size(), 4u);
            EXPECT_EQ(m.notes[2].midi, 66);
            EXPECT_NEAR(m.notes[2].onset, 1.2, 0.03);
        }
    }
    ToneTake take;
    take.notes = {{0.3, 0.4, 68}, {0.7, 0.15, 66}, {0.85, 0.4, 68}};
    for (ToneNote& n : take.notes) n.attack = 0.01, n.release = 0.01;
    take.seconds = 1.8;
    take.hissDb = -50;
    const HeardMelody m = HearTake(take);
    ASSERT_EQ(m.notes.size(), 3u);
    EXPECT_EQ(m.notes[1].midi, 66);
}

// A trill ending on its main note, followed by a longer note of its upper
// neighbour: the trill is one note and the note after it (which continues
// the alternation) stays a note of its own.
TEST(MarksTest, TrillLeavesTheLongerNoteAfterIt) {
    std::vector<ToneNote> notes = {{0.3, 0.5, 69}};
    for (int i = 0; i < 7; ++i) notes.push_back({0.85 + i * 0.125, 0.115, i % 2 ? 74.0 : 72.0});
    notes.push_back({1.725, 0.5, 74});
    for (ToneNote& n : notes) n.release = 0.01;
    ToneTake take;
    take.notes = notes;
    take.seconds = 2.7;
    take.hissDb = -50;
    const HeardMelody m = HearTake(take);
    ASSERT_EQ(m.notes.size(), 3u);
    EXPECT_TRUE(m.notes[1].trill);
    EXPECT_EQ(m.notes[1].midi, 72);
    EXPECT_EQ(m.notes[1].trillUpper, 74);
    EXPECT_EQ(m.notes[2].midi, 74);
    EXPECT_FALSE(m.notes[2].trill);
    EXPECT_NEAR(m.notes[2].onset, 1.725, 0.04);
}

// A fifth up under a long release: while A4 and E5 sound together their sum
// repeats at A3, a twelfth below E5, and the pitch tracker follows it for a
// moment. That is the change to E5, not a note of its own.
TEST(MarksTest, TwoNotesSoundingTogetherMakeNoThirdNote) {
    for (const double room : {0.0, 0.6}) {
        SCOPED_TRACE(room);
        ToneNote before{0.3, 0.7, 69};
        before.release = 0.3;
        ToneNote after{1.0, 0.8, 76};
        after.attack = 0.1;
        ToneTake take;
        take.notes = {before, after, {2.0, 0.4, 74}};
        take.seconds = 2.8;
        take.hissDb = -40;
        take.roomSeconds = room;
        const HeardMelody m = HearTake(take);
        ASSERT_EQ(m.notes.size(), 3u);
        EXPECT_EQ(m.notes[1].midi, 76);
        EXPECT_NEAR(m.notes[1].onset, 1.0, 0.03);
    }
}

}  // namespace
}  // namespace sorvel::listen
