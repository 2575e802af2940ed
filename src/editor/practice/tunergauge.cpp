// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/practice/tunergauge.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "base/arith.h"
#include "view/core/canvas.h"

namespace sorvel {
namespace {

constexpr int kNumeralPixels = 84;
constexpr int kNameBand = 150;  // width of the numeral's column
constexpr int kScaleHeight = 78;
constexpr double kRange = 50;  // cents at either end of the scale
constexpr double kGoodCents = 10;
const QColor kGood(0x1b, 0x9e, 0x77);  // green of a colour-blind-safe set
const QColor kNeedle(0xd9, 0x5f, 0x02);

// The music font's glyphs for the accidentals drawn before a numeral.
QString AccidentalGlyph(int accidental) {
    if (accidental > 0) return QStringLiteral("`");
    if (accidental < 0) return QStringLiteral("a");
    return QString();
}

QFont MusicFont(int pixels) {
    QFont font(QString::fromLatin1(kMusicFontName));
    font.setPixelSize(pixels);
    return font;
}

int XOfCents(const QRect& box, double cents) {
    const double f = (std::clamp(cents, -kRange, kRange) + kRange) / (2 * kRange);
    return box.left() + RoundHalfEven(f * box.width());
}

}  // namespace

TunerGauge::TunerGauge(QWidget* parent) : QWidget(parent) {
    setObjectName("TunerGauge");
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TunerGauge::Show(const TunerView& view) {
    view_ = view;
    update();
}

QString TunerGauge::CentsText() const {
    if (!view_.valid) return QString::fromUtf8("—");
    const int cents = RoundHalfEven(view_.cents);
    if (cents == 0) return QStringLiteral("±0");
    return (cents > 0 ? QStringLiteral("+") : QString::fromUtf8("−")) +
           QString::number(std::abs(cents));
}

QSize TunerGauge::sizeHint() const {
    return {440, 280};
}

QSize TunerGauge::minimumSizeHint() const {
    return {360, 240};
}

void TunerGauge::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().base());
    painter.setPen(palette().text().color());
    const QRect inner = rect().adjusted(12, 8, -12, -8);
    const QRect top(inner.left(), inner.top(), inner.width(), inner.height() - kScaleHeight);
    const QRect numeral(top.left(), top.top(), kNameBand, top.height());
    const QRect name(numeral.right() + 1, top.top(), top.width() - kNameBand, top.height());
    const QRect scale(inner.left() + 16, top.bottom() + 1, inner.width() - 32, kScaleHeight);
    PaintNumeral(painter, numeral);
    PaintName(painter, name);
    PaintScale(painter, scale);
    PaintNeedle(painter, scale);
}

void TunerGauge::PaintNumeral(QPainter& painter, const QRect& box) const {
    if (!view_.valid || view_.degree.degree == 0) return;
    const QFont font = MusicFont(kNumeralPixels);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const QString digit = QString::number(view_.degree.degree);
    const QRect glyph = metrics.tightBoundingRect(digit);
    const int x = box.center().x() - glyph.width() / 2 - glyph.left();
    const int baseline = box.center().y() - glyph.height() / 2 - glyph.top();
    painter.drawText(x, baseline, digit);
    const int cx = x + glyph.left() + glyph.width() / 2;
    if (const QString mark = AccidentalGlyph(view_.degree.accidental); !mark.isEmpty()) {
        const QFont small = MusicFont(kNumeralPixels / 2);
        painter.setFont(small);
        const int w = QFontMetrics(small).horizontalAdvance(mark);
        painter.drawText(x + glyph.left() - w - 2, baseline + glyph.top() + kNumeralPixels / 4,
                         mark);
    }
    // Octave dots as the score draws them: above the numeral, or below it.
    painter.setBrush(palette().text());
    const int r = 5, gap = 14;
    const int octave = std::clamp(view_.degree.octave, -3, 3);
    for (int i = 0; i < std::abs(octave); ++i) {
        const int cy = octave > 0 ? baseline + glyph.top() - 12 - i * gap
                                  : baseline + glyph.bottom() + 12 + i * gap;
        painter.drawEllipse(QPoint(cx, cy), r, r);
    }
    painter.setBrush(Qt::NoBrush);
}

void TunerGauge::PaintName(QPainter& painter, const QRect& box) const {
    QFont big = font();
    big.setPixelSize(44);
    big.setBold(true);
    painter.setFont(big);
    const QRect upper(box.left(), box.top(), box.width(), box.height() / 2);
    const QRect lower(box.left(), upper.bottom() + 1, box.width(), box.height() - upper.height());
    const QString name = view_.valid ? QString::fromStdString(view_.name) : QString::fromUtf8("—");
    painter.drawText(upper, Qt::AlignHCenter | Qt::AlignBottom, name);
    QFont figures = font();
    figures.setPixelSize(26);
    painter.setFont(figures);
    const bool good = view_.valid && std::fabs(view_.cents) <= kGoodCents;
    painter.setPen(good ? kGood : palette().text().color());
    painter.drawText(lower, Qt::AlignHCenter | Qt::AlignTop,
                     view_.valid ? tr("%1 セント").arg(CentsText()) : QString());
    painter.setPen(palette().text().color());
    if (view_.valid) {
        QFont hz = font();
        painter.setFont(hz);
        painter.drawText(lower.adjusted(0, 36, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
                         QStringLiteral("%1 Hz").arg(view_.hz, 0, 'f', 1));
    }
}

void TunerGauge::PaintScale(QPainter& painter, const QRect& box) const {
    const int axis = box.top() + 30;
    const int left = XOfCents(box, -kGoodCents), right = XOfCents(box, kGoodCents);
    painter.fillRect(QRect(left, axis - 14, right - left, 28),
                     QColor(kGood.red(), kGood.green(), kGood.blue(), 70));
    painter.drawLine(box.left(), axis, box.right(), axis);
    painter.setFont(font());
    const QFontMetrics metrics(font());
    for (int c = -50; c <= 50; c += 5) {
        if (c % 10 != 0 && c % 25 != 0) continue;
        const int x = XOfCents(box, c);
        const int reach = c % 25 == 0 ? 12 : 6;
        painter.drawLine(x, axis - reach, x, axis + reach);
        if (c % 25 != 0) continue;
        const QString label = c == 0 ? QStringLiteral("0")
                                     : (c > 0 ? QStringLiteral("+") : QString::fromUtf8("−")) +
                                           QString::number(std::abs(c));
        painter.drawText(x - metrics.horizontalAdvance(label) / 2, axis + 16 + metrics.ascent(),
                         label);
    }
}

void TunerGauge::PaintNeedle(QPainter& painter, const QRect& box) const {
    if (!view_.valid) return;
    const int axis = box.top() + 30;
    const int x = XOfCents(box, view_.cents);
    const QColor colour = std::fabs(view_.cents) <= kGoodCents ? kGood : kNeedle;
    painter.setPen(QPen(colour, 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(x, axis - 26, x, axis + 12);
    QPainterPath tip;
    tip.moveTo(x - 8, axis - 30);
    tip.lineTo(x + 8, axis - 30);
    tip.lineTo(x, axis - 20);
    tip.closeSubpath();
    painter.fillPath(tip, colour);
    painter.setPen(palette().text().color());
}

}  // namespace sorvel
