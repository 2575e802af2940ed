// SPDX-License-Identifier: GPL-3.0-or-later
// The table of contents: its rows and selection from a book, the dialog's
// controls, the page it returns for each way of closing, and its stored size.
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <initializer_list>

#include "base/cp932.h"
#include "editor/dialogs/frmtableofcontent.h"
#include "editor/dialogs/tableofcontentrows.h"
#include "model/musicsheet.h"
#include "model/preferencesfile.h"
#include "model/workspace.h"

using namespace sorvel;

namespace {

std::string Sjis(const char* utf8) {
    return cp932::FromUtf8(utf8);
}

// A book of `pages` pages; the pages named in `titled` (1-based) get a title,
// a key and a composer.
TMusicBook& MakeBook(Workspace& ws, int pages, std::initializer_list<int> titled) {
    TMusicBook& book = ws.NewBook();
    for (int i = 1; i < pages; ++i) book.NewSheet();
    for (int number : titled) {
        TMusicSheet* page = book.GetSheet(number - 1);
        page->SetTitle(Sjis("曲") + std::to_string(number));
        page->SetKeyCode(Sjis("１＝Ｇ　（５２弦）"));
        page->SetWriter(Sjis("劉天華"));
    }
    return book;
}

}  // namespace

class TableOfContentTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    std::string SettingsPath() const { return (dir_.path() + "/sorvelini").toStdString(); }

    // Runs Execute with `action` performed once the dialog is up; a dialog the
    // action fails to close is closed after a while and the test fails.
    int RunExecute(TfrmTableOfContent& dialog, const TMusicBook& book, int currentPage,
                   const std::function<void()>& action) {
        bool timedOut = false;
        QTimer::singleShot(0, &dialog, action);
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, &dialog, [&] {
            timedOut = true;
            dialog.reject();
        });
        guard.start(5000);
        const int page = dialog.Execute(book, currentPage, "/home/user/曲集.svl");
        [&] { QVERIFY2(!timedOut, "the dialog did not close"); }();
        return page;
    }

    static QTableWidget* Grid(QWidget& dialog) {
        return dialog.findChild<QTableWidget*>("grdTableOfContent");
    }

    // A double-click as the mouse makes it: a first click, then the second
    // press that the window system reports as a double-click.
    static void DoubleClickRow(QTableWidget* grid, int row) {
        const QRect cell = grid->visualRect(grid->model()->index(row, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void untitledBookListsOnlyPageOne() {
        Workspace ws;
        const auto rows = BuildTableOfContentRows(MakeBook(ws, 3, {}));
        QCOMPARE(rows.size(), std::size_t{1});
        QCOMPARE(rows[0].pageNumber, 1);
        QCOMPARE(rows[0].title, std::string("  "));
        QCOMPARE(rows[0].writer, std::string(" "));
        QCOMPARE(rows[0].key, std::string());
        QCOMPARE(rows[0].page, std::string("   1"));
        QCOMPARE(SelectedTableOfContentRow(rows, 3), 0);
    }

    void titledPagesMakeRowsAndTheCurrentPieceIsSelected() {
        Workspace ws;
        const auto rows = BuildTableOfContentRows(MakeBook(ws, 12, {1, 4, 7, 10}));
        QCOMPARE(rows.size(), std::size_t{4});
        QCOMPARE(rows[1].pageNumber, 4);
        QCOMPARE(cp932::ToUtf8(rows[1].title), std::string("  曲4"));
        QCOMPARE(cp932::ToUtf8(rows[1].writer), std::string(" 劉天華"));
        QCOMPARE(rows[1].page, std::string("   4"));
        QCOMPARE(rows[3].page, std::string("  10"));

        QCOMPARE(SelectedTableOfContentRow(rows, 5), 1);  // inside the piece of page 4
        QCOMPARE(SelectedTableOfContentRow(rows, 4), 1);  // its first page
        QCOMPARE(SelectedTableOfContentRow(rows, 3), 0);
        QCOMPARE(SelectedTableOfContentRow(rows, 1), 0);
        QCOMPARE(SelectedTableOfContentRow(rows, 12), 3);  // after the last titled page
        QCOMPARE(SelectedTableOfContentRow({}, 1), -1);
    }

    void untitledFirstPageStillHeadsTheList() {
        Workspace ws;
        const auto rows = BuildTableOfContentRows(MakeBook(ws, 5, {3}));
        QCOMPARE(rows.size(), std::size_t{2});
        QCOMPARE(rows[0].pageNumber, 1);
        QCOMPARE(rows[1].pageNumber, 3);
        QCOMPARE(SelectedTableOfContentRow(rows, 2), 0);
    }

    void keyColumnTakesTheKeyLetterAndTheCharacterAfterIt() {
        Workspace ws;
        TMusicBook& book = MakeBook(ws, 1, {});
        TMusicSheet* page = book.GetSheet(0);
        const auto keyOf = [&](const std::string& keyCode) {
            page->SetKeyCode(keyCode);
            return BuildTableOfContentRows(book)[0].key;
        };
        QCOMPARE(cp932::ToUtf8(keyOf(Sjis("１＝Ｄ　（１５弦）"))), std::string("Ｄ　"));
        QCOMPARE(cp932::ToUtf8(keyOf(Sjis("１＝♭Ｂ（３７弦）"))), std::string("♭Ｂ"));
        // Short and empty names give what bytes there are, never more.
        QCOMPARE(keyOf(Sjis("１＝")), std::string());
        QCOMPARE(keyOf("1=D#"), std::string());
        QCOMPARE(keyOf("1=D#m"), std::string("m"));
        QCOMPARE(keyOf(""), std::string());
    }

    void headingIsTheBookTitleOrTheFileName() {
        Workspace ws;
        TMusicBook& book = MakeBook(ws, 1, {});
        QCOMPARE(TableOfContentHeading(book, "/home/user/二胡曲集.svl"), std::string("二胡曲集"));
        QCOMPARE(TableOfContentHeading(book, "無題"), std::string("無題"));
        QCOMPARE(TableOfContentHeading(book, "/scores/a.b.svl"), std::string("a.b"));
        book.SetTitle(Sjis("練習曲集"));
        QCOMPARE(TableOfContentHeading(book, "/home/user/x.svl"), std::string("練習曲集"));
    }

    void titlesInAnyScriptShowEveryCharacter() {
        Workspace ws;
        TMusicBook& book = MakeBook(ws, 3, {1, 2});
        book.SetTitle(Sjis("二泉映月 阿炳 刘天华"));
        book.GetSheet(1)->SetTitle(Sjis("아리랑 🎻"));
        book.GetSheet(1)->SetWriter(Sjis("مرحبا"));
        QCOMPARE(TableOfContentHeading(book, "/x.svl"), std::string("二泉映月 阿炳 刘天华"));
        Preferences prefs;
        TfrmTableOfContent dialog(prefs, "", nullptr);
        QString title, writer;
        RunExecute(dialog, book, 1, [&] {
            title = Grid(dialog)->item(1, 0)->text();
            writer = Grid(dialog)->item(1, 2)->text();
            dialog.reject();
        });
        QCOMPARE(title, QString("  아리랑 🎻"));
        QCOMPARE(writer, QString(" مرحبا"));
    }

    void pageCellGivesItsNumberOrMinusOne() {
        QCOMPARE(PageFromTableOfContentCell("   4"), 4);
        QCOMPARE(PageFromTableOfContentCell(" 123 "), 123);
        QCOMPARE(PageFromTableOfContentCell(""), -1);
        QCOMPARE(PageFromTableOfContentCell("    "), -1);
        QCOMPARE(PageFromTableOfContentCell("p.4"), -1);
        QCOMPARE(PageFromTableOfContentCell("99999999999"), -1);
    }

    void dialogHasItsControlsAndTexts() {
        Preferences prefs;
        TfrmTableOfContent dialog(prefs, "", nullptr);
        QCOMPARE(dialog.objectName(), QString("TfrmTableOfContent"));
        QCOMPARE(dialog.windowTitle(), QString("目次"));
        QCOMPARE(dialog.palette().color(QPalette::Window), QColor(0xEA, 0xEA, 0xEA));
        QVERIFY(dialog.findChild<QLabel*>("imgTitle"));
        QVERIFY(dialog.findChild<QPushButton*>("btnClose"));

        QTableWidget* grid = Grid(dialog);
        QVERIFY(grid);
        QCOMPARE(grid->columnCount(), 4);
        const QStringList headers = {"　　曲　　名", " 調", "　作　曲　者", "ページ"};
        for (int c = 0; c < 4; ++c) QCOMPARE(grid->horizontalHeaderItem(c)->text(), headers[c]);
        QVERIFY(!grid->verticalHeader()->isVisible());
        QCOMPARE(grid->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(grid->horizontalHeader()->sectionResizeMode(0), QHeaderView::Interactive);
    }

    void showsTheRowsWithTheCurrentPieceSelected() {
        Workspace ws;
        const TMusicBook& book = MakeBook(ws, 8, {1, 4, 7});
        Preferences prefs;
        TfrmTableOfContent dialog(prefs, "", nullptr);
        QTableWidget* grid = Grid(dialog);
        QStringList seen;
        int selected = -1;
        QString heading;
        RunExecute(dialog, book, 5, [&] {
            for (int r = 0; r < grid->rowCount(); ++r) {
                QStringList cells;
                for (int c = 0; c < 4; ++c) cells << grid->item(r, c)->text();
                seen << cells.join('|');
            }
            const auto rows = grid->selectionModel()->selectedRows();
            if (rows.size() == 1) selected = rows[0].row();
            heading = dialog.findChild<QLabel*>("imgTitle")->accessibleName();
            dialog.reject();
        });
        QCOMPARE(seen, QStringList({"  曲1|Ｇ　| 劉天華|   1", "  曲4|Ｇ　| 劉天華|   4",
                                    "  曲7|Ｇ　| 劉天華|   7"}));
        QCOMPARE(selected, 1);
        QCOMPARE(heading, QString("曲集"));
    }

    void closingWithoutAChoiceKeepsTheCurrentPage() {
        Workspace ws;
        const TMusicBook& book = MakeBook(ws, 8, {1, 4, 7});
        Preferences prefs;
        TfrmTableOfContent dialog(prefs, "", nullptr);
        QCOMPARE(RunExecute(dialog, book, 5,
                            [&] {
                                QTest::mouseClick(dialog.findChild<QPushButton*>("btnClose"),
                                                  Qt::LeftButton);
                            }),
                 5);
        QCOMPARE(
            RunExecute(dialog, book, 6, [&] { QTest::keyClick(Grid(dialog), Qt::Key_Escape); }), 6);
    }

    void doubleClickOrEnterChoosesTheRowsPage() {
        Workspace ws;
        const TMusicBook& book = MakeBook(ws, 8, {1, 4, 7});
        Preferences prefs;
        TfrmTableOfContent dialog(prefs, "", nullptr);
        QTableWidget* grid = Grid(dialog);
        QCOMPARE(RunExecute(dialog, book, 5, [&] { DoubleClickRow(grid, 2); }), 7);
        QCOMPARE(RunExecute(dialog, book, 5, [&] { DoubleClickRow(grid, 0); }), 1);
        QCOMPARE(RunExecute(dialog, book, 8,
                            [&] {
                                QTest::keyClick(grid, Qt::Key_Up);
                                QTest::keyClick(grid, Qt::Key_Return);
                            }),
                 4);
        // A page cell that holds no number chooses nothing.
        QCOMPARE(RunExecute(dialog, book, 5,
                            [&] {
                                grid->item(1, 3)->setText("--");
                                DoubleClickRow(grid, 1);
                            }),
                 -1);
    }

    void opensCentredOnItsParentEveryTime() {
        Workspace ws;
        const TMusicBook& book = MakeBook(ws, 2, {});
        QWidget main;
        main.setGeometry(40, 30, 700, 540);  // inside the offscreen screen of 800 x 600
        main.show();
        Preferences prefs;
        TfrmTableOfContent dialog(prefs, "", &main);
        for (int showing = 0; showing < 2; ++showing) {
            QPoint offset;
            RunExecute(dialog, book, 1, [&] {
                offset = dialog.frameGeometry().center() - main.frameGeometry().center();
                dialog.move(5, 5);  // the user drags it aside before closing
                dialog.reject();
            });
            QVERIFY2(offset.manhattanLength() <= 4, qPrintable(QString("showing %1 is off by %2,%3")
                                                                   .arg(showing)
                                                                   .arg(offset.x())
                                                                   .arg(offset.y())));
        }
    }

    void columnsFitTheGridOnEveryResize() {
        Workspace ws;
        Preferences prefs;
        TfrmTableOfContent dialog(prefs, "", nullptr);
        QTableWidget* grid = Grid(dialog);
        for (int rowsWanted : {3, 60}) {
            const TMusicBook& book = MakeBook(ws, rowsWanted, {});
            for (int p = 2; p <= rowsWanted; ++p) book.GetSheet(p - 1)->SetTitle("t");
            for (QSize size : {QSize(560, 460), QSize(900, 300), QSize(420, 600)}) {
                RunExecute(dialog, book, 1, [&] {
                    dialog.resize(size);
                    QCoreApplication::processEvents();
                    QCOMPARE(grid->columnWidth(1), 35);
                    QCOMPARE(grid->columnWidth(2), 150);
                    QCOMPARE(grid->columnWidth(3), 50);
                    const int used = grid->horizontalHeader()->length();
                    const int room = grid->viewport()->width();
                    QVERIFY2(used <= room, "the columns overflow the grid");
                    QVERIFY2(room - used <= 24, "the title column leaves a gap");
                    QVERIFY(!grid->horizontalScrollBar()->isVisible());
                    dialog.reject();
                });
            }
        }
    }

    void headingIsPaintedOnTheTitleStrip() {
        Workspace ws;
        TMusicBook& book = MakeBook(ws, 1, {});
        book.SetTitle(Sjis("二胡練習曲集"));
        Preferences prefs;
        TfrmTableOfContent dialog(prefs, "", nullptr);
        QImage strip;
        RunExecute(dialog, book, 1, [&] {
            strip = dialog.findChild<QLabel*>("imgTitle")->pixmap().toImage();
            dialog.reject();
        });
        QVERIFY(!strip.isNull());
        int black = 0;
        for (int y = 30; y < std::min(strip.height(), 70); ++y)
            for (int x = 10; x < std::min(strip.width(), 300); ++x)
                if (qGray(strip.pixel(x, y)) < 40) ++black;
        QVERIFY2(black > 200, "no heading text on the title strip");
    }

    void sizeIsReadFromAndWrittenToTheSettingsFile() {
        const std::string path = SettingsPath();
        QVERIFY(WritePreferenceKey(path, "Location", "FormTableOfContentsWidth", 610));
        QVERIFY(WritePreferenceKey(path, "Location", "FormTableOfContentsHeight", 430));
        Preferences prefs;
        {
            TfrmTableOfContent dialog(prefs, path, nullptr);
            QCOMPARE(dialog.size(), QSize(610, 430));
            dialog.resize(700, 520);
        }
        QCOMPARE(ReadPreferenceInt(path, "Location", "FormTableOfContentsWidth", 0), 700);
        QCOMPARE(ReadPreferenceInt(path, "Location", "FormTableOfContentsHeight", 0), 520);
        QCOMPARE(prefs.FormTableOfContentsWidth, 700);
        Preferences fresh;
        TfrmTableOfContent again(fresh, path, nullptr);
        QCOMPARE(again.size(), QSize(700, 520));
    }

    void zeroOrMissingSizeMeansTheDesignSize() {
        Preferences prefs;
        TfrmTableOfContent design(prefs, "", nullptr);
        const QSize designSize = design.size();
        QVERIFY(designSize.width() > 300 && designSize.height() > 200);

        const std::string path = SettingsPath() + "-zero";
        QVERIFY(WritePreferenceKey(path, "Location", "FormTableOfContentsWidth", 0));
        QVERIFY(WritePreferenceKey(path, "Location", "FormTableOfContentsHeight", 0));
        Preferences zero;
        TfrmTableOfContent fromZero(zero, path, nullptr);
        QCOMPARE(fromZero.size(), designSize);

        Preferences missing;
        TfrmTableOfContent fromMissing(missing, SettingsPath() + "-missing", nullptr);
        QCOMPARE(fromMissing.size(), designSize);
    }
};

QTEST_MAIN(TableOfContentTest)
#include "tableofcontent_test.moc"
