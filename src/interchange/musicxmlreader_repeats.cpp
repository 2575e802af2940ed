// SPDX-License-Identifier: GPL-3.0-or-later
// MusicXML's repeats in the book's terms. A backward repeat in MusicXML goes
// back to the last forward repeat, the end of the last ending before it or
// the beginning; the book goes back to just after the nearest repeat bar
// line. And MusicXML skips a first ending on the pass after its backward
// repeat even when no second ending is written, where the book needs the
// music that follows marked as the second ending.
#include <cstddef>
#include <vector>

#include "interchange/musicxmlreader_internal.h"
#include "model/glyphcodes.h"

namespace sorvel::interchange::xmlread {
namespace {

constexpr int kMaxEnding = 4;

bool EndsWithBackwardRepeat(const ImportedMeasure& m) {
    return m.rightBar == kEndRepeatBarLine;
}

// A backward repeat outside endings whose last ending before it ends without
// a repeat bar line: in the book it would go back into that ending, so the
// measure after the ending gets the start repeat the file implies.
void StartRepeatsAfterEndings(std::vector<ImportedMeasure>& measures) {
    for (size_t end = 0; end < measures.size(); ++end) {
        if (!EndsWithBackwardRepeat(measures[end]) || measures[end].ending != 0) continue;
        // Each scan stops at the nearest repeat bar line before it, so all
        // of them together read every measure about once.
        for (size_t j = end + 1; j-- > 0;) {
            const ImportedMeasure& m = measures[j];
            if (m.repeatForward) break;
            if (j == end) continue;
            if (m.ending != 0) {
                ImportedMeasure& after = measures[j + 1];
                if (!EndsWithBackwardRepeat(m) && !after.repeatForward) {
                    after.repeatForward = true;
                    after.repeatForwardImplied = true;
                }
                break;
            }
            if (EndsWithBackwardRepeat(m)) break;
        }
    }
}

// The music after an ending closed by a backward repeat, with no ending of
// its own, is the next ending: marked, but not printed. (A backward repeat
// at the end of that music repeats it alone, as one after any ending does.)
void ContinuationEndings(std::vector<ImportedMeasure>& measures) {
    for (size_t i = 0; i + 1 < measures.size(); ++i) {
        const ImportedMeasure& closed = measures[i];
        ImportedMeasure& next = measures[i + 1];
        if (closed.ending == 0 || closed.ending >= kMaxEnding || !EndsWithBackwardRepeat(closed) ||
            next.ending != 0)
            continue;
        next.ending = closed.ending + 1;
        next.endingStart = next.endingStop = true;
        next.endingHidden = true;
        ++i;
    }
}

}  // namespace

void ResolveRepeats(std::vector<ImportedMeasure>& measures) {
    StartRepeatsAfterEndings(measures);
    ContinuationEndings(measures);
}

}  // namespace sorvel::interchange::xmlread
