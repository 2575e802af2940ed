// SPDX-License-Identifier: GPL-3.0-or-later
// The MusicXML export of the notes: the header, part and first attributes,
// pitches as playback sounds them in every key, accidentals, lengths from
// dashes and ties over bars, measures with pickups, bar lines, repeats and
// multi-bar rests, and triplets and grace notes. Every document is checked
// against the schema.
#include <gtest/gtest.h>

#include <pugixml.hpp>
#include <string>
#include <utility>
#include <vector>

#include "base/cp932.h"
#include "model/daon.h"
#include "model/horizbar.h"
#include "model/majorkey.h"
#include "model/musicmark.h"
#include "model/note.h"
#include "musicxmlwriterfixture.h"

namespace sorvel::interchange {
namespace {

using namespace writerfixture;

int MidiOf(pugi::xml_node note) {
    static constexpr int kLetter[] = {9, 11, 0, 2, 4, 5, 7};  // A … G
    pugi::xml_node p = note.child("pitch");
    return (p.child("octave").text().as_int() + 1) * 12 + kLetter[p.child_value("step")[0] - 'A'] +
           p.child("alter").text().as_int();
}

TEST_F(WriterTest, HeaderPartAndFirstAttributes) {
    page->SetTitle(cp932::FromUtf8("茉莉花"));
    page->SetWriter(cp932::FromUtf8("江蘇民謡"));
    Next<TBeat>("#");
    Score("1 2 3 |");
    pugi::xml_node root = Export();
    EXPECT_EQ(std::string(root.attribute("version").value()), "4.0");
    EXPECT_NE(
        xml.find("<!DOCTYPE score-partwise PUBLIC \"-//Recordare//DTD MusicXML 4.0 Partwise//EN\""),
        std::string::npos);
    EXPECT_STREQ(root.child("work").child_value("work-title"), "茉莉花");
    EXPECT_STREQ(root.child("identification")
                     .find_child_by_attribute("creator", "type", "composer")
                     .child_value(),
                 "江蘇民謡");
    EXPECT_STREQ(root.child("identification").child("encoding").child_value("software"), "Sorvel");
    pugi::xml_node part = root.child("part-list").child("score-part");
    EXPECT_STREQ(part.child("score-instrument").child_value("instrument-sound"), "strings.erhu");
    pugi::xml_node attr = root.child("part").child("measure").child("attributes");
    EXPECT_EQ(attr.child("divisions").text().as_int(), 48);
    EXPECT_EQ(attr.child("key").child("fifths").text().as_int(), 2);
    EXPECT_EQ(attr.child("time").child("beats").text().as_int(), 3);
    EXPECT_EQ(attr.child("time").child("beat-type").text().as_int(), 4);
    EXPECT_STREQ(attr.child("clef").child_value("sign"), "G");
}

// Every degree, accidental and octave in every key sounds as playback plays
// it (table + octave × 12 + 60 + tonic) and is spelled on its degree's letter.
TEST_F(WriterTest, PitchesSoundAsPlaybackInEveryKey) {
    static constexpr int kTable[7][3] = {{-1, 0, 1}, {1, 2, 3},  {3, 4, 5},   {4, 5, 6},
                                         {6, 7, 8},  {8, 9, 10}, {10, 11, 12}};
    static const char* const kRinji[] = {"a", "", "`"};
    for (int fifths = -7; fifths <= 7; ++fifths) {
        SCOPED_TRACE(fifths);
        page->FreeAllItems();
        page->SetKeyCode(KeyCodeOfFifths(fifths));
        for (int d = 1; d <= 7; ++d)
            for (int a = 0; a < 3; ++a)
                for (int o = -1; o <= 1; ++o) N(std::string(1, char('0' + d)), 0, o, kRinji[a]);
        const std::vector<pugi::xml_node> notes = Notes();
        ASSERT_EQ(notes.size(), 63u);
        const Tonic tonic = TonicOfFifths(fifths);
        EXPECT_EQ(doc.select_node("//key/fifths").node().text().as_int(), fifths);
        for (int d = 1, i = 0; d <= 7; ++d)
            for (int a = 0; a < 3; ++a)
                for (int o = -1; o <= 1; ++o, ++i) {
                    EXPECT_EQ(MidiOf(notes[i]), kTable[d - 1][a] + o * 12 + 60 + tonic.semitone)
                        << d << a << o;
                    EXPECT_EQ(notes[i].child("pitch").child_value("step")[0],
                              "CDEFGAB"[(tonic.letter + d - 1) % 7]);
                }
        doc.reset();
    }
}

TEST_F(WriterTest, KeysAccidentalsAndDashPitches) {
    page->SetKeyCode(cp932::FromUtf8("１＝♭Ｂ（３７弦）"));
    N("1");
    N("4", 0, 0, "`");  // E natural in B flat
    N("4");             // E flat again: the natural above still holds in the bar
    N("7", 0, 0, "b");  // a natural sign on a degree of the key shows the key's flat
    EXPECT_EQ(Pitches(), "Bb4 E5 Eb5 A5");
    const std::vector<pugi::xml_node> n = Notes();
    EXPECT_STREQ(n[0].child_value("accidental"), "");
    EXPECT_STREQ(n[1].child_value("accidental"), "natural");
    EXPECT_STREQ(n[2].child_value("accidental"), "flat");
    EXPECT_STREQ(n[3].child_value("accidental"), "natural");

    // A text naming no key is D major; a page without a key text keeps its piece's key.
    page->FreeAllItems();
    page->SetKeyCode("?");
    N("3");
    TMusicSheet* second = book->NewSheet();
    std::swap(page, second);
    N("3");
    EXPECT_EQ(Pitches(), "F#4 F#4");
    EXPECT_EQ(Count("//key"), 1u);
}

TEST_F(WriterTest, DashesLengthenTheirNoteAndTieOverBars) {
    Score("5 - - - | 5 - | 0 - 3");
    N("2", 1)->SetFuten(1);
    N("1", 2);
    EXPECT_EQ(Lengths(), "whole half half quarter eighth. 16th");
    EXPECT_EQ(Pitches(), "A4 A4 r F#4 E4 D4");
    EXPECT_EQ(Notes()[2].child("duration").text().as_int(), 96);  // the rest took its dash

    // Five beats: a whole and a tied quarter; a dash after a bar line is tied over it.
    page->FreeAllItems();
    Score("5 - - - - | - 6");
    EXPECT_EQ(Lengths(), "whole~ quarter~ quarter quarter");
    EXPECT_EQ(Count("//note[tie/@type='stop']/notations/tied[@type='stop']"), 2u);

    // A dash that carries a mark is a note of its own, tied to the one before.
    page->FreeAllItems();
    std::vector<TNote*> notes = Score("5 - -");
    Mark(*notes[2], "D");
    EXPECT_EQ(Lengths(), "half~ quarter");
    EXPECT_EQ(Count("//direction[following-sibling::note[1][tie/@type='stop']]//dynamics/mf"), 1u);
}

TEST_F(WriterTest, MeasuresPickupBarLinesRepeatsAndMultiRests) {
    Next<TBeat>("\"");
    Score("5 f 1 2 | 3 - g 1 1 d 2 2 h 5 5 e");
    pugi::xml_node part = Export().child("part");
    std::vector<pugi::xml_node> m;
    for (pugi::xml_node x : part.children("measure")) m.push_back(x);
    ASSERT_EQ(m.size(), 6u);
    EXPECT_STREQ(m[0].attribute("number").value(), "0");
    EXPECT_STREQ(m[0].attribute("implicit").value(), "yes");
    EXPECT_STREQ(m[1].attribute("number").value(), "1");
    EXPECT_STREQ(
        m[1].select_node("barline[@location='left']/repeat").node().attribute("direction").value(),
        "forward");
    EXPECT_STREQ(
        m[2].select_node("barline[@location='right']/repeat").node().attribute("direction").value(),
        "backward");
    EXPECT_STREQ(m[3].select_node("barline[@location='right']").node().child_value("bar-style"),
                 "light-light");
    EXPECT_TRUE(m[4].select_node("barline[@location='right']/repeat[@direction='backward']"));
    EXPECT_STREQ(m[5].select_node("barline[@location='left']").node().child_value("bar-style"),
                 "heavy-light");
    EXPECT_TRUE(m[5].select_node("barline[@location='left']/repeat[@direction='forward']"));
    EXPECT_STREQ(m[5].select_node("barline[@location='right']").node().child_value("bar-style"),
                 "light-heavy");
    EXPECT_FALSE(m[5].select_node("barline[@location='right']/repeat"));

    page->FreeAllItems();
    Next<TBeat>("$");
    Score("1 2 3 4 |");
    Next<THorizBar>("M")->SetBarNum("3");
    Score("| 5 - - - |");
    part = Export().child("part");
    EXPECT_EQ(Count("//measure"), 5u);
    EXPECT_EQ(Count("//measure[@implicit]"), 0u);
    EXPECT_EQ(part.select_node("measure[2]/attributes/measure-style/multiple-rest")
                  .node()
                  .text()
                  .as_int(),
              3);
    EXPECT_EQ(Count("//note[rest/@measure='yes'][duration=192]"), 3u);
}

TEST_F(WriterTest, TripletsAndGraceNotes) {
    std::vector<TNote*> n = Score("1 2 3");
    for (TNote* x : n) x->SetLength(1);
    Mark<T3ren>(*n[0], "Z", Slots(2));
    TDaonLeft* before = Mark<TDaonLeft>(*n[1], "K");
    before->SetAllNoteData("34 53U 3  3 ");  // 3 an octave up, 5 with finger 1
    before->SetLength(2);
    Mark<TDaonRight>(*n[2], "L")->SetAllNoteData("23  3  3  3 ");
    const std::vector<pugi::xml_node> notes = Notes(true);
    ASSERT_EQ(notes.size(), 6u);
    EXPECT_EQ(PitchName(notes[1]) + PitchName(notes[2]), "F#5A4");
    EXPECT_STREQ(notes[1].child_value("type"), "16th");
    EXPECT_STREQ(notes[2].select_node("notations/technical/fingering").node().child_value(), "1");
    EXPECT_TRUE(notes[5].child("grace").attribute("steal-time-previous"));
    EXPECT_EQ(Count("//note[not(grace)][time-modification/actual-notes=3][duration=16]"), 3u);
    EXPECT_EQ(Count("//tuplet[@type='start']"), 1u);
    EXPECT_TRUE(notes[4].select_node("notations/tuplet[@type='stop']"));
}

}  // namespace
}  // namespace sorvel::interchange
