// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialogs/dialogfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>

#include "editor/platform/ownsettings.h"

namespace sorvel {

namespace {

constexpr int kMaxNameLength = 80;

bool SameFolder(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty()) return false;
    const QString ca = QFileInfo(a).canonicalFilePath();
    const QString cb = QFileInfo(b).canonicalFilePath();
    return !ca.isEmpty() && ca == cb;
}

bool Usable(const QString& folder, const QString& programFolder) {
    return !folder.isEmpty() && QFileInfo(folder).isDir() && !SameFolder(folder, programFolder);
}

QString LastFolder(const std::string& settingsPath) {
    if (settingsPath.empty()) return {};
    const std::optional<std::string> stored = setting::kLastFolder.Read(settingsPath);
    return stored ? QFile::decodeName(QByteArray::fromStdString(*stored)) : QString();
}

}  // namespace

QString DialogFolder(const DialogFolderPlaces& places) {
    for (const QString& folder : {LastFolder(places.settingsPath), places.initialDir}) {
        if (Usable(folder, places.programFolder)) return folder;
    }
    if (Usable(places.documents, places.programFolder)) return places.documents;
    return QDir::homePath();
}

void RememberDialogFolder(const std::string& settingsPath, const QString& chosenFile) {
    if (settingsPath.empty() || chosenFile.isEmpty()) return;
    const QString folder = QFileInfo(chosenFile).absolutePath();
    setting::kLastFolder.Write(settingsPath, QFile::encodeName(folder).toStdString());
}

QString FileNameOfTitle(const QString& title) {
    QString name;
    for (const QChar c : title) {
        // Tabs and line breaks read as blanks; other control characters and
        // the separators and wildcards of file systems do not belong.
        if (c.isSpace()) {
            name += c == QChar(0x3000) ? c : QChar(' ');
            continue;
        }
        const bool refused =
            c.unicode() < 0x20 || c == QChar(0x7f) || QStringLiteral("/\\:*?\"<>|").contains(c);
        name += refused ? QChar('_') : c;
    }
    if (name.size() > kMaxNameLength) {
        name.truncate(kMaxNameLength);
        // Never half of a surrogate pair.
        if (name.back().isHighSurrogate()) name.chop(1);
    }
    // Blanks (full-width ones too) and dots at the ends: a name of dots is
    // a folder's, and trailing ones vanish on some file systems.
    auto trimmable = [](QChar c) { return c.isSpace() || c == QChar('.'); };
    while (!name.isEmpty() && trimmable(name.front())) name.remove(0, 1);
    while (!name.isEmpty() && trimmable(name.back())) name.chop(1);
    return name;
}

}  // namespace sorvel
