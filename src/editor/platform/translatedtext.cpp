// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/platform/translatedtext.h"

#include <string>
#include <vector>

namespace sorvel {

QString Translated(const UserText& text) {
    if (!text.context) return QString::fromStdString(text.source);
    std::vector<std::string> values;
    values.reserve(text.args.size());
    for (const UserText& arg : text.args) values.push_back(Translated(arg).toStdString());
    const QString pattern = QCoreApplication::translate(text.context, text.source.c_str());
    return QString::fromStdString(FillPlaces(pattern.toStdString(), values));
}

}  // namespace sorvel
