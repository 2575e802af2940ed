// SPDX-License-Identifier: GPL-3.0-or-later
// A take recorded in the editor, heard from its plain samples: the same notes
// and the same verdicts on silent, quiet and short takes as a file of it, and
// a cancel that stops the hearing.
#include "listen/hearsamples.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "audiotones.h"
#include "listen/hearfile.h"

namespace sorvel::listen {
namespace {

namespace fs = std::filesystem;
using testing::Melody;
using testing::Render;
using testing::WriteWav;

std::string ErrorOf(const std::vector<float>& samples, int rate) {
    UserText error;
    const HeardMelody melody = HearSamples(samples.data(), samples.size(), rate, {}, &error);
    EXPECT_EQ(melody.notes.empty(), !error.empty());
    return error.Japanese();
}

TEST(HearSamplesTest, ATakeIsHeardAsAFileOfItIs) {
    const testing::ToneTake take = Melody(8, 0.4, 62);
    const std::vector<float> samples = Render(take);
    UserText error;
    const HeardMelody heard = HearSamples(samples.data(), samples.size(), take.rate, {}, &error);
    ASSERT_TRUE(error.empty()) << error.Japanese();

    const fs::path file =
        fs::temp_directory_path() / ("sorvel-take-" + std::to_string(getpid()) + ".wav");
    ASSERT_TRUE(WriteWav(file.string(), samples, take.rate, 1, true));
    const HeardMelody fromFile = HearFile(file.string(), {}, &error);
    fs::remove(file);
    ASSERT_EQ(heard.notes.size(), fromFile.notes.size());
    EXPECT_EQ(heard.notes.size(), 8u);
    for (size_t i = 0; i < heard.notes.size(); ++i) {
        EXPECT_EQ(heard.notes[i].midi, fromFile.notes[i].midi);
        EXPECT_NEAR(heard.notes[i].onset, fromFile.notes[i].onset, 1e-6);
    }
    EXPECT_DOUBLE_EQ(heard.peakDb, fromFile.peakDb);
}

TEST(HearSamplesTest, TakesWithoutMusicAreRefusedWithTheirReason) {
    EXPECT_EQ(ErrorOf({}, 48000), "録音に音声が入っていません。");
    EXPECT_EQ(ErrorOf(std::vector<float>(48000 * 2, 0.0f), 48000), "録音は無音です。");
    std::vector<float> quiet = Render(Melody(4, 0.4, 67));
    for (float& v : quiet) v *= 1e-3f;
    EXPECT_NE(ErrorOf(quiet, 44100).find("小さすぎます"), std::string::npos);
    EXPECT_NE(ErrorOf(std::vector<float>(100, 0.3f), 48000).find("短すぎます"), std::string::npos);
    // A device that announced no rate hands nothing usable.
    EXPECT_EQ(ErrorOf(std::vector<float>(1000, 0.3f), 0), "録音に音声が入っていません。");
}

TEST(HearSamplesTest, CancelStopsTheHearing) {
    const testing::ToneTake take = Melody(8, 0.4, 62);
    const std::vector<float> samples = Render(take);
    int reports = 0;
    const ListenProgress cancel{[&reports](double) { return ++reports < 2; }};
    UserText error;
    const HeardMelody heard =
        HearSamples(samples.data(), samples.size(), take.rate, cancel, &error);
    EXPECT_TRUE(heard.notes.empty());
    EXPECT_EQ(error.Japanese(), HearingCancelled().Japanese());
    EXPECT_EQ(reports, 2);
}

}  // namespace
}  // namespace sorvel::listen
