// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/persistent.h"

#include <utility>

#include "base/cp932.h"
#include "model/undo.h"

namespace sorvel {

std::string Persistent::GetPropertyText(std::string_view name) const {
    const PropertyInfo* p = Properties().Find(name);
    return p ? p->get(*this) : std::string();
}

void Persistent::RecordChange(const char* name, const std::string& oldText,
                              const std::string& newText) {
    if (TUndo* undo = Undo()) undo->RecordPropChange(*this, name, oldText, newText);
}

bool Persistent::ChangeInt(int& field, int value, const char* name) {
    if (field == value) return false;
    RecordChange(name, IntToStr(field), IntToStr(value));
    field = value;
    return true;
}

bool Persistent::ChangeString(std::string& field, const std::string& value, const char* name) {
    std::string text = cp932::ReferenceControls(value);
    if (field == text) return false;
    RecordChange(name, field, text);
    field = std::move(text);
    return true;
}

}  // namespace sorvel
