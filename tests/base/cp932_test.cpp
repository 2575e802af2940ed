#include "base/cp932.h"

#include <gtest/gtest.h>

namespace sorvel {

// The score file header in CP932, as the file format fixes it.
const char kHeaderBytes[] =
    "\x93\xF1\x8C\xD3\x90\x94\x8E\x9A\x95\x88\x83\x66\x81\x5B\x83\x5E" "Ver1.0";

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
    EXPECT_EQ(cp932::FromUtf8("a\xF0\x9F\x8E\xBB" "b"), "a?b");  // emoji has no CP932 form
    EXPECT_EQ(cp932::FromUtf8("\xFF" "c"), "?c");
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
