// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The export's plan of a book: MusicXML measures of written notes, each with
// the directions around it and the notations on it, made by walking the
// pages; the writer then only prints the plan. Keeping the plan apart lets
// ties, slurs, slides and endings be added to notes written earlier.
#include <optional>
#include <string>
#include <vector>

#include "interchange/importedscore.h"
#include "interchange/musicxmlvocabulary.h"
#include "model/glyphcodes.h"

namespace sorvel {
class TMusicBook;
}

namespace sorvel::interchange {

inline constexpr int kDivisions = 48;  // ticks per quarter, as the timing pass counts

struct OutDirection {
    enum class Kind { Words, Dynamics, Segno, Coda, Wedge, Tempo };
    Kind kind = Kind::Words;
    std::string text;    // words (UTF-8); the dynamics element's name
    bool below = false;  // placement
    bool bold = false;   // words: a piece's title
    // Wedge: "crescendo", "diminuendo" or "stop", and its number.
    const char* wedge = nullptr;
    int number = 1;
    int perMinute = 0;    // Tempo: quarter notes per minute; 0 words only
    bool printed = true;  // Tempo: the metronome is shown
    // A <sound> attribute that goes with it (tempo, segno, dacapo, …).
    const char* soundAttribute = nullptr;
    std::string soundValue;
};

struct OutAttributes {
    bool divisions = false;
    bool clef = false;
    std::optional<int> fifths;
    int beats = 0, beatType = 0;  // a time signature; 0 none
    bool senzaMisura = false;
    int multipleRest = 0;  // > 1: a multi-measure rest begins
    bool Any() const {
        return divisions || clef || fifths || beats > 0 || senzaMisura || multipleRest > 1;
    }
};

// A line between two notes: a slur, a slide or a glissando end.
struct OutConnector {
    enum class Kind { Slur, Slide, Glissando };
    Kind kind = Kind::Slur;
    bool start = true;
    int number = 1;
};

struct OutNote {
    bool rest = false;
    bool measureRest = false;  // a whole-measure rest (no type)
    bool grace = false;
    int stealPrevious = 0;  // grace after its note: percent of that note it takes
    XmlPitch pitch;
    int duration = 0;  // ticks; none for a grace note
    const char* type = "quarter";
    int dots = 0;
    const char* accidental = nullptr;
    bool tieStart = false, tieStop = false;
    bool triplet = false, tupletStart = false, tupletStop = false;
    std::vector<OutConnector> connectors;
    std::vector<const MarkCode*> marks;       // technical, articulations, ornaments, fermata
    const char* entry = nullptr;              // "scoop" or "plop": a slide with no note before
    std::optional<OutAttributes> attributes;  // printed before the directions
    std::vector<OutDirection> before, after;
    std::vector<OutDirection> soundAfter;  // jumps: a bare <sound> after the note
};

struct OutMeasure {
    std::string number;
    bool implicit = false;
    bool newSystem = false, newPage = false;
    bool forwardRepeat = false;
    // A start repeat the book implies without a bar line: after an end repeat
    // or at a piece's start (<sound forward-repeat>).
    bool impliedForwardRepeat = false;
    char rightBar = kPlainBarLine;  // the bar line's glyph: plain, double, final or end repeat
    int endingStart = 0;            // 1 … 4
    int endingStop = 0;
    int ticks = 0;  // the length of its notes
    std::vector<OutNote> notes;
    // A bracket of no width: the ending is marked, not printed.
    bool endingHidden = false;
};

struct OutScore {
    std::string title;     // UTF-8
    std::string composer;  // UTF-8
    std::vector<OutMeasure> measures;
    int leftOutCharacters = 0;  // of the book's texts: characters XML cannot hold
};

// Walks every page of the book (running the timing pass on each) and plans
// the score.
OutScore PlanScore(TMusicBook& book);

}  // namespace sorvel::interchange
