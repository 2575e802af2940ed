// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialogs/nameonlyiconprovider.h"

#include <QFileInfo>
#include <QIcon>

namespace sorvel {

NameOnlyIconProvider::NameOnlyIconProvider() {
    // A folder's own icon would be read from a file inside it.
    setOptions(QFileIconProvider::DontUseCustomDirectoryIcons);
}

QMimeType NameOnlyIconProvider::TypeByName(const QFileInfo& info) const {
    const QList<QMimeType> byName = mimes_.mimeTypesForFileName(info.fileName());
    return byName.isEmpty() ? mimes_.mimeTypeForName(QStringLiteral("application/octet-stream"))
                            : byName.first();
}

QIcon NameOnlyIconProvider::icon(const QFileInfo& info) const {
    if (info.isRoot()) return icon(Drive);
    if (info.isDir()) return icon(Folder);
    if (!info.isFile()) return icon(File);
    const QMimeType type = TypeByName(info);
    if (type.isDefault()) return icon(File);
    return QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName(), icon(File)));
}

QString NameOnlyIconProvider::type(const QFileInfo& info) const {
    // Folders, drives, broken links and devices are told apart without any
    // reading by Qt's provider; only a file's type would be read from it.
    if (!info.isFile()) return QFileIconProvider::type(info);
    const QMimeType type = TypeByName(info);
    return type.comment().isEmpty() ? type.name() : type.comment();
}

}  // namespace sorvel
