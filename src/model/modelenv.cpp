// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/modelenv.h"

#include "model/glyphinfotable.h"
#include "model/layoutstate.h"
#include "model/preferences.h"

namespace sorvel {

const Preferences& PrefsOrDefault(const ModelEnv& env) {
    static const Preferences kBuiltIn;
    return env.prefs ? *env.prefs : kBuiltIn;
}

const LayoutState& LayoutOrDefault(const ModelEnv& env) {
    static const LayoutState kBuiltIn;
    return env.layout ? *env.layout : kBuiltIn;
}

const GlyphInfoTable& GlyphsOrDefault(const ModelEnv& env) {
    static const GlyphInfoTable kBuiltIn;
    return env.glyphs ? *env.glyphs : kBuiltIn;
}

}  // namespace sorvel
