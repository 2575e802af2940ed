// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drawing of every item kind, one family per source file. Each function
// draws the item and stores what it measured (Width, Height and the private
// extents that hit testing uses) back into the item. Every function leaves
// the canvas at the music font at the page's note size.
#include <string>

#include "view/core/canvas.h"
#include "view/core/drawcontext.h"

namespace sorvel {

class TMusicItem;
class TNote;
class THorizBar;
class SpanningMark;
class TDaon;
class TTempo;
class TTextBox;

// Draws any item by its class.
void DrawItem(Canvas& canvas, TMusicItem& item, DrawContext& ctx);

// Bar lines, time signatures and signs: the content glyph centred on the
// item's position, at the glyph's size rate when `ownSize` is set.
void DrawBaseItem(Canvas& canvas, TMusicItem& item, const DrawContext& ctx, bool ownSize);
void DrawHorizBar(Canvas& canvas, THorizBar& bar, const DrawContext& ctx);

// A note: numeral, accidental, duration lines, octave dots, dot. Reads and
// updates the accidentals in force.
void DrawNote(Canvas& canvas, TNote& note, DrawContext& ctx);
// The accidental glyph drawn beside a note whose own accidental is `own`
// while `inForce` is in force for its numeral and octave; empty for none.
std::string ChooseAccidental(const std::string& inForce, const std::string& own);

void DrawSpanningMark(Canvas& canvas, SpanningMark& mark, const DrawContext& ctx);
void DrawDaon(Canvas& canvas, TDaon& daon, const DrawContext& ctx);
void DrawTempo(Canvas& canvas, TTempo& tempo, const DrawContext& ctx);
void DrawTextBox(Canvas& canvas, TTextBox& box, const DrawContext& ctx);

}  // namespace sorvel
