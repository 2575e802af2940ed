// SPDX-License-Identifier: GPL-3.0-or-later
// The File menu's transcription commands: a recording opened as a new unsaved
// book with its summary and the notes to check selected, a cancel or a
// recording without music leaving the open book alone, and a take from the
// record dialog's buffer (fed generated blocks, no device) transcribed alike.
#include <QFile>
#include <QMenu>
#include <QProgressDialog>
#include <QStatusBar>
#include <QtTest>
#include <cmath>
#include <numbers>

#include "editor/listening/clicktrack.h"
#include "editor/listening/recordingbuffer.h"
#include "editor/listening/transcribecommands.h"
#include "editor/pageview/musicpaintbox.h"
#include "mainwindowfixture.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "testrecordings.h"

using namespace sorvel;
using namespace sorvel::testing;

namespace {

struct TranscribeWindow : MainWindowFixture {
    TranscribeWindow() {
        commands = window->findChild<TranscribeCommands*>("TranscribeCommands");
        TranscribeDialogs d;
        d.askRecordingPath = [this](QWidget*, const QString& folder) {
            askedFolders << folder;
            return recordingPath;
        };
        d.record = [this](QWidget*, const std::string&, RecordedTake& t) {
            ++recordings;
            t = take;
            return !take.samples.empty();
        };
        d.progressShown = [this](QProgressDialog& dialog) {
            ++progressDialogs;
            if (cancel) dialog.cancel();
        };
        commands->SetDialogs(d);
    }
    void Trigger(const char* name) { window->Action(name)->trigger(); }
    QString Recording(const QString& name, const std::vector<float>& samples) {
        const QString path = Path(name);
        if (!WriteWav(path, samples)) qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    TranscribeCommands* commands = nullptr;
    QString recordingPath;
    QStringList askedFolders;
    RecordedTake take;
    int recordings = 0;
    int progressDialogs = 0;
    bool cancel = false;
};

}  // namespace

class TranscribeCommandsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void bothCommandsFollowTheMusicXmlEntries() {
        TranscribeWindow f;
        QVERIFY(f.commands);
        const QList<QAction*> file = f.window->findChild<QMenu*>("mnuFile")->actions();
        const qsizetype at = file.indexOf(f.window->Action("actExportMusicXml"));
        QVERIFY(file.value(at + 1)->isSeparator());
        QCOMPARE(file.value(at + 2)->text(), QString::fromUtf8("録音ファイルから採譜(&T)..."));
        QCOMPARE(file.value(at + 3)->text(), QString::fromUtf8("録音して採譜(&R)..."));
        QVERIFY(file.value(at + 2)->isEnabled());
        QVERIFY(file.value(at + 3)->isEnabled());
    }

    void aRecordingIsANewUnsavedBookWithItsSummary() {
        TranscribeWindow f;
        f.recordingPath = f.Recording("scale.wav", RenderMelody(Scale()));
        f.Trigger("actTranscribeFile");
        QVERIFY2(f.dialogs.errors.isEmpty(), qPrintable(f.dialogs.errors.join("\n")));
        TfrmMain& w = *f.window;
        QCOMPARE(f.progressDialogs, 1);
        QVERIFY(w.IsModified());
        QVERIFY(w.windowTitle().startsWith(QString::fromUtf8("無題")));
        QCOMPARE(CountNotes(w.Book()), 8);
        QVERIFY(!w.Workspace().undo.CanUndo());
        const QString summary = w.statusBar()->currentMessage();
        QVERIFY2(summary.startsWith(QString::fromUtf8("録音を譜にしました（音符 8、1＝D")),
                 qPrintable(summary));
        QCOMPARE(f.dialogs.infos.size(), 1);
        QVERIFY(f.dialogs.infos.first().startsWith(summary));
        // The next file dialog opens in the recording's folder.
        f.recordingPath.clear();
        f.Trigger("actTranscribeFile");
        f.dialogs.saveAnswers = {SaveAnswer::No};
        f.Trigger("actTranscribeFile");
        QCOMPARE(f.askedFolders.last(), QFileInfo(f.Path("scale.wav")).absolutePath());
        // Closing asks to save it.
        f.dialogs.saveAnswers = {SaveAnswer::Cancel};
        QVERIFY(!w.close());
    }

    void aDoubtfulPitchIsSelectedForChecking() {
        TranscribeWindow f;
        std::vector<Tone> tones = Scale();
        tones.insert(tones.begin() + 4, Tone{69.5, 0.5});  // between two semitones
        f.recordingPath = f.Recording("doubtful.wav", RenderMelody(tones));
        f.Trigger("actTranscribeFile");
        QVERIFY2(f.dialogs.errors.isEmpty(), qPrintable(f.dialogs.errors.join("\n")));
        const QString summary = f.window->statusBar()->currentMessage();
        QVERIFY2(summary.contains(QString::fromUtf8("確かめたい音 1）")), qPrintable(summary));
        const TSelectedMusicItemList& selection = f.window->View().Selection();
        QCOMPARE(selection.size(), size_t(1));
        const TNote* note = selection.front()->As<TNote>();
        QVERIFY(note && note->selected);
        QCOMPARE(f.window->PageNo(), 1);
        QVERIFY(f.dialogs.infos.first().endsWith(
            QString::fromUtf8("確かめたい音を 1 ページで選択してあります。")));
        // A scale played in tune has nothing to check and selects nothing.
        f.dialogs.saveAnswers = {SaveAnswer::No};
        f.recordingPath = f.Recording("scale.wav", RenderMelody(Scale()));
        f.Trigger("actTranscribeFile");
        QVERIFY(f.window->View().Selection().empty());
        QVERIFY(!f.dialogs.infos.last().contains(QString::fromUtf8("選択してあります")));
    }

    void cancelLeavesTheOpenBookAlone() {
        TranscribeWindow f;
        TMusicBook* before = &f.window->Book();
        f.recordingPath = f.Recording("scale.wav", RenderMelody(Scale()));
        f.cancel = true;
        f.Trigger("actTranscribeFile");
        QCOMPARE(f.progressDialogs, 1);
        QCOMPARE(&f.window->Book(), before);
        QVERIFY(!f.window->IsModified());
        QVERIFY(f.dialogs.errors.isEmpty());
        QVERIFY(f.dialogs.infos.isEmpty());
    }

    void recordingsWithoutMusicAreReportedAndChangeNothing() {
        TranscribeWindow f;
        TMusicBook* before = &f.window->Book();
        f.recordingPath = f.Recording("silent.wav", std::vector<float>(kRate * 2, 0.0f));
        f.Trigger("actTranscribeFile");
        QCOMPARE(f.dialogs.errors, QStringList{QString::fromUtf8("録音は無音です。")});

        f.recordingPath = f.Path("text.wav");
        QFile text(f.recordingPath);
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("not a recording at all\n");
        text.close();
        f.Trigger("actTranscribeFile");
        QCOMPARE(f.dialogs.errors.size(), 2);
        QCOMPARE(&f.window->Book(), before);
        QVERIFY(!f.window->IsModified());
        QVERIFY(f.dialogs.infos.isEmpty());
    }

    void aDeclinedSavePromptAsksForNoRecording() {
        TranscribeWindow f;
        f.recordingPath = f.Recording("scale.wav", RenderMelody(Scale()));
        f.Trigger("actTranscribeFile");
        QVERIFY(f.window->IsModified());
        TMusicBook* before = &f.window->Book();
        f.dialogs.saveAnswers = {SaveAnswer::Cancel, SaveAnswer::Cancel};
        f.Trigger("actTranscribeFile");
        f.Trigger("actRecordTranscribe");
        QCOMPARE(f.askedFolders.size(), 1);
        QCOMPARE(f.recordings, 0);
        QCOMPARE(&f.window->Book(), before);
    }

    void aRecordedTakeIsTranscribedAtTheCountInTempo() {
        // Stereo 16-bit blocks of uneven sizes, after a count-in of 4 beats
        // at ♩ = 120 that the buffer leaves out.
        const std::vector<float> melody = RenderMelody(Scale());
        std::vector<float> withCountIn(static_cast<size_t>(2.0 * kRate), 0.25f);
        withCountIn.insert(withCountIn.end(), melody.begin(), melody.end());
        const QByteArray bytes = Int16Bytes(withCountIn, 2);
        RecordingBuffer buffer({RecordingSampleFormat::Int16, 2, kRate},
                               ClickPlan{kRate, 120, 4, false}.CountInFrames());
        for (qsizetype at = 0, step = 1; at < bytes.size(); at += step, step = step * 3 % 4099 + 1)
            buffer.Append(bytes.constData() + at,
                          static_cast<size_t>(std::min(step, bytes.size() - at)));
        QCOMPARE(buffer.Samples().size(), melody.size());

        TranscribeWindow f;
        f.take = RecordedTake{buffer.Samples(), kRate, 120};
        f.Trigger("actRecordTranscribe");
        QVERIFY2(f.dialogs.errors.isEmpty(), qPrintable(f.dialogs.errors.join("\n")));
        QCOMPARE(f.recordings, 1);
        QCOMPARE(CountNotes(f.window->Book()), 8);
        QVERIFY(f.window->IsModified());
        QVERIFY(f.window->statusBar()->currentMessage().contains(QString::fromUtf8("♩＝120")));
    }

    void aStoppedTakeWithNothingInItIsReported() {
        TranscribeWindow f;
        f.take = RecordedTake{std::vector<float>(kRate, 0.0f), kRate, 0};
        f.Trigger("actRecordTranscribe");
        QCOMPARE(f.dialogs.errors, QStringList{QString::fromUtf8("録音は無音です。")});
        QVERIFY(!f.window->IsModified());
    }
};

QTEST_MAIN(TranscribeCommandsTest)
#include "transcribe_test.moc"
