// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pieces shared by the files of the MusicXML reader; not used elsewhere.
#include <cstddef>
#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "interchange/importedscore.h"

namespace sorvel::interchange::xmlread {

// Labels of what the reader leaves out.
inline constexpr std::string_view kChordNotes = SORVEL_TEXT_NOOP("sorvel::interchange", "和音の音");
inline constexpr std::string_view kOtherVoiceNotes =
    SORVEL_TEXT_NOOP("sorvel::interchange", "他の声部の音");
inline constexpr std::string_view kOtherStaffNotes =
    SORVEL_TEXT_NOOP("sorvel::interchange", "他の譜表の音");
inline constexpr std::string_view kOtherStaffMarks =
    SORVEL_TEXT_NOOP("sorvel::interchange", "他の譜表の記号");
inline constexpr std::string_view kCueNotes = SORVEL_TEXT_NOOP("sorvel::interchange", "キュー音符");
inline constexpr std::string_view kPercussionNotes =
    SORVEL_TEXT_NOOP("sorvel::interchange", "打楽器の音");
inline constexpr std::string_view kWords = SORVEL_TEXT_NOOP("sorvel::interchange", "文字");
inline constexpr std::string_view kLyrics = SORVEL_TEXT_NOOP("sorvel::interchange", "歌詞");
inline constexpr std::string_view kChordSymbols =
    SORVEL_TEXT_NOOP("sorvel::interchange", "コードネーム");
inline constexpr std::string_view kOtherFingers =
    SORVEL_TEXT_NOOP("sorvel::interchange", "対応していない指番号");
inline constexpr std::string_view kOtherStrings =
    SORVEL_TEXT_NOOP("sorvel::interchange", "対応していない弦の番号");
inline constexpr std::string_view kUnbowedFingers =
    SORVEL_TEXT_NOOP("sorvel::interchange", "擦弦楽器でないパートの指番号");
inline constexpr std::string_view kUnbowedStrings =
    SORVEL_TEXT_NOOP("sorvel::interchange", "擦弦楽器でないパートの弦の番号");
inline constexpr std::string_view kTooManyGraces =
    SORVEL_TEXT_NOOP("sorvel::interchange", "多すぎる装飾音");
inline constexpr std::string_view kLoneGraces =
    SORVEL_TEXT_NOOP("sorvel::interchange", "付く音のない装飾音");
inline constexpr std::string_view kLongNotes =
    SORVEL_TEXT_NOOP("sorvel::interchange", "長すぎる音");
inline constexpr std::string_view kNotesWithoutLength =
    SORVEL_TEXT_NOOP("sorvel::interchange", "長さのない音");
inline constexpr std::string_view kOverlappingNotes =
    SORVEL_TEXT_NOOP("sorvel::interchange", "重なった音");
inline constexpr std::string_view kBadPitches =
    SORVEL_TEXT_NOOP("sorvel::interchange", "読めない音の高さ");
inline constexpr std::string_view kMeasuresBeyondLimit =
    SORVEL_TEXT_NOOP("sorvel::interchange", "上限を超えた小節");
// What the reader rewrote.
inline constexpr std::string_view kWrittenOutReturn = SORVEL_TEXT_NOOP(
    "sorvel::interchange", "D.S.・D.C.で戻る部分（繰り返しを除いて書き出しました）");

// Counts what the reader leaves out into the score's list, in the order
// first met, with an index so that a file full of distinct unknown element
// names costs no quadratic search.
class LeftOutTally {
public:
    explicit LeftOutTally(ImportedScore& score) : score_(score) {}
    void Count(std::string_view label, int n = 1);
    // "対応していない記号 <name>": an element the reader does not import.
    void Unsupported(std::string_view element);
    // "装飾音の記号 <name>": a mark on a grace note, which carries only its finger.
    void GraceMark(std::string_view element);

private:
    void CountNamed(TextTemplate pattern, std::string_view element);

    ImportedScore& score_;
    std::unordered_map<std::string, size_t> index_;
};

// The node's text with blanks trimmed from both ends.
std::string_view TextOf(pugi::xml_node node);
std::string_view AttrOf(pugi::xml_node node, const char* name);

// A decimal number as MusicXML writes it ("2", "-1", "0.5"); false for
// anything else, infinities and NaN included.
bool ParseNumber(std::string_view text, double& out);
// The first decimal number standing in a text ("c. 60" → 60, "60-66" → 60).
bool FindNumber(std::string_view text, double& out);
// An integer attribute or text, `fallback` when absent or not a number,
// clamped to [lo, hi].
int IntOf(std::string_view text, int fallback, int lo, int hi);

// Adds a sign code once.
void AddSign(std::string& signs, char code);

// One end of a slide or glissando line.
struct LineEnd {
    bool glissando = false;
    bool start = false;
    int number = 1;
};

// What the <notations> of one note carry.
struct NoteMarks {
    std::string signs;            // codes shared by a chord: bowings, ornaments, articulations…
    std::string pitchedSigns;     // finger and string codes, which belong to one pitch
    std::vector<int> slurStarts;  // slur numbers
    std::vector<int> slurStops;
    bool tie = false;
    bool tupletStart = false;
    bool tupletStop = false;
    char slideMark = 0;  // scoop or plop: a slide into this note without a starting note
    std::vector<LineEnd> lines;
    int finger = -1;  // grace notes: the first fingering 0 … 4
};

// Reads one note's <notations> into `marks`. A grace note keeps only its
// finger, slurs and ties; its other marks are counted as left out. Fingerings
// and string numbers are kept only from a part played with a bow (`bowed`).
void ReadNotations(pugi::xml_node notations, bool grace, bool bowed, NoteMarks& marks,
                   LeftOutTally& tally);

// What one <direction> (or a <sound> standing alone in a measure) carries.
struct DirectionMarks {
    std::string signs;    // dynamics, segno, coda and the signs written in words
    char wedgeStart = 0;  // a hairpin's code, crescendo or diminuendo
    bool wedgeStop = false;
    int tempo = 0;      // quarter notes per minute; 0 none
    std::string words;  // words that are no sign, joined and trimmed
    // Fine, D.S., D.C. and To Coda (as the coda sign): they act where a note ends.
    std::string signsAtEnd;
    // <sound tocoda>: the jump is taken where the sound stands.
    bool toCodaSound = false;
    // <sound forward-repeat="yes">: a start repeat, not printed.
    bool forwardRepeat = false;
};

DirectionMarks ReadDirection(pugi::xml_node direction, LeftOutTally& tally);
// Reads the signs and the tempo of a <sound> into `marks` (signs only when
// nothing else in the direction gave them, tempo only when none was given).
void ReadSound(pugi::xml_node sound, DirectionMarks& marks);
// The tempo of a direction without counting anything; 0 none.
int TempoOfDirection(pugi::xml_node direction);

// A transposing part's <transpose>: its notes are written so many steps and
// semitones away from the pitch they sound (a B-flat clarinet: -1 and -2).
struct Transposition {
    int diatonic = 0;
    int chromatic = 0;
};

// Reads a <transpose> with its octave change folded in; a missing
// <diatonic> is taken as the step nearest the chromatic interval.
Transposition ReadTransposition(pugi::xml_node transpose);
// The sounding pitch of a written one, spelled `diatonic` steps away.
XmlPitch SoundingPitch(const XmlPitch& written, const Transposition& t);
// The sounding key of a written key signature, kept within seven accidentals.
int SoundingFifths(int fifths, const Transposition& t);

// Reads the measures of one part into `score`; `bowed` as for ReadNotations.
void ReadPart(pugi::xml_node part, bool bowed, ImportedScore& score, LeftOutTally& tally);

// Spells MusicXML's repeats in the book's terms, where the book reads bar
// lines differently: a backward repeat after endings goes back to the end of
// the last ending (the book would go back into it), and the music that goes
// on after a first ending closed by a backward repeat, with no second ending
// written, is marked as that second ending (else the book would play the
// first ending on every pass).
void ResolveRepeats(std::vector<ImportedMeasure>& measures);

// Writes out the return after the score's first D.S. or D.C. where the book
// would play it otherwise than the score: after the jump's measure, the
// measures the return plays, once each, without repeats or endings; the
// jump itself is left out. Counted in the score's list of what was rewritten.
void WriteOutReturn(ImportedScore& score);

}  // namespace sorvel::interchange::xmlread
