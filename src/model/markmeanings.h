// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the music-font codes of the marks mean, in one table: dynamics,
// accents, ornaments, slides, hairpins, jumps and voltas, read by playback,
// the MusicXML export and import, and the palette alike.
#include <optional>
#include <span>

namespace sorvel {

// The codes of the marks, each named once.
namespace markcode {
inline constexpr char kFirstDynamic = '@';  // ppp; "A" pp … "G" fff
inline constexpr char kLastDynamic = 'G';
inline constexpr char kSforzando = 'H';
inline constexpr char kAccent = 'x';
inline constexpr char kStaccatissimo = 'y';
inline constexpr char kFermata = ')';
inline constexpr char kTrill = '[';
inline constexpr char kWavyLine = '\\';
inline constexpr char kUpperMordent = ']';
inline constexpr char kLowerMordent = 'p';
inline constexpr char kTurn = 's';
inline constexpr char kInvertedTurn = 'v';
inline constexpr char kVibrato = 'w';
inline constexpr char kTremolo = 'z';
// The slides, written before the note they lead into.
inline constexpr char kSlideUp = '^';
inline constexpr char kSlideDown = '_';
inline constexpr char kGlissUp = '{';
inline constexpr char kGlissDown = '|';
inline constexpr char kCrescendo = 'I';
inline constexpr char kDecrescendo = 'J';
// The jump signs. A coda sign is both the To Coda mark (where the play
// leaves for the coda after a D.S. or D.C.) and the coda itself: the last one
// of a piece is the coda, the others send the play there.
inline constexpr char kFine = 'i';
inline constexpr char kSegno = 'j';
inline constexpr char kDalSegno = 'k';
inline constexpr char kCoda = 'l';
inline constexpr char kDaCapo = 'm';
// The volta brackets 1. to 4.
inline constexpr char kFirstVolta = '<';
inline constexpr char kLastVolta = '?';

// The code of a dynamic level, 0 (ppp) … 7 (fff).
constexpr char DynamicCode(int level) {
    return static_cast<char>(kFirstDynamic + level);
}
// The code of the volta bracket of ending `number`, 1 … 4.
constexpr char VoltaCode(int number) {
    return static_cast<char>(kFirstVolta + number - 1);
}
}  // namespace markcode

enum class MarkKind {
    kDynamic,    // value: the level, 0 (ppp) … 7 (fff)
    kSforzando,  // an accent stronger than kAccent
    kAccent,
    kStaccatissimo,
    kFermata,
    kOrnament,  // value: an Ornament
    kVibrato,
    kSlide,    // value: a Slide
    kHairpin,  // value: +1 crescendo, -1 decrescendo
    kJump,     // value: a Jump
    kVolta,    // value: the ending's number, 1 … 4
};

enum class Ornament { kNone, kTrill, kUpperMordent, kLowerMordent, kTurn, kInvertedTurn, kTremolo };
// Slides lead into the note: from below or above (a short slide), or as a
// glissando from the note played before.
enum class Slide { kNone, kUp, kDown, kGlissUp, kGlissDown };
enum class Jump { kFine, kSegno, kDalSegno, kCoda, kDaCapo };

struct MarkMeaning {
    char code;
    MarkKind kind;
    int value = 0;
};

// The meaning of a mark's code; null for codes that mean nothing to the
// music's sound or form (bowings, fingers, text signs …).
const MarkMeaning* MeaningOf(char code);
// Every row of the table, each code once.
std::span<const MarkMeaning> MarkMeanings();

// Whether `code` means a mark of `kind`.
bool IsMarkOf(MarkKind kind, char code);
// The level of a dynamic sign, 0 (ppp) … 7 (fff); none for other codes.
std::optional<int> DynamicLevelOf(char code);
// The ornament of a code; kNone for codes that are no ornament.
Ornament OrnamentOf(char code);
// The slide of a code; kNone for codes that are no slide.
Slide SlideOf(char code);
// Whether a slide is a glissando from the note before, and whether it rises.
bool IsGlissando(Slide slide);
bool IsRising(Slide slide);
// A hairpin's direction: +1 crescendo, -1 decrescendo, 0 for other codes.
int HairpinDirectionOf(char code);
// The ending number of a volta bracket's code, 1 … 4; 0 for other codes.
int VoltaNumberOfCode(char code);

}  // namespace sorvel
