// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordingcanvas.h"

#include <algorithm>

#include "base/arith.h"

namespace sorvel::testing {

std::string Describe(const Op& op) {
    static const char* const kNames[] = {"Text",    "Line",     "Polyline", "ClosedPolyline",
                                         "Ellipse", "FillRect", "Bezier"};
    std::string s = kNames[static_cast<int>(op.kind)];
    s += '(';
    const bool pairs = op.kind == OpKind::Polyline || op.kind == OpKind::ClosedPolyline ||
                       op.kind == OpKind::Bezier;
    for (size_t i = 0; i < op.points.size(); ++i) {
        if (i > 0) s += pairs ? " " : ",";
        s += std::to_string(op.points[i].x) + "," + std::to_string(op.points[i].y);
    }
    if (op.kind == OpKind::Text) s += "," + op.text;
    return s + ")";
}

int RecordingCanvas::PixelSize(int points) {
    return RoundHalfEven(points * 96 / 72.0);
}

int RecordingCanvas::CharWidth(const std::string& font, int points) {
    const int px = PixelSize(points);
    return font == kMusicFontName ? px * 3 / 5 : px / 2;
}

void RecordingCanvas::SetFont(const std::string& family, int points) {
    font_ = family;
    SetFontSize(points);
}

void RecordingCanvas::SetFontSize(int points) {
    points_ = points;
    minPointsSet = std::min(minPointsSet, points);
    maxPointsSet = std::max(maxPointsSet, points);
}

int RecordingCanvas::TextWidth(const std::string& text) {
    return static_cast<int>(text.size()) * CharWidth(font_, points_);
}

int RecordingCanvas::TextHeight(const std::string&) {
    return PixelSize(points_);
}

void RecordingCanvas::TextOut(int x, int y, const std::string& text) {
    Op op = Make(OpKind::Text, {{x, y}});
    op.text = text;
    ops_.push_back(op);
}

void RecordingCanvas::PenChanged() {
    minPenWidthSet = std::min(minPenWidthSet, PenWidth());
}

void RecordingCanvas::Line(int x1, int y1, int x2, int y2) {
    ops_.push_back(Make(OpKind::Line, {{x1, y1}, {x2, y2}}));
}

void RecordingCanvas::Polyline(const std::vector<Point>& points) {
    ops_.push_back(Make(OpKind::Polyline, points));
}

void RecordingCanvas::ClosedPolyline(const std::vector<Point>& points) {
    ops_.push_back(Make(OpKind::ClosedPolyline, points));
}

void RecordingCanvas::Ellipse(int left, int top, int right, int bottom) {
    ops_.push_back(Make(OpKind::Ellipse, {{left, top}, {right, bottom}}));
}

void RecordingCanvas::FillRect(int left, int top, int right, int bottom) {
    ops_.push_back(Make(OpKind::FillRect, {{left, top}, {right, bottom}}));
}

void RecordingCanvas::Bezier(Point p0, Point p1, Point p2, Point p3) {
    ops_.push_back(Make(OpKind::Bezier, {p0, p1, p2, p3}));
}

Op RecordingCanvas::Make(OpKind kind, std::vector<Point> points) const {
    Op op;
    op.kind = kind;
    op.points = std::move(points);
    op.font = font_;
    op.fontPoints = points_;
    op.fontColor = fontColor_;
    op.penColor = PenColor();
    op.penWidth = PenWidth();
    op.penStyle = GetPenStyle();
    op.penMode = penMode_;
    op.brushColor = BrushColor();
    op.brushStyle = GetBrushStyle();
    return op;
}

std::vector<Op> RecordingCanvas::OpsOf(OpKind kind) const {
    std::vector<Op> out;
    for (const Op& op : ops_) {
        if (op.kind == kind) out.push_back(op);
    }
    return out;
}

std::vector<std::string> RecordingCanvas::Drawn(OpKind kind) const {
    std::vector<std::string> out;
    for (const Op& op : OpsOf(kind)) out.push_back(Describe(op));
    return out;
}

std::vector<std::string> RecordingCanvas::Drawn() const {
    std::vector<std::string> out;
    for (const Op& op : ops_) out.push_back(Describe(op));
    return out;
}

}  // namespace sorvel::testing
