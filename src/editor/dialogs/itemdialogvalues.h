// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of the item property dialogs without any widget: the range
// checks of bar count and tempo, the daon mark's note data built from the
// dialog's rows, and the geometry of the note dialog, where the accidental
// and the dot are placed by offsets in per cent of the note glyph.
#include <array>
#include <optional>
#include <string>

#include "base/usertext.h"

namespace sorvel {

class TMusicBook;
class TNote;

// ---- bar count and tempo ----

// The message for a bar count outside 1 to 999, or none.
std::optional<UserText> CheckBarCount(int count);

// Tempo units: per minute and per cent.
inline constexpr int kTempoPerMinute = 0;
inline constexpr int kTempoPercent = 1;
// The message for a tempo outside 10 to 240 (per minute) or 10 to 300 (per
// cent), or none.
std::optional<UserText> CheckTempo(int tempo, int unit);

// ---- daon mark ----

// One row of the daon dialog: pitch digit ("1".."7", empty for an absent
// note), octave, finger glyph (empty for none).
struct DaonRow {
    std::string pitch;
    int octave = 0;
    std::string finger;
};

// The twelve characters of AllNoteData: for each row from the first, up to
// the first row without a pitch, the pitch, octave + 3 as one digit and the
// finger glyph (a blank for none); absent notes read as blank, "3", blank.
std::string BuildAllNoteData(const std::array<DaonRow, 4>& rows);

// ---- note dialog ----

// The note glyph as the dialog draws it: centre (cx, cy) of the paint box,
// the glyph's width w and its height h (text height scaled by its height
// rate).
struct NoteFigure {
    int cx = 0, cy = 0, w = 0, h = 0;
};

struct FigurePoint {
    int x = 0, y = 0;
    bool operator==(const FigurePoint&) const = default;
};

// The four offsets of a note's accidental (top-left) and dot (centre), in per
// cent of the glyph's width (x) and height (y).
struct NoteOffsets {
    int xRinji = 0, yRinji = 0, xFuten = 0, yFuten = 0;
    bool operator==(const NoteOffsets&) const = default;
};

// (cx + round(offsetX * w / 100), cy + round(offsetY * h / 100)).
FigurePoint PointFromOffsets(const NoteFigure& f, int offsetX, int offsetY);
// round((x - cx) * 100 / w), round((y - cy) * 100 / h); 0 along an axis whose
// size is not positive.
FigurePoint OffsetsFromPoint(const NoteFigure& f, FigurePoint p);
// round(w / 6).
int DotRadius(const NoteFigure& f);

NoteOffsets OffsetsOf(const TNote& note);
// Sets the four offsets through the note's setters.
void ApplyNoteOffsets(TNote& note, const NoteOffsets& offsets);
// Gives every note on every page of the book the same offsets.
void ApplyNoteOffsetsToBook(TMusicBook& book, const NoteOffsets& offsets);

}  // namespace sorvel
