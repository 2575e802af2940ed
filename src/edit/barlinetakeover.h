// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bar lines a typed bar finds on the rows it fills. The bar takes them
// over: the one standing where the bar ends (or else the last one before it
// in that row, moved there) becomes its bar line, and the others go, so no
// typed bar has a bar line inside it and no place has two. What was taken
// comes back as it was when the bar is taken back: the same objects, with
// their properties and links. Changes are recorded for undo, whose container
// holds the removed bar lines meanwhile (the caller keeps them there); no Qt.
#include <vector>

namespace sorvel {

class TBarLine;
class TMusicItem;
class TMusicSheet;

class BarLineTakeover {
public:
    // Part of one row: the bar lines within `halfRow` of its middle line `y`,
    // from `fromX` up to (not including) `toX`. In front of a row's first
    // slot (`rowStart`) a bar line opens the row and stays; only the ones
    // stacked with it go.
    struct Stretch {
        TMusicSheet* page = nullptr;
        int y = 0, halfRow = 0;
        int fromX = 0, toX = 0;
        bool rowStart = false;
    };

    // Takes over the bar lines of `stretches`, whose last one holds the bar's
    // end at `endX` (a bar line within `halfGrid` of it stands there).
    // Returns the bar line now at the end, or null when the rows had none.
    TBarLine* TakeOver(const std::vector<Stretch>& stretches, int endX, int halfGrid);
    // Undoes TakeOver: moved bar lines go back, removed ones come back.
    void GiveBack();
    // The bar lines TakeOver removed, waiting in the undo manager's container.
    std::vector<TBarLine*> RemovedLines() const;

private:
    struct Moved {
        TBarLine* line;
        int x, y;
    };
    struct Removed {
        TBarLine* line;
        std::vector<TMusicItem*> links;
    };

    void Remove(TBarLine& line);

    std::vector<Moved> moved_;
    std::vector<Removed> removed_;
};

}  // namespace sorvel
