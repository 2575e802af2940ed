// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/workspace.h"

#include "model/musicsheet.h"

namespace sorvel {

Workspace::~Workspace() {
    // The history refers to objects of the book: it goes first.
    undo.Clear();
    book.reset();
}

TMusicBook& Workspace::NewBook() {
    undo.Clear();
    const UntrackedChanges building(&undo);
    book = std::make_unique<TMusicBook>(env);
    book->ApplyDefaultLayout();
    TMusicSheet* first = book->NewSheet();
    TakeOverPageSettings(layout, *first, glyphs);
    return *book;
}

}  // namespace sorvel
