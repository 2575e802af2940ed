#pragma once
// The program-wide objects a batch command works with: an undo manager that
// records nothing, the built-in preferences, the fallback page size, the
// glyph table, and the book read from the input file.
#include <memory>
#include <string>

#include "model/glyphinfotable.h"
#include "model/layoutstate.h"
#include "model/modelenv.h"
#include "model/musicbook.h"
#include "model/preferences.h"
#include "model/undo.h"

namespace sorvel {

struct BatchContext {
    BatchContext() : env{&undo, &prefs, &layout, &glyphs} {}
    ~BatchContext() {
        undo.Clear();
        book.reset();
    }
    // Reads the score; on failure sets `error` to a one-line message.
    bool Load(const std::string& path, std::string& error);

    TUndo undo;
    Preferences prefs;
    LayoutState layout;
    GlyphInfoTable glyphs;
    TModelEnv env;
    std::unique_ptr<TMusicBook> book;
};

}  // namespace sorvel
