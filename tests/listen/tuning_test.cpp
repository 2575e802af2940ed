// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/tuning.h"

#include <gtest/gtest.h>

#include "audiotones.h"

namespace sorvel::listen {
namespace {

using testing::HearTake;
using testing::Melody;
using testing::ToneTake;

// Vibrato of ±45 cents on every note, at rates from 4.5 to 7.5 Hz: the
// tuning is the centre of the swing, not half a semitone off, and the notes
// keep their semitones.
TEST(TuningTest, WideVibratoDoesNotFlipTheTuning) {
    for (const double tuning : {-30.0, 0.0, 25.0, 45.0}) {
        SCOPED_TRACE(tuning);
        ToneTake take = Melody(8, 0.7, 64, 0.05);
        for (std::size_t i = 0; i < take.notes.size(); ++i) {
            take.notes[i].vibratoCents = 45;
            take.notes[i].vibratoHz = 4.5 + 0.4 * static_cast<double>(i);
        }
        take.tuningCents = tuning;
        take.hissDb = -60;
        const HeardMelody m = HearTake(take);
        EXPECT_NEAR(m.tuningCents, tuning, 6.0);
        ASSERT_EQ(m.notes.size(), take.notes.size());
        for (std::size_t i = 0; i < take.notes.size(); ++i) {
            EXPECT_EQ(m.notes[i].midi, take.notes[i].midi) << i;
            EXPECT_TRUE(m.notes[i].vibrato) << i;
        }
    }
}

// Steady frames decide; a track with nothing steady gives 0.
TEST(TuningTest, NothingSteadyGivesZero) {
    EXPECT_EQ(EstimateTuningCents({}, -60.0f), 0.0);
    PitchTrack glide;
    for (int i = 0; i < 200; ++i) {
        PitchFrame f;
        f.hz = static_cast<float>(220.0 * std::exp2(i / 40.0));  // an octave in 200 frames
        f.voiced = true;
        f.voicedProb = 1;
        f.levelDb = -20;
        glide.push_back(f);
    }
    EXPECT_EQ(EstimateTuningCents(glide, -60.0f), 0.0);
}

}  // namespace
}  // namespace sorvel::listen
