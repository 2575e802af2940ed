// SPDX-License-Identifier: GPL-3.0-or-later
// The grid of each metre, placing onsets on it, and the written lengths and
// rests of placed notes.
#include <gtest/gtest.h>

#include "listen/quantize.h"
#include "listen/writtenlengths.h"

namespace sorvel::listen {
namespace {

QuantizeInput Onsets(std::vector<double> ticks, double secondsPerTick = 0.6 / 48) {
    QuantizeInput in;
    in.ticks = std::move(ticks);
    in.accents.assign(in.ticks.size(), 1.0);
    in.spreads.assign(in.ticks.size(), 0.035);
    in.secondsPerTick = secondsPerTick;
    in.lastSounding = 48;
    return in;
}

TEST(MeterGrid, PlacesHaveTheDepthOfTheirMetre) {
    const MeterGrid twoFour({2, 4}), sixEight({6, 8}), threeEight({3, 8});
    EXPECT_EQ(twoFour.Depth(0), 0);
    EXPECT_EQ(twoFour.Depth(96), 0);
    EXPECT_EQ(twoFour.Depth(48), 1);
    EXPECT_EQ(twoFour.Depth(24), 2);
    EXPECT_EQ(twoFour.Depth(36), 3);
    EXPECT_EQ(twoFour.Depth(16), 3);  // a triplet eighth
    EXPECT_EQ(twoFour.Depth(4), -1);
    EXPECT_EQ(sixEight.Depth(72), 1);
    EXPECT_EQ(sixEight.Depth(48), 2);  // the third eighth: no beat in 6/8
    EXPECT_EQ(sixEight.Depth(12), 3);
    EXPECT_EQ(threeEight.Depth(24), 2);
    EXPECT_EQ(threeEight.Depth(72), 0);
    EXPECT_FALSE(sixEight.AllowsTriplets());
    EXPECT_TRUE(twoFour.AllowsTriplets());
}

TEST(MeterGrid, PlainLengthsCostLeast) {
    EXPECT_EQ(LengthCost(48), 0);
    EXPECT_EQ(LengthCost(144), 0);  // a numeral and two dashes
    EXPECT_LT(LengthCost(72), LengthCost(24));
    EXPECT_LT(LengthCost(24), LengthCost(12));
    EXPECT_LT(LengthCost(12), LengthCost(60));  // a quarter tied to a sixteenth
}

TEST(QuantizeOnsets, ADottedRhythmKeepsItsPlaces) {
    // 3. 2/ 1 in 4/4 at a tempo of 100, each onset 10 ms off.
    const Quantized q = QuantizeOnsets(MeterGrid({4, 4}), Onsets({0.8, 72.8, 95.2, 143.2}));
    EXPECT_EQ(q.places, (std::vector<int>{0, 72, 96, 144}));
}

TEST(QuantizeOnsets, TripletsAreToldFromSixteenths) {
    const MeterGrid grid({2, 4});
    EXPECT_EQ(QuantizeOnsets(grid, Onsets({0, 16, 32, 48, 96})).places,
              (std::vector<int>{0, 16, 32, 48, 96}));
    EXPECT_EQ(QuantizeOnsets(grid, Onsets({0, 12, 24, 36, 48, 96})).places,
              (std::vector<int>{0, 12, 24, 36, 48, 96}));
    // 6/8 has no triplets: its eighths are the plain division.
    EXPECT_EQ(QuantizeOnsets(MeterGrid({6, 8}), Onsets({0, 24, 48, 72})).places,
              (std::vector<int>{0, 24, 48, 72}));
}

TEST(QuantizeOnsets, OneQuarterNeverMixesTripletsWithSixteenths) {
    // Onsets between a sixteenth and a triplet place: either division, not both.
    const Quantized q = QuantizeOnsets(MeterGrid({2, 4}), Onsets({0, 14, 34, 48}));
    ASSERT_EQ(q.places.size(), 4u);
    const bool triplet = q.places[1] % 16 == 0 && q.places[2] % 16 == 0;
    const bool plain = q.places[1] % 12 == 0 && q.places[2] % 12 == 0;
    EXPECT_TRUE(triplet || plain) << q.places[1] << " " << q.places[2];
}

TEST(QuantizeOnsets, CrowdedOnsetsStillGetPlacesInOrder) {
    const Quantized q = QuantizeOnsets(MeterGrid({2, 4}), Onsets({0, 1, 2, 3, 48}));
    ASSERT_EQ(q.places.size(), 5u);
    for (size_t k = 1; k < q.places.size(); ++k) EXPECT_GE(q.places[k] - q.places[k - 1], 12);
}

TEST(QuantizeOnsets, MalformedInputPlacesNothing) {
    QuantizeInput in = Onsets({0, 48});
    in.spreads.pop_back();
    EXPECT_TRUE(QuantizeOnsets(MeterGrid({2, 4}), in).places.empty());
    in = Onsets({0, 48});
    in.secondsPerTick = 0;
    EXPECT_TRUE(QuantizeOnsets(MeterGrid({2, 4}), in).places.empty());
    EXPECT_TRUE(QuantizeOnsets(MeterGrid({2, 4}), Onsets({})).places.empty());
}

PlacedNote Placed(int place, double sounding, bool triplet = false) {
    PlacedNote p;
    p.place = place;
    p.sounding = sounding;
    p.triplet = triplet;
    return p;
}

TEST(WriteLengths, ANoteLastsToTheNextOnsetUnlessASilenceFollows) {
    // Legato quarters, then a quarter sounding half its time before a quarter's rest.
    const auto notes = WriteLengths(
        {Placed(0, 48), Placed(48, 40), Placed(96, 44), Placed(192, 90)}, MeterGrid({2, 4}));
    ASSERT_EQ(notes.size(), 5u);
    EXPECT_EQ(notes[0].ticks, 48);
    EXPECT_EQ(notes[1].ticks, 48);  // a short gap is no rest
    EXPECT_EQ(notes[2].ticks, 48);
    EXPECT_TRUE(notes[3].rest);
    EXPECT_EQ(notes[3].ticks, 48);
    EXPECT_EQ(notes[4].ticks, 96);  // the last note to its bar line
    EXPECT_EQ(notes[4].heard, 3);
}

TEST(WriteLengths, AfterAPickupThePieceEndsWithTheRestOfItsBar) {
    // 3/4 from a quarter's pickup: the last bar holds two beats.
    const auto notes =
        WriteLengths({Placed(96, 48), Placed(144, 130), Placed(288, 80)}, MeterGrid({3, 4}), 96);
    ASSERT_EQ(notes.size(), 3u);
    EXPECT_EQ(notes[1].ticks, 144);
    EXPECT_EQ(notes[2].ticks, 96);
    EXPECT_EQ(notes[2].End(), 384);
}

TEST(WriteLengths, AShortLastNoteIsFollowedByRestsToTheBarLine) {
    const auto notes = WriteLengths({Placed(0, 96), Placed(96, 20)}, MeterGrid({2, 4}));
    ASSERT_EQ(notes.size(), 3u);
    EXPECT_EQ(notes[1].ticks, 24);
    EXPECT_TRUE(notes[2].rest);
    EXPECT_EQ(notes[2].End(), 192);
}

TEST(WriteLengths, TripletsGetNoRestsOfTheirOwn) {
    const auto notes =
        WriteLengths({Placed(0, 8, true), Placed(16, 8, true), Placed(32, 8, true), Placed(48, 48)},
                     MeterGrid({2, 4}));
    ASSERT_EQ(notes.size(), 4u);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(notes[static_cast<size_t>(k)].ticks, 16);
}

}  // namespace
}  // namespace sorvel::listen
