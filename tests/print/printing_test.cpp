// SPDX-License-Identifier: GPL-3.0-or-later
// Printing: which pages a job takes, the scale from page units to printer
// pixels, the PDF paper of a machine without a printer, and real print jobs
// on a PDF printer read back page by page.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPageLayout>
#include <QPrinter>

#include "model/musicbook.h"
#include "print/bookprinter.h"
#include "print/pagerenderer.h"
#include "print/printgeometry.h"
#include "printfixture.h"
#include "view/qt/musicfont.h"

namespace sorvel {
namespace {

TEST(PrintGeometry, SpanOfAllPagesAndOfRanges) {
    auto span = [](bool all, int from, int to, int count) {
        const PageSpan s = PrintSpan(all, from, to, count);
        return std::make_pair(s.first, s.Count());
    };
    EXPECT_EQ(span(true, 2, 2, 3), std::make_pair(0, 3));
    EXPECT_EQ(span(false, 2, 2, 3), std::make_pair(1, 1));
    EXPECT_EQ(span(false, 1, 3, 3), std::make_pair(0, 3));
    // No range given by the dialog (0) means every page.
    EXPECT_EQ(span(false, 0, 0, 3), std::make_pair(0, 3));
    // A reversed range is read forwards; one past the book is cut to it.
    EXPECT_EQ(span(false, 3, 2, 3), std::make_pair(1, 2));
    EXPECT_EQ(span(false, 2, 9, 3), std::make_pair(1, 2));
    EXPECT_EQ(span(false, 7, 9, 3), std::make_pair(2, 1));
    EXPECT_EQ(span(true, 1, 1, 0).second, 0);
}

TEST(PrintGeometry, ScaleZoomAndStoredSize) {
    EXPECT_EQ(UnitScale(600, 600), QPointF(5, 5));
    EXPECT_EQ(UnitScale(1200, 300), QPointF(10, 2.5));
    // 682.5 rounds to the even 682, 2047.5 to 2048.
    EXPECT_EQ(ZoomedSize(QSize(964, 1365), 50), QSize(482, 682));
    EXPECT_EQ(ZoomedSize(QSize(964, 1365), 150), QSize(1446, 2048));
    EXPECT_EQ(ZoomedSize(QSize(964, 1365), 100), QSize(964, 1365));
    EXPECT_EQ(ZoomedSize(QSize(964, 1365), 30), QSize(289, 410));

    Workspace ws;
    TMusicSheet& page = *ws.NewBook().GetSheet(0);
    page.PageWidth = 800;
    page.PageHeight = 1000;
    EXPECT_EQ(StoredPageSize(page), QSize(800, 1000));
    page.PageWidth = 0;
    page.PageHeight = -5;
    EXPECT_EQ(StoredPageSize(page), QSize(964, 1365));
}

TEST(PrintGeometry, ExportNameReplacesTheExtensionOnly) {
    EXPECT_EQ(ReplaceExtension("/home/u/scores/song.svl", ".bmp"), "/home/u/scores/song.bmp");
    EXPECT_EQ(ReplaceExtension("C:\\scores\\song.svl", ".bmp"), "C:\\scores\\song.bmp");
    EXPECT_EQ(ReplaceExtension(QString::fromUtf8("無題"), ".bmp"), QString::fromUtf8("無題.bmp"));
    EXPECT_EQ(ReplaceExtension("/home/u/v1.2/song", ".pdf"), "/home/u/v1.2/song.pdf");
    EXPECT_EQ(ReplaceExtension("/home/u/a.tar.svl", ".pdf"), "/home/u/a.tar.pdf");
}

TEST(PdfPrinter, PaperHoldsThePageOfTheMetrics) {
    // Paper sizes and margins are whole points (1/72 inch, 1.67 page units),
    // so the printable area is the smallest one that holds the page.
    auto holds = [](const PrinterMetrics& metrics, const QPrinter& printer) {
        const std::optional<PrinterMetrics> measured = MetricsOfPrinter(printer);
        if (!measured) return ::testing::AssertionFailure() << "no printable area";
        const int w = measured->PageWidthUnits(), h = measured->PageHeightUnits();
        const int pw = metrics.PageWidthUnits(), ph = metrics.PageHeightUnits();
        if (w < pw || h < ph || w > pw + 3 || h > ph + 3) {
            return ::testing::AssertionFailure() << w << " x " << h << " for " << pw << " x " << ph;
        }
        return ::testing::AssertionSuccess();
    };
    // The fallback metrics (no printer): A4 with margins around the page.
    QPrinter printer(QPrinter::HighResolution);
    SetUpPdfPrinter(printer, PrinterMetrics{});
    EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4);
    EXPECT_TRUE(holds(PrinterMetrics{}, printer));

    // A page larger than A4 gets paper of its own size.
    PrinterMetrics large;
    large.printableWidth = 6000;
    large.printableHeight = 9000;
    SetUpPdfPrinter(printer, large);
    EXPECT_NE(printer.pageLayout().pageSize().id(), QPageSize::A4);
    EXPECT_TRUE(holds(large, printer));
}

class BookPrinting : public ::testing::Test, protected Workspace {
protected:
    // A PDF printer at 600 dpi whose printable area is the paper, 578 x 819
    // points (4817 x 6825 pixels, the whole points nearest to 4820 x 6826).
    static void SixHundredDpi(QPrinter& printer, const QString& path) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setResolution(600);
        printer.setPageLayout(
            QPageLayout(QPageSize(QSize(578, 819), QString(), QPageSize::ExactMatch),
                        QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    }

    QTemporaryDir dir;
};

TEST_F(BookPrinting, AllPagesOrARange) {
    TMusicBook& book = MakePrintBook(*this, 3);
    const QString all = dir.filePath("all.pdf");
    const QString second = dir.filePath("second.pdf");
    QString error;
    {
        QPrinter printer(QPrinter::HighResolution);
        SixHundredDpi(printer, all);
        ASSERT_TRUE(PrintBookPages(printer, book, PrintSpan(true, 2, 2, 3), env, error))
            << error.toStdString();
        EXPECT_EQ(printer.docName(), QString::fromUtf8("二胡数字譜"));
    }
    {
        QPrinter printer(QPrinter::HighResolution);
        SixHundredDpi(printer, second);
        ASSERT_TRUE(PrintBookPages(printer, book, PrintSpan(false, 2, 2, 3), env, error));
    }
    EXPECT_EQ(PdfPageCount(ReadAll(all)), 3);
    EXPECT_EQ(PdfPageCount(ReadAll(second)), 1);
    if (!HavePdftoppm()) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    // Pages 2 to 2 printed page 2: its number stands at the foot.
    const QImage printed = RasterisePdfPage(second, 1, 120);
    const QImage screen = PageRenderer(env).Render(*book.GetSheet(1), true);
    const QRect foot(0, 1300, 964, 65);
    EXPECT_EQ(InkBox(printed, foot), InkBox(screen, foot));
}

TEST_F(BookPrinting, FivePrinterPixelsPerUnitAtSixHundredDpi) {
    TMusicBook& book = MakePrintBook(*this, 2);
    // The second page keeps a smaller stored size and prints at that size,
    // not stretched over the paper.
    TMusicSheet& small = *book.GetSheet(1);
    small.PageWidth = 800;
    small.PageHeight = 1000;
    const QString path = dir.filePath("scale.pdf");
    QPrinter printer(QPrinter::HighResolution);
    SixHundredDpi(printer, path);
    EXPECT_EQ(MetricsOfPrinter(printer)->printableWidth, 4817);
    EXPECT_EQ(UnitScale(printer.logicalDpiX(), printer.logicalDpiY()), QPointF(5, 5));
    QString error;
    ASSERT_TRUE(PrintBookPages(printer, book, PrintSpan(true, 0, 0, 2), env, error));
    if (!HavePdftoppm()) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";

    // At 120 dpi one page unit is one pixel of the raster: the paper shows
    // the ink where the page image has it.
    for (int index : {0, 1}) {
        const QImage printed = RasterisePdfPage(path, index + 1, 120);
        ASSERT_NEAR(printed.width(), 963, 1);
        ASSERT_EQ(printed.height(), 1365);
        const QImage screen = PageRenderer(env).Render(*book.GetSheet(index), true);
        const QRect paper = InkBox(printed);
        const QRect page = InkBox(screen);
        EXPECT_LE(std::abs(paper.left() - page.left()), 1) << index;
        EXPECT_LE(std::abs(paper.right() - page.right()), 1) << index;
        EXPECT_LE(std::abs(paper.top() - page.top()), 1) << index;
        EXPECT_LE(std::abs(paper.bottom() - page.bottom()), 1) << index;
    }
}

TEST_F(BookPrinting, TheCurrentLayoutStaysAfterPrintingOtherPages) {
    TMusicBook& book = MakePrintBook(*this, 2);
    TMusicSheet& other = *book.GetSheet(1);
    other.SetRowDivNum(5);
    other.SetNoteFontSize(24);
    other.PageWidth = 700;
    OffsetRates rates = other.Rates();
    rates.FingerNo += 40;
    other.SetRates(rates);
    TakeOverPageSettings(layout, *book.GetSheet(0), glyphs);
    const int rows = layout.RowDivNum;
    const int width = layout.PageWidth;
    const OffsetRates before = layout.Rates;
    GlyphInfo finger = glyphs.Lookup('T');
    const QString path = dir.filePath("layout.pdf");
    QPrinter printer(QPrinter::HighResolution);
    SixHundredDpi(printer, path);
    QString error;
    ASSERT_TRUE(PrintBookPages(printer, book, PrintSpan(true, 0, 0, 2), env, error));
    EXPECT_EQ(layout.RowDivNum, rows);
    EXPECT_EQ(layout.PageWidth, width);
    EXPECT_EQ(layout.Rates, before);
    EXPECT_EQ(glyphs.Lookup('T').OffsetRate, finger.OffsetRate);
}

TEST_F(BookPrinting, AFileThatCannotBeCreatedIsReported) {
    TMusicBook& book = MakePrintBook(*this, 1);
    QPrinter printer(QPrinter::HighResolution);
    SixHundredDpi(printer, dir.filePath("missing/folder/out.pdf"));
    QString error;
    EXPECT_FALSE(PrintBookPages(printer, book, PrintSpan(true, 0, 0, 1), env, error));
    EXPECT_TRUE(error.startsWith(QString::fromUtf8("印刷を開始できませんでした。")))
        << error.toStdString();
    EXPECT_TRUE(error.contains("out.pdf"));
}

}  // namespace
}  // namespace sorvel

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    sorvel::InstallMusicFont();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
