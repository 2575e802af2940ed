// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/audiofile.h"

#include <gtest/gtest.h>
#include <sndfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>

#include "audiotones.h"
#include "listen/hearfile.h"

namespace sorvel::listen {
namespace {

namespace fs = std::filesystem;
using testing::Melody;
using testing::Render;
using testing::WriteWav;

class AudioFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("sorvel-listen-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    // Hears `path`; returns the error's Japanese text ("" on success).
    std::string ErrorOf(const std::string& path, HeardMelody* melody = nullptr) {
        UserText error;
        HeardMelody m = HearFile(path, {}, &error);
        if (melody) *melody = m;
        if (error.empty())
            EXPECT_FALSE(m.notes.empty());
        else
            EXPECT_TRUE(m.notes.empty());
        return error.Japanese();
    }

    fs::path dir_;
};

std::vector<int> Pitches(const HeardMelody& m) {
    std::vector<int> p;
    for (const HeardNote& n : m.notes) p.push_back(n.midi);
    return p;
}

std::vector<int> Pitches(const testing::ToneTake& take) {
    std::vector<int> p;
    for (const testing::ToneNote& n : take.notes) p.push_back(static_cast<int>(n.midi));
    return p;
}

bool WriteAs(const std::string& path, const std::vector<float>& samples, int rate, int format) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = 1;
    info.format = format;
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!f) return false;
    sf_writef_float(f, samples.data(), static_cast<sf_count_t>(samples.size()));
    sf_close(f);
    return true;
}

// Every container libsondfile reads here gives the same notes: WAV, FLAC,
// OGG Vorbis and MP3 (Debian's libsndfile 1.2 reads MP3 through mpg123).
TEST_F(AudioFileTest, ReadsEveryFormatToTheSameNotes) {
    const testing::ToneTake take = Melody(6, 0.35, 67);
    const std::vector<float> samples = Render(take);
    const std::pair<const char*, int> formats[] = {
        {"a.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_24},
        {"a.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16},
        {"a.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS},
        {"a.mp3", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III},
    };
    for (const auto& [name, format] : formats) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(WriteAs(Path(name), samples, take.rate, format));
        HeardMelody m;
        EXPECT_EQ(ErrorOf(Path(name), &m), "");
        EXPECT_EQ(Pitches(m), Pitches(take));
        EXPECT_NEAR(m.seconds, static_cast<double>(samples.size()) / take.rate, 0.1);
    }
}

// Stereo is mixed down; 8 kHz and 96 kHz are resampled to the same notes.
TEST_F(AudioFileTest, AnyRateAndStereo) {
    for (const int rate : {8000, 96000, 44100}) {
        SCOPED_TRACE(rate);
        testing::ToneTake take = Melody(5, 0.3, 64);
        take.rate = rate;
        ASSERT_TRUE(WriteWav(Path("r.wav"), Render(take), rate, rate == 44100 ? 2 : 1));
        HeardMelody m;
        EXPECT_EQ(ErrorOf(Path("r.wav"), &m), "");
        EXPECT_EQ(Pitches(m), Pitches(take));
        ASSERT_FALSE(m.notes.empty());
        EXPECT_NEAR(m.notes[0].onset, take.notes[0].onset, 0.03);
    }
}

TEST_F(AudioFileTest, HostileFilesGiveMessagesNotCrashes) {
    EXPECT_NE(ErrorOf(Path("missing.wav")), "");
    EXPECT_NE(ErrorOf(dir_.string()), "");  // a folder
    std::ofstream(Path("empty.wav")).close();
    EXPECT_NE(ErrorOf(Path("empty.wav")), "");
    std::ofstream(Path("text.wav")) << "二胡数字譜データVer1.0\r\nclass TMusicBook\r\n";
    EXPECT_NE(ErrorOf(Path("text.wav")), "");
    std::mt19937 random(3);
    std::ofstream bytes(Path("noise.mp3"), std::ios::binary);
    for (int i = 0; i < 100000; ++i) bytes.put(static_cast<char>(random()));
    bytes.close();
    EXPECT_NE(ErrorOf(Path("noise.mp3")), "");
    // A FIFO with no writer would block a plain open for ever.
    ASSERT_EQ(::mkfifo(Path("fifo.wav").c_str(), 0600), 0);
    EXPECT_NE(ErrorOf(Path("fifo.wav")), "");
    EXPECT_NE(ErrorOf("/dev/zero"), "");
}

TEST_F(AudioFileTest, TruncatedFileIsHeardAsFarAsItGoes) {
    const testing::ToneTake take = Melody(8, 0.3, 69);
    ASSERT_TRUE(WriteWav(Path("t.wav"), Render(take), take.rate));
    const auto size = fs::file_size(Path("t.wav"));
    fs::resize_file(Path("t.wav"), size / 2 + 1);  // the header still announces all of it
    HeardMelody m;
    EXPECT_EQ(ErrorOf(Path("t.wav"), &m), "");
    EXPECT_GE(m.notes.size(), 3u);
    EXPECT_LE(m.notes.size(), 5u);
    fs::resize_file(Path("t.wav"), 30);  // less than a header
    EXPECT_NE(ErrorOf(Path("t.wav")), "");
}

TEST_F(AudioFileTest, SilentQuietShortAndNoiseAreRefused) {
    const int rate = 44100;
    ASSERT_TRUE(WriteWav(Path("silent.wav"), std::vector<float>(rate * 2, 0.0f), rate));
    EXPECT_EQ(ErrorOf(Path("silent.wav")), "録音は無音です。");
    ASSERT_TRUE(WriteWav(Path("one.wav"), {0.5f}, rate));
    EXPECT_EQ(ErrorOf(Path("one.wav")), "録音が短すぎます（0.00 秒）。");
    testing::ToneTake take = Melody(4, 0.3, 69);
    for (auto& n : take.notes) n.amplitude = 0.001;  // about -66 dB
    ASSERT_TRUE(WriteWav(Path("quiet.wav"), Render(take), rate, 1, true));
    EXPECT_NE(ErrorOf(Path("quiet.wav")).find("小さすぎます"), std::string::npos);
    std::mt19937 random(5);
    std::normal_distribution<float> noise(0.0f, 0.1f);
    std::vector<float> white(rate * 3);
    for (float& s : white) s = noise(random);
    ASSERT_TRUE(WriteWav(Path("white.wav"), white, rate));
    EXPECT_EQ(ErrorOf(Path("white.wav")), "録音から音符を聞き取れませんでした。");
}

// Clipping is counted on the raw samples and is a warning, not a failure.
TEST_F(AudioFileTest, ClippingIsCountedAndWarned) {
    testing::ToneTake take = Melody(4, 0.3, 69);
    std::vector<float> samples = Render(take);
    for (float& s : samples) s = std::clamp(s * 8.0f, -1.0f, 1.0f);
    ASSERT_TRUE(WriteWav(Path("clip.wav"), samples, take.rate));
    HeardMelody m;
    EXPECT_EQ(ErrorOf(Path("clip.wav"), &m), "");
    EXPECT_GT(m.clippedSamples, 1000);
    EXPECT_EQ(Pitches(m), Pitches(take));
    EXPECT_FALSE(
        ClippingWarning(m.clippedSamples, static_cast<std::int64_t>(samples.size())).empty());
    EXPECT_TRUE(ClippingWarning(0, 1000).empty());
}

// Non-finite samples of a float file count as silence instead of poisoning
// the analysis.
TEST_F(AudioFileTest, NonFiniteSamplesAreSilence) {
    testing::ToneTake take = Melody(4, 0.3, 69);
    std::vector<float> samples = Render(take);
    for (std::size_t i = 0; i < samples.size(); i += 97) samples[i] = NAN;
    samples[5] = INFINITY;
    ASSERT_TRUE(WriteWav(Path("nan.wav"), samples, take.rate, 1, true));
    HeardMelody m;
    EXPECT_EQ(ErrorOf(Path("nan.wav"), &m), "");
    EXPECT_EQ(Pitches(m), Pitches(take));
}

TEST_F(AudioFileTest, ProgressRisesAndCancelStops) {
    const testing::ToneTake take = Melody(20, 0.3, 67);
    ASSERT_TRUE(WriteWav(Path("p.wav"), Render(take), take.rate));
    std::vector<double> seen;
    ListenProgress progress{[&](double f) {
        seen.push_back(f);
        return true;
    }};
    UserText error;
    EXPECT_FALSE(HearFile(Path("p.wav"), progress, &error).notes.empty());
    ASSERT_GE(seen.size(), 2u);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_DOUBLE_EQ(seen.back(), 1.0);
    ListenProgress cancel{[](double) { return false; }};
    EXPECT_TRUE(HearFile(Path("p.wav"), cancel, &error).notes.empty());
    EXPECT_EQ(error.Japanese(), "聞き取りを中止しました。");
}

}  // namespace
}  // namespace sorvel::listen
