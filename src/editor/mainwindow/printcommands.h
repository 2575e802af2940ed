// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's printing commands: print a range of pages, printer
// set-up, the print preview, the current page as a bitmap and the whole book
// as a PDF. The dialogs they show are replaceable functions, so tests run
// every command without a modal loop.
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "print/pageexport.h"

class QPrinter;
class QWidget;

#include "editor/document/editorshell.h"

namespace sorvel {

class TfrmPreview;

struct PrintDialogs {
    // The print dialog for `printer`, offering pages minPage to maxPage; the
    // chosen printer and range stay in `printer`. True when confirmed.
    std::function<bool(QWidget* parent, QPrinter& printer, int minPage, int maxPage)> askPrint;
    // The printer set-up dialog for `printer`; true when confirmed.
    std::function<bool(QWidget* parent, QPrinter& printer)> askPrinterSetUp;
    // Save dialogs opening in `folder` with `proposal` filled in; they ask
    // before overwriting and give an empty path when cancelled.
    std::function<QString(QWidget* parent, const QString& folder, const QString& proposal)>
        askBitmapPath;
    std::function<QString(QWidget* parent, const QString& folder, const QString& proposal)>
        askPdfPath;
    // Shows the preview window modally.
    std::function<void(TfrmPreview& preview)> showPreview;
    // The progress of a PDF of `pageCount` pages, alive for as long as the
    // returned function is; it answers false once the user cancels.
    std::function<PdfProgress(QWidget* parent, int pageCount)> pdfProgress;

    static PrintDialogs Standard();
};

inline constexpr char kBitmapFilter[] =
    QT_TRANSLATE_NOOP("FileDialogs", "ビットマップ(*.bmp);;全てのファイル(*.*)");
inline constexpr char kBitmapExtension[] = "bmp";
inline constexpr char kPdfFilter[] =
    QT_TRANSLATE_NOOP("FileDialogs", "PDF(*.pdf);;全てのファイル(*.*)");
inline constexpr char kPdfExtension[] = "pdf";

// The name an export of the open book proposes: its file name with the
// extension replaced (無題.bmp for a book never saved). A name with a folder
// becomes absolute, so a book opened by a relative path proposes its folder.
QString ExportProposal(const QString& fileName, const QString& extension);

// The save dialog of an export: object `name`, one filter and its default
// extension, in `folder` with `proposal` filled in, asking before it
// overwrites; empty when cancelled.
QString AskExportPath(QWidget* parent, const char* name, const char* filter, const char* extension,
                      const QString& folder, const QString& proposal);

class PrintCommands : public QObject {
    Q_OBJECT

public:
    explicit PrintCommands(const EditorContext& ctx);
    ~PrintCommands() override;

    void SetDialogs(PrintDialogs dialogs) { dialogs_ = std::move(dialogs); }

    // actPrint: the print dialog from the current page, then PrintWith.
    void Print();
    // Prints on a printer the dialog has configured: the view's selection is
    // cleared first, then the printer's range (or every page) is printed.
    bool PrintWith(QPrinter& printer);
    // actPrintSetUp: the set-up dialog; a confirmed printer fixes the page
    // size of the current page (only) and of the page view.
    void PrintSetUp();
    // Applies a printer's page size as a confirmed set-up does.
    void ApplyPrinter(const QPrinter& printer);
    // actPrintPreview: the preview window on the current page.
    void Preview();
    // actSaveBitMap: the page shown, one pixel per page unit, as a BMP file.
    void SaveBitmap();
    bool WriteBitmap(const QString& path);
    // actSavePdf: every page of the book as one PDF file.
    void SavePdf();
    bool WritePdf(const QString& path);

    // The printer the commands share (the print dialog's choice stays).
    QPrinter& Device();
    TfrmPreview& PreviewWindow();

private:
    EditorContext ctx_;
    PrintDialogs dialogs_;
    std::unique_ptr<QPrinter> printer_;
    TfrmPreview* preview_ = nullptr;  // a child of the main window
};

// Binds actPrint, actPrintSetUp, actPrintPreview, actSaveBitMap and
// actSavePdf of `window` to a PrintCommands object that the window owns.
void InstallPrintCommands(const EditorContext& ctx);

}  // namespace sorvel
