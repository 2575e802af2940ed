// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/mainwindow/printcommands.h"

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <cstring>

#include "base/atomicfile.h"
#include "editor/dialogs/editordialogs.h"
#include "editor/dialogs/frmpreview.h"
#include "editor/document/editordocument.h"
#include "editor/mainwindow/waitcursor.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/platform/translatedtext.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "print/bookprinter.h"
#include "print/layoutkeeper.h"
#include "print/pagerenderer.h"
#include "print/pdfexportjob.h"
#include "print/printgeometry.h"

namespace sorvel {

namespace {

// A path as the file system takes it (names need not be UTF-8).
std::string FilePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

bool AskPrint(QWidget* parent, QPrinter& printer, int minPage, int maxPage) {
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName("PrintDialog1");
    // Page numbers are the only choice of range; printing to a PDF file stays
    // offered, since it is how a machine without a printer prints.
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintToFile);
    dialog.setMinMax(minPage, maxPage);
    return dialog.exec() == QDialog::Accepted;
}

bool AskPrinterSetUp(QWidget* parent, QPrinter& printer) {
    QPageSetupDialog dialog(&printer, parent);
    dialog.setObjectName("PrinterSetupDialog1");
    return dialog.exec() == QDialog::Accepted;
}

PdfProgress ShowPdfProgress(QWidget* parent, int pageCount) {
    auto dialog =
        std::make_shared<QProgressDialog>(PrintCommands::tr("PDFを作成しています..."),
                                          PrintCommands::tr("キャンセル"), 0, pageCount, parent);
    dialog->setObjectName("dlgPdfProgress");
    dialog->setWindowTitle(PrintCommands::tr("PDFで保存"));
    dialog->setWindowModality(Qt::WindowModal);
    // Short books are done before the window would be worth showing.
    dialog->setMinimumDuration(400);
    dialog->setValue(0);
    return [dialog](int done, int) {
        dialog->setValue(done);
        return !dialog->wasCanceled();
    };
}

}  // namespace

QString AskExportPath(QWidget* parent, const char* name, const char* filter, const char* extension,
                      const QString& folder, const QString& proposal) {
    return AskSaveFile(parent, name, filter, extension, folder, proposal);
}

PrintDialogs PrintDialogs::Standard() {
    PrintDialogs d;
    d.askPrint = AskPrint;
    d.askPrinterSetUp = AskPrinterSetUp;
    d.askBitmapPath = [](QWidget* parent, const QString& folder, const QString& proposal) {
        return AskExportPath(parent, "SaveBitMapDialog1", kBitmapFilter, kBitmapExtension, folder,
                             proposal);
    };
    d.askPdfPath = [](QWidget* parent, const QString& folder, const QString& proposal) {
        return AskExportPath(parent, "SavePdfDialog1", kPdfFilter, kPdfExtension, folder, proposal);
    };
    d.showPreview = [](TfrmPreview& preview) { preview.exec(); };
    d.pdfProgress = ShowPdfProgress;
    return d;
}

QString ExportProposal(const QString& fileName, const QString& extension) {
    const QString name = ReplaceExtension(fileName, "." + extension);
    if (!name.contains(QLatin1Char('/'))) return name;
    return QFileInfo(name).absoluteFilePath();
}

PrintCommands::PrintCommands(const EditorContext& ctx)
    : QObject(ctx.shell.Window()), ctx_(ctx), dialogs_(PrintDialogs::Standard()) {
    setObjectName("PrintCommands");
}

PrintCommands::~PrintCommands() = default;

QPrinter& PrintCommands::Device() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // Without a printer the print dialog writes a PDF; its paper is
        // chosen to hold the page the editor lays out.
        if (!ctx_.shell.Printer().hasSystemPrinter)
            SetUpPdfPrinter(*printer_, ctx_.shell.Printer());
    }
    return *printer_;
}

TfrmPreview& PrintCommands::PreviewWindow() {
    if (!preview_) preview_ = new TfrmPreview(ctx_.document.Workspace().env, ctx_.shell.Window());
    return *preview_;
}

void PrintCommands::Print() {
    QPrinter& printer = Device();
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        printer.setOutputFileName(
            QDir(ctx_.shell.DialogFolder())
                .filePath(ExportProposal(ctx_.document.ProposedName(), kPdfExtension)));
    }
    const int current = ctx_.shell.PageNo();
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(current, current);
    if (!dialogs_.askPrint(ctx_.shell.Window(), printer, 1, ctx_.document.Book().SheetCount()))
        return;
    PrintWith(printer);
}

bool PrintCommands::PrintWith(QPrinter& printer) {
    ctx_.view.ClearSelection();
    ctx_.view.Redraw();
    ctx_.shell.UpdateActions();
    const PageSpan span = PrintSpan(printer.printRange() == QPrinter::AllPages, printer.fromPage(),
                                    printer.toPage(), ctx_.document.Book().SheetCount());
    QString error;
    bool printed = false;
    {
        WaitCursor wait;
        printed = PrintBookPages(printer, ctx_.document.Book(), span, ctx_.document.Workspace().env,
                                 error);
    }
    if (!printed) {
        ctx_.shell.Dialogs().showError(ctx_.shell.Window(), error);
        return false;
    }
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        ctx_.shell.ShowStatus(tr("%1 に印刷しました。").arg(printer.outputFileName()));
    }
    return true;
}

void PrintCommands::PrintSetUp() {
    QPrinter& printer = Device();
    if (!dialogs_.askPrinterSetUp(ctx_.shell.Window(), printer)) return;
    ApplyPrinter(printer);
}

void PrintCommands::ApplyPrinter(const QPrinter& printer) {
    const std::optional<PrinterMetrics> measured = MetricsOfPrinter(printer);
    // A printer that reports no printable area leaves the page size alone.
    if (!measured) return;
    PrinterMetrics& metrics = ctx_.shell.Printer();
    metrics.printableWidth = measured->printableWidth;
    metrics.printableHeight = measured->printableHeight;
    metrics.dpiX = measured->dpiX;
    metrics.dpiY = measured->dpiY;
    LayoutState& layout = ctx_.document.Workspace().layout;
    layout.PageWidth = metrics.PageWidthUnits();
    layout.PageHeight = metrics.PageHeightUnits();
    // The size is the printer's, not an edit of the page: not recorded.
    if (TMusicSheet* page = ctx_.shell.CurrentPage()) {
        page->PageWidth = layout.PageWidth;
        page->PageHeight = layout.PageHeight;
    }
    ctx_.shell.RefreshCurrentPage();
}

void PrintCommands::Preview() {
    ctx_.view.ClearSelection();
    ctx_.view.Redraw();
    ctx_.shell.UpdateActions();
    TfrmPreview& preview = PreviewWindow();
    preview.SetBook(&ctx_.document.Book(), ctx_.shell.PageNo());
    preview.SetPrintCommand([this] { Print(); }, ctx_.shell.Printer().canPrint);
    dialogs_.showPreview(preview);
    preview.SetBook(nullptr, 1);
}

void PrintCommands::SaveBitmap() {
    const QString path =
        dialogs_.askBitmapPath(ctx_.shell.Window(), ctx_.shell.DialogFolder(),
                               ExportProposal(ctx_.document.ProposedName(), kBitmapExtension));
    if (path.isEmpty()) return;
    ctx_.shell.UseDialogFolder(path);
    WriteBitmap(path);
}

bool PrintCommands::WriteBitmap(const QString& path) {
    TMusicSheet* page = ctx_.shell.CurrentPage();
    if (!page) return false;
    QByteArray bytes;
    bool encoded = false;
    int err = 0;
    {
        WaitCursor wait;
        ModelEnv& env = ctx_.document.Workspace().env;
        LayoutKeeper keeper(env);
        // The page as the screen draws it, without the grid.
        const QImage image = PageRenderer(env).Render(*page, false);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        encoded = !image.isNull() && image.save(&buffer, "BMP");
        if (encoded) {
            err = WriteFileAtomically(FilePath(path),
                                      std::string_view(bytes.constData(), size_t(bytes.size())));
        }
    }
    if (!encoded || err != 0) {
        QString text = tr("ビットマップファイルを保存できませんでした。\n%1").arg(path);
        if (err != 0) text += ": " + QString::fromLocal8Bit(std::strerror(err));
        ctx_.shell.Dialogs().showError(ctx_.shell.Window(), text);
        return false;
    }
    ctx_.shell.ShowStatus(tr("%1 に保存しました。").arg(path));
    return true;
}

void PrintCommands::SavePdf() {
    const QString path =
        dialogs_.askPdfPath(ctx_.shell.Window(), ctx_.shell.DialogFolder(),
                            ExportProposal(ctx_.document.ProposedName(), kPdfExtension));
    if (path.isEmpty()) return;
    ctx_.shell.UseDialogFolder(path);
    WritePdf(path);
}

bool PrintCommands::WritePdf(const QString& path) {
    PdfExportResult result;
    {
        WaitCursor wait;
        const PdfProgress progress =
            dialogs_.pdfProgress
                ? dialogs_.pdfProgress(ctx_.shell.Window(), ctx_.document.Book().SheetCount())
                : PdfProgress();
        result = SaveBookPdf(ctx_.document.Book(), ctx_.document.Workspace().env, FilePath(path),
                             progress);
    }
    switch (result.status) {
        case PdfExportStatus::Written:
            ctx_.shell.ShowStatus(tr("%1 に保存しました。").arg(path));
            return true;
        case PdfExportStatus::Cancelled:
            ctx_.shell.ShowStatus(tr("PDFの保存を取り消しました。"));
            return false;
        case PdfExportStatus::Failed:
            break;
    }
    ctx_.shell.Dialogs().showError(
        ctx_.shell.Window(),
        tr("PDFファイルを保存できませんでした。\n%1").arg(Translated(result.error)));
    return false;
}

void InstallPrintCommands(const EditorContext& ctx) {
    auto* commands = new PrintCommands(ctx);
    EditorShell* shell = &ctx.shell;
    ctx.shell.BindCommand(
        "actPrint", [commands] { commands->Print(); },
        [shell] { return shell->Printer().canPrint; });
    ctx.shell.BindCommand("actPrintSetUp", [commands] { commands->PrintSetUp(); });
    ctx.shell.BindCommand("actPrintPreview", [commands] { commands->Preview(); });
    ctx.shell.BindCommand("actSaveBitMap", [commands] { commands->SaveBitmap(); });
    ctx.shell.BindCommand("actSavePdf", [commands] { commands->SavePdf(); });
}

}  // namespace sorvel
