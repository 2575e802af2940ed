// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/jianpupieces.h"

#include <algorithm>

#include "edit/notevalues.h"
#include "interchange/jianputuplets.h"

namespace sorvel::interchange {
namespace {

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

    void Triplet(int source, int onset, const TupletNumeral& numeral, const JianpuPitch& pitch,
                 bool rest, bool mark) {
        JianpuPiece p;
        p.kind = rest ? JianpuPiece::Kind::Rest : JianpuPiece::Kind::Note;
        p.onset = onset;
        p.ticks = numeral.ticks;
        p.length = TripletUnderlines(numeral.ticks);
        p.pitch = pitch;
        p.source = source;
        p.tiedToPrevious = numeral.tied;
        p.triplet = true;
        p.tripletMark = mark;
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

// The notes of one tuplet: indexes into the measure's notes from `first`
// up to `last`, and its ratio.
struct TupletGroup {
    size_t first = 0, last = 0;
    int actual = 3, normal = 2;
};

// The tuplet note `i` begins, if any: the measure's tuplet its onset falls
// in, or (for notes marked as triplets without one) the run of triplets
// from it.
bool GroupAt(const ImportedMeasure& measure, size_t i, TupletGroup& group) {
    const auto& notes = measure.notes;
    const int onset = notes[i].onset;
    // The tuplets are in time order: the one that begins last at or before the onset.
    const auto after =
        std::upper_bound(measure.tuplets.begin(), measure.tuplets.end(), onset,
                         [](int t, const ImportedTuplet& tuplet) { return t < tuplet.onset; });
    if (after != measure.tuplets.begin() && onset < (after - 1)->end) {
        const ImportedTuplet& t = *(after - 1);
        group = {i, i, t.actual, t.normal};
        while (group.last + 1 < notes.size() && notes[group.last + 1].onset < t.end) ++group.last;
        return true;
    }
    if (!notes[i].triplet) return false;
    group = {i, i, 3, 2};
    while (group.last + 1 < notes.size() && notes[group.last + 1].triplet) ++group.last;
    return true;
}

bool InTuplet(const ImportedMeasure& measure, size_t i) {
    TupletGroup group;
    return GroupAt(measure, i, group);
}

// Writes a tuplet that starts at `time`; returns where it ends.
int WriteGroup(const ImportedMeasure& measure, const TupletGroup& group, const Tonic& tonic,
               int time, PieceWriter& writer, MeasurePieces& out) {
    const auto& notes = measure.notes;
    std::vector<int> members;
    std::vector<TupletNote> lengths;
    for (size_t k = group.first; k <= group.last; ++k) {
        // Each note lasts up to the next one's onset, so no gap shifts the group.
        const int end = k < group.last ? notes[k + 1].onset : notes[k].onset + notes[k].duration;
        if (notes[k].duration <= 0 || end <= notes[k].onset) continue;
        members.push_back(static_cast<int>(k));
        lengths.push_back({end - notes[k].onset, notes[k].rest});
    }
    const TupletWriting w = WriteTuplet(lengths, group.actual * 2 == group.normal * 3);
    for (size_t i = 0; i < w.numerals.size(); ++i) {
        const TupletNumeral& numeral = w.numerals[i];
        const int source = members[static_cast<size_t>(numeral.note)];
        const ImportedNote& n = notes[static_cast<size_t>(source)];
        out.groupOf[static_cast<size_t>(source)] = source;
        const JianpuPitch pitch = n.rest ? JianpuPitch{} : ToJianpu(n.pitch, tonic);
        if (w.triplets)
            writer.Triplet(source, time, numeral, pitch, n.rest, i % 3 == 0);
        else if (n.rest)
            writer.Rest(source, time, numeral.ticks);
        else
            writer.Note(source, time, numeral.ticks, pitch);
        time += numeral.ticks;
    }
    if (!w.triplets)
        out.unbracketed.push_back(group.actual);
    else if (group.actual != 3)
        out.asTriplets.push_back(group.actual);
    return time;
}

}  // namespace

MeasurePieces PiecesOfMeasure(const ImportedMeasure& measure, const Tonic& tonic) {
    MeasurePieces out;
    out.groupOf.assign(measure.notes.size(), -1);
    PieceWriter writer(out.pieces);
    const auto& notes = measure.notes;
    int time = 0;
    for (size_t i = 0; i < notes.size(); ++i) {
        const ImportedNote& n = notes[i];
        const int source = static_cast<int>(i);
        if (n.duration <= 0) continue;
        // A gap the reader did not fill (it fills them) would shift later notes.
        if (n.onset > time) writer.Rest(source, time, n.onset - time);
        time = std::max(time, n.onset);
        if (TupletGroup group; GroupAt(measure, i, group)) {
            time = WriteGroup(measure, group, tonic, time, writer, out);
            i = group.last;
            continue;
        }
        const JianpuPitch pitch = n.rest ? JianpuPitch{} : ToJianpu(n.pitch, tonic);
        int ticks = n.duration;
        // Ties to following notes of the same pitch inside the bar join them.
        size_t j = i;
        while (!n.rest && notes[j].tieToNext && j + 1 < notes.size() && !notes[j + 1].rest &&
               MidiOfPitch(notes[j + 1].pitch) == MidiOfPitch(n.pitch) &&
               notes[j + 1].onset == notes[j].onset + notes[j].duration &&
               !InTuplet(measure, j + 1)) {
            ++j;
            ticks += notes[j].duration;
        }
        for (size_t k = i; k <= j; ++k) out.groupOf[k] = source;
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
