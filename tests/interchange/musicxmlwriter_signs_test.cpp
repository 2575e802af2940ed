// SPDX-License-Identifier: GPL-3.0-or-later
// The MusicXML export of what goes with the notes: every sign of the shared
// table at its place, loose marks, slides, slurs, ties, hairpins and endings,
// jumps and the repeats the book implies, tempos and texts in any script, and
// the demo book and files written. Every document is checked against the
// schema.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <pugixml.hpp>
#include <string>
#include <utility>
#include <vector>

#include "base/cp932.h"
#include "interchange/musicxmlvocabulary.h"
#include "interchange/musicxmlwriter.h"
#include "model/itemfactory.h"
#include "model/musicmark.h"
#include "model/note.h"
#include "model/scorefile.h"
#include "model/tempo.h"
#include "model/textbox.h"
#include "musicxmlwriterfixture.h"

namespace sorvel::interchange {
namespace {

using namespace writerfixture;

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
