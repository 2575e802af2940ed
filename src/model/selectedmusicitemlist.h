// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A list of item references, not owning them: the page view's selection and
// the items collected for copying.
#include <vector>

namespace sorvel {

class TMusicItem;

class TSelectedMusicItemList : public std::vector<TMusicItem*> {
public:
    // Appends the item unless it is listed already; its new index, or -1.
    int AddUnique(TMusicItem* item) {
        for (TMusicItem* listed : *this) {
            if (listed == item) return -1;
        }
        push_back(item);
        return static_cast<int>(size()) - 1;
    }
};

}  // namespace sorvel
