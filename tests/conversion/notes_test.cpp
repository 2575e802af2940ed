// SPDX-License-Identifier: GPL-3.0-or-later
// Pitches, keys, gates, the pickup bar and tempo events of a conversion.
#include "base/cp932.h"
#include "conversionfixture.h"
#include "playback/conversion/keyoffset.h"
#include "playback/conversion/notepitch.h"

namespace sorvel::testing {
namespace {

TEST(NotePitchTest, DegreesOctavesAndAccidentals) {
    EXPECT_EQ(NotePitch("1", 0, ""), 60);
    EXPECT_EQ(NotePitch("1", 0, "a"), 59);
    EXPECT_EQ(NotePitch("7", 1, "`"), 84);
    EXPECT_EQ(NotePitch("4", -1, "b"), 53);  // a natural sign is natural
    EXPECT_EQ(NotePitch("0", 0, ""), 0);
    EXPECT_EQ(NotePitch("8", 0, ""), 0);
}

TEST(KeyOffsetTest, KeyTextsAsStoredBytes) {
    EXPECT_EQ(KeyOffset(cp932::FromUtf8("１＝Ｃ　（２６弦）")), 0);
    EXPECT_EQ(KeyOffset(cp932::FromUtf8("１＝Ｇ　（５２弦）")), 7);
    EXPECT_EQ(KeyOffset(cp932::FromUtf8("１＝♭Ｂ（３７弦）")), 10);
    EXPECT_EQ(KeyOffset(cp932::FromUtf8("１＝♭Ｅ（弦）")), 3);
    EXPECT_EQ(KeyOffset(cp932::FromUtf8("１＝Ｄ　（１５弦）")), 2);
    EXPECT_EQ(KeyOffset(std::string("１＝Ｃ　（２６弦）")), 2);  // UTF-8 is not the stored form
    EXPECT_EQ(KeyOffset(std::string()), 2);
}

TEST_F(ConversionTest, GatesOfPlainStaccatoAndRests) {
    TNote* plain = N("1");
    TNote* staccato = N("2");
    Mark(*staccato, "q");
    TNote* other = N("3");
    Mark(*other, "r");
    TNote* rest = N("0");
    N("5");
    Build();
    EXPECT_EQ(EventOf(plain)->step, 48);
    EXPECT_EQ(EventOf(plain)->gate, 38);
    EXPECT_EQ(EventOf(staccato)->gate, 14);
    EXPECT_EQ(EventOf(other)->gate, 14);
    EXPECT_EQ(EventOf(rest)->type, 0);
    EXPECT_EQ(EventOf(rest)->gate, 0);
    EXPECT_EQ(EventOf(plain)->velocity, prefs.MeloVelocity);
}

TEST_F(ConversionTest, DashesSoundThePitchBeforeThemAndAreTiedInto) {
    page->SetKeyCode(cp932::FromUtf8("１＝Ｇ　（５２弦）"));  // the key is applied at play time
    TNote* five = N("5");
    TNote* dash1 = N("8");
    TNote* dash2 = N("8");
    N("0");
    TNote* afterRest = N("8");
    TNote* last = N("6");
    Build();
    EXPECT_EQ(EventOf(dash1)->type, 67);
    EXPECT_EQ(EventOf(five)->gate, 49);
    EXPECT_EQ(EventOf(dash1)->gate, 49);  // a dash before a dash holds on too
    EXPECT_EQ(EventOf(dash2)->gate, 38);
    EXPECT_EQ(EventOf(afterRest)->type, 0);
    EXPECT_EQ(EventOf(afterRest)->gate, 0);
    EXPECT_EQ(EventOf(last)->gate, 38);
}

TEST_F(ConversionTest, FinalNoteNeverRunsOn) {
    std::vector<TNote*> n = Score("158");
    Build(n[0], n[1]);  // the range ends before the dash the "5" is tied into
    EXPECT_EQ(Played(), "15");
    EXPECT_EQ(EventOf(n[1])->gate, 38);
    EXPECT_EQ(Track(1).back().type, 254);
}

TEST_F(ConversionTest, SlurMakesItsNotesLegatoExceptTheLast) {
    std::vector<TNote*> n = Score("1234");
    TSlur* slur = Mark<TSlur>(*n[0], "Y");
    slur->SetPosX(n[0]->PosX() - 5);
    slur->SetWidth(n[2]->PosX() - slur->PosX());
    Build();
    EXPECT_EQ(EventOf(n[0])->gate, 49);
    EXPECT_EQ(EventOf(n[1])->gate, 49);
    EXPECT_EQ(EventOf(n[2])->gate, 38);
    EXPECT_EQ(EventOf(n[3])->gate, 38);
}

TEST_F(ConversionTest, SlurContinuedFromThePreviousRowStartsAtItsLastNote) {
    for (int i = 0; i < kSlotsPerRow - 1; ++i) N("0");
    TNote* endOfRow = N("1");
    TNote* nextRow = N("2");
    N("3");
    TSlur* slur = Mark<TSlur>(*nextRow, "Y");
    slur->SetPosX(page->LeftSpace());
    slur->SetWidth(nextRow->PosX() - page->LeftSpace());
    Build();
    EXPECT_EQ(EventOf(endOfRow)->gate, 49);
    EXPECT_EQ(EventOf(nextRow)->gate, 48 * 80 / 100);
}

TEST_F(ConversionTest, PickupBarCountsFromTheEndOfItsBar) {
    TNote* pickup = N("5");
    Bar();
    TNote* downbeat = N("1");
    Build();
    EXPECT_EQ(pickup->StepNo, 4);
    EXPECT_EQ(downbeat->StepNo, 1);
    Build();  // playing again without a redraw in between does not shift twice
    EXPECT_EQ(pickup->StepNo, 4);
}

TEST_F(ConversionTest, PickupInSixEightCountsEighths) {
    Next<TBeat>("&");
    TNote* pickup = N("5", 1);
    Bar();
    N("1");
    Build();
    EXPECT_EQ(pickup->StepNo, 1 + 5);
}

TEST_F(ConversionTest, TempoEventsOfPageAndMarksAreClampedNotCut) {
    page->SetPlayCount(300);
    TNote* a = N("1");
    TempoMark(*a, 50, 1);  // per cent of the start tempo
    TNote* b = N("2");
    TempoMark(*b, 260, 0);
    const BuildResult result = Build();
    EXPECT_EQ(result.startTempo, 300);
    ASSERT_FALSE(Track(1).empty());
    EXPECT_EQ(Track(1)[0].type, 231);
    EXPECT_EQ(Track(1)[0].gate, 255);
    EXPECT_EQ(Track(1)[0].sourceItem, nullptr);
    std::vector<int> marks;
    for (const TMidiEvent& e : Track(1)) {
        if (e.type == 231 && e.sourceItem) marks.push_back(e.gate);
    }
    // The first note's mark is written once for the start and once when played.
    EXPECT_EQ(marks, (std::vector<int>{150, 150, 255}));
}

TEST_F(ConversionTest, StartTempoFromFirstMarkOrDialog) {
    TNote* a = N("1");
    TempoMark(*a, 96, 0);
    EXPECT_EQ(Build().startTempo, 96);
    options.playScoreTempo = false;
    options.tempo = 500;
    EXPECT_EQ(Build().startTempo, 240);
    for (const TMidiEvent& e : Track(1)) EXPECT_NE(e.type, 231);  // marks are ignored
}

}  // namespace
}  // namespace sorvel::testing
