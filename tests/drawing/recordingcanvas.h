// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A canvas with fixed metrics that records what is drawn, so that tests can
// check drawing arithmetic exactly. Pixel size = round(points * 96 / 72);
// every text is that high; each byte is 3/5 of it wide in the music font
// and half of it in any other font.
#include <string>
#include <vector>

#include "view/core/canvas.h"

namespace sorvel::testing {

enum class OpKind { Text, Line, Polyline, ClosedPolyline, Ellipse, FillRect, Bezier };

struct Op {
    OpKind kind;
    std::vector<Point> points;  // corners, ends or control points
    std::string text;
    std::string font;
    int fontPoints = 0;
    Color fontColor = 0;
    Color penColor = 0;
    int penWidth = 0;
    PenStyle penStyle = PenStyle::Solid;
    PenMode penMode = PenMode::Copy;
    Color brushColor = 0;
    BrushStyle brushStyle = BrushStyle::Solid;
};

// "Text(93,188,5)", "Line(94,214,106,214)", "Polyline(1,2 3,4)", ...
std::string Describe(const Op& op);

class RecordingCanvas : public Canvas {
public:
    explicit RecordingCanvas(bool printing = false) : printing_(printing) {}

    static int PixelSize(int points);
    static int CharWidth(const std::string& font, int points);

    void SetFont(const std::string& family, int points) override;
    void SetFontSize(int points) override;
    void SetFontColor(Color color) override { fontColor_ = color; }
    const std::string& FontName() const override { return font_; }
    int FontSize() const override { return points_; }
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;
    void TextOut(int x, int y, const std::string& text) override;

    void SetPenMode(PenMode mode) override { penMode_ = mode; }

    void Line(int x1, int y1, int x2, int y2) override;
    void Polyline(const std::vector<Point>& points) override;
    void ClosedPolyline(const std::vector<Point>& points) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void FillRect(int left, int top, int right, int bottom) override;
    void Bezier(Point p0, Point p1, Point p2, Point p3) override;
    bool IsPrinting() const override { return printing_; }

    const std::vector<Op>& Ops() const { return ops_; }
    std::vector<Op> OpsOf(OpKind kind) const;
    // Descriptions of the drawing operations of one kind, or of all.
    std::vector<std::string> Drawn(OpKind kind) const;
    std::vector<std::string> Drawn() const;
    // The smallest and largest font size and pen width ever set.
    int minPointsSet = 1 << 30, maxPointsSet = -(1 << 30);
    int minPenWidthSet = 1 << 30;
    void Clear() { ops_.clear(); }

protected:
    void PenChanged() override;

private:
    Op Make(OpKind kind, std::vector<Point> points) const;

    bool printing_;
    std::string font_;
    int points_ = 0;
    Color fontColor_ = 0;
    PenMode penMode_ = PenMode::Copy;
    std::vector<Op> ops_;
};

}  // namespace sorvel::testing
