// SPDX-License-Identifier: GPL-3.0-or-later
// The reader's rules and the mends of its unsound cases.
#include "scorefixture.h"

#include <sys/stat.h>
#include <unistd.h>

#include "model/daon.h"
#include "model/itemfactory.h"
#include "model/musicmark.h"
#include "model/note.h"
#include "model/scoreblock.h"
#include "model/textbox.h"

namespace sorvel::testing {
namespace {

const std::string kHeader(kScoreHeader);

std::vector<std::string> MinimalBook() {
    return {kHeader, "class TMusicBook", "end   TMusicBook", "class TMusicSheet",
            "end   TMusicSheet"};
}

std::vector<std::string> With(std::vector<std::string> lines,
                              const std::vector<std::string>& more) {
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
}

// ---- Header rules ----------------------------------------------------------

TEST_F(ScoreTest, EmptyTextIsNotAScore) {
    EXPECT_EQ(Read("").status, ReadStatus::NotAScore);
    EXPECT_EQ(Read("\r\n").status, ReadStatus::NotAScore);
}

TEST_F(ScoreTest, HeaderMustMatchExactlyWithoutTrimming) {
    auto lines = MinimalBook();
    lines[0] = kHeader + " ";
    ReadResult r = Read(Text(lines));
    EXPECT_EQ(r.status, ReadStatus::NotAScore);
    EXPECT_EQ(r.book, nullptr);
    EXPECT_EQ(r.message.Japanese(), "");
    lines[0] = " " + kHeader;
    EXPECT_EQ(Read(Text(lines)).status, ReadStatus::NotAScore);
    lines[0] = "\xEF\xBB\xBF" + kHeader;  // a byte-order mark
    EXPECT_EQ(Read(Text(lines)).status, ReadStatus::NotAScore);
    lines[0] = cp932::ToUtf8(kHeader);  // the header in UTF-8
    EXPECT_EQ(Read(Text(lines)).status, ReadStatus::NotAScore);
}

TEST_F(ScoreTest, EveryLineEndIsAccepted) {
    for (const char* end : {"\r\n", "\n", "\r"}) {
        std::string text;
        for (const auto& line : MinimalBook()) text += line + end;
        EXPECT_EQ(Read(text).status, ReadStatus::Ok) << static_cast<int>(end[0]);
    }
    // The last line needs no line end; mixed ends are fine.
    EXPECT_EQ(
        Read(kHeader + "\nclass TMusicBook\r\nend   TMusicBook\rclass TMusicSheet\nend   x").status,
        ReadStatus::Ok);
}

TEST_F(ScoreTest, HeaderWithoutBookIsRejectedWithAMessage) {
    ReadResult r = Read(Text({kHeader, "class TMusicSheet", "end   TMusicSheet"}));
    EXPECT_EQ(r.status, ReadStatus::Malformed);
    EXPECT_EQ(r.message.Japanese(), kMsgMalformed);
    EXPECT_EQ(r.book, nullptr);
    EXPECT_EQ(Read(Text({kHeader})).status, ReadStatus::Malformed);
}

TEST_F(ScoreTest, BookWithoutPagesIsRejected) {
    EXPECT_EQ(Read(Text({kHeader, "class TMusicBook", "end   TMusicBook"})).status,
              ReadStatus::Malformed);
}

TEST_F(ScoreTest, SecondBookBlockIsRejected) {
    auto lines = With(MinimalBook(), {"class TMusicBook", "end   TMusicBook"});
    EXPECT_EQ(Read(Text(lines)).status, ReadStatus::Malformed);
}

TEST_F(ScoreTest, MissingFileGivesItsMessage) {
    ReadResult r = ReadScoreFile("/nonexistent/folder/score.svl", env);
    EXPECT_EQ(r.status, ReadStatus::FileNotFound);
    EXPECT_EQ(r.message.Japanese(), "指定されたファイルは見つかりません。");
    EXPECT_EQ(ReadScoreFile(SCOREFILE_DATA, env).status, ReadStatus::Unreadable);  // a folder
    // A device or a pipe is refused at once instead of read forever or waited on.
    EXPECT_EQ(ReadScoreFile("/dev/zero", env).status, ReadStatus::Unreadable);
    const std::string fifo = "/tmp/sorvel-reader-fifo-" + std::to_string(getpid());
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ReadResult r2 = ReadScoreFile(fifo, env);
    ::unlink(fifo.c_str());
    EXPECT_EQ(r2.status, ReadStatus::Unreadable);
    EXPECT_EQ(r2.message.Japanese(), kMsgNotAFile);
    // Said as such, not as a file that could not be read.
    EXPECT_EQ(ReadScoreFile(SCOREFILE_DATA, env).message.Japanese(),
              "通常のファイルではないため読み込めません。");
    EXPECT_EQ(ReadScoreFile("/dev/zero", env).message.Japanese(), kMsgNotAFile);
}

TEST_F(ScoreTest, ReadsAFileFromDisk) {
    ReadResult r = ReadScoreFile(DataPath("two_pages.svl"), env);
    ASSERT_EQ(r.status, ReadStatus::Ok);
    EXPECT_EQ(Save(*r.book), Golden("two_pages.svl"));
}

// ---- Nothing of the caller is touched; nothing is recorded -----------------

TEST_F(ScoreTest, ReadingRecordsNothingEvenWithAGroupOpen) {
    TMusicBook open(env);
    open.ApplyDefaultLayout();
    TNote* mine = CreateItem<TNote>(*open.NewSheet());
    undo.BeginGroup();
    mine->SetPosX(10);
    ASSERT_EQ(undo.OpenGroupCommands()->size(), 1u);
    TMusicBook& book = ReadOk(Golden("two_pages.svl"));
    EXPECT_EQ(undo.OpenGroupCommands()->size(), 1u);
    EXPECT_EQ(env.undo, &undo);  // handed back
    undo.EndGroup();
    // The new book records from now on, as the program's book does.
    undo.BeginGroup();
    book.SetTitle("x");
    EXPECT_EQ(undo.OpenGroupCommands()->size(), 1u);
    undo.EndGroup();
    EXPECT_EQ(open.GetSheet(0)->ItemCount(), 1);
}

TEST_F(ScoreTest, FailedReadHandsBackNoBook) {
    // A book block and items, then a second book: everything built is dropped.
    std::string golden = Golden("two_pages.svl");
    ReadResult r = Read(golden + "class TMusicBook\r\nend   TMusicBook\r\n");
    EXPECT_EQ(r.status, ReadStatus::Malformed);
    EXPECT_EQ(r.book, nullptr);
    EXPECT_EQ(env.undo, &undo);
}

// ---- Values ------------------------------------------------------------------

TEST_F(ScoreTest, TitleLosesTrailingBlanksAndKeepsEqualsSigns) {
    TMusicBook& book =
        ReadOk(Text({kHeader, "class TMusicBook", "  Title=a = b  ", "end   TMusicBook",
                     "class TMusicSheet", "  Title==x", "end   TMusicSheet"}));
    EXPECT_EQ(book.Title(), "a = b");
    EXPECT_EQ(book.GetSheet(0)->Title(), "=x");
}

TEST_F(ScoreTest, LinesWithoutEqualsAndPropertyLinesOutsideBlocksAreIgnored) {
    TMusicBook& book = ReadOk(Text(
        {kHeader, "  Title=outside", "class TMusicBook", "  Title", "Title=", "  NoteFontSize=22",
         "end   TMusicBook", "  NoteFontSize=99", "class TMusicSheet", "end   TMusicSheet"}));
    EXPECT_EQ(book.Title(), "");
    EXPECT_EQ(book.NoteFontSize(), 22);
}

TEST_F(ScoreTest, IntegersAreSignedDecimalOrTakeTheDefault) {
    TMusicBook& book = ReadOk(Text({kHeader,
                                    "class TMusicBook",
                                    "  NoteFontSize=$10",
                                    "  TitleHeight=0x20",
                                    "  LeftSpace=-$10",
                                    "  TopSpace=+7",
                                    "  BottomSpace= 5",
                                    "  GridSize=-2147483648",
                                    "  RowInterval=-2147483649",
                                    "  isDispGrid=0x0",
                                    "end   TMusicBook",
                                    "class TMusicSheet",
                                    "  NoteFontSize=$10",
                                    "  PlayCount=0x50",
                                    "  RightSpace=-12",
                                    "end   TMusicSheet",
                                    "class TNote",
                                    "  PosX=$20",
                                    "  PosY=-30",
                                    "  Length=0x1",
                                    "end   TNote"}));
    EXPECT_EQ(book.NoteFontSize(), 18);  // hexadecimal is not a decimal integer
    EXPECT_EQ(book.TitleHeight(), 150);
    EXPECT_EQ(book.LeftSpace(), 40);
    EXPECT_EQ(book.TopSpace(), 7);
    EXPECT_EQ(book.BottomSpace(), 20);  // a blank is not part of a number
    EXPECT_EQ(book.GridSize(), -2147483647 - 1);
    EXPECT_EQ(book.RowInterval(), 146);
    EXPECT_TRUE(book.isDispGrid);
    const TMusicSheet& sheet = *book.GetSheet(0);
    EXPECT_EQ(sheet.NoteFontSize(), 18);
    EXPECT_EQ(sheet.PlayCount(), 0);
    EXPECT_EQ(sheet.RightSpace(), -12);
    const auto* note = sheet.GetItem(0)->As<TNote>();
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->PosX(), 0);
    EXPECT_EQ(note->PosY(), -30);
    EXPECT_EQ(note->Length(), 0);
}

TEST_F(ScoreTest, PageSizeIsWrittenButNeverRead) {
    layout.PageWidth = 900;
    layout.PageHeight = 1200;
    TMusicBook& book = ReadOk(Text(With(MinimalBook(), {"class TMusicSheet", "  PageWidth=5",
                                                        "  PageHeight=6", "end   TMusicSheet"})));
    EXPECT_EQ(book.GetSheet(1)->PageWidth, 900);
    EXPECT_EQ(book.GetSheet(1)->PageHeight, 1200);
}

TEST_F(ScoreTest, ClassNamesAreCaseSensitiveAndCutAfter99Characters) {
    const std::string longName = "TNote" + std::string(200, 'x');
    TMusicBook& book =
        ReadOk(Text(With(MinimalBook(), {"class tnote", "end   tnote", "class " + longName,
                                         "end   x", "class  TNote", "end   x"})));
    EXPECT_EQ(book.GetSheet(0)->ItemCount(), 0);
}

TEST_F(ScoreTest, RepeatedEndLineMakesAnotherItem) {
    TMusicBook& book = ReadOk(
        Text(With(MinimalBook(), {"class TNote", "  Content=5", "end   TNote", "end   TNote"})));
    ASSERT_EQ(book.GetSheet(0)->ItemCount(), 2);
    EXPECT_EQ(book.GetSheet(0)->GetItem(1)->Content(), "5");
}

// ---- Daons ---------------------------------------------------------------------

TEST_F(ScoreTest, EveryDaonSurvivesSaveOpenSave) {
    const char* datas[] = {"13  3  3  3 ", "64T53U72V15W", "13T24 35U46 ",
                           "70 19 22X33 ", "13  3  3  3T", " 3  3  3  3 "};
    for (const char* data : datas) {
        TMusicBook book(env);
        book.ApplyDefaultLayout();
        auto* daon = CreateItem<TDaonRight>(*book.NewSheet());
        ASSERT_TRUE(daon->SetAllNoteData(data)) << data;
        const std::string first = Save(book);
        TMusicBook& again = ReadOk(first);
        EXPECT_EQ(again.GetSheet(0)->GetItem(0)->As<TDaonRight>()->AllNoteData(), data);
        EXPECT_EQ(Save(again), first) << data;
    }
}

TEST_F(ScoreTest, DaonCutShortInFingerPositionsIsWellFormed) {
    TMusicBook& book = ReadOk(Text(
        With(MinimalBook(), {"class TDaonLeft", "  AllNoteData=54T32 11U73", "end   TDaonLeft"})));
    const TDaon* daon = book.GetSheet(0)->GetItem(0)->As<TDaonLeft>();
    ASSERT_NE(daon, nullptr);
    EXPECT_EQ(daon->AllNoteData(), "54T32 11U73 ");
}

TEST_F(ScoreTest, MalformedDaonTakesTheDefaultData) {
    for (const char* bad : {"  AllNoteData=13  3  3", "  AllNoteData=1x  3  3  3 ",
                            "  AllNoteData=", "  AllNoteData=\x82\xA0\x82\xA0"}) {
        TMusicBook& book =
            ReadOk(Text(With(MinimalBook(), {"class TDaonRight", bad, "end   TDaonRight"})));
        EXPECT_EQ(book.GetSheet(0)->GetItem(0)->As<TDaonRight>()->AllNoteData(), "13  3  3  3 ")
            << bad;
    }
}

// ---- Text boxes --------------------------------------------------------------

TEST_F(ScoreTest, TextBoxLineWithBlankIsQuoted) {
    TMusicBook book(env);
    book.ApplyDefaultLayout();
    auto* text = CreateItem<TTextBox>(*book.NewSheet());
    text->SetCSVText("\"a b\",c");
    EXPECT_EQ(text->Lines(), (std::vector<std::string>{"a b", "c"}));
    const std::string saved = Save(book);
    EXPECT_NE(saved.find("\r\n  CSVText=\"a b\",c\r\n"), std::string::npos);
    TMusicBook& again = ReadOk(saved);
    EXPECT_EQ(again.GetSheet(0)->GetItem(0)->As<TTextBox>()->Lines(),
              (std::vector<std::string>{"a b", "c"}));
}

TEST_F(ScoreTest, OnlyEmptyLineWritesTwoQuotes) {
    TMusicBook book(env);
    book.ApplyDefaultLayout();
    auto* text = CreateItem<TTextBox>(*book.NewSheet());
    text->SetCSVText("\"\"");
    ASSERT_EQ(text->Lines(), std::vector<std::string>{""});
    EXPECT_NE(Save(book).find("  CSVText=\"\"\r\n"), std::string::npos);
    EXPECT_EQ(ReadOk(Save(book)).GetSheet(0)->GetItem(0)->As<TTextBox>()->Lines(),
              std::vector<std::string>{""});
}

// ---- Links -----------------------------------------------------------------------

TEST_F(ScoreTest, LinkToAnotherPageIsWrittenEmptyAndNotRestored) {
    TMusicBook book(env);
    book.ApplyDefaultLayout();
    TNote* note = CreateItem<TNote>(*book.NewSheet());
    TMusicSign* sign = CreateItem<TMusicSign>(*book.NewSheet());
    note->Link(*sign);
    sign->Link(*note);
    const std::string saved = Save(book);
    EXPECT_NE(saved.find("  Content=\r\n  LinkMusicItem=\r\n  Futen="), std::string::npos);
    TMusicBook& again = ReadOk(saved);
    EXPECT_EQ(again.GetSheet(0)->GetItem(0)->LinkCount(), 0);
    EXPECT_EQ(again.GetSheet(1)->GetItem(0)->LinkCount(), 0);
}

TEST_F(ScoreTest, EmptyLinkNameNeverLinksAnUnnamedItem) {
    TMusicBook& book =
        ReadOk(Text(With(MinimalBook(), {"class TNote", "  PosX=1", "end   TNote", "class TNote",
                                         "  PosX=2", "  LinkMusicItem=", "end   TNote"})));
    EXPECT_EQ(book.GetSheet(0)->GetItem(0)->LinkCount(), 0);
    EXPECT_EQ(book.GetSheet(0)->GetItem(1)->LinkCount(), 0);
}

TEST_F(ScoreTest, LinkNamesTakeCharacters15To113AndFirstNameWins) {
    const std::string longName(150, 'n');
    TMusicBook& book = ReadOk(
        Text(With(MinimalBook(), {"class TNote", "  Name=" + longName.substr(0, 99), "  PosX=1",
                                  "end   TNote", "class TNote", "  Name=" + longName.substr(0, 99),
                                  "  PosX=2", "end   TNote", "class TMusicSign", "  PosX=3",
                                  "  LinkMusicItem=" + longName, "end   TMusicSign"})));
    TMusicSheet& page = *book.GetSheet(0);
    EXPECT_TRUE(page.GetItem(0)->IsLinkedTo(page.GetItem(2)));
    EXPECT_FALSE(page.GetItem(1)->IsLinkedTo(page.GetItem(2)));
}

// A link line is any line whose first 13 characters are "LinkMusicItem" with
// that letter case, whatever follows; its name is the text from character 15.
TEST_F(ScoreTest, LinkLinesAreKnownByTheirFirst13CharactersOnly) {
    TMusicBook& book = ReadOk(Text(With(MinimalBook(), {"class TNote",
                                                        "  Name=000",
                                                        "  PosX=1",
                                                        "end   TNote",
                                                        "class TNote",
                                                        "  Name=001",
                                                        "  PosX=2",
                                                        "end   TNote",
                                                        "class TNote",
                                                        "  Name==x",
                                                        "  PosX=3",
                                                        "end   TNote",
                                                        "class TMusicSign",
                                                        "  PosX=4",
                                                        "  LinkMusicItemX001",
                                                        "end   TMusicSign",
                                                        "class TMusicSign",
                                                        "  PosX=5",
                                                        "  LinkMusicItemX=x",
                                                        "end   TMusicSign",
                                                        "class TMusicSign",
                                                        "  PosX=6",
                                                        "  linkmusicitem=000",
                                                        "  LINKMUSICITEM=000",
                                                        "  LinkMusicitem=000",
                                                        "end   TMusicSign"})));
    TMusicSheet& page = *book.GetSheet(0);
    ASSERT_EQ(page.ItemCount(), 6);
    TMusicItem* note000 = page.GetItem(0);
    TMusicItem* note001 = page.GetItem(1);
    TMusicItem* noteX = page.GetItem(2);
    EXPECT_EQ(page.GetItem(3)->Links(), std::vector<TMusicItem*>{note001});
    EXPECT_EQ(page.GetItem(4)->Links(), std::vector<TMusicItem*>{noteX});  // named "=x"
    EXPECT_EQ(page.GetItem(5)->LinkCount(), 0);                            // other letter case
    EXPECT_EQ(note000->LinkCount(), 0);
    EXPECT_TRUE(note001->IsLinkedTo(page.GetItem(3)));
    EXPECT_TRUE(noteX->IsLinkedTo(page.GetItem(4)));
}

TEST_F(ScoreTest, ThousandsOfLinksAreCapped) {
    std::vector<std::string> lines = MinimalBook();
    lines.insert(lines.end(), {"class TNote", "  Name=hub", "end   TNote"});
    for (int i = 0; i < 3000; ++i) {
        lines.insert(lines.end(),
                     {"class TMusicSign", "  Name=s" + std::to_string(i),
                      "  PosX=" + std::to_string(i), "  LinkMusicItem=hub", "end   TMusicSign"});
    }
    lines.push_back("class TNote");
    for (int i = 0; i < 3000; ++i) lines.push_back("  LinkMusicItem=s" + std::to_string(i));
    lines.push_back("end   TNote");
    TMusicBook& book = ReadOk(Text(lines));
    TMusicSheet& page = *book.GetSheet(0);
    for (int i = 0; i < page.ItemCount(); ++i) {
        TMusicItem* item = page.GetItem(i);
        EXPECT_LE(item->LinkCount(), kMaxLinksPerItem);
        for (TMusicItem* other : item->Links()) EXPECT_TRUE(other->IsLinkedTo(item));  // symmetric
    }
}

// ---- Limits -----------------------------------------------------------------------

TEST_F(ScoreTest, TooManyItemsOnOnePageIsRejected) {
    std::string text = Text(MinimalBook());
    for (int i = 0; i <= kMaxItemsPerPage; ++i) text += "class TBeat\r\nend   x\r\n";
    ReadResult r = Read(text);
    EXPECT_EQ(r.status, ReadStatus::TooLarge);
    EXPECT_EQ(r.message.Japanese(), kMsgTooLarge);
}

TEST_F(ScoreTest, EndLinesBeyondTheLimitAreRejected) {
    // End lines of a class no one knows make nothing, yet each one counts.
    std::string text = Text(With(MinimalBook(), {"class TUnknown"}));
    for (int i = 2; i < kMaxScoreBlocks; ++i) text += "end   x\r\n";
    EXPECT_EQ(Read(text).status, ReadStatus::Ok);
    text += "end   x\r\n";
    ReadResult r = Read(text);
    EXPECT_EQ(r.status, ReadStatus::TooLarge);
    EXPECT_EQ(r.message.Japanese(), kMsgTooLarge);
}

TEST_F(ScoreTest, HugeCommaTextIsRejected) {
    std::string csv(static_cast<size_t>(kMaxTextBoxLines) + 10, ',');
    ReadResult r =
        Read(Text(With(MinimalBook(), {"class TTextBox", "  CSVText=" + csv, "end   x"})));
    EXPECT_EQ(r.status, ReadStatus::TooLarge);
}

TEST_F(ScoreTest, FiftyMegabytesOfGarbageReadWithinLimits) {
    // Binary garbage, lines of megabytes and huge numbers after a valid book.
    std::string text = Text(MinimalBook());
    uint32_t seed = 12345;
    while (text.size() < (50u << 20)) {
        seed = seed * 1664525u + 1013904223u;
        switch (seed >> 29) {
            case 0:
                text += "class TNote\r\n  PosX=99999999999999\r\n  PosY=-" + std::to_string(seed) +
                        "\r\nend   x\n";
                break;
            case 1:
                text += "  LinkMusicItem=" + std::to_string(seed % 50) + "\r";
                break;
            case 2:
                text += std::string(1 << 20, static_cast<char>(seed & 0xFF)) + "\n";
                break;
            case 3:
                text += "class TMusicSheet\r\nend   TMusicSheet\r\n";
                break;
            default:
                for (int i = 0; i < 64; ++i) text += static_cast<char>((seed >> (i % 24)) * 31 + i);
        }
    }
    ReadResult r = Read(text);
    EXPECT_TRUE(r.status == ReadStatus::Ok || r.status == ReadStatus::TooLarge)
        << static_cast<int>(r.status);
}

// ---- Block reader -----------------------------------------------------------------

TEST_F(ScoreTest, BlockReaderMakesLinkedItemsInTextOrder) {
    TMusicBook book(env);
    book.ApplyDefaultLayout();
    TMusicSheet& page = *book.NewSheet();
    TNote* existing = CreateItem<TNote>(page);
    existing->SetPosY(500);
    const std::vector<std::string> lines = {kHeader,
                                            "class TNote",
                                            "  Name=000",
                                            "  PosX=100",
                                            "  PosY=233",
                                            "  Content=5",
                                            "  LinkMusicItem=001",
                                            "end   TNote",
                                            "class TMusicBook",
                                            "end   TMusicBook",
                                            "class TMusicSign",
                                            "  Name=001",
                                            "  PosX=100",
                                            "  PosY=205",
                                            "  Content=V",
                                            "  LinkMusicItem=000",
                                            "  LinkMusicItem=",
                                            "end   TMusicSign"};
    undo.BeginGroup();
    std::vector<TMusicItem*> made = ReadItemBlocks(page, lines);
    undo.EndGroup();
    ASSERT_EQ(made.size(), 2u);
    EXPECT_EQ(made[0]->Content(), "5");
    EXPECT_EQ(made[1]->Content(), "V");
    EXPECT_TRUE(made[0]->IsLinkedTo(made[1]));
    EXPECT_TRUE(made[1]->IsLinkedTo(made[0]));
    EXPECT_EQ(made[1]->LinkCount(), 1);
    EXPECT_EQ(existing->LinkCount(), 0);
    EXPECT_EQ(page.GetItem(0), made[1]);  // sorted again
    EXPECT_FALSE(page.SortingSuspended());
    for (TMusicItem* item : made) EXPECT_EQ(item->Name(), "");
    // Paste is one undoable step.
    undo.Undo();
    EXPECT_EQ(page.ItemCount(), 1);
}

TEST_F(ScoreTest, BlockReaderStopsAtALimitKeepingWhatItMade) {
    TMusicBook book(env);
    book.ApplyDefaultLayout();
    TMusicSheet& page = *book.NewSheet();
    std::vector<std::string> lines;
    for (int i = 0; i < kMaxItemsPerPage + 5; ++i) {
        lines.insert(lines.end(), {"class TBeat", "end   TBeat"});
    }
    EXPECT_EQ(ReadItemBlocks(page, lines).size(), static_cast<size_t>(kMaxItemsPerPage));
    // The limit counts what one call makes, not what the page holds.
    const std::string csv(static_cast<size_t>(kMaxTextBoxLines), ',');
    lines = {"class TBeat",    "end   TBeat", "class TTextBox", "  CSVText=" + csv,
             "end   TTextBox", "class TBeat", "end   TBeat"};
    EXPECT_EQ(ReadItemBlocks(page, lines).size(), 1u);
    EXPECT_EQ(page.ItemCount(), kMaxItemsPerPage + 1);
    EXPECT_FALSE(page.SortingSuspended());
}

TEST_F(ScoreTest, SplitScoreLinesAcceptsEveryLineEnd) {
    EXPECT_EQ(SplitScoreLines(""), std::vector<std::string>{});
    EXPECT_EQ(SplitScoreLines("a"), std::vector<std::string>{"a"});
    EXPECT_EQ(SplitScoreLines("a\r\n"), std::vector<std::string>{"a"});
    EXPECT_EQ(SplitScoreLines("a\r\n\r\nb\rc\nd\n\re"),
              (std::vector<std::string>{"a", "", "b", "c", "d", "", "e"}));
}

// ---- The key tables -------------------------------------------------------------

TEST_F(ScoreTest, EveryFileKeyFindsItsPropertyEntry) {
    TMusicBook book(env);
    book.ApplyDefaultLayout();
    TMusicSheet& page = *book.NewSheet();
    auto check = [](const scorefile::ClassKeys& keys, const Persistent& sample) {
        const auto& entries = keys.Entries(sample);
        for (size_t i = 0; i < keys.Keys().size(); ++i) {
            const bool property = keys.Keys()[i].role == scorefile::KeyRole::Property;
            EXPECT_EQ(entries[i] != nullptr, property)
                << sample.ClassName() << "." << keys.Keys()[i].name;
            if (entries[i]) {
                EXPECT_NE(entries[i]->set, nullptr);
            }
        }
    };
    check(scorefile::BookKeys(), book);
    check(scorefile::SheetKeys(), page);
    for (const char* name :
         {"TNote", "TBarLine", "TBeat", "THorizBar", "TMusicSign", "TCresc", "TSlur", "TRenTon",
          "TKakko", "T3ren", "TDaonLeft", "TDaonRight", "TTextBox", "TTempo"}) {
        TMusicItem* item = CreateItemByClassName(name, page);
        ASSERT_NE(item, nullptr) << name;
        EXPECT_STREQ(item->ClassName(), name);
        check(scorefile::ItemKeys(item->Class()), *item);
    }
}

}  // namespace
}  // namespace sorvel::testing
