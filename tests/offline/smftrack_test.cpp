// SPDX-License-Identifier: GPL-3.0-or-later
// The bytes of a Standard MIDI File: variable-length quantities, chunks,
// events with their delta times.
#include "playback/offline/smftrack.h"

#include <gtest/gtest.h>

namespace sorvel {
namespace {

std::string VarLen(std::uint32_t value) {
    std::string out;
    AppendVarLen(out, value);
    return out;
}

TEST(SmfTrack, VariableLengthQuantities) {
    EXPECT_EQ(VarLen(0), std::string(1, '\0'));
    EXPECT_EQ(VarLen(0x40), "\x40");
    EXPECT_EQ(VarLen(0x7F), "\x7F");
    EXPECT_EQ(VarLen(0x80), std::string("\x81\x00", 2));
    EXPECT_EQ(VarLen(0x2000), std::string("\xC0\x00", 2));
    EXPECT_EQ(VarLen(0x1FFFFF), "\xFF\xFF\x7F");
    EXPECT_EQ(VarLen(0x0FFFFFFF), "\xFF\xFF\xFF\x7F");
    EXPECT_EQ(VarLen(0xFFFFFFFF), "\xFF\xFF\xFF\x7F");  // the format's largest
}

TEST(SmfTrack, HeaderAndTrackChunks) {
    EXPECT_EQ(SmfHeaderChunk(1, 3, 48), std::string("MThd\0\0\0\x06\0\x01\0\x03\0\x30", 14));

    SmfTrack track;
    const std::uint8_t on[] = {0x90, 60, 80};
    const std::uint8_t off[] = {0x90, 60, 0};
    const std::uint8_t exclusive[] = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
    track.Tempo(0, 500000);
    track.Message(0, on);
    track.Message(200, off);
    track.Message(100, on);  // earlier than the last: written at its tick
    track.SystemExclusive(200, exclusive);
    const std::string expected = std::string("MTrk\0\0\0\x20", 8) +
                                 std::string("\0\xFF\x51\x03\x07\xA1\x20", 7) +  // tempo
                                 std::string("\0\x90\x3C\x50", 4) +              // note on
                                 std::string("\x81\x48\x90\x3C\x00", 5) +        // 200 ticks later
                                 std::string("\0\x90\x3C\x50", 4) +              // same tick
                                 std::string("\0\xF0\x05\x7E\x7F\x09\x01\xF7", 8) +
                                 std::string("\x64\xFF\x2F\x00", 4);  // end 100 ticks on
    EXPECT_EQ(track.Finish(300), expected);
}

}  // namespace
}  // namespace sorvel
