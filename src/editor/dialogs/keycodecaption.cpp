// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialogs/keycodecaption.h"

#include <QCoreApplication>

#include "base/cp932.h"

namespace sorvel {

namespace {

constexpr char kEmptyStrings[] = "（弦）";
// %1 is the key before the brackets ("１＝♭Ｅ", "１＝Ｅ　").
constexpr char kKeyWithoutStrings[] = QT_TRANSLATE_NOOP("sorvel::KeyCode", "%1（弦）");

}  // namespace

QString KeyCodeCaption(const std::string& keyCodeBytes) {
    const QString text = QString::fromStdString(cp932::ToUtf8(keyCodeBytes));
    const QString empty = QString::fromUtf8(kEmptyStrings);
    if (!text.endsWith(empty) || text.size() == empty.size()) return text;
    const QString key = text.chopped(empty.size());
    // A natural key keeps its ideographic space before the brackets only.
    return QCoreApplication::translate("sorvel::KeyCode", kKeyWithoutStrings).arg(key).trimmed();
}

}  // namespace sorvel
