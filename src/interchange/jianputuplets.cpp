#include "interchange/jianputuplets.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "edit/notevalues.h"

namespace sorvel::interchange {
namespace {

// Triplet numerals by underlines, as the timing pass counts them.
constexpr int kTripletTicks[] = {32, 16, 8, 4};
// Every plain length a numeral or its ties can write is a multiple of the
// shortest numeral.
constexpr int kUnit = 3;
// How far, in ticks, a plain note may stand from its place in the group.
constexpr int kMaxShift = 12;
// What a length that needs tied numerals costs, against ticks of shift.
constexpr int kTiedLengthCost = 6;

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

bool OneNumeral(int ticks) {
    int length = 0, futen = 0;
    return SingleValue(ticks, length, futen);
}

// Each note's end rounded to the nearest multiple of the unit: exact in
// sum, though a note may need tied numerals or get no length at all.
std::vector<int> RoundedLengths(std::span<const int> ends) {
    std::vector<int> lengths;
    int previous = 0;
    for (size_t i = 0; i < ends.size(); ++i) {
        const int end =
            i + 1 == ends.size() ? ends[i] : std::max(previous, (ends[i] + 1) / kUnit * kUnit);
        lengths.push_back(end - previous);
        previous = end;
    }
    return lengths;
}

// Plain lengths that add up to the span: the cheapest path through the
// multiples of the unit near each note's end, a tick of shift costing one
// and a length that needs a tie more.
std::vector<int> PlainLengths(std::span<const TupletNote> notes) {
    std::vector<int> ends;
    int sum = 0;
    for (const TupletNote& note : notes) ends.push_back(sum += note.ticks);
    const int n = static_cast<int>(ends.size());
    const int units = sum / kUnit;
    if (n == 0 || sum % kUnit != 0 || units < n) return RoundedLengths(ends);

    // Per note the window of unit counts its end may take, with the best
    // cost of reaching each and the count it came from.
    struct Step {
        int low = 0;
        std::vector<int> cost, from;
    };
    std::vector<Step> steps(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        Step& s = steps[static_cast<size_t>(i)];
        const int target = ends[static_cast<size_t>(i)];
        s.low = std::max(i + 1, (target - kMaxShift + kUnit - 1) / kUnit);
        int high = std::min(units - (n - 1 - i), (target + kMaxShift) / kUnit);
        if (i == n - 1) s.low = high = units;
        if (high < s.low) return RoundedLengths(ends);
        s.cost.assign(static_cast<size_t>(high - s.low + 1), INT_MAX);
        s.from.assign(s.cost.size(), -1);
        for (int u = s.low; u <= high; ++u) {
            const int shift = std::abs(u * kUnit - target);
            auto offer = [&](int from, int before) {
                const int length = (u - from) * kUnit;
                if (length <= 0 || before == INT_MAX) return;
                const int cost = before + shift + (OneNumeral(length) ? 0 : kTiedLengthCost);
                int& best = s.cost[static_cast<size_t>(u - s.low)];
                if (cost < best) {
                    best = cost;
                    s.from[static_cast<size_t>(u - s.low)] = from;
                }
            };
            if (i == 0) {
                offer(0, 0);
                continue;
            }
            const Step& p = steps[static_cast<size_t>(i - 1)];
            for (size_t k = 0; k < p.cost.size(); ++k)
                offer(p.low + static_cast<int>(k), p.cost[k]);
        }
    }
    if (steps.back().cost.front() == INT_MAX) return RoundedLengths(ends);
    std::vector<int> lengths(static_cast<size_t>(n));
    for (int i = n - 1, u = units; i >= 0; --i) {
        const Step& s = steps[static_cast<size_t>(i)];
        const int from = s.from[static_cast<size_t>(u - s.low)];
        lengths[static_cast<size_t>(i)] = (u - from) * kUnit;
        u = from;
    }
    return lengths;
}

}  // namespace

TupletWriting WriteTuplet(std::span<const TupletNote> notes, bool tripletRatio) {
    TupletWriting w;
    if (tripletRatio && TripletNumerals(notes, w.numerals)) {
        w.triplets = true;
        return w;
    }
    w.numerals.clear();
    const std::vector<int> lengths = PlainLengths(notes);
    for (size_t i = 0; i < lengths.size(); ++i)
        w.numerals.push_back({static_cast<int>(i), lengths[i], false});
    return w;
}

int TripletUnderlines(int ticks) {
    for (int i = 0; i < 4; ++i) {
        if (kTripletTicks[i] == ticks) return i;
    }
    return -1;
}

}  // namespace sorvel::interchange
