// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the planned score as MusicXML 4.0 partwise, every element in the
// order the schema fixes, and writes it to a file.
#include "interchange/musicxmlwriter.h"

#include <cstring>
#include <pugixml.hpp>
#include <string>

#include "base/atomicfile.h"
#include "interchange/musicxmlwriter_score.h"

namespace sorvel::interchange {
namespace {

constexpr const char* kPartId = "P1";
constexpr const char* kInstrumentId = "P1-I1";
// General MIDI has no erhu. Its bowed folk fiddle (program 111, "Fiddle")
// is the nearest sound: a bowed string with the erhu's singing attack; the
// instrument sound strings.erhu lets players that have an erhu use it.
constexpr int kMidiProgram = 111;

pugi::xml_node Child(pugi::xml_node parent, const char* name) {
    return parent.append_child(name);
}

void TextChild(pugi::xml_node parent, const char* name, const std::string& text) {
    parent.append_child(name).text().set(text.c_str());
}

void IntChild(pugi::xml_node parent, const char* name, int value) {
    parent.append_child(name).text().set(value);
}

void PrintHeader(pugi::xml_node root, const OutScore& score) {
    if (!score.title.empty()) TextChild(Child(root, "work"), "work-title", score.title);
    pugi::xml_node ident = Child(root, "identification");
    if (!score.composer.empty()) {
        pugi::xml_node creator = Child(ident, "creator");
        creator.append_attribute("type") = "composer";
        creator.text().set(score.composer.c_str());
    }
    TextChild(Child(ident, "encoding"), "software", "Sorvel");

    pugi::xml_node part = Child(Child(root, "part-list"), "score-part");
    part.append_attribute("id") = kPartId;
    TextChild(part, "part-name", "Erhu");
    pugi::xml_node instrument = Child(part, "score-instrument");
    instrument.append_attribute("id") = kInstrumentId;
    TextChild(instrument, "instrument-name", "Erhu");
    TextChild(instrument, "instrument-sound", "strings.erhu");
    pugi::xml_node midi = Child(part, "midi-instrument");
    midi.append_attribute("id") = kInstrumentId;
    IntChild(midi, "midi-channel", 1);
    IntChild(midi, "midi-program", kMidiProgram);
}

void PrintAttributes(pugi::xml_node measure, const OutAttributes& a) {
    pugi::xml_node attr = Child(measure, "attributes");
    if (a.divisions) IntChild(attr, "divisions", kDivisions);
    if (a.fifths) {
        pugi::xml_node key = Child(attr, "key");
        IntChild(key, "fifths", *a.fifths);
        TextChild(key, "mode", "major");
    }
    if (a.beats > 0) {
        pugi::xml_node time = Child(attr, "time");
        IntChild(time, kTimeBeats, a.beats);
        IntChild(time, kTimeBeatType, a.beatType);
    } else if (a.senzaMisura) {
        Child(Child(attr, "time"), kSenzaMisura);
    }
    if (a.clef) {
        pugi::xml_node clef = Child(attr, "clef");
        TextChild(clef, "sign", "G");
        IntChild(clef, "line", 2);
    }
    if (a.multipleRest > 1) IntChild(Child(attr, "measure-style"), "multiple-rest", a.multipleRest);
}

void PrintDirectionType(pugi::xml_node direction, const OutDirection& d) {
    using K = OutDirection::Kind;
    if (d.kind == K::Tempo) {
        if (!d.text.empty()) TextChild(Child(direction, "direction-type"), "words", d.text);
        if (d.perMinute > 0) {
            pugi::xml_node metronome = Child(Child(direction, "direction-type"), "metronome");
            if (!d.printed) metronome.append_attribute("print-object") = "no";
            TextChild(metronome, "beat-unit", NoteTypeOfUnderlines(0).name);
            IntChild(metronome, "per-minute", d.perMinute);
        }
        return;
    }
    pugi::xml_node type = Child(direction, "direction-type");
    switch (d.kind) {
        case K::Dynamics:
            Child(Child(type, "dynamics"), d.text.c_str());
            break;
        case K::Segno:
            Child(type, "segno");
            break;
        case K::Coda:
            Child(type, "coda");
            break;
        case K::Wedge: {
            pugi::xml_node wedge = Child(type, "wedge");
            wedge.append_attribute("type") = d.wedge;
            wedge.append_attribute("number") = d.number;
            break;
        }
        default: {
            pugi::xml_node words = Child(type, "words");
            if (d.bold) {
                words.append_attribute("font-weight") = "bold";
                words.append_attribute("font-size") = 14;
            }
            words.text().set(d.text.c_str());
            break;
        }
    }
}

void PrintDirection(pugi::xml_node measure, const OutDirection& d) {
    pugi::xml_node direction = Child(measure, "direction");
    direction.append_attribute("placement") = d.below ? "below" : "above";
    PrintDirectionType(direction, d);
    if (d.soundAttribute)
        Child(direction, "sound").append_attribute(d.soundAttribute) = d.soundValue.c_str();
}

void PrintMark(pugi::xml_node group, const MarkCode& m) {
    const std::string element(m.element);
    if (element == "wavy-line") {
        // A wavy line over one note starts and stops on it.
        Child(group, "wavy-line").append_attribute("type") = "start";
        Child(group, "wavy-line").append_attribute("type") = "stop";
        return;
    }
    pugi::xml_node node = Child(group, element.c_str());
    if (element == "tremolo") {
        node.append_attribute("type") = "single";
        node.text().set(3);
    } else if (!m.text.empty()) {
        node.text().set(std::string(m.text).c_str());
    }
}

// The marks of one place in their group element, made only when needed.
void PrintMarkGroup(pugi::xml_node notations, const OutNote& n, MarkPlace place, const char* group,
                    const char* extra = nullptr) {
    pugi::xml_node node;
    auto groupNode = [&] { return node ? node : (node = Child(notations, group)); };
    if (extra) Child(groupNode(), extra);
    for (const MarkCode* m : n.marks) {
        if (m->place == place) PrintMark(groupNode(), *m);
    }
}

bool HasNotations(const OutNote& n) {
    return n.tieStart || n.tieStop || n.tupletStart || n.tupletStop || !n.connectors.empty() ||
           !n.marks.empty() || n.entry;
}

void PrintNotations(pugi::xml_node note, const OutNote& n) {
    if (!HasNotations(n)) return;
    pugi::xml_node notations = Child(note, "notations");
    if (n.tieStop) Child(notations, "tied").append_attribute("type") = "stop";
    if (n.tieStart) Child(notations, "tied").append_attribute("type") = "start";
    for (const OutConnector& c : n.connectors) {
        using K = OutConnector::Kind;
        pugi::xml_node node = Child(notations, c.kind == K::Slur    ? "slur"
                                               : c.kind == K::Slide ? "slide"
                                                                    : "glissando");
        node.append_attribute("type") = c.start ? "start" : "stop";
        node.append_attribute("number") = c.number;
        if (c.kind == K::Slide) node.append_attribute("line-type") = "solid";
        if (c.kind == K::Glissando) node.append_attribute("line-type") = "wavy";
    }
    if (n.tupletStart) {
        pugi::xml_node tuplet = Child(notations, "tuplet");
        tuplet.append_attribute("type") = "start";
        tuplet.append_attribute("bracket") = "yes";
    }
    if (n.tupletStop) Child(notations, "tuplet").append_attribute("type") = "stop";
    PrintMarkGroup(notations, n, MarkPlace::Ornaments, "ornaments");
    PrintMarkGroup(notations, n, MarkPlace::Technical, "technical");
    PrintMarkGroup(notations, n, MarkPlace::Articulations, "articulations", n.entry);
    for (const MarkCode* m : n.marks) {
        if (m->place == MarkPlace::Fermata) Child(notations, "fermata");
    }
}

void PrintNote(pugi::xml_node measure, const OutNote& n) {
    pugi::xml_node note = Child(measure, "note");
    if (n.grace) {
        pugi::xml_node grace = Child(note, "grace");
        if (n.stealPrevious > 0) grace.append_attribute("steal-time-previous") = n.stealPrevious;
    }
    if (n.rest) {
        pugi::xml_node rest = Child(note, "rest");
        if (n.measureRest) rest.append_attribute("measure") = "yes";
    } else {
        pugi::xml_node pitch = Child(note, "pitch");
        pugi::xml_node step = Child(pitch, "step");
        step.text().set(std::string(1, n.pitch.step).c_str());
        if (n.pitch.alter != 0) IntChild(pitch, "alter", n.pitch.alter);
        IntChild(pitch, "octave", n.pitch.octave);
    }
    if (!n.grace) {
        IntChild(note, "duration", n.duration);
        if (n.tieStop) Child(note, "tie").append_attribute("type") = "stop";
        if (n.tieStart) Child(note, "tie").append_attribute("type") = "start";
    }
    IntChild(note, "voice", 1);
    if (!n.measureRest) TextChild(note, "type", n.type);
    for (int i = 0; i < n.dots; ++i) Child(note, "dot");
    if (n.accidental) TextChild(note, "accidental", n.accidental);
    if (n.triplet) {
        pugi::xml_node mod = Child(note, "time-modification");
        IntChild(mod, "actual-notes", 3);
        IntChild(mod, "normal-notes", 2);
    }
    PrintNotations(note, n);
}

void PrintBarlines(pugi::xml_node measure, const OutMeasure& m, bool left) {
    const RightBarLine* right = left ? nullptr : RightBarLineOfCode(m.rightBar);
    const bool forward = left && m.forwardRepeat;
    const bool backward = right && right->backwardRepeat;
    const char* style = forward ? kStartRepeatStyle : right ? right->style : nullptr;
    const int ending = left ? m.endingStart : m.endingStop;
    if (!style && ending == 0) return;
    pugi::xml_node bar = Child(measure, "barline");
    bar.append_attribute("location") = left ? kBarLeft : kBarRight;
    if (style) TextChild(bar, "bar-style", style);
    if (ending > 0) {
        pugi::xml_node e = Child(bar, "ending");
        e.append_attribute("number") = ending;
        if (m.endingHidden) e.append_attribute("print-object") = "no";
        // An ending closed by an end repeat has its hook; the last one stays open.
        e.append_attribute("type") =
            left ? kEndingStart : (backward ? kEndingStop : kEndingDiscontinue);
        if (left) e.text().set((std::to_string(ending) + ".").c_str());
    }
    if (forward || backward) {
        Child(bar, "repeat").append_attribute("direction") =
            forward ? kRepeatForward : kRepeatBackward;
    }
}

void PrintMeasure(pugi::xml_node part, const OutMeasure& m) {
    pugi::xml_node measure = Child(part, "measure");
    measure.append_attribute("number") = m.number.c_str();
    if (m.implicit) measure.append_attribute("implicit") = "yes";
    if (m.newPage)
        Child(measure, "print").append_attribute("new-page") = "yes";
    else if (m.newSystem)
        Child(measure, "print").append_attribute("new-system") = "yes";
    PrintBarlines(measure, m, true);
    if (m.impliedForwardRepeat)
        Child(measure, "sound").append_attribute(kSoundForwardRepeat) = "yes";
    for (const OutNote& n : m.notes) {
        if (n.attributes) PrintAttributes(measure, *n.attributes);
        for (const OutDirection& d : n.before) PrintDirection(measure, d);
        PrintNote(measure, n);
        for (const OutDirection& d : n.after) PrintDirection(measure, d);
        for (const OutDirection& s : n.soundAfter) {
            Child(measure, "sound").append_attribute(s.soundAttribute) = s.soundValue.c_str();
        }
    }
    PrintBarlines(measure, m, false);
}

struct StringWriter : pugi::xml_writer {
    std::string text;
    void write(const void* data, size_t size) override {
        text.append(static_cast<const char*>(data), size);
    }
};

}  // namespace

std::string WriteMusicXml(TMusicBook& book, int* leftOutCharacters) {
    const OutScore score = PlanScore(book);
    if (leftOutCharacters) *leftOutCharacters = score.leftOutCharacters;
    pugi::xml_document doc;
    pugi::xml_node decl = doc.append_child(pugi::node_declaration);
    decl.append_attribute("version") = "1.0";
    decl.append_attribute("encoding") = "UTF-8";
    doc.append_child(pugi::node_doctype)
        .set_value(
            "score-partwise PUBLIC \"-//Recordare//DTD MusicXML 4.0 Partwise//EN\" "
            "\"http://www.musicxml.org/dtds/partwise.dtd\"");
    pugi::xml_node root = doc.append_child("score-partwise");
    root.append_attribute("version") = "4.0";
    PrintHeader(root, score);
    pugi::xml_node part = Child(root, "part");
    part.append_attribute("id") = kPartId;
    for (const OutMeasure& m : score.measures) PrintMeasure(part, m);
    StringWriter out;
    doc.save(out, "  ", pugi::format_indent, pugi::encoding_utf8);
    return std::move(out.text);
}

MusicXmlWriteResult ExportMusicXmlFile(TMusicBook& book, const std::string& path) {
    MusicXmlWriteResult result;
    int leftOut = 0;
    const int error = WriteFileAtomically(path, WriteMusicXml(book, &leftOut));
    if (error != 0) {
        result.message = SORVEL_TEXT("sorvel::interchange", "MusicXMLを書き込めません。");
        result.detail = std::strerror(error);
        return result;
    }
    result.ok = true;
    result.leftOutCharacters = leftOut;
    if (leftOut > 0) {
        result.summary =
            UserText(SORVEL_TEXT("sorvel::interchange", "MusicXMLに書けない文字を%1個省きました。"),
                     {UserText::Number(leftOut)});
    }
    return result;
}

}  // namespace sorvel::interchange
