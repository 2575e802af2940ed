// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names of the tool palette's buttons and the keys that type their
// glyphs, for the buttons' tooltips and the key printed under them.
#include <QString>
#include <string_view>

namespace sorvel {

// The button's name in the interface language: by its glyph `tag`, or by
// its object name for the octave and length buttons; `caption` is the
// text a time signature button shows. Empty for an unknown button.
QString PaletteButtonName(std::string_view objectName, int tag, const char* caption);

// The key that types the glyph of a button whose key the typing of notes
// handles itself rather than the palette's key map (the accidentals and the
// grace note), or nullptr.
const char* TypingKeyOfGlyph(int tag);

}  // namespace sorvel
