// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/mainwindow/toolbaricons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace sorvel {

namespace {

using Painter = std::function<void(QPainter&)>;

// Every picture is drawn on a 20 x 20 grid.
constexpr int kGrid = 20;

QPixmap Render(const Painter& paint, int scale, bool disabled) {
    QPixmap pixmap(kGrid * scale, kGrid * scale);
    pixmap.fill(Qt::transparent);
    pixmap.setDevicePixelRatio(scale);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (disabled) p.setOpacity(0.35);
    paint(p);
    return pixmap;
}

QPen Outline(QColor colour = QColor(40, 40, 40)) {
    QPen pen(colour, 1.4);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

void Page(QPainter& p) {
    QPainterPath sheet;
    sheet.moveTo(4, 2);
    sheet.lineTo(12, 2);
    sheet.lineTo(16, 6);
    sheet.lineTo(16, 18);
    sheet.lineTo(4, 18);
    sheet.closeSubpath();
    p.setPen(Outline());
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    p.drawPolyline(QPolygonF({{12, 2}, {12, 6}, {16, 6}}));
    p.setPen(QPen(QColor(30, 120, 40), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 9.5), QPointF(10, 15.5));
    p.drawLine(QPointF(7, 12.5), QPointF(13, 12.5));
}

void Printer(QPainter& p) {
    p.setPen(Outline());
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6, 2, 8, 6));
    p.setBrush(QColor(150, 155, 165));
    p.drawRoundedRect(QRectF(2, 7, 16, 7), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6, 11, 8, 7));
    p.drawLine(QPointF(8, 14), QPointF(12, 14));
    p.drawLine(QPointF(8, 16), QPointF(12, 16));
}

void Folder(QPainter& p) {
    p.setPen(Outline(QColor(120, 85, 10)));
    p.setBrush(QColor(240, 200, 90));
    QPainterPath back;
    back.moveTo(2, 5);
    back.lineTo(7, 5);
    back.lineTo(9, 7);
    back.lineTo(17, 7);
    back.lineTo(17, 16);
    back.lineTo(2, 16);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(QColor(250, 220, 120));
    p.drawPolygon(QPolygonF({{4, 9.5}, {19, 9.5}, {17, 16}, {2, 16}}));
}

void Arrow(QPainter& p, bool back) {
    p.save();
    if (!back) {
        p.translate(kGrid, 0);
        p.scale(-1, 1);
    }
    p.setPen(QPen(QColor(30, 80, 160), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath curve;
    curve.moveTo(5, 8);
    curve.lineTo(12, 8);
    curve.cubicTo(18, 8, 18, 17, 12, 17);
    curve.lineTo(8, 17);
    p.drawPath(curve);
    p.setBrush(QColor(30, 80, 160));
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({{1.5, 8}, {7, 3}, {7, 13}}));
    p.restore();
}

void Disk(QPainter& p) {
    p.setPen(Outline(QColor(20, 40, 90)));
    p.setBrush(QColor(60, 100, 180));
    QPainterPath body;
    body.moveTo(3, 3);
    body.lineTo(15, 3);
    body.lineTo(17, 5);
    body.lineTo(17, 17);
    body.lineTo(3, 17);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6, 3, 8, 5));
    p.drawRect(QRectF(5.5, 11, 9, 6));
}

void KeyCursor(QPainter& p) {
    p.setPen(Outline());
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3, 3, 14, 14));
    p.setPen(QPen(QColor(30, 60, 220), 2.0));
    p.drawLine(QPointF(10, 5.5), QPointF(10, 14.5));
    p.drawLine(QPointF(7.5, 5.5), QPointF(12.5, 5.5));
    p.drawLine(QPointF(7.5, 14.5), QPointF(12.5, 14.5));
}

void Play(QPainter& p) {
    p.setPen(Outline(QColor(20, 90, 30)));
    p.setBrush(QColor(50, 170, 70));
    p.drawPolygon(QPolygonF({{5, 3}, {17, 10}, {5, 17}}));
}

void Pointer(QPainter& p) {
    p.setPen(Outline());
    p.setBrush(Qt::white);
    p.drawPolygon(
        QPolygonF({{6, 2}, {6, 16}, {9.5, 12.5}, {12, 18}, {14, 17}, {11.5, 11.5}, {16, 11.5}}));
}

Painter PainterFor(const QString& name) {
    if (name == "btnNone") return Pointer;
    if (name == "actNewSeet") return Page;
    if (name == "actPrint") return Printer;
    if (name == "actOpen") return Folder;
    if (name == "actUndo") return [](QPainter& p) { Arrow(p, true); };
    if (name == "actSave") return Disk;
    if (name == "actRedo") return [](QPainter& p) { Arrow(p, false); };
    if (name == "actDispCursor") return KeyCursor;
    if (name == "actPlayStop") return Play;
    return {};
}

}  // namespace

QIcon ToolBarIcon(const QString& actionName) {
    const Painter paint = PainterFor(actionName);
    if (!paint) return {};
    QIcon icon;
    for (int scale : {1, 2, 3}) {
        icon.addPixmap(Render(paint, scale, false), QIcon::Normal);
        icon.addPixmap(Render(paint, scale, true), QIcon::Disabled);
    }
    return icon;
}

}  // namespace sorvel
