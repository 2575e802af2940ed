// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/objcontainer.h"

namespace sorvel {

void TObjContainer::Add(std::unique_ptr<Persistent> object) {
    if (!object) return;
    const Persistent* key = object.get();
    objects_[key] = std::move(object);
}

std::unique_ptr<Persistent> TObjContainer::Take(Persistent* object) {
    auto it = objects_.find(object);
    if (it == objects_.end()) return nullptr;
    std::unique_ptr<Persistent> result = std::move(it->second);
    objects_.erase(it);
    return result;
}

void TObjContainer::Clear() {
    // Move the objects out first: destroying an item unlinks it from others,
    // which must not find the map half torn down.
    auto doomed = std::move(objects_);
    objects_.clear();
    doomed.clear();
}

}  // namespace sorvel
