// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop entry installer: what it writes for the current user, that a
// second run changes and prints nothing, and that an executable path with
// blanks and reserved characters survives the Exec key's quoting.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kSourceRoot = QStringLiteral(SORVEL_EXAMPLES_DIR "/..");

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Run {
    int exitCode = -1;
    QByteArray output;  // standard output and error together
};

Run Install(const QString& dataHome, const QString& executable) {
    QProcess script;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", dataHome);
    script.setProcessEnvironment(env);
    script.setProcessChannelMode(QProcess::MergedChannels);
    script.start("bash", {kSourceRoot + "/scripts/install-desktop-entry.sh", executable});
    Run run;
    if (!script.waitForFinished(60000)) return run;
    run.exitCode = script.exitCode();
    run.output = script.readAll();
    return run;
}

// The value of `key` in the entry's text, or a null string.
QString Value(const QString& entry, const QString& key) {
    for (const QString& line : entry.split('\n')) {
        if (line.startsWith(key + "=")) return line.mid(key.size() + 1);
    }
    return {};
}

// The first argument of an Exec value, unescaped as a desktop's launcher does:
// first the string escapes of the value, then the quoting of the argument.
QString FirstExecArgument(const QString& exec) {
    QString value;
    for (int i = 0; i < exec.size(); ++i) {
        if (exec[i] == '\\' && i + 1 < exec.size()) {
            const QChar c = exec[++i];
            value += c == 's' ? QChar(' ') : c == 't' ? QChar('\t') : c == 'n' ? QChar('\n') : c;
        } else {
            value += exec[i];
        }
    }
    QString argument;
    int i = 0;
    if (value.startsWith('"')) {
        for (i = 1; i < value.size() && value[i] != '"'; ++i) {
            if (value[i] == '\\' && i + 1 < value.size()) ++i;
            argument += value[i];
        }
    } else {
        for (; i < value.size() && value[i] != ' '; ++i) argument += value[i];
    }
    return argument.replace("%%", "%");
}

}  // namespace

class DesktopEntryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void installsEntryAndIconsForTheUser() {
        QTemporaryDir data;
        QVERIFY(data.isValid());
        const QString executable = "/opt/sorvel/build/sorvel";
        const Run run = Install(data.path(), executable);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.output, QByteArray());

        const QString entryPath = data.filePath("applications/sorvel.desktop");
        const QString entry = QString::fromUtf8(ReadAll(entryPath));
        QVERIFY(entry.startsWith("[Desktop Entry]\n"));
        QCOMPARE(Value(entry, "Exec"), executable + " %f");
        QCOMPARE(Value(entry, "Name"), QString("Sorvel"));
        QCOMPARE(Value(entry, "Name[ja]"), QString("ソルベル"));
        QCOMPARE(Value(entry, "Icon"), QString("sorvel"));
        QCOMPARE(Value(entry, "Categories"), QString("AudioVideo;Audio;Music;"));
        QCOMPARE(Value(entry, "MimeType"), QString("application/x-sorvel-score;"));
        QVERIFY(!Value(entry, "Comment").isEmpty());
        QVERIFY(!Value(entry, "Comment[ja]").isEmpty());
        QVERIFY(!entry.contains('@'));

        const QString icons = kSourceRoot + "/resources/icons/";
        const QString hicolor = data.filePath("icons/hicolor/");
        QCOMPARE(ReadAll(hicolor + "48x48/apps/sorvel.png"), ReadAll(icons + "sorvel-48.png"));
        QCOMPARE(ReadAll(hicolor + "256x256/apps/sorvel.png"), ReadAll(icons + "sorvel-256.png"));
        QCOMPARE(ReadAll(hicolor + "scalable/apps/sorvel.svg"), ReadAll(icons + "sorvel.svg"));

        const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
        if (!validator.isEmpty()) {
            QProcess validate;
            validate.setProcessChannelMode(QProcess::MergedChannels);
            validate.start(validator, {entryPath});
            QVERIFY(validate.waitForFinished(30000));
            QVERIFY2(validate.exitCode() == 0, validate.readAll().constData());
        }
    }

    void secondRunChangesNothing() {
        QTemporaryDir data;
        QVERIFY(data.isValid());
        QCOMPARE(Install(data.path(), "/usr/local/bin/sorvel").exitCode, 0);
        const QString entryPath = data.filePath("applications/sorvel.desktop");
        const QString iconPath = data.filePath("icons/hicolor/48x48/apps/sorvel.png");
        const QDateTime old = QDateTime::currentDateTime().addDays(-1);
        for (const QString& path : {entryPath, iconPath}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(old, QFileDevice::FileModificationTime));
        }
        const Run again = Install(data.path(), "/usr/local/bin/sorvel");
        QCOMPARE(again.exitCode, 0);
        QCOMPARE(again.output, QByteArray());
        QCOMPARE(QFileInfo(entryPath).lastModified().toSecsSinceEpoch(), old.toSecsSinceEpoch());
        QCOMPARE(QFileInfo(iconPath).lastModified().toSecsSinceEpoch(), old.toSecsSinceEpoch());

        // Another executable rewrites the entry only.
        QCOMPARE(Install(data.path(), "/home/me/sorvel/build/sorvel").exitCode, 0);
        QCOMPARE(Value(QString::fromUtf8(ReadAll(entryPath)), "Exec"),
                 QString("/home/me/sorvel/build/sorvel %f"));
        QCOMPARE(QFileInfo(iconPath).lastModified().toSecsSinceEpoch(), old.toSecsSinceEpoch());
    }

    void executablePathWithReservedCharactersIsQuoted() {
        QTemporaryDir data;
        QVERIFY(data.isValid());
        for (const QString& executable : {QString("/home/me/My Scores/sorvel"),
                                          QString("/tmp/a$b`c\"d\\e/50%/ソルベル/sorvel")}) {
            QCOMPARE(Install(data.path(), executable).exitCode, 0);
            const QString exec = Value(
                QString::fromUtf8(ReadAll(data.filePath("applications/sorvel.desktop"))), "Exec");
            QVERIFY2(exec.startsWith('"') && exec.endsWith("\" %f"), qPrintable(exec));
            QCOMPARE(FirstExecArgument(exec), executable);
        }
    }
};

QTEST_MAIN(DesktopEntryTest)
#include "desktopentry_test.moc"
