// SPDX-License-Identifier: GPL-3.0-or-later
// Following the player's time: the pulse tracked through the notes, the
// smoothed times of written places, and the fewest tempo changes that keep
// playback with them.
#include <gtest/gtest.h>

#include <cmath>

#include "base/arith.h"
#include "listen/beatstrength.h"
#include "listen/beattracker.h"
#include "listen/tempocurve.h"
#include "listen/tempomap.h"
#include "transcribetunes.h"

namespace sorvel::listen {
namespace {

// Places of a run of eighths and quarters, and their times at `tempo`.
struct Timed {
    std::vector<int> places;
    std::vector<double> seconds;
};

Timed Steady(int tempo, int notes) {
    Timed r;
    for (int k = 0, place = 0; k < notes; ++k) {
        r.places.push_back(place);
        r.seconds.push_back(1.0 + place * 60.0 / (tempo * 48.0));
        place += k % 3 == 2 ? 48 : 24;
    }
    return r;
}

TEST(FitTempo, ASteadyRunIsOneTempo) {
    const Timed r = Steady(96, 40);
    const std::vector<TempoChange> changes = FitTempo(r.places, r.seconds, 0.015);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].note, 0u);
    EXPECT_EQ(changes[0].tempo, 96);
}

TEST(FitTempo, ASpeedingUpRunChangesTempoWhereItMust) {
    Timed r = Steady(80, 60);
    // From note 30 on the player is 10 % faster.
    for (size_t k = 31; k < r.places.size(); ++k)
        r.seconds[k] = r.seconds[30] + (r.places[k] - r.places[30]) * 60.0 / (88 * 48.0);
    const std::vector<TempoChange> changes = FitTempo(r.places, r.seconds, 0.015);
    ASSERT_GE(changes.size(), 2u);
    EXPECT_LE(changes.size(), 3u);
    EXPECT_EQ(changes.front().tempo, 80);
    EXPECT_EQ(changes.back().tempo, 88);
    const std::vector<double> played = PlayedTimes(r.places, changes);
    for (size_t k = 0; k < played.size(); ++k)
        EXPECT_NEAR(played[k], r.seconds[k] - r.seconds[0], 0.015) << k;
}

TEST(FitTempo, AKnownTempoStartsThePiece) {
    const Timed r = Steady(96, 20);
    EXPECT_EQ(FitTempo(r.places, r.seconds, 0.015, 100).front().tempo, 100);
    EXPECT_EQ(FitTempo({0}, {1.0}, 0.015, 72).front().tempo, 72);
    EXPECT_EQ(FitTempo({}, {}, 0.015).size(), 1u);
}

TEST(SmoothTimes, AnOnsetHeardLateMovesNoOther) {
    Timed r = Steady(90, 30);
    std::vector<double> heard = r.seconds;
    heard[12] += 0.12;  // the end of a glide
    const std::vector<double> smooth = SmoothTimes(r.places, heard);
    for (size_t k = 0; k < smooth.size(); ++k) EXPECT_NEAR(smooth[k], r.seconds[k], 0.01) << k;
}

TEST(SmoothTimes, FollowsADrift) {
    // A drift of 8 % over 30 seconds, as a player's slow wave of tempo.
    std::vector<int> places;
    std::vector<double> seconds;
    testtunes::Playing playing = testtunes::At(80, 0.08);
    const int total = 48 * 40;
    for (int place = 0; place <= total; place += 24) {
        places.push_back(place);
        seconds.push_back(testtunes::TimeOfTick(place, total, playing));
    }
    const std::vector<double> smooth = SmoothTimes(places, seconds);
    for (size_t k = 0; k < smooth.size(); ++k) EXPECT_NEAR(smooth[k], seconds[k], 0.005) << k;
}

TEST(PulseTrack, FollowsTheQuarterOfAMelodyAndMapsBothWays) {
    const auto tune = testtunes::ParseTune(
        "1 2 3/ 4/ 5 | 5 4 3 2 | 1 1/ 2/ 3 3 | 2. 1/ 1- | 1 2 3/ 4/ 5 | 5 4 3 2 | 1- 2-", 60);
    const HeardMelody heard = testtunes::Perform(tune, testtunes::At(100, 0.05));
    const std::vector<double> strength = OnsetStrength(heard.notes, heard.seconds);
    const double period = EstimatePulsePeriod(strength);
    EXPECT_NEAR(period, 0.6, 0.05);
    const PulseTrack track = TrackPulses(heard.notes, strength, period);
    ASSERT_FALSE(track.Empty());
    EXPECT_LE(track.Times().front(), heard.notes.front().onset);
    EXPECT_GE(track.Times().back(), heard.notes.back().offset);
    // Every note falls on a whole or half pulse.
    for (const HeardNote& n : heard.notes) {
        const double halves = 2 * track.PulseAt(n.onset);
        EXPECT_NEAR(halves, std::round(halves), 0.15) << n.onset;
    }
    for (double t : {0.5, 3.3, 9.1}) EXPECT_NEAR(track.TimeAt(track.PulseAt(t)), t, 1e-9);
}

TEST(PulseTrack, AKnownQuarterKeepsItsOctave) {
    const auto tune =
        testtunes::ParseTune("1/ 2/ 3/ 4/ 5/ 6/ 7/ 1'/ | 1'/ 7/ 6/ 5/ 4/ 3/ 2/ 1/", 60);
    const HeardMelody heard = testtunes::Perform(tune, testtunes::At(60));
    const std::vector<double> strength = OnsetStrength(heard.notes, heard.seconds);
    const double free = EstimatePulsePeriod(strength);
    const double known = EstimatePulsePeriod(strength, 1.0);
    EXPECT_NEAR(std::remainder(std::log2(known / 1.0), 1.0), 0, 0.1);
    EXPECT_GT(free, 0);
    EXPECT_EQ(EstimatePulsePeriod({}), 0);
}

TEST(OnsetStrength, IsNormalisedAndPeaksAtOnsets) {
    const HeardMelody heard =
        testtunes::Perform(testtunes::ParseTune("1 2 3 4 | 5-- 0", 60), testtunes::At(120));
    const std::vector<double> s = OnsetStrength(heard.notes, heard.seconds);
    double sum = 0, sq = 0;
    for (double v : s) sum += v, sq += v * v;
    const double n = static_cast<double>(s.size());
    EXPECT_NEAR(std::sqrt(sq / n - (sum / n) * (sum / n)), 1.0, 1e-6);
    const size_t at = static_cast<size_t>(RoundHalfEven(heard.notes[1].onset * 100));
    EXPECT_GT(s[at], s[at + 10]);
    // The long note accents more than the short ones.
    EXPECT_GT(NoteAccent(heard.notes, 4), NoteAccent(heard.notes, 1));
    EXPECT_TRUE(OnsetStrength({}, 0).size() <= 1);
}

}  // namespace
}  // namespace sorvel::listen
