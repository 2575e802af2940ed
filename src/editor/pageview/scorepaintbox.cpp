// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/pageview/scorepaintbox.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace sorvel {

ScorePaintBox::ScorePaintBox(QWidget* parent) : QWidget(parent) {
    setObjectName("pbScore1");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);  // the floating glyph follows the mouse
}

void ScorePaintBox::SetPageSize(int width, int height) {
    if (width == pageWidth_ && height == pageHeight_) return;
    pageWidth_ = std::max(width, 1);
    pageHeight_ = std::max(height, 1);
    Resize();
}

void ScorePaintBox::SetZoom(int percent) {
    percent = std::clamp(percent, kMinZoomPercent, kMaxZoomPercent);
    if (percent == zoom_) return;
    zoom_ = percent;
    Resize();
    update();
}

void ScorePaintBox::Resize() {
    const QSize size(static_cast<int>(std::ceil(pageWidth_ * Scale())),
                     static_cast<int>(std::ceil(pageHeight_ * Scale())));
    setFixedSize(size);
}

QPoint ScorePaintBox::ToPageUnits(QPointF widgetPos) const {
    return QPoint(static_cast<int>(std::floor(widgetPos.x() / Scale())),
                  static_cast<int>(std::floor(widgetPos.y() / Scale())));
}

QRect ScorePaintBox::ToWidget(const QRect& pageRect) const {
    const qreal s = Scale();
    const int left = static_cast<int>(std::floor(pageRect.left() * s));
    const int top = static_cast<int>(std::floor(pageRect.top() * s));
    const int right = static_cast<int>(std::ceil((pageRect.right() + 1) * s));
    const int bottom = static_cast<int>(std::ceil((pageRect.bottom() + 1) * s));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

void ScorePaintBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (onPaint) {
        onPaint(painter, event->rect());
    } else {
        painter.fillRect(event->rect(), Qt::white);
    }
}

void ScorePaintBox::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        event->ignore();  // the scroll area scrolls
        return;
    }
    // One notch is 120; touchpads send smaller parts that add up.
    wheelRemainder_ += event->angleDelta().y();
    const int steps = wheelRemainder_ / 120;
    wheelRemainder_ %= 120;
    if (steps != 0) Q_EMIT zoomStepRequested(steps);
    event->accept();
}

}  // namespace sorvel

namespace sorvel {

PageMouse ScorePaintBox::ToPageMouse(const QMouseEvent* event) const {
    return PageMouse{ToPageUnits(event->position()), event->button(), event->modifiers()};
}

std::optional<QPoint> ScorePaintBox::MousePagePos() const {
    const QPoint local = mapFromGlobal(QCursor::pos());
    if (!rect().contains(local)) return std::nullopt;
    return ToPageUnits(QPointF(local));
}

void ScorePaintBox::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    if (onMousePress) onMousePress(ToPageMouse(event));
}

void ScorePaintBox::mouseMoveEvent(QMouseEvent* event) {
    if (onMouseMove) onMouseMove(ToPageMouse(event));
}

void ScorePaintBox::mouseReleaseEvent(QMouseEvent* event) {
    if (onMouseRelease) onMouseRelease(ToPageMouse(event));
}

void ScorePaintBox::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double-click is a press too, after the
    // double-click itself (an item dialog it opens swallows that press).
    if (onDoubleClick) onDoubleClick(ToPageMouse(event));
    if (onMousePress) onMousePress(ToPageMouse(event));
}

}  // namespace sorvel
