// SPDX-License-Identifier: GPL-3.0-or-later
// The shared MusicXML vocabulary: every entry read back from either side
// gives the entry it came from.
#include <gtest/gtest.h>

#include <string>

#include "interchange/musicxmlvocabulary.h"
#include "model/glyphcodes.h"

namespace sorvel::interchange {
namespace {

TEST(MusicXmlVocabularyTest, NoteTypesRoundTripBetweenNameLengthAndUnderlines) {
    int previous = 0;
    for (const NoteType& type : kNoteTypes) {
        SCOPED_TRACE(type.name);
        EXPECT_EQ(NoteTypeOfName(type.name), &type);
        EXPECT_EQ(&NoteTypeOfUnderlines(UnderlinesOf(type)), &type);
        // Each type is half the one before.
        if (previous > 0) {
            EXPECT_EQ(type.per1024 * 2, previous);
        }
        previous = type.per1024;
    }
    EXPECT_EQ(NoteTypeOfName("crotchet"), nullptr);
    EXPECT_EQ(NoteTypeOfName(""), nullptr);
    EXPECT_EQ(std::string(NoteTypeOfUnderlines(0).name), "quarter");
    EXPECT_EQ(std::string(NoteTypeOfUnderlines(2).name), "16th");
    EXPECT_EQ(std::string(NoteTypeOfUnderlines(-2).name), "whole");
    EXPECT_EQ(QuartersOf(*NoteTypeOfName("eighth")), 0.5);
    EXPECT_EQ(TicksOf(*NoteTypeOfName("whole"), 48), 192);
    EXPECT_EQ(TicksOf(*NoteTypeOfName("64th"), 48), 3);
}

TEST(MusicXmlVocabularyTest, BarLinesRoundTripBetweenCodeAndStyle) {
    for (const RightBarLine& bar : RightBarLines()) {
        SCOPED_TRACE(bar.code);
        EXPECT_EQ(RightBarLineOfCode(bar.code), &bar);
        EXPECT_EQ(CodeOfRightBarLine(bar.style, bar.backwardRepeat), bar.code);
    }
    EXPECT_EQ(RightBarLineOfCode(kPlainBarLine), nullptr);
    // A backward repeat is the end repeat whatever style goes with it.
    EXPECT_EQ(CodeOfRightBarLine("", true), kEndRepeatBarLine);
    EXPECT_EQ(CodeOfRightBarLine("light-light", true), kEndRepeatBarLine);
    for (const char* plain : {"", "regular", "none"}) {
        EXPECT_EQ(CodeOfRightBarLine(plain, false), kPlainBarLine) << plain;
    }
    EXPECT_EQ(CodeOfRightBarLine("heavy-heavy", false), 0);
    EXPECT_EQ(CodeOfRightBarLine("dashed", false), 0);
}

}  // namespace
}  // namespace sorvel::interchange
