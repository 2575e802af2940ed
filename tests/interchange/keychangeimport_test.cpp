// SPDX-License-Identifier: GPL-3.0-or-later
// Key changes imported from MusicXML: a page plays in the key of its header,
// so a change that falls at the start of a row starts a new page in the new
// key; within a row the bars keep the old key with accidentals until the
// next row can start the page. The import summary says which it did.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "base/cp932.h"
#include "importedbook.h"
#include "interchange/musicxmlimport.h"
#include "model/daon.h"
#include "model/majorkey.h"

namespace sorvel::interchange {
namespace {

using namespace testbook;

// A bar of four quarters: G A B C in G major, or F G A B-flat.
std::string Bar(int number, bool flatKey, const std::string& attributes = "") {
    std::string body = attributes;
    if (flatKey) {
        body += XmlNote("F", 4, 1) + XmlNote("G", 4, 1) + XmlNote("A", 4, 1) +
                "<note><pitch><step>B</step><alter>-1</alter><octave>4</octave></pitch>"
                "<duration>1</duration></note>";
    } else {
        body += XmlNote("G", 4, 1) + XmlNote("A", 4, 1) + XmlNote("B", 4, 1) + XmlNote("C", 5, 1);
    }
    return XmlMeasure(number, body);
}

// Eight bars of four quarters, G major, changing to F major at bar `change`.
std::string Piece(int change) {
    std::string measures;
    for (int i = 1; i <= 8; ++i) {
        std::string attributes;
        if (i == 1) attributes = XmlAttributes(1, 1, 4, 4);
        if (i == change) attributes = "<attributes><key><fifths>-1</fifths></key></attributes>";
        measures += Bar(i, i >= change, attributes);
    }
    return PartDoc(measures);
}

// What the staff score sounds: each note with its onset.
std::vector<std::pair<int, int>> Sounding(const ImportedScore& score) {
    std::vector<std::pair<int, int>> out;
    int barStart = 0;
    for (const ImportedMeasure& m : score.measures) {
        for (const ImportedNote& n : m.notes)
            out.emplace_back(MidiOfPitch(n.pitch), barStart + n.onset);
        barStart += m.length;
    }
    return out;
}

TEST(KeyChangeImport, AChangeAtTheStartOfARowStartsAPageInTheNewKey) {
    ImportedBook b(Piece(5));  // four bars make a row: bar 5 starts the second
    ASSERT_TRUE(b.Ok()) << b.read.message;
    ASSERT_EQ(b.book->SheetCount(), 2);
    EXPECT_EQ(cp932::ToUtf8(b.Page(0).KeyCode()), "１＝Ｇ　（５２弦）");
    EXPECT_EQ(cp932::ToUtf8(b.Page(1).KeyCode()), "１＝Ｆ　（６３弦）");
    EXPECT_EQ(b.Page(1).Title(), "");  // the page goes on with the piece
    EXPECT_EQ(SymbolsOf(b.Page(0)), "$ 1 2 3 4 c 1 2 3 4 c 1 2 3 4 c 1 2 3 4 c");
    EXPECT_EQ(SymbolsOf(b.Page(1)), "1 2 3 4 c 1 2 3 4 c 1 2 3 4 c 1 2 3 4 c");
    EXPECT_EQ(b.Played(), Sounding(b.read.score));
    EXPECT_EQ(b.LeftOut("調号の変更（臨時記号で書きました）"), 0);

    const MusicXmlImport imported = ImportReadScore(b.read.score, "/tmp/keys.musicxml", b.env);
    EXPECT_EQ(imported.summary.Japanese(),
              "MusicXMLを読み込みました（パート 1/1、8 小節、32 音、2 ページ）。"
              "書き換えたもの: 調号の変更（新しいページにしました） 1。"
              "読み込まなかったものはありません。");
}

TEST(KeyChangeImport, AChangeWithinARowKeepsAccidentalsUntilTheNextRow) {
    ImportedBook b(Piece(3));
    ASSERT_TRUE(b.Ok()) << b.read.message;
    ASSERT_EQ(b.book->SheetCount(), 2);
    // Bars 3 and 4 in G major with the flat of B; bar 5 on a page in F major.
    EXPECT_EQ(SymbolsOf(b.Page(0)), "$ 1 2 3 4 c 1 2 3 4 c b7, 1 2 b3 c b7, 1 2 b3 c");
    EXPECT_EQ(cp932::ToUtf8(b.Page(1).KeyCode()), "１＝Ｆ　（６３弦）");
    EXPECT_EQ(SymbolsOf(b.Page(1)).substr(0, 10), "1 2 3 4 c ");
    EXPECT_EQ(b.Played(), Sounding(b.read.score));
    EXPECT_EQ(b.LeftOut("調号の変更（臨時記号で書きました）"), 1);
}

TEST(KeyChangeImport, GraceNotesAreDegreesOfTheirPagesKey) {
    std::string measures;
    for (int i = 1; i <= 4; ++i) measures += Bar(i, false, i == 1 ? XmlAttributes(1, 1, 4, 4) : "");
    measures +=
        XmlMeasure(5,
                   "<attributes><key><fifths>-1</fifths></key></attributes>"
                   "<note><grace/><pitch><step>B</step><alter>-1</alter><octave>4</octave></pitch>"
                   "<type>16th</type></note>" +
                       XmlNote("A", 4, 4));
    // Back to G major for the rows after.
    for (int i = 6; i <= 8; ++i) measures += Bar(i, true);
    measures += Bar(9, false, "<attributes><key><fifths>1</fifths></key></attributes>");
    for (int i = 10; i <= 16; ++i) measures += Bar(i, false);
    ImportedBook b(PartDoc(measures));
    ASSERT_TRUE(b.Ok()) << b.read.message;
    ASSERT_EQ(b.book->SheetCount(), 3);
    EXPECT_EQ(cp932::ToUtf8(b.Page(2).KeyCode()), "１＝Ｇ　（５２弦）");
    EXPECT_EQ(b.Played(), Sounding(b.read.score));
    const std::vector<TNote*> notes = NotesOf(b.Page(1));
    ASSERT_FALSE(notes.empty());
    const std::vector<TMusicItem*> graces = MarksOn(*notes[0], ItemClass::DaonLeft);
    ASSERT_EQ(graces.size(), 1u);
    EXPECT_EQ(graces[0]->As<TDaonLeft>()->AllNoteData().substr(0, 2), "43");  // B flat is 4 in F
    EXPECT_EQ(b.LeftOut("装飾音の臨時記号"), 0);
}

TEST(KeyChangeImport, PagesThatRunOverAfterAChangeKeepItsKey) {
    // Forty bars in F after a G major start: the rows fill more pages.
    std::string measures = Bar(1, false, XmlAttributes(1, 1, 4, 4));
    for (int i = 2; i <= 41; ++i)
        measures +=
            Bar(i, true, i == 2 ? "<attributes><key><fifths>-1</fifths></key></attributes>" : "");
    ImportedBook b(PartDoc(measures));
    ASSERT_TRUE(b.Ok()) << b.read.message;
    ASSERT_GE(b.book->SheetCount(), 2);
    for (int p = 1; p < b.book->SheetCount(); ++p)
        EXPECT_EQ(cp932::ToUtf8(b.Page(p).KeyCode()), "１＝Ｆ　（６３弦）") << "page " << p + 1;
    EXPECT_EQ(b.Played(), Sounding(b.read.score));
}

}  // namespace
}  // namespace sorvel::interchange
