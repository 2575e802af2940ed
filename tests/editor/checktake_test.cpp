// SPDX-License-Identifier: GPL-3.0-or-later
// A checked take shown over the page: the bands of intonation and their
// marks, the list worst first and a click on it showing the note, and the
// marks going with any change of the book, another book, Escape and the
// menu; a rendered take of the demo book's first page checked end to end.
#include <QDockWidget>
#include <QHeaderView>
#include <QProgressDialog>
#include <QStatusBar>
#include <QTreeWidget>
#include <QtTest>
#include <cmath>

#include "editor/document/editordocument.h"
#include "editor/document/transaction.h"
#include "editor/mainwindow/filecommands.h"
#include "editor/mainwindow/pagecommands.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/scorepaintbox.h"
#include "editor/platform/ownsettings.h"
#include "editor/practice/checkcommands.h"
#include "editor/practice/checklistdock.h"
#include "editor/practice/checkmarks.h"
#include "editor/practice/frmtuner.h"
#include "mainwindowfixture.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "testrecordings.h"

using namespace sorvel;
using namespace sorvel::testing;

namespace {

practice::CheckedNote Played(double cents) {
    practice::CheckedNote n;
    n.status = practice::NoteStatus::kOk;
    n.cents = cents;
    return n;
}

practice::CheckedNote Missed() {
    return practice::CheckedNote();
}

// A check of the written notes with the cents given, note by note (NaN:
// missed); notes beyond the list are played in tune.
practice::TakeCheck CheckOf(const std::vector<practice::WrittenNote>& written,
                            const std::vector<double>& cents) {
    practice::TakeCheck check;
    for (std::size_t i = 0; i < written.size(); ++i) {
        const double c = i < cents.size() ? cents[i] : 0.0;
        practice::CheckedNote n = std::isnan(c) ? Missed() : Played(c);
        n.written = written[i];
        n.timingMs = 10.0 * static_cast<double>(i);
        check.notes.push_back(n);
    }
    return check;
}

}  // namespace

class CheckTakeTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f_;
    std::vector<practice::WrittenNote> written_;

    CheckCommands& Commands() { return *f_->window->findChild<CheckCommands*>("CheckCommands"); }
    QTreeWidget& List() { return Commands().List().List(); }

private Q_SLOTS:
    void init() {
        f_ = std::make_unique<MainWindowFixture>();
        QVERIFY(f_->window->Files().OpenPath(SORVEL_EXAMPLES_DIR "/demo.svl"));
        f_->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f_->window.get()));
        UserText error;
        written_ = practice::WrittenNotesOf(f_->window->Book(), 0, &error);
        QVERIFY(written_.size() >= 8);
    }
    void cleanup() { f_.reset(); }

    void theBandsAreTenAndTwentyFiveCents() {
        QCOMPARE(BandOf(Played(0)), IntonationBand::Close);
        QCOMPARE(BandOf(Played(10)), IntonationBand::Close);
        QCOMPARE(BandOf(Played(-10)), IntonationBand::Close);
        QCOMPARE(BandOf(Played(10.4)), IntonationBand::Near);
        QCOMPARE(BandOf(Played(-25)), IntonationBand::Near);
        QCOMPARE(BandOf(Played(25.2)), IntonationBand::Far);
        QCOMPARE(BandOf(Played(-200)), IntonationBand::Far);
        QCOMPARE(BandOf(Missed()), IntonationBand::Missed);
        // Four colours, each clearly apart from the others.
        const IntonationBand bands[] = {IntonationBand::Close, IntonationBand::Near,
                                        IntonationBand::Far, IntonationBand::Missed};
        for (IntonationBand a : bands)
            for (IntonationBand b : bands)
                if (a != b) {
                    const QColor x = BandColour(a), y = BandColour(b);
                    QVERIFY(std::hypot(x.red() - y.red(), x.green() - y.green(),
                                       x.blue() - y.blue()) > 60);
                }
    }

    // Marks only for the page shown; a note played twice keeps its worse
    // playing; the list has the worst first and the missed last.
    void marksAndListOrder() {
        practice::TakeCheck check = CheckOf(written_, {3, -40, std::nan(""), 12, -18});
        // The first note played again (a repeat), badly.
        practice::CheckedNote again = Played(30);
        again.written = written_[0];
        check.notes.push_back(again);
        CheckOverlay overlay;
        overlay.Set(check);
        const TMusicSheet* first = written_[0].item->Sheet().Book().GetSheet(0);
        const std::vector<OverlayMark> marks = overlay.MarksOn(first);
        int onFirst = 0;
        for (const auto& n : written_) onFirst += &n.item->Sheet() == first;
        QCOMPARE(static_cast<int>(marks.size()), onFirst);
        for (const OverlayMark& m : marks) {
            if (m.note == written_[0].item) QCOMPARE(m.band, IntonationBand::Far);
            if (m.note == written_[2].item) QCOMPARE(m.band, IntonationBand::Missed);
            if (m.note == written_[4].item) QCOMPARE(m.band, IntonationBand::Near);
        }
        const std::vector<int> order = overlay.ListOrder();
        QCOMPARE(order.size(), check.notes.size());
        QCOMPARE(order[0], 1);                                  // -40
        QCOMPARE(order[1], static_cast<int>(written_.size()));  // the repeat's +30
        QCOMPARE(order[2], 4);                                  // -18
        QCOMPARE(order.back(), 2);                              // missed
        QCOMPARE(overlay.BandCounts()[static_cast<int>(IntonationBand::Missed)], 1);
    }

    // The list in the window, and a click on a row: the note's page, the
    // note selected.
    void aClickInTheListShowsTheNote() {
        std::vector<double> cents(written_.size(), 2.0);
        const std::size_t last = written_.size() - 1;
        cents[last] = 44;  // the worst, on the last page that has notes
        Commands().ShowCheck(CheckOf(written_, cents));
        QVERIFY(Commands().List().isVisible());
        QCOMPARE(List().topLevelItemCount(), static_cast<int>(written_.size()));
        QCOMPARE(Commands().List().NoteOfRow(0), static_cast<int>(last));
        QCOMPARE(List().topLevelItem(0)->text(3), QString("+44"));
        QCOMPARE(List().topLevelItem(0)->text(0), QString::number(written_[last].page));
        QVERIFY(f_->window->statusBar()->currentMessage().contains("1"));
        f_->window->ShowPage(1, true);
        if (written_[last].page == 1) PageCommands::Of(*f_->window)->NextPage();
        QCoreApplication::processEvents();
        const QRect row = List().visualItemRect(List().topLevelItem(0));
        // The list is wide enough to show every column.
        for (int c = 0; c < List().columnCount(); ++c) {
            const int right =
                List().header()->sectionViewportPosition(c) + List().header()->sectionSize(c);
            QVERIFY(right <= List().viewport()->width());
        }
        QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(f_->window->PageNo(), written_[last].page);
        // Showing a note changes nothing of the book: the marks stay.
        QVERIFY(!Commands().Overlay().Empty());
        QCOMPARE(f_->window->View().Selection().size(), std::size_t(1));
        QCOMPARE(f_->window->View().Selection()[0],
                 static_cast<TMusicItem*>(const_cast<TNote*>(written_[last].item)));
    }

    // The marks are painted over the page in their band's colour.
    void theMarksArePaintedOverThePage() {
        f_->window->ShowPage(written_[0].page, true);
        std::vector<double> cents(written_.size(), 60.0);
        Commands().ShowCheck(CheckOf(written_, cents));
        ScorePaintBox& box = f_->window->PaintBox();
        const QImage image = box.grab().toImage();
        const TNote& note = *written_[0].item;
        const QRect around =
            box.ToWidget(QRect(note.PosX() - note.Width(), note.PosY() - note.Height(),
                               2 * note.Width(), 2 * note.Height()));
        const QColor far = BandColour(IntonationBand::Far);
        int painted = 0;
        for (int y = around.top(); y <= around.bottom(); ++y)
            for (int x = around.left(); x <= around.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                painted += std::abs(c.red() - far.red()) < 30 &&
                           std::abs(c.green() - far.green()) < 30 &&
                           std::abs(c.blue() - far.blue()) < 30;
            }
        QVERIFY(painted > 10);
        Commands().ClearCheck();
        const QImage clean = box.grab().toImage();
        QVERIFY(clean != image);
    }

    void anyEditClearsTheMarks() {
        Commands().ShowCheck(CheckOf(written_, {40}));
        QVERIFY(!Commands().Overlay().Empty());
        TMusicSheet* page = f_->window->Book().GetSheet(0);
        f_->window->Document().Edit("title", [&](Transaction&) { page->SetTitle("x"); });
        QVERIFY(Commands().Overlay().Empty());
        QVERIFY(!Commands().List().isVisible());
        QCOMPARE(List().topLevelItemCount(), 0);
        // Undo is a change too.
        Commands().ShowCheck(CheckOf(written_, {40}));
        f_->window->Undo();
        QVERIFY(Commands().Overlay().Empty());
    }

    void anotherBookClearsTheMarks() {
        Commands().ShowCheck(CheckOf(written_, {40}));
        f_->dialogs.saveAnswers.push_back(SaveAnswer::No);
        f_->window->Files().NewBook();
        QVERIFY(Commands().Overlay().Empty());
        QVERIFY(!Commands().List().isVisible());
        // The view paints the new book without touching the old notes.
        f_->window->PaintBox().grab();
    }

    void escapeInTheListAndTheMenuClear() {
        Commands().ShowCheck(CheckOf(written_, {40}));
        QCoreApplication::processEvents();
        List().setFocus();
        QTest::keyClick(&List(), Qt::Key_Escape);
        QVERIFY(Commands().Overlay().Empty());
        Commands().ShowCheck(CheckOf(written_, {40}));
        f_->window->Action("actClearCheck")->trigger();
        QVERIFY(Commands().Overlay().Empty());
    }

    // A take of the demo book's first page, played as written with one note
    // 35 cents sharp: that note is the worst, far off; the rest close.
    void aRenderedTakeIsChecked() {
        UserText error;
        const auto page = practice::WrittenNotesOf(f_->window->Book(), 1, &error);
        QVERIFY(page.size() >= 4);
        const std::size_t sharp = page.size() / 2;
        std::vector<Tone> tones;
        for (std::size_t i = 0; i < page.size(); ++i)
            tones.push_back({page[i].midi + (i == sharp ? 0.35 : 0.0), page[i].length});
        QTemporaryDir dir;
        const QString wav = dir.filePath("take.wav");
        QVERIFY(WriteWav(wav, RenderMelody(tones)));
        QVERIFY2(Commands().CheckPath(wav, 1), qPrintable(f_->dialogs.errors.join("\n")));
        const practice::TakeCheck& check = Commands().Overlay().Check();
        QCOMPARE(check.notes.size(), page.size());
        QCOMPARE(Commands().List().NoteOfRow(0), static_cast<int>(sharp));
        QCOMPARE(BandOf(check.notes[sharp]), IntonationBand::Far);
        int close = 0;
        for (const auto& n : check.notes) close += BandOf(n) == IntonationBand::Close;
        QVERIFY(close >= static_cast<int>(page.size()) - 2);

        // Against the reference A4 = 442 of the options, the same take is
        // 7.85 cents flat.
        setting::kTunerReferenceA4.Write(f_->SettingsPath().toStdString(), 442);
        QVERIFY(Commands().CheckPath(wav, 1));
        int flat = 0;
        for (const auto& n : Commands().Overlay().Check().notes)
            flat += std::fabs(n.cents + 7.85) < 3;
        QVERIFY(flat >= static_cast<int>(page.size()) - 2);

        // Cancelled: nothing changes.
        Commands().SetDialogs({{}, {}, [](QProgressDialog& d) { d.cancel(); }});
        QVERIFY(!Commands().CheckPath(wav, 1));
        QCOMPARE(Commands().Overlay().Check().notes.size(), page.size());
        // A file that is no recording: said, and nothing shown.
        Commands().ClearCheck();
        Commands().SetDialogs({});
        QFile junk(dir.filePath("junk.wav"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not audio at all");
        junk.close();
        QVERIFY(!Commands().CheckPath(junk.fileName(), 1));
        QVERIFY(!f_->dialogs.errors.isEmpty());
        QVERIFY(Commands().Overlay().Empty());
    }
};

QTEST_MAIN(CheckTakeTest)
#include "checktake_test.moc"
