// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one way the page view scrolls a row into sight: the key cursor and the
// play cursor both bring their row in with one row interval of margin.
class QScrollArea;

namespace sorvel {

// Where a row that lies below the visible part comes to stand.
enum class RowReveal {
    kNearestEdge,  // just inside the bottom edge, one row below it in sight (key cursor)
    kNearTop,      // one row below the top edge, the rows after it in sight (play cursor)
};

// A vertical scroll bar's position and range and the height of the view it
// scrolls, in widget pixels.
struct VerticalScroll {
    int value;
    int minimum;
    int maximum;
    int viewHeight;
};

// The scroll position that shows the row at `y` with one `rowInterval` of
// margin (both in widget pixels): a row above the view comes in one row below
// the top edge, a row below it where `reveal` says, a row in sight stays.
int ScrollToShow(int y, int rowInterval, VerticalScroll scroll, RowReveal reveal);

// Scrolls `area` vertically so the row at `y` is in sight.
void ScrollRowIntoView(QScrollArea& area, int y, int rowInterval, RowReveal reveal);

}  // namespace sorvel
