// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The canvas of page drawing on a QPainter whose unit is the page unit; the
// caller scales the painter to the device (screen, image, PDF, printer).
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <optional>

#include "view/core/canvas.h"

namespace sorvel {

class QtCanvas : public Canvas {
public:
    QtCanvas(QPainter& painter, bool printing);

    void SetFont(const std::string& family, int points) override;
    void SetFontSize(int points) override;
    void SetFontColor(Color color) override { fontColor_ = color; }
    const std::string& FontName() const override { return family_; }
    int FontSize() const override { return points_; }

    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;
    void TextOut(int x, int y, const std::string& text) override;

    void SetPenMode(PenMode mode) override;

    void Line(int x1, int y1, int x2, int y2) override;
    void Polyline(const std::vector<Point>& points) override;
    void ClosedPolyline(const std::vector<Point>& points) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void FillRect(int left, int top, int right, int bottom) override;
    void Bezier(Point p0, Point p1, Point p2, Point p3) override;

    bool IsPrinting() const override { return printing_; }

    // A 0x00BBGGRR colour as Qt's.
    static QColor ToQColor(Color color);

protected:
    void PenChanged() override { ApplyPen(); }
    void BrushChanged() override { ApplyBrush(); }

private:
    void ApplyFont();
    QString ToQString(const std::string& text) const;
    void ApplyPen();
    void ApplyBrush();

    QPainter& painter_;
    bool printing_;
    std::string family_;
    int points_ = 0;
    bool musicFont_ = false;
    QFont font_;
    std::optional<QFontMetrics> metrics_;
    Color fontColor_ = 0;
};

}  // namespace sorvel
