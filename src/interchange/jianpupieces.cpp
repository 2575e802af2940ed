#include "interchange/jianpupieces.h"

#include <algorithm>

#include "edit/notevalues.h"

namespace sorvel::interchange {
namespace {

constexpr int kBeat = kTicksPerQuarter;
// Triplet numerals by underlines: a quarter triplet is 32 ticks, …
constexpr int kTripletTicks[] = {32, 16, 8, 4};

class PieceWriter {
public:
    PieceWriter(std::vector<JianpuPiece>& out) : out_(out) {}

    // A note or rest written as numbers notation writes its length: the rules
    // typed music follows too (one numeral, or a quarter, dashes and ties).
    void Note(int source, int onset, int ticks, const JianpuPitch& pitch) {
        for (const ValuePiece& v : WriteDuration(onset, ticks, false)) {
            Add(v.dash ? JianpuPiece::Kind::Dash : JianpuPiece::Kind::Note, source, v, pitch);
        }
    }

    void Rest(int source, int onset, int ticks) {
        for (const ValuePiece& v : WriteDuration(onset, ticks, true)) {
            Add(JianpuPiece::Kind::Rest, source, v, {});
        }
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
    void Add(JianpuPiece::Kind kind, int source, const ValuePiece& v, const JianpuPitch& pitch) {
        JianpuPiece p;
        p.kind = kind;
        p.onset = v.onset;
        p.ticks = v.ticks;
        p.length = v.length;
        p.futen = v.futen;
        p.pitch = pitch;
        p.source = source;
        p.tiedToPrevious = v.tied;
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
