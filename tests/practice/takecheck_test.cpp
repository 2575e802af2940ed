// SPDX-License-Identifier: GPL-3.0-or-later
// The check of a synthetic take: cents over the steady part with vibrato
// averaged, against the reference pitch; missed notes; timing against the
// player's own beat; the worst list and the report.
#include <gtest/gtest.h>

#include <cmath>

#include "practice/beattiming.h"
#include "practice/takecheck.h"
#include "takefixture.h"

namespace sorvel::testing {
namespace {

using practice::NoteStatus;

TEST(MeasureNoteCents, VibratoAttackAndReleaseDoNotMoveTheReading) {
    // +20 cents with a 40-cent vibrato, a glide up from a semitone below and
    // the next note's pitch in its last frames.
    listen::PitchTrack frames;
    for (int i = 0; i < 140; ++i) {
        listen::PitchFrame f;
        f.time = i * listen::kHopSeconds;
        f.voiced = true;
        double cents = 20 + 40 * std::sin(2 * std::numbers::pi * 5.5 * f.time);
        if (i < 8) cents = -100 + i * 15;
        if (i > 134) cents = 200;
        f.hz = static_cast<float>(listen::HzOfMidi(69 + cents / 100));
        frames.push_back(f);
    }
    const std::optional<double> cents = practice::MeasureNoteCents(frames, 69, 440);
    ASSERT_TRUE(cents);
    EXPECT_NEAR(*cents, 20, 1.5);
    // Against A4 = 442 the same sound is 7.85 cents lower.
    EXPECT_NEAR(*practice::MeasureNoteCents(frames, 69, 442), 20 - 7.85, 1.5);
}

TEST(MeasureNoteCents, ShortNotesAreReadFromTheirMiddle) {
    // A sixteenth note of 0.12 s at -30 cents between glides: its middle
    // is still long enough to read.
    listen::PitchTrack frames;
    const int count = static_cast<int>(0.12 / listen::kHopSeconds);
    for (int i = 0; i < count; ++i) {
        listen::PitchFrame f;
        f.time = 3 + i * listen::kHopSeconds;
        f.voiced = true;
        const double cents = i < 3 ? -130 + i * 30 : (i >= count - 3 ? 150 : -30);
        f.hz = static_cast<float>(listen::HzOfMidi(72 + cents / 100));
        frames.push_back(f);
    }
    const std::optional<double> cents = practice::MeasureNoteCents(frames, 72, 440);
    ASSERT_TRUE(cents);
    EXPECT_NEAR(*cents, -30, 1.0);
}

TEST(MeasureNoteCents, ThePreviousNoteLingeringInTheTrackIsLeftOut) {
    // A legato note of 0.2 s at +10 cents after one a minor third below: the
    // pitch track still hears the last one 70 ms into it, and the next note
    // (a tone above) sounds in its last 20 ms.
    listen::PitchTrack frames;
    const int count = static_cast<int>(0.2 / listen::kHopSeconds);
    for (int i = 0; i < count; ++i) {
        listen::PitchFrame f;
        f.time = 10 + i * listen::kHopSeconds;
        f.voiced = true;
        const double cents = f.time < 10.07 ? -280 : (f.time > 10.18 ? 200 : 10);
        f.hz = static_cast<float>(listen::HzOfMidi(74 + cents / 100));
        frames.push_back(f);
    }
    const std::optional<double> cents = practice::MeasureNoteCents(frames, 74, 440);
    ASSERT_TRUE(cents);
    EXPECT_NEAR(*cents, 10, 1.0);
}

TEST(MeasureNoteCents, NoReadingWithoutVoicedFrames) {
    listen::PitchTrack frames(60);
    for (std::size_t i = 0; i < frames.size(); ++i) frames[i].time = i * listen::kHopSeconds;
    EXPECT_FALSE(practice::MeasureNoteCents(frames, 69, 440));
    EXPECT_FALSE(practice::MeasureNoteCents({}, 69, 440));
}

// A tune played 30 % slow with notes out of tune, the wrong note, bar 2 left out.
struct Performance {
    std::vector<int> written = {62, 64, 66, 67, 69, 67, 66, 64, 62, 66, 69, 74, 71, 69, 67, 66};
    std::vector<double> cents = std::vector<double>(16, 0.0);
    std::vector<bool> skipped = std::vector<bool>(16, false);
    std::vector<Played> played;

    Performance() {
        cents[1] = 35, cents[9] = -25, cents[13] = 15, cents[14] = -200;  // 14: a whole tone down
        for (int i = 4; i < 8; ++i) skipped[i] = true;
        for (std::size_t i = 0; i < written.size(); ++i)
            if (!skipped[i]) played.push_back({written[i] + cents[i] / 100, 0.6, 35, 0.05});
    }
};

TEST(CheckTake, ReportsCentsMissedNotesAndTheWorst) {
    const Performance p;
    const practice::TakeCheck check =
        practice::CheckTake(Written(p.written), TakeOf(p.played), 440);
    ASSERT_EQ(check.notes.size(), 16u);
    EXPECT_EQ(check.matched, 12);
    for (std::size_t i = 0; i < 16; ++i) {
        const practice::CheckedNote& note = check.notes[i];
        if (p.skipped[i]) {
            EXPECT_EQ(note.status, NoteStatus::kMissed) << i;
            continue;
        }
        ASSERT_EQ(note.status, NoteStatus::kOk) << i;
        EXPECT_NEAR(note.cents, p.cents[i], 2.0) << i;
        EXPECT_NEAR(note.timingMs, 0, 10) << i;
    }
    EXPECT_EQ(practice::WorstNotes(check, 3), (std::vector<int>{14, 1, 9}));
    EXPECT_EQ(practice::WorstNotes(check, 100).size(), 12u);
}

TEST(CheckTake, TimingIsMeasuredAgainstThePlayersOwnBeat) {
    Performance p;
    p.played[5].seconds += 0.08;  // note 10 comes 80 ms late, the rest keeps time
    p.played[6].seconds -= 0.08;
    const practice::TakeCheck check =
        practice::CheckTake(Written(p.written), TakeOf(p.played), 440);
    EXPECT_NEAR(check.notes[10].timingMs, 80, 20);
    EXPECT_NEAR(check.notes[12].timingMs, 0, 20);
}

TEST(CheckTake, ATakePlayingOnPastThePageIsCheckedAtItsOwnTempo) {
    // The page's 16 notes at the written tempo, then the next page played on
    // (a long rest in it, the page's last pitch again at its end): the take
    // lasts three times as long as the page would at its tempo.
    const Performance p;
    std::vector<Played> played;
    for (int m : p.written) played.push_back({static_cast<double>(m), 0.48, 0, 0.02});
    played.back().seconds = 0.9;
    for (int m : {64, 66, 67, 69, 71, 73, 76, 74}) played.push_back({m + 0.0, 0.48, 0, 0.02});
    played.back().gapAfter = 12;
    for (int m : {71, 69, 67, 66}) played.push_back({m + 0.0, 0.3, 0, 0.02});
    const practice::HeardTake take = TakeOf(played);
    const practice::TakeCheck check = practice::CheckTake(Written(p.written), take, 440);
    EXPECT_EQ(check.matched, 16);
    for (std::size_t i = 0; i < check.notes.size(); ++i) {
        EXPECT_NEAR(check.notes[i].playedOnset, take.melody.notes[i].onset, 0.01) << i;
        EXPECT_NEAR(check.notes[i].timingMs, 0, 30) << i;
    }
}

TEST(BeatTiming, ANoteMatchedFarAwayDoesNotMoveItsNeighboursBeat) {
    // Eight notes a beat apart at 0.6 s a beat; the last was matched with a
    // sound half a minute later. Its neighbours keep their own beat.
    std::vector<practice::CheckedNote> notes(8);
    for (std::size_t i = 0; i < notes.size(); ++i) {
        notes[i].written.beat = static_cast<double>(i);
        notes[i].status = NoteStatus::kOk;
        notes[i].playedOnset = 1 + 0.6 * static_cast<double>(i) + (i % 2 ? 0.01 : -0.01);
    }
    notes.back().playedOnset = 35;
    practice::SetBeatTiming(notes);
    for (std::size_t i = 0; i + 1 < notes.size(); ++i)
        EXPECT_NEAR(notes[i].timingMs, i % 2 ? 10 : -10, 15) << i;
    EXPECT_GT(notes.back().timingMs, 25'000);
}

TEST(CheckTake, TheReferencePitchCounts) {
    std::vector<Played> played;
    for (int m : {62, 64, 66}) played.push_back({m + 0.0785, 0.6, 0, 0.05});  // A4 = 442
    const practice::TakeCheck check =
        practice::CheckTake(Written({62, 64, 66}), TakeOf(played), 442);
    for (const practice::CheckedNote& note : check.notes) EXPECT_NEAR(note.cents, 0, 1.0);
}

TEST(CheckTake, AQuickNoteHeardAsPartOfItsNeighbourIsFoundInThePitchTrack) {
    // 79 76 74 with a 77 between 79 and 76 that the ear took for the start
    // of the 76: found in the frames at its own +30 cents, the 76 still
    // read in tune. A 77 whose pitch never sounds stays missed.
    const std::vector<int> written = {72, 79, 77, 76, 74};
    const std::vector<Played> played = {
        {72, 0.5}, {79, 0.45, 30}, {77.3, 0.12}, {76, 0.4, 30}, {74, 0.5}};
    practice::HeardTake take = TakeOf(played);
    take.melody.notes[3].onset = take.melody.notes[2].onset;
    take.melody.notes.erase(take.melody.notes.begin() + 2);
    const practice::TakeCheck check = practice::CheckTake(Written(written), take, 440);
    ASSERT_EQ(check.notes[2].status, NoteStatus::kOk);
    EXPECT_NEAR(check.notes[2].cents, 30, 5);
    EXPECT_NEAR(check.notes[3].cents, 0, 3);
    EXPECT_NEAR(check.notes[2].playedOnset, take.melody.notes[2].onset, 0.02);

    std::vector<Played> without = played;
    without[2].pitch = 76;
    practice::HeardTake plain = TakeOf(without);
    plain.melody.notes[3].onset = plain.melody.notes[2].onset;
    plain.melody.notes.erase(plain.melody.notes.begin() + 2);
    const practice::TakeCheck missed = practice::CheckTake(Written(written), plain, 440);
    EXPECT_EQ(missed.notes[2].status, NoteStatus::kMissed);
    EXPECT_EQ(missed.matched, 4);
}

TEST(CheckTake, AShortNoteIsNotReadAtTheNoteBeforeStillRinging) {
    // A sixteenth at +20 cents whose heard onset came early: most of its
    // span still holds the dotted note before, a whole tone up. The ear's
    // own pitch of the note decides which frames are its.
    const std::vector<Played> played = {{71, 0.5}, {68, 0.4}, {66.2, 0.16}, {68, 0.5}};
    practice::HeardTake take = TakeOf(played);
    take.melody.notes[2].onset -= 0.22;
    take.melody.notes[1].offset -= 0.22;
    const practice::TakeCheck check = practice::CheckTake(Written({71, 68, 66, 68}), take, 440);
    ASSERT_EQ(check.notes[2].status, NoteStatus::kOk);
    EXPECT_NEAR(check.notes[2].cents, 20, 5);
    EXPECT_NEAR(check.notes[1].cents, 0, 3);
}

TEST(ReportCsv, OneLinePerWrittenNoteMissedLeftEmpty) {
    const Performance p;
    practice::TakeCheck check = practice::CheckTake(Written(p.written), TakeOf(p.played), 440);
    check.notes[0].written.page = 2;
    check.notes[0].written.bar = 3;
    check.notes[0].cents = -0.04;
    check.notes[0].timingMs = 12.345;
    const std::string csv = practice::ReportCsv(check);
    EXPECT_EQ(csv.substr(0, csv.find('\n')), "note,page,bar,written,cents,timing_ms,status");
    EXPECT_NE(csv.find("\n1,2,3,62,0.0,12.3,ok\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find("\n5,0,0,69,,,missed\n"), std::string::npos) << csv;
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 17);
}

}  // namespace
}  // namespace sorvel::testing
