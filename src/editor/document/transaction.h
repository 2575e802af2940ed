// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One change of the book, recorded as one undo step. Only EditorDocument::Edit
// makes one, and it is open exactly while Edit runs the change: a transaction
// cannot be forgotten, left open or started inside another. It does not
// decide whether a change is allowed, nor redraw anything: the document's
// notification after the step does that.
#include <string>
#include <utility>

#include "model/workspace.h"

namespace sorvel {

class Transaction {
public:
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    Workspace& Workspace() const { return ws_; }
    TMusicBook& Book() const { return *ws_.book; }
    const std::string& Label() const { return label_; }
    // Whether the change so far has recorded anything (an unchanged dialog,
    // a key that found nothing to do): such a transaction makes no step.
    bool Empty() const {
        const auto* commands = ws_.undo.OpenGroupCommands();
        return !commands || commands->empty();
    }

private:
    friend class EditorDocument;
    Transaction(Workspace& ws, std::string label) : ws_(ws), label_(std::move(label)) {}

    Workspace& ws_;
    std::string label_;
};

}  // namespace sorvel
