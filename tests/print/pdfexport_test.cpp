// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a book as a PDF file: one PDF page per book page at its own size,
// progress for each page, and no file (or the old file unchanged) when the
// export is cancelled or fails.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <vector>

#include "model/musicbook.h"
#include "print/pageexport.h"
#include "print/pdfexportjob.h"
#include "printfixture.h"

namespace sorvel {
namespace {

class PdfExport : public ::testing::Test, protected Workspace {
protected:
    std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
    QTemporaryDir dir;
};

TEST_F(PdfExport, EveryPageWithProgressAndTheSameBytesAsTheBatchExport) {
    TMusicBook& book = MakePrintBook(*this, 4);
    book.GetSheet(2)->PageWidth = 800;
    std::vector<std::pair<int, int>> heard;
    const PdfExportResult result = SaveBookPdf(book, env, Path("book.pdf"), [&](int done, int n) {
        heard.emplace_back(done, n);
        return true;
    });
    ASSERT_EQ(result.status, PdfExportStatus::Written) << result.error;
    const QByteArray written = ReadAll(dir.filePath("book.pdf"));
    EXPECT_EQ(PdfPageCount(written), 4);
    EXPECT_EQ(heard, (std::vector<std::pair<int, int>>{{1, 4}, {2, 4}, {3, 4}, {4, 4}}));
    // Page 3 is 800 units = 480 points wide, the others 964 units (578.4
    // points, which PDF page sizes hold as whole points).
    QStringList widths;
    static const QRegularExpression box(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) "));
    for (const auto& m : box.globalMatch(QString::fromLatin1(written)))
        widths << QString::number(m.captured(1).toDouble());
    EXPECT_EQ(widths.join(' ').toStdString(), "578 578 480 578");
}

TEST_F(PdfExport, CancelledLeavesNoFileAndAnOldFileAsItWas) {
    TMusicBook& book = MakePrintBook(*this, 5);
    int pages = 0;
    const auto cancelAtThree = [&](int done, int) {
        pages = done;
        return done < 3;
    };
    PdfExportResult result = SaveBookPdf(book, env, Path("new.pdf"), cancelAtThree);
    EXPECT_EQ(result.status, PdfExportStatus::Cancelled);
    EXPECT_EQ(pages, 3);  // no page is drawn after the cancel
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("new.pdf")));

    QFile old(dir.filePath("old.pdf"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the old contents");
    old.close();
    result = SaveBookPdf(book, env, Path("old.pdf"), cancelAtThree);
    EXPECT_EQ(result.status, PdfExportStatus::Cancelled);
    EXPECT_EQ(ReadAll(dir.filePath("old.pdf")), QByteArray("the old contents"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1) << "no temporary file is left";
}

TEST_F(PdfExport, AFolderThatDoesNotExistFailsWithItsPath) {
    TMusicBook& book = MakePrintBook(*this, 1);
    const std::string path = Path("missing/book.pdf");
    const PdfExportResult result = SaveBookPdf(book, env, path);
    EXPECT_EQ(result.status, PdfExportStatus::Failed);
    EXPECT_NE(result.error.Japanese().find(path), std::string::npos) << result.error;
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(path)));
}

TEST_F(PdfExport, TheCurrentLayoutStays) {
    TMusicBook& book = MakePrintBook(*this, 2);
    book.GetSheet(1)->SetRowDivNum(3);
    TakeOverPageSettings(layout, *book.GetSheet(0), glyphs);
    const int rows = layout.RowDivNum;
    ASSERT_EQ(SaveBookPdf(book, env, Path("layout.pdf")).status, PdfExportStatus::Written);
    EXPECT_EQ(layout.RowDivNum, rows);
}

}  // namespace
}  // namespace sorvel
