// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program-wide objects the document reaches through its book: the undo
// manager, the preferences, the layout state of the current page and the
// glyph table. The program owns one; every test builds its own.

namespace sorvel {

class TUndo;
struct Preferences;
struct LayoutState;
class GlyphInfoTable;

struct ModelEnv {
    TUndo* undo = nullptr;  // none: changes are not recorded
    const Preferences* prefs = nullptr;
    LayoutState* layout = nullptr;
    GlyphInfoTable* glyphs = nullptr;
};

// The environment's object, or the built-in default where it has none.
const Preferences& PrefsOrDefault(const ModelEnv& env);
const LayoutState& LayoutOrDefault(const ModelEnv& env);
const GlyphInfoTable& GlyphsOrDefault(const ModelEnv& env);

}  // namespace sorvel
