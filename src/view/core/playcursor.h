// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The play cursor's line: a vertical line through the note being played.
// Restoring the page image under it is the view's part.
#include "view/core/canvas.h"

namespace sorvel {

class TMusicItem;
struct Preferences;

// A line at the item's PosX from half a row interval above its PosY to a
// quarter below, in the play cursor's colour and width; in not-xor mode
// when the preferences ask for it. The pen mode is left at copy.
void DrawPlayCursor(Canvas& canvas, const TMusicItem& item, int rowInterval,
                    const Preferences& prefs);

}  // namespace sorvel
