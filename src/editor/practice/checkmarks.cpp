// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/practice/checkmarks.h"

#include <QPainter>
#include <algorithm>

#include "model/note.h"

namespace sorvel {

QColor BandColour(IntonationBand band) {
    switch (band) {
        case IntonationBand::Close:
            return QColor(0x00, 0x9e, 0x73);
        case IntonationBand::Near:
            return QColor(0xe6, 0x9f, 0x00);
        case IntonationBand::Far:
            return QColor(0xd5, 0x5e, 0x00);
        case IntonationBand::Missed:
            break;
    }
    return QColor(0x00, 0x72, 0xb2);
}

void PaintCheckMarks(QPainter& painter, const std::vector<OverlayMark>& marks) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const OverlayMark& mark : marks) {
        const TNote& note = *mark.note;
        const int w = std::max(note.Width(), 8) + 8, h = std::max(note.Height(), 8) + 6;
        const QRectF box(note.PosX() - w / 2.0, note.PosY() - h / 2.0, w, h);
        const QColor colour = BandColour(mark.band);
        QColor fill = colour;
        fill.setAlpha(mark.band == IntonationBand::Missed ? 0 : 70);
        QPen pen(colour, mark.band == IntonationBand::Far ? 3 : 2);
        if (mark.band == IntonationBand::Missed) pen.setStyle(Qt::DashLine);
        painter.setPen(pen);
        painter.setBrush(fill);
        painter.drawEllipse(box);
        if (mark.band == IntonationBand::Missed) {
            painter.setPen(QPen(colour, 2));
            painter.drawLine(box.topLeft(), box.bottomRight());
            painter.drawLine(box.topRight(), box.bottomLeft());
        }
    }
    painter.restore();
}

}  // namespace sorvel
