// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The icons and type names of the file dialogs, told by a file's name alone.
// Qt's own provider asks the MIME database, which reads a file whose name it
// does not know; listing /proc (where reading kmsg blocks) would then freeze
// the program for good. This provider never opens a file.
#include <QFileIconProvider>
#include <QMimeDatabase>

namespace sorvel {

class NameOnlyIconProvider : public QFileIconProvider {
public:
    NameOnlyIconProvider();

    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;

private:
    // The MIME type the name's suffix or pattern gives; the default type
    // (application/octet-stream) when none does.
    QMimeType TypeByName(const QFileInfo& info) const;

    QMimeDatabase mimes_;
};

}  // namespace sorvel
