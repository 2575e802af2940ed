// SPDX-License-Identifier: GPL-3.0-or-later
// A piece whose later page changes key or tempo: every page plays in the key
// and tempo its header shows, in play order and from whichever page the play
// starts; the track is transposed by the key of the page the play starts on.
#include "base/cp932.h"
#include "conversionfixture.h"
#include "playback/conversion/keyoffset.h"

namespace sorvel::testing {
namespace {

const std::string kKeyD = cp932::FromUtf8("１＝Ｄ　（１５弦）");
const std::string kKeyG = cp932::FromUtf8("１＝Ｇ　（５２弦）");

class PageKeysTest : public ConversionTest {
protected:
    // Page 1 in D at 100, page 2 in G; "1 2 | 3 4" over the two pages.
    PageKeysTest() {
        page->SetKeyCode(kKeyD);
        page->SetPlayCount(100);
        second = book->NewSheet();
        second->SetKeyCode(kKeyG);
        notes = Score("12|");
        notes.push_back(N("3", 0, second));
        notes.push_back(N("4", 0, second));
    }

    // The pitches that sound: each note event's number plus the track's key.
    std::vector<int> Sounded(TMusicSheet& current) {
        BuildSequence(data, current, nullptr, nullptr, options, prefs);
        std::vector<int> pitches;
        for (const TMidiEvent& e : Track(1))
            if (e.IsNote() && e.gate != 0) pitches.push_back(e.type + KeyOffset(current));
        return pitches;
    }
    std::vector<int> Tempos(TMusicSheet& current) {
        BuildSequence(data, current, nullptr, nullptr, options, prefs);
        std::vector<int> tempos;
        for (const TMidiEvent& e : Track(1))
            if (e.type == evt::kTempo) tempos.push_back(e.gate);
        return tempos;
    }

    TMusicSheet* second = nullptr;
    std::vector<TNote*> notes;
};

TEST_F(PageKeysTest, TheSecondPagePlaysInItsOwnKeyFromEitherPage) {
    // D: 1 = 62, 2 = 64; G: 3 = 71, 4 = 72.
    const std::vector<int> printed = {62, 64, 71, 72};
    EXPECT_EQ(Sounded(*page), printed);
    EXPECT_EQ(Sounded(*second), printed);
}

TEST_F(PageKeysTest, AJumpBackPlaysTheFirstPageInItsKeyAgain) {
    Mark(*notes[3], "m");  // D.C. on the last note
    Mark(*notes[1], "i");  // fine
    EXPECT_EQ(Sounded(*second), (std::vector<int>{62, 64, 71, 72, 62, 64}));
}

TEST_F(PageKeysTest, ABlankKeyKeepsTheKeyOfThePiecesFirstPage) {
    second->SetKeyCode("  ");
    EXPECT_EQ(Sounded(*second), (std::vector<int>{62, 64, 66, 67}));
}

TEST_F(PageKeysTest, AStartInTheMiddleOfThePageKeepsItsKey) {
    BuildSequence(data, *second, notes[3], nullptr, options, prefs);
    std::vector<int> pitches;
    for (const TMidiEvent& e : Track(1))
        if (e.IsNote() && e.gate != 0) pitches.push_back(e.type + KeyOffset(*second));
    EXPECT_EQ(pitches, (std::vector<int>{72}));
}

TEST_F(PageKeysTest, ALaterPagesTempoSetsInAtItsFirstNote) {
    second->SetPlayCount(60);
    // From page 1: the start tempo, then 60 where page 2 begins.
    EXPECT_EQ(Tempos(*page), (std::vector<int>{100, 60}));
    const TMidiEvent* atThree = nullptr;
    for (const TMidiEvent& e : Track(1))
        if (e.type == evt::kTempo && e.gate == 60) atThree = &e;
    ASSERT_NE(atThree, nullptr);
    EXPECT_EQ(atThree->sourceItem, notes[2]);
    // From page 2 with nothing selected the play begins on page 1, in its tempo.
    EXPECT_EQ(Tempos(*second), (std::vector<int>{60, 100, 60}));
    // Back to page 1 by a D.C.: its tempo again.
    Mark(*notes[3], "m");
    Mark(*notes[1], "i");
    EXPECT_EQ(Tempos(*page), (std::vector<int>{100, 60, 100}));
    // Without the score's tempo no page tempo is played.
    options.playScoreTempo = false;
    EXPECT_EQ(Tempos(*page), (std::vector<int>{}));
}

// A book whose pages share key and tempo gets exactly the events it always
// got: no shift and no extra tempo event.
TEST_F(PageKeysTest, OneKeyAndTempoThroughoutAddsNothing) {
    second->SetKeyCode(kKeyD);
    second->SetPlayCount(100);
    BuildSequence(data, *second, nullptr, nullptr, options, prefs);
    std::vector<std::pair<int, int>> events;
    for (const TMidiEvent& e : Track(1)) events.emplace_back(e.type, e.step);
    EXPECT_EQ(events, (std::vector<std::pair<int, int>>{{evt::kTempo, 0},
                                                        {0, 1},
                                                        {60, 48},
                                                        {62, 48},
                                                        {64, 48},
                                                        {65, 48},
                                                        {evt::kEndOfTrack, 254}}));
}

}  // namespace
}  // namespace sorvel::testing
