// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One part of a MusicXML score as the book builder needs it: measures of
// single-voice notes in ticks (48 to the quarter), each note with the marks
// it carries as sign codes. The reader fills it; the builder lays it out as
// pages. Everything the reader dropped is counted in `leftOut`.
#include <string>
#include <utility>
#include <vector>

#include "base/usertext.h"

namespace sorvel::interchange {

inline constexpr int kTicksPerQuarter = 48;

// A pitch as MusicXML spells it.
struct XmlPitch {
    char step = 'C';  // 'A' … 'G'
    int alter = 0;    // semitones; MusicXML's decimal alters are rounded
    int octave = 4;   // 4 is the octave of middle C
};

// The MIDI note number of a pitch (middle C = 60).
int MidiOfPitch(const XmlPitch& p);

struct GraceNote {
    XmlPitch pitch;
    int underlines = 1;  // 1 eighth, 2 sixteenth, 3 thirty-second and shorter
    int finger = -1;     // 0 … 4 from <fingering>, -1 none
};

struct ImportedNote {
    int onset = 0;     // ticks from the start of the measure
    int duration = 0;  // ticks, time modification applied (a triplet eighth is 16)
    bool rest = false;
    XmlPitch pitch;  // when not a rest

    bool tieToNext = false;    // <tie type="start">: the next note of the same pitch continues it
    bool triplet = false;      // <time-modification> 3 in the time of 2 (its measure's
                               // tuplets say which notes share a bracket)
    bool tupletStart = false;  // <tuplet type="start"> of a 3:2 tuplet
    bool tupletStop = false;
    int slurStarts = 0;  // <slur type="start"> on this note
    int slurStops = 0;
    // The numbers of those slurs, when known: a stop ends the open slur of
    // its number (otherwise the one begun last).
    std::vector<int> slurStartNumbers;
    std::vector<int> slurStopNumbers;
    char wedgeStart = 0;     // a hairpin's code: a hairpin begins at this note
    bool wedgeStop = false;  // a hairpin ends at this note
    char slideIn = 0;  // '^' '_' (slide) or '{' '|' (glissando) ending at this note, by direction

    // One-glyph signs on the note, in the order met: dynamics, bowings,
    // strings, fingers, ornaments, articulations, fermata, and the direction
    // signs that stand at its onset (segno, coda, rit., accel.).
    std::string signs;
    // Signs that act where the note ends: Fine, D.S., D.C., and the coda sign
    // of a To Coda mark.
    std::string signsAtEnd;
    std::vector<GraceNote> gracesBefore;  // grace notes written before it
    std::vector<GraceNote> gracesAfter;  // grace notes after it (at the end of its measure's voice)
    int tempo = 0;  // a later tempo change at this note, quarter notes per minute; 0 none
};

// A tuplet of the kept voice: `actual` notes in the time of `normal`, over
// the ticks [onset, end) of its measure. Every note and rest the voice has
// there belongs to it, also where the tuplet's own notes went to another staff.
struct ImportedTuplet {
    int onset = 0;
    int end = 0;
    int actual = 3;
    int normal = 2;
};

struct ImportedMeasure {
    std::string number;  // the measure's number attribute
    int beats = 0;       // a time signature begins here: beats / beatType; 0 none
    int beatType = 0;
    bool keyChange = false;  // a key signature begins here (other than the first)
    int fifths = 0;
    char rightBar = 'c';         // bar line at the end: 'c' plain, 'd' double (light-light),
                                 // 'e' final (light-heavy), 'g' end repeat
    bool repeatForward = false;  // a start-repeat at its left
    int ending = 0;              // 1 … 4: an ending bracket covers this measure
    bool endingStart = false;
    bool endingStop = false;
    // The start repeat is not printed: a <sound forward-repeat>, or where a
    // backward repeat after endings goes back to.
    bool repeatForwardImplied = false;
    // The ending is not printed (print-object="no"), or it marks the music
    // that goes on after a first ending when the file has no second one.
    bool endingHidden = false;
    int multiRest = 0;                // > 1: this measure begins a rest of so many measures
    int length = 0;                   // ticks the measure lasts (the end of its longest voice)
    std::vector<ImportedNote> notes;  // the part's first voice of its first staff, in time order
    std::vector<ImportedTuplet> tuplets;  // in time order, none inside another
};

struct ImportedScore {
    std::string title;       // UTF-8; work title, else movement title
    std::string composer;    // UTF-8
    int fifths = 0;          // the first key signature (a minor key as its relative major)
    int tempo = 0;           // the first tempo, quarter notes per minute; 0 none
    std::string tempoWords;  // words standing with the first tempo ("Andante"), UTF-8
    int partNumber = 0;      // 1-based number of the part read
    int partCount = 0;
    struct PartInfo {
        std::string name;  // the part-list's part-name (UTF-8), may be empty
        bool hasNotes = false;
    };
    std::vector<PartInfo> parts;  // every part of the score, in order, for choosing one
    std::vector<ImportedMeasure> measures;
    // What the reader left out, in the order first met: a Japanese label
    // ("和音の音", "他の声部の音", "他の譜表の音", "対応していない記号 <tenuto>"…)
    // and how many.
    std::vector<std::pair<std::string, int>> leftOut;
    // What the reader wrote in a form of its own (the return after a D.S.
    // written out), labelled and counted alike.
    std::vector<std::pair<std::string, int>> rewritten;
};

// The labels of what was left out (or rewritten) that name the thing: a
// template whose %1 is the name ("<tenuto>", "5/4", the 5 of a 5-tuplet). The other labels are
// constants marked with SORVEL_TEXT_NOOP in "sorvel::interchange".
inline constexpr TextTemplate kUnsupportedMarkLabel =
    SORVEL_TEXT("sorvel::interchange", "対応していない記号 %1");
inline constexpr TextTemplate kGraceMarkLabel =
    SORVEL_TEXT("sorvel::interchange", "装飾音の記号 %1");
inline constexpr TextTemplate kUnknownMeterLabel =
    SORVEL_TEXT("sorvel::interchange", "この形式にない拍子 %1");
inline constexpr TextTemplate kTupletBracketLabel =
    SORVEL_TEXT("sorvel::interchange", "%1連符の括弧");
inline constexpr TextTemplate kTupletAsTripletsLabel =
    SORVEL_TEXT("sorvel::interchange", "%1連符（3連符の括弧で書きました）");

// A naming label: the template filled with `name`.
std::string NamedLeftOutLabel(TextTemplate label, const std::string& name);
// A label of the list as a text to translate: a naming label as its template
// and name, any other as itself.
UserText LeftOutLabelText(const std::string& label);

// Adds `n` to the count of `label` in a list of what was left out, appending
// the label the first time.
void CountLeftOut(std::vector<std::pair<std::string, int>>& leftOut, const std::string& label,
                  int n = 1);

}  // namespace sorvel::interchange
