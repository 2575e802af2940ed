// SPDX-License-Identifier: GPL-3.0-or-later
// The program's file dialogs never open the files they list: a read of a
// file such as /proc/kmsg blocks for good, so a dialog that looked into the
// files of /proc to choose their icons froze the editor. The real open and
// save dialogs are shown on a folder of files, and the kernel's inotify
// reports every open of those files.
// Where they open and what they propose: the last folder any of them used,
// kept across runs, else the documents folder, never the program's own; a
// book never saved proposes its title as the file name.
#include <sys/inotify.h>
#include <unistd.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

#include "base/cp932.h"
#include "editor/dialogs/dialogfolder.h"
#include "editor/dialogs/editordialogs.h"
#include "editor/dialogs/nameonlyiconprovider.h"
#include "editor/mainwindow/musicxmlcommands.h"
#include "editor/mainwindow/printcommands.h"
#include "mainwindowfixture.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "model/preferencesfile.h"

using namespace sorvel;

namespace {

// The names of the files in one folder that were opened since the watch
// began.
class OpenWatch {
public:
    explicit OpenWatch(const QString& folder) : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        if (fd_ >= 0) inotify_add_watch(fd_, QFile::encodeName(folder).constData(), IN_OPEN);
    }
    ~OpenWatch() {
        if (fd_ >= 0) ::close(fd_);
    }
    OpenWatch(const OpenWatch&) = delete;
    OpenWatch& operator=(const OpenWatch&) = delete;

    bool Valid() const { return fd_ >= 0; }
    QStringList OpenedFiles() {
        QStringList names;
        alignas(inotify_event) char buffer[8192];
        for (;;) {
            const ssize_t n = ::read(fd_, buffer, sizeof buffer);
            if (n <= 0) break;
            for (ssize_t at = 0; at < n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                // Events on the folder itself (listing it) carry no name.
                if (event->len > 0 && !(event->mask & IN_ISDIR)) names << QString(event->name);
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
        return names;
    }

private:
    int fd_;
};

void WriteFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) {
        qFatal("cannot write %s", qPrintable(path));
    }
}

}  // namespace

class FileDialogsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString start_;
    QString folder_;

    // What a dialog of the program showed for the folder of files.
    struct Listing {
        bool listed = false;
        bool qtDialog = false;  // Qt's own dialog rather than the desktop's
        QString type;           // the type column of "demo.svl"
    };

    // Runs `ask` (a dialog of the program) and, once its dialog is up, moves
    // it to the folder of files as a user does and waits until the folder is
    // listed; then cancels.
    Listing ListFolder(const std::function<void()>& ask) {
        Listing listing;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) qFatal("no file dialog is shown");
            listing.qtDialog = dialog->testOption(QFileDialog::DontUseNativeDialog);
            if (auto* model = dialog->findChild<QFileSystemModel*>()) {
                QSignalSpy loaded(model, &QFileSystemModel::directoryLoaded);
                dialog->setDirectory(folder_);
                // The updates of the listing come before the news that it is
                // complete; the wait ends on that news (or gives up).
                while (!loaded.contains(QVariantList{folder_}) && loaded.wait()) {
                }
                listing.listed = loaded.contains(QVariantList{folder_});
                listing.type = model->type(model->index(folder_ + "/demo.svl"));
            }
            dialog->reject();
        });
        ask();
        return listing;
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        start_ = dir_.filePath("start");
        folder_ = dir_.filePath("files");
        QVERIFY(QDir().mkpath(start_));
        QVERIFY(QDir().mkpath(folder_));
        // Files whose type only their content tells, a score, a text file
        // and a link to one of them.
        WriteFile(folder_ + "/notes", "plain words of a text file\n");
        WriteFile(folder_ + "/kmsg", "<6>[    0.000000] Linux version\n");
        WriteFile(folder_ + "/demo.svl", "TMusicBook\n");
        WriteFile(folder_ + "/readme.txt", "text\n");
        QVERIFY(QFile::link(folder_ + "/notes", folder_ + "/link"));
    }

    void OpenDialogListsAFolderWithoutOpeningItsFiles() {
        OpenWatch watch(folder_);
        QVERIFY(watch.Valid());
        const Listing listing = ListFolder(
            [this] { AskOpenFile(nullptr, "OpenDialog1", kOpenFilter, kScoreExtension, start_); });
        QVERIFY(listing.listed);
        QVERIFY(!listing.type.isEmpty());
        QCOMPARE(watch.OpenedFiles(), QStringList());
        QVERIFY(listing.qtDialog);
    }

    void SaveDialogListsAFolderWithoutOpeningItsFiles() {
        OpenWatch watch(folder_);
        QVERIFY(watch.Valid());
        const Listing listing = ListFolder([this] {
            AskSaveFile(nullptr, "SaveDialog1", kSaveFilter, kScoreExtension, start_, "new.svl");
        });
        QVERIFY(listing.listed);
        QVERIFY(!listing.type.isEmpty());
        QCOMPARE(watch.OpenedFiles(), QStringList());
        QVERIFY(listing.qtDialog);
    }

    // The provider on its own, for what a listing asks of it.
    void IconsAndTypesComeFromTheNameAlone() {
        OpenWatch watch(folder_);
        QVERIFY(watch.Valid());
        NameOnlyIconProvider icons;
        const QMimeDatabase mimes;
        for (const char* name : {"notes", "kmsg", "demo.svl", "readme.txt", "link"}) {
            const QFileInfo info(folder_ + "/" + name);
            QVERIFY(!icons.icon(info).isNull());
            QVERIFY(!icons.type(info).isEmpty());
        }
        QCOMPARE(icons.type(QFileInfo(folder_ + "/readme.txt")),
                 mimes.mimeTypeForName("text/plain").comment());
        QCOMPARE(icons.type(QFileInfo(folder_ + "/notes")),
                 mimes.mimeTypeForName("application/octet-stream").comment());
        QCOMPARE(icons.type(QFileInfo(folder_)), QFileIconProvider().type(QFileInfo(folder_)));
        QCOMPARE(watch.OpenedFiles(), QStringList());
    }

    void aTitleBecomesASafeFileName() {
        QCOMPARE(FileNameOfTitle("Jasmine"), QString("Jasmine"));
        QCOMPARE(FileNameOfTitle("A/B: C? <D>|\"E\"*\\"), QString("A_B_ C_ _D___E___"));
        QCOMPARE(FileNameOfTitle(QString("　茉莉花 \t")), QString("茉莉花"));
        QCOMPARE(FileNameOfTitle("line\nbreak\x01"), QString("line break_"));
        // Dots at the ends would make a hidden file, or a folder's name.
        QCOMPARE(FileNameOfTitle("..hidden."), QString("hidden"));
        QCOMPARE(FileNameOfTitle("../.."), QString("_"));
        QCOMPARE(FileNameOfTitle(" . "), QString());
        QCOMPARE(FileNameOfTitle(""), QString());
        // Long titles are cut, never inside a character of two halves.
        QCOMPARE(FileNameOfTitle(QString(200, 'x')).size(), 80);
        const QString clef = QString::fromUcs4(U"\U0001D11E");
        QCOMPARE(FileNameOfTitle(QString(79, 'x') + clef), QString(79, 'x'));
    }

    void theFolderIsTheLastOneUsedElseTheDocuments() {
        QTemporaryDir dir;
        const QString program = dir.filePath("program");
        const QString documents = dir.filePath("documents");
        const QString scores = dir.filePath("scores");
        const QString last = dir.filePath("last");
        for (const QString& folder : {program, documents, scores, last})
            QVERIFY(QDir().mkpath(folder));
        DialogFolderPlaces places{dir.filePath("sorvelini").toStdString(), program, program,
                                  documents};
        // A first run: the documented folder is the program's own.
        QCOMPARE(DialogFolder(places), documents);
        places.initialDir = program + "/.";
        QCOMPARE(DialogFolder(places), documents);
        places.initialDir = dir.filePath("gone");
        QCOMPARE(DialogFolder(places), documents);
        // A folder chosen before, in an older settings file.
        places.initialDir = scores;
        QCOMPARE(DialogFolder(places), scores);
        // The last folder a dialog used comes first.
        RememberDialogFolder(places.settingsPath, last + "/song.svl");
        QCOMPARE(ReadPreferenceText(places.settingsPath, "Editor", "LastFolder"),
                 std::optional<std::string>(last.toStdString()));
        QCOMPARE(DialogFolder(places), last);
        // ... while it exists and is not the program's.
        QVERIFY(QDir(last).removeRecursively());
        QCOMPARE(DialogFolder(places), scores);
        RememberDialogFolder(places.settingsPath, program + "/x.svl");
        QCOMPARE(DialogFolder(places), scores);
        // No documents folder: the home folder.
        places.initialDir.clear();
        places.documents = dir.filePath("none");
        QCOMPARE(DialogFolder(places), QDir::homePath());
        // Without a settings file nothing is kept, nothing is read.
        places.settingsPath.clear();
        RememberDialogFolder(places.settingsPath, scores + "/x.svl");
        places.documents = documents;
        QCOMPARE(DialogFolder(places), documents);
    }

    // Through the window: Save As of a new book, then Open, the import, and
    // the exports, and a later run.
    void everyDialogOpensInTheLastFolder() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (!QFileInfo(documents).isDir()) documents = QDir::homePath();
        NewBookSetup setup;
        setup.title = cp932::FromUtf8("茉莉花 / Jasmine");
        f.dialogs.newBookAnswers = {setup};
        w.Files().NewBook();
        f.dialogs.savePaths = {QString()};
        QVERIFY(!w.Files().SaveAs());
        QCOMPARE(f.dialogs.saveProposals.last(), QString("茉莉花 _ Jasmine"));
        // The program's own folder (the fixture's executable is in it) is
        // never offered, though it is the documented default.
        QCOMPARE(QString::fromStdString(w.Workspace().prefs.InitialDir), f.dir.path());
        QCOMPARE(f.dialogs.saveFolders.last(), documents);

        QVERIFY(QDir(f.dir.path()).mkpath("scores/xml"));
        f.dialogs.savePaths = {f.Path("scores/jasmine.svl")};
        QVERIFY(w.Files().SaveAs());
        w.Files().Open();
        QCOMPARE(f.dialogs.openFolders.last(), f.Path("scores"));
        // A saved book proposes its own name.
        QVERIFY(!w.Files().SaveAs());
        QCOMPARE(f.dialogs.saveProposals.last(), f.Path("scores/jasmine.svl"));

        auto* xml = w.findChild<MusicXmlCommands*>("MusicXmlCommands");
        QVERIFY(xml);
        QStringList xmlFolders;
        MusicXmlDialogs xmlDialogs;
        xmlDialogs.askImportPath = [&](QWidget*, const QString& folder) {
            xmlFolders << folder;
            return QString();
        };
        xmlDialogs.askExportPath = [&](QWidget*, const QString& folder, const QString&) {
            xmlFolders << folder;
            return f.Path("scores/xml/jasmine.musicxml");
        };
        xml->SetDialogs(xmlDialogs);
        xml->Export();
        QVERIFY(QFileInfo::exists(f.Path("scores/xml/jasmine.musicxml")));
        // The export's folder is the last one now: the import opens there.
        f.dialogs.saveAnswers = {SaveAnswer::No};
        xml->Import();
        QCOMPARE(xmlFolders, QStringList({f.Path("scores"), f.Path("scores/xml")}));

        // A later run opens where this one left off.
        f.Start();
        f.window->Files().Open();
        QCOMPARE(f.dialogs.openFolders.last(), f.Path("scores/xml"));
    }

    // A new book with a title proposes it to the exports too; without one
    // they keep proposing 無題.
    void exportsProposeTheTitle() {
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        auto* print = w.findChild<PrintCommands*>("PrintCommands");
        QVERIFY(print);
        QStringList proposals;
        PrintDialogs d;
        d.askBitmapPath = [&](QWidget*, const QString&, const QString& proposal) {
            proposals << proposal;
            return QString();
        };
        d.askPdfPath = d.askBitmapPath;
        print->SetDialogs(d);
        print->SaveBitmap();
        NewBookSetup setup;
        setup.title = cp932::FromUtf8("二泉映月");
        f.dialogs.newBookAnswers = {setup};
        w.Files().NewBook();
        print->SaveBitmap();
        print->SavePdf();
        QCOMPARE(proposals, QStringList({"無題.bmp", "二泉映月.bmp", "二泉映月.pdf"}));
    }
};

QTEST_MAIN(FileDialogsTest)
#include "filedialogs_test.moc"
