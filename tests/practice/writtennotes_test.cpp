// SPDX-License-Identifier: GPL-3.0-or-later
// The written notes of a book as playback plays them: repeats followed,
// dashes holding a note on, the key, bars and pages, and the page alone.
#include "practice/writtennotes.h"

#include "conversionfixture.h"

namespace sorvel::testing {
namespace {

using WrittenNotes = ConversionTest;

std::vector<int> Midis(const std::vector<practice::WrittenNote>& notes) {
    std::vector<int> out;
    for (const auto& n : notes) out.push_back(n.midi);
    return out;
}

TEST_F(WrittenNotes, RepeatsAreFollowedWithBarsAndBeats) {
    const std::vector<TNote*> n = Score("[1|2:3");
    UserText error;
    const auto notes = practice::WrittenNotesOf(*book, 0, &error);
    ASSERT_EQ(notes.size(), 5u) << error;
    // 1=D: the degrees 1 2 3 sound D4 E4 F#4.
    EXPECT_EQ(Midis(notes), (std::vector<int>{62, 64, 62, 64, 66}));
    const int bars[] = {1, 2, 1, 2, 3};
    for (std::size_t i = 0; i < notes.size(); ++i) {
        EXPECT_EQ(notes[i].number, static_cast<int>(i) + 1);
        EXPECT_EQ(notes[i].page, 1);
        EXPECT_EQ(notes[i].bar, bars[i]) << i;
        EXPECT_DOUBLE_EQ(notes[i].beat, static_cast<double>(i));
        EXPECT_DOUBLE_EQ(notes[i].beats, 1.0);
    }
    EXPECT_EQ(notes[2].item, n[0]);
    EXPECT_NEAR(notes[1].onset, notes[0].length, 1e-9);
    EXPECT_GT(notes[0].length, 0.1);
}

TEST_F(WrittenNotes, ADashHoldsTheNoteOnAndARestEndsIt) {
    N("1");
    N("8");
    N("0");
    N("5");
    const auto notes = practice::WrittenNotesOf(*book, 0, nullptr);
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_DOUBLE_EQ(notes[0].beats, 2.0);
    EXPECT_DOUBLE_EQ(notes[1].beat, 3.0);
    EXPECT_NEAR(notes[1].onset, 1.5 * notes[0].length, 1e-9);
}

TEST_F(WrittenNotes, APageOutsideTheBookOrWithoutNotesIsRefused) {
    Score("12");
    UserText error;
    EXPECT_TRUE(practice::WrittenNotesOf(*book, 2, &error).empty());
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(practice::WrittenNotesOf(*book, -1, nullptr).empty());
    EXPECT_EQ(practice::WrittenNotesOf(*book, 1, nullptr).size(), 2u);
    StartNewBook();
    error = {};
    EXPECT_TRUE(practice::WrittenNotesOf(*book, 0, &error).empty());
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace sorvel::testing
