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
TEST(GlidesTest, ScoopAfterANoteAboveIsOneNote) {
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

}  // namespace
}  // namespace sorvel::listen
