// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/bookprinter.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

#include "model/musicbook.h"
#include "print/layoutkeeper.h"
#include "print/pagerenderer.h"

namespace sorvel {

namespace {

constexpr double kPointsPerInch = 72.0;

}  // namespace

bool PrintBookPages(QPrinter& printer, TMusicBook& book, PageSpan span, ModelEnv& env,
                    QString& error) {
    if (span.Count() > 0) span = PrintSpan(false, span.first + 1, span.last + 1, book.SheetCount());
    if (span.Count() == 0 || book.SheetCount() == 0) {
        error = QCoreApplication::translate("BookPrinter", "印刷するページがありません。");
        return false;
    }
    printer.setDocName(QCoreApplication::translate("BookPrinter", kPrintDocumentTitle));
    printer.setCreator(QStringLiteral("Sorvel"));
    LayoutKeeper keeper(env);
    QPainter painter;
    if (!painter.begin(&printer)) {
        error = QCoreApplication::translate("BookPrinter", "印刷を開始できませんでした。");
        if (printer.outputFormat() == QPrinter::PdfFormat) {
            error += QCoreApplication::translate("BookPrinter", "\nファイル: %1")
                         .arg(printer.outputFileName());
        }
        return false;
    }
    const QPointF scale = UnitScale(printer.logicalDpiX(), printer.logicalDpiY());
    PageRenderer renderer(env);
    for (int i = span.first; i <= span.last; ++i) {
        if (i > span.first && !printer.newPage()) {
            painter.end();
            error = QCoreApplication::translate("BookPrinter", "印刷中にエラーが発生しました。");
            return false;
        }
        TMusicSheet& page = *book.GetSheet(i);
        painter.save();
        painter.scale(scale.x(), scale.y());
        // The page's own rectangle, as the recorded picture of each page had.
        painter.setClipRect(QRect(QPoint(0, 0), StoredPageSize(page)));
        renderer.Paint(painter, page, true);
        painter.restore();
    }
    if (!painter.end()) {
        error = QCoreApplication::translate("BookPrinter", "印刷中にエラーが発生しました。");
        return false;
    }
    return true;
}

PdfPaper PdfPaperFor(const PrinterMetrics& metrics) {
    // Paper sizes and margins are whole points: the printable area is the
    // smallest such area that holds the page.
    const int width = static_cast<int>(
        std::ceil(metrics.printableWidth * kPointsPerInch / std::max(metrics.dpiX, 1)));
    const int height = static_cast<int>(
        std::ceil(metrics.printableHeight * kPointsPerInch / std::max(metrics.dpiY, 1)));
    const QPageSize a4(QPageSize::A4);
    const QSize paper = a4.sizePoints();
    if (width <= paper.width() && height <= paper.height()) {
        const int left = (paper.width() - width) / 2;
        const int top = (paper.height() - height) / 2;
        return {a4,
                QMarginsF(left, top, paper.width() - width - left, paper.height() - height - top)};
    }
    return {QPageSize(QSize(width, height), QString(), QPageSize::ExactMatch),
            QMarginsF(0, 0, 0, 0)};
}

void SetUpPdfPrinter(QPrinter& printer, const PrinterMetrics& metrics) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(metrics.dpiX);
    const PdfPaper paper = PdfPaperFor(metrics);
    printer.setPageLayout(QPageLayout(paper.size, QPageLayout::Portrait, paper.marginsPt,
                                      QPageLayout::Point, QMarginsF(0, 0, 0, 0)));
}

}  // namespace sorvel
