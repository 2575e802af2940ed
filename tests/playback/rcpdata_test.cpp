// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/rcpdata.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "rcpbuilder.h"

namespace sorvel {
namespace {

using test::RcpBuilder;

void ExpectAllTracksEmpty(const TRcpData& rcp) {
    for (int j = 1; j <= TRcpData::kTrackCount; ++j) EXPECT_EQ(rcp.Track(j).events.Count(), 0) << j;
}

TEST(TRcpData, CreationMakesEighteenEmptyTracks) {
    TRcpData rcp;
    for (int j = 1; j <= 18; ++j) {
        EXPECT_EQ(rcp.Track(j).number, j);
        EXPECT_EQ(rcp.Track(j).events.Count(), 0);
    }
}

TEST(TRcpData, StartupValues) {
    TRcpData rcp;
    rcp.SetStartupValues();
    EXPECT_EQ(rcp.signature, "RCM-PC98V2.0(C)COME ON MUSIC");
    EXPECT_EQ(rcp.timeBase, 48);
    EXPECT_EQ(rcp.tempo, 64);
    EXPECT_EQ(rcp.beatNumerator, 4);
    EXPECT_EQ(rcp.beatDenominator, 4);
    EXPECT_EQ(rcp.trackCount, 18);
    EXPECT_EQ(rcp.rhythms[0].name, "HandClap");
    EXPECT_EQ(rcp.rhythms[0].note, 39);
    EXPECT_EQ(rcp.rhythms[15].name, "KickDrum1");
    EXPECT_EQ(rcp.rhythms[31].name, "OpenTriangle");
    EXPECT_EQ(rcp.rhythms[31].note, 81);
    EXPECT_EQ(rcp.rhythms[31].gate, 1);
    EXPECT_EQ(rcp.userExclusives[7].memo, "USER EXCLUSIVE 7");
    EXPECT_EQ(rcp.userExclusives[3].data[23], 247);
    for (int j = 1; j <= 18; ++j) {
        const TTrackData& t = rcp.Track(j);
        EXPECT_EQ(t.size, 48u);
        EXPECT_EQ(t.rhythm, j == 10);
        EXPECT_EQ(t.channel, j <= 16 ? j - 1 : 255);
        EXPECT_EQ(t.keyShift, j == 10 ? 128 : 0);
        EXPECT_EQ(t.mode, 0);
        EXPECT_EQ(t.comment, std::string(36, ' '));
        ASSERT_EQ(t.events.Count(), 1);
        EXPECT_EQ(t.events.Get(0).type, 254);
    }
}

TEST(ReadRcp, ReadsHeaderTrackSettingsAndEvents) {
    RcpBuilder b;
    b.Title("Erhu")
        .Byte(448, 96)
        .Byte(449, 72)
        .Byte(450, 3)
        .Byte(451, 8)
        .Byte(452, 2)
        .Byte(453, 0xFE)
        .Byte(518, 'K')
        .Byte(518 + 14, 36)
        .Byte(518 + 15, 5)
        .Byte(1030 + 24, 0xF0)
        .Byte(1030 + 25, 0x41);
    b.TrackSettings(3, 1, 9, 0x80, 12, 1);
    b.Records(3, {{60, 48, 40, 100}, {231, 0, 120, 0}, {253, 0, 0, 0}, {62, 96, 90, 80}});
    TRcpData rcp;
    rcp.SetStartupValues();
    ASSERT_EQ(rcp.ReadRcpBytes(b.Bytes()), RcpReadError::kOk);
    EXPECT_EQ(rcp.title, "Erhu");
    EXPECT_EQ(rcp.timeBase, 96);
    EXPECT_EQ(rcp.tempo, 72);
    EXPECT_EQ(rcp.beatNumerator, 3);
    EXPECT_EQ(rcp.beatDenominator, 8);
    EXPECT_EQ(rcp.key, 2);
    EXPECT_EQ(rcp.playBias, -2);
    EXPECT_EQ(rcp.rhythms[0].name, "K");
    EXPECT_EQ(rcp.rhythms[0].note, 36);
    EXPECT_EQ(rcp.rhythms[0].gate, 5);
    EXPECT_EQ(rcp.userExclusives[0].data[0], 0xF0);
    EXPECT_EQ(rcp.userExclusives[0].data[1], 0x41);

    const TTrackData& t = rcp.Track(3);
    EXPECT_EQ(t.number, 3);
    EXPECT_TRUE(t.rhythm);
    EXPECT_EQ(t.channel, 9);
    EXPECT_EQ(t.keyShift, 0x80);
    EXPECT_EQ(t.stepShift, 12);
    EXPECT_EQ(t.mode, 1);
    EXPECT_EQ(t.size, 44u + 5 * 4);
    ASSERT_EQ(t.events.Count(), 5);
    EXPECT_EQ(t.events.Get(0).gate, 40);
    EXPECT_EQ(t.events.Get(1).type, 231);
    // Measure numbering ran after the end record.
    EXPECT_EQ(t.events.Get(2).velocity, 48);
    EXPECT_EQ(t.events.Get(3).measure, 2);
    EXPECT_EQ(t.events.Get(4).measure, 2);
    EXPECT_EQ(t.events.Get(4).stepNo, 2);
    for (int j : {1, 2, 4, 18}) EXPECT_EQ(rcp.Track(j).events.Count(), 1) << j;
}

TEST(ReadRcp, SameMeasureRecordCarriesItsMeasureInStepAndGate) {
    RcpBuilder b;
    b.Records(1, {{252, 5, 6, 0}});
    TRcpData rcp;
    ASSERT_EQ(rcp.ReadRcpBytes(b.Bytes()), RcpReadError::kOk);
    EXPECT_EQ(rcp.Track(1).events.Get(0).gate, 5 + 2 * 256 + 1);
}

TEST(ReadRcp, CommentTakesTwentyCharactersFromTenRecords) {
    std::vector<test::RcpRecord> records{{246, 0, 'a', 'b'}};
    for (int i = 0; i < 9; ++i) records.push_back({247, 0, 'c', 'd'});
    records.push_back({60, 48, 40, 100});
    RcpBuilder b;
    b.Records(2, records);
    TRcpData rcp;
    ASSERT_EQ(rcp.ReadRcpBytes(b.Bytes()), RcpReadError::kOk);
    const TMidiEventList& events = rcp.Track(2).events;
    ASSERT_EQ(events.Count(), 3);
    EXPECT_EQ(events.Get(0).type, 246);
    EXPECT_EQ(events.Get(0).text, "abcdcdcdcdcdcdcdcdcd");
    EXPECT_EQ(events.Get(1).type, 60);
}

TEST(ReadRcp, EveryTruncationLeavesTheTracksEmptyAndTheHeaderAlone) {
    std::vector<test::RcpRecord> records{{246, 0, 'a', 'b'}};
    for (int i = 0; i < 9; ++i) records.push_back({247, 0, 'c', 'd'});
    records.push_back({60, 48, 40, 100});
    RcpBuilder b;
    b.Title("Cut").Records(18, records);
    const std::vector<std::uint8_t> whole = b.Bytes();
    TRcpData rcp;
    rcp.SetStartupValues();
    for (std::size_t n = 0; n < whole.size(); ++n) {
        rcp.Track(5).events.Add(MakeEndOfTrackEvent());
        ASSERT_EQ(rcp.ReadRcpBytes({whole.data(), n}), RcpReadError::kTruncated) << n;
        ExpectAllTracksEmpty(rcp);
        ASSERT_EQ(rcp.title, "") << n;
    }
    EXPECT_EQ(rcp.ReadRcpBytes(whole), RcpReadError::kOk);
    EXPECT_EQ(rcp.title, "Cut");
}

TEST(ReadRcp, MissingEndRecordIsTruncation) {
    std::vector<std::uint8_t> bytes = RcpBuilder().Bytes();
    bytes.resize(bytes.size() - 4);
    bytes.insert(bytes.end(), {60, 48, 40, 100, 61, 48});
    TRcpData rcp;
    EXPECT_EQ(rcp.ReadRcpBytes(bytes), RcpReadError::kTruncated);
    ExpectAllTracksEmpty(rcp);
    EXPECT_STRNE(RcpReadErrorText(RcpReadError::kTruncated), "");
}

TEST(ReadRcp, ReadsFilesAndReportsMissingOnes) {
    const auto path = std::filesystem::temp_directory_path() / "sorvel_read_rcp_test.rcp";
    {
        const std::vector<std::uint8_t> bytes = RcpBuilder().Records(1, {{64, 24, 20, 90}}).Bytes();
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    TRcpData rcp;
    EXPECT_EQ(rcp.ReadRcpFile(path.string()), RcpReadError::kOk);
    EXPECT_EQ(rcp.Track(1).events.Get(0).type, 64);
    std::filesystem::remove(path);
    rcp.SetStartupValues();
    EXPECT_EQ(rcp.ReadRcpFile(path.string()), RcpReadError::kCannotOpen);
    ExpectAllTracksEmpty(rcp);
    EXPECT_EQ(rcp.ReadRcpFile("/"), RcpReadError::kCannotOpen);
}

TEST(ReadRcp, DevicesAndPipesFailWithoutReadingForever) {
    TRcpData rcp;
    rcp.SetStartupValues();
    EXPECT_EQ(rcp.ReadRcpFile("/dev/zero"), RcpReadError::kCannotOpen);  // would grow without end
    ExpectAllTracksEmpty(rcp);
    const auto fifo = std::filesystem::temp_directory_path() /
                      ("sorvel_read_rcp_fifo_" + std::to_string(getpid()));
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    rcp.SetStartupValues();
    EXPECT_EQ(rcp.ReadRcpFile(fifo.string()),
              RcpReadError::kCannotOpen);  // would wait for a writer
    std::filesystem::remove(fifo);
    ExpectAllTracksEmpty(rcp);
}

}  // namespace
}  // namespace sorvel
