// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Base of the document's objects (book, page, item): published properties
// and the recording of their changes for undo.
#include <string>
#include <string_view>

#include "model/property.h"

namespace sorvel {

class TUndo;

enum class ObjectKind { Book, Sheet, Item };

class Persistent {
public:
    explicit Persistent(ObjectKind kind) : kind_(kind) {}
    virtual ~Persistent() = default;
    Persistent(const Persistent&) = delete;
    Persistent& operator=(const Persistent&) = delete;

    ObjectKind Kind() const { return kind_; }
    virtual const char* ClassName() const = 0;
    virtual const PropertyTable& Properties() const = 0;

    // The undo manager that records this object's changes, or none.
    virtual TUndo* Undo() const = 0;

    // Text of a published property; empty when there is no such property.
    std::string GetPropertyText(std::string_view name) const;

protected:
    // The common setter rule: nothing when equal; otherwise record the change
    // ("<name>変更") and assign. Returns whether the value changed. A raw
    // control byte in the text (from an older file, a program's own text) is
    // kept as its reference, as the codec writes it, so no value ever holds
    // a line end and a value reads back from the file as it was set.
    bool ChangeInt(int& field, int value, const char* name);
    bool ChangeString(std::string& field, const std::string& value, const char* name);
    void RecordChange(const char* name, const std::string& oldText, const std::string& newText);

private:
    ObjectKind kind_;
};

}  // namespace sorvel
