#pragma once
// The environment the fuzz targets read into, built once per process.
#include "model/glyphinfotable.h"
#include "model/layoutstate.h"
#include "model/modelenv.h"
#include "model/preferences.h"
#include "model/undo.h"

namespace sorvel::fuzz {

struct FuzzEnv {
    FuzzEnv() {
        env.undo = &undo;
        env.prefs = &prefs;
        env.layout = &layout;
        env.glyphs = &glyphs;
    }
    TUndo undo;
    Preferences prefs;
    LayoutState layout;
    GlyphInfoTable glyphs;
    TModelEnv env;
};

}  // namespace sorvel::fuzz
