// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of a score through every door: MusicXML in, the score file out
// and in again, MusicXML out. A yen sign stays a yen sign, a composer of
// three lines keeps its lines, a crafted title cannot make key lines, and
// characters XML cannot hold are left out of the export and counted.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <pugixml.hpp>
#include <string>

#include "base/cp932.h"
#include "interchange/musicxmlimport.h"
#include "interchange/musicxmlreader.h"
#include "interchange/musicxmlwriter.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "model/scorefile.h"
#include "model/textbox.h"
#include "model/workspace.h"

namespace sorvel::interchange {
namespace {

// A score of one bar of four quarter notes, with the title and composer given
// as XML text (references and all).
std::string Score(const std::string& title, const std::string& composer) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><score-partwise version=\"4.0\">"
           "<work><work-title>" +
           title + "</work-title></work><identification><creator type=\"composer\">" + composer +
           "</creator></identification><part-list><score-part id=\"P1\"><part-name>Erhu"
           "</part-name></score-part></part-list><part id=\"P1\"><measure number=\"1\">"
           "<attributes><divisions>1</divisions><key><fifths>2</fifths></key><time><beats>4"
           "</beats><beat-type>4</beat-type></time></attributes>"
           "<note><pitch><step>D</step><octave>4</octave></pitch><duration>4</duration>"
           "<type>whole</type></note></measure></part></score-partwise>";
}

// What the user does: import the score, save the book, open the file again.
struct Reopened {
    std::string file;                  // the saved bytes
    std::unique_ptr<TMusicBook> book;  // the book read from them
};

class TextFieldsTest : public ::testing::Test {
protected:
    Reopened ImportSaveOpen(const std::string& xml) {
        MusicXmlReadResult read = ReadMusicXmlBytes(xml);
        EXPECT_TRUE(read.ok) << read.message;
        MusicXmlImport imported = ImportReadScore(read.score, "score.musicxml", importing.env);
        EXPECT_TRUE(imported.ok) << imported.message;
        imported_ = std::move(imported.book);
        Reopened r;
        r.file = SaveBookToFileBytes(*imported_);
        ReadResult opened = ReadScoreBytes(r.file, opening.env);
        EXPECT_EQ(opened.status, ReadStatus::Ok) << opened.message;
        r.book = std::move(opened.book);
        return r;
    }

    // The export of a book, parsed.
    static pugi::xml_node Exported(TMusicBook& book, pugi::xml_document& doc) {
        const std::string xml = WriteMusicXml(book);
        EXPECT_TRUE(doc.load_buffer(xml.data(), xml.size())) << xml;
        return doc.child("score-partwise");
    }

    Workspace importing, opening;
    std::unique_ptr<TMusicBook> imported_;
};

TEST_F(TextFieldsTest, YenSignSurvivesImportSaveOpenAndExport) {
    Reopened r = ImportSaveOpen(Score("¥100 の歌", "¥100"));
    ASSERT_TRUE(r.book);
    EXPECT_NE(r.file.find("&#x00A5;100"), std::string::npos);
    EXPECT_EQ(r.file.find("\\100"), std::string::npos);
    TMusicSheet& page = *r.book->GetSheet(0);
    EXPECT_EQ(cp932::ToUtf8(page.Title()), "¥100 の歌");
    EXPECT_EQ(cp932::ToUtf8(page.Writer()), "¥100");
    pugi::xml_document doc;
    const pugi::xml_node score = Exported(*r.book, doc);
    EXPECT_STREQ(score.child("work").child_value("work-title"), "¥100 の歌");
    EXPECT_STREQ(score.child("identification").child_value("creator"), "¥100");
}

// A composer credit of three lines, as a real file has it: its name, a web
// address and a date, one line each in the file's CR LF lines.
TEST_F(TextFieldsTest, ComposerOfThreeLinesSurvivesImportSaveAndReopen) {
    const std::string composer = "by Liu Tianhua\nhttps://example.org/erhu\n1932-05-01";
    Reopened r = ImportSaveOpen(Score("Bing Zhong Yin", composer));
    ASSERT_TRUE(r.book);
    int writerLines = 0;
    for (const std::string& line : SplitScoreLines(r.file))
        writerLines += line.starts_with("  Writer=");
    EXPECT_EQ(writerLines, 1);
    EXPECT_EQ(r.file.find("\nhttps:"), std::string::npos);
    EXPECT_EQ(cp932::ToUtf8(r.book->GetSheet(0)->Writer()), composer);
    EXPECT_EQ(cp932::SplitLineBreaks(r.book->GetSheet(0)->Writer()).size(), 3u);
    pugi::xml_document doc;
    EXPECT_EQ(std::string(Exported(*r.book, doc).child("identification").child_value("creator")),
              composer);
}

// A title that spells key lines through XML references reopens as the same
// piece: in its own key, at its own tempo, the title keeping its text.
TEST_F(TextFieldsTest, CraftedTitleCannotChangeKeyOrTempoOfTheReopenedBook) {
    const std::string crafted =
        "Tune&#xA;  PlayCount=300&#xA;  KeyCode=x&#xD;&#xA;end   TMusicSheet";
    Reopened r = ImportSaveOpen(Score(crafted, "Anon"));
    ASSERT_TRUE(r.book);
    const TMusicSheet& page = *r.book->GetSheet(0);
    const TMusicSheet& before = *imported_->GetSheet(0);
    EXPECT_EQ(page.PlayCount(), before.PlayCount());
    EXPECT_EQ(page.KeyCode(), before.KeyCode());
    EXPECT_EQ(r.book->SheetCount(), imported_->SheetCount());
    EXPECT_EQ(page.ItemCount(), before.ItemCount());
    EXPECT_EQ(cp932::ToUtf8(page.Title()),
              "Tune\n  PlayCount=300\n  KeyCode=x\r\nend   TMusicSheet");
}

// ---- characters XML cannot hold --------------------------------------------

// Every character of a UTF-8 text is one XML 1.0 allows.
bool OnlyXmlCharacters(const std::string& utf8) {
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b < 0x20 && b != '\t' && b != '\n' && b != '\r') return false;
        // U+FFFE and U+FFFF: EF BF BE, EF BF BF; surrogates: ED A0..BF.
        if (b == 0xEF && i + 2 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) == 0xBF &&
            static_cast<unsigned char>(utf8[i + 2]) >= 0xBE)
            return false;
        if (b == 0xED && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) >= 0xA0)
            return false;
    }
    return true;
}

TEST_F(TextFieldsTest, ExportLeavesOutAndCountsWhatXmlCannotHold) {
    Reopened r = ImportSaveOpen(Score("Air", "Anon"));
    ASSERT_TRUE(r.book);
    TMusicSheet& page = *r.book->GetSheet(0);
    page.SetTitle(cp932::FromUtf8("Air\uFFFE on \uFFFFG"));  // 2
    page.SetWriter(
        cp932::FromUtf8("J.\x01S.\x0B"
                        "Bach\tand\r\nson"));  // 2
    page.SetPlaySpeed("Len\x1Fto");            // 1, raw as an old file may hold it
    int leftOut = -1;
    const std::string xml = WriteMusicXml(*r.book, &leftOut);
    EXPECT_EQ(leftOut, 5);
    EXPECT_TRUE(OnlyXmlCharacters(xml));
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_buffer(xml.data(), xml.size()));
    const pugi::xml_node score = doc.child("score-partwise");
    EXPECT_STREQ(score.child("work").child_value("work-title"), "Air on G");
    EXPECT_STREQ(score.child("identification").child_value("creator"), "J.S.Bach\tand\nson");

    // The file on disk, as an XML reader of another program sees it.
    const std::string path =
        ::testing::TempDir() + "sorvel-textfields-" + std::to_string(getpid()) + ".musicxml";
    const MusicXmlWriteResult written = ExportMusicXmlFile(*r.book, path);
    ASSERT_TRUE(written.ok) << written.message;
    EXPECT_EQ(written.leftOutCharacters, 5);
    EXPECT_EQ(written.summary.Japanese(), "MusicXMLに書けない文字を5個省きました。");
    if (std::system("command -v xmllint >/dev/null 2>&1") == 0) {
        const std::string check = "xmllint --noout --nonet '" + path + "' 2>/dev/null";
        EXPECT_EQ(std::system(check.c_str()), 0) << "xmllint refuses the export";
    }
    std::filesystem::remove(path);

    // A book whose texts XML holds as they are says nothing of the kind.
    page.SetTitle("Air");
    page.SetWriter("Anon");
    page.SetPlaySpeed("Lento");
    const MusicXmlWriteResult clean = ExportMusicXmlFile(*r.book, path);
    EXPECT_EQ(clean.leftOutCharacters, 0);
    EXPECT_TRUE(clean.summary.empty());
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace sorvel::interchange
