// SPDX-License-Identifier: GPL-3.0-or-later
// A book out to MusicXML and back in keeps what a player wrote: the same
// numerals with their octaves, accidentals, underlines and dots, the same
// dashes and rests, and the same signs on the same notes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/cp932.h"
#include "interchange/bookbuilder.h"
#include "interchange/musicxmlreader.h"
#include "interchange/musicxmlwriter.h"
#include "model/itemfactory.h"
#include "model/musicbook.h"
#include "model/musicmark.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/scorefile.h"
#include "model/textbox.h"
#include "model/workspace.h"
#include "playback/offline/offlineplay.h"

namespace sorvel::interchange {
namespace {

// Each symbol of the first piece of a book: a numeral as content, octave,
// accidental, underlines and dot, followed by the sorted codes of its signs.
std::vector<std::string> Written(TMusicBook& book) {
    std::vector<std::string> out;
    for (int p = 0; p < book.SheetCount(); ++p) {
        TMusicSheet& page = *book.GetSheet(p);
        if (p > 0 && !page.Title().empty()) break;
        for (int i = 0; i < page.ItemCount(); ++i) {
            const TNote* n = page.GetItem(i)->As<TNote>();
            if (!n) continue;
            std::string signs;
            for (const TMusicItem* link : n->Links()) {
                if (link->Class() == ItemClass::MusicSign) signs += link->Content();
            }
            std::sort(signs.begin(), signs.end());
            out.push_back(n->Content() + " o" + std::to_string(n->Octave()) + " r" + n->Rinji() +
                          " l" + std::to_string(n->Length()) + " f" + std::to_string(n->Futen()) +
                          " [" + signs + "]");
        }
    }
    return out;
}

TEST(RoundTrip, TheDemoBookComesBackWithItsNotesAndErhuMarks) {
    Workspace ws;
    ReadResult demo = ReadScoreFile(SORVEL_EXAMPLES "/demo.svl", ws.env);
    ASSERT_EQ(demo.status, ReadStatus::Ok) << demo.message;
    // A sign standing free on the page is written with the note it stands
    // under, and so comes back linked to it: the dynamic under the first note.
    {
        MusicXmlReadResult read = ReadMusicXmlBytes(WriteMusicXml(*demo.book));
        ASSERT_TRUE(read.ok) << read.message;
        Workspace other;
        BuiltBook back = BuildBook(read.score, other.env, "demo");
        EXPECT_EQ(Written(*back.book).front(), "3 o0 r l0 f0 [DPR]");
    }
    TMusicSheet& first = *demo.book->GetSheet(0);
    for (int i = first.ItemCount() - 1; i >= 0; --i) {
        TMusicItem* item = first.GetItem(i);
        if (item->Class() == ItemClass::MusicSign && item->LinkCount() == 0) item->Delete();
    }
    const std::string xml = WriteMusicXml(*demo.book);
    MusicXmlReadResult read = ReadMusicXmlBytes(xml);
    ASSERT_TRUE(read.ok) << read.message;
    Workspace other;
    BuiltBook back = BuildBook(read.score, other.env, "demo");
    // The tune: the first 53 symbols of page 1. (What follows shows the
    // glyphs of the font, with a fermata standing as a symbol of its own,
    // which comes back as a sign on the note before it.)
    const std::vector<std::string> got = Written(*back.book), want = Written(*demo.book);
    ASSERT_GE(got.size(), 53u);
    ASSERT_GE(want.size(), 53u);
    EXPECT_EQ(std::vector<std::string>(got.begin(), got.begin() + 53),
              std::vector<std::string>(want.begin(), want.begin() + 53));
    EXPECT_EQ(back.book->GetSheet(0)->KeyCode(), demo.book->GetSheet(0)->KeyCode());
    EXPECT_EQ(back.book->GetSheet(0)->Title(), demo.book->GetSheet(0)->Title());
    EXPECT_EQ(back.book->GetSheet(0)->PlayCount(), demo.book->GetSheet(0)->PlayCount());
}

TEST(RoundTrip, EverySampleSurvivesASecondTripUnchanged) {
    // Import, export, import again: the second book writes what the first did.
    for (const char* name :
         {"HelloWorld.xml", "JohannSebastianBach_Air.xml", "OSMD_function_test_bar_lines.musicxml",
          "test_grace_note_fingerings_and_strings_Ysaye_excerpt.musicxml",
          "Cornelius_P_Christbaum_Opus_8_1_1865.mxl"}) {
        SCOPED_TRACE(name);
        MusicXmlReadResult first =
            ReadMusicXmlFile(std::string(SORVEL_SHARED_MUSICXML "/samples/") + name);
        ASSERT_TRUE(first.ok) << first.message;
        Workspace a, b;
        BuiltBook one = BuildBook(first.score, a.env, "x");
        MusicXmlReadResult second = ReadMusicXmlBytes(WriteMusicXml(*one.book));
        ASSERT_TRUE(second.ok) << second.message;
        BuiltBook two = BuildBook(second.score, b.env, "x");
        EXPECT_EQ(Written(*two.book), Written(*one.book));
    }
}

// A book titled in Chinese, Korean, Arabic and emoji keeps every character
// through a saved file, MusicXML out and MusicXML in.
TEST(RoundTrip, TextsInAnyScriptSurviveTheFileAndMusicXml) {
    const std::string title = "二泉映月 阿炳 刘天华", writer = "아리랑 · مرحبا 🎻";
    Workspace ws;
    ReadResult demo = ReadScoreFile(SORVEL_EXAMPLES "/demo.svl", ws.env);
    ASSERT_EQ(demo.status, ReadStatus::Ok) << demo.message;
    TMusicBook& book = *demo.book;
    TMusicSheet& page = *book.GetSheet(0);
    book.SetTitle(cp932::FromUtf8(title));
    page.SetTitle(cp932::FromUtf8(title));
    page.SetWriter(cp932::FromUtf8(writer));
    const std::string saved = SaveBookToFileBytes(book);
    ASSERT_NE(saved.find("&#x5218;"), std::string::npos);  // Shift-JIS with a reference
    Workspace reading;
    ReadResult reopened = ReadScoreBytes(saved, reading.env);
    ASSERT_EQ(reopened.status, ReadStatus::Ok) << reopened.message;
    EXPECT_EQ(cp932::ToUtf8(reopened.book->Title()), title);
    EXPECT_EQ(cp932::ToUtf8(reopened.book->GetSheet(0)->Title()), title);
    EXPECT_EQ(cp932::ToUtf8(reopened.book->GetSheet(0)->Writer()), writer);

    MusicXmlReadResult read = ReadMusicXmlBytes(WriteMusicXml(*reopened.book));
    ASSERT_TRUE(read.ok) << read.message;
    EXPECT_EQ(read.score.title, title);
    EXPECT_EQ(read.score.composer, writer);
    Workspace other;
    BuiltBook back = BuildBook(read.score, other.env, "x");
    EXPECT_EQ(back.book->GetSheet(0)->Title(), page.Title());
    EXPECT_EQ(back.book->GetSheet(0)->Writer(), page.Writer());
}

// ---------------------------------------------------------------- jumps and repeats

// The notes a book plays, in order.
class NoteNumbers final : public OfflineSink {
public:
    void ShortMessage(std::uint32_t m) override {
        if ((m & 0xF0) == 0x90 && ((m >> 16) & 0x7F) != 0 && (m & 0x0F) == 0)
            notes.push_back(static_cast<int>((m >> 8) & 0x7F));
    }
    void LongMessage(std::span<const std::uint8_t>) override {}
    void Reset() override {}
    void OnStep(const OfflineStep&) override {}
    std::vector<int> notes;
};

class JumpRoundTrip : public ::testing::Test, protected Workspace {
protected:
    JumpRoundTrip() {
        page = NewBook().GetSheet(0);
        page->SetTitle("Piece");
    }
    // Symbols left to right along the rows, 30 slots a row: digits are
    // numerals, "-" a dash, "c" … "h" bar lines, "$" 4/4.
    std::vector<TNote*> Score(const std::string& text) {
        std::vector<TNote*> notes;
        for (char c : text) {
            if (c == ' ') continue;
            TMusicItem* item = c == '$' ? static_cast<TMusicItem*>(CreateItem<TBeat>(*page))
                               : c >= 'c' && c <= 'h'
                                   ? static_cast<TMusicItem*>(CreateItem<TBarLine>(*page))
                                   : static_cast<TMusicItem*>(CreateItem<TNote>(*page));
            item->SetContent(std::string(1, c == '-' ? '8' : c));
            item->SetPosX(page->LeftSpace() + (slot_ % 30 + 1) * page->GridSize());
            item->SetPosY(page->TopSpace() + page->TitleHeight() + page->RowInterval() / 2 +
                          slot_ / 30 * page->RowInterval());
            ++slot_;
            if (TNote* note = item->As<TNote>()) notes.push_back(note);
        }
        return notes;
    }
    template <class T = TMusicSign>
    T* Mark(TNote& note, const std::string& content) {
        T* mark = CreateItem<T>(*page);
        mark->SetContent(content);
        mark->SetPosX(note.PosX());
        mark->SetPosY(note.PosY() - 40);
        note.Link(*mark);
        mark->Link(note);
        return mark;
    }

    // Bar lines, numerals and dashes with their signs, and each ending
    // bracket as its number ("[2" for one of no width), in reading order.
    static std::string Structure(TMusicBook& b) {
        std::string out;
        for (int p = 0; p < b.SheetCount(); ++p) {
            TMusicSheet& sheet = *b.GetSheet(p);
            for (int i = 0; i < sheet.ItemCount(); ++i) {
                const TMusicItem* item = sheet.GetItem(i);
                if (item->Class() == ItemClass::BarLine) out += " " + item->Content();
                const TNote* n = item->As<TNote>();
                if (!n) continue;
                out += " " + n->Content();
                std::string signs;
                for (const TMusicItem* link : n->Links()) {
                    if (link->Class() == ItemClass::MusicSign) signs += link->Content();
                    if (link->Class() == ItemClass::Kakko)
                        out += (link->Width() == 0 ? "[" : "(") + link->Content();
                }
                std::sort(signs.begin(), signs.end());
                out += signs;
            }
        }
        return out;
    }
    std::vector<int> Played(TMusicBook& b) {
        NoteNumbers sink;
        OfflinePlay(*b.GetSheet(0), prefs).Run(sink);
        return sink.notes;
    }
    // Exports the book, imports the document and checks that the book read
    // back writes and plays as the first.
    void ExpectRoundTrip() {
        MusicXmlReadResult read = ReadMusicXmlBytes(WriteMusicXml(*book));
        ASSERT_TRUE(read.ok) << read.message;
        Workspace other;
        BuiltBook back = BuildBook(read.score, other.env, "x");
        EXPECT_EQ(Structure(*back.book), Structure(*book));
        EXPECT_EQ(Played(*back.book), Played(*book));
    }

    TMusicSheet* page = nullptr;

private:
    int slot_ = 0;
};

TEST_F(JumpRoundTrip, SegnoToCodaDalSegnoAndCoda) {
    std::vector<TNote*> n = Score("$ 1 2 3 4 c 5 - - - c 6 - - - c 7 - - - c 1 - - - e");
    Mark(*n[0], "j");
    Mark(*n[7], "l");   // To Coda, on the last dash
    Mark(*n[15], "k");  // D.S., on the last dash
    Mark(*n[16], "l");  // the coda
    ExpectRoundTrip();
    // In D: 1 2 3 4 5 6 7, from the segno to the To Coda, the coda.
    EXPECT_EQ(Played(*book),
              (std::vector<int>{62, 64, 66, 67, 69, 71, 73, 62, 64, 66, 67, 69, 62}));
}

TEST_F(JumpRoundTrip, AToCodaOnTheFirstNumeralOfABar) {
    // The To Coda is written after its numeral, where the play leaves: read
    // back, it stays on that numeral and not at the bar line before it.
    std::vector<TNote*> n = Score("$ 1 2 3 4 c 5 - - - c 6 - - - c 7 - - - c 1 - - - e");
    Mark(*n[0], "j");
    Mark(*n[4], "l");
    Mark(*n[12], "k");
    Mark(*n[16], "l");
    ExpectRoundTrip();
    EXPECT_EQ(Played(*book),
              (std::vector<int>{62, 64, 66, 67, 69, 71, 73, 62, 64, 66, 67, 69, 62}));
}

TEST_F(JumpRoundTrip, FineAndDaCapoOnHeldNumerals) {
    // Playback leaves after the numeral that carries the sign, before its
    // dashes: the round trip keeps that.
    std::vector<TNote*> n = Score("$ 1 2 3 4 c 5 - - - c 6 - - - e");
    Mark(*n[4], "i");
    Mark(*n[8], "m");
    ExpectRoundTrip();
}

TEST_F(JumpRoundTrip, RepeatsWithoutStartsAndAContinuedFirstEnding) {
    std::vector<TNote*> n =
        Score("$ 1 1 1 1 g 2 2 2 2 g 3 3 3 3 c 4 4 4 4 g 5 - - - c 6 - - - g 7 - - - e");
    Mark<TKakko>(*n[12], "<")->SetWidth(3 * page->GridSize());
    Mark<TKakko>(*n[16], "=")->SetWidth(0);
    ExpectRoundTrip();
}

}  // namespace
}  // namespace sorvel::interchange
