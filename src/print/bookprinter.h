// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Printing pages of a book on a configured printer: one sheet of paper per
// page, each drawn from the top-left of the printable area at dpi / 120
// device pixels per page unit (a page prints at its own stored size, so pages
// of different sizes keep their proportions), with a page break between
// pages only. The dialogs that configure the printer belong to the editor.
#include <QMarginsF>
#include <QPageSize>
#include <QString>

#include "model/modelenv.h"
#include "print/printermetrics.h"
#include "print/printgeometry.h"

class QPrinter;

namespace sorvel {

class TMusicBook;

// The print job's document title.
// The print job name, translated in the context "BookPrinter".
inline constexpr char kPrintDocumentTitle[] = QT_TRANSLATE_NOOP("BookPrinter", "二胡数字譜");

// Prints `span` of `book` (cut to the book). The current layout of `env` is
// the same afterwards. False with a message for the user in `error` when the
// printer cannot start the job (a PDF file that cannot be created, say) or
// fails during it.
bool PrintBookPages(QPrinter& printer, TMusicBook& book, PageSpan span, ModelEnv& env,
                    QString& error);

// The paper a PDF printer takes for pages of `metrics`: A4 with margins that
// centre a printable area of the page's size on it, or, for a page larger
// than A4, paper of exactly the page's size without margins.
struct PdfPaper {
    QPageSize size;
    QMarginsF marginsPt;  // points
};
PdfPaper PdfPaperFor(const PrinterMetrics& metrics);

// Makes `printer` write a PDF on the paper above, at the metrics' resolution.
void SetUpPdfPrinter(QPrinter& printer, const PrinterMetrics& metrics);

}  // namespace sorvel
