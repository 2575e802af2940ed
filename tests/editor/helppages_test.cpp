// SPDX-License-Identifier: GPL-3.0-or-later
// The help pages that travel inside the program: every page is embedded and
// well-formed, every link reaches an embedded page (and anchor), and opening
// help copies the pages to the cache folder and hands index.html to the
// browser.
#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include "editor/platform/helpopener.h"

using namespace sorvel;

namespace {

const QString kRoot = QStringLiteral(":/help/");

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString PageText(const QString& name) {
    return QString::fromUtf8(ReadAll(kRoot + name));
}

// Every embedded file, as a path relative to the help root.
QStringList EmbeddedFiles() {
    QStringList files;
    QDirIterator it(kRoot, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) files << it.next().mid(kRoot.size());
    files.sort();
    return files;
}

QStringList HtmlPages() {
    return EmbeddedFiles().filter(QRegularExpression("\\.html$"));
}

QStringList Links(const QString& html) {
    QStringList links;
    static const QRegularExpression link(R"re((?:href|src)="([^"]*)")re");
    for (auto m = link.globalMatch(html); m.hasNext();) links << m.next().captured(1);
    return links;
}

// The folder of a page, with its slash ("" for the Japanese pages at the root).
QString FolderOf(const QString& page) {
    const int slash = page.lastIndexOf('/');
    return slash < 0 ? QString() : page.left(slash + 1);
}

// A link of a page as a path from the help root ("../style.css" from en/ is
// "style.css").
QString Resolve(const QString& page, const QString& target) {
    return QDir::cleanPath(FolderOf(page) + target);
}

// The language a page is written in: its folder's, Japanese at the root.
QString LanguageOf(const QString& page) {
    const QString folder = FolderOf(page).chopped(FolderOf(page).isEmpty() ? 0 : 1);
    return folder.isEmpty() ? QStringLiteral("ja") : QString(folder).replace('_', '-');
}

bool HasAnchor(const QString& html, const QString& id) {
    return html.contains(QStringLiteral("id=\"%1\"").arg(id));
}

// Receives the URLs that QDesktopServices would hand to the browser.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> urls;

public Q_SLOTS:
    void Open(const QUrl& url) { urls << url; }
};

}  // namespace

class HelpPagesTest : public QObject {
    Q_OBJECT

private:
    // A stand-in for xdg-open: a shell script with `body`.
    static QString WriteOpener(const QTemporaryDir& dir, const QString& body) {
        const QString path = dir.filePath("xdg-open");
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write the opener");
        file.write(("#!/bin/sh\n" + body).toUtf8());
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }
    // The openers still running or not yet cleaned up.
    static QList<QProcess*> Openers() { return qApp->findChildren<QProcess*>(); }

private Q_SLOTS:
    void everyPageIsEmbedded() {
        const QStringList files = EmbeddedFiles();
        for (const char* name :
             {"index.html", "screen.html", "files.html", "notes.html", "editing.html",
              "playback.html", "printing.html", "settings.html", "style.css"}) {
            QVERIFY2(files.contains(name), name);
        }
    }

    void pagesAreWellFormedUtf8WithoutScripts() {
        for (const QString& name : HtmlPages()) {
            const QByteArray bytes = ReadAll(kRoot + name);
            QStringDecoder decoder(QStringDecoder::Utf8);
            const QString html = decoder(bytes);
            QVERIFY2(!decoder.hasError(), qPrintable(name + " is not UTF-8"));
            QVERIFY2(html.startsWith("<!DOCTYPE html>"), qPrintable(name));
            QVERIFY2(html.contains(QStringLiteral("<html lang=\"%1\">").arg(LanguageOf(name))),
                     qPrintable(name));
            QVERIFY2(html.contains("<meta charset=\"utf-8\">"), qPrintable(name));
            QVERIFY2(html.contains(QRegularExpression("<title>[^<]+</title>")), qPrintable(name));
            QVERIFY2(!html.contains("<script", Qt::CaseInsensitive), qPrintable(name));
            QVERIFY2(!html.contains(QRegularExpression(R"re(<[^>]*\son[a-z]+\s*=)re")),
                     qPrintable(name + " has an event handler"));
            QCOMPARE(html.count("<html"), 1);
            QCOMPARE(html.count("</html>"), 1);
        }
    }

    void everyLinkReachesAnEmbeddedPageAndAnchor() {
        const QStringList files = EmbeddedFiles();
        for (const QString& name : HtmlPages()) {
            const QString html = PageText(name);
            for (const QString& link : Links(html)) {
                QVERIFY2(!link.contains("://"), qPrintable(name + ": outside link " + link));
                const QString target = link.section('#', 0, 0);
                const QString anchor = link.section('#', 1);
                const QString file = target.isEmpty() ? name : Resolve(name, target);
                QVERIFY2(files.contains(file), qPrintable(name + ": broken link " + link));
                if (!anchor.isEmpty()) {
                    QVERIFY2(HasAnchor(PageText(file), anchor),
                             qPrintable(name + ": missing anchor " + link));
                }
            }
        }
    }

    // Each language's index reaches every page of its folder, and every
    // translated folder has the pages the Japanese help has.
    void indexReachesEveryPage() {
        QSet<QString> folders;
        for (const QString& name : HtmlPages()) folders.insert(FolderOf(name));
        for (const QString& folder : folders) {
            const QString index = folder + "index.html";
            QSet<QString> linked;
            for (const QString& link : Links(PageText(index))) {
                linked.insert(Resolve(index, link.section('#', 0, 0)));
            }
            for (const QString& name : HtmlPages()) {
                if (FolderOf(name) == folder && name != index)
                    QVERIFY2(linked.contains(name), qPrintable(index + " misses " + name));
                if (!folder.isEmpty() && FolderOf(name).isEmpty())
                    QVERIFY2(HtmlPages().contains(folder + name),
                             qPrintable(folder + " lacks " + name));
            }
        }
    }

    void copyingWritesEveryPageAndRefreshesChangedOnes() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString folder = dir.filePath("cache/help");
        QString error;
        QVERIFY2(CopyHelpPages(folder, &error), qPrintable(error));
        for (const QString& name : EmbeddedFiles()) {
            QCOMPARE(ReadAll(folder + "/" + name), ReadAll(kRoot + name));
        }

        // A page edited or damaged outside the program is put back; a page
        // that is already right is not written again.
        const QString edited = folder + "/notes.html";
        {
            QFile file(edited);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write("old help");
        }
        const QString untouched = folder + "/index.html";
        const QDateTime old = QDateTime::currentDateTime().addDays(-3);
        {
            QFile file(untouched);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(old, QFileDevice::FileModificationTime));
        }
        QVERIFY2(CopyHelpPages(folder, &error), qPrintable(error));
        QCOMPARE(ReadAll(edited), ReadAll(kRoot + "notes.html"));
        QCOMPARE(QFileInfo(untouched).lastModified().toSecsSinceEpoch(), old.toSecsSinceEpoch());
    }

    void openingCopiesThePagesAndShowsTheIndex() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        qputenv("XDG_CACHE_HOME", dir.path().toUtf8());
        UrlCatcher browser;
        QDesktopServices::setUrlHandler("file", &browser, "Open");
        QStringList reports;
        OpenHelp(nullptr, QString(), [&](const QString& message) { reports << message; });
        const QString folder = HelpFolder();
        QDesktopServices::unsetUrlHandler("file");
        qunsetenv("XDG_CACHE_HOME");

        QVERIFY2(reports.isEmpty(), qPrintable(reports.join('\n')));
        QCOMPARE(browser.urls.size(), 1);
        const QString index = browser.urls[0].toLocalFile();
        QVERIFY2(index.startsWith(dir.path() + "/"), qPrintable(index));
        QVERIFY(index.endsWith("/help/index.html"));
        QCOMPARE(index, folder + "/index.html");
        QCOMPARE(ReadAll(index), ReadAll(kRoot + "index.html"));
    }

    void aFolderThatCannotBeWrittenIsReported() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        // The cache "folder" lies under a plain file, so no folder can be made.
        const QString blocker = dir.filePath("not-a-folder");
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        qputenv("XDG_CACHE_HOME", blocker.toUtf8());
        UrlCatcher browser;
        QDesktopServices::setUrlHandler("file", &browser, "Open");
        QStringList reports;
        OpenHelp(nullptr, QString(), [&](const QString& message) { reports << message; });
        QDesktopServices::unsetUrlHandler("file");
        qunsetenv("XDG_CACHE_HOME");

        QCOMPARE(reports.size(), 1);
        QVERIFY(browser.urls.isEmpty());
        QVERIFY2(reports[0].contains("ヘルプ"), qPrintable(reports[0]));
    }

    // xdg-open without any browser to run exits with status 3 and shows
    // nothing; the user is told where the help is instead.
    void anOpenerThatFindsNoBrowserIsReportedWithThePageToOpen() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString opener = WriteOpener(dir,
                                           "echo \"no method available for opening $1\" >&2\n"
                                           "exit 3\n");
        qputenv("XDG_CACHE_HOME", dir.filePath("cache").toUtf8());
        QStringList reports;
        OpenHelp(nullptr, opener, [&](const QString& message) { reports << message; });
        const QString index = HelpFolder() + "/index.html";

        QTRY_COMPARE(reports.size(), 1);
        QCOMPARE(reports[0],
                 QString("ブラウザーでヘルプを表示できませんでした。\n"
                         "ヘルプの目次は次のファイルです。お使いのブラウザーで開いてください。\n") +
                     index);
        QVERIFY(QFileInfo(index).isAbsolute());
        QCOMPARE(ReadAll(index), ReadAll(kRoot + "index.html"));
        QTRY_VERIFY(Openers().isEmpty());
        QCOMPARE(reports.size(), 1);

        // An opener that cannot be started at all is reported the same way.
        OpenHelp(nullptr, dir.filePath("missing-opener"),
                 [&](const QString& message) { reports << message; });
        qunsetenv("XDG_CACHE_HOME");
        QTRY_COMPARE(reports.size(), 2);
        QVERIFY(reports[1].endsWith("\n" + index));
    }

    void anOpenerThatShowsThePageIsNotReported() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString shown = dir.filePath("shown");
        const QString opener = WriteOpener(dir, QString("printf '%s' \"$1\" > '%1'\n").arg(shown));
        qputenv("XDG_CACHE_HOME", dir.filePath("cache").toUtf8());
        QStringList reports;
        OpenHelp(nullptr, opener, [&](const QString& message) { reports << message; });
        const QString index = HelpFolder() + "/index.html";
        qunsetenv("XDG_CACHE_HOME");

        QTRY_VERIFY(Openers().isEmpty());
        QCOMPARE(QUrl(QString::fromUtf8(ReadAll(shown))).toLocalFile(), index);
        QVERIFY2(reports.isEmpty(), qPrintable(reports.join('\n')));
    }
};

QTEST_MAIN(HelpPagesTest)
#include "helppages_test.moc"
