#pragma once
// The one table between the erhu marks of a book (one-glyph signs, by their
// music-font code) and the MusicXML elements that carry them. The importer
// reads it from the element side, the exporter from the code side.
#include <span>
#include <string_view>

namespace sorvel::interchange {

// Where the element of a mark stands in MusicXML.
enum class MarkPlace {
    Dynamics,      // <direction-type><dynamics><f/></dynamics>
    Articulations, // <notations><articulations><accent/>
    Technical,     // <notations><technical><up-bow/>, <fingering>1</fingering>, <string>2</string>
    Ornaments,     // <notations><ornaments><turn/>
    Fermata,       // <notations><fermata/>
    Segno,         // <direction-type><segno/>
    Coda,          // <direction-type><coda/>
    Words,         // <direction-type><words>D.C.</words>
};

struct MarkCode {
    char code;              // the sign's Content
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

// The slide signs, written before the note they lead into.
inline constexpr char kSlideUp = '^';
inline constexpr char kSlideDown = '_';
inline constexpr char kGlissUp = '{';
inline constexpr char kGlissDown = '|';

}  // namespace sorvel::interchange
