// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/qt/qtcanvas.h"

#include <QPaintEngine>
#include <QPainterPath>

#include "base/arith.h"
#include "base/cp932.h"
#include "view/qt/musicfont.h"

namespace sorvel {

QtCanvas::QtCanvas(QPainter& painter, bool printing) : painter_(painter), printing_(printing) {
    SetFont(kMusicFontName, 18);
    ApplyPen();
    ApplyBrush();
}

QColor QtCanvas::ToQColor(Color c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

void QtCanvas::SetFont(const std::string& family, int points) {
    family_ = family;
    points_ = points;
    musicFont_ = family == kMusicFontName;
    font_ = musicFont_ ? QFont(QString::fromLatin1(kMusicFontName))
                       : ScoreTextFont(QString::fromStdString(cp932::ToUtf8(family)));
    ApplyFont();
}

void QtCanvas::SetFontSize(int points) {
    points_ = points;
    ApplyFont();
}

void QtCanvas::ApplyFont() {
    // One page unit is one pixel of a 96-dpi screen; sizes of 0 or less would
    // fall back to Qt's default size, so they draw nothing visible instead.
    int pixels = RoundHalfEven(points_ * 96.0 / 72.0);
    font_.setPixelSize(pixels > 0 ? pixels : 1);
    font_.setStyleStrategy(QFont::PreferAntialias);
    metrics_.emplace(font_);
}

QString QtCanvas::ToQString(const std::string& text) const {
    if (musicFont_) return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    // A text is drawn on one line: its line breaks and tabs show as blanks
    // (Qt would draw nothing or a box for them, and measure them so).
    QString s = QString::fromStdString(cp932::ToUtf8(text));
    for (QChar& c : s) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) c = QLatin1Char(' ');
    }
    return s;
}

int QtCanvas::TextWidth(const std::string& text) {
    if (points_ <= 0) return 0;
    return metrics_->horizontalAdvance(ToQString(text));
}

int QtCanvas::TextHeight(const std::string&) {
    if (points_ <= 0) return 0;
    return metrics_->ascent() + metrics_->descent();
}

void QtCanvas::TextOut(int x, int y, const std::string& text) {
    if (points_ <= 0 || text.empty()) return;
    painter_.save();
    painter_.setFont(font_);
    painter_.setPen(ToQColor(fontColor_));
    painter_.drawText(QPointF(x, y + metrics_->ascent()), ToQString(text));
    painter_.restore();
}

void QtCanvas::SetPenMode(PenMode mode) {
    // Inverting only exists on raster surfaces; elsewhere it draws plainly.
    bool raster = painter_.paintEngine() && painter_.paintEngine()->type() == QPaintEngine::Raster;
    painter_.setCompositionMode(mode == PenMode::NotXor && raster
                                    ? QPainter::RasterOp_NotSourceXorDestination
                                    : QPainter::CompositionMode_SourceOver);
}

void QtCanvas::ApplyPen() {
    QPen pen(ToQColor(PenColor()));
    pen.setWidth(PenWidth() > 0 ? PenWidth() : 1);
    pen.setStyle(GetPenStyle() == PenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    painter_.setPen(pen);
}

void QtCanvas::ApplyBrush() {
    const BrushStyle brush = GetBrushStyle();
    const Qt::BrushStyle style = brush == BrushStyle::Solid   ? Qt::SolidPattern
                                 : brush == BrushStyle::Clear ? Qt::NoBrush
                                                              : Qt::DiagCrossPattern;
    painter_.setBrush(QBrush(ToQColor(BrushColor()), style));
}

void QtCanvas::Line(int x1, int y1, int x2, int y2) {
    painter_.drawLine(QPointF(x1 + 0.5, y1 + 0.5), QPointF(x2 + 0.5, y2 + 0.5));
}

void QtCanvas::Polyline(const std::vector<Point>& points) {
    QPolygonF polygon;
    for (const Point& p : points) polygon << QPointF(p.x + 0.5, p.y + 0.5);
    painter_.drawPolyline(polygon);
}

void QtCanvas::ClosedPolyline(const std::vector<Point>& points) {
    QPolygonF polygon;
    for (const Point& p : points) polygon << QPointF(p.x + 0.5, p.y + 0.5);
    painter_.save();
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPolygon(polygon);
    painter_.restore();
}

void QtCanvas::Ellipse(int left, int top, int right, int bottom) {
    painter_.drawEllipse(QRectF(left + 0.5, top + 0.5, right - left - 1, bottom - top - 1));
}

void QtCanvas::FillRect(int left, int top, int right, int bottom) {
    painter_.fillRect(QRect(left, top, right - left, bottom - top), ToQColor(BrushColor()));
}

void QtCanvas::Bezier(Point p0, Point p1, Point p2, Point p3) {
    QPainterPath path(QPointF(p0.x + 0.5, p0.y + 0.5));
    path.cubicTo(QPointF(p1.x + 0.5, p1.y + 0.5), QPointF(p2.x + 0.5, p2.y + 0.5),
                 QPointF(p3.x + 0.5, p3.y + 0.5));
    painter_.save();
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(path);
    painter_.restore();
}

}  // namespace sorvel
