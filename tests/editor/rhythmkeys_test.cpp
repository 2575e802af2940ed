// SPDX-License-Identifier: GPL-3.0-or-later
// Rhythm entry's keys in the window: the nearest octave and its option in the
// options dialog, accidentals and grace notes typed onto the notes, "/" that
// closes a pickup and says so, what the status line shows, and the length it
// shows after a new book.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QStatusBar>
#include <QtTest>

#include "editor/dialogs/frmsetinfo.h"
#include "editor/mainwindow/settingscommands.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/scorepaintbox.h"
#include "editor/platform/ownsettings.h"
#include "mainwindowfixture.h"
#include "model/daon.h"
#include "model/itemfactory.h"
#include "model/musicmark.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "view/core/pagelayout.h"

using namespace sorvel;

namespace {

struct Window {
    MainWindowFixture f;
    TfrmMain& w() { return *f.window; }
    TMusicSheet& sheet() { return *w().CurrentPage(); }
    int slot(int k) { return PageLayout(w().Workspace().layout).SlotX(k); }
    int row(int r) { return PageLayout(w().Workspace().layout).RowBase(r); }
    ScorePaintBox& box() { return w().PaintBox(); }
    void start() {
        w().Action("actRhythmEntry")->trigger();
        QTest::mouseClick(&box(), Qt::LeftButton, {}, QPoint(slot(1), row(1)));
    }
    void type(const QString& keys) {
        for (QChar c : keys) {
            if (c != ' ') QTest::keyClick(&box(), c.toLatin1());
        }
    }
    QString label() { return w().findChild<QLabel*>("lblRhythmEntry")->text(); }
    QString status() { return w().statusBar()->currentMessage(); }
    // The numerals of row 1 in slot order: accidental, digit, octave dots.
    QStringList pitches() {
        QList<QPair<int, QString>> found;
        for (int i = 0; i < sheet().ItemCount(); ++i) {
            const TNote* note = sheet().GetItem(i)->As<TNote>();
            if (!note || note->PosY() != row(1) || note->Content() == "8") continue;
            QString text = note->Rinji() == "`" ? "#" : note->Rinji() == "a" ? "b" : "";
            text += QString::fromStdString(note->Content());
            text += QString(std::max(0, note->Octave()), '\'');
            text += QString(std::max(0, -note->Octave()), ',');
            found.append({note->PosX(), text});
        }
        std::sort(found.begin(), found.end());
        QStringList out;
        for (const auto& n : found) out << n.second;
        return out;
    }
    int count(ItemClass kind) {
        int n = 0;
        for (int i = 0; i < sheet().ItemCount(); ++i) n += sheet().GetItem(i)->Class() == kind;
        return n;
    }
};

}  // namespace

class RhythmKeysTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void digitsGoToTheNearestOctaveUnlessTheOptionIsOff() {
        Window t;
        t.start();
        t.type("5 1 6 3 x 5");
        QCOMPARE(t.pitches(), (QStringList{"5", "1'", "6", "3'", "5'"}));
        // The options dialog shows the option, and off digits keep the middle octave.
        TfrmMain& w = t.w();
        SettingsCommands* settings = SettingsCommands::Of(w);
        QVERIFY(settings);
        TfrmSetInfo& dialog = settings->Dialog();
        dialog.Prepare(SetInfoMode::Option);
        auto* option = dialog.findChild<QCheckBox*>("chkRhythmAutoOctave");
        QVERIFY(option);
        QCOMPARE(option->text(), QString::fromUtf8("オクターブを自動で決める"));
        QVERIFY(option->isChecked());
        option->setChecked(false);
        QVERIFY(dialog.Confirm());
        dialog.Apply();
        Q_EMIT settings->optionsApplied();
        QCOMPARE(setting::kRhythmNearestOctave.Read(w.SettingsPath()), 0);
        QTest::mouseClick(&t.box(), Qt::LeftButton, {}, QPoint(t.slot(1), t.row(3)));
        t.type("5 1 6");
        QStringList third;
        for (int i = 0; i < t.sheet().ItemCount(); ++i) {
            const TNote* note = t.sheet().GetItem(i)->As<TNote>();
            if (note && note->PosY() == t.row(3)) third << QString::number(note->Octave());
        }
        QCOMPARE(third, (QStringList{"0", "0", "0"}));
        // Kept for the next start.
        w.close();
        t.f.Start();
        settings = SettingsCommands::Of(t.w());
        settings->Dialog().Prepare(SetInfoMode::Option);
        QVERIFY(!settings->Dialog().findChild<QCheckBox*>("chkRhythmAutoOctave")->isChecked());
    }

    void accidentalKeysGoOnTheNoteJustTypedAsOneStepEach() {
        Window t;
        t.start();
        t.type("1 2 3");
        const int steps = t.w().Workspace().undo.UndoCount();
        t.type("#");
        QCOMPARE(t.w().Workspace().undo.UndoCount(), steps + 1);
        t.type("4 b 5");
        QCOMPARE(t.pitches(), (QStringList{"1", "2", "#3", "b4", "5"}));
        QCOMPARE(t.count(ItemClass::BarLine), 4 + 1);  // the page's own four and the typed bar's
        t.w().Undo();
        t.w().Undo();
        QCOMPARE(t.pitches(), (QStringList{"1", "2", "#3", "4"}));
        QCOMPARE(t.w().View().KeyCursor(), (CursorPos{t.slot(10), t.row(1)}));
    }

    void gAndADigitMakeAGraceNoteShownUntilItsNoteComes() {
        Window t;
        t.start();
        t.type("3 g 5");
        QCOMPARE(t.label(), QString::fromUtf8("リズム入力: 4分音符　装飾音 5"));
        t.type("g");
        QCOMPARE(t.label(), QString::fromUtf8("リズム入力: 4分音符　装飾音 5 …"));
        t.type("6 x #");
        QCOMPARE(t.status(), QString::fromUtf8("装飾音には臨時記号を付けられません。"));
        t.type("3");
        QCOMPARE(t.label(), QString::fromUtf8("リズム入力: 4分音符"));
        QCOMPARE(t.count(ItemClass::DaonLeft), 1);
        const TDaonLeft* group = nullptr;
        for (int i = 0; i < t.sheet().ItemCount(); ++i) {
            if (const auto* g = t.sheet().GetItem(i)->As<TDaonLeft>()) group = g;
        }
        QCOMPARE(group->AllNoteData(), std::string("53 64  3  3 "));
        // Placed on its note as the palette places it: above by its share of "8".
        const TNote* three = group->GetLink(0)->As<TNote>();
        QVERIFY(three && three->PosX() == t.slot(3));
        const EightSize eight = t.w().View().MarkEightSize();
        QCOMPARE(group->PosY(), three->PosY() - eight.height * group->AttachRateY() / 100);
        QCOMPARE(t.pitches(), (QStringList{"3", "3'"}));  // the 3 near the high grace 6
    }

    void slashClosesAPickupAndTheStatusLineSaysSo() {
        Window t;
        t.w().Document().Edit("test", [&](Transaction&) {
            TBeat* beat = CreateItem<TBeat>(t.sheet());
            beat->SetContent("\"");  // 2/4
            beat->SetPosX(t.slot(0));
            beat->SetPosY(t.row(1));
        });
        t.start();
        t.type("5 c 6 /");
        QCOMPARE(t.status(),
                 QString::fromUtf8("弱起の小節を閉じました。次の音符から小節が始まります。"));
        QCOMPARE(t.w().View().KeyCursor(), (CursorPos{t.slot(6), t.row(1)}));
        t.type("1 v 2");
        QCOMPARE(t.w().View().KeyCursor(), (CursorPos{t.slot(15), t.row(1)}));
        QCOMPARE(t.count(ItemClass::BarLine), 4 + 2);
    }

    void aSlurTypedOnTheLastNoteKeepsAWidth() {
        Window t;
        t.start();
        t.type("5 s");
        const TMusicItem* slur = nullptr;
        for (int i = 0; i < t.sheet().ItemCount(); ++i) {
            if (t.sheet().GetItem(i)->Class() == ItemClass::Slur) slur = t.sheet().GetItem(i);
        }
        QVERIFY(slur);
        QVERIFY2(slur->Width() > 0, qPrintable(QString::number(slur->Width())));
    }

    // A new book starts its entry anew: the status line shows the length the
    // first note will have.
    void aNewBookShowsTheLengthOfItsFirstNote() {
        Window t;
        t.start();
        t.type("5 c");
        QCOMPARE(t.label(), QString::fromUtf8("リズム入力: 8分音符"));
        // What File > New does once the save question is answered.
        t.w().Document().ReplaceWithNewBook();
        QCOMPARE(t.label(), QString::fromUtf8("リズム入力: 4分音符"));
        QTest::mouseClick(&t.box(), Qt::LeftButton, {}, QPoint(t.slot(1), t.row(1)));
        t.type("5");
        const TNote* note = nullptr;
        for (int i = 0; i < t.sheet().ItemCount(); ++i) {
            if (const TNote* n = t.sheet().GetItem(i)->As<TNote>()) note = n;
        }
        QVERIFY(note);
        QCOMPARE(note->Length(), 0);
    }
};

QTEST_MAIN(RhythmKeysTest)
#include "rhythmkeys_test.moc"
