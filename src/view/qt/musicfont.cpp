// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/qt/musicfont.h"

#include <QFile>
#include <QFontDatabase>

namespace sorvel {
namespace {

struct Substitute {
    const char* windowsName;
    const char* installed;
};

// The proportional and the fixed-pitch Gothic of the score files' world.
constexpr Substitute kSubstitutes[] = {
    {"ＭＳ Ｐゴシック", "IPAPGothic"},
    {"ＭＳ ゴシック", "IPAGothic"},
    {"MS PGothic", "IPAPGothic"},
    {"MS Gothic", "IPAGothic"},
};

// Debian's fonts-noto-cjk.
constexpr const char* kFallbackFamilies[] = {"Noto Sans CJK SC", "Noto Sans CJK TC",
                                             "Noto Sans CJK KR"};

}  // namespace

bool InstallMusicFont() {
    static int id = -1;  // one registration per process is enough
    if (id >= 0) return true;
    QFile file(QStringLiteral(":/fonts/TMusicFont.ttf"));
    if (!file.open(QIODevice::ReadOnly)) return false;
    id = QFontDatabase::addApplicationFontFromData(file.readAll());
    return id >= 0;
}

QString ResolveFontFamily(const QString& name) {
    for (const Substitute& s : kSubstitutes) {
        if (name == QString::fromUtf8(s.windowsName)) return QString::fromUtf8(s.installed);
    }
    return name;
}

QFont ScoreTextFont(const QString& name) {
    QStringList families{ResolveFontFamily(name)};
    for (const char* family : kFallbackFamilies) families << QString::fromLatin1(family);
    QFont font;
    font.setFamilies(families);
    return font;
}

}  // namespace sorvel
