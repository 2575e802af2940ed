// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/fluidsynthrenderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "playback/fluidsynthout.h"
#include "playback/midioutput.h"
#include "playback/rcpdata.h"
#include "playback/sequencer.h"
#include "playback/timesource.h"

namespace sorvel {
namespace {

int Peak(const std::vector<std::int16_t>& samples) {
    int peak = 0;
    for (std::int16_t s : samples) peak = std::max(peak, std::abs(int{s}));
    return peak;
}

// The offline renderer plays a sequence on a virtual clock: one tick call and
// one millisecond of samples at a time, as the WAV export does.
TEST(FluidSynthRenderer, RendersASequenceOnAVirtualClock) {
    const std::string soundFont = DefaultSoundFont();
    if (soundFont.empty()) GTEST_SKIP() << "no General MIDI SoundFont installed";
    std::unique_ptr<FluidSynthRenderer> owned = FluidSynthRenderer::Create(soundFont, 44100);
    ASSERT_NE(owned, nullptr);
    FluidSynthRenderer& renderer = *owned;

    std::vector<std::int16_t> silence(2 * 4410);
    renderer.Render(silence.data(), 4410);
    EXPECT_LE(Peak(silence), 2);  // dither only

    VirtualTimeSource clock;
    MidiOutput output([] { return std::vector<MidiOutEntry>{}; });
    output.OpenDevice(std::move(owned));
    const std::uint8_t gmOn[] = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
    output.SendLongMessage(gmOn, sizeof gmOn);
    output.SendShortMessage(0, 0xC0, 71, 0);  // clarinet, as the melody default
    TRcpData rcp;
    rcp.SetStartupValues();
    TMidiEvent note;
    note.type = 69;
    note.step = 48;
    note.gate = 38;
    note.velocity = 100;
    rcp.Track(1).events.Clear();
    rcp.Track(1).events.Add(note);
    rcp.Track(1).events.Add(MakeEndOfTrackEvent());
    TPlayData play(rcp, output);
    Sequencer sequencer(play, clock);
    sequencer.StartPlay({});

    std::vector<std::int16_t> samples;
    std::vector<std::int16_t> block(2 * 45);
    long frameDebt = 0;
    while (sequencer.IsPlaying()) {
        clock.AdvanceMillis(1);
        sequencer.SequencerTick();
        frameDebt += 44100;
        const int frames = static_cast<int>(frameDebt / 1000);
        frameDebt %= 1000;
        renderer.Render(block.data(), frames);
        samples.insert(samples.end(), block.begin(), block.begin() + 2 * frames);
    }
    // 48 ticks at 120 beats per minute: half a second of sound, then silence.
    EXPECT_NEAR(static_cast<double>(samples.size()) / 2 / 44100, 0.5, 0.02);
    EXPECT_GT(Peak(samples), 500);
}

}  // namespace
}  // namespace sorvel
