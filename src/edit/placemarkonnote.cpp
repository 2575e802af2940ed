// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/placemarkonnote.h"

#include <cstdint>
#include <vector>

#include "model/itemtraits.h"
#include "model/musicmark.h"
#include "model/note.h"
#include "model/pagegrid.h"

namespace sorvel {

namespace {

// A mark's box on the page, as its hit test and selection frame have it.
struct Box {
    std::int64_t left, top, right, bottom;
};

// Grace-note groups stand beside their note, not over it: they neither make
// room nor get moved.
bool BesideTheNote(const TMusicItem& item) {
    return TraitsOf(item).graceGroup;
}

// The box of `item` with its centre line at `y`: spanning marks reach right
// from PosX, every other mark is centred on it.
Box BoxAt(const TMusicItem& item, std::int64_t y) {
    const std::int64_t x = item.PosX();
    const std::int64_t width = item.Width();
    const std::int64_t top = y - item.Height() / 2;
    const std::int64_t bottom = top + item.Height();
    if (TraitsOf(item).spanning) return {x, top, x + width, bottom};
    return {x - width / 2, top, x + width / 2, bottom};
}

// Boxes that only touch leave both marks readable.
bool Overlap(const Box& a, const Box& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The boxes of the marks `note` carries on one side of it (above when `above`).
std::vector<Box> MarksOnSide(TNote& note, const TMusicMark& mark, bool above,
                             const MeasureMark& measure) {
    std::vector<Box> boxes;
    for (TMusicItem* linked : note.Links()) {
        if (linked == &mark || !linked->IsMark() || BesideTheNote(*linked)) continue;
        if (measure) measure(*linked);
        if ((linked->PosY() < note.PosY()) != above || linked->PosY() == note.PosY()) continue;
        boxes.push_back(BoxAt(*linked, linked->PosY()));
    }
    return boxes;
}

// The centre line of `mark` from `y`, moved away from the note past every
// box it would touch. Each move goes beyond the farthest box touched, so the
// walk ends after at most one move per box.
std::int64_t MakeRoom(const TMusicMark& mark, std::int64_t y, bool above,
                      const std::vector<Box>& boxes) {
    for (std::size_t step = 0; step <= boxes.size(); ++step) {
        const Box at = BoxAt(mark, y);
        const Box* farthest = nullptr;
        for (const Box& box : boxes) {
            if (!Overlap(at, box)) continue;
            if (!farthest || (above ? box.top < farthest->top : box.bottom > farthest->bottom))
                farthest = &box;
        }
        if (!farthest) break;
        y = above ? y + (farthest->top - kMarkClearance - at.bottom)
                  : y + (farthest->bottom + kMarkClearance - at.top);
    }
    return y;
}

}  // namespace

void PlaceMarkOnNote(TMusicMark& mark, TNote& note, EightSize eight, const MeasureMark& measure) {
    const int rateX = mark.AttachRateX();
    const int rateY = mark.AttachRateY();
    mark.SetPosX(SafeCoordinate(note.PosX() - std::int64_t{eight.width} * rateX / 100));
    std::int64_t y = note.PosY() - std::int64_t{eight.height} * rateY / 100;
    if (rateX == 0 && rateY != 0 && !BesideTheNote(mark)) {
        if (measure) measure(mark);
        const bool above = rateY > 0;
        y = MakeRoom(mark, y, above, MarksOnSide(note, mark, above, measure));
    }
    mark.SetPosY(SafeCoordinate(y));
    note.Link(mark);
    mark.Link(note);
}

}  // namespace sorvel
