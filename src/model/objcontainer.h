// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps the items and pages that are out of the document (deleted, or whose
// creation was undone) alive while the undo history may bring them back.
#include <cstddef>
#include <memory>
#include <unordered_map>

#include "model/persistent.h"

namespace sorvel {

class TObjContainer {
public:
    TObjContainer() = default;
    ~TObjContainer() { Clear(); }
    TObjContainer(const TObjContainer&) = delete;
    TObjContainer& operator=(const TObjContainer&) = delete;

    void Add(std::unique_ptr<Persistent> object);
    // Hands the object back to the caller; null when it is not held here.
    std::unique_ptr<Persistent> Take(Persistent* object);
    bool Contains(const Persistent* object) const { return objects_.count(object) != 0; }
    std::size_t Count() const { return objects_.size(); }
    // Calls `f` with every object held, in no particular order.
    template <class F>
    void ForEach(F f) const {
        for (const auto& entry : objects_) f(*entry.second);
    }
    // Destroys every object held.
    void Clear();

private:
    std::unordered_map<const Persistent*, std::unique_ptr<Persistent>> objects_;
};

}  // namespace sorvel
