// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/writtenscore.h"

#include <algorithm>

#include "interchange/musicxmlvocabulary.h"
#include "model/majorkey.h"

namespace sorvel::listen {
namespace {

using interchange::ImportedMeasure;
using interchange::ImportedNote;

constexpr char kLetters[] = "CDEFGAB";
constexpr int kNaturalPc[7] = {0, 2, 4, 5, 7, 9, 11};
// Degree (1 … 7) and accidental for each semitone above the tonic.
constexpr int kDegreeOf[12] = {1, 1, 2, 3, 3, 4, 4, 5, 5, 6, 7, 7};

int Mod(int a, int b) {
    return (a % b + b) % b;
}

// Whether a place lies inside a quarter (not on its start) at a third of it.
bool TripletPlace(int tick) {
    const int q = Mod(tick, kQuarter);
    return q == kQuarter / 3 || q == 2 * kQuarter / 3;
}

// The quarters [start, start + 48) that hold a triplet place: a note or a
// rest begins or ends there.
std::vector<int> TripletQuarters(const WrittenMusic& music) {
    std::vector<int> quarters;
    for (const WrittenNote& n : music.notes) {
        for (int t : {n.start, n.End()}) {
            if (!TripletPlace(t)) continue;
            const int q = t - Mod(t, kQuarter);
            if (quarters.empty() || quarters.back() != q) quarters.push_back(q);
        }
    }
    std::sort(quarters.begin(), quarters.end());
    quarters.erase(std::unique(quarters.begin(), quarters.end()), quarters.end());
    return quarters;
}

// Every place a note must be cut: bar lines and the edges of triplet quarters.
std::vector<int> CutPlaces(const WrittenMusic& music, int end) {
    std::vector<int> cuts;
    const int bar = music.meter.BarTicks();
    for (int t = bar; t < end; t += bar) cuts.push_back(t);
    for (int q : TripletQuarters(music)) cuts.insert(cuts.end(), {q, q + kQuarter});
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    return cuts;
}

void AddMarks(const WrittenNote& n, const WrittenNote* before, ImportedNote& note) {
    using interchange::CodeOfElement;
    using interchange::MarkPlace;
    if (n.slideIn) {
        const int from = n.slideFrom != 0          ? n.slideFrom
                         : before && !before->rest ? before->midi
                                                   : 0;
        note.slideIn = from > n.midi ? markcode::kSlideDown : markcode::kSlideUp;
    }
    if (n.vibrato) note.signs += CodeOfElement(MarkPlace::Ornaments, "other-ornament", "vibrato");
    if (n.trill) note.signs += CodeOfElement(MarkPlace::Ornaments, "trill-mark");
}

ImportedMeasure& MeasureAt(WrittenScore& out, const WrittenMusic& music, int tick) {
    const int bar = music.meter.BarTicks();
    const size_t m = static_cast<size_t>(std::max(0, tick / bar));
    auto& measures = out.score.measures;
    while (measures.size() <= m) {
        ImportedMeasure measure;
        const int index = static_cast<int>(measures.size());
        measure.number = std::to_string(music.firstOffset > 0 ? index : index + 1);
        measure.length = index == 0 ? bar - music.firstOffset : bar;
        measures.push_back(std::move(measure));
    }
    return measures[m];
}

// The measure-relative onset of a tick.
int InMeasure(const WrittenMusic& music, int tick) {
    const int bar = music.meter.BarTicks();
    const int start = tick / bar * bar;
    return tick - (start == 0 ? music.firstOffset : start);
}

void MarkTuplets(WrittenScore& out, const WrittenMusic& music) {
    for (int q : TripletQuarters(music)) {
        ImportedMeasure& measure = MeasureAt(out, music, q);
        const int onset = std::max(0, InMeasure(music, q));
        measure.tuplets.push_back({onset, onset + kQuarter, 3, 2});
        for (ImportedNote& note : measure.notes) {
            if (note.onset >= onset && note.onset < onset + kQuarter) note.triplet = true;
        }
    }
}

}  // namespace

interchange::XmlPitch SpellInKey(int midi, int fifths) {
    const Tonic tonic = TonicOfFifths(fifths);
    const int above = Mod(midi - tonic.semitone, 12);
    const int letter = (tonic.letter + kDegreeOf[above] - 1) % 7;
    const int target = Mod(midi, 12);
    const int alter = Mod(target - kNaturalPc[letter] + 6, 12) - 6;
    const int octave = (midi - alter - kNaturalPc[letter]) / 12 - 1;
    return {kLetters[letter], alter, octave};
}

WrittenScore ScoreOfWritten(const WrittenMusic& music, const std::string& title) {
    WrittenScore out;
    out.score.title = title;
    out.score.fifths = music.fifths;
    out.score.tempo = music.tempo;
    out.score.partNumber = 1;
    out.score.partCount = 1;
    const int end = music.notes.empty() ? 0 : music.notes.back().End();
    const std::vector<int> cuts = CutPlaces(music, end);
    for (size_t i = 0; i < music.notes.size(); ++i) {
        const WrittenNote& n = music.notes[i];
        const WrittenNote* before = i > 0 ? &music.notes[i - 1] : nullptr;
        if (n.ticks <= 0) {
            out.firstPiece.emplace_back(out.score.measures.size(), 0);
            continue;
        }
        auto cut = std::upper_bound(cuts.begin(), cuts.end(), n.start);
        for (int from = n.start; from < n.End();) {
            const int to = cut != cuts.end() && *cut < n.End() ? *cut++ : n.End();
            ImportedMeasure& measure = MeasureAt(out, music, from);
            ImportedNote piece;
            piece.onset = InMeasure(music, from);
            piece.duration = to - from;
            piece.rest = n.rest;
            if (!n.rest) piece.pitch = SpellInKey(n.midi, music.fifths);
            piece.tieToNext = !n.rest && to < n.End();
            if (from == n.start) {
                out.firstPiece.emplace_back(static_cast<size_t>(from / music.meter.BarTicks()),
                                            measure.notes.size());
                if (!n.rest) AddMarks(n, before, piece);
                if (i > 0) piece.tempo = n.tempo;
            }
            measure.notes.push_back(piece);
            from = to;
        }
    }
    MarkTuplets(out, music);
    // A piece that began with a pickup ends with the rest of its bar.
    if (!out.score.measures.empty() && end > 0) {
        const int bar = music.meter.BarTicks();
        const int last = (end - 1) / bar;
        if (last > 0) out.score.measures.back().length = end - last * bar;
    }
    if (!out.score.measures.empty()) {
        out.score.measures.front().beats = music.meter.beats;
        out.score.measures.front().beatType = music.meter.beatType;
        out.score.measures.back().rightBar = 'e';
    }
    return out;
}

}  // namespace sorvel::listen
