// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/notetracker.h"

#include <gtest/gtest.h>

#include <cmath>

#include "audiotones.h"
#include "listen/audiolistener.h"

namespace sorvel::listen {
namespace {

using testing::Render;
using testing::ToneNote;
using testing::ToneTake;

HeardMelody Hear(const ToneTake& take) {
    const std::vector<float> samples = Render(take);
    AudioListener listener(take.rate, kFileLagFrames);
    listener.Push(samples.data(), samples.size());
    listener.Finish();
    return listener.Melody();
}

ToneTake Take(std::vector<ToneNote> notes, double tuning = 0, double hissDb = -120) {
    ToneTake take;
    take.notes = std::move(notes);
    take.tuningCents = tuning;
    take.hissDb = hissDb;
    take.seconds = take.notes.back().onset + take.notes.back().seconds + 0.5;
    return take;
}

// Onsets within 20 ms, pitches right, and the silence around makes nothing.
TEST(NoteTrackerTest, MelodyWithRestsHissAndDetune) {
    std::vector<ToneNote> notes;
    const double pitches[] = {62, 66, 69, 74, 76, 81, 79, 74, 86, 64};
    double at = 0.5;
    for (int i = 0; i < 10; ++i) {
        notes.push_back({at, i % 3 == 2 ? 0.6 : 0.25, pitches[i]});
        at += notes.back().seconds + (i % 4 == 3 ? 0.5 : 0.05);
    }
    for (const double tuning : {-45.0, 0.0, 38.0}) {
        SCOPED_TRACE(tuning);
        const HeardMelody m = Hear(Take(notes, tuning, -55));
        EXPECT_NEAR(m.tuningCents, tuning, 4.0);
        ASSERT_EQ(m.notes.size(), notes.size());
        for (std::size_t i = 0; i < notes.size(); ++i) {
            EXPECT_EQ(m.notes[i].midi, notes[i].midi) << i;
            EXPECT_NEAR(m.notes[i].onset, notes[i].onset, 0.02) << i;
            EXPECT_NEAR(m.notes[i].offset, notes[i].onset + notes[i].seconds, 0.1) << i;
            EXPECT_NEAR(m.notes[i].cents, 0.0, 8.0) << i;
            EXPECT_TRUE(m.notes[i].attacked) << i;
            EXPECT_FALSE(m.notes[i].vibrato || m.notes[i].slideIn || m.notes[i].trill) << i;
        }
        EXPECT_LT(m.noiseFloorDb, -50);
    }
}

// Vibrato of ±50 cents at 4–8 Hz is one note with the mark; ±10 cents is
// no vibrato.
TEST(NoteTrackerTest, VibratoStaysOneNote) {
    for (const double hz : {4.5, 6.0, 7.5}) {
        SCOPED_TRACE(hz);
        const HeardMelody m = Hear(Take({{0.3, 1.2, 67, 50, hz}, {1.6, 1.0, 71, 10, 6}}, 20));
        ASSERT_EQ(m.notes.size(), 2u);
        EXPECT_EQ(m.notes[0].midi, 67);
        EXPECT_TRUE(m.notes[0].vibrato);
        EXPECT_NEAR(m.notes[0].cents, 0.0, 15.0);
        EXPECT_EQ(m.notes[1].midi, 71);
        EXPECT_FALSE(m.notes[1].vibrato);
    }
}

// A glide of three semitones into a note is that note with a slide from where
// it began; a scoop of one semitone is no slide.
TEST(NoteTrackerTest, GlideIntoANoteIsOneNoteWithASlide) {
    ToneNote glide{0.8, 0.6, 74};
    glide.glideFrom = 71;
    glide.glideSeconds = 0.15;
    ToneNote scoop{1.6, 0.5, 69};
    scoop.glideFrom = 68;
    scoop.glideSeconds = 0.08;
    const HeardMelody m = Hear(Take({{0.3, 0.4, 69}, glide, scoop}));
    ASSERT_EQ(m.notes.size(), 3u);
    EXPECT_EQ(m.notes[1].midi, 74);
    EXPECT_TRUE(m.notes[1].slideIn);
    EXPECT_EQ(m.notes[1].slideFrom, 71);
    EXPECT_NEAR(m.notes[1].onset, 0.8, 0.03);
    EXPECT_EQ(m.notes[2].midi, 69);
    EXPECT_FALSE(m.notes[2].slideIn);
}

// The same pitch played again after a bow change is two notes; a trill of
// a whole tone at 8 a second is one note with its upper neighbour.
TEST(NoteTrackerTest, RepeatedNotesSplitAndTrillsJoin) {
    std::vector<ToneNote> notes = {{0.3, 0.45, 72}, {0.8, 0.45, 72}, {1.3, 0.45, 72}};
    for (int i = 0; i < 8; ++i) notes.push_back({1.9 + i * 0.125, 0.115, i % 2 ? 76.0 : 74.0});
    notes.push_back({3.0, 0.5, 69});
    const HeardMelody m = Hear(Take(notes));
    ASSERT_EQ(m.notes.size(), 5u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(m.notes[i].midi, 72);
        EXPECT_NEAR(m.notes[i].onset, notes[i].onset, 0.02);
    }
    EXPECT_TRUE(m.notes[3].trill);
    EXPECT_EQ(m.notes[3].midi, 74);
    EXPECT_EQ(m.notes[3].trillUpper, 76);
    EXPECT_NEAR(m.notes[3].onset, 1.9, 0.03);
    EXPECT_EQ(m.notes[4].midi, 69);
    EXPECT_FALSE(m.notes[4].trill);
}

// Hiss 35 dB below the playing and a reverberant tail after the last note
// make no notes of their own.
TEST(NoteTrackerTest, HissAndTailsMakeNoNotes) {
    ToneTake take = Take({{0.5, 0.5, 69}, {1.1, 0.5, 72}});
    take.seconds = 4.0;
    take.hissDb = -45;  // the notes' RMS is about -10 dB
    std::vector<float> s = Render(take);
    // A decaying echo of the last note, as a room gives it.
    const std::size_t delay = take.rate / 20;
    for (std::size_t i = delay; i < s.size(); ++i) s[i] += 0.35f * s[i - delay];
    AudioListener listener(take.rate, kFileLagFrames);
    listener.Push(s.data(), s.size());
    listener.Finish();
    const HeardMelody m = listener.Melody();
    ASSERT_EQ(m.notes.size(), 2u);
    EXPECT_EQ(m.notes[0].midi, 69);
    EXPECT_EQ(m.notes[1].midi, 72);
    EXPECT_LT(m.notes[1].offset, 2.2);
}

// The model itself: a clean pitch line with a pause decodes to two spans.
TEST(NoteTrackerTest, ModelDecodesSpansAndSilence) {
    std::vector<NoteObservation> obs;
    for (int i = 0; i < 60; ++i) obs.push_back({62.1f, 0.95f});
    for (int i = 0; i < 30; ++i) obs.push_back({62.0f, 0.02f});
    for (int i = 0; i < 60; ++i) obs.push_back({i % 10 < 5 ? 66.4f : 65.6f, 0.95f});  // vibrato
    const std::vector<NoteSpan> spans = NoteTracker(46, 100).Track(obs);
    ASSERT_EQ(spans.size(), 2u);
    EXPECT_EQ(spans[0].midi, 62);
    EXPECT_LE(spans[0].first, 2);
    EXPECT_NEAR(spans[0].last, 59, 3);
    EXPECT_EQ(spans[1].midi, 66);
    EXPECT_NEAR(spans[1].first, 90, 3);
    EXPECT_TRUE(NoteTracker(46, 100).Track({}).empty());
}

}  // namespace
}  // namespace sorvel::listen
