// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/takealign.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace sorvel::practice {
namespace {

// Prices of the alignment, in the unit of a right note's worst pitch cost.
constexpr double kMissed = 1.0;      // a written note not played
constexpr double kMissedMore = 0.4;  // … each further one in a row (a bar left out is one slip)
constexpr double kExtraShort = 0.4;  // a heard note not written: a grace note, a slip
constexpr double kExtraLong = 0.8;   // … and more for a long one (up to half a beat)
constexpr double kSplit = 0.15;      // one written note heard as two (a wobble of the pitch)
constexpr double kSplitAttacked = 0.5;  // … the second begun by an attack (a bow change)
constexpr double kMergeSame = 0.35;     // repeated notes heard as one
constexpr double kMergeOther = 2.0;     // two different written notes on one heard note
constexpr double kWrongCap = 1.5;       // the price of a wrong note, however wrong
constexpr double kOctave = 0.5;         // the right note an octave off
// Between two matched notes the take's time should follow the written beats
// at the take's tempo: a change beyond 15 % costs, a jump (a bar left out)
// costs at most kTiming, so a path with one jump beats one with two.
constexpr double kTiming = 0.6;
constexpr double kTempoSlack = 0.15;
// A block of written notes played by a block of heard notes (one note, a
// note heard in pieces, repeated notes in one bow) should last about as long
// as written: a sounding length beyond half or twice the written one costs,
// at most kLengthCap (a held last note, a staccato are no worse than that).
constexpr double kLength = 1.0;
constexpr double kLengthSlack = 0.45;
constexpr double kLengthCap = 0.6;

constexpr float kNone = std::numeric_limits<float>::infinity();

enum Table : std::uint8_t { kM, kX, kY, kStart };

// Three tables over (written i, heard j), 1-based, 0 = nothing yet:
// M: written i played by heard j; X: heard j not written; Y: written i missed.
class Lattice {
public:
    Lattice(int n, int m)
        : n_(n),
          m_(m),
          cost_(3 * Size(), kNone),
          from_(3 * Size(), kStart),
          last_(3 * Size()),
          block_(Size()) {}

    float& Cost(Table t, int i, int j) { return cost_[Index(t, i, j)]; }
    std::uint8_t& From(Table t, int i, int j) { return from_[Index(t, i, j)]; }
    // The last written and heard note matched on the best path to a cell.
    std::pair<int, int>& Last(Table t, int i, int j) { return last_[Index(t, i, j)]; }
    // The block of the match at M(i, j): its first written and heard note
    // (1-based) and the length cost charged for it so far.
    struct Block {
        int written = 0, heard = 0;
        float cost = 0;
    };
    Block& BlockOf(int i, int j) { return block_[Index(kM, i, j)]; }
    std::pair<int, int> LastOf(int i, int j, Table t) {
        return t == kStart ? std::pair<int, int>{0, 0} : Last(t, i, j);
    }
    // The cheapest table at (i, j); the start when nothing was taken yet.
    std::pair<float, Table> Best(int i, int j) {
        if (i == 0 && j == 0) return {0.0f, kStart};
        std::pair<float, Table> best{kNone, kM};
        for (Table t : {kM, kX, kY})
            if (Cost(t, i, j) < best.first) best = {Cost(t, i, j), t};
        return best;
    }

private:
    std::size_t Size() const { return static_cast<std::size_t>(n_ + 1) * (m_ + 1); }
    std::size_t Index(Table t, int i, int j) const {
        return t * Size() + static_cast<std::size_t>(i) * (m_ + 1) + j;
    }
    int n_, m_;
    std::vector<float> cost_;
    std::vector<std::uint8_t> from_;
    std::vector<std::pair<int, int>> last_;
    std::vector<Block> block_;
};

// How M was reached: from the best of the previous cell, from heard j-1 on
// the same written note (split), from written i-1 on the same heard note (merge).
enum MatchMove : std::uint8_t {
    kDiagonalM,
    kDiagonalX,
    kDiagonalY,
    kDiagonalStart,
    kSplitMove,
    kMergeMove
};

double ExtraCost(const HeardPitch& h, double secondsPerBeat) {
    const double share = std::clamp((h.offset - h.onset) / (0.5 * secondsPerBeat), 0.0, 1.0);
    return kExtraShort + kExtraLong * share;
}

// The cost of the take's time from matched pair `last` to (i, j) against
// the written beats between them (1-based indices; 0: nothing matched yet).
double TimingCost(const std::vector<WrittenNote>& written, const std::vector<HeardPitch>& heard,
                  std::pair<int, int> last, int i, int j, double secondsPerBeat) {
    if (last.first == 0) return 0;
    const double beats = written[i - 1].beat - written[last.first - 1].beat;
    const double seconds = heard[j - 1].onset - heard[last.second - 1].onset;
    if (beats <= 0 || seconds <= 0) return kTiming;
    const double change = std::abs(std::log(seconds / (beats * secondsPerBeat)));
    return kTiming * std::clamp(change - kTempoSlack, 0.0, 1.0);
}

// The length cost of written notes a…i played by heard notes b…j (1-based).
double LengthCost(const std::vector<WrittenNote>& written, const std::vector<HeardPitch>& heard,
                  int a, int i, int b, int j, double secondsPerBeat) {
    const double beats = written[i - 1].beat + written[i - 1].beats - written[a - 1].beat;
    const double seconds = heard[j - 1].offset - heard[b - 1].onset;
    if (beats <= 0 || seconds <= 0) return 0;
    const double change = std::abs(std::log(seconds / (beats * secondsPerBeat)));
    return std::min(kLength * std::max(change - kLengthSlack, 0.0), kLengthCap);
}

// Written note i not played, after heard note j: dearer for the first of a run.
void FillMissed(Lattice& lat, int i, int j) {
    auto [prev, table] = lat.Best(i - 1, j);
    double cost = prev + kMissed;
    if (i > 1 && lat.Cost(kY, i - 1, j) + kMissedMore < cost) {
        cost = lat.Cost(kY, i - 1, j) + kMissedMore;
        table = kY;
    }
    lat.Cost(kY, i, j) = static_cast<float>(cost);
    lat.From(kY, i, j) = table;
    lat.Last(kY, i, j) = lat.LastOf(i - 1, j, table);
}

// Written note i played by heard note j: after the notes before (a new
// block), or joining the block of heard j-1 (split) or of written i-1 (merge).
void FillMatch(Lattice& lat, const std::vector<WrittenNote>& written,
               const std::vector<HeardPitch>& heard, int i, int j, double secondsPerBeat) {
    const double pitch = PitchCost(written[i - 1].midi, heard[j - 1].pitch);
    // Each table of the cell before with its own timing: the cheapest of
    // them may have its last match where the time to this one costs most.
    double best = kNone;
    std::uint8_t move = kDiagonalStart;
    if (i == 1 && j == 1) best = 0;
    for (Table t : {kM, kX, kY}) {
        const double cost = lat.Cost(t, i - 1, j - 1);
        if (cost == kNone) continue;
        const double timing =
            TimingCost(written, heard, lat.LastOf(i - 1, j - 1, t), i, j, secondsPerBeat);
        if (cost + timing < best) best = cost + timing, move = static_cast<std::uint8_t>(t);
    }
    Lattice::Block block{i, j, 0};
    const auto extend = [&](const Lattice::Block& from, double cost, std::uint8_t how) {
        if (from.written == 0) return;  // nothing matched there
        const double length =
            LengthCost(written, heard, from.written, i, from.heard, j, secondsPerBeat);
        if (cost + length - from.cost < best + block.cost) {
            best = cost - from.cost;
            block = {from.written, from.heard, static_cast<float>(length)};
            move = how;
        }
    };
    block.cost = static_cast<float>(LengthCost(written, heard, i, i, j, j, secondsPerBeat));
    const double splitPrice = heard[j - 1].attacked ? kSplitAttacked : kSplit;
    extend(lat.BlockOf(i, j - 1), lat.Cost(kM, i, j - 1) + splitPrice, kSplitMove);
    if (i > 1) {
        const bool same = written[i - 2].midi == written[i - 1].midi;
        extend(lat.BlockOf(i - 1, j), lat.Cost(kM, i - 1, j) + (same ? kMergeSame : kMergeOther),
               kMergeMove);
    }
    lat.Cost(kM, i, j) = static_cast<float>(best + block.cost + pitch);
    lat.From(kM, i, j) = move;
    lat.BlockOf(i, j) = block;
    lat.Last(kM, i, j) = {i, j};
}

void Fill(Lattice& lat, const std::vector<WrittenNote>& written,
          const std::vector<HeardPitch>& heard, double secondsPerBeat) {
    const int n = static_cast<int>(written.size()), m = static_cast<int>(heard.size());
    for (int i = 0; i <= n; ++i) {
        for (int j = 0; j <= m; ++j) {
            if (j > 0) {
                const auto [prev, table] = lat.Best(i, j - 1);
                lat.Cost(kX, i, j) =
                    static_cast<float>(prev + ExtraCost(heard[j - 1], secondsPerBeat));
                lat.From(kX, i, j) = table;
                lat.Last(kX, i, j) = lat.LastOf(i, j - 1, table);
            }
            if (i > 0) FillMissed(lat, i, j);
            if (i == 0 || j == 0) continue;
            FillMatch(lat, written, heard, i, j, secondsPerBeat);
        }
    }
}

// Walks back from the end, writing the heard notes of every written note.
std::vector<NoteMatch> Trace(Lattice& lat, int n, int m) {
    std::vector<NoteMatch> matches(static_cast<std::size_t>(n));
    int i = n, j = m;
    Table t = lat.Best(n, m).second;
    while (t != kStart && (i > 0 || j > 0)) {
        const std::uint8_t from = lat.From(t, i, j);
        if (t == kX) {
            --j;
            t = static_cast<Table>(from);
        } else if (t == kY) {
            --i;
            t = static_cast<Table>(from);
        } else {
            NoteMatch& match = matches[static_cast<std::size_t>(i - 1)];
            match.first = j - 1;
            if (match.last < 0) match.last = j - 1;
            if (from == kSplitMove) {
                --j;
                t = kM;
            } else if (from == kMergeMove) {
                --i;
                t = kM;
            } else {
                --i, --j;
                t = static_cast<Table>(from);
            }
        }
    }
    return matches;
}

}  // namespace

double PitchCost(double written, double heard) {
    const double d = std::abs(heard - written);
    double folded = std::fmod(d, 12.0);
    folded = std::min(folded, 12.0 - folded);
    const double cost =
        folded <= 0.5 ? 0.4 * folded : std::min(0.2 + 0.9 * (folded - 0.5), kWrongCap);
    return cost + (d > 6.0 ? kOctave : 0.0);
}

PricedAlignment AlignNotesPriced(const std::vector<WrittenNote>& written,
                                 const std::vector<HeardPitch>& heard, double secondsPerBeat) {
    const int n = static_cast<int>(written.size()), m = static_cast<int>(heard.size());
    if (n == 0) return {};
    Lattice lat(n, m);
    Fill(lat, written, heard, secondsPerBeat > 0 ? secondsPerBeat : 0.75);
    const double price = lat.Best(n, m).first;
    return {Trace(lat, n, m), price};
}

std::vector<NoteMatch> AlignNotes(const std::vector<WrittenNote>& written,
                                  const std::vector<HeardPitch>& heard, double secondsPerBeat) {
    return AlignNotesPriced(written, heard, secondsPerBeat).matches;
}

}  // namespace sorvel::practice
