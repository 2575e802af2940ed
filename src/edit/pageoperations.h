// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page commands' work on the book, without any window: creating a page at
// a place (one recorded insertion), giving a blank page the bar lines of its
// first row, and the book-wide steps of new, insert and delete page.
#include <functional>

namespace sorvel {

class TMusicBook;
class TMusicSheet;
class GlyphInfoTable;
struct LayoutState;

// Creates a page with the book's layout and the current page size, moves it
// from the end to `index` (clamped to the old page count) and records the
// insertion. The new page's layout becomes current.
TMusicSheet& CreatePageAt(TMusicBook& book, int index, LayoutState& layout, GlyphInfoTable& glyphs);

// When the page holds nothing but bar lines and beats, its bar lines are
// replaced by BarParRow plain bar lines dividing its first row into bars
// (beats stay) and true is returned; a page holding anything else is left
// alone. `onDropTool` runs once when a leading bar line or beat is met or the
// bar lines are laid (the editor passes ToolPalette::PressNoTool, returning
// its palette to the arrow tool).
bool PlaceBlankPageBarLines(TMusicSheet& page, const std::function<void()>& onDropTool = {});

// The page commands, each recorded as the caller's open undo group wants
// them. Page numbers are 1-based; each returns the page to show.
// `onDropTool` is passed on to PlaceBlankPageBarLines.
TMusicSheet& AppendNewPage(TMusicBook& book, LayoutState& layout, GlyphInfoTable& glyphs,
                           const std::function<void()>& onDropTool = {});
// A new page at (before ? current : current + 1), with the current page's
// layout copied over.
TMusicSheet& InsertPageBeside(TMusicBook& book, int currentPageNo, bool before, LayoutState& layout,
                              GlyphInfoTable& glyphs, const std::function<void()>& onDropTool = {});

}  // namespace sorvel
