// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/cp932.h"

#include <gtest/gtest.h>

namespace sorvel {

// The score file header in CP932, as the file format fixes it.
const char kHeaderBytes[] =
    "\x93\xF1\x8C\xD3\x90\x94\x8E\x9A\x95\x88\x83\x66\x81\x5B\x83\x5E"
    "Ver1.0";

TEST(Cp932, HeaderRoundTripsByteForByte) {
    std::string utf8 = cp932::ToUtf8(kHeaderBytes);
    EXPECT_EQ(utf8, "二胡数字譜データVer1.0");
    EXPECT_EQ(cp932::FromUtf8(utf8), kHeaderBytes);
}

TEST(Cp932, ExtensionsAndFullWidthFontNames) {
    // "ＭＳ ゴシック" and the CP932-only circled digit ① (NEC row 13).
    for (const char* text : {"ＭＳ ゴシック", "①", "１＝Ｄ　（１５弦）", "～"}) {
        std::string bytes = cp932::FromUtf8(text);
        EXPECT_NE(bytes.find_first_not_of('?'), std::string::npos) << text;
        EXPECT_EQ(cp932::ToUtf8(bytes), text);
    }
}

TEST(Cp932, BadInputIsReplacedNotDropped) {
    EXPECT_EQ(cp932::ToUtf8("a\x81"), "a\xEF\xBF\xBD");
    EXPECT_EQ(cp932::FromUtf8("\xFF"
                              "c"),
              "?c");
    EXPECT_EQ(cp932::FromUtf8("a\xED\xA0\x80"
                              "b"),
              "a?b");                               // an encoded surrogate
    EXPECT_EQ(cp932::FromUtf8("a\xE5\x88"), "a?");  // cut short at the end
}

// Characters CP932 lacks are kept as references inside the Shift-JIS bytes
// and come back as themselves: Simplified Chinese, Korean, Arabic, emoji.
TEST(Cp932, CharactersWithoutCp932FormRoundTripAsReferences) {
    EXPECT_EQ(cp932::FromUtf8("a\xF0\x9F\x8E\xBB"
                              "b"),
              "a&#x1F3BB;b");  // the emoji 🎻
    EXPECT_EQ(cp932::FromUtf8("刘天华"), "&#x5218;\x93\x56&#x534E;");
    for (const char* text : {"二泉映月 阿炳 刘天华", "苏州", "아리랑", "مرحبا بالعالم", "🎻🎵 二胡",
                             "é ü ß ñ", "中&文"}) {
        const std::string bytes = cp932::FromUtf8(text);
        EXPECT_EQ(bytes.find('?'), std::string::npos) << text;
        EXPECT_EQ(cp932::ToUtf8(bytes), text);
    }
}

TEST(Cp932, TextWithoutReferencesKeepsItsBytes) {
    for (const char* text : {"二胡数字譜", "A&B; &amp; #x41", "&#", "&#x", "x&#x;"}) {
        EXPECT_EQ(cp932::ToUtf8(cp932::FromUtf8(text)), text);
    }
    EXPECT_EQ(cp932::FromUtf8("二胡 & 琵琶"),
              cp932::FromUtf8("二胡") + " & " + cp932::FromUtf8("琵琶"));
    EXPECT_EQ(cp932::FromUtf8("A&B"), "A&B");
}

// "&#x" as the user typed it is written with its "&" escaped, so it is never
// read back as a character.
TEST(Cp932, TypedReferenceTextStaysText) {
    EXPECT_EQ(cp932::FromUtf8("&#x5218;"), "&#x26;#x5218;");
    for (const char* text : {"&#x5218;", "&#x26;", "&#x26;#x41;", "&&#x#x", "刘&#x1F3BB;"}) {
        EXPECT_EQ(cp932::ToUtf8(cp932::FromUtf8(text)), text) << text;
    }
}

// References that the writer never makes are shown as they stand: a file of
// an older program may hold such text, and a reference to a character CP932
// holds must not change what the bytes say.
TEST(Cp932, OnlyReferencesTheWriterMakesAreRead) {
    EXPECT_EQ(cp932::ToUtf8("&#x41;"), "&#x41;");
    EXPECT_EQ(cp932::ToUtf8("&#x2014;"), "&#x2014;");  // written as the CP932 dash
    EXPECT_EQ(cp932::ToUtf8("&#x26;"), "&#x26;");
    EXPECT_EQ(cp932::ToUtf8("&#x5218"), "&#x5218");    // no closing ";"
    EXPECT_EQ(cp932::ToUtf8("&#xD800;"), "&#xD800;");  // a surrogate
    EXPECT_EQ(cp932::ToUtf8("&#x110000;"), "&#x110000;");
    EXPECT_EQ(cp932::ToUtf8("&#x0001F3BB;"),
              "&#x0001F3BB;");  // more digits than any code point needs
    EXPECT_EQ(cp932::ToUtf8("&#X5218;"), "&#X5218;");
    EXPECT_EQ(cp932::ToUtf8("&#x5218;"), "刘");
    EXPECT_EQ(cp932::ToUtf8("&#x1f3bb;"), "🎻");
}

TEST(Cp932, LeadBytes) {
    EXPECT_TRUE(cp932::IsLeadByte(0x81));
    EXPECT_TRUE(cp932::IsLeadByte(0xE0));
    EXPECT_FALSE(cp932::IsLeadByte(0xA0));
    EXPECT_FALSE(cp932::IsLeadByte('A'));
    EXPECT_EQ(cp932::CharLength("\x82\xA0", 0), 2u);
    EXPECT_EQ(cp932::CharLength("\x82", 0), 1u);
}

}  // namespace sorvel
