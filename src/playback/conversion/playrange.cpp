// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/conversion/playrange.h"

#include <algorithm>

#include "model/note.h"

namespace sorvel {
namespace {

// Ticks from the start of the bar (or of the run after the last time
// signature) to the item at `index`.
long long PositionInBar(const PlayItems& items, int index) {
    long long sum = 0;
    for (int i = index - 1; i >= 0; --i) {
        const TNote* note = NoteAt(items, i);
        if (!note) break;
        sum += note->StepTime;
    }
    return sum;
}

bool OnBeat(const PlayItems& items, int index, int beat) {
    return PositionInBar(items, index) % beat == 0;
}

}  // namespace

TimeSignature SignatureAt(const PlayItems& items, int index) {
    const int last = std::min(index, static_cast<int>(items.size()) - 1);
    for (int i = last; i >= 0; --i) {
        if (items[i] && items[i]->Class() == ItemClass::Beat) return TimeSignatureOf(items[i]);
    }
    return {};
}

PlayRange FindPlayRange(const PlayItems& items, const TNote* first, const TNote* last) {
    const int size = static_cast<int>(items.size());
    PlayRange range;
    range.start = std::max(IndexOf(items, first), 0);
    const int startBeat = SignatureAt(items, range.start).BeatLength();
    while (range.start > 0 && !OnBeat(items, range.start, startBeat)) --range.start;

    int index = IndexOf(items, last);
    if (index < 0) index = size - 1;
    const int endBeat = SignatureAt(items, index).BeatLength();
    int next = index + 1;
    while (next < size && !OnBeat(items, next, endBeat)) ++next;
    range.end = std::min(next, size) - 1;
    return range;
}

}  // namespace sorvel
