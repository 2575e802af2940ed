// SPDX-License-Identifier: GPL-3.0-or-later
// The play of a piece through the offline synthesizer as a WAV file: the
// header, the exact length, sound where the notes are, and the same bytes
// every time.
#include "playback/offline/wavrenderer.h"

#include <cstring>

#include "offlinefixture.h"
#include "playback/fluidsynthout.h"

namespace sorvel::testing {
namespace {

std::uint32_t Le(const std::string& bytes, std::size_t at, int n) {
    std::uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = (v << 8) | static_cast<std::uint8_t>(bytes[at + i]);
    return v;
}

TEST(WavHeader, FieldsOfASixteenBitStereoFile) {
    const std::string h = WavHeader(44100, 44100, 2);
    ASSERT_EQ(h.size(), 44u);
    EXPECT_EQ(h.substr(0, 4), "RIFF");
    EXPECT_EQ(Le(h, 4, 4), 36u + 44100 * 4);
    EXPECT_EQ(h.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(Le(h, 16, 4), 16u);
    EXPECT_EQ(Le(h, 20, 2), 1u);  // PCM
    EXPECT_EQ(Le(h, 22, 2), 2u);
    EXPECT_EQ(Le(h, 24, 4), 44100u);
    EXPECT_EQ(Le(h, 28, 4), 44100u * 4);
    EXPECT_EQ(Le(h, 32, 2), 4u);
    EXPECT_EQ(Le(h, 34, 2), 16u);
    EXPECT_EQ(h.substr(36, 4), "data");
    EXPECT_EQ(Le(h, 40, 4), 44100u * 4);
    // Sizes beyond 32 bits are cut to whole frames below 4 GiB.
    const std::string huge = WavHeader(std::uint64_t{1} << 32, 44100, 2);
    EXPECT_EQ(Le(huge, 40, 4) % 4, 0u);
    EXPECT_LE(std::uint64_t{Le(huge, 40, 4)} + 36, 0xFFFFFFFFull);
}

class RenderTest : public OfflineTest {
protected:
    void SetUp() override {
        soundFont = DefaultSoundFont();
        if (soundFont.empty()) GTEST_SKIP() << "no General MIDI SoundFont installed";
    }
    std::string Render() {
        std::unique_ptr<WavRenderer> renderer = WavRenderer::Create(soundFont);
        EXPECT_NE(renderer, nullptr);
        if (!renderer) return {};
        result = OfflinePlay(*page, prefs).Run(*renderer);
        renderer->RenderSilence(WavRenderer::kTailMillis);
        return renderer->FileBytes();
    }
    // The loudest sample between two times, in milliseconds.
    static int Peak(const std::string& wav, std::int64_t fromMs, std::int64_t toMs) {
        int peak = 0;
        for (std::int64_t i = 44 + fromMs * 441 / 10 * 4; i + 1 < 44 + toMs * 441 / 10 * 4;
             i += 2) {
            std::int16_t s;
            std::memcpy(&s, wav.data() + i, 2);
            peak = std::max(peak, std::abs(int{s}));
        }
        return peak;
    }
    std::string soundFont;
};

TEST_F(RenderTest, LengthIsThePlayAndTheTailToTheFrame) {
    Score("1234|5");
    const std::string wav = Render();
    ASSERT_TRUE(result.finished);
    const std::uint64_t millis =
        static_cast<std::uint64_t>(result.millis) + WavRenderer::kTailMillis;
    const std::uint64_t frames = millis * 44100 / 1000;
    EXPECT_EQ(wav.size(), 44 + frames * 4);
    EXPECT_EQ(Le(wav, 40, 4), frames * 4);
    EXPECT_EQ(Le(wav, 4, 4), 36 + frames * 4);
    // Five quarters at 120 beats a minute: 2.5 s of play.
    EXPECT_NEAR(static_cast<double>(result.millis), 2500, 30);
    // Sound while the notes play, silence long after the last one ended.
    EXPECT_GT(Peak(wav, 0, 2500), 1000);
    EXPECT_LE(Peak(wav, static_cast<std::int64_t>(millis) - 200, static_cast<std::int64_t>(millis)),
              200);
}

TEST_F(RenderTest, TwoRendersGiveTheSameBytes) {
    std::vector<TNote*> n = Score("[12:3|5671");
    TempoMark(*n[3], 90, 0);
    const std::string first = Render();
    const std::string second = Render();
    EXPECT_EQ(first.size(), second.size());
    EXPECT_TRUE(first == second);
}

}  // namespace
}  // namespace sorvel::testing
