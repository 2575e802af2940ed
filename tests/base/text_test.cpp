// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/text.h"

#include <gtest/gtest.h>

namespace sorvel {

TEST(Text, TrimRemovesControlBytesAndBlanksAtBothEnds) {
    EXPECT_EQ(Trim("  \t a b \r\n"), "a b");
    EXPECT_EQ(Trim(std::string_view("\0x\x1f", 3)), "x");
    EXPECT_EQ(Trim("   "), "");
    // Bytes above 0x20 (double-byte characters) are never trimmed.
    EXPECT_EQ(Trim("\x81\x40"), "\x81\x40");
}

TEST(Text, IntegerConversionWithDefault) {
    EXPECT_EQ(IntToStr(-170), "-170");
    EXPECT_EQ(StrToIntDef("146", 9), 146);
    EXPECT_EQ(StrToIntDef("-170", 9), -170);
    EXPECT_EQ(StrToIntDef("+5", 9), 5);
    EXPECT_EQ(StrToIntDef("007", 9), 7);
    EXPECT_EQ(StrToIntDef("-0", 9), 0);
    EXPECT_EQ(StrToIntDef("", 9), 9);
    EXPECT_EQ(StrToIntDef("-", 9), 9);
    EXPECT_EQ(StrToIntDef("12a", 9), 9);
    EXPECT_EQ(StrToIntDef(" 12", 9), 9);
    EXPECT_EQ(StrToIntDef("2147483647", 9), 2147483647);
    EXPECT_EQ(StrToIntDef("-2147483648", 9), -2147483647 - 1);
    EXPECT_EQ(StrToIntDef("2147483648", 9), 9);
    EXPECT_EQ(StrToIntDef("99999999999999999999999", 9), 9);
}

TEST(Text, IntegersAreDecimalOnly) {
    // Hexadecimal forms are not numbers here, whatever their sign.
    for (const char* text :
         {"$10", "$FF", "0x20", "0X20", "-$10", "+0x1", "0x", "$", "1e3", "1.0", "++1", "-+1"}) {
        int out = 42;
        EXPECT_FALSE(TryStrToInt(text, out)) << text;
        EXPECT_EQ(out, 42) << text;
        EXPECT_EQ(StrToIntDef(text, 9), 9) << text;
    }
    // A leading zero is still decimal.
    EXPECT_EQ(StrToIntDef("010", 9), 10);
    EXPECT_EQ(StrToIntDef("0", 9), 0);
}

TEST(Text, KeysCompareWithoutLetterCase) {
    EXPECT_TRUE(EqualsNoCase("PosX", "posx"));
    EXPECT_FALSE(EqualsNoCase("PosX", "PosY"));
    EXPECT_FALSE(EqualsNoCase("Pos", "PosX"));
}

}  // namespace sorvel
