// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's MusicXML commands: a staff score imported as a new unsaved
// book with the summary in the status bar, refused files leaving the open
// book alone, and the book saved as MusicXML that reads back.
#include <QFile>
#include <QMenu>
#include <QStatusBar>
#include <QtTest>

#include "base/cp932.h"
#include "editor/mainwindow/musicxmlcommands.h"
#include "interchange/musicxmlreader.h"
#include "mainwindowfixture.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "model/note.h"

using namespace sorvel;

namespace {

const QString kSamples = QStringLiteral(SORVEL_MUSICXML_SAMPLES);

int CountNotes(const TMusicBook& book) {
    int notes = 0;
    for (int p = 0; p < book.SheetCount(); ++p) {
        const TMusicSheet& page = *book.GetSheet(p);
        for (int i = 0; i < page.ItemCount(); ++i) notes += page.GetItem(i)->As<TNote>() != nullptr;
    }
    return notes;
}

struct MusicXmlWindow : MainWindowFixture {
    MusicXmlWindow() {
        commands = window->findChild<MusicXmlCommands*>("MusicXmlCommands");
        MusicXmlDialogs d;
        d.askImportPath = [this](QWidget*, const QString&) { return importPath; };
        d.askExportPath = [this](QWidget*, const QString&, const QString& proposal) {
            proposals << proposal;
            return exportPath;
        };
        d.askPart = [this](QWidget*, const QStringList& parts, int preselected) {
            offeredParts = parts;
            offeredChoice = preselected;
            return partAnswer < 0 ? preselected : partAnswer;
        };
        commands->SetDialogs(d);
    }
    void Trigger(const char* name) { window->Action(name)->trigger(); }

    MusicXmlCommands* commands = nullptr;
    QString importPath, exportPath;
    QStringList proposals;
    QStringList offeredParts;
    int offeredChoice = 0;
    int partAnswer = -1;  // -1 takes the preselected part, 0 cancels
};

}  // namespace

class MusicXmlCommandsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void bothEntriesFollowThePdfEntry() {
        MusicXmlWindow f;
        QVERIFY(f.commands);
        const QList<QAction*> file = f.window->findChild<QMenu*>("mnuFile")->actions();
        const qsizetype at = file.indexOf(f.window->Action("actSavePdf"));
        QCOMPARE(file.value(at + 1)->text(), QString::fromUtf8("MusicXMLを読み込む(&L)..."));
        QCOMPARE(file.value(at + 2)->text(), QString::fromUtf8("MusicXMLで保存(&E)..."));
        QVERIFY(file.value(at + 1)->isEnabled());
        QVERIFY(file.value(at + 2)->isEnabled());
    }

    void anImportedScoreIsANewUnsavedBookWithItsSummary() {
        MusicXmlWindow f;
        f.importPath = kSamples + "/JohannSebastianBach_Air.xml";
        f.Trigger("actImportMusicXml");
        QVERIFY(f.dialogs.errors.isEmpty());
        TfrmMain& w = *f.window;
        QVERIFY(w.IsModified());
        QCOMPARE(w.PageNo(), 1);
        QVERIFY(w.windowTitle().startsWith(QString::fromUtf8("無題")));
        QVERIFY(CountNotes(w.Book()) > 100);
        QVERIFY(!w.Workspace().undo.CanUndo());
        QVERIFY(w.statusBar()->currentMessage().startsWith(
            QString::fromUtf8("MusicXMLを読み込みました")));
        // Closing now asks to save it.
        f.dialogs.saveAnswers = {SaveAnswer::Cancel};
        QVERIFY(!w.close());
        QCOMPARE(f.dialogs.saveQuestions, 1);
    }

    void aScoreOfSeveralPartsAsksWhichToRead() {
        MusicXmlWindow f;
        f.importPath = kSamples + "/Dichterliebe01.xml";
        f.partAnswer = 0;
        TMusicBook* before = &f.window->Book();
        f.Trigger("actImportMusicXml");
        QCOMPARE(f.offeredParts.size(), 2);
        QCOMPARE(f.offeredChoice, 1);  // the first part with notes
        QVERIFY(f.offeredParts.first().startsWith("1: "));
        QCOMPARE(&f.window->Book(), before);  // cancelled: nothing read
        QVERIFY(!f.window->IsModified());

        f.partAnswer = 2;
        f.Trigger("actImportMusicXml");
        QVERIFY(f.dialogs.errors.isEmpty());
        QVERIFY(f.window->IsModified());
        QVERIFY(f.window->statusBar()->currentMessage().contains(QString::fromUtf8("パート 2/2")));
    }

    void aScoreOfOnePartAsksNothing() {
        MusicXmlWindow f;
        f.importPath = kSamples + "/HelloWorld.xml";
        f.Trigger("actImportMusicXml");
        QVERIFY(f.offeredParts.isEmpty());
        QVERIFY(f.window->IsModified());
    }

    void aFileThatIsNotAScoreLeavesTheOpenBookAlone() {
        MusicXmlWindow f;
        TMusicBook* before = &f.window->Book();
        f.importPath = f.Path("broken.musicxml");
        QFile broken(f.importPath);
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("<score-partwise><part id=\"P1\"><measure");
        broken.close();
        f.Trigger("actImportMusicXml");
        QCOMPARE(f.dialogs.errors.size(), 1);
        QCOMPARE(&f.window->Book(), before);
        QVERIFY(!f.window->IsModified());
    }

    void theBookSavedAsMusicXmlReadsBack() {
        MusicXmlWindow f;
        f.importPath = kSamples + "/HelloWorld.xml";
        f.Trigger("actImportMusicXml");
        QVERIFY(f.dialogs.errors.isEmpty());
        f.exportPath = f.Path("out.musicxml");
        f.Trigger("actExportMusicXml");
        QVERIFY(f.dialogs.errors.isEmpty());
        QCOMPARE(f.proposals.size(), 1);
        QVERIFY(f.proposals.first().endsWith(".musicxml"));
        const interchange::MusicXmlReadResult back =
            interchange::ReadMusicXmlFile(f.exportPath.toStdString());
        QVERIFY2(back.ok, back.message.Japanese().c_str());
        QVERIFY(!back.score.measures.empty());
        // Exporting does not change the book.
        QVERIFY(f.window->IsModified());
    }

    // Characters XML cannot hold are left out of the file, and the status
    // bar says how many, after the usual words.
    void charactersXmlCannotHoldAreCountedInTheStatusBar() {
        MusicXmlWindow f;
        f.importPath = kSamples + "/HelloWorld.xml";
        f.Trigger("actImportMusicXml");
        TfrmMain& w = *f.window;
        w.Document().Edit("title", [&](Transaction&) {
            w.Book().GetSheet(0)->SetTitle(cp932::FromUtf8("Hello\uFFFF World\uFFFE"));
        });
        f.exportPath = f.Path("out.musicxml");
        f.Trigger("actExportMusicXml");
        QVERIFY(f.dialogs.errors.isEmpty());
        const QString status = w.statusBar()->currentMessage();
        QVERIFY2(status.startsWith(QStringLiteral("MusicXMLで保存しました: ")), qPrintable(status));
        QVERIFY2(status.endsWith(QStringLiteral(" MusicXMLに書けない文字を2個省きました。")),
                 qPrintable(status));
        QFile out(f.exportPath);
        QVERIFY(out.open(QIODevice::ReadOnly));
        QVERIFY(out.readAll().contains("<work-title>Hello World</work-title>"));
    }

    void aFolderThatCannotBeWrittenIsReported() {
        MusicXmlWindow f;
        f.exportPath = f.Path("no/such/folder/out.musicxml");
        f.Trigger("actExportMusicXml");
        QCOMPARE(f.dialogs.errors.size(), 1);
    }
};

QTEST_MAIN(MusicXmlCommandsTest)
#include "musicxml_test.moc"
