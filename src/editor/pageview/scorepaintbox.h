// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The widget the page is shown on (`pbScore1`): sized to the page at the
// view's zoom, it leaves the drawing to its owner and turns widget positions
// into page units in the one place the editor does so.
#include <QPoint>
#include <QWidget>
#include <functional>
#include <optional>

namespace sorvel {

// A mouse event on the page, its position already in page units.
struct PageMouse {
    QPoint pos;
    Qt::MouseButton button = Qt::NoButton;  // the button pressed or released
    Qt::KeyboardModifiers modifiers;
};

inline constexpr int kMinZoomPercent = 50;
inline constexpr int kMaxZoomPercent = 400;

class ScorePaintBox : public QWidget {
    Q_OBJECT
public:
    explicit ScorePaintBox(QWidget* parent = nullptr);

    // Page size in page units; the widget becomes that size at the zoom.
    void SetPageSize(int width, int height);
    int PageWidth() const { return pageWidth_; }
    int PageHeight() const { return pageHeight_; }

    // 50 to 400 per cent; at 100 one page unit is one logical pixel.
    void SetZoom(int percent);
    int Zoom() const { return zoom_; }
    qreal Scale() const { return zoom_ / 100.0; }

    // A widget position as page units (truncated toward the page origin, so a
    // click anywhere inside a unit's pixels names that unit).
    QPoint ToPageUnits(QPointF widgetPos) const;
    // A page-unit rectangle as the widget rectangle that covers it.
    QRect ToWidget(const QRect& pageRect) const;

    // Paints the exposed part; the painter is in widget pixels.
    std::function<void(QPainter&, const QRect& exposed)> onPaint;
    std::function<void(const PageMouse&)> onMousePress;
    std::function<void(const PageMouse&)> onMouseMove;
    std::function<void(const PageMouse&)> onMouseRelease;
    std::function<void(const PageMouse&)> onDoubleClick;

    // The mouse position in page units, or nothing while it is outside.
    std::optional<QPoint> MousePagePos() const;

Q_SIGNALS:
    // Ctrl + wheel: positive steps zoom in.
    void zoomStepRequested(int steps);

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void Resize();
    PageMouse ToPageMouse(const QMouseEvent* event) const;

    int pageWidth_ = 0;
    int pageHeight_ = 0;
    int zoom_ = 100;
    int wheelRemainder_ = 0;
};

}  // namespace sorvel
