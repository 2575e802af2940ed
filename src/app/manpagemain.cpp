// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the manual page sorvel(1) in one interface language with the
// program's own translations; the build runs it for each language.
//   sorvel_manpage LANGUAGE RELEASE-DATE OUTPUT
#include <QCoreApplication>
#include <cstdio>
#include <cstring>
#include <optional>

#include "app/manpage.h"
#include "base/atomicfile.h"
#include "editor/platform/interfacelanguage.h"
#include "editor/platform/translatedtext.h"

int main(int argc, char** argv) {
    using namespace sorvel;
    const std::optional<InterfaceLanguage> language =
        argc == 4 ? LanguageFromCode(argv[1]) : std::nullopt;
    if (!language) {
        std::fputs("usage: sorvel_manpage ja|zh_CN|zh_TW|en YYYY-MM-DD OUTPUT\n", stderr);
        return 2;
    }
    QCoreApplication app(argc, argv);
    const InterfaceTranslators translators(*language);
    if (!translators.ProgramTextsLoaded()) {
        std::fprintf(stderr, "sorvel_manpage: no translation into %s\n", argv[1]);
        return 1;
    }
    ManualPageSetting setting;
    setting.translate = [](const UserText& text) { return Translated(text).toStdString(); };
    setting.eastAsian = *language != InterfaceLanguage::English;
    setting.date = argv[2];
    if (const int err = WriteFileAtomically(argv[3], ManualPage(setting))) {
        std::fprintf(stderr, "sorvel_manpage: %s: %s\n", argv[3], std::strerror(err));
        return 1;
    }
    return 0;
}
