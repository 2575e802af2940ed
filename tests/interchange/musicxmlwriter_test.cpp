// The MusicXML export: books built in code are exported, every document is
// validated against the MusicXML 4.0 schema with xmllint, and read back with
// pugixml to check what it says: pitches as playback sounds them, lengths,
// measures, bar lines, marks and directions.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "base/cp932.h"
#include "interchange/musicxmlvocabulary.h"
#include "interchange/musicxmlwriter.h"
#include "model/daon.h"
#include "model/horizbar.h"
#include "model/itemfactory.h"
#include "model/majorkey.h"
#include "model/musicmark.h"
#include "model/note.h"
#include "model/scorefile.h"
#include "model/tempo.h"
#include "model/textbox.h"
#include "model/workspace.h"

namespace sorvel::interchange {
namespace {

constexpr char kSchemaDir[] = SORVEL_SHARED_MUSICXML "/schema";

bool HaveXmllint() {
    return std::system("command -v xmllint > /dev/null 2>&1") == 0;
}

// xmllint's complaints about the document; empty when it is valid.
std::string SchemaErrors(const std::string& xml) {
    char path[] = "/tmp/sorvel_export_XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0) return "no temporary file";
    close(fd);
    std::ofstream(path, std::ios::binary) << xml;
    setenv("XML_CATALOG_FILES", (std::string(kSchemaDir) + "/catalog.xml").c_str(), 1);
    const std::string command = std::string("xmllint --noout --nonet --schema ") + kSchemaDir +
                                "/musicxml.xsd " + path + " 2>&1";
    std::string output;
    if (FILE* p = popen(command.c_str(), "r")) {
        char buffer[512];
        while (fgets(buffer, sizeof buffer, p)) output += buffer;
        if (pclose(p) == 0) output.clear();
    }
    std::remove(path);
    return output;
}

std::string PitchName(pugi::xml_node note) {
    pugi::xml_node p = note.child("pitch");
    if (!p) return "r";
    std::string s = p.child_value("step");
    const int alter = p.child("alter").text().as_int();
    s += alter > 0 ? std::string(alter, '#') : std::string(-alter, 'b');
    return s + p.child_value("octave");
}

int MidiOf(pugi::xml_node note) {
    static constexpr int kLetter[] = {9, 11, 0, 2, 4, 5, 7};  // A … G
    pugi::xml_node p = note.child("pitch");
    return (p.child("octave").text().as_int() + 1) * 12 + kLetter[p.child_value("step")[0] - 'A'] +
           p.child("alter").text().as_int();
}

class WriterTest : public ::testing::Test, protected TWorkspace {
protected:
    WriterTest() {
        page = NewBook().GetSheet(0);
        page->SetTitle("Piece");
        page->SetKeyCode(cp932::FromUtf8("１＝Ｄ　（１５弦）"));
    }

    int RowY(int row) const {
        return page->TopSpace() + page->TitleHeight() + page->RowInterval() / 2 +
               row * page->RowInterval();
    }
    // The next symbol, one grid slot right of the last; 30 slots make a row.
    template <class T>
    T* Next(const std::string& content) {
        T* item = CreateItem<T>(*page);
        item->SetContent(content);
        item->SetPosX(page->LeftSpace() + (slot_ % 30 + 1) * page->GridSize());
        item->SetPosY(RowY(slot_ / 30));
        ++slot_;
        return item;
    }
    void NewRow() { slot_ = (slot_ / 30 + 1) * 30; }
    TNote* N(const std::string& content, int length = 0, int octave = 0,
             const std::string& rinji = "") {
        TNote* note = Next<TNote>(content);
        note->SetLength(length);
        note->SetOctave(octave);
        if (!rinji.empty()) note->SetRinji(rinji);
        return note;
    }
    // Digits are notes, "|" "d" "e" "f" "g" "h" bar lines, "-" a dash.
    std::vector<TNote*> Score(const std::string& text) {
        std::vector<TNote*> notes;
        for (char c : text) {
            if (c == '|')
                Next<TBarLine>("c");
            else if (c >= 'd' && c <= 'h')
                Next<TBarLine>(std::string(1, c));
            else if (c == '-')
                notes.push_back(N("8"));
            else if (c != ' ')
                notes.push_back(N(std::string(1, c)));
        }
        return notes;
    }
    template <class T = TMusicSign>
    T* Mark(TNote& note, const std::string& content, int width = 0) {
        T* mark = CreateItem<T>(*page);
        mark->SetContent(content);
        mark->SetPosX(note.PosX());
        mark->SetPosY(note.PosY() - 40);
        if (width > 0) mark->SetWidth(width);
        note.Link(*mark);
        mark->Link(note);
        return mark;
    }
    int Slots(int n) const { return n * page->GridSize(); }

    // Exports, checks the document against the schema and parses it.
    pugi::xml_node Export() {
        xml = WriteMusicXml(*book);
        if (HaveXmllint()) {
            EXPECT_EQ(SchemaErrors(xml), "") << xml;
        }
        EXPECT_TRUE(doc.load_string(xml.c_str()));
        return doc.child("score-partwise");
    }
    std::vector<pugi::xml_node> Notes(bool withGraces = false) {
        std::vector<pugi::xml_node> notes;
        for (pugi::xpath_node n : Export().select_nodes("//note")) {
            if (withGraces || !n.node().child("grace")) notes.push_back(n.node());
        }
        return notes;
    }
    std::string Pitches() {
        std::string s;
        for (pugi::xml_node n : Notes()) s += (s.empty() ? "" : " ") + PitchName(n);
        return s;
    }
    std::string Lengths() {
        std::string s;
        for (pugi::xml_node n : Notes()) {
            s += (s.empty() ? "" : " ") + std::string(n.child_value("type"));
            if (n.child("dot")) s += ".";
            if (n.find_child_by_attribute("tie", "type", "start")) s += "~";
        }
        return s;
    }
    size_t Count(const char* xpath) { return doc.select_nodes(xpath).size(); }

    TMusicSheet* page = nullptr;
    std::string xml;
    pugi::xml_document doc;

private:
    int slot_ = 0;
};

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

// Every sign of the shared table comes out as its element at its place.
TEST_F(WriterTest, EverySignOfTheTableAtItsPlace) {
    for (const MarkCode& m : MarkCodes()) Mark(*N("5"), std::string(1, m.code));
    const std::vector<pugi::xml_node> notes = Notes();
    ASSERT_EQ(notes.size(), MarkCodes().size());
    size_t i = 0;
    for (const MarkCode& m : MarkCodes()) {
        SCOPED_TRACE(m.code);
        const pugi::xml_node note = notes[i++];
        const pugi::xml_node direction = note.previous_sibling("direction");
        const std::string el(m.element), text(m.text);
        switch (m.place) {
            case MarkPlace::Dynamics:
                EXPECT_TRUE(direction.select_node(("direction-type/dynamics/" + el).c_str()));
                break;
            case MarkPlace::Segno:
            case MarkPlace::Coda:
                EXPECT_TRUE(direction.child("direction-type").child(el.c_str()));
                break;
            case MarkPlace::Words:
                EXPECT_EQ(direction.child("direction-type").child_value("words"), text);
                break;
            case MarkPlace::Fermata:
                EXPECT_TRUE(note.child("notations").child("fermata"));
                break;
            default: {
                const char* group = m.place == MarkPlace::Technical   ? "technical"
                                    : m.place == MarkPlace::Ornaments ? "ornaments"
                                                                      : "articulations";
                const pugi::xml_node e = note.child("notations").child(group).child(el.c_str());
                ASSERT_TRUE(e);
                if (!text.empty()) {
                    EXPECT_EQ(e.child_value(), text);
                }
            }
        }
    }
    EXPECT_EQ(Count("//sound[@dacapo='yes']"), 1u);
}

// A mark drawn over a note but linked to nothing goes with that note; one
// far from every note is left out.
TEST_F(WriterTest, LooseMarksGoWithTheNoteTheySitOn) {
    std::vector<TNote*> n = Score("1 2 - 3");
    auto loose = [&](const char* content, int x, int y) {
        TMusicSign* sign = CreateItem<TMusicSign>(*page);
        sign->SetContent(content);
        sign->SetPosX(x);
        sign->SetPosY(y);
    };
    loose("x", n[1]->PosX() + 3, n[1]->PosY() - 40);
    loose("B", n[2]->PosX(), n[2]->PosY() + 30);  // under the dash: it is written on its own
    loose("_", n[3]->PosX() - 8, n[3]->PosY());   // a slide just before its note
    loose("E", n[0]->PosX(), RowY(4));
    const std::vector<pugi::xml_node> notes = Notes();
    ASSERT_EQ(notes.size(), 4u);
    EXPECT_TRUE(notes[1].select_node("notations/articulations/accent"));
    EXPECT_TRUE(notes[2].previous_sibling("direction").select_node("direction-type/dynamics/p"));
    EXPECT_TRUE(notes[3].select_node("notations/slide[@type='stop']"));
    EXPECT_EQ(Count("//dynamics/f"), 0u);
}

TEST_F(WriterTest, SlidesScoopsAndGlissandos) {
    std::vector<TNote*> n = Score("1 3 | 5 1");
    Mark(*n[0], "^");
    Mark(*n[1], "^");
    Mark(*n[2], "{");
    Mark(*n[3], "_");
    const std::vector<pugi::xml_node> notes = Notes();
    EXPECT_TRUE(notes[0].select_node("notations/articulations/scoop"));
    EXPECT_STREQ(notes[0].select_node("notations/slide").node().attribute("type").value(), "start");
    EXPECT_STREQ(notes[1].select_node("notations/slide").node().attribute("type").value(), "stop");
    EXPECT_STREQ(notes[1].select_node("notations/glissando").node().attribute("type").value(),
                 "start");
    EXPECT_STREQ(notes[2].select_node("notations/glissando").node().attribute("type").value(),
                 "stop");
    EXPECT_EQ(Count("//slide"), 4u);
}

TEST_F(WriterTest, SlursTiesHairpinsAndEndings) {
    std::vector<TNote*> n = Score("1 2 3 | 3 3 | 5 6 7 1");
    Mark<TSlur>(*n[0], "Y", Slots(2));    // over 1 2 3
    Mark<TRenTon>(*n[2], "}", Slots(2));  // 3 | 3: the same pitch twice is a tie
    Mark<TCresc>(*n[5], "I", Slots(3));   // 5 … 1
    Mark<TCresc>(*n[1], "J", 5);          // one note
    const std::vector<pugi::xml_node> notes = Notes();
    EXPECT_STREQ(notes[0].select_node("notations/slur").node().attribute("type").value(), "start");
    EXPECT_STREQ(notes[2].select_node("notations/slur").node().attribute("type").value(), "stop");
    EXPECT_TRUE(notes[2].select_node("tie[@type='start']"));
    EXPECT_TRUE(notes[3].select_node("notations/tied[@type='stop']"));
    EXPECT_EQ(Count("//slur"), 2u);
    EXPECT_TRUE(notes[5].previous_sibling("direction").select_node(".//wedge[@type='crescendo']"));
    EXPECT_TRUE(notes[8].next_sibling("direction").select_node(".//wedge[@type='stop']"));
    EXPECT_TRUE(notes[1].next_sibling("direction").select_node(".//wedge[@type='stop']"));

    // A slur at the left margin continues from the last note of the row before.
    page->FreeAllItems();
    Score("1 2 |");
    NewRow();
    TNote* third = N("3");
    Mark<TSlur>(*third, "Y", Slots(1))->SetPosX(page->LeftSpace() - 5);
    const std::vector<pugi::xml_node> row = Notes();
    EXPECT_TRUE(row[1].select_node("notations/slur[@type='start']"));
    EXPECT_TRUE(row[2].select_node("notations/slur[@type='stop']"));
    EXPECT_TRUE(row[2].parent().child("print"));  // the new row is a new system

    // First and second endings with the repeat between them.
    page->FreeAllItems();
    n = Score("f 1 | 2 g 3 e");
    Mark<TKakko>(*n[1], "<", Slots(1));
    Mark<TKakko>(*n[2], "=", Slots(1));
    Export();
    EXPECT_EQ(Count("//measure[2]/barline[@location='left']/ending[@number='1'][@type='start']"),
              1u);
    EXPECT_EQ(Count("//measure[2]/barline[@location='right']/ending[@type='stop']"), 1u);
    EXPECT_EQ(
        Count("//measure[3]/barline[@location='right']/ending[@number='2'][@type='discontinue']"),
        1u);
}

// A D.S. or D.C. says where its return ends; the To Coda mark and the coda
// carry the sounds that take the play from one to the other.
TEST_F(WriterTest, JumpsSayWhereTheReturnEnds) {
    std::vector<TNote*> n = Score("1 2 | 3 4 | 5 6");
    Mark(*n[1], "j");
    Mark(*n[2], "i");
    Mark(*n[3], "k");
    Export();
    EXPECT_EQ(Count("//direction[direction-type/segno][sound/@segno='segno']"), 1u);
    EXPECT_EQ(Count("//direction/direction-type/words[.='D.S. al Fine']"), 1u);
    EXPECT_EQ(Count("//measure[2]/note[2]/following-sibling::sound[1][@dalsegno='segno']"), 1u);
    EXPECT_EQ(Count("//measure[2]/note[1]/following-sibling::*[1][self::sound][@fine='yes']"), 1u);

    page->FreeAllItems();
    n = Score("1 2 | 3 4 | 5 6");
    Mark(*n[1], "l");
    Mark(*n[3], "m");
    Mark(*n[4], "l");
    Export();
    EXPECT_EQ(Count("//direction/direction-type/words[.='D.C. al Coda']"), 1u);
    EXPECT_EQ(Count("//sound[@dacapo='yes']"), 1u);
    // The first coda sign is where the play leaves: after its note, its
    // words with the sound that takes the jump there.
    EXPECT_EQ(Count("//measure[1]/direction/direction-type/words[.='To Coda']"), 1u);
    EXPECT_EQ(Count("//measure[1]/note[2]/following-sibling::*[1][self::direction]"
                    "[direction-type/words[.='To Coda']][sound/@tocoda='coda']"),
              1u);
    EXPECT_EQ(Count("//measure[1]//coda"), 0u);
    // The last is the coda.
    EXPECT_EQ(Count("//measure[3]/direction[direction-type/coda][sound/@coda='coda']"), 1u);
    EXPECT_EQ(Count("//direction/direction-type/coda"), 1u);

    // A D.C. with nothing to end its return plays to the end.
    page->FreeAllItems();
    n = Score("1 2");
    Mark(*n[1], "m");
    Export();
    EXPECT_EQ(Count("//direction/direction-type/words[.='D.C.']"), 1u);
}

// A jump on a numeral leaves before the dashes that follow it; on the last
// dash, after the held note.
TEST_F(WriterTest, AJumpOnAHeldNumeralComesBeforeItsDashes) {
    std::vector<TNote*> n = Score("5 - - - | 3 - - -");
    Mark(*n[0], "k");
    Mark(*n[7], "m");
    Export();
    EXPECT_EQ(Lengths(), "quarter~ half. half.~ quarter");
    EXPECT_EQ(Count("//measure[1]/note[1]/following-sibling::*[1][self::sound][@dalsegno]"), 1u);
    EXPECT_EQ(Count("//measure[2]/note[2]/following-sibling::*[1][self::sound][@dacapo]"), 1u);
    EXPECT_EQ(Count("//measure[1]/note[1]/preceding-sibling::direction//words[.='D.S.']"), 1u);
    EXPECT_EQ(Count("//measure[2]/note[2]/preceding-sibling::direction[1]//words[.='D.C.']"), 1u);
}

// Where the book's repeat starts after an end repeat, or at a piece that
// does not begin the score, the start repeat is implied: a sound says so.
TEST_F(WriterTest, StartRepeatsTheBookImplies) {
    Score("1 g 2 g 3 | f 4 g");
    Export();
    EXPECT_EQ(Count("//sound[@forward-repeat='yes']"), 1u);
    EXPECT_EQ(Count("//measure[2]/*[1][self::sound][@forward-repeat='yes']"), 1u);
    EXPECT_EQ(Count("//measure[4]/barline[@location='left']/repeat[@direction='forward']"), 1u);

    TMusicSheet* second = book->NewSheet();
    second->SetTitle(cp932::FromUtf8("第二曲"));
    std::swap(page, second);
    Score("5 | 6 g");
    Export();
    EXPECT_EQ(Count("//sound[@forward-repeat='yes']"), 2u);
    EXPECT_EQ(Count("//measure[5]/sound[@forward-repeat='yes']"), 1u);
}

// A bracket of no width marks the music after a first ending as the second
// ending without drawing it: an ending that is not printed.
TEST_F(WriterTest, ABracketOfNoWidthIsAnEndingNotPrinted) {
    std::vector<TNote*> n = Score("f 1 | 2 g 3 | 4 e");
    Mark<TKakko>(*n[1], "<", Slots(1));
    Mark<TKakko>(*n[2], "=")->SetWidth(0);
    Export();
    EXPECT_EQ(Count("//measure[3]/barline[@location='left']/ending[@number='2'][@type='start']"
                    "[@print-object='no']"),
              1u);
    EXPECT_EQ(Count("//measure[3]/barline[@location='right']/ending[@number='2']"
                    "[@print-object='no']"),
              1u);
    EXPECT_EQ(Count("//ending[@number='1'][@print-object]"), 0u);
    EXPECT_EQ(Count("//measure[4]//ending"), 0u);
}

TEST_F(WriterTest, TemposTextAndPieces) {
    page->SetPlayCount(72);
    page->SetPlaySpeed(cp932::FromUtf8("中速"));
    std::vector<TNote*> n = Score("1 2 | 3");
    TTempo* faster = Mark<TTempo>(*n[1], "/");
    faster->SetTempo(150);
    faster->SetTempoUnit(1);                 // per cent of the page tempo
    Mark<TTempo>(*n[0], "/")->SetTempo(72);  // restates the page tempo: no direction of its own
    TTextBox* box = CreateItem<TTextBox>(*page);
    box->SetCSVText(cp932::FromUtf8("\"弱起\""));
    box->SetPosY(RowY(0) + 60);  // below the row, linked to nothing
    Export();
    EXPECT_EQ(Count("//measure[1]/direction[1][direction-type/words='中速'][sound/@tempo='72']"),
              1u);
    EXPECT_EQ(Count("//direction[direction-type/metronome/per-minute=108][sound/@tempo='108']"),
              1u);
    EXPECT_EQ(Count("//direction/direction-type/words[.='弱起']"), 1u);
    EXPECT_EQ(Count("//metronome"), 2u);

    // A page with a title starts a new piece on a new page after a double bar.
    TMusicSheet* second = book->NewSheet();
    second->SetTitle(cp932::FromUtf8("第二曲"));
    std::swap(page, second);
    Score("5 6");
    Export();
    EXPECT_EQ(Count("//measure[2]/barline[@location='right'][bar-style='light-light']"), 1u);
    EXPECT_EQ(Count("//measure[3]/print[@new-page='yes']"), 1u);
    EXPECT_EQ(Count("//measure[3]/direction/direction-type/words[.='第二曲']"), 1u);
}

// Characters the book keeps as references are written as themselves; text
// the user typed as "&#x" stays that text.
TEST_F(WriterTest, TextsInAnyScriptAreWrittenAsTheirCharacters) {
    page->SetTitle(cp932::FromUtf8("二泉映月 阿炳 刘天华"));
    page->SetWriter(cp932::FromUtf8("아리랑 🎻"));
    page->SetPlaySpeed(cp932::FromUtf8("مرحبا"));
    std::vector<TNote*> n = Score("1 2");
    TTextBox* box = CreateItem<TTextBox>(*page);
    box->SetCSVText(cp932::FromUtf8("\"苏州 &#x41;\""));
    box->SetPosY(RowY(0) + 60);
    ASSERT_NE(page->Title().find("&#x5218;"), std::string::npos);  // held as a reference
    Export();
    EXPECT_EQ(std::string(doc.select_node("//work-title").node().child_value()),
              "二泉映月 阿炳 刘天华");
    EXPECT_EQ(std::string(doc.select_node("//creator").node().child_value()), "아리랑 🎻");
    EXPECT_EQ(Count("//direction/direction-type/words[.='مرحبا']"), 1u);
    EXPECT_EQ(Count("//direction/direction-type/words[.='苏州 &#x41;']"), 1u);
}

TEST_F(WriterTest, EmptyBookDemoAndFiles) {
    Export();
    EXPECT_EQ(Count("//measure/note/rest"), 1u);

    ReadResult demo = ReadScoreFile(SORVEL_EXAMPLES "/demo.svl", env);
    ASSERT_EQ(demo.status, ReadStatus::Ok);
    book = std::move(demo.book);
    EXPECT_GT(Notes().size(), 30u);
    // Its marks left unlinked under the first row still reach their notes.
    EXPECT_EQ(Count("//measure[1]/direction/direction-type/dynamics/mf"), 1u);
    EXPECT_EQ(Count("//wedge[@type='crescendo']"), 1u);

    const std::string path = ::testing::TempDir() + "sorvel_export.musicxml";
    const MusicXmlWriteResult ok = ExportMusicXmlFile(*book, path);
    EXPECT_TRUE(ok.ok);
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), xml);
    std::remove(path.c_str());
    const MusicXmlWriteResult bad = ExportMusicXmlFile(*book, "/nonexistent-folder/x.musicxml");
    EXPECT_FALSE(bad.ok);
    EXPECT_EQ(bad.message.Japanese(), "MusicXMLを書き込めません。");
    EXPECT_FALSE(bad.detail.empty());
}

}  // namespace
}  // namespace sorvel::interchange
