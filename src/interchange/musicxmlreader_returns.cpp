// SPDX-License-Identifier: GPL-3.0-or-later
// The return after a D.S. or D.C. in the book's terms. After the jump a
// MusicXML score takes no repeat again and plays only the last ending of each
// group, and a repeat that ends where the jump stands is taken before the
// jump; the book's playback would repeat again, play the first endings and
// jump before the repeat. Where the return meets such a repeat or ending, the
// book gets the return written out after the jump's measure, measure by
// measure in the order it plays, and no jump: the segno, Fine and coda signs
// stay where they stand (without a jump playback passes them by).
#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "interchange/musicxmlreader_internal.h"
#include "interchange/musicxmlreader_partreader.h"
#include "interchange/musicxmlvocabulary.h"
#include "model/glyphcodes.h"

namespace sorvel::interchange::xmlread {
namespace {

// The jump signs of one measure, from the signs of its notes.
struct MeasureSigns {
    bool segno = false;
    bool fine = false;
    bool toCoda = false;  // a coda sign where a note ends: the play leaves for the coda
    bool coda = false;    // a coda sign where a note starts: the coda itself
    char jump = '\0';     // the first D.S. or D.C.
};

MeasureSigns SignsOf(const ImportedMeasure& m) {
    MeasureSigns s;
    for (const ImportedNote& n : m.notes) {
        s.segno |= n.signs.find(markcode::kSegno) != std::string::npos;
        s.coda |= n.signs.find(markcode::kCoda) != std::string::npos;
        s.fine |= n.signsAtEnd.find(markcode::kFine) != std::string::npos;
        s.toCoda |= n.signsAtEnd.find(markcode::kCoda) != std::string::npos;
        for (char code : n.signsAtEnd) {
            if (s.jump == '\0' && (code == markcode::kDalSegno || code == markcode::kDaCapo))
                s.jump = code;
        }
    }
    return s;
}

// For each measure under an ending, whether its ending is the last of its
// group (the endings that follow one another without a measure between).
std::vector<bool> LastEndings(const std::vector<ImportedMeasure>& measures) {
    std::vector<bool> last(measures.size(), false);
    for (size_t i = 0; i < measures.size();) {
        if (measures[i].ending == 0) {
            ++i;
            continue;
        }
        size_t end = i;
        int highest = 0;
        for (; end < measures.size() && measures[end].ending != 0; ++end)
            highest = std::max(highest, measures[end].ending);
        for (; i < end; ++i) last[i] = measures[i].ending == highest;
    }
    return last;
}

// The structure of the score's first jump: where it stands, where it goes
// and the measures the return plays, in order.
struct Return {
    size_t jump = 0;
    size_t target = 0;
    std::vector<size_t> order;
};

// The measures the return plays from `from`: each once, only the last
// endings; it ends after a Fine, and leaves at a To Coda for the next coda.
std::vector<size_t> ReturnOrder(const std::vector<ImportedMeasure>& measures,
                                const std::vector<MeasureSigns>& signs, size_t from) {
    const std::vector<bool> lastEnding = LastEndings(measures);
    std::vector<size_t> order;
    for (size_t k = from; k < measures.size();) {
        if (measures[k].ending != 0 && !lastEnding[k]) {
            ++k;
            continue;
        }
        order.push_back(k);
        if (signs[k].fine) break;
        size_t next = k + 1;
        if (signs[k].toCoda) {
            for (size_t c = k + 1; c < measures.size(); ++c) {
                if (signs[c].coda) {
                    next = c;
                    break;
                }
            }
        }
        k = next;
    }
    return order;
}

// Whether the book plays the return as the score does: it jumps to the same
// place and meets no repeat or ending on the way, and no repeat ends where
// the jump stands.
bool BookPlaysReturn(const std::vector<ImportedMeasure>& measures,
                     const std::vector<MeasureSigns>& signs, const Return& r) {
    if (measures[r.jump].rightBar == kEndRepeatBarLine) return false;
    // The book's D.S. goes to the first segno of the piece.
    size_t bookTarget = 0;
    if (signs[r.jump].jump == markcode::kDalSegno) {
        for (size_t k = 0; k < measures.size(); ++k) {
            if (signs[k].segno) {
                bookTarget = k;
                break;
            }
        }
    }
    if (bookTarget != r.target) return false;
    for (size_t k : r.order) {
        if (measures[k].rightBar == kEndRepeatBarLine || measures[k].ending != 0) return false;
    }
    return true;
}

// Whether the written-out return keeps every measure the book would have
// held: the measures after the jump are all played by the return, and the
// jump stands where the first pass plays it.
bool CanWriteOut(const std::vector<ImportedMeasure>& measures, const Return& r) {
    const ImportedMeasure& jump = measures[r.jump];
    if (jump.ending != 0 && !LastEndings(measures)[r.jump]) return false;
    // Within the reader's bounds for a part.
    if (r.jump + 1 + r.order.size() > kMaxMeasures) return false;
    size_t notes = 0;
    for (size_t k = 0; k <= r.jump; ++k) notes += measures[k].notes.size();
    for (size_t k : r.order) notes += measures[k].notes.size();
    if (notes > kMaxNotes) return false;
    size_t after = r.jump + 1;
    for (size_t k : r.order) {
        if (k < after) continue;
        if (k != after) return false;
        ++after;
    }
    return after == measures.size();
}

// A measure of the written-out return: no repeat, no ending, no multi-bar rest.
ImportedMeasure Plain(ImportedMeasure m) {
    m.repeatForward = m.repeatForwardImplied = false;
    m.ending = 0;
    m.endingStart = m.endingStop = m.endingHidden = false;
    if (m.rightBar == kEndRepeatBarLine) m.rightBar = kPlainBarLine;
    m.multiRest = 0;
    return m;
}

// Keys and time signatures where the measures in their new order change
// them (`source` gives the measure each one was copied from).
void RestateKeysAndTimes(const ImportedScore& score, const std::vector<size_t>& source,
                         std::vector<ImportedMeasure>& out) {
    std::vector<int> fifths(score.measures.size());
    std::vector<std::pair<int, int>> times(score.measures.size());
    int key = score.fifths;
    std::pair<int, int> time{0, 0};
    for (size_t k = 0; k < score.measures.size(); ++k) {
        const ImportedMeasure& m = score.measures[k];
        if (m.keyChange) key = m.fifths;
        if (m.beats > 0 || m.beatType > 0) time = {m.beats, m.beatType};
        fifths[k] = key;
        times[k] = time;
    }
    for (size_t i = 1; i < out.size(); ++i) {
        const size_t k = source[i];
        const size_t before = source[i - 1];
        out[i].keyChange = fifths[k] != fifths[before];
        out[i].fifths = out[i].keyChange ? fifths[k] : 0;
        const bool newTime = times[k] != times[before];
        out[i].beats = newTime ? times[k].first : 0;
        out[i].beatType = newTime ? times[k].second : 0;
    }
}

// A multi-bar rest of the first pass ends with the jump's measure.
void CutMultiRests(std::vector<ImportedMeasure>& measures, size_t jump) {
    for (size_t k = 0; k <= jump; ++k) {
        const size_t span = static_cast<size_t>(std::max(measures[k].multiRest, 0));
        if (span > 1 && k + span > jump + 1) {
            const size_t kept = jump + 1 - k;
            measures[k].multiRest = kept > 1 ? static_cast<int>(kept) : 0;
        }
    }
}

}  // namespace

void WriteOutReturn(ImportedScore& score) {
    std::vector<ImportedMeasure>& measures = score.measures;
    std::vector<MeasureSigns> signs;
    signs.reserve(measures.size());
    for (const ImportedMeasure& m : measures) signs.push_back(SignsOf(m));
    Return r;
    while (r.jump < measures.size() && signs[r.jump].jump == '\0') ++r.jump;
    if (r.jump == measures.size()) return;
    // A D.S. goes back to the nearest segno before it, else to the beginning.
    if (signs[r.jump].jump == markcode::kDalSegno) {
        for (size_t k = r.jump + 1; k-- > 0;) {
            if (signs[k].segno) {
                r.target = k;
                break;
            }
        }
    }
    r.order = ReturnOrder(measures, signs, r.target);
    if (BookPlaysReturn(measures, signs, r) || !CanWriteOut(measures, r)) return;

    std::vector<ImportedMeasure> out(measures.begin(),
                                     measures.begin() + static_cast<std::ptrdiff_t>(r.jump + 1));
    std::vector<size_t> source;
    for (size_t k = 0; k <= r.jump; ++k) source.push_back(k);
    for (size_t k : r.order) {
        out.push_back(Plain(measures[k]));
        source.push_back(k);
    }
    // The play now runs straight on: every D.S. and D.C. is left out.
    for (ImportedMeasure& m : out) {
        for (ImportedNote& n : m.notes) {
            std::erase(n.signsAtEnd, markcode::kDalSegno);
            std::erase(n.signsAtEnd, markcode::kDaCapo);
        }
    }
    RestateKeysAndTimes(score, source, out);
    CutMultiRests(out, r.jump);
    measures = std::move(out);
    CountLeftOut(score.rewritten, std::string(kWrittenOutReturn));
}

}  // namespace sorvel::interchange::xmlread
