// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/notevalues.h"

namespace sorvel {
namespace {

constexpr int kBeat = kQuarterTicks;
constexpr int kLongestNumeral = 72;  // the dotted quarter

struct Value {
    int ticks, length, futen;
};
// Every length one numeral writes, longest first (the shortest is the
// sixty-fourth, which the timing pass still counts).
constexpr Value kValues[] = {{72, 0, 1}, {48, 0, 0}, {36, 1, 1}, {24, 1, 0}, {18, 2, 1},
                             {12, 2, 0}, {9, 3, 1},  {6, 3, 0},  {3, 4, 0}};
// Shorter than a sixty-fourth's dot or a tick apart from it: the dotted
// sixty-fourth (3 + 3 div 2 ticks) and the hundred-twenty-eighth (48 div 32).
constexpr Value kDottedSixtyFourth = {4, 4, 1};
constexpr Value kHundredTwentyEighth = {1, 5, 0};

void Add(std::vector<ValuePiece>& out, int onset, int ticks, bool dash, bool tied) {
    ValuePiece p;
    p.onset = onset;
    p.ticks = ticks;
    if (!dash) SingleValue(ticks, p.length, p.futen);
    p.dash = dash;
    p.tied = tied;
    out.push_back(p);
}

// Splits into the longest values first; after the first piece every piece is
// a tied repeat (never for rests). The values above are multiples of the
// sixty-fourth's 3 ticks: a length that is none ends in one or two dotted
// sixty-fourths (4 ticks, as the timing pass counts them), or in
// hundred-twenty-eighths (1 tick) where those do not fit, so that every
// length is written exactly.
void Greedy(std::vector<ValuePiece>& out, int t, int rest, bool tied, bool isRest) {
    int dotted = rest % 3;
    if (kDottedSixtyFourth.ticks * dotted > rest) dotted = rest / kDottedSixtyFourth.ticks;
    const int ones = (rest - kDottedSixtyFourth.ticks * dotted) % 3;
    rest -= kDottedSixtyFourth.ticks * dotted + ones;
    auto add = [&](int ticks) {
        Add(out, t, ticks, false, tied && !isRest);
        t += ticks;
        tied = true;
    };
    for (const Value& v : kValues) {
        for (; rest >= v.ticks; rest -= v.ticks) add(v.ticks);
    }
    for (int i = 0; i < dotted; ++i) add(kDottedSixtyFourth.ticks);
    for (int i = 0; i < ones; ++i) add(kHundredTwentyEighth.ticks);
}

}  // namespace

bool SingleValue(int ticks, int& length, int& futen) {
    auto take = [&](const Value& v) {
        if (v.ticks != ticks) return false;
        length = v.length;
        futen = v.futen;
        return true;
    };
    for (const Value& v : kValues) {
        if (take(v)) return true;
    }
    return take(kDottedSixtyFourth) || take(kHundredTwentyEighth);
}

std::vector<ValuePiece> WriteDuration(int onset, int ticks, bool rest) {
    std::vector<ValuePiece> out;
    int length = 0, futen = 0;
    if (ticks <= kLongestNumeral && SingleValue(ticks, length, futen)) {
        Add(out, onset, ticks, false, false);
        return out;
    }
    int t = onset;
    if (rest) {
        for (; ticks >= kBeat; ticks -= kBeat, t += kBeat) Add(out, t, kBeat, false, false);
        Greedy(out, t, ticks, false, true);
        return out;
    }
    if (ticks < kBeat) {
        Greedy(out, t, ticks, false, false);
        return out;
    }
    Add(out, t, kBeat, false, false);
    for (t += kBeat, ticks -= kBeat; ticks >= kBeat; t += kBeat, ticks -= kBeat) {
        Add(out, t, kBeat, true, false);
    }
    Greedy(out, t, ticks, true, false);
    return out;
}

}  // namespace sorvel
