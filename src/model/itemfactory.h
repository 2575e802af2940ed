// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Creating items on a page: the item joins the page, gets the base defaults,
// its creation is recorded, and then the kind's own defaults are set.
#include <memory>
#include <string_view>

#include "model/musicitem.h"
#include "model/musicsheet.h"
#include "model/undo.h"

namespace sorvel {

template <class T>
T* CreateItem(TMusicSheet& page) {
    auto owned = std::make_unique<T>(page);
    T* item = owned.get();
    page.AddItem(std::move(owned));
    if (TUndo* undo = page.Undo()) undo->RecordCreate(*item);
    item->InitDefaults();
    return item;
}

// Creates an item of a class named in a score file ("TNote", "TSlur", ...);
// null for any other name (compared with letter case).
TMusicItem* CreateItemByClassName(std::string_view className, TMusicSheet& page);

}  // namespace sorvel
