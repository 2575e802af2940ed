// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Published properties: each class has one table of (name, type, getter,
// setter) entries. The undo history, the score file and the clipboard all
// read and write values through these tables as text.
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/text.h"

namespace sorvel {

class Persistent;

enum class PropType { Integer, String, Enumeration };

struct PropertyInfo {
    const char* name;
    PropType type;
    std::string (*get)(const Persistent&);
    void (*set)(Persistent&, const std::string&);  // null: read-only
};

// The published properties of one class: the parent's first, then the
// class's own, then a list the class shares with others (layout settings).
class PropertyTable {
public:
    PropertyTable(const PropertyTable* parent, std::initializer_list<PropertyInfo> own,
                  std::span<const PropertyInfo> shared = {});

    // Looks a property up by name, without regard to letter case.
    const PropertyInfo* Find(std::string_view name) const;

    // Every property, the base class's first, in publication order.
    const std::vector<PropertyInfo>& All() const { return all_; }

private:
    std::vector<PropertyInfo> all_;
};

// Builders for table entries from a class's getter and setter.
template <class C, int (C::*Get)() const, void (C::*Set)(int)>
PropertyInfo IntProperty(const char* name) {
    return {
        name, PropType::Integer,
        [](const Persistent& o) { return IntToStr((static_cast<const C&>(o).*Get)()); },
        [](Persistent& o, const std::string& v) { (static_cast<C&>(o).*Set)(StrToIntDef(v, 0)); }};
}

template <class C, const std::string& (C::*Get)() const, void (C::*Set)(const std::string&)>
PropertyInfo StringProperty(const char* name) {
    return {name, PropType::String,
            [](const Persistent& o) { return (static_cast<const C&>(o).*Get)(); },
            [](Persistent& o, const std::string& v) { (static_cast<C&>(o).*Set)(v); }};
}

template <class C, std::string (C::*Get)() const, void (C::*Set)(const std::string&)>
PropertyInfo ComputedStringProperty(const char* name) {
    return {name, PropType::String,
            [](const Persistent& o) { return (static_cast<const C&>(o).*Get)(); },
            [](Persistent& o, const std::string& v) { (static_cast<C&>(o).*Set)(v); }};
}

}  // namespace sorvel
