// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mark of a selected item: a dotted black outline. Items with a width
// add the handle that resizes them, a FillBlackRect at their right end.
#include "view/core/canvas.h"

namespace sorvel {

// A dotted black outline of 1 unit around the rectangle of the given size
// (right and bottom edges inside it); the pen is restored afterwards.
void DrawSelectionFrame(Canvas& canvas, int left, int top, int width, int height);

}  // namespace sorvel
