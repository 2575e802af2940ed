// SPDX-License-Identifier: GPL-3.0-or-later
// The printing commands of the editor: print with its dialog and range,
// printer set-up, the preview window, the bitmap of a page and the PDF of the
// book. Dialogs answer from scripts; printing goes to PDF files.
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPageLayout>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QWheelEvent>
#include <QtTest>

#include "editor/dialogs/frmpreview.h"
#include "editor/mainwindow/pagecommands.h"
#include "editor/mainwindow/printcommands.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/scorepaintbox.h"
#include "mainwindowfixture.h"
#include "model/itemfactory.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "model/note.h"

using namespace sorvel;

namespace {

// What the print dialogs were asked and what they answer.
struct ScriptedPrinting {
    // The print dialog: the offered page limits and the range preset on the
    // printer when it opened.
    struct Asked {
        int minPage, maxPage, from, to;
        QPrinter::PrintRange range;
    };
    QList<Asked> asked;
    bool confirmPrint = true;
    QString printTo;       // the PDF file the confirmed dialog chooses
    bool allPages = true;  // else pages from..to
    int from = 0, to = 0;
    bool confirmSetUp = true;
    QPageLayout setUpLayout;  // the paper the set-up dialog chooses
    int setUpResolution = 600;
    QStringList bitmapProposals, pdfProposals, folders;
    QString bitmapPath, pdfPath;
    std::function<void(TfrmPreview&)> onPreview;
    int cancelPdfAfter = 0;  // pages; 0 never cancels

    PrintDialogs Make() {
        PrintDialogs d;
        d.askPrint = [this](QWidget*, QPrinter& printer, int minPage, int maxPage) {
            asked.append(
                {minPage, maxPage, printer.fromPage(), printer.toPage(), printer.printRange()});
            if (!confirmPrint) return false;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printTo);
            printer.setPrintRange(allPages ? QPrinter::AllPages : QPrinter::PageRange);
            if (!allPages) printer.setFromTo(from, to);
            return true;
        };
        d.askPrinterSetUp = [this](QWidget*, QPrinter& printer) {
            if (!confirmSetUp) return false;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setResolution(setUpResolution);
            printer.setPageLayout(setUpLayout);
            return true;
        };
        d.askBitmapPath = [this](QWidget*, const QString& folder, const QString& proposal) {
            folders << folder;
            bitmapProposals << proposal;
            return bitmapPath;
        };
        d.askPdfPath = [this](QWidget*, const QString& folder, const QString& proposal) {
            folders << folder;
            pdfProposals << proposal;
            return pdfPath;
        };
        d.showPreview = [this](TfrmPreview& preview) {
            preview.show();
            QVERIFY(QTest::qWaitForWindowExposed(&preview));
            if (onPreview) onPreview(preview);
            preview.close();
        };
        d.pdfProgress = [this](QWidget*, int) -> PdfProgress {
            return [this](int done, int) { return cancelPdfAfter == 0 || done < cancelPdfAfter; };
        };
        return d;
    }
};

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int PdfPageCount(const QString& path) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    return static_cast<int>(QString::fromLatin1(ReadAll(path)).count(page));
}

bool HasInk(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixelColor(x, y).lightness() < 128) return true;
        }
    }
    return false;
}

TNote* AddNote(TMusicSheet& page, int x, int y) {
    const UntrackedChanges asRead(page.Undo());
    TNote* note = CreateItem<TNote>(page);
    note->SetContent("5");
    note->SetPosX(x);
    note->SetPosY(y);
    return note;
}

// A main window with a book of `pages` pages, a note on each, showing page
// `current`, and its printing commands answering from `script`.
struct PrintingWindow : MainWindowFixture {
    explicit PrintingWindow(int pages, int current = 1) {
        TfrmMain& w = *window;
        for (int i = 1; i < pages; ++i) PageCommands::Of(w)->NewPage();
        for (int i = 0; i < pages; ++i) AddNote(*w.Book().GetSheet(i), 140, 243);
        w.ShowPage(current, true);
        w.Workspace().undo.Clear();
        w.Document().MarkSaved(w.Document().FilePath());
        commands = w.findChild<PrintCommands*>("PrintCommands");
        commands->SetDialogs(script.Make());
        script.printTo = Path("printed.pdf");
    }
    void Trigger(const char* action) {
        window->ActionListUpdate();
        QAction* a = window->Action(action);
        QVERIFY2(a && a->isEnabled(), action);
        a->trigger();
    }

    ScriptedPrinting script;
    PrintCommands* commands = nullptr;
};

template <class T>
T* Child(QWidget& parent, const char* name) {
    return parent.findChild<T*>(name);
}

void Wheel(QWidget* target, int delta) {
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

}  // namespace

class PrintingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void commandsStandInTheFileMenu() {
        PrintingWindow f(1);
        TfrmMain& w = *f.window;
        w.ActionListUpdate();
        for (const char* name : {"actPrint", "actPrintPreview", "actSaveBitMap", "actSavePdf"}) {
            QVERIFY2(w.Action(name)->isEnabled(), name);
        }
        // The set-up's menu entry is hidden (and so cannot be triggered).
        QVERIFY(!w.Action("actPrintSetUp")->isVisible());
        QCOMPARE(w.Action("actSavePdf")->text(), QString::fromUtf8("PDFで保存(&D)..."));
        const QList<QAction*> file = w.findChild<QMenu*>("mnuFile")->actions();
        const qsizetype at = file.indexOf(w.Action("actSaveBitMap"));
        QCOMPARE(file.value(at + 1), w.Action("actSavePdf"));
        QCOMPARE(file.value(at + 2), w.Action("actImportMusicXml"));
    }

    void printOffersEveryPageFromTheCurrentOne() {
        PrintingWindow f(3, 2);
        f.Trigger("actPrint");
        QCOMPARE(f.script.asked.size(), 1);
        const auto asked = f.script.asked.first();
        QCOMPARE(asked.minPage, 1);
        QCOMPARE(asked.maxPage, 3);
        QCOMPARE(asked.from, 2);
        QCOMPARE(asked.to, 2);
        QCOMPARE(asked.range, QPrinter::AllPages);
        QCOMPARE(PdfPageCount(f.script.printTo), 3);
        QCOMPARE(f.commands->Device().docName(), QString::fromUtf8("二胡数字譜"));

        // Pages 2 to 2: one page.
        f.script.allPages = false;
        f.script.from = f.script.to = 2;
        f.script.printTo = f.Path("second.pdf");
        f.Trigger("actPrint");
        QCOMPARE(PdfPageCount(f.script.printTo), 1);

        // A cancelled dialog prints nothing.
        f.script.confirmPrint = false;
        f.script.printTo = f.Path("never.pdf");
        f.Trigger("actPrint");
        QVERIFY(!QFileInfo::exists(f.script.printTo));
        QVERIFY(f.dialogs.errors.isEmpty());
    }

    void printFailureIsReported() {
        PrintingWindow f(1);
        f.script.printTo = f.Path("no/such/folder/out.pdf");
        f.Trigger("actPrint");
        QCOMPARE(f.dialogs.errors.size(), 1);
        QVERIFY(
            f.dialogs.errors.first().startsWith(QString::fromUtf8("印刷を開始できませんでした。")));
    }

    void printAndPreviewDrawNothingAsSelected() {
        PrintingWindow f(2);
        TfrmMain& w = *f.window;
        auto select = [&w] {
            TMusicItem* item = w.CurrentPage()->GetItem(w.CurrentPage()->ItemCount() - 1);
            item->selected = true;
            w.View().Selection().AddUnique(item);
            return item;
        };
        TMusicItem* item = select();
        f.Trigger("actPrint");
        QVERIFY(!item->selected);
        QVERIFY(w.View().Selection().empty());

        item = select();
        f.Trigger("actPrintPreview");
        QVERIFY(!item->selected);
        QVERIFY(w.View().Selection().empty());

        // The bitmap is the page as the view has it, selection included.
        item = select();
        f.script.bitmapPath = f.Path("page.bmp");
        f.Trigger("actSaveBitMap");
        QVERIFY(item->selected);
    }

    void printerSetUpSizesTheCurrentPageOnly() {
        PrintingWindow f(2, 2);
        TfrmMain& w = *f.window;
        // Letter at 600 dpi with half-inch margins: 7.5 x 10 inches printable.
        f.script.setUpLayout = QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                           QMarginsF(36, 36, 36, 36), QPageLayout::Point);
        f.commands->PrintSetUp();
        QCOMPARE(w.CurrentPage()->PageWidth, 900);
        QCOMPARE(w.CurrentPage()->PageHeight, 1200);
        QCOMPARE(w.Book().GetSheet(0)->PageWidth, 964);
        QCOMPARE(w.Book().GetSheet(0)->PageHeight, 1365);
        QCOMPARE(w.Workspace().layout.PageWidth, 900);
        QCOMPARE(w.Printer().printableWidth, 4500);
        QCOMPARE(w.Printer().dpiX, 600);
        w.SetZoom(100);
        QCOMPARE(w.PaintBox().size(), QSize(900, 1200));
        // The printer's size is no edit of the book.
        QVERIFY(!w.IsModified());
        QVERIFY(!w.Workspace().undo.CanUndo());
        // Page 1 still shows at its own size.
        w.ShowPage(1, true);
        QCOMPARE(w.PaintBox().size(), QSize(964, 1365));

        // A cancelled set-up changes nothing.
        f.script.confirmSetUp = false;
        f.script.setUpLayout =
            QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Portrait, QMarginsF());
        f.commands->PrintSetUp();
        QCOMPARE(w.CurrentPage()->PageWidth, 964);
        QCOMPARE(w.Printer().printableWidth, 4500);
    }

    void previewShowsPagesAtTheChosenZoom() {
        PrintingWindow f(3, 2);
        TfrmMain& w = *f.window;
        {
            const UntrackedChanges asRead(&w.Workspace().undo);
            w.Book().GetSheet(2)->PageWidth = 800;
            w.Book().GetSheet(2)->PageHeight = 1000;
            w.Book().GetSheet(2)->SetRowDivNum(4);
        }
        const int rows = w.Workspace().layout.RowDivNum;
        bool shown = false;
        f.script.onPreview = [&](TfrmPreview& p) {
            shown = true;
            QCOMPARE(p.windowTitle(), QString::fromUtf8("プレビュー"));
            auto* zoom = Child<QComboBox>(p, "cbZoom");
            QStringList entries;
            for (int i = 0; i < zoom->count(); ++i) entries << zoom->itemText(i);
            QCOMPARE(entries, QStringList({" 30%", " 40%", " 50%", " 60%", " 70%", " 80%", " 90%",
                                           "100%", "120%", "150%", "200%"}));
            QCOMPARE(zoom->currentText(), QString(" 50%"));
            QCOMPARE(p.Picture()->size(), QSize(482, 682));
            QCOMPARE(Child<QLabel>(p, "pnlPage")->text(), QString("2"));
            auto enabled = [&p](const char* name) {
                return Child<QToolButton>(p, name)->isEnabled();
            };
            QVERIFY(enabled("btnFirstPage") && enabled("btnPriorPage"));
            QVERIFY(enabled("btnNextPage") && enabled("btnLastPage") && enabled("btnPrint"));

            QTest::mouseClick(Child<QToolButton>(p, "btnLastPage"), Qt::LeftButton);
            QCOMPARE(p.PageNo(), 3);
            QCOMPARE(Child<QLabel>(p, "pnlPage")->text(), QString("3"));
            QVERIFY(!enabled("btnNextPage") && !enabled("btnLastPage"));
            // Page 3 keeps its own size; the editor keeps its page's layout.
            QCOMPARE(p.Picture()->size(), QSize(400, 500));
            QCOMPARE(w.Workspace().layout.RowDivNum, rows);
            QCOMPARE(w.Workspace().layout.PageWidth, 964);
            QTest::mouseClick(Child<QToolButton>(p, "btnPriorPage"), Qt::LeftButton);
            QCOMPARE(p.PageNo(), 2);
            QTest::mouseClick(Child<QToolButton>(p, "btnFirstPage"), Qt::LeftButton);
            QCOMPARE(p.PageNo(), 1);
            QVERIFY(!enabled("btnFirstPage") && !enabled("btnPriorPage"));
            QTest::mouseClick(Child<QToolButton>(p, "btnNextPage"), Qt::LeftButton);
            QCOMPARE(p.PageNo(), 2);

            // 100 %: one page unit per pixel, the scroll box takes the focus.
            zoom->setCurrentIndex(7);
            QCOMPARE(p.Picture()->size(), QSize(964, 1365));
            auto* box = Child<QScrollArea>(p, "sbPreview");
            QVERIFY(box->hasFocus());
            // Narrower than the page: the picture starts at the left edge.
            QCOMPARE(p.Picture()->x(), 0);

            // Centred in the scroll box's client width, on every resize.
            zoom->setCurrentIndex(0);
            QCOMPARE(p.Picture()->size(), QSize(289, 410));
            QCOMPARE(p.Picture()->x(), (box->viewport()->width() - 289) / 2);
            p.resize(700, 600);
            QTRY_COMPARE(p.Picture()->x(), (box->viewport()->width() - 289) / 2);

            // The wheel moves the vertical bar by its step of 32, when shown.
            zoom->setCurrentIndex(10);
            QScrollBar* bar = box->verticalScrollBar();
            QTRY_VERIFY(bar->isVisible());
            QCOMPARE(bar->value(), 0);
            Wheel(box->viewport(), -120);
            QCOMPARE(bar->value(), 32);
            Wheel(&p, -240);  // anywhere in the window
            QCOMPARE(bar->value(), 96);
            Wheel(box->viewport(), 120);
            QCOMPARE(bar->value(), 64);
            zoom->setCurrentIndex(2);

            // Printing from the preview proposes the main window's page.
            f.script.confirmPrint = false;
            QTest::mouseClick(Child<QToolButton>(p, "btnPrint"), Qt::LeftButton);
            QCOMPARE(f.script.asked.size(), 1);
            QCOMPARE(f.script.asked.first().from, 2);
        };
        f.Trigger("actPrintPreview");
        QVERIFY(shown);
        // Drawing page 3 did not leave its layout behind.
        QCOMPARE(w.Workspace().layout.RowDivNum, rows);
        QCOMPARE(w.Workspace().layout.PageWidth, 964);

        // The zoom stays for the next showing.
        f.script.onPreview = [](TfrmPreview& p) {
            QCOMPARE(Child<QComboBox>(p, "cbZoom")->currentText(), QString(" 50%"));
            Child<QComboBox>(p, "cbZoom")->setCurrentIndex(9);
        };
        f.Trigger("actPrintPreview");
        f.script.onPreview = [](TfrmPreview& p) {
            QCOMPARE(Child<QComboBox>(p, "cbZoom")->currentText(), QString("150%"));
            QCOMPARE(p.Picture()->size(), QSize(1446, 2048));
        };
        f.Trigger("actPrintPreview");
    }

    void bitmapOfTheShownPage() {
        PrintingWindow f(2, 2);
        TfrmMain& w = *f.window;
        // A folder of the player's (the fixture's program lives in f.dir).
        QVERIFY(QDir(f.dir.path()).mkdir("scores"));
        w.Workspace().prefs.InitialDir = f.Path("scores").toStdString();
        f.script.bitmapPath = f.Path("page.bmp");
        f.Trigger("actSaveBitMap");
        QCOMPARE(f.script.bitmapProposals.last(), QString::fromUtf8("無題.bmp"));
        QCOMPARE(f.script.folders.last(), f.Path("scores"));
        const QByteArray bytes = ReadAll(f.script.bitmapPath);
        QVERIFY(bytes.startsWith("BM"));
        QImage image = QImage::fromData(bytes, "BMP");
        QCOMPARE(image.size(), QSize(964, 1365));
        // The note of page 2 and the page number are there, the grid is not.
        QVERIFY(HasInk(image, QRect(130, 225, 20, 30)));
        QCOMPARE(image.pixelColor(100, 243), QColor(Qt::white));

        // A saved book proposes its own name.
        f.dialogs.savePaths = {f.Path("song.svl")};
        QVERIFY(w.Files().SaveAs());
        f.script.bitmapPath.clear();  // cancelled
        f.Trigger("actSaveBitMap");
        QCOMPARE(f.script.bitmapProposals.last(), f.Path("song.bmp"));
        // One opened by a relative path proposes the same folder, absolutely.
        const QString working = QDir::currentPath();
        QVERIFY(QDir(f.dir.path()).mkdir("sub"));
        QDir::setCurrent(f.dir.path());
        QVERIFY(w.Files().OpenPath("sub/../song.svl"));
        f.Trigger("actSaveBitMap");
        QDir::setCurrent(working);
        QVERIFY(QFileInfo(f.script.bitmapProposals.last()).isAbsolute());
        QCOMPARE(QDir::cleanPath(f.script.bitmapProposals.last()), f.Path("song.bmp"));

        // A file that cannot be written is reported; nothing is left.
        f.script.bitmapPath = f.Path("missing/page.bmp");
        f.Trigger("actSaveBitMap");
        QCOMPARE(f.dialogs.errors.size(), 1);
        QVERIFY(f.dialogs.errors.first().startsWith(
            QString::fromUtf8("ビットマップファイルを保存できませんでした。")));
        QVERIFY(!QFileInfo::exists(f.script.bitmapPath));
    }

    void pdfOfTheWholeBook() {
        PrintingWindow f(3);
        f.script.pdfPath = f.Path("book.pdf");
        f.Trigger("actSavePdf");
        QCOMPARE(f.script.pdfProposals.last(), QString::fromUtf8("無題.pdf"));
        QCOMPARE(PdfPageCount(f.script.pdfPath), 3);
        QVERIFY(f.dialogs.errors.isEmpty());

        // Cancelled after the second page: the old file stays as it was.
        const QByteArray before = ReadAll(f.script.pdfPath);
        {
            const UntrackedChanges asRead(&f.window->Workspace().undo);
            f.window->Book().NewSheet();
        }
        f.script.cancelPdfAfter = 2;
        f.Trigger("actSavePdf");
        QCOMPARE(ReadAll(f.script.pdfPath), before);
        QVERIFY(f.dialogs.errors.isEmpty());

        f.script.cancelPdfAfter = 0;
        f.script.pdfPath = f.Path("missing/book.pdf");
        f.Trigger("actSavePdf");
        QCOMPARE(f.dialogs.errors.size(), 1);
        QVERIFY(f.dialogs.errors.first().startsWith(
            QString::fromUtf8("PDFファイルを保存できませんでした。")));
        QVERIFY(!QFileInfo::exists(f.script.pdfPath));
    }
};

QTEST_MAIN(PrintingTest)
#include "printing_test.moc"
