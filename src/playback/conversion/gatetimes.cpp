// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/conversion/gatetimes.h"

#include <algorithm>
#include <vector>

#include "model/glyphcodes.h"
#include "model/layoutstate.h"
#include "model/musicmark.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/pagegrid.h"

namespace sorvel {
namespace {

void PlainGates(const PlayItems& items) {
    for (TMusicItem* item : items) {
        TNote* note = item ? item->As<TNote>() : nullptr;
        if (!note) continue;
        if (CodeOf(note) == '0') {
            note->GateTime = 0;
        } else if (HasMark(*note, 'q') || HasMark(*note, 'r')) {
            note->GateTime = note->StepTime * 30 / 100;
        } else {
            note->GateTime = PlainGateTime(note->StepTime);
        }
    }
}

// A note followed by a dash is held over into it, so the dash does not
// strike the note again.
void TieIntoDashes(const PlayItems& items) {
    for (std::size_t i = 0; i + 1 < items.size(); ++i) {
        TNote* note = NoteAt(items, static_cast<int>(i));
        const TNote* next = NoteAt(items, static_cast<int>(i) + 1);
        if (note && next && CodeOf(note) != kRestCode && CodeOf(next) == kSustainDash) {
            note->GateTime = note->StepTime + 1;
        }
    }
}

// The middle line of the row that holds `y` on `page`.
int RowY(const TMusicSheet& page, int y) {
    if (page.RowInterval() <= 0) return y;
    LayoutState state;
    CopyPageLayout(state, page);
    // A page not yet measured keeps the fallback size rather than clamping
    // every row to the top.
    if (page.PageHeight <= 0) state.PageHeight = kFallbackPageHeight;
    return PageGrid(state).SnapY(y);
}

// The slur's first note: the note under its left end in its row, or, for a
// slur continued from the previous row, the note before its own note.
int SlurStart(const PlayItems& items, const TMusicItem& slur, int rowY) {
    const int own = IndexOf(items, slur.LinkCount() > 0 ? slur.GetLink(0) : nullptr);
    if (slur.PosX() > slur.Sheet().LeftSpace()) {
        for (std::size_t i = 0; i + 1 < items.size(); ++i) {
            const TMusicItem* item = items[i];
            if (&item->Sheet() != &slur.Sheet() || !item->HitTest(slur.PosX(), rowY)) continue;
            if (item->As<TNote>()) return static_cast<int>(i);
            break;
        }
        return NoteAt(items, own) ? own : -1;
    }
    for (int i = own - 1; i >= 0; --i) {
        if (NoteAt(items, i)) return i;
    }
    return NoteAt(items, own) ? own : -1;
}

void ApplySlur(const PlayItems& items, const TMusicItem& slur) {
    const int rowY = RowY(slur.Sheet(), slur.PosY());
    const int start = SlurStart(items, slur, rowY);
    if (start < 0) return;
    std::vector<TNote*> run{NoteAt(items, start)};
    for (int i = start + 1; i + 1 < static_cast<int>(items.size()); ++i) {
        TNote* note = NoteAt(items, i);
        if (!note) continue;
        const bool inRow = &note->Sheet() == &slur.Sheet() && note->PosY() == rowY;
        if (!inRow || note->PosX() > slur.PosX() + slur.Width()) break;
        run.push_back(note);
    }
    for (std::size_t k = 0; k + 1 < run.size(); ++k) run[k]->GateTime = run[k]->StepTime + 1;
}

void LegatoUnderSlurs(const PlayItems& items) {
    std::vector<const TMusicItem*> done;
    for (TMusicItem* item : items) {
        const TNote* note = item ? item->As<TNote>() : nullptr;
        if (!note) continue;
        for (const TMusicItem* link : note->Links()) {
            if (!link->IsMark() || CodeOf(link) != 'Y') continue;
            if (std::find(done.begin(), done.end(), link) != done.end()) continue;
            done.push_back(link);
            ApplySlur(items, *link);
        }
    }
}

}  // namespace

void ComputeGateTimes(const PlayItems& items) {
    PlainGates(items);
    TieIntoDashes(items);
    LegatoUnderSlurs(items);
}

}  // namespace sorvel
