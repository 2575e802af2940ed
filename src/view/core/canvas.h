// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small drawing surface that page and item drawing is written against,
// in page units (1/120 inch). The program implements it with QPainter;
// tests use a recording canvas with fixed metrics.
#include <cstdint>
#include <string>
#include <vector>

namespace sorvel {

// Colours are 0x00BBGGRR, as the preferences store them.
using Color = std::uint32_t;

inline constexpr char kMusicFontName[] = "TMusicFont";

enum class PenStyle { Solid, Dot };
enum class PenMode { Copy, NotXor };
enum class BrushStyle { Solid, Clear, DiagCross };

struct Point {
    int x, y;
    bool operator==(const Point&) const = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    // Font family as CP932 bytes ("TMusicFont", "ＭＳ Ｐゴシック", a text box's
    // font). Sizes are in points, drawn at a pixel size of
    // round(points * 96 / 72) page units.
    virtual void SetFont(const std::string& family, int points) = 0;
    virtual void SetFontSize(int points) = 0;
    virtual void SetFontColor(Color color) = 0;
    virtual const std::string& FontName() const = 0;
    virtual int FontSize() const = 0;

    // Text is CP932 bytes; in the music font each byte is one glyph code.
    virtual int TextWidth(const std::string& text) = 0;
    virtual int TextHeight(const std::string& text) = 0;
    // Draws with the top-left corner of the text cell at (x, y), no background.
    virtual void TextOut(int x, int y, const std::string& text) = 0;

    // The pen and brush stay until they are set again. The canvas keeps
    // them; a surface that applies them at once does so in PenChanged and
    // BrushChanged.
    void SetPen(Color color, int width, PenStyle style = PenStyle::Solid) {
        penColor_ = color;
        penWidth_ = width;
        penStyle_ = style;
        PenChanged();
    }
    void SetBrush(Color color, BrushStyle style) {
        brushColor_ = color;
        brushStyle_ = style;
        BrushChanged();
    }
    Color PenColor() const { return penColor_; }
    PenStyle GetPenStyle() const { return penStyle_; }
    int PenWidth() const { return penWidth_; }
    Color BrushColor() const { return brushColor_; }
    BrushStyle GetBrushStyle() const { return brushStyle_; }
    virtual void SetPenMode(PenMode mode) = 0;

    virtual void Line(int x1, int y1, int x2, int y2) = 0;
    virtual void Polyline(const std::vector<Point>& points) = 0;
    // The outline through the points and back to the first, as one path:
    // every corner, the first included, is joined with a mitre. Not filled.
    virtual void ClosedPolyline(const std::vector<Point>& points) = 0;
    // Outline with the pen, inside with the brush; right and bottom excluded.
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
    // Filled with the brush colour, no outline; right and bottom excluded.
    virtual void FillRect(int left, int top, int right, int bottom) = 0;
    virtual void Bezier(Point p0, Point p1, Point p2, Point p3) = 0;

    // True for printing and exported pages, where tempo marks that are not
    // to be printed are left out.
    virtual bool IsPrinting() const = 0;

protected:
    virtual void PenChanged() {}
    virtual void BrushChanged() {}

private:
    Color penColor_ = 0;
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    Color brushColor_ = 0xFFFFFF;
    BrushStyle brushStyle_ = BrushStyle::Solid;
};

}  // namespace sorvel
