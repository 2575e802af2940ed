// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The notes a play runs between, from the notes selected on the page view.
#include <vector>

namespace sorvel {

class TMusicItem;
class TNote;

struct PlaySelection {
    TNote* first = nullptr;  // the earliest selected note; none plays from the beginning
    TNote* last = nullptr;   // the latest, when two or more are selected
};

// Orders the selected notes by page number, then PosY, then PosX (as the text
// key "%.4d:%.4d:%.4d" sorts them); items that are not notes are left out.
PlaySelection SelectPlayRange(const std::vector<TMusicItem*>& selected);

}  // namespace sorvel
