// SPDX-License-Identifier: GPL-3.0-or-later
// Written music from melodies played from known scores: metre, pickup,
// lengths, rests, triplets and tempo, steady and drifting, and what the user
// may fix instead (tempo, metre, key).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "listen/tempomap.h"
#include "listen/transcribemusic.h"
#include "transcribetunes.h"

namespace sorvel::listen {
namespace {

using testtunes::At;
using testtunes::Heard;
using testtunes::ParseTune;
using testtunes::Perform;
using testtunes::Playing;
using testtunes::WrittenOfMusic;
using testtunes::WrittenOfTune;

constexpr int kG4 = 67, kF4 = 65, kD4 = 62, kC4 = 60, kBb4 = 70, kA4 = 69;

// A folk tune in 2/4 that runs in sixteenths.
const char* const kSixteenths =
    "3/ 3// 5// 6// 1'// 1'// 6// | 5/ 5// 6// 5 | 3/ 3// 5// 6// 1'// 1'// 6// | 5/ 5// 6// 5 |"
    "5 5 | 5/ 3/ 5/ 6/ | 6 5 | 5- | 3/ 2// 3// 5/ 3// 2// | 1/ 1// 2// 1 | 2/ 3// 5// 2/ 3// 1// |"
    "6,/ 1// 6,// 5, | 6,/ 1/ 2 | 3/ 1// 2// 1/ 6,// 5,// | 5,-";
// A hymn in 3/4 from a pickup.
const char* const kPickupWaltz =
    "5, | 1- 3/ 1/ | 3- 2 | 1- 6, | 5,- 5, | 1- 3/ 1/ | 3- 2/ 3/ | 5-- | 5- 3/ 5/ |"
    "5- 3/ 1/ | 3- 2 | 1- 6, | 5,- 5, | 1- 3/ 1/ | 3- 2 | 1-- | 1-";
// 4/4 in quarters with dotted quarters, and a long note held over the bar line.
const char* const kDotted =
    "3 3 4 5 | 5 4 3 2 | 1 1 2 3 | 3. 2/ 2- | 3 3 4 5 | 5 4 3 2 | 1 1 2 3 | 2. 1/ 1- |"
    "2 2 3 1 | 2 3/ 4/ 3 1 | 2 3/ 4/ 3 2 | 1 2 5, 3~ | 3 3 4 5 | 5 4 3 2 | 1 1 2 3 | 2. 1/ 1-";
// 3/8 in sixteenths and eighths from a pickup of two sixteenths.
const char* const kThreeEight =
    "3// 3// | 5 3// 3// | 5 3// 5// | 1'/ 7/. 6// | 6/ 5/ 2// 3// | 4/ 2/ 2// 3// | 4 2// 4// |"
    "7// 6// 5/ 7/ | 1' 1// 1// | 1' 6// 4// | 5 3// 1// | 4/ 5/ 6/ | 5 1// 1// | 1' 6// 4// |"
    "5 3// 1// | 4/ 3/ 2/ | 1/--";
// 6/8 of quarters and eighths from an eighth's pickup.
const char* const kSixEight =
    "6,/ | 1 2/ 3/. 4// 3/ | 2 7,/ 5,/. 6,// 7,/ | 1 6,/ 6,/. #5,// 6,/ | 7, #5,/ 3, 6,/ |"
    "1 2/ 3/. 4// 3/ | 2 7,/ 5,/. 6,// 7,/ | 1/. 7,// 6,/ #5,/. #4,// #5,/ | 6,/-- 6,/-- |"
    "5/-- 5/. 4// 3/ | 2 7,/ 5,/. 6,// 7,/ | 1 6,/ 6,/. #5,// 6,/ | 7, #5,/ 3,/-- |";
// 2/4 in eighths with a triplet and rests.
const char* const kTriplet =
    "5/ 5/ 3/ 5/ | 6/ 1'/ 5 | 5/ 5/ 3/ 5/ | 6/ 1'/ 5 | 1'/ 1'/ 6/ 5/ | 6/ 1'/ 2' | 3'/ 2'/ 1'/ 6/ |"
    "5- | 5/ 5/ 0/ 5/ | 5/ 5/ 0/ 5/ | [3 3/ 5/ 6/] 1' | 5 0 | 1/ 1/ 2/ 3/ | 5/ 3/ 2/ 3/ | 1-";
// A quick waltz of quarters with a rest after repeated notes.
const char* const kQuickWaltz =
    "1 | 1 3 5 | 5-- | 5' 5' 0 | 3' 3' 0 | 1 1 3 | 5-- | 5' 5' 0 | 4' 4' 0 | 7, 7, 2 | 6-- |"
    "6' 6' 0 | 4' 4' 0 | 7, 7, 2 | 6-- | 6' 6' 0 | 3' 3' 0 | 1 1 3 | 5-- | 1'' 1'' 0 | 5' 5' 0 |"
    "1 1 3 | 5-- | 1'' 1'' 0 | 6' 6' 0 | 2 2 4 | 6-- | 6 #4 5 | 3'-- | 3' 1' 3 | 3- 2 | 5'-- | 1'-";

// A largo in 4/4 of dotted quarters, eighths and long held notes.
const char* const kLargo =
    "3. 5/ 5- | 3. 2/ 1- | 2. 3/ 5. 3/ | 2--- | 3. 5/ 5- | 3. 2/ 1- | 2. 3/ 2. 1/ | 1--- |"
    "6. 1'/ 7. 5/ | 6. 1'/ 2'- | 1'. 6/ 5. 3/ | 2---";

// A children's song in 4/4 of quarters, a half note ending each bar of four.
const char* const kQuarters =
    "1 1 5 5 | 6 6 5- | 4 4 3 3 | 2 2 1- | 5 5 4 4 | 3 3 2- | 5 5 4 4 | 3 3 2- |"
    "1 1 5 5 | 6 6 5- | 4 4 3 3 | 2 2 1-";
// A quick march in 2/4 that runs in eighths.
const char* const kMarch =
    "1/ 1/ 2/ 3/ | 1/ 3/ 2/ 5,/ | 1/ 1/ 2/ 3/ | 1 7, | 1/ 1/ 2/ 3/ | 4/ 3/ 2/ 1/ |"
    "7,/ 5,/ 6,/ 7,/ | 1 1 | 6,/. 7,// 6,/ 5,/ | 6,/ 7,/ 1 | 5,/. 6,// 5,/ 4,/ | 3, 5, |"
    "6,/. 7,// 6,/ 5,/ | 6,/ 7,/ 1/ 6,/ | 5,/ 1/ 7,/ 2/ | 1 1";

// A jig in 6/8 of quarter–eighth pairs and running eighths.
const char* const kJig =
    "1/-- 1/-- | 1 2/ 3/-- | 3 2/ 3 4/ | 5/-- 5/-- | 1'/ 1'/ 1'/ 5/ 5/ 5/ | 3/ 3/ 3/ 1/ 1/ 1/ |"
    "5 4/ 3 2/ | 1/-- 1/-- | 1/-- 1/-- | 1 2/ 3/-- | 3 2/ 3 4/ | 5/-- 5/-- |"
    "1'/ 1'/ 1'/ 5/ 5/ 5/ | 3/ 3/ 3/ 1/ 1/ 1/ | 5 4/ 3 2/ | 1--";

struct Transcribed {
    std::vector<testtunes::Written> tune;
    WrittenMusic music;
};

Transcribed Transcribe(const char* text, int tonic, const Playing& playing,
                       const TranscribeOptions& options = {}) {
    const auto tune = ParseTune(text, tonic);
    return {WrittenOfTune(tune), WriteMusic(Perform(tune, playing), options)};
}

void ExpectWrittenAsTune(const Transcribed& t) {
    const std::vector<testtunes::Written> written = WrittenOfMusic(t.music);
    EXPECT_EQ(written.size(), t.tune.size());
    for (size_t i = 0; i < std::min(written.size(), t.tune.size()); ++i) {
        if (written[i] == t.tune[i]) continue;
        ADD_FAILURE() << "from note " << i << " written " << written[i] << " for " << t.tune[i];
        break;
    }
}

TEST(WrittenMusic, TwoFourInSixteenthsAtItsSlowTempo) {
    const Transcribed t = Transcribe(kSixteenths, kG4, At(66));
    EXPECT_EQ(t.music.meter, (TimeSignature{2, 4}));
    EXPECT_EQ(t.music.firstOffset, 0);
    EXPECT_NEAR(t.music.tempo, 66, 2);
    EXPECT_EQ(t.music.fifths, 1);
    ExpectWrittenAsTune(t);
}

TEST(WrittenMusic, ThreeFourWithAPickupBar) {
    const Transcribed t = Transcribe(kPickupWaltz, kG4, At(84));
    EXPECT_EQ(t.music.meter, (TimeSignature{3, 4}));
    EXPECT_EQ(t.music.PickupTicks(), 48);
    EXPECT_EQ(t.music.fifths, 1);
    ExpectWrittenAsTune(t);
}

TEST(WrittenMusic, FourFourWithDottedNotesAndAHeldNote) {
    const Transcribed t = Transcribe(kDotted, kD4, At(100));
    EXPECT_EQ(t.music.meter, (TimeSignature{4, 4}));
    EXPECT_EQ(t.music.fifths, 2);
    ExpectWrittenAsTune(t);
}

TEST(WrittenMusic, ThreeEightInSixteenthsFromAPickup) {
    const Transcribed t = Transcribe(kThreeEight, kF4, At(66));
    EXPECT_EQ(t.music.meter, (TimeSignature{3, 8}));
    EXPECT_EQ(t.music.PickupTicks(), 24);
    EXPECT_EQ(t.music.fifths, -1);
    ExpectWrittenAsTune(t);
}

TEST(WrittenMusic, SixEightOfLongAndShortNotes) {
    const Transcribed t = Transcribe(kSixEight, kC4 + 12, At(96));
    EXPECT_EQ(t.music.meter, (TimeSignature{6, 8}));
    EXPECT_EQ(t.music.PickupTicks(), 24);
    EXPECT_EQ(t.music.fifths, 0);
    ExpectWrittenAsTune(t);
}

TEST(WrittenMusic, TripletsAndRestsInTwoFour) {
    const Transcribed t = Transcribe(kTriplet, kD4, At(92));
    EXPECT_EQ(t.music.meter, (TimeSignature{2, 4}));
    ExpectWrittenAsTune(t);
    int triplets = 0;
    for (const WrittenNote& n : t.music.notes) triplets += n.ticks == 16;
    EXPECT_EQ(triplets, 3);
}

TEST(WrittenMusic, AQuickWaltzKeepsItsQuartersAndRests) {
    const Transcribed t = Transcribe(kQuickWaltz, kG4, At(152));
    EXPECT_EQ(t.music.meter, (TimeSignature{3, 4}));
    EXPECT_NEAR(t.music.tempo, 152, 3);
    ExpectWrittenAsTune(t);
}

// The player drifts by 6 % and the onsets are heard up to 20 ms off: the
// lengths stay, and tempo changes keep the playback within 30 ms of the
// player's (unjittered) time of every note.
TEST(WrittenMusic, ASlowTuneKeepsItsQuartersAndEighths) {
    const Transcribed t = Transcribe(kLargo, kD4, At(50));
    EXPECT_NEAR(t.music.tempo, 50, 2);
    ExpectWrittenAsTune(t);
}

// Quarters with a long note every four beats are read in 4/4, a tune
// running in eighths at a like tempo in 2/4.
TEST(WrittenMusic, TheBarHoldsAboutFourNotes) {
    const Transcribed quarters = Transcribe(kQuarters, kF4, At(84));
    EXPECT_EQ(quarters.music.meter, (TimeSignature{4, 4}));
    ExpectWrittenAsTune(quarters);
    const Transcribed march = Transcribe(kMarch, kBb4, At(104));
    EXPECT_EQ(march.music.meter, (TimeSignature{2, 4}));
    ExpectWrittenAsTune(march);
    const Transcribed largo = Transcribe(kLargo, kD4, At(50));
    EXPECT_EQ(largo.music.meter, (TimeSignature{4, 4}));
}

// The bars of a jig hold two groups of three eighths: read at a moderate
// tempo they are not taken for 3/8 nor for 2/4.
TEST(WrittenMusic, AJigKeepsItsSixEight) {
    const Transcribed jig = Transcribe(kJig, kG4, At(96));
    EXPECT_EQ(jig.music.meter, (TimeSignature{6, 8}));
    ExpectWrittenAsTune(jig);
}

TEST(WrittenMusic, TempoChangesFollowADriftingPlayer) {
    const Playing drifting = At(84, 0.06, 0.02);
    const auto tune = ParseTune(kPickupWaltz, kG4);
    const WrittenMusic music = WriteMusic(Perform(tune, drifting));
    ASSERT_EQ(WrittenOfMusic(music), WrittenOfTune(tune));
    std::vector<int> places;
    std::vector<TempoChange> changes;
    int tick = 0, total = 0;
    for (const auto& n : tune) total += n.ticks;
    std::vector<double> performed;
    for (const WrittenNote& n : music.notes) {
        if (n.rest) continue;
        if (n.tempo > 0 || places.empty())
            changes.push_back({places.size(), places.empty() ? music.tempo : n.tempo});
        places.push_back(n.start);
    }
    for (const auto& n : WrittenOfTune(tune)) {
        if (n.midi) performed.push_back(testtunes::TimeOfTick(tick, total, drifting));
        tick += n.ticks;
    }
    // Some changes, far fewer than notes: about one every other bar.
    EXPECT_GE(changes.size(), 2u);
    EXPECT_LE(changes.size(), places.size() / 2);
    const std::vector<double> played = PlayedTimes(places, changes);
    ASSERT_EQ(played.size(), performed.size());
    for (size_t k = 0; k < played.size(); ++k)
        EXPECT_NEAR(played[k], performed[k] - performed[0], 0.03) << "note " << k;
}

TEST(WrittenMusic, ASteadyPlayerNeedsNoTempoChange) {
    const Transcribed t = Transcribe(kDotted, kD4, At(100));
    int changes = 0;
    for (const WrittenNote& n : t.music.notes) changes += n.tempo > 0;
    EXPECT_EQ(changes, 0);
    EXPECT_NEAR(t.music.tempo, 100, 1);
}

TEST(WrittenMusic, UnevenOnsetsKeepTheirPlaces) {
    for (unsigned seed : {1u, 2u, 3u}) {
        const Playing uneven = At(66, 0.04, 0.02, seed);
        const Transcribed t = Transcribe(kSixteenths, kG4, uneven);
        EXPECT_GE(testtunes::LengthsRight(t.tune, WrittenOfMusic(t.music)), 0.9) << "seed " << seed;
    }
}

TEST(WrittenMusic, AGivenTempoChoosesTheNoteValues) {
    // The same performance read with the quarter at 132: eighths, not sixteenths.
    const auto tune = ParseTune(kSixteenths, kG4);
    TranscribeOptions quick;
    quick.tempo = 132;
    const WrittenMusic music = WriteMusic(Perform(tune, At(66)), quick);
    EXPECT_NEAR(music.tempo, 132, 3);
    ASSERT_FALSE(music.notes.empty());
    EXPECT_EQ(music.notes[0].ticks, 48);  // 3/ at 66 is a quarter at 132
}

TEST(WrittenMusic, AGivenMetreAndKeyAreKept) {
    TranscribeOptions given;
    given.meter = TimeSignature{3, 4};
    given.keyFifths = -3;
    const Transcribed t = Transcribe(kSixEight, kC4 + 12, At(96), given);
    EXPECT_EQ(t.music.meter, (TimeSignature{3, 4}));
    EXPECT_EQ(t.music.fifths, -3);
}

TEST(WrittenMusic, MarksAndUncertainNotes) {
    const auto tune = ParseTune("1 2:s 3:v 4:t | 5- 5- | 1'--- |", kBb4 - 12);
    HeardMelody heard = Perform(tune, At(80));
    heard.notes[3].confidence = 0.2;  // a doubtful pitch
    const WrittenMusic music = WriteMusic(heard);
    ASSERT_EQ(music.notes.size(), 7u);
    EXPECT_TRUE(music.notes[1].slideIn);
    EXPECT_TRUE(music.notes[2].vibrato);
    EXPECT_TRUE(music.notes[3].trill);
    EXPECT_TRUE(music.notes[3].uncertain);
    EXPECT_FALSE(music.notes[0].uncertain);
}

TEST(WrittenMusic, ACleanedMelodySurvivesAnyInput) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    HeardMelody odd;
    odd.seconds = 5;
    odd.notes = {Heard(nan, 1),     Heard(2, 2.5, 500), Heard(-1, 3),     Heard(1, inf, -7),
                 Heard(1, 1.8, -7), Heard(1.5, 1.2),    Heard(1.0005, 2), Heard(3, 3)};
    const std::vector<HeardNote> clean = CleanNotes(odd.notes);
    ASSERT_EQ(clean.size(), 2u);
    for (size_t k = 0; k + 1 < clean.size(); ++k) {
        EXPECT_LT(clean[k].onset, clean[k + 1].onset);
        EXPECT_LE(clean[k].offset, clean[k + 1].onset);
    }
    EXPECT_EQ(clean[0].midi, 0);
    EXPECT_EQ(clean[1].midi, 127);
    EXPECT_EQ(clean[0].offset, 2);  // the onset a millisecond later was one with it
    const WrittenMusic music = WriteMusic(odd);
    for (const WrittenNote& n : music.notes) EXPECT_GT(n.ticks, 0);

    EXPECT_TRUE(WriteMusic(HeardMelody{}).notes.empty());
    HeardMelody one;
    one.notes = {Heard(0.5, 1.5, kA4)};
    one.seconds = 2;
    const WrittenMusic single = WriteMusic(one);
    ASSERT_FALSE(single.notes.empty());
    EXPECT_EQ(single.notes[0].midi, kA4);
}

}  // namespace
}  // namespace sorvel::listen
