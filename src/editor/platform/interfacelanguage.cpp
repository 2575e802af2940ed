// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/platform/interfacelanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <iterator>

#include "editor/platform/ownsettings.h"
#include "model/preferencesfile.h"

namespace sorvel {

namespace {

// Each language with its stored value and its name in itself.
struct LanguageEntry {
    InterfaceLanguage language;
    const char* code;
    const char* nativeName;  // UTF-8
};

constexpr LanguageEntry kLanguageTable[] = {
    {InterfaceLanguage::Japanese, "ja", "日本語"},
    {InterfaceLanguage::SimplifiedChinese, "zh_CN", "简体中文"},
    {InterfaceLanguage::TraditionalChinese, "zh_TW", "繁體中文"},
    {InterfaceLanguage::English, "en", "English"},
};

const LanguageEntry& EntryOf(InterfaceLanguage language) {
    for (const LanguageEntry& entry : kLanguageTable) {
        if (entry.language == language) return entry;
    }
    return kLanguageTable[std::size(kLanguageTable) - 1];  // English; every language is listed
}

}  // namespace

std::string LanguageCode(InterfaceLanguage language) {
    return EntryOf(language).code;
}

std::optional<InterfaceLanguage> LanguageFromCode(std::string_view code) {
    for (InterfaceLanguage language : kInterfaceLanguages) {
        if (code == LanguageCode(language)) return language;
    }
    return std::nullopt;
}

InterfaceLanguage LanguageForLocale(const QLocale& locale) {
    switch (locale.language()) {
        case QLocale::Japanese:
            return InterfaceLanguage::Japanese;
        case QLocale::Chinese:
            return locale.script() == QLocale::TraditionalHanScript
                       ? InterfaceLanguage::TraditionalChinese
                       : InterfaceLanguage::SimplifiedChinese;
        default:
            return InterfaceLanguage::English;
    }
}

InterfaceLanguage ChooseInterfaceLanguage(const std::optional<std::string>& stored,
                                          const QLocale& system) {
    if (stored) {
        if (std::optional<InterfaceLanguage> chosen = LanguageFromCode(*stored)) return *chosen;
    }
    return LanguageForLocale(system);
}

InterfaceLanguage StartupLanguage(const std::string& executablePath) {
    return ChooseInterfaceLanguage(setting::kLanguage.Read(SettingsFilePath(executablePath)),
                                   QLocale::system());
}

QString LanguageNativeName(InterfaceLanguage language) {
    return QString::fromUtf8(EntryOf(language).nativeName);
}

InterfaceTranslators::InterfaceTranslators(InterfaceLanguage language) {
    const QString code = QString::fromStdString(LanguageCode(language));
    auto install = [this](std::unique_ptr<QTranslator> translator) {
        QCoreApplication::installTranslator(translator.get());
        installed_.push_back(std::move(translator));
    };
    programLoaded_ = language == InterfaceLanguage::Japanese;
    if (!programLoaded_) {
        auto program = std::make_unique<QTranslator>();
        if (program->load(QStringLiteral(":/translations/sorvel_") + code)) {
            programLoaded_ = true;
            install(std::move(program));
        }
    }
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + code,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        install(std::move(qt));
    }
}

InterfaceTranslators::~InterfaceTranslators() {
    for (const auto& translator : installed_) QCoreApplication::removeTranslator(translator.get());
}

}  // namespace sorvel
