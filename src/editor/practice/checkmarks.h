// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a checked note is marked over the page: a colour per band of
// intonation (told apart by people with any colour vision) and a crossed
// ring for a note missed.
#include <QColor>
#include <vector>

#include "editor/practice/checkoverlay.h"

class QPainter;

namespace sorvel {

// Bluish green, orange and vermilion, and blue for missed notes.
QColor BandColour(IntonationBand band);

// Draws the marks in page units (the painter scaled to the page).
void PaintCheckMarks(QPainter& painter, const std::vector<OverlayMark>& marks);

}  // namespace sorvel
