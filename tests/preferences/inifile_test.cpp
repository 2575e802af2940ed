// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/inifile.h"

#include <gtest/gtest.h>

namespace sorvel {

TEST(IniFile, LooksUpLikeTheProfileCalls) {
    const TIniFile ini = TIniFile::Parse(
        "orphan=1\r\n"
        "[Midi]\r\n"
        "  DeviceID = 3 \r\n"
        "deviceid=4\n"
        "; Instrument=5\n"
        "Tempo=\"  80 \"\n"
        "Path='x'\n"
        "Empty=\n"
        "[midi]\n"
        "Instrument=6\n"
        "[ Dir ]\n"
        "InitialDir=/home/a=b\n");
    // Case-insensitive section and key, trimmed; the first of duplicates wins.
    EXPECT_EQ(ini.Value("MIDI", "deviceID"), "3");
    // Keys before any section and commented keys do not exist.
    EXPECT_EQ(ini.Value("", "orphan"), std::nullopt);
    // A second section of the same name is not consulted.
    EXPECT_EQ(ini.Value("Midi", "Instrument"), std::nullopt);
    // Matching quotes are removed, the text inside kept as it is.
    EXPECT_EQ(ini.Value("Midi", "Tempo"), "  80 ");
    EXPECT_EQ(ini.Value("Midi", "Path"), "x");
    EXPECT_EQ(ini.Value("Midi", "Empty"), "");
    // The value runs from the first "=".
    EXPECT_EQ(ini.Value("Dir", "InitialDir"), "/home/a=b");
}

TEST(IniFile, RewritingKeepsForeignLinesAndWritesCrLf) {
    TIniFile ini = TIniFile::Parse(
        "; written by hand\n"
        "[Midi]\n"
        "Extra = kept \n"
        "DEVICEID=3\n"
        "\n"
        "[Other]\n"
        "garbage line\n");
    ASSERT_TRUE(ini.SetValue("midi", "DeviceID", "0"));
    ASSERT_TRUE(ini.SetValue("Midi", "Tempo", "90"));
    ASSERT_TRUE(ini.SetValue("General", "IsSkipCursor", "1"));
    EXPECT_EQ(ini.Text(),
              "; written by hand\r\n"
              "[Midi]\r\n"
              "Extra = kept \r\n"
              "DeviceID=0\r\n"
              "Tempo=90\r\n"
              "\r\n"
              "[Other]\r\n"
              "garbage line\r\n"
              "[General]\r\n"
              "IsSkipCursor=1\r\n");
}

TEST(IniFile, ValuesReadBackAsTheyWereStored) {
    TIniFile ini;
    const std::string values[] = {" lead", "trail ", "\"q\"", "'s'", "a\"b", "", "\x81\x40\xff"};
    for (const std::string& v : values) {
        ASSERT_TRUE(ini.SetValue("S", "K", v));
        EXPECT_EQ(TIniFile::Parse(ini.Text()).Value("S", "K"), v) << v;
    }
    // A line break would split the line: refused, old value kept.
    EXPECT_FALSE(ini.SetValue("S", "K", "a\nb"));
    EXPECT_FALSE(ini.SetValue("S", "K", "a\rb"));
    EXPECT_EQ(ini.Value("S", "K"), values[6]);
}

TEST(IniFile, HostileBytesParse) {
    std::string bytes;
    for (int i = 0; i < 4096; ++i) bytes += static_cast<char>((i * 131 + 7) % 256);
    bytes += "\n[unterminated\nk=v\n[]\n=novalue\n\r\r\n";
    bytes += std::string(1 << 20, '[');
    const TIniFile ini = TIniFile::Parse(bytes);
    EXPECT_EQ(ini.Value("unterminated", "k"), "v");
    EXPECT_EQ(ini.Value("", ""), std::nullopt);
    // What was read is written back line for line.
    EXPECT_EQ(TIniFile::Parse(ini.Text()).Text(), ini.Text());
}

}  // namespace sorvel
