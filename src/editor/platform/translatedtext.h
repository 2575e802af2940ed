// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The translated form of texts marked elsewhere: constants marked with
// QT_TRANSLATE_NOOP(context, text), and the templates the Qt-free layers hand
// over as UserText.
#include <QCoreApplication>
#include <QString>

#include "base/usertext.h"

namespace sorvel {

inline QString Translated(const char* context, const char* source) {
    return QCoreApplication::translate(context, source);
}

// Each template translated in its context and filled with its translated
// arguments; plain parts as they stand.
QString Translated(const UserText& text);

}  // namespace sorvel
