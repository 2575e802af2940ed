// SPDX-License-Identifier: GPL-3.0-or-later
// Checking the player live: notes judged as soon as their sound is in, at
// the pitch played, on the play's clock; silence is a missed note.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "listen/pitchunits.h"
#include "practice/playalong.h"

namespace sorvel::testing {
namespace {

using practice::NoteStatus;
using practice::PlayAlongCheck;
using practice::WrittenNote;

constexpr int kRate = 48000;
constexpr std::int64_t kChunkMicros = 10'000;
constexpr std::int64_t kStart = 5'000'000;  // the clock when the input's first sample was heard

struct Played {
    std::int64_t from, to;  // clock microseconds
    double hz;              // 0: silence
};

// Feeds the input in 10 ms blocks from the clock's kStart, the sound given by
// `played`; announces `notes` at their onsets and records when each was judged.
struct Session {
    PlayAlongCheck check{kRate, 440};
    std::vector<std::pair<WrittenNote, std::pair<std::int64_t, std::int64_t>>> notes;
    std::vector<Played> played;
    std::vector<std::int64_t> judgedAt;
    double phase = 0;

    void Run(std::int64_t until) {
        check.SetStreamStart(kStart);
        std::size_t next = 0;
        std::vector<float> block(kRate * kChunkMicros / 1'000'000);
        for (std::int64_t t = kStart; t < until; t += kChunkMicros) {
            for (std::size_t i = 0; i < block.size(); ++i) {
                const std::int64_t at = t + static_cast<std::int64_t>(i) * 1'000'000 / kRate;
                double hz = 0;
                for (const Played& p : played)
                    if (at >= p.from && at < p.to) hz = p.hz;
                phase += 2 * std::numbers::pi * hz / kRate;
                block[i] = hz > 0 ? static_cast<float>(0.4 * std::sin(phase)) : 0.0f;
            }
            check.Push(block.data(), block.size());
            const std::int64_t now = t + kChunkMicros;
            while (next < notes.size() && notes[next].second.first <= now) {
                check.NoteBegun(notes[next].first, notes[next].second.first,
                                notes[next].second.second);
                ++next;
            }
            const std::size_t before = check.Check().notes.size();
            check.Update(now);
            for (std::size_t i = before; i < check.Check().notes.size(); ++i)
                judgedAt.push_back(now);
        }
        check.Finish(until);
    }
    void Note(int midi, std::int64_t onset, std::int64_t length) {
        WrittenNote w;
        w.midi = midi;
        notes.push_back({w, {onset, length}});
    }
};

double HzOf(int midi, double cents) {
    return listen::HzOfMidi(midi + cents / 100);
}

TEST(PlayAlongCheck, NotesAreJudgedAtThePitchPlayedSoonAfterTheirEnd) {
    Session s;
    // Three half-second notes from 1 s into the input: in tune, 30 cents
    // sharp, 15 cents flat.
    const std::int64_t t0 = kStart + 1'000'000;
    const std::int64_t len = 500'000;
    s.Note(69, t0, len);
    s.Note(71, t0 + len, len);
    s.Note(74, t0 + 2 * len, len);
    s.played = {{t0, t0 + len, HzOf(69, 0)},
                {t0 + len, t0 + 2 * len, HzOf(71, 30)},
                {t0 + 2 * len, t0 + 3 * len, HzOf(74, -15)}};
    s.Run(t0 + 4 * len);
    const auto& notes = s.check.Check().notes;
    ASSERT_EQ(notes.size(), 3u);
    const double expected[] = {0, 30, -15};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(notes[i].status, NoteStatus::kOk) << i;
        EXPECT_NEAR(notes[i].cents, expected[i], 3) << i;
        EXPECT_EQ(notes[i].written.number, static_cast<int>(i) + 1);
        // Judged within 100 ms of the note's end: the input's own latency
        // and the window's refresh still fit in 150 ms.
        const std::int64_t end = t0 + static_cast<std::int64_t>(i + 1) * len;
        ASSERT_LT(i, s.judgedAt.size());
        EXPECT_GE(s.judgedAt[i], end) << i;
        EXPECT_LE(s.judgedAt[i] - end, 100'000) << i;
    }
    EXPECT_EQ(s.check.Check().matched, 3);
}

TEST(PlayAlongCheck, SilenceIsMissedAndTheNextNoteCutsTheLastShort) {
    Session s;
    const std::int64_t t0 = kStart + 500'000;
    // The first note is announced as long as two, but the second begins
    // half way: the second's sound (a tone 40 cents flat) is not the first's.
    s.Note(62, t0, 800'000);
    s.Note(67, t0 + 400'000, 400'000);
    s.Note(69, t0 + 800'000, 400'000);  // not played at all
    s.played = {{t0, t0 + 400'000, HzOf(62, 10)}, {t0 + 400'000, t0 + 800'000, HzOf(67, -40)}};
    s.Run(t0 + 1'600'000);
    const auto& notes = s.check.Check().notes;
    ASSERT_EQ(notes.size(), 3u);
    EXPECT_EQ(notes[0].status, NoteStatus::kOk);
    EXPECT_NEAR(notes[0].cents, 10, 3);
    EXPECT_NEAR(notes[1].cents, -40, 3);
    EXPECT_EQ(notes[2].status, NoteStatus::kMissed);
    EXPECT_EQ(s.check.Check().matched, 2);
}

TEST(PlayAlongCheck, AStalledInputStillJudgesTheNoteAndFinishJudgesTheRest) {
    PlayAlongCheck check(kRate, 440);
    check.SetStreamStart(0);
    WrittenNote w;
    w.midi = 69;
    check.NoteBegun(w, 100'000, 200'000);
    check.NoteBegun(w, 300'000, 200'000);
    // No sample ever arrives: nothing before the give-up time, then missed.
    EXPECT_FALSE(check.Update(300'000));
    EXPECT_TRUE(check.Update(300'000 + PlayAlongCheck::kGiveUpMicros));
    EXPECT_EQ(check.Check().notes.size(), 1u);
    EXPECT_EQ(check.Check().notes[0].status, NoteStatus::kMissed);
    check.Finish(350'000);
    EXPECT_EQ(check.Check().notes.size(), 2u);
    EXPECT_EQ(check.Pending(), 0u);
}

}  // namespace
}  // namespace sorvel::testing
