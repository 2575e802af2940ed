// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/midieventlist.h"

#include <gtest/gtest.h>

#include <vector>

namespace sorvel {
namespace {

TMidiEvent Ev(std::uint16_t type, std::uint16_t step = 0, std::uint16_t gate = 0,
              std::uint16_t velocity = 0) {
    return MakeEvent(type, step, gate, velocity);
}

TMidiEventList List(std::initializer_list<TMidiEvent> events) {
    TMidiEventList list;
    for (const TMidiEvent& e : events) list.Add(e);
    return list;
}

std::vector<std::uint16_t> FlatTypes(TMidiEventList& list) {
    std::vector<std::uint16_t> out;
    list.ResetReading();
    while (const TMidiEvent* e = list.ReadFlat()) out.push_back(e->type);
    return out;
}

std::vector<int> PlayedIndices(TMidiEventList& list, int limit = 1000) {
    std::vector<int> out;
    list.ResetReading();
    int index = 0;
    while (static_cast<int>(out.size()) < limit && list.FetchPlaying(index)) out.push_back(index);
    return out;
}

TEST(TStack, DropsPushesWhenFullAndPopsZeroWhenEmpty) {
    TStack s;
    EXPECT_EQ(s.Pop(), 0);
    for (int i = 1; i <= 105; ++i) s.Push(i);
    EXPECT_EQ(s.Count(), TStack::kCapacity);
    EXPECT_EQ(s.Pop(), 100);
    s.Clear();
    EXPECT_EQ(s.Pop(), 0);
}

TEST(TMidiEventList, NewEventIsBlankAndEndEventIsAll254) {
    const TMidiEvent blank;
    EXPECT_EQ(blank.type, 0);
    EXPECT_EQ(blank.step, 0);
    EXPECT_EQ(blank.sourceItem, nullptr);
    EXPECT_TRUE(blank.text.empty());
    const TMidiEvent end = MakeEndOfTrackEvent();
    EXPECT_EQ(end.measure, 1);
    EXPECT_EQ(end.stepNo, 1);
    EXPECT_EQ(end.type, 254);
    EXPECT_EQ(end.step, 254);
    EXPECT_EQ(end.gate, 254);
    EXPECT_EQ(end.velocity, 254);
}

TEST(TMidiEventList, GetClampsTheIndex) {
    TMidiEventList list = List({Ev(60, 48), Ev(62, 48), MakeEndOfTrackEvent()});
    EXPECT_EQ(list.Get(-5).type, 60);
    EXPECT_EQ(list.Get(list.Count() + 3).type, 254);
    EXPECT_EQ(list.Get(1).type, 62);
    TMidiEventList empty;
    EXPECT_EQ(empty.Get(0).type, 0);
    list.Delete(0);
    list.Delete(99);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Get(0).type, 62);
}

TEST(TMidiEventList, NumbersStepsOfOneMeasureByTimePosition) {
    TMidiEventList list = List({Ev(60, 48), Ev(64, 0), Ev(67, 48), MakeEndOfTrackEvent()});
    list.NumberMeasures();
    const std::vector<int> steps{1, 2, 2, 3};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(list.Get(i).measure, 1) << i;
        EXPECT_EQ(list.Get(i).stepNo, steps[static_cast<std::size_t>(i)]) << i;
    }
}

TEST(TMidiEventList, MeasureEndsStartNewMeasuresAndStoreTheirTicks) {
    TMidiEventList list = List({Ev(60, 48), Ev(62, 48), Ev(evt::kMeasureEnd), Ev(64, 96),
                                Ev(evt::kMeasureEnd), MakeEndOfTrackEvent()});
    list.NumberMeasures();
    const int measures[] = {1, 1, 1, 2, 2, 3};
    const int steps[] = {1, 2, 3, 1, 2, 1};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(list.Get(i).measure, measures[i]) << i;
        EXPECT_EQ(list.Get(i).stepNo, steps[i]) << i;
    }
    EXPECT_EQ(list.Get(2).velocity, 96);
    EXPECT_EQ(list.Get(4).velocity, 96);
}

TEST(TMidiEventList, NumberingSkipsCommentContinuationsAndCountsAfterLoopEnds) {
    TMidiEventList list = List({Ev(evt::kLoopStart), Ev(60, 48), Ev(evt::kLoopEnd, 2),
                                Ev(evt::kCommentCont), Ev(62, 48), MakeEndOfTrackEvent()});
    list.Events()[3].measure = 77;
    list.NumberMeasures();
    EXPECT_EQ(list.Get(1).stepNo, 1);  // a note before a loop end does not count up
    EXPECT_EQ(list.Get(2).stepNo, 1);
    EXPECT_EQ(list.Get(3).measure, 77);  // left alone
    EXPECT_EQ(list.Get(4).stepNo, 2);    // the loop end counted up
    EXPECT_EQ(list.Get(5).stepNo, 3);
}

TEST(TMidiEventList, EventBeforeSameMeasureClosesItsMeasure) {
    TMidiEvent sm = Ev(evt::kSameMeasure, 0, 1);
    TMidiEventList list = List({Ev(60, 48), sm, Ev(62, 48), MakeEndOfTrackEvent()});
    list.NumberMeasures();
    EXPECT_EQ(list.Get(0).measure, 1);
    EXPECT_EQ(list.Get(1).measure, 2);
    EXPECT_EQ(list.Get(2).measure, 3);
    EXPECT_EQ(list.Get(3).measure, 3);
}

// A B | same as measure 1 | C
TMidiEventList SameMeasurePiece() {
    TMidiEventList list =
        List({Ev(60, 48), Ev(62, 48), Ev(evt::kMeasureEnd), Ev(evt::kSameMeasure, 0, 1), Ev(64, 48),
              Ev(evt::kMeasureEnd), MakeEndOfTrackEvent()});
    list.NumberMeasures();
    return list;
}

TEST(TMidiEventList, ResolvesSameMeasureToTheFirstEventOfTheMeasure) {
    TMidiEventList list = SameMeasurePiece();
    EXPECT_EQ(list.Get(3).measure, 2);
    list.ResolveSameMeasures();
    EXPECT_EQ(list.Get(3).velocity, 0);
    EXPECT_EQ(FlatTypes(list),
              (std::vector<std::uint16_t>{60, 62, 253, 60, 62, 253, 64, 253, 254}));
}

TEST(TMidiEventList, ResolutionFollowsChainsAndSelfReferences) {
    TMidiEventList list = List({Ev(60, 48), Ev(evt::kMeasureEnd), Ev(evt::kSameMeasure, 0, 1),
                                Ev(evt::kSameMeasure, 0, 2), Ev(evt::kSameMeasure, 0, 4),
                                Ev(evt::kSameMeasure, 0, 99, 1234), MakeEndOfTrackEvent()});
    list.NumberMeasures();
    ASSERT_EQ(list.Get(3).measure, 3);
    ASSERT_EQ(list.Get(4).measure, 4);
    list.ResolveSameMeasures();
    EXPECT_EQ(list.Get(2).velocity, 0);
    EXPECT_EQ(list.Get(3).velocity, 0);     // measure 2 is itself "same as measure 1"
    EXPECT_EQ(list.Get(4).velocity, 4);     // refers to its own measure
    EXPECT_EQ(list.Get(5).velocity, 1234);  // measure 99 does not exist: unchanged
}

TEST(TMidiEventList, ResolutionGivesUpAfterTenLookups) {
    // Two same-measure events referring to each other never reach an event.
    TMidiEventList list = List(
        {Ev(evt::kSameMeasure, 0, 2, 7), Ev(evt::kSameMeasure, 0, 1, 8), MakeEndOfTrackEvent()});
    list.NumberMeasures();
    list.ResolveSameMeasures();
    EXPECT_EQ(list.Get(0).velocity, 7);
    EXPECT_EQ(list.Get(1).velocity, 8);
}

TEST(TMidiEventList, FlatReadingOfAnEndOnlyListAndOfABadReference) {
    TMidiEventList only = List({MakeEndOfTrackEvent()});
    only.ResetReading();
    ASSERT_NE(only.ReadFlat(), nullptr);
    EXPECT_EQ(only.ReadFlat(), nullptr);

    TMidiEventList bad =
        List({Ev(60, 48), Ev(evt::kSameMeasure, 0, 1, 60000), Ev(62, 48), MakeEndOfTrackEvent()});
    EXPECT_EQ(FlatTypes(bad), (std::vector<std::uint16_t>{60, 254, 62, 254}));
}

TEST(TMidiEventList, PlayingFetchOfAnEndOnlyListYieldsNothing) {
    TMidiEventList only = List({MakeEndOfTrackEvent()});
    int index = 5;
    EXPECT_EQ(only.FetchPlaying(index), nullptr);
    EXPECT_EQ(index, -1);
}

TEST(TMidiEventList, PlayingFetchRepeatsLoopsAndSkipsMarks) {
    TMidiEventList list =
        List({Ev(evt::kLoopStart), Ev(60, 48), Ev(evt::kComment), Ev(62, 48), Ev(evt::kLoopEnd, 3),
              Ev(evt::kMeasureEnd), Ev(evt::kTempo, 0, 120), MakeEndOfTrackEvent()});
    EXPECT_EQ(PlayedIndices(list), (std::vector<int>{1, 3, 1, 3, 1, 3, 6}));
}

TEST(TMidiEventList, NestedLoopsMultiply) {
    TMidiEventList list =
        List({Ev(evt::kLoopStart), Ev(evt::kLoopStart), Ev(60, 48), Ev(evt::kLoopEnd, 2),
              Ev(62, 48), Ev(evt::kLoopEnd, 2), MakeEndOfTrackEvent()});
    EXPECT_EQ(PlayedIndices(list), (std::vector<int>{2, 2, 4, 2, 2, 4}));
}

TEST(TMidiEventList, LoopWithRepeatCountZeroRepeatsForever) {
    TMidiEventList list =
        List({Ev(evt::kLoopStart), Ev(60, 48), Ev(evt::kLoopEnd, 0), MakeEndOfTrackEvent()});
    EXPECT_EQ(PlayedIndices(list, 500).size(), 500u);
}

TEST(TMidiEventList, EndlessLoopWithoutEventsEndsTheFetch) {
    TMidiEventList list = List({Ev(evt::kLoopStart), Ev(evt::kComment), Ev(evt::kLoopEnd, 0),
                                Ev(60, 48), MakeEndOfTrackEvent()});
    int index = 0;
    EXPECT_EQ(list.FetchPlaying(index), nullptr);
    EXPECT_EQ(index, -1);
}

TEST(TMidiEventList, FindMeasureFallsBackToTheMeasuresLastThenTheListsLast) {
    TMidiEventList list = SameMeasurePiece();
    EXPECT_EQ(list.FindMeasure(1, 2), 1);
    EXPECT_EQ(list.FindMeasure(1, 9), 2);  // no step 9: the measure's last event
    EXPECT_EQ(list.FindMeasure(3, 1), 4);
    EXPECT_EQ(list.FindMeasure(42, 1), 6);  // no such measure: the last index
}

TEST(TMidiEventList, CopyFlatExpandsSameMeasuresAndStopsAtTheLimit) {
    TMidiEventList source = SameMeasurePiece();
    source.ResolveSameMeasures();
    TMidiEventList copy;
    copy.Add(Ev(99));
    copy.CopyFlat(source);
    ASSERT_EQ(copy.Count(), 9);
    EXPECT_EQ(copy.Get(3).type, 60);

    TMidiEventList huge;
    for (int i = 0; i < 2000; ++i) huge.Add(Ev(60, 1));
    for (int i = 0; i < 1000; ++i) huge.Add(Ev(evt::kSameMeasure, 0, 1, 0));
    huge.Add(MakeEndOfTrackEvent());
    copy.CopyFlat(huge);
    EXPECT_EQ(copy.Count(), TMidiEventList::kMaxFlatEvents);
    EXPECT_EQ(copy.Get(copy.Count() - 1).type, 254);
}

TEST(TMidiEventList, ListsKeySignatureEvents) {
    TMidiEventList list =
        List({Ev(evt::kMusicKey, 3), Ev(60, 48), Ev(evt::kMusicKey, 0), MakeEndOfTrackEvent()});
    EXPECT_EQ(list.KeySignatureIndices(), (std::vector<int>{0, 2}));
}

}  // namespace
}  // namespace sorvel
