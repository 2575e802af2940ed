// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program-wide objects the document works with (undo manager,
// preferences, layout state of the current page, glyph table) and the one
// open book. The editor holds one; batch commands, tests and benchmarks
// build their own.
#include <memory>

#include "model/glyphinfotable.h"
#include "model/layoutstate.h"
#include "model/modelenv.h"
#include "model/musicbook.h"
#include "model/preferences.h"
#include "model/undo.h"

namespace sorvel {

class Workspace {
public:
    Workspace() : env{&undo, &prefs, &layout, &glyphs} {}
    virtual ~Workspace();
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    // A new book as the program makes one: the default layout and page 1,
    // whose settings become the current layout. Nothing is recorded.
    TMusicBook& NewBook();

    TUndo undo;
    Preferences prefs;
    LayoutState layout;
    GlyphInfoTable glyphs;
    ModelEnv env;
    std::unique_ptr<TMusicBook> book;
};

}  // namespace sorvel
