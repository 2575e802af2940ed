// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/property.h"

namespace sorvel {

PropertyTable::PropertyTable(const PropertyTable* parent, std::initializer_list<PropertyInfo> own,
                             std::span<const PropertyInfo> shared) {
    if (parent) all_ = parent->all_;
    all_.insert(all_.end(), own.begin(), own.end());
    all_.insert(all_.end(), shared.begin(), shared.end());
}

const PropertyInfo* PropertyTable::Find(std::string_view name) const {
    for (const auto& p : all_) {
        if (EqualsNoCase(p.name, name)) return &p;
    }
    return nullptr;
}

}  // namespace sorvel
