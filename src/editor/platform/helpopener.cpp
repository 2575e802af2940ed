// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/platform/helpopener.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>

namespace sorvel {
namespace {

const QString kResourceRoot = QStringLiteral(":/help");
const QString kIndexPage = QStringLiteral("index.html");

void SetError(QString* error, const QString& message) {
    if (error) *error = message;
}

QString Text(const char* source) {
    return QCoreApplication::translate("HelpOpener", source);
}

QString NoBrowserMessage(const QString& index) {
    return Text(QT_TRANSLATE_NOOP(
                    "HelpOpener",
                    "ブラウザーでヘルプを表示できませんでした。\n"
                    "ヘルプの目次は次のファイルです。お使いのブラウザーで開いてください。\n%1"))
        .arg(index);
}

// True when the file at `path` already holds exactly `content`.
bool SameContent(const QString& path, const QByteArray& content) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    return file.size() == content.size() && file.readAll() == content;
}

bool WriteFile(const QString& path, const QByteArray& content) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(content);
    return file.commit();
}

// Shows the wait cursor over a window while the pages are copied and the
// browser starts; the cursor comes back however the scope is left.
class WaitCursor {
public:
    explicit WaitCursor(QWidget* window) : window_(window) {
        if (window_) window_->setCursor(Qt::WaitCursor);
    }
    ~WaitCursor() {
        if (window_) window_->unsetCursor();
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    QWidget* window_;
};

}  // namespace

QString HelpFolder() {
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (cache.isEmpty()) return {};
    return cache + QStringLiteral("/help");
}

bool CopyHelpPages(const QString& folder, QString* error) {
    if (!QFileInfo::exists(kResourceRoot + QLatin1Char('/') + kIndexPage)) {
        SetError(error, Text(QT_TRANSLATE_NOOP("HelpOpener",
                                               "ヘルプのページがプログラムに含まれていません。")));
        return false;
    }
    const QDir target(folder);
    QDirIterator pages(kResourceRoot, QDir::Files, QDirIterator::Subdirectories);
    while (pages.hasNext()) {
        const QString source = pages.next();
        const QString relative = source.mid(kResourceRoot.size() + 1);
        const QString path = target.filePath(relative);
        QFile page(source);
        if (!page.open(QIODevice::ReadOnly)) {
            SetError(error,
                     Text(QT_TRANSLATE_NOOP("HelpOpener", "ヘルプのページを読み込めません。\n%1"))
                         .arg(source));
            return false;
        }
        const QByteArray content = page.readAll();
        if (SameContent(path, content)) continue;
        if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !WriteFile(path, content)) {
            SetError(error,
                     Text(QT_TRANSLATE_NOOP("HelpOpener", "ヘルプのページを書き込めません。\n%1"))
                         .arg(path));
            return false;
        }
    }
    return true;
}

QString HelpIndexPage(const QString& folder, const QString& language) {
    const QString translated = language + QLatin1Char('/') + kIndexPage;
    if (!language.isEmpty() && QFileInfo::exists(QDir(folder).filePath(translated))) {
        return translated;
    }
    return kIndexPage;
}

QString DesktopOpener() {
    return QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
}

void OpenHelp(QWidget* parent, const QString& opener,
              const std::function<void(const QString& message)>& report, const QString& language) {
    WaitCursor wait(parent);
    const QString folder = HelpFolder();
    if (folder.isEmpty()) {
        report(Text(QT_TRANSLATE_NOOP("HelpOpener", "ヘルプを置くフォルダーが見つかりません。")));
        return;
    }
    QString error;
    if (!CopyHelpPages(folder, &error)) {
        report(error);
        return;
    }
    const QString index = QDir(folder).filePath(HelpIndexPage(folder, language));
    const QString noBrowser = NoBrowserMessage(index);
    if (opener.isEmpty()) {
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(index))) report(noBrowser);
        return;
    }
    // The opener may wait for the browser it starts until the browser is
    // closed: it is watched without waiting.
    auto* process = new QProcess(QCoreApplication::instance());
    QObject* context = parent ? static_cast<QObject*>(parent) : process;
    QObject::connect(process, &QProcess::finished, context,
                     [process, report, noBrowser](int code, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || code != 0) report(noBrowser);
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, context,
                     [process, report, noBrowser](QProcess::ProcessError problem) {
                         if (problem != QProcess::FailedToStart) return;
                         report(noBrowser);
                         process->deleteLater();
                     });
    // What the opener prints goes nowhere: the message above says it all.
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start(opener, {QUrl::fromLocalFile(index).toString()});
}

}  // namespace sorvel
