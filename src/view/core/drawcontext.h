// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What page and item drawing needs besides the canvas: the preferences, the
// accidentals in force, the glyph rates and the layout of the page, and
// whether selected items are framed at their drag positions.
#include <cstdint>
#include <string>

#include "model/glyphinfotable.h"
#include "model/layoutstate.h"
#include "model/pagegrid.h"
#include "model/preferences.h"
#include "model/rinjimarktbl.h"
#include "view/core/canvas.h"

namespace sorvel {

class TMusicItem;

// Font sizes outside this range are nonsense from a damaged file; drawing
// keeps them inside it so a canvas never gets a zero, negative or vast font.
inline constexpr int kMinFontPoints = 1;
inline constexpr int kMaxFontPoints = 1000;
// Pen widths from items (frames, play cursor) are kept inside this range.
inline constexpr int kMaxPenWidth = 100;
// More duration lines or octave dots than this cannot be told apart on a
// page; a damaged file asking for millions draws no more than this.
inline constexpr int kMaxStackedMarks = 16;
int SafePoints(int points);
int SafePenWidth(int width);

// The fonts of the page header, footer and tempo words, as CP932 bytes.
const std::string& PGothicFontName();  // "ＭＳ Ｐゴシック"
const std::string& GothicFontName();   // "ＭＳ ゴシック"

struct DrawContext {
    const Preferences& prefs;
    TRinjiMarkTbl& rinji;
    const GlyphInfoTable& glyphs;
    const LayoutState& layout;
    bool dragPositions = false;

    Color ScoreColor() const { return static_cast<Color>(prefs.DefoScoreFontColor); }
    // The page's note size, the size every drawing leaves the canvas at.
    int NotePoints() const { return SafePoints(layout.NoteFontSize); }
    // round(NoteFontSize * rate / 100).
    int RatePoints(int rate) const;
    // The size of a glyph at its SizeRate. Glyphs without rates (rate 0)
    // are shown at the note size rather than at an invisible size 0.
    int GlyphPoints(const std::string& content) const;
};

// The position and width a selection frame is drawn at: the drag position
// while dragging, else the item's own.
struct FramePos {
    int x, y, w;
};
FramePos FramePosOf(const TMusicItem& item, const DrawContext& ctx);

// Round(value * rate / 100), the scaling every rate of a glyph or item uses.
int ScaleByRate(int value, int rate);

// A solid black rectangle, right and bottom excluded; the brush style is
// restored afterwards (its colour stays black).
void FillBlackRect(Canvas& canvas, int left, int top, int right, int bottom);

}  // namespace sorvel
