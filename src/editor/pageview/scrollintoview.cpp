// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/pageview/scrollintoview.h"

#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

namespace sorvel {

namespace {

// As the scroll bar bounds the values it is given.
int Bounded(int value, const VerticalScroll& scroll) {
    return std::max(scroll.minimum, std::min(value, scroll.maximum));
}

}  // namespace

int ScrollToShow(int y, int rowInterval, VerticalScroll scroll, RowReveal reveal) {
    int value = scroll.value;
    if (value >= y) value = Bounded(y - rowInterval, scroll);
    // Checked again from the new position: a view lower than a row may still
    // miss the row after the first step.
    if (y >= value + scroll.viewHeight) {
        const int target = reveal == RowReveal::kNearestEdge ? y + rowInterval - scroll.viewHeight
                                                             : y - rowInterval;
        value = Bounded(target, scroll);
    }
    return value;
}

void ScrollRowIntoView(QScrollArea& area, int y, int rowInterval, RowReveal reveal) {
    QScrollBar* bar = area.verticalScrollBar();
    const VerticalScroll scroll{bar->value(), bar->minimum(), bar->maximum(),
                                area.viewport()->height()};
    bar->setValue(ScrollToShow(y, rowInterval, scroll, reveal));
}

}  // namespace sorvel
