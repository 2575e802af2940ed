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
// a tied repeat (never for rests).
void Greedy(std::vector<ValuePiece>& out, int t, int rest, bool tied, bool isRest) {
    for (const Value& v : kValues) {
        while (rest >= v.ticks) {
            Add(out, t, v.ticks, false, tied && !isRest);
            t += v.ticks;
            rest -= v.ticks;
            tied = true;
        }
    }
}

}  // namespace

bool SingleValue(int ticks, int& length, int& futen) {
    for (const Value& v : kValues) {
        if (v.ticks == ticks) {
            length = v.length;
            futen = v.futen;
            return true;
        }
    }
    return false;
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
