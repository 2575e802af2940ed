// SPDX-License-Identifier: GPL-3.0-or-later
// Slurs imported from MusicXML: an arc over two neighbouring numerals of one
// pitch reads as a tie in numbered notation (and playback holds the note
// over), so a slur over a repeated note the score does not tie is split
// there; the repeated note is struck again and exported as a note of its own.
#include <gtest/gtest.h>

#include <pugixml.hpp>
#include <string>
#include <utility>
#include <vector>

#include "importedbook.h"
#include "interchange/musicxmlwriter.h"
#include "model/musicmark.h"

namespace sorvel::interchange {
namespace {

using namespace testbook;

// The numerals of the page each arc spans, as indexes into its notes.
std::vector<std::pair<int, int>> Arcs(TMusicSheet& page) {
    const std::vector<TNote*> notes = NotesOf(page);
    std::vector<std::pair<int, int>> arcs;
    for (size_t i = 0; i < notes.size(); ++i) {
        for (TMusicItem* arc : MarksOn(*notes[i], ItemClass::Slur)) {
            int last = static_cast<int>(i);
            for (size_t j = i + 1; j < notes.size(); ++j) {
                if (notes[j]->PosY() == notes[i]->PosY() &&
                    notes[j]->PosX() <= arc->PosX() + arc->Width())
                    last = static_cast<int>(j);
            }
            arcs.emplace_back(static_cast<int>(i), last);
        }
    }
    return arcs;
}

std::string Slurred(const std::string& step, int octave, const char* slur) {
    return XmlNote(step, octave, 2,
                   "<type>quarter</type>" +
                       (slur ? Notations(std::string("<slur type=\"") + slur + "\"/>") : ""));
}

TEST(SlurImport, ARepeatedNoteUnderASlurIsStruckAgain) {
    ImportedBook b(PartDoc(XmlMeasure(1, XmlAttributes(2, 0, 4, 4) + Slurred("C", 5, "start") +
                                             Slurred("D", 5, nullptr) + Slurred("D", 5, nullptr) +
                                             Slurred("E", 5, "stop")) +
                           XmlMeasure(2, Slurred("G", 5, "start") + Slurred("G", 5, "stop") +
                                             Slurred("A", 5, nullptr) + Slurred("A", 5, nullptr))));
    ASSERT_TRUE(b.Ok()) << b.read.message;
    EXPECT_EQ(
        b.Played(),
        (std::vector<std::pair<int, int>>{
            {72, 0}, {74, 48}, {74, 96}, {76, 144}, {79, 192}, {79, 240}, {81, 288}, {81, 336}}));
    // The slur ends on the first D and a new one starts on the second; a
    // slur over two equal notes alone draws no arc at all.
    EXPECT_EQ(Arcs(b.Page()), (std::vector<std::pair<int, int>>{{0, 1}, {2, 3}}));
    // Exported, the repeated notes are no ties.
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(WriteMusicXml(*b.book).c_str()));
    EXPECT_EQ(doc.select_nodes("//tie").size(), 0u);
    EXPECT_EQ(doc.select_nodes("//slur").size(), 4u);
}

TEST(SlurImport, ATieUnderASlurStaysOneNote) {
    // C tied to C across the bar line under a slur that goes on to D.
    ImportedBook b(PartDoc(
        XmlMeasure(1, XmlAttributes(2, 0, 2, 4) + XmlRest(2) +
                          XmlNote("C", 5, 2,
                                  "<tie type=\"start\"/>" +
                                      Notations("<tied type=\"start\"/><slur type=\"start\"/>"))) +
        XmlMeasure(2,
                   XmlNote("C", 5, 2, "<tie type=\"stop\"/>" + Notations("<tied type=\"stop\"/>")) +
                       XmlNote("D", 5, 2, Notations("<slur type=\"stop\"/>")))));
    ASSERT_TRUE(b.Ok()) << b.read.message;
    EXPECT_EQ(b.Played(), (std::vector<std::pair<int, int>>{{72, 0}, {74, 96}}));
}

}  // namespace
}  // namespace sorvel::interchange
