// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/musicxmlvocabulary.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "model/glyphcodes.h"

namespace sorvel::interchange {
namespace {

using P = MarkPlace;

constexpr RightBarLine kRightBarLines[] = {
    {kDoubleBarLine, "light-light", false},
    {kFinalBarLine, "light-heavy", false},
    {kEndRepeatBarLine, "light-heavy", true},
};

// Erhu strings: the outer (higher, A) string is MusicXML's string 1, the
// inner (D) string 2. The small ring is the open-string sign; "T" is the
// finger number 0.
constexpr MarkCode kMarks[] = {
    {markcode::DynamicCode(0), P::Dynamics, "ppp", {}},
    {markcode::DynamicCode(1), P::Dynamics, "pp", {}},
    {markcode::DynamicCode(2), P::Dynamics, "p", {}},
    {markcode::DynamicCode(3), P::Dynamics, "mp", {}},
    {markcode::DynamicCode(4), P::Dynamics, "mf", {}},
    {markcode::DynamicCode(5), P::Dynamics, "f", {}},
    {markcode::DynamicCode(6), P::Dynamics, "ff", {}},
    {markcode::DynamicCode(7), P::Dynamics, "fff", {}},
    {markcode::kSforzando, P::Dynamics, "sf", {}},
    {'P', P::Technical, "down-bow", {}},
    {'Q', P::Technical, "up-bow", {}},
    {'R', P::Technical, "string", "2"},
    {'S', P::Technical, "string", "1"},
    {'T', P::Technical, "fingering", "0"},
    {'U', P::Technical, "fingering", "1"},
    {'V', P::Technical, "fingering", "2"},
    {'W', P::Technical, "fingering", "3"},
    {'X', P::Technical, "fingering", "4"},
    {'.', P::Technical, "open-string", {}},
    {'o', P::Technical, "harmonic", {}},
    {'q', P::Technical, "stopped", {}},
    {markcode::kTrill, P::Ornaments, "trill-mark", {}},
    {markcode::kWavyLine, P::Ornaments, "wavy-line", {}},
    {markcode::kUpperMordent, P::Ornaments, "inverted-mordent", {}},
    {markcode::kLowerMordent, P::Ornaments, "mordent", {}},
    {markcode::kTurn, P::Ornaments, "turn", {}},
    {markcode::kInvertedTurn, P::Ornaments, "inverted-turn", {}},
    {markcode::kVibrato, P::Ornaments, "other-ornament", "vibrato"},
    {markcode::kTremolo, P::Ornaments, "tremolo", {}},
    {markcode::kAccent, P::Articulations, "accent", {}},
    {markcode::kStaccatissimo, P::Articulations, "staccatissimo", {}},
    {'r', P::Articulations, "staccato", {}},
    {'t', P::Articulations, "breath-mark", {}},
    {markcode::kFermata, P::Fermata, "fermata", {}},
    {markcode::kSegno, P::Segno, "segno", {}},
    {markcode::kCoda, P::Coda, "coda", {}},
    {markcode::kFine, P::Words, {}, "Fine"},
    {markcode::kDalSegno, P::Words, {}, "D.S."},
    {markcode::kDaCapo, P::Words, {}, "D.C."},
    {'n', P::Words, {}, "rit."},
    {'u', P::Words, {}, "accel."},
};

// Other spellings that mean the same sign when read.
struct Alias {
    MarkPlace place;
    std::string_view element;
    char code;
};
constexpr Alias kAliases[] = {
    {P::Articulations, "strong-accent", markcode::kAccent},
    {P::Articulations, "spiccato", markcode::kStaccatissimo},
    {P::Ornaments, "shake", markcode::kTrill},
    {P::Dynamics, "sfz", markcode::kSforzando},
    {P::Dynamics, "sfp", markcode::kSforzando},
    {P::Dynamics, "fz", markcode::kSforzando},
    {P::Dynamics, "rfz", markcode::kSforzando},
    {P::Dynamics, "sffz", markcode::kSforzando},
    {P::Dynamics, "ffff", markcode::DynamicCode(7)},
    {P::Dynamics, "pppp", markcode::DynamicCode(0)},
};

std::string NormalWords(std::string_view text) {
    std::string s;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') continue;
        s += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    while (!s.empty() && s.back() == '.') s.pop_back();
    return s;
}

char CodeOfWords(std::string_view text) {
    const std::string w = NormalWords(text);
    if (w.empty()) return 0;
    if (w == "fine") return markcode::kFine;
    if (w == "d.s" || w == "dalsegno" || w == "d.s.alfine" || w == "d.s.alcoda")
        return markcode::kDalSegno;
    if (w == "d.c" || w == "dacapo" || w == "d.c.alfine" || w == "d.c.alcoda")
        return markcode::kDaCapo;
    if (w.rfind("rit", 0) == 0 || w.rfind("rall", 0) == 0) return 'n';
    if (w.rfind("accel", 0) == 0) return 'u';
    return 0;
}

}  // namespace

bool ActsAtNoteEnd(char code) {
    return code == markcode::kFine || code == markcode::kDalSegno || code == markcode::kDaCapo;
}

bool IsToCodaWords(std::string_view text) {
    return NormalWords(text).starts_with("tocoda");
}

const NoteType* NoteTypeOfName(std::string_view name) {
    for (const NoteType& t : kNoteTypes) {
        if (name == t.name) return &t;
    }
    return nullptr;
}

std::span<const RightBarLine> RightBarLines() {
    return kRightBarLines;
}

const RightBarLine* RightBarLineOfCode(char code) {
    for (const RightBarLine& b : kRightBarLines) {
        if (b.code == code) return &b;
    }
    return nullptr;
}

char CodeOfRightBarLine(std::string_view style, bool backwardRepeat) {
    for (const RightBarLine& b : kRightBarLines) {
        if (b.backwardRepeat && backwardRepeat) return b.code;
    }
    if (style.empty() || style == "regular" || style == "none") return kPlainBarLine;
    for (const RightBarLine& b : kRightBarLines) {
        if (!b.backwardRepeat && style == b.style) return b.code;
    }
    return 0;
}

std::span<const MarkCode> MarkCodes() {
    return kMarks;
}

const MarkCode* MarkOfCode(char code) {
    const auto it = std::find_if(std::begin(kMarks), std::end(kMarks),
                                 [code](const MarkCode& m) { return m.code == code; });
    return it == std::end(kMarks) ? nullptr : &*it;
}

char CodeOfElement(MarkPlace place, std::string_view element, std::string_view text) {
    if (place == P::Words) return CodeOfWords(text);
    for (const MarkCode& m : kMarks) {
        if (m.place != place || m.element != element) continue;
        if (m.text.empty() || element == "other-ornament") {
            if (element != "other-ornament" || NormalWords(text) == m.text) return m.code;
            continue;
        }
        // Fingering and string numbers: the text decides.
        std::string_view t = text;
        while (!t.empty() && (t.front() == ' ' || t.front() == '\n')) t.remove_prefix(1);
        while (!t.empty() && (t.back() == ' ' || t.back() == '\n')) t.remove_suffix(1);
        if (t == m.text) return m.code;
    }
    for (const Alias& a : kAliases) {
        if (a.place == place && a.element == element) return a.code;
    }
    return 0;
}

bool IsBowedStringPart(std::string_view instrumentSound, std::string_view partName) {
    if (!instrumentSound.empty()) return instrumentSound.starts_with("strings.");
    if (partName.empty()) return true;
    // Names in the languages scores of erhu players are written in; "bass"
    // alone is left out, for it names a guitar as often as a double bass.
    static constexpr std::string_view kBowedNames[] = {
        "violin",  "viola",    "cello",  "contrabass",   "double bass", "fiddle",
        "geige",   "bratsche", "violon", "erhu",         "huqin",       "gaohu",
        "zhonghu", "banhu",    "jinghu", "二胡",         "胡琴",        "高胡",
        "中胡",    "板胡",     "京胡",   "提琴",         "バイオリン",  "ヴァイオリン",
        "ビオラ",  "ヴィオラ", "チェロ", "コントラバス", "胡弓"};
    std::string name(partName);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return std::any_of(
        std::begin(kBowedNames), std::end(kBowedNames),
        [&name](std::string_view word) { return name.find(word) != std::string::npos; });
}

}  // namespace sorvel::interchange
