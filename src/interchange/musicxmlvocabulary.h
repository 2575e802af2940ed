// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The MusicXML words the importer and the exporter share, each spelled once:
// the erhu marks of a book (one-glyph signs, by their music-font code) and
// the elements that carry them, note types with their lengths, bar styles,
// repeat and ending words, and the time-signature elements. The importer
// reads the tables from the MusicXML side, the exporter from the book's side.
// Meters themselves (glyph and beats) are the model's table in glyphcodes.h.
#include <cstddef>
#include <iterator>
#include <span>
#include <string_view>

#include "model/markmeanings.h"

namespace sorvel::interchange {

// ---- Note types

// A note type and its length in 1024ths of a whole note, so that every type
// MusicXML has, from the maxima down to the 1024th, is a whole number.
struct NoteType {
    const char* name;
    int per1024;
};

inline constexpr NoteType kNoteTypes[] = {
    {"maxima", 8192}, {"long", 4096},  {"breve", 2048}, {"whole", 1024}, {"half", 512},
    {"quarter", 256}, {"eighth", 128}, {"16th", 64},    {"32nd", 32},    {"64th", 16},
    {"128th", 8},     {"256th", 4},    {"512th", 2},    {"1024th", 1},
};
inline constexpr int kQuarterTypeIndex = 5;

// The type of a name; null for a name MusicXML does not have.
const NoteType* NoteTypeOfName(std::string_view name);

constexpr double QuartersOf(const NoteType& type) {
    return type.per1024 / 256.0;
}

// Its length at `divisions` per quarter note (exact for the types down to
// the one a division's length allows).
constexpr int TicksOf(const NoteType& type, int divisions) {
    return type.per1024 * divisions * 4 / 1024;
}

// The type of a numeral with `underlines` duration lines: 0 a quarter, 1 an
// eighth, 2 a 16th…; negative counts are the longer types (-1 a half, -2 a
// whole). Clamped to the table.
constexpr const NoteType& NoteTypeOfUnderlines(int underlines) {
    const int i = kQuarterTypeIndex + underlines;
    const int last = static_cast<int>(std::size(kNoteTypes)) - 1;
    return kNoteTypes[static_cast<size_t>(i < 0 ? 0 : i > last ? last : i)];
}

// The duration lines of a type, as NoteTypeOfUnderlines counts them.
constexpr int UnderlinesOf(const NoteType& type) {
    return static_cast<int>(&type - kNoteTypes) - kQuarterTypeIndex;
}

// ---- Bar lines, repeats and endings

// How a bar line of the book ends a measure: its <bar-style>, and whether a
// <repeat direction="backward"> goes with it.
struct RightBarLine {
    char code;  // the bar line's glyph
    const char* style;
    bool backwardRepeat;
};

// The bar lines other than the plain one, which is written as no barline.
std::span<const RightBarLine> RightBarLines();

// The entry of a bar-line code; null for the plain line and codes that end
// no measure differently.
const RightBarLine* RightBarLineOfCode(char code);

// The bar-line code for a right-hand barline: a backward repeat decides
// first, then the style; the plain line for no style, "regular" and
// "none"; 0 for a style the book has no bar line for.
char CodeOfRightBarLine(std::string_view style, bool backwardRepeat);

// The style of the left barline of a measure that starts a repeat.
inline constexpr char kStartRepeatStyle[] = "heavy-light";

// <repeat direction="…">
inline constexpr char kRepeatForward[] = "forward";
inline constexpr char kRepeatBackward[] = "backward";
// <ending type="…">: a bracket starts; ends with its hook (before an end
// repeat); ends open (the last ending).
inline constexpr char kEndingStart[] = "start";
inline constexpr char kEndingStop[] = "stop";
inline constexpr char kEndingDiscontinue[] = "discontinue";
// <barline location="…">
inline constexpr char kBarLeft[] = "left";
inline constexpr char kBarRight[] = "right";
// <sound forward-repeat="yes"/>: a start repeat that is implied, not printed.
inline constexpr char kSoundForwardRepeat[] = "forward-repeat";

// ---- Jumps

// <sound> attributes of the jumps: a D.S. goes back to the segno of the same
// name, a To Coda on to the coda of the same name.
inline constexpr char kSoundSegno[] = "segno";
inline constexpr char kSoundDalSegno[] = "dalsegno";
inline constexpr char kSoundDaCapo[] = "dacapo";
inline constexpr char kSoundFine[] = "fine";
inline constexpr char kSoundToCoda[] = "tocoda";
inline constexpr char kSoundCoda[] = "coda";

// The words of a To Coda mark, and what the words of a D.S. or D.C. add to
// say where the return ends.
inline constexpr char kToCodaWords[] = "To Coda";
inline constexpr char kAlFine[] = " al Fine";
inline constexpr char kAlCoda[] = " al Coda";

// Whether a sign acts once its note has sounded (Fine, D.S., D.C.). A To
// Coda mark does too, but only its place tells it from the coda.
bool ActsAtNoteEnd(char code);
// Whether words name a To Coda mark ("To Coda", "to Coda ⊕"…).
bool IsToCodaWords(std::string_view text);

// ---- Time signatures: <time><beats>3</beats><beat-type>4</beat-type></time>,
// or <time><senza-misura/></time> for none.
inline constexpr char kTimeBeats[] = "beats";
inline constexpr char kTimeBeatType[] = "beat-type";
inline constexpr char kSenzaMisura[] = "senza-misura";

// ---- Marks

// Where the element of a mark stands in MusicXML.
enum class MarkPlace {
    Dynamics,       // <direction-type><dynamics><f/></dynamics>
    Articulations,  // <notations><articulations><accent/>
    Technical,      // <notations><technical><up-bow/>, <fingering>1</fingering>, <string>2</string>
    Ornaments,      // <notations><ornaments><turn/>
    Fermata,        // <notations><fermata/>
    Segno,          // <direction-type><segno/>
    Coda,           // <direction-type><coda/>
    Words,          // <direction-type><words>D.C.</words>
};

struct MarkCode {
    char code;  // the sign's Content
    MarkPlace place;
    std::string_view element;  // element name; empty for Words
    std::string_view text;     // the element's text (fingering, string number, words); may be empty
};

// Every sign the exchange knows, each code once. Slides and glissandos are
// not here: they join two notes and are handled by both sides themselves.
std::span<const MarkCode> MarkCodes();

// The entry of a sign code; null for codes MusicXML does not carry.
const MarkCode* MarkOfCode(char code);

// The sign for an element met at `place` (with its text for fingering,
// string and words); 0 when no sign stands for it. Words are matched without
// letter case and ignoring a trailing full stop ("Fine", "D.C.", "rit.",
// "rall.", "accel.").
char CodeOfElement(MarkPlace place, std::string_view element, std::string_view text = {});

// ---- Instruments

// Whether a part is played with a bow, so that its fingerings and string
// numbers mean on the erhu what they meant there (a piano's fingers and a
// guitar's strings do not). Its <instrument-sound> decides when it names one:
// MusicXML files every bowed instrument under "strings." and plucked ones under
// "pluck.". Else words of its part name do ("Violin", "Erhu", "二胡", "チェロ"…);
// a part with neither says nothing against it and counts as bowed.
bool IsBowedStringPart(std::string_view instrumentSound, std::string_view partName);

}  // namespace sorvel::interchange
