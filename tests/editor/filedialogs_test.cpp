// The program's file dialogs never open the files they list: a read of a
// file such as /proc/kmsg blocks for good, so a dialog that looked into the
// files of /proc to choose their icons froze the editor. The real open and
// save dialogs are shown on a folder of files, and the kernel's inotify
// reports every open of those files.
#include <sys/inotify.h>
#include <unistd.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

#include "editor/dialogs/editordialogs.h"
#include "editor/dialogs/nameonlyiconprovider.h"

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
};

QTEST_MAIN(FileDialogsTest)
#include "filedialogs_test.moc"
