// SPDX-License-Identifier: GPL-3.0-or-later
// One export and import of a book is stable: exporting the imported book
// writes the music the first export wrote, so a book can go out and come
// back any number of times without losing a hairpin's note or merging tied
// notes. Hand-made books are compared without their system and page breaks
// (an imported book lays its rows out afresh); imported books exactly.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "base/cp932.h"
#include "importedbook.h"
#include "interchange/musicxmlwriter.h"
#include "model/itemfactory.h"
#include "model/musicmark.h"

namespace sorvel::interchange {
namespace {

using namespace testbook;

// The export without its <print> elements (the layout of systems and pages).
std::string Music(const std::string& xml) {
    std::istringstream in(xml);
    std::string line, out;
    while (std::getline(in, line)) {
        if (line.find("<print ") == std::string::npos) out += line + '\n';
    }
    return out;
}

size_t Count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

// Exports the book, imports the export and exports the imported book.
std::string ExportOfImport(const std::string& xml) {
    ImportedBook back(xml);
    EXPECT_TRUE(back.Ok()) << back.read.message;
    return back.Ok() ? WriteMusicXml(*back.book) : std::string();
}

// A book written by hand as a player would: one symbol a grid slot, 30 to
// a row.
class HandBook : public ::testing::Test, protected Workspace {
protected:
    HandBook() {
        page = NewBook().GetSheet(0);
        page->SetTitle("Piece");
        page->SetKeyCode(cp932::FromUtf8("１＝Ｄ　（１５弦）"));
        Next<TBeat>("$");
    }
    template <class T>
    T* Next(const std::string& content) {
        T* item = CreateItem<T>(*page);
        item->SetContent(content);
        item->SetPosX(page->LeftSpace() + (slot_ % 30 + 1) * page->GridSize());
        item->SetPosY(page->TopSpace() + page->TitleHeight() + page->RowInterval() / 2 +
                      slot_ / 30 * page->RowInterval());
        ++slot_;
        return item;
    }
    void NewRow() { slot_ = (slot_ / 30 + 1) * 30; }
    // Digits are notes, "_" shortens the note before by one underline, "|" is
    // a bar line, "-" a dash.
    std::vector<TNote*> Score(const std::string& text) {
        std::vector<TNote*> notes;
        for (char c : text) {
            if (c == '|') {
                Next<TBarLine>("c");
            } else if (c == '_') {
                notes.back()->SetLength(notes.back()->Length() + 1);
            } else if (c == '-') {
                notes.push_back(Next<TNote>("8"));
            } else if (c != ' ') {
                notes.push_back(Next<TNote>(std::string(1, c)));
            }
        }
        return notes;
    }
    // A mark with a width from `from` to the x of `to`.
    template <class T>
    T* Span(const std::string& content, TNote& from, const TNote& to) {
        T* mark = CreateItem<T>(*page);
        mark->SetContent(content);
        mark->SetPosX(from.PosX());
        mark->SetPosY(from.PosY() - 40);
        mark->SetWidth(to.PosX() - from.PosX());
        from.Link(*mark);
        mark->Link(from);
        return mark;
    }
    // The two pieces of a mark that runs from `from` past the row's end to
    // `to`: the second stands at the left margin, linked to the row's first
    // note `rowFirst` as the editor links a continued mark.
    template <class T>
    void SpanOverRows(const std::string& content, TNote& from, TNote& rowFirst, const TNote& to) {
        Span<T>(content, from, from)->SetWidth(page->PageWidth - page->RightSpace() - from.PosX());
        T* rest = Span<T>(content, rowFirst, to);
        rest->SetPosX(page->LeftSpace());
        rest->SetWidth(to.PosX() - page->LeftSpace());
    }

    void ExpectStable() {
        const std::string first = WriteMusicXml(*book);
        EXPECT_EQ(Music(ExportOfImport(first)), Music(first));
    }

    TMusicSheet* page = nullptr;

private:
    int slot_ = 0;
};

TEST_F(HandBook, HairpinsEndingOnTheLastNoteOfABarOrARowKeepThatNote) {
    std::vector<TNote*> n = Score("1 2 3 4 | 5 6 7 1 |");
    Span<TCresc>("I", *n[0], *n[3]);  // to the last note of the bar
    Span<TCresc>("J", *n[5], *n[7]);  // to the last note of the row
    NewRow();
    std::vector<TNote*> m = Score("2 3 4 5 | 6 7 1 2 |");
    NewRow();
    std::vector<TNote*> r = Score("3 4 5 6 | 7 - - - |");
    SpanOverRows<TCresc>("I", *m[6], *r[0], *r[1]);  // from the row before into this one
    Span<TCresc>("J", *r[2], *r[2]);                 // under one note
    Span<TCresc>("I", *r[4], *r[4]);                 // under a note held to the end
    ExpectStable();
}

TEST_F(HandBook, TiesInsideABarStayTheLengthTheyHold) {
    std::vector<TNote*> n = Score("5 5 3 2 | 1_ 1 2_ 3 3 | 6 - 6 6 | 5 5 5 3 | 1 1 2 3 |");
    Span<TSlur>("Y", *n[0], *n[1]);     // a tie of two quarters
    Span<TSlur>("Y", *n[4], *n[5]);     // an eighth tied to a quarter
    Span<TRenTon>("}", *n[9], *n[11]);  // a held note tied over a third beat
    Span<TSlur>("Y", *n[13], *n[14]);   // three quarters tied in a chain
    Span<TSlur>("Y", *n[14], *n[15]);
    Span<TSlur>("Y", *n[17], *n[18]);  // a tie, and a slur from the tied note on
    Span<TSlur>("Y", *n[18], *n[20]);
    // Each tied pair is written as the one note the import makes of it: a
    // half, a dotted quarter, dotted halves, a half.
    const std::string xml = WriteMusicXml(*book);
    EXPECT_EQ(Count(xml, "<tie "), 0u);
    EXPECT_EQ(Count(xml, "<type>half</type>"), 4u);
    ExpectStable();
}

TEST_F(HandBook, SlursInARowAndOverARowBreak) {
    std::vector<TNote*> n = Score("1 2 3 4 | 5 6 5 6 |");
    Span<TSlur>("Y", *n[0], *n[2]);
    Span<TSlur>("Y", *n[4], *n[5]);
    NewRow();
    std::vector<TNote*> m = Score("7 1 2 3 | 4 - - - |");
    SpanOverRows<TSlur>("Y", *n[6], *m[0], *m[1]);
    // The slur over the row break is one slur, in both exports.
    const std::string xml = WriteMusicXml(*book);
    EXPECT_EQ(Count(xml, "<slur type=\"start\""), 3u);
    EXPECT_EQ(Count(ExportOfImport(xml), "<slur type=\"start\""), 3u);
    ExpectStable();
}

TEST_F(HandBook, OverlappingSlursKeepTheirOwnEnds) {
    // A phrase over the bar and a bowing slur that begins inside it.
    std::vector<TNote*> n = Score("1 2 3 4 | 5 6 7 1 |");
    Span<TSlur>("Y", *n[0], *n[5]);
    Span<TSlur>("Y", *n[2], *n[3]);
    Span<TSlur>("Y", *n[4], *n[7]);
    ExpectStable();
}

TEST_F(HandBook, TripletsOneOrTwoToABar) {
    std::vector<TNote*> n = Score("1_ 2_ 3_ 4 5 6 | 1_ 2_ 3_ 4_ 5_ 6_ 7 1 |");
    Span<T3ren>("Z", *n[0], *n[2]);
    Span<T3ren>("Z", *n[6], *n[8]);
    Span<T3ren>("Z", *n[9], *n[11]);
    ExpectStable();
}

// Four quarters of one pitch, with what goes before and after them.
std::string Bar(int number, const std::string& step, const std::string& before = "",
                const std::string& after = "") {
    std::string notes;
    for (int i = 0; i < 4; ++i) notes += XmlNote(step, 4, 1, "<type>quarter</type>");
    return XmlMeasure(number, before + notes + after);
}

std::string EndingBar(const char* location, int number, const char* type,
                      const std::string& inside = "") {
    return std::string("<barline location=\"") + location + "\"><ending number=\"" +
           std::to_string(number) + "\" type=\"" + type + "\"/>" + inside + "</barline>";
}

// A first ending of three bars that a row break interrupts: the book draws
// it on both rows, and it goes out and comes back as one ending.
TEST(RoundTripStability, AnEndingOverARowBreakStaysOneEnding) {
    const std::string doc =
        PartDoc(Bar(1, "C", XmlAttributes(1, 0, 4, 4)) + Bar(2, "D") +
                Bar(3, "E", EndingBar("left", 1, "start")) + Bar(4, "F") +
                Bar(5, "G", "", EndingBar("right", 1, "stop", "<repeat direction=\"backward\"/>")) +
                Bar(6, "A", EndingBar("left", 2, "start"), EndingBar("right", 2, "discontinue")));
    ImportedBook book(doc);
    ASSERT_TRUE(book.Ok()) << book.read.message;
    std::vector<TNote*> notes = NotesOf(book.Page());
    ASSERT_EQ(notes.size(), 24u);
    ASSERT_NE(notes[16]->PosY(), notes[15]->PosY()) << "bar 5 begins the second row";
    const std::vector<TMusicItem*> carried = MarksOn(*notes[16], ItemClass::Kakko);
    ASSERT_EQ(carried.size(), 1u);
    EXPECT_EQ(carried[0]->Content(), "<");
    EXPECT_EQ(carried[0]->PosX(), book.Page().LeftSpace());

    const std::string first = WriteMusicXml(*book.book);
    EXPECT_EQ(Count(first, "<ending number=\"1\" type=\"start\""), 1u);
    EXPECT_EQ(Count(first, "<ending number=\"1\" type=\"stop\""), 1u);
    EXPECT_EQ(Count(first, "<ending number=\"1\" type=\"discontinue\""), 0u);
    EXPECT_EQ(Count(first, "forward"), 0u);
    EXPECT_EQ(ExportOfImport(first), first);
    ImportedBook back(first);
    ASSERT_TRUE(back.Ok());
    // C D E F G, C D, A: the first ending is left out on the repeat.
    EXPECT_EQ(back.Played(), book.Played());
    EXPECT_EQ(book.Played().size(), 32u);
}

std::string Wedge(const char* type) {
    return std::string("<direction><direction-type><wedge type=\"") + type +
           "\"/></direction-type></direction>";
}

// A diminuendo over the first of two tied halves and a crescendo over the
// second, the one stopping where the other starts: in the book the tied
// halves are one numeral with dashes, and each hairpin keeps its own half.
TEST(RoundTripStability, HairpinsOnTheHalvesOfATiedNoteKeepTheirHalves) {
    const std::string half = "<type>half</type>";
    const std::string doc = PartDoc(
        XmlMeasure(1, XmlAttributes(1, 0, 4, 4) + Wedge("diminuendo") +
                          XmlNote("C", 4, 2, "<tie type=\"start\"/>" + half) + Wedge("stop") +
                          Wedge("crescendo") + XmlNote("C", 4, 2, "<tie type=\"stop\"/>" + half) +
                          Wedge("stop")));
    ImportedBook book(doc);
    ASSERT_TRUE(book.Ok()) << book.read.message;
    EXPECT_EQ(SymbolsOf(book.Page()), "$ 1 8 8 8 c");
    std::vector<TNote*> notes = NotesOf(book.Page());
    ASSERT_EQ(notes.size(), 4u);
    const std::vector<TMusicItem*> dim = MarksOn(*notes[0], ItemClass::Cresc);
    const std::vector<TMusicItem*> cresc = MarksOn(*notes[2], ItemClass::Cresc);
    ASSERT_EQ(dim.size(), 1u);
    ASSERT_EQ(cresc.size(), 1u);
    EXPECT_EQ(dim[0]->Content(), "J");
    EXPECT_EQ(dim[0]->PosX() + dim[0]->Width(), notes[1]->PosX());
    EXPECT_EQ(cresc[0]->Content(), "I");
    EXPECT_EQ(cresc[0]->PosX() + cresc[0]->Width(), notes[3]->PosX());

    const std::string first = WriteMusicXml(*book.book);
    EXPECT_EQ(Count(first, "<wedge type=\"diminuendo\" number=\"1\""), 1u);
    EXPECT_EQ(Count(first, "<wedge type=\"crescendo\" number=\"1\""), 1u);
    EXPECT_EQ(ExportOfImport(first), first);
}

TEST(RoundTripStability, ImportedScoresExportTheSameAfterAnotherTrip) {
    for (const char* name :
         {"HelloWorld.xml", "JohannSebastianBach_Air.xml", "CharlesGounod_Meditation.xml",
          "Dichterliebe01.xml", "OSMD_function_test_expressions.musicxml",
          "OSMD_function_test_bar_lines.musicxml",
          "test_grace_note_fingerings_and_strings_Ysaye_excerpt.musicxml",
          "Cornelius_P_Christbaum_Opus_8_1_1865.mxl"}) {
        SCOPED_TRACE(name);
        const MusicXmlReadResult read =
            ReadMusicXmlFile(std::string(SORVEL_SHARED_MUSICXML "/samples/") + name);
        ASSERT_TRUE(read.ok) << read.message;
        Workspace ws;
        BuiltBook built = BuildBook(read.score, ws.env, "x");
        const std::string first = WriteMusicXml(*built.book);
        EXPECT_EQ(ExportOfImport(first), first);
    }
}

}  // namespace
}  // namespace sorvel::interchange
