// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/jianputuplets.h"

#include <algorithm>

namespace sorvel::interchange {
namespace {

// Triplet numerals by underlines, as the timing pass counts them.
constexpr int kTripletTicks[] = {32, 16, 8, 4};

// Each note as triplet numerals, longest first; false when a length is no
// sum of them. Then the longest numerals are halved (under a tie) until the
// group makes whole brackets of three.
bool TripletNumerals(std::span<const TupletNote> notes, std::vector<TupletNumeral>& out) {
    for (size_t i = 0; i < notes.size(); ++i) {
        int left = notes[i].ticks;
        bool first = true;
        for (int t : kTripletTicks) {
            for (; left >= t; left -= t, first = false) {
                out.push_back({static_cast<int>(i), t, !first && !notes[i].rest});
            }
        }
        if (left != 0) return false;
    }
    while (out.size() % 3 != 0) {
        const auto longest = std::max_element(
            out.begin(), out.end(),
            [](const TupletNumeral& a, const TupletNumeral& b) { return a.ticks < b.ticks; });
        if (longest->ticks <= kTripletTicks[3]) return false;
        longest->ticks /= 2;
        TupletNumeral half = *longest;
        half.tied = !notes[static_cast<size_t>(half.note)].rest;
        out.insert(longest + 1, half);
    }
    return true;
}

}  // namespace

TupletWriting WriteTuplet(std::span<const TupletNote> notes, bool tripletRatio) {
    TupletWriting w;
    if (tripletRatio && TripletNumerals(notes, w.numerals)) {
        w.triplets = true;
        return w;
    }
    // Each note keeps the ticks the reader gave it, so that it starts on the
    // tick nearest its place in the group; the plain lengths write any ticks.
    w.numerals.clear();
    for (size_t i = 0; i < notes.size(); ++i)
        w.numerals.push_back({static_cast<int>(i), notes[i].ticks, false});
    return w;
}

int TripletUnderlines(int ticks) {
    for (int i = 0; i < 4; ++i) {
        if (kTripletTicks[i] == ticks) return i;
    }
    return -1;
}

}  // namespace sorvel::interchange
