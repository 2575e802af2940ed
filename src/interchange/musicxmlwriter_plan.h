// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the walk over the pages leaves for the second step of planning: where
// each note of the book was written, in play order, and the spanning marks
// met on the way (slurs, arches, hairpins, ending brackets). The second step
// turns the marks into ties, slurs, wedges and endings on the written notes.
#include <unordered_map>
#include <vector>

#include "interchange/musicxmlwriter_score.h"

namespace sorvel {
class TMusicItem;
class TNote;
}  // namespace sorvel

namespace sorvel::interchange {

struct NoteRef {
    int measure = -1;
    int note = -1;
    bool Valid() const { return measure >= 0; }
    bool operator<(const NoteRef& o) const {
        return measure != o.measure ? measure < o.measure : note < o.note;
    }
    bool operator==(const NoteRef&) const = default;
};

// One written event: a note of the book with the dashes merged into it,
// written as one or more tied notes, maybe with grace notes around.
struct WrittenEvent {
    int id = -1;        // events are numbered in writing order
    NoteRef first;      // its first written note (a grace note when it has some)
    NoteRef mainFirst;  // its first and last notes of full value
    NoteRef mainLast;
    bool rest = false;
    int midi = 0;
};

// A spanning mark and the note it is linked to.
struct SpanMark {
    const TMusicItem* mark = nullptr;
    const TNote* note = nullptr;
};

struct PlanState {
    OutScore score;
    std::unordered_map<const TNote*, WrittenEvent> written;
    std::vector<const TNote*> order;  // every written note of the book in play order
    std::unordered_map<const TNote*, int> orderIndex;
    std::vector<SpanMark> spans;

    OutNote& At(const NoteRef& r) {
        return score.measures[static_cast<size_t>(r.measure)].notes[static_cast<size_t>(r.note)];
    }
};

// Ties and slurs from slur and arch marks, wedges from hairpins, endings from
// brackets; numbers for slurs and wedges that overlap.
void PlaceSpans(PlanState& plan);

}  // namespace sorvel::interchange
