// SPDX-License-Identifier: GPL-3.0-or-later
// A book is saved only when the reader takes it back: the limits of the
// reader, checked on the book, and the save that refuses a book beyond them.
#include <unistd.h>

#include <filesystem>
#include <string>

#include "model/itemfactory.h"
#include "model/musicmark.h"
#include "model/note.h"
#include "model/readerlimits.h"
#include "model/textbox.h"
#include "scorefixture.h"

namespace sorvel::testing {
namespace {

namespace fs = std::filesystem;

class LimitsTest : public ScoreTest {
protected:
    LimitsTest() {
        dir = fs::temp_directory_path() /
              ("sorvel-limits-" + std::to_string(getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    ~LimitsTest() override { fs::remove_all(dir); }

    // Fills `page` with notes up to `count` items.
    static void FillTo(TMusicSheet& page, int count) {
        page.SuspendSorting();
        for (int i = page.ItemCount(); i < count; ++i) {
            TNote* note = CreateItem<TNote>(page);
            note->SetPosX(i % 700);
            note->SetPosY(i / 700);
        }
        page.ResumeSorting();
    }

    // Saves, expecting success, and reads the file back.
    std::unique_ptr<TMusicBook> SaveAndReadBack(TMusicBook& book, const std::string& path) {
        const SaveResult saved = SaveScoreFile(book, path);
        EXPECT_TRUE(saved.ok) << saved.message;
        ReadResult read = ReadScoreFile(path, env);
        EXPECT_EQ(read.status, ReadStatus::Ok) << read.message;
        return std::move(read.book);
    }

    // A book of two pages without items, so that every text line is the test's.
    TMusicBook& TwoEmptyPages() {
        books.push_back(std::make_unique<TMusicBook>(env));
        TMusicBook& book = *books.back();
        book.ApplyDefaultLayout();
        book.NewSheet();
        book.NewSheet();
        return book;
    }

    fs::path dir;
};

TEST_F(LimitsTest, PageAtTheItemLimitSavesAndOneMoreIsRefused) {
    TMusicBook& book = ReadOk(Golden("two_pages.svl"));
    TMusicSheet& second = *book.GetSheet(1);
    FillTo(second, kMaxItemsPerPage);
    EXPECT_FALSE(ReaderLimitBroken(book));
    const std::string path = (dir / "full.svl").string();
    const std::unique_ptr<TMusicBook> back = SaveAndReadBack(book, path);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->GetSheet(1)->ItemCount(), kMaxItemsPerPage);
    const std::string onDisk = ReadBytes(path);

    FillTo(second, kMaxItemsPerPage + 1);
    const auto breach = ReaderLimitBroken(book);
    ASSERT_TRUE(breach);
    EXPECT_EQ(breach->limit, ReaderLimit::ItemsPerPage);
    EXPECT_EQ(breach->page, 2);
    EXPECT_EQ(breach->message.Japanese(),
              "2ページ目の記号が多すぎます。１ページに置ける記号は20000個までです。");
    // The save refuses with the same words and leaves the file as it was.
    const SaveResult refused = SaveScoreFile(book, path);
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.message.Japanese(), breach->message.Japanese());
    EXPECT_EQ(ReadBytes(path), onDisk);
    // Nor is a new file made.
    EXPECT_FALSE(SaveScoreFile(book, (dir / "new.svl").string()).ok);
    EXPECT_FALSE(fs::exists(dir / "new.svl"));
}

// The reader keeps at most kMaxLinksPerItem links of an item; a book with more
// would come back without some of them.
TEST_F(LimitsTest, ItemWithMoreLinksThanTheReaderKeepsIsRefused) {
    TMusicBook& book = ReadOk(Golden("two_pages.svl"));
    TMusicSheet& page = *book.GetSheet(0);
    TNote* note = CreateItem<TNote>(page);
    for (int i = 0; i < kMaxLinksPerItem; ++i) {
        TMusicSign* sign = CreateItem<TMusicSign>(page);
        note->Link(*sign);
        sign->Link(*note);
    }
    EXPECT_FALSE(ReaderLimitBroken(book));
    const std::unique_ptr<TMusicBook> back = SaveAndReadBack(book, (dir / "linked.svl").string());
    ASSERT_TRUE(back);
    int most = 0;
    for (int i = 0; i < back->GetSheet(0)->ItemCount(); ++i) {
        most = std::max(most, back->GetSheet(0)->GetItem(i)->LinkCount());
    }
    EXPECT_EQ(most, kMaxLinksPerItem);

    TMusicSign* oneMore = CreateItem<TMusicSign>(page);
    note->Link(*oneMore);
    oneMore->Link(*note);
    const auto breach = ReaderLimitBroken(book);
    ASSERT_TRUE(breach);
    EXPECT_EQ(breach->limit, ReaderLimit::LinksPerItem);
    EXPECT_EQ(breach->page, 1);
    EXPECT_FALSE(SaveScoreFile(book, (dir / "over.svl").string()).ok);
}

// The reader counts text-box lines over the whole book, as its estimate of the
// CSVText line: every comma or blank starts another.
TEST_F(LimitsTest, TextLinesAreCountedAsTheReaderCountsThem) {
    TMusicBook& book = TwoEmptyPages();
    TTextBox* first = CreateItem<TTextBox>(*book.GetSheet(0));
    TTextBox* second = CreateItem<TTextBox>(*book.GetSheet(1));
    // Two entries each with a blank inside: quoted, and each blank counts.
    second->SetCSVText("\"a b\",\"c d\"");  // 1 + comma + 2 blanks = 4
    std::string text = "x";
    for (long i = 1; i < kMaxTextBoxLines - 4; ++i) text += ",x";
    first->SetCSVText(text);  // kMaxTextBoxLines - 4 entries
    EXPECT_FALSE(ReaderLimitBroken(book));
    const std::unique_ptr<TMusicBook> back = SaveAndReadBack(book, (dir / "text.svl").string());
    ASSERT_TRUE(back);

    first->SetCSVText(text + ",x");
    const auto breach = ReaderLimitBroken(book);
    ASSERT_TRUE(breach);
    EXPECT_EQ(breach->limit, ReaderLimit::TextBoxLines);
    EXPECT_EQ(breach->page, 2);
    // What the check refuses the reader refuses too.
    const std::string bytes = SaveBookToFileBytes(book);
    EXPECT_EQ(Read(bytes).status, ReadStatus::TooLarge);
    EXPECT_FALSE(SaveScoreFile(book, (dir / "text.svl").string()).ok);
}

TEST_F(LimitsTest, FileSizeLimitIsTheReaders) {
    EXPECT_FALSE(FileSizeLimitBroken(kMaxScoreBytes));
    const auto breach = FileSizeLimitBroken(kMaxScoreBytes + 1);
    ASSERT_TRUE(breach);
    EXPECT_EQ(breach->limit, ReaderLimit::FileBytes);
    EXPECT_EQ(breach->message.Japanese(),
              "楽譜データが大きすぎます。保存できる楽譜データは256MBまでです。");
}

}  // namespace
}  // namespace sorvel::testing
