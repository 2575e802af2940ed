// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/changeonsets.h"

#include <gtest/gtest.h>

#include <cmath>

#include "audiotones.h"
#include "listen/pitchunits.h"

namespace sorvel::listen {
namespace {

using testing::HearTake;
using testing::ToneNote;
using testing::ToneTake;

// A finger change under one bow: the pitch steps from one note to the next
// with no dip in level and no attack. Each note starts where its pitch
// begins, not some fixed time before.
TEST(ChangeOnsetsTest, FingerChangesStartAtThePitchChange) {
    for (const double room : {0.0, 0.8}) {
        SCOPED_TRACE(room);
        ToneTake take;
        const double pitches[] = {69, 72, 70, 75, 73, 78, 76};
        for (int i = 0; i < 7; ++i) {
            ToneNote n{0.3 + 0.4 * i, 0.4, pitches[i]};
            if (i > 0) n.attack = 0.004;
            n.release = 0.004;
            take.notes.push_back(n);
        }
        take.seconds = 3.5;
        take.hissDb = -60;
        take.roomSeconds = room;
        const HeardMelody m = HearTake(take);
        ASSERT_EQ(m.notes.size(), 7u);
        for (int i = 0; i < 7; ++i) {
            EXPECT_EQ(m.notes[i].midi, pitches[i]) << i;
            EXPECT_NEAR(m.notes[i].onset, 0.3 + 0.4 * i, 0.025) << i;
        }
    }
}

// A slow-speaking string played legato: the note before releases slowly
// while the new one takes up to a fifth of a second to speak, so its pitch
// takes over late; its onset is where its partials begin to rise.
TEST(ChangeOnsetsTest, SlowSpeakingLegatoStartsWhereThePartialsRise) {
    for (const double room : {0.0, 0.8}) {
        for (const double step : {3.0, -2.0, -5.0}) {
            for (const double attack : {0.1, 0.2}) {
                SCOPED_TRACE(::testing::Message() << room << " " << step << " " << attack);
                ToneNote before{0.3, 0.7, 71, 40, 5.5};
                before.release = 0.15;
                ToneNote after{1.0, 0.6, 71 + step};
                after.attack = attack;
                ToneTake take;
                take.notes = {before, after};
                take.seconds = 2.2;
                take.hissDb = -60;
                take.roomSeconds = room;
                const HeardMelody m = HearTake(take);
                ASSERT_EQ(m.notes.size(), 2u);
                EXPECT_EQ(m.notes[1].midi, 71 + step);
                EXPECT_NEAR(m.notes[1].onset, 1.0, 0.04);
                EXPECT_NEAR(m.notes[0].offset, 1.0, 0.04);
                // Heard from its onset, the note's first frames still sound
                // the note before: that is no slide.
                EXPECT_FALSE(m.notes[1].slideIn);
            }
        }
    }
}

// A slide out of the note before, over a leap as wide as an octave and a
// fifth or downwards: one note marked with the slide, starting where the
// pitch leaves the note before (the glide is under way long before its goal
// sounds; the pitch tracker may even lock an octave off the goal on the way).
TEST(ChangeOnsetsTest, WideSlidesStartWhereThePitchLeaves) {
    for (const double room : {0.0, 0.8}) {
        for (const double goal : {74.0, 81.0, 86.0, 62.0}) {
            SCOPED_TRACE(::testing::Message() << room << " " << goal);
            ToneNote before{0.3, 0.7, 69};
            before.release = 0.1;
            ToneNote slide{1.0, 0.8, goal};
            slide.glideFrom = 69;
            slide.glideSeconds = 0.15;
            ToneTake take;
            take.notes = {before, slide};
            take.seconds = 2.3;
            take.hissDb = -60;
            take.roomSeconds = room;
            const HeardMelody m = HearTake(take);
            ASSERT_EQ(m.notes.size(), 2u);
            EXPECT_EQ(m.notes[1].midi, goal);
            EXPECT_NEAR(m.notes[1].onset, 1.0, 0.035);
            EXPECT_TRUE(m.notes[1].slideIn);
            EXPECT_EQ(m.notes[1].slideFrom, 69);
        }
    }
}

// Spectra made by hand: the note before (B4) holds with a vibrato of ±45
// cents, a semitone below the new note (C5), whose partials rise at frame 60.
struct HandSpectra {
    PitchTrack frames;
    FrameSpectra spectra;
};

HandSpectra Crossfade(bool newNoteSounds) {
    HandSpectra h;
    const double binHz = static_cast<double>(kAnalysisRate) / kFrameSize;
    for (int t = 0; t < 120; ++t) {
        std::vector<float> amplitude(kSpectrumBins, 1e-5f);
        const double old = HzOfMidi(71 + 0.45 * std::sin(t * 0.2));
        const auto put = [&](double hz, float a) {
            for (int k = 1; k * hz < 4500; ++k) {
                const int bin = static_cast<int>(std::lround(k * hz / binHz));
                for (int d = -1; d <= 1; ++d)
                    amplitude[static_cast<std::size_t>(bin + d)] += d == 0 ? a : a / 4;
            }
        };
        put(old, t < 70 ? 0.1f : 0.1f * std::pow(0.8f, static_cast<float>(t - 70)));
        if (newNoteSounds && t >= 60) put(HzOfMidi(72), 0.1f * std::min(1.0f, (t - 59) / 10.0f));
        h.spectra.Append(amplitude.data());
        PitchFrame f;
        f.voiced = true;
        f.hz = static_cast<float>(newNoteSounds && t >= 75 ? HzOfMidi(72) : old);
        f.levelDb = -20;
        h.frames.push_back(f);
    }
    return h;
}

// The rise is found under the old note's vibrato, whose partials swing
// towards the new note's; without a new note there is no rise at all.
TEST(ChangeOnsetsTest, PartialsOfTheNoteBeforeAreLeftOut) {
    const HandSpectra rising = Crossfade(true);
    const int onset =
        PartialsOnset(rising.frames, rising.spectra, HzOfMidi(72), HzOfMidi(71), 20, 75);
    EXPECT_NEAR(onset, 60, 2);
    const HandSpectra held = Crossfade(false);
    EXPECT_EQ(PartialsOnset(held.frames, held.spectra, HzOfMidi(72), HzOfMidi(71), 20, 75), -1);
    // Nothing to search: the takeover at or before the start.
    EXPECT_EQ(PartialsOnset(rising.frames, rising.spectra, HzOfMidi(72), HzOfMidi(71), 75, 75), -1);
}

}  // namespace
}  // namespace sorvel::listen
