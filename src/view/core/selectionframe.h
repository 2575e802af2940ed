#pragma once
// The marks of a selected item: a dotted black outline and, on items with a
// width, the filled handle that resizes them.
#include "view/core/canvas.h"

namespace sorvel {

// A dotted black outline of 1 unit around the rectangle of the given size
// (right and bottom edges inside it); the pen is restored afterwards.
void DrawSelectionFrame(Canvas& canvas, int left, int top, int width, int height);

// A solid black rectangle, right and bottom excluded; the brush is restored.
void DrawHandle(Canvas& canvas, int left, int top, int right, int bottom);

}  // namespace sorvel
