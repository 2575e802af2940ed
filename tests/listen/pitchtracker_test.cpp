// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/pitchtracker.h"

#include <gtest/gtest.h>

#include <cmath>

#include "audiotones.h"
#include "listen/audiolistener.h"
#include "listen/pitchunits.h"

namespace sorvel::listen {
namespace {

using testing::Melody;
using testing::Render;
using testing::ToneNote;
using testing::ToneTake;

PitchTrack Track(const ToneTake& take, int lag = kFileLagFrames) {
    const std::vector<float> samples = Render(take);
    AudioListener listener(take.rate, lag);
    for (std::size_t i = 0; i < samples.size(); i += 4096)
        listener.Push(samples.data() + i, std::min<std::size_t>(4096, samples.size() - i));
    listener.Finish();
    return listener.Frames();
}

// Frames well inside each note must be voiced at the note's pitch; frames of
// the silence around must not be voiced.
TEST(PitchTrackerTest, FollowsTheErhuRangeWithoutOctaveJumps) {
    ToneTake take;
    const double pitches[] = {62, 64, 69, 74, 79, 86, 91, 93, 74, 62};  // D4 … A6 and back
    for (int i = 0; i < 10; ++i) take.notes.push_back({0.2 + 0.45 * i, 0.35, pitches[i]});
    take.seconds = 5.0;
    take.hissDb = -50;
    const PitchTrack frames = Track(take);
    ASSERT_GT(frames.size(), 800u);
    int checked = 0, wrong = 0, voicedSilence = 0;
    for (const PitchFrame& f : frames) {
        for (const ToneNote& n : take.notes) {
            if (f.time > n.onset + 0.06 && f.time < n.onset + n.seconds - 0.04) {
                ++checked;
                if (!f.voiced || std::abs(MidiOfHz(f.hz) - n.midi) > 0.3) ++wrong;
            }
        }
        if (f.time > 4.8 && f.voiced) ++voicedSilence;
    }
    EXPECT_GT(checked, 400);
    EXPECT_LE(wrong, checked / 50);
    EXPECT_EQ(voicedSilence, 0);
}

TEST(PitchTrackerTest, LiveFramesComeOutSoon) {
    ToneTake take = Melody(3, 0.3, 69);
    const std::vector<float> samples = Render(take);
    AudioListener listener(take.rate, kLiveLagFrames);
    const std::size_t half = samples.size() / 2;
    listener.Push(samples.data(), half);
    const double heard = static_cast<double>(half) / take.rate;
    ASSERT_FALSE(listener.Frames().empty());
    // Lag, half a frame and the resampler's reach: well under 0.15 s.
    EXPECT_GT(listener.Frames().back().time, heard - 0.1);
}

}  // namespace
}  // namespace sorvel::listen
