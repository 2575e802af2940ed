#include "interchange/jianpupieces.h"

#include <algorithm>

namespace sorvel::interchange {
namespace {

constexpr int kBeat = kTicksPerQuarter;
// Triplet numerals by underlines: a quarter triplet is 32 ticks, …
constexpr int kTripletTicks[] = {32, 16, 8, 4};

struct Value {
    int ticks, length, futen;
};
// Every length one numeral writes, longest first (the shortest is the
// sixty-fourth, which the timing pass still counts).
constexpr Value kValues[] = {{72, 0, 1}, {48, 0, 0}, {36, 1, 1}, {24, 1, 0}, {18, 2, 1},
                             {12, 2, 0}, {9, 3, 1},  {6, 3, 0},  {3, 4, 0}};

class PieceWriter {
public:
    PieceWriter(std::vector<JianpuPiece>& out) : out_(out) {}

    void Note(int source, int onset, int ticks, const JianpuPitch& pitch) {
        int length = 0, futen = 0;
        if (ticks <= 72 && SingleValue(ticks, length, futen)) {
            Add(JianpuPiece::Kind::Note, source, onset, ticks, pitch, false);
            return;
        }
        int t = onset, rest = ticks;
        if (rest >= kBeat) {
            Add(JianpuPiece::Kind::Note, source, t, kBeat, pitch, false);
            t += kBeat;
            rest -= kBeat;
            while (rest >= kBeat) {
                Add(JianpuPiece::Kind::Dash, source, t, kBeat, pitch, false);
                t += kBeat;
                rest -= kBeat;
            }
            Greedy(JianpuPiece::Kind::Note, source, t, rest, pitch, true);
        } else {
            Greedy(JianpuPiece::Kind::Note, source, t, rest, pitch, false);
        }
    }

    void Rest(int source, int onset, int ticks) {
        int length = 0, futen = 0;
        if (ticks <= 72 && SingleValue(ticks, length, futen)) {
            Add(JianpuPiece::Kind::Rest, source, onset, ticks, {}, false);
            return;
        }
        int t = onset, rest = ticks;
        while (rest >= kBeat) {
            Add(JianpuPiece::Kind::Rest, source, t, kBeat, {}, false);
            t += kBeat;
            rest -= kBeat;
        }
        Greedy(JianpuPiece::Kind::Rest, source, t, rest, {}, false);
    }

    void Triplet(int source, int onset, int ticks, const JianpuPitch& pitch, bool rest,
                 int length) {
        JianpuPiece p;
        p.kind = rest ? JianpuPiece::Kind::Rest : JianpuPiece::Kind::Note;
        p.onset = onset;
        p.ticks = ticks;
        p.length = length;
        p.pitch = pitch;
        p.source = source;
        p.triplet = true;
        out_.push_back(p);
    }

private:
    // Splits into the longest values first; after the first piece of a note
    // every piece is a tied repeat.
    void Greedy(JianpuPiece::Kind kind, int source, int t, int rest, const JianpuPitch& pitch,
                bool tied) {
        for (const Value& v : kValues) {
            while (rest >= v.ticks) {
                Add(kind, source, t, v.ticks, pitch, tied && kind == JianpuPiece::Kind::Note);
                t += v.ticks;
                rest -= v.ticks;
                tied = true;
            }
        }
        // Less than the shortest value is lost; the reader's rounding leaves
        // nothing of the kind in scores of ordinary note values.
    }

    void Add(JianpuPiece::Kind kind, int source, int onset, int ticks, const JianpuPitch& pitch,
             bool tied) {
        JianpuPiece p;
        p.kind = kind;
        p.onset = onset;
        p.ticks = ticks;
        SingleValue(ticks, p.length, p.futen);
        if (kind == JianpuPiece::Kind::Dash) p.length = p.futen = 0;
        p.pitch = pitch;
        p.source = source;
        p.tiedToPrevious = tied;
        out_.push_back(p);
    }

    std::vector<JianpuPiece>& out_;
};

int TripletLength(int ticks) {
    for (int i = 0; i < 4; ++i) {
        if (kTripletTicks[i] == ticks) return i;
    }
    return -1;
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

std::vector<JianpuPiece> PiecesOfMeasure(const ImportedMeasure& measure, const Tonic& tonic,
                                         std::vector<int>* groupOf) {
    std::vector<JianpuPiece> out;
    if (groupOf) groupOf->assign(measure.notes.size(), -1);
    PieceWriter writer(out);
    const auto& notes = measure.notes;
    int time = 0;
    for (size_t i = 0; i < notes.size(); ++i) {
        const ImportedNote& n = notes[i];
        const int source = static_cast<int>(i);
        if (n.duration <= 0) continue;
        // A gap the reader did not fill (it fills them) would shift later notes.
        if (n.onset > time) writer.Rest(source, time, n.onset - time);
        time = std::max(time, n.onset);
        const JianpuPitch pitch = n.rest ? JianpuPitch{} : ToJianpu(n.pitch, tonic);
        const int tripletLength = n.triplet ? TripletLength(n.duration) : -1;
        if (tripletLength >= 0) {
            if (groupOf) (*groupOf)[i] = source;
            writer.Triplet(source, time, n.duration, pitch, n.rest, tripletLength);
            time += n.duration;
            continue;
        }
        int ticks = n.duration;
        // Ties to following notes of the same pitch inside the bar join them.
        size_t j = i;
        while (!n.rest && notes[j].tieToNext && j + 1 < notes.size() && !notes[j + 1].rest &&
               !notes[j + 1].triplet && MidiOfPitch(notes[j + 1].pitch) == MidiOfPitch(n.pitch) &&
               notes[j + 1].onset == notes[j].onset + notes[j].duration) {
            ++j;
            ticks += notes[j].duration;
        }
        if (groupOf) {
            for (size_t k = i; k <= j; ++k) (*groupOf)[k] = source;
        }
        if (n.rest)
            writer.Rest(source, time, ticks);
        else
            writer.Note(source, time, ticks, pitch);
        time += ticks;
        i = j;
    }
    if (measure.length > time)
        writer.Rest(static_cast<int>(notes.size()), time, measure.length - time);
    return out;
}

}  // namespace sorvel::interchange
