// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/barlinetakeover.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>

#include "model/glyphcodes.h"
#include "model/musicitem.h"
#include "model/musicsheet.h"
#include "model/undo.h"

namespace sorvel {
namespace {

std::vector<TBarLine*> LinesIn(const BarLineTakeover::Stretch& s) {
    std::vector<TBarLine*> found;
    for (int i = 0; i < s.page->ItemCount(); ++i) {
        TBarLine* line = s.page->GetItem(i)->As<TBarLine>();
        if (line && std::abs(line->PosY() - s.y) <= s.halfRow && line->PosX() >= s.fromX &&
            line->PosX() < s.toX) {
            found.push_back(line);
        }
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const TBarLine* a, const TBarLine* b) { return a->PosX() < b->PosX(); });
    return found;
}

// Of bar lines stacked at one place, the one that stays: a repeat or double
// bar line placed there says more than a plain one.
TBarLine* Keeper(const std::vector<TBarLine*>& stacked) {
    for (TBarLine* line : stacked) {
        if (line->Content() != std::string(1, kPlainBarLine)) return line;
    }
    return stacked.empty() ? nullptr : stacked.front();
}

// Brings a deleted item from the undo manager's container back onto its
// page, recorded as its creation (so undo takes it out again).
bool PutBack(TMusicItem& item) {
    TUndo* undo = item.Undo();
    std::unique_ptr<Persistent> owned = undo ? undo->Container().Take(&item) : nullptr;
    if (!owned) return false;
    item.Sheet().AddItem(std::unique_ptr<TMusicItem>(static_cast<TMusicItem*>(owned.release())));
    undo->RecordCreate(item);
    return true;
}

}  // namespace

TBarLine* BarLineTakeover::TakeOver(const std::vector<Stretch>& stretches, int endX, int halfGrid) {
    std::vector<TBarLine*> atEnd, beforeEnd, gone;
    for (std::size_t k = 0; k < stretches.size(); ++k) {
        const std::vector<TBarLine*> lines = LinesIn(stretches[k]);
        if (stretches[k].rowStart) {
            const TBarLine* kept = Keeper(lines);
            for (TBarLine* line : lines) {
                if (line != kept) gone.push_back(line);
            }
            continue;
        }
        const bool endRow = k + 1 == stretches.size();
        for (TBarLine* line : lines) {
            if (!endRow) {
                gone.push_back(line);
            } else if (line->PosX() >= endX - halfGrid) {
                atEnd.push_back(line);
            } else {
                beforeEnd.push_back(line);
            }
        }
    }
    TBarLine* end = Keeper(atEnd);
    for (TBarLine* line : atEnd) {
        if (line != end) gone.push_back(line);
    }
    if (!end && !beforeEnd.empty()) {
        end = beforeEnd.back();
        beforeEnd.pop_back();
        moved_.push_back({end, end->PosX(), end->PosY()});
        end->SetPosX(endX);
        end->SetPosY(stretches.back().y);
    }
    gone.insert(gone.end(), beforeEnd.begin(), beforeEnd.end());
    for (TBarLine* line : gone) Remove(*line);
    return end;
}

void BarLineTakeover::Remove(TBarLine& line) {
    // Without an undo manager nothing holds a removed item: it goes for good.
    if (line.Undo()) removed_.push_back({&line, line.Links()});
    line.Delete();
}

void BarLineTakeover::GiveBack() {
    for (auto it = moved_.rbegin(); it != moved_.rend(); ++it) {
        it->line->SetPosX(it->x);
        it->line->SetPosY(it->y);
    }
    // Removed last, given back first: what a bar line was linked to is on
    // the page again by the time it comes back.
    for (auto it = removed_.rbegin(); it != removed_.rend(); ++it) {
        if (!PutBack(*it->line)) continue;
        for (TMusicItem* other : it->links) {
            if (it->line->IsLinkedTo(other)) continue;
            it->line->Link(*other);
            other->Link(*it->line);
        }
    }
    moved_.clear();
    removed_.clear();
}

std::vector<TBarLine*> BarLineTakeover::RemovedLines() const {
    std::vector<TBarLine*> lines;
    for (const Removed& r : removed_) lines.push_back(r.line);
    return lines;
}

}  // namespace sorvel
