// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/bowchanges.h"

#include <gtest/gtest.h>

#include <cmath>

#include "audiotones.h"

namespace sorvel::listen {
namespace {

using testing::HearTake;
using testing::ToneNote;
using testing::ToneTake;

// A slow-speaking bowed note: its level takes `attack` seconds to rise.
ToneNote Bowed(double onset, double seconds, double midi, double attack) {
    ToneNote n{onset, seconds, midi, 25, 5.5};
    n.attack = attack;
    n.release = 0.06;
    return n;
}

ToneTake Take(std::vector<ToneNote> notes, double hissDb = -120, double roomSeconds = 0) {
    ToneTake take;
    take.notes = std::move(notes);
    take.hissDb = hissDb;
    take.roomSeconds = roomSeconds;
    take.seconds = take.notes.back().onset + take.notes.back().seconds + 0.5;
    return take;
}

// The same pitch bowed three times with short breaks is three notes starting
// near their strokes, however slowly each stroke speaks: the flux of such an
// attack is weak, the dip in level is not.
TEST(BowChangesTest, RepeatedSlowStrokesAreSeparateNotes) {
    for (const double attack : {0.04, 0.12, 0.2}) {
        SCOPED_TRACE(attack);
        const HeardMelody m =
            HearTake(Take({Bowed(0.3, 0.45, 72, attack), Bowed(0.85, 0.45, 72, attack),
                           Bowed(1.4, 0.6, 72, attack), Bowed(2.1, 0.5, 67, attack)},
                          -60));
        ASSERT_EQ(m.notes.size(), 4u);
        const double onsets[] = {0.3, 0.85, 1.4, 2.1};
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(m.notes[i].midi, i < 3 ? 72 : 67) << i;
            EXPECT_NEAR(m.notes[i].onset, onsets[i], 0.04) << i;
        }
    }
}

// A long note whose level swells and ebbs with its vibrato by 7 dB stays one
// note; a bow change within such a note still splits it.
TEST(BowChangesTest, TremoloIsNoBowChange) {
    ToneNote held = Bowed(0.3, 1.8, 69, 0.08);
    held.vibratoCents = 40;
    held.vibratoHz = 5;
    held.tremoloDb = 3.5;
    HeardMelody m = HearTake(Take({held}, -60));
    ASSERT_EQ(m.notes.size(), 1u);
    EXPECT_EQ(m.notes[0].midi, 69);

    ToneNote second = held;
    second.onset = 2.18;
    m = HearTake(Take({held, second}, -60));
    ASSERT_EQ(m.notes.size(), 2u);
    EXPECT_NEAR(m.notes[1].onset, 2.18, 0.04);
}

PitchTrack Levels(const std::vector<float>& levels) {
    PitchTrack track;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        PitchFrame f;
        f.time = static_cast<double>(i) * kHopSeconds;
        f.levelDb = levels[i];
        f.voiced = true;
        track.push_back(f);
    }
    return track;
}

// Dips of `depth` dB, each `width` frames, centred on `centres`.
std::vector<float> Dipped(int frames, std::vector<std::pair<int, float>> dips, int width = 16) {
    std::vector<float> levels(static_cast<std::size_t>(frames), -20.0f);
    for (const auto& [centre, depth] : dips)
        for (int k = -width / 2; k <= width / 2; ++k)
            if (centre + k >= 0 && centre + k < frames)
                levels[static_cast<std::size_t>(centre + k)] =
                    -20.0f - depth * (1.0f - static_cast<float>(std::abs(k)) / (width / 2 + 1));
    return levels;
}

// Two bow changes in one held pitch do not hide each other; a dip barely
// deeper than the note's regular swell is no bow change.
TEST(BowChangesTest, DipsMustStandOutFromTheSwell) {
    std::vector<NoteSpan> spans = {{0, 399, 69, 0}};
    SplitAtBowChanges(Levels(Dipped(400, {{130, 14}, {270, 13}})), FrameSpectra(), spans);
    ASSERT_EQ(spans.size(), 3u);
    EXPECT_NEAR(spans[1].first, 130, 2);
    EXPECT_NEAR(spans[2].first, 270, 2);
    EXPECT_TRUE(spans[1].bowChange && spans[2].bowChange);
    EXPECT_EQ(spans[0].last + 1, spans[1].first);

    std::vector<std::pair<int, float>> swell;
    for (int c = 40; c < 370; c += 32) swell.push_back({c, c == 200 ? 10.0f : 8.0f});
    spans = {{0, 399, 69, 0}};
    SplitAtBowChanges(Levels(Dipped(400, swell)), FrameSpectra(), spans);
    EXPECT_EQ(spans.size(), 1u);

    // Near the ends of a span a dip is the note's own start or end.
    spans = {{0, 399, 69, 0}};
    SplitAtBowChanges(Levels(Dipped(400, {{5, 20}, {394, 20}})), FrameSpectra(), spans);
    EXPECT_EQ(spans.size(), 1u);
}

// A new stroke often speaks in two steps: its valley, a shelf still well
// below the note's level, then the full level. A ripple on that shelf lies
// deep below the notes on either side but only shallowly below its own
// surroundings: one bow change, not two.
TEST(BowChangesTest, RippleAfterABowChangeIsNoSecondOne) {
    std::vector<float> levels = Dipped(400, {{130, 14}});
    for (int t = 139; t <= 175; ++t) levels[static_cast<std::size_t>(t)] = -28.0f;
    for (int t = 152; t <= 160; ++t)
        levels[static_cast<std::size_t>(t)] = -28.0f - 2.0f * (1.0f - std::abs(t - 156) / 5.0f);
    std::vector<NoteSpan> spans = {{0, 399, 69, 0}};
    SplitAtBowChanges(Levels(levels), FrameSpectra(), spans);
    ASSERT_EQ(spans.size(), 2u);
    EXPECT_NEAR(spans[1].first, 130, 2);
}

// The release of a stroke and the start of the next can each leave a
// valley; two valleys closer than any stroke are one bow change, where the
// level is lowest.
TEST(BowChangesTest, TwoValleysWithinAStrokeAreOneChange) {
    std::vector<NoteSpan> spans = {{0, 399, 69, 0}};
    SplitAtBowChanges(Levels(Dipped(400, {{130, 12}, {146, 16}}, 8)), FrameSpectra(), spans);
    ASSERT_EQ(spans.size(), 2u);
    EXPECT_NEAR(spans[1].first, 146, 2);
    // Strokes of their own length stay apart.
    spans = {{0, 399, 69, 0}};
    SplitAtBowChanges(Levels(Dipped(400, {{130, 12}, {180, 16}}, 8)), FrameSpectra(), spans);
    EXPECT_EQ(spans.size(), 3u);
}

// Spectra whose bins below 2.5 kHz stand at -30 dB and whose bins from
// 2.5 kHz up follow `bright` (dB), one frame per value.
FrameSpectra Spectra(const std::vector<float>& bright) {
    FrameSpectra spectra;
    std::vector<float> amplitudes(kSpectrumBins);
    for (const float db : bright) {
        for (int k = 0; k < kSpectrumBins; ++k) {
            const double hz = static_cast<double>(k) * kAnalysisRate / kFrameSize;
            amplitudes[static_cast<std::size_t>(k)] =
                static_cast<float>(std::pow(10.0, (hz < 2500 ? -30.0 : db) / 20.0));
        }
        spectra.Append(amplitudes.data());
    }
    return spectra;
}

// A room's echo fills the gap between two strokes with the low partials, so
// that the level dips too little to show the bow change; the high partials
// die away sooner and dip with it. A dip of the bright band alone, or one
// apart from the level's dip, or a swell of both as regular as vibrato's,
// is no bow change.
TEST(BowChangesTest, BrightBandShowsABowChangeTheEchoHides) {
    const PitchTrack shallow = Levels(Dipped(400, {{200, 5}}));
    std::vector<NoteSpan> spans = {{0, 399, 69, 0}};
    SplitAtBowChanges(shallow, Spectra(Dipped(400, {{200, 10}})), spans);
    ASSERT_EQ(spans.size(), 2u);
    EXPECT_NEAR(spans[1].first, 200, 2);
    EXPECT_TRUE(spans[1].bowChange);

    spans = {{0, 399, 69, 0}};
    SplitAtBowChanges(shallow, Spectra(Dipped(400, {{110, 10}})), spans);
    EXPECT_EQ(spans.size(), 1u);
    spans = {{0, 399, 69, 0}};
    SplitAtBowChanges(Levels(Dipped(400, {})), Spectra(Dipped(400, {{200, 10}})), spans);
    EXPECT_EQ(spans.size(), 1u);

    std::vector<std::pair<int, float>> level, bright;
    for (int c = 40; c < 370; c += 32) {
        level.push_back({c, 5.0f});
        bright.push_back({c, c == 200 ? 9.0f : 8.0f});
    }
    spans = {{0, 399, 69, 0}};
    SplitAtBowChanges(Levels(Dipped(400, level)), Spectra(Dipped(400, bright)), spans);
    EXPECT_EQ(spans.size(), 1u);
}

}  // namespace
}  // namespace sorvel::listen
