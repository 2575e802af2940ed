// SPDX-License-Identifier: GPL-3.0-or-later
// The marks of the MusicXML reader: notations of a note and directions, each
// turned into a sign code through the shared table of marks.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "base/arith.h"
#include "base/text.h"
#include "interchange/musicxmlreader_internal.h"
#include "interchange/musicxmlvocabulary.h"

namespace sorvel::interchange::xmlread {
namespace {

// Element names are cut to this many bytes in a label, and a file cannot make
// more than so many distinct labels: the rest share one.
constexpr size_t kMaxNameBytes = 40;
constexpr size_t kMaxLabels = 256;
constexpr std::string_view kOtherLabels = SORVEL_TEXT_NOOP("sorvel::interchange", "その他の記号");

constexpr int kMaxTempo = 1000;

bool IsElement(pugi::xml_node node) {
    return node.type() == pugi::node_element;
}

// The part of an element name shown in a label, cut at a whole UTF-8 character.
std::string_view ShownName(std::string_view name) {
    if (name.size() <= kMaxNameBytes) return name;
    size_t end = kMaxNameBytes;
    while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) --end;
    return name.substr(0, end);
}

// Quarter notes in a beat unit; 0 for a name MusicXML does not have.
double QuartersOfUnit(std::string_view unit) {
    const NoteType* type = NoteTypeOfName(unit);
    return type ? QuartersOf(*type) : 0;
}

// Quarter notes per minute of a <metronome> with a beat unit and a rate;
// 0 for a metric modulation (two beat units) or a rate that is no number.
int TempoOfMetronome(pugi::xml_node metronome) {
    double unit = 0;
    double dotted = 0;
    double perMinute = 0;
    bool rate = false;
    for (pugi::xml_node c = metronome.first_child(); c; c = c.next_sibling()) {
        const std::string_view name = c.name();
        if (name == "beat-unit") {
            if (unit > 0) return 0;
            unit = QuartersOfUnit(TextOf(c));
            dotted = unit;
        } else if (name == "beat-unit-dot") {
            dotted /= 2;
            unit += dotted;
        } else if (name == "per-minute") {
            rate = FindNumber(TextOf(c), perMinute);
        }
    }
    if (unit <= 0 || !rate) return 0;
    const double tempo = perMinute * unit;
    if (!(tempo >= 0.5)) return 0;
    return std::min(RoundHalfEven(tempo), kMaxTempo);
}

char WedgeCode(std::string_view type) {
    if (type == "crescendo") return markcode::kCrescendo;
    if (type == "diminuendo") return markcode::kDecrescendo;
    return 0;
}

// <technical> children: bowings, strings, fingers, harmonics.
void ReadTechnical(pugi::xml_node technical, bool grace, bool bowed, NoteMarks& marks,
                   LeftOutTally& tally) {
    for (pugi::xml_node c = technical.first_child(); c; c = c.next_sibling()) {
        if (!IsElement(c)) continue;
        const std::string_view name = c.name();
        const char code = CodeOfElement(MarkPlace::Technical, name, TextOf(c));
        // A piano's fingers or a guitar's strings would become erhu fingers
        // and inner/outer string marks that no erhu player meant.
        if (!bowed && name == "fingering") {
            tally.Count(kUnbowedFingers);
        } else if (!bowed && name == "string") {
            tally.Count(kUnbowedStrings);
        } else if (name == "fingering") {
            if (code == 0) {
                tally.Count(kOtherFingers);
            } else if (grace) {
                if (marks.finger < 0) marks.finger = IntOf(TextOf(c), -1, 0, 4);
            } else {
                AddSign(marks.pitchedSigns, code);
            }
        } else if (grace) {
            tally.GraceMark(name);
        } else if (name == "string") {
            if (code == 0) {
                tally.Count(kOtherStrings);
            } else {
                AddSign(marks.pitchedSigns, code);
            }
        } else if (code != 0) {
            AddSign(marks.signs, code);
        } else {
            tally.Unsupported(name);
        }
    }
}

void ReadArticulations(pugi::xml_node articulations, bool grace, NoteMarks& marks,
                       LeftOutTally& tally) {
    for (pugi::xml_node c = articulations.first_child(); c; c = c.next_sibling()) {
        if (!IsElement(c)) continue;
        const std::string_view name = c.name();
        if (grace) {
            tally.GraceMark(name);
        } else if (name == "scoop") {
            // A slide from below into the note; a plop comes from above.
            if (marks.slideMark == 0) marks.slideMark = markcode::kSlideUp;
        } else if (name == "plop") {
            if (marks.slideMark == 0) marks.slideMark = markcode::kSlideDown;
        } else if (const char code = CodeOfElement(MarkPlace::Articulations, name)) {
            AddSign(marks.signs, code);
        } else {
            tally.Unsupported(name);
        }
    }
}

void ReadOrnaments(pugi::xml_node ornaments, bool grace, NoteMarks& marks, LeftOutTally& tally) {
    for (pugi::xml_node c = ornaments.first_child(); c; c = c.next_sibling()) {
        if (!IsElement(c)) continue;
        const std::string_view name = c.name();
        if (grace) {
            tally.GraceMark(name);
            continue;
        }
        if (name == "wavy-line") {
            // The line continues a trill begun here; its other ends say nothing new.
            if (AttrOf(c, "type") == "start") {
                AddSign(marks.signs, CodeOfElement(MarkPlace::Ornaments, name));
            }
            continue;
        }
        if (name == "tremolo") {
            // Only a tremolo on one note has a sign; two-note tremolos have none.
            const std::string_view type = AttrOf(c, "type");
            if (!type.empty() && type != "single") {
                tally.Unsupported(name);
                continue;
            }
        }
        if (const char code = CodeOfElement(MarkPlace::Ornaments, name, TextOf(c))) {
            AddSign(marks.signs, code);
        } else {
            tally.Unsupported(name);
        }
    }
}

void ReadDynamics(pugi::xml_node dynamics, std::string& signs, LeftOutTally& tally) {
    for (pugi::xml_node d = dynamics.first_child(); d; d = d.next_sibling()) {
        if (!IsElement(d)) continue;
        if (const char code = CodeOfElement(MarkPlace::Dynamics, d.name())) {
            AddSign(signs, code);
        } else {
            tally.Unsupported(d.name());
        }
    }
}

}  // namespace

void LeftOutTally::Count(std::string_view label, int n) {
    const auto [it, added] = index_.try_emplace(std::string(label), score_.leftOut.size());
    if (added) {
        score_.leftOut.emplace_back(it->first, n);
    } else {
        score_.leftOut[it->second].second += n;
    }
}

void LeftOutTally::CountNamed(TextTemplate pattern, std::string_view element) {
    const std::string label =
        NamedLeftOutLabel(pattern, "<" + std::string(ShownName(element)) + ">");
    if (index_.size() >= kMaxLabels && index_.find(label) == index_.end()) {
        Count(kOtherLabels);
    } else {
        Count(label);
    }
}

void LeftOutTally::Unsupported(std::string_view element) {
    CountNamed(kUnsupportedMarkLabel, element);
}

void LeftOutTally::GraceMark(std::string_view element) {
    CountNamed(kGraceMarkLabel, element);
}

std::string_view TextOf(pugi::xml_node node) {
    return sorvel::Trim(node.child_value());
}

std::string_view AttrOf(pugi::xml_node node, const char* name) {
    return sorvel::Trim(node.attribute(name).value());
}

bool ParseNumber(std::string_view text, double& out) {
    text = sorvel::Trim(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0;
    const auto [end, ec] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return false;
    }
    out = value;
    return true;
}

bool FindNumber(std::string_view text, double& out) {
    const size_t digit = text.find_first_of("0123456789");
    if (digit == std::string_view::npos) return false;
    size_t end = digit;
    while (end < text.size() && ((text[end] >= '0' && text[end] <= '9') || text[end] == '.')) {
        ++end;
    }
    std::string_view number = text.substr(digit, end - digit);
    while (!number.empty() && number.back() == '.') number.remove_suffix(1);
    return ParseNumber(number, out);
}

int IntOf(std::string_view text, int fallback, int lo, int hi) {
    double value = 0;
    if (!ParseNumber(text, value)) return fallback;
    return std::clamp(RoundHalfEven(value), lo, hi);
}

void AddSign(std::string& signs, char code) {
    if (code != 0 && signs.find(code) == std::string::npos) signs += code;
}

void ReadNotations(pugi::xml_node notations, bool grace, bool bowed, NoteMarks& marks,
                   LeftOutTally& tally) {
    for (pugi::xml_node c = notations.first_child(); c; c = c.next_sibling()) {
        if (!IsElement(c)) continue;
        const std::string_view name = c.name();
        const std::string_view type = AttrOf(c, "type");
        if (name == "tied") {
            if (type == "start" && !grace) marks.tie = true;
        } else if (name == "slur") {
            const int number = IntOf(AttrOf(c, "number"), 1, 0, 1000);
            if (type == "start") marks.slurStarts.push_back(number);
            if (type == "stop") marks.slurStops.push_back(number);
        } else if (name == "tuplet") {
            if (type == "start") marks.tupletStart = true;
            if (type == "stop") marks.tupletStop = true;
        } else if (name == "footnote" || name == "level") {
            // Editorial remarks: nothing to show.
        } else if (grace && name != "technical") {
            tally.GraceMark(name);
        } else if (name == "slide" || name == "glissando") {
            if (type == "start" || type == "stop") {
                marks.lines.push_back(
                    {name == "glissando", type == "start", IntOf(AttrOf(c, "number"), 1, 0, 1000)});
            }
        } else if (name == "technical") {
            ReadTechnical(c, grace, bowed, marks, tally);
        } else if (name == "articulations") {
            ReadArticulations(c, grace, marks, tally);
        } else if (name == "ornaments") {
            ReadOrnaments(c, grace, marks, tally);
        } else if (name == "fermata") {
            AddSign(marks.signs, CodeOfElement(MarkPlace::Fermata, name));
        } else if (name == "dynamics") {
            ReadDynamics(c, marks.signs, tally);
        } else {
            tally.Unsupported(name);
        }
    }
}

void ReadSound(pugi::xml_node sound, DirectionMarks& marks) {
    if (marks.tempo == 0) {
        double tempo = 0;
        if (ParseNumber(AttrOf(sound, "tempo"), tempo) && tempo >= 0.5) {
            marks.tempo = std::min(RoundHalfEven(tempo), kMaxTempo);
        }
    }
    // Playback jumps stand for the words that usually come with them. A
    // tocoda leaves for the coda where it stands; a coda is where play goes on.
    if (AttrOf(sound, kSoundDaCapo) == "yes") AddSign(marks.signsAtEnd, markcode::kDaCapo);
    if (sound.attribute(kSoundDalSegno)) AddSign(marks.signsAtEnd, markcode::kDalSegno);
    if (sound.attribute(kSoundFine)) AddSign(marks.signsAtEnd, markcode::kFine);
    if (sound.attribute(kSoundToCoda)) {
        AddSign(marks.signsAtEnd, markcode::kCoda);
        marks.toCodaSound = true;
    }
    if (sound.attribute(kSoundSegno)) AddSign(marks.signs, markcode::kSegno);
    if (sound.attribute(kSoundCoda)) AddSign(marks.signs, markcode::kCoda);
    if (AttrOf(sound, kSoundForwardRepeat) == "yes") marks.forwardRepeat = true;
}

DirectionMarks ReadDirection(pugi::xml_node direction, LeftOutTally& tally) {
    DirectionMarks marks;
    std::string words;
    bool toCoda = false;
    for (pugi::xml_node type : direction.children("direction-type")) {
        for (pugi::xml_node c = type.first_child(); c; c = c.next_sibling()) {
            if (!IsElement(c)) continue;
            const std::string_view name = c.name();
            if (name == "dynamics") {
                ReadDynamics(c, marks.signs, tally);
            } else if (name == "wedge") {
                const std::string_view wedge = AttrOf(c, "type");
                if (const char code = WedgeCode(wedge); code != 0 && marks.wedgeStart == 0) {
                    marks.wedgeStart = code;
                }
                if (wedge == "stop") marks.wedgeStop = true;
            } else if (name == "segno") {
                AddSign(marks.signs, CodeOfElement(MarkPlace::Segno, name));
            } else if (name == "coda") {
                AddSign(marks.signs, CodeOfElement(MarkPlace::Coda, name));
            } else if (name == "words") {
                if (IsToCodaWords(c.child_value())) {
                    toCoda = true;
                } else if (const char code = CodeOfElement(MarkPlace::Words, {}, c.child_value())) {
                    AddSign(ActsAtNoteEnd(code) ? marks.signsAtEnd : marks.signs, code);
                } else {
                    words += c.child_value();
                }
            } else if (name == "metronome") {
                if (marks.tempo == 0) marks.tempo = TempoOfMetronome(c);
            } else if (name == "octave-shift" || name == "dashes" || name == "bracket") {
                // Lines that only extend other marks, or shift the printed
                // octave of pitches that are read as sounding.
            } else {
                tally.Unsupported(name);
            }
        }
    }
    marks.words = std::string(sorvel::Trim(words));
    if (pugi::xml_node sound = direction.child("sound")) ReadSound(sound, marks);
    // A coda sign written with "To Coda" is the To Coda mark, not the coda.
    if (toCoda) AddSign(marks.signsAtEnd, markcode::kCoda);
    if (marks.signsAtEnd.find(markcode::kCoda) != std::string::npos)
        std::erase(marks.signs, markcode::kCoda);
    return marks;
}

int TempoOfDirection(pugi::xml_node direction) {
    for (pugi::xml_node type : direction.children("direction-type")) {
        for (pugi::xml_node metronome : type.children("metronome")) {
            if (const int tempo = TempoOfMetronome(metronome)) return tempo;
        }
    }
    DirectionMarks marks;
    if (pugi::xml_node sound = direction.child("sound")) ReadSound(sound, marks);
    return marks.tempo;
}

}  // namespace sorvel::interchange::xmlread
