// SPDX-License-Identifier: GPL-3.0-or-later
// The association of score files with the program in a temporary XDG data
// and config folder: what registration writes, the default application, the
// refresh commands, and that removal takes away exactly what was written.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "editor/platform/fileassociation.h"

using namespace sorvel;

namespace {

QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Every file below `root` with its bytes; folders are not listed.
QMap<QString, QByteArray> Files(const QString& root) {
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(root).relativeFilePath(path), Read(path));
    }
    return files;
}

}  // namespace

class FileAssociationTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString data_, config_, bin_;
    QStringList ran_;

    AssociationPlaces Places(const QString& searchPath) const {
        return {data_.toStdString(), config_.toStdString(), searchPath.toStdString()};
    }

    // An association whose refresh commands are only recorded.
    FileAssociation Make(const std::string& exe = "/opt/sorvel/bin/sorvel") {
        FileAssociation a(Places(bin_), exe, {{48, "png48"}, {256, "png256"}});
        a.SetCommandRunner([this](const std::vector<std::string>& argv) {
            QStringList line;
            for (const std::string& arg : argv) line << QString::fromStdString(arg);
            ran_ << line.join(' ');
        });
        return a;
    }

private Q_SLOTS:
    void init() {
        QVERIFY(dir_.isValid());
        const QString root =
            dir_.path() + "/" + QString::number(QRandomGenerator::global()->generate());
        data_ = root + "/data";
        config_ = root + "/config";
        bin_ = root + "/bin";
        QDir().mkpath(bin_);
        for (const char* tool : {"update-mime-database", "update-desktop-database"}) {
            Write(bin_ + "/" + tool, "#!/bin/sh\n");
            QFile::setPermissions(bin_ + "/" + tool, QFile::ReadOwner | QFile::ExeOwner);
        }
        ran_.clear();
    }

    void RegistrationWritesTheEntryThePackageTheIconsAndTheDefault() {
        FileAssociation a = Make();
        QVERIFY(!a.IsRegistered());
        std::string error;
        QVERIFY2(a.Register(&error), error.c_str());
        QVERIFY(a.IsRegistered());

        const QString desktop = QString::fromUtf8(Read(data_ + "/applications/sorvel-svl.desktop"));
        QVERIFY(desktop.startsWith("[Desktop Entry]\n"));
        QVERIFY(desktop.contains("\nExec=\"/opt/sorvel/bin/sorvel\" %f\n"));
        QVERIFY(desktop.contains("\nMimeType=application/x-sorvel-score;\n"));
        QVERIFY(desktop.contains("\nType=Application\n"));
        QVERIFY(desktop.contains("\nNoDisplay=true\n"));
        QVERIFY(desktop.contains("\nX-Sorvel-Icons=48;256;\n"));

        const QString package = QString::fromUtf8(Read(data_ + "/mime/packages/sorvel.xml"));
        QVERIFY(package.contains("<mime-type type=\"application/x-sorvel-score\">"));
        QVERIFY(package.contains("<comment>Sorvel erhu score</comment>"));
        QVERIFY(package.contains("<comment xml:lang=\"ja\">ソルベル数字譜ファイル</comment>"));
        QVERIFY(package.contains("<glob pattern=\"*.svl\"/>"));

        QCOMPARE(Read(data_ + "/icons/hicolor/48x48/apps/sorvel.png"), QByteArray("png48"));
        QCOMPARE(Read(data_ + "/icons/hicolor/256x256/apps/sorvel.png"), QByteArray("png256"));
        QCOMPARE(
            Read(config_ + "/mimeapps.list"),
            QByteArray("[Default Applications]\napplication/x-sorvel-score=sorvel-svl.desktop;\n"));

        QCOMPARE(ran_, QStringList({bin_ + "/update-mime-database " + data_ + "/mime",
                                    bin_ + "/update-desktop-database " + data_ + "/applications"}));
    }

    void RemovalTakesExactlyWhatRegistrationWrote() {
        // The user's own files in the same folders, and other defaults.
        Write(config_ + "/mimeapps.list",
              "[Added Associations]\ntext/plain=gedit.desktop;\n\n"
              "[Default Applications]\ntext/html=firefox.desktop;\n");
        Write(data_ + "/applications/other.desktop", "[Desktop Entry]\nName=Other\n");
        Write(data_ + "/mime/packages/other.xml", "<mime-info/>\n");
        // The program's menu entry and an icon, as an installation leaves them.
        Write(data_ + "/applications/sorvel.desktop", "[Desktop Entry]\nName=Sorvel\n");
        Write(data_ + "/icons/hicolor/48x48/apps/sorvel.png", "png48");
        const QMap<QString, QByteArray> before = Files(dir_.path());

        FileAssociation a = Make();
        std::string error;
        QVERIFY(a.Register(&error));
        QVERIFY(Read(config_ + "/mimeapps.list").contains("text/html=firefox.desktop;"));
        QVERIFY(
            Read(config_ + "/mimeapps.list")
                .contains(
                    "[Default Applications]\napplication/x-sorvel-score=sorvel-svl.desktop;\n"));
        // The icon that was there is used, not taken over.
        QVERIFY(
            Read(data_ + "/applications/sorvel-svl.desktop").contains("\nX-Sorvel-Icons=256;\n"));
        ran_.clear();
        QVERIFY2(a.Unregister(&error), error.c_str());
        QVERIFY(!a.IsRegistered());
        QCOMPARE(Files(dir_.path()), before);
        QCOMPARE(ran_.size(), 2);

        // With nothing of the user's around, nothing at all is left.
        const QString fresh = dir_.path() + "/fresh";
        data_ = fresh + "/data";
        config_ = fresh + "/config";
        FileAssociation c(Places(QString()), "/usr/bin/sorvel", {{48, "icon"}});
        QVERIFY(c.Register(&error));
        QVERIFY(!Files(fresh).isEmpty());
        QVERIFY(c.Unregister(&error));
        QVERIFY(Files(fresh).isEmpty());
    }

    void RemovalLeavesFilesThatAreNotOurs() {
        FileAssociation a = Make();
        std::string error;
        QVERIFY(a.Register(&error));
        // Someone replaced an icon and chose another default.
        Write(data_ + "/icons/hicolor/48x48/apps/sorvel.png", "another icon");
        Write(config_ + "/mimeapps.list",
              "[Default Applications]\napplication/x-sorvel-score=other.desktop;\n");
        QVERIFY(a.Unregister(&error));
        QVERIFY(!QFile::exists(data_ + "/mime/packages/sorvel.xml"));
        QVERIFY(!QFile::exists(data_ + "/applications/sorvel-svl.desktop"));
        QVERIFY(!QFile::exists(data_ + "/icons/hicolor/256x256/apps/sorvel.png"));
        QCOMPARE(Read(data_ + "/icons/hicolor/48x48/apps/sorvel.png"), QByteArray("another icon"));
        QCOMPARE(Read(config_ + "/mimeapps.list"),
                 QByteArray("[Default Applications]\napplication/x-sorvel-score=other.desktop;\n"));

        // An entry someone else wrote in the opener's place stays.
        QVERIFY(a.Register(&error));
        Write(data_ + "/applications/sorvel-svl.desktop", "[Desktop Entry]\nName=Mine\n");
        QVERIFY(a.Unregister(&error));
        QCOMPARE(Read(data_ + "/applications/sorvel-svl.desktop"),
                 QByteArray("[Desktop Entry]\nName=Mine\n"));
    }

    void RefreshCommandsRunOnlyWhenInstalled() {
        FileAssociation a(Places(dir_.path() + "/nowhere:relative/bin"), "/usr/bin/sorvel");
        a.SetCommandRunner([this](const std::vector<std::string>& argv) {
            ran_ << QString::fromStdString(argv[0]);
        });
        std::string error;
        QVERIFY(a.Register(&error));
        QVERIFY(a.Unregister(&error));
        QVERIFY(ran_.isEmpty());
    }

    void ExecLineQuotesAndEscapesThePath() {
        QCOMPARE(FileAssociation::ExecLine("/opt/my apps/sorvel"),
                 std::string("\"/opt/my apps/sorvel\" %f"));
        // Inside the quotes ", `, $ and \ take a backslash; the string value
        // then doubles every backslash; % is doubled.
        QCOMPARE(FileAssociation::ExecLine("/a\"b`c$d\\e%f"),
                 std::string("\"/a\\\\\"b\\\\`c\\\\$d\\\\\\\\e%%f\" %f"));
    }

    void PathsThatCannotBeNamedAreRefusedWithoutWritingAnything() {
        std::string error;
        for (const std::string& exe : {std::string("/opt/\xff\xfe/sorvel"),
                                       std::string("/opt/a\nb/sorvel"), std::string("sorvel")}) {
            FileAssociation a = Make(exe);
            QVERIFY(!a.Register(&error));
            QVERIFY(!error.empty());
            QVERIFY(!a.IsRegistered());
        }
        QVERIFY(!QDir(data_).exists());
        QVERIFY(!QDir(config_).exists());
    }

    void AFailedRegistrationTakesBackWhatItWrote() {
        // The config folder is a file: the default cannot be written.
        Write(config_, "not a folder");
        FileAssociation a = Make();
        std::string error;
        QVERIFY(!a.Register(&error));
        QVERIFY(QString::fromStdString(error).contains("mimeapps.list"));
        QVERIFY(!a.IsRegistered());
        QVERIFY(!QFile::exists(data_ + "/applications/sorvel-svl.desktop"));
        QVERIFY(!QFile::exists(data_ + "/icons/hicolor/48x48/apps/sorvel.png"));
    }

    void DefaultsListEditsKeepEverythingElse() {
        const std::string text =
            "# mine\n[Default Applications]\ntext/html=firefox.desktop;\n\n[Added Associations]\n"
            "x=y;\n";
        const std::string with =
            WithDefaultApplication(text, "application/x-sorvel-score", "sorvel-svl.desktop");
        QCOMPARE(with, std::string("# mine\n[Default Applications]\n"
                                   "application/x-sorvel-score=sorvel-svl.desktop;\n"
                                   "text/html=firefox.desktop;\n\n[Added Associations]\nx=y;\n"));
        QCOMPARE(WithDefaultApplication(with, "application/x-sorvel-score", "sorvel-svl.desktop"),
                 with);
        QCOMPARE(
            WithoutDefaultApplication(with, "application/x-sorvel-score", "sorvel-svl.desktop"),
            text);
        QCOMPARE(
            WithoutDefaultApplication(text, "application/x-sorvel-score", "sorvel-svl.desktop"),
            text);
        const std::string alone =
            WithDefaultApplication("[Added Associations]\nx=y;\n", "a/b", "sorvel-svl.desktop");
        QCOMPARE(alone, std::string("[Added Associations]\nx=y;\n\n[Default Applications]\n"
                                    "a/b=sorvel-svl.desktop;\n"));
        QCOMPARE(WithoutDefaultApplication(alone, "a/b", "sorvel-svl.desktop"),
                 std::string("[Added Associations]\nx=y;\n"));
    }

    // The package's system-wide type is the one registration writes for a
    // user, less the line by which registration knows its own file.
    void ThePackagedTypeIsTheRegisteredOne() {
        const QByteArray packaged =
            Read(SORVEL_EXAMPLES_DIR "/../resources/packaging/sorvel-mime.xml");
        QVERIFY(!packaged.isEmpty());
        QString registered = QString::fromStdString(FileAssociation::MimePackageText());
        registered.remove("<!-- Sorvel file association -->\n");
        QCOMPARE(QString::fromUtf8(packaged), registered);
    }

    // With the desktop's own tools: the database then knows *.svl, and knows
    // it no more after removal.
    void TheMimeDatabaseLearnsAndForgetsTheType() {
        const QString tool = QStandardPaths::findExecutable("update-mime-database");
        if (tool.isEmpty()) QSKIP("update-mime-database is not installed");
        FileAssociation a(Places(QFileInfo(tool).path()), "/usr/bin/sorvel");
        std::string error;
        QVERIFY(a.Register(&error));
        QVERIFY(Read(data_ + "/mime/globs2").contains("application/x-sorvel-score:*.svl"));
        QVERIFY(QFile::exists(data_ + "/mime/application/x-sorvel-score.xml"));
        QVERIFY(a.Unregister(&error));
        QVERIFY(!Read(data_ + "/mime/globs2").contains("application/x-sorvel-score"));
        QVERIFY(!QFile::exists(data_ + "/mime/application/x-sorvel-score.xml"));
    }
};

QTEST_MAIN(FileAssociationTest)
#include "fileassociation_test.moc"
