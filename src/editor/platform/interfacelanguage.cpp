#include "editor/platform/interfacelanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace sorvel {

std::string LanguageCode(InterfaceLanguage language) {
    switch (language) {
        case InterfaceLanguage::Japanese:
            return "ja";
        case InterfaceLanguage::SimplifiedChinese:
            return "zh_CN";
        case InterfaceLanguage::TraditionalChinese:
            return "zh_TW";
        case InterfaceLanguage::English:
            break;
    }
    return "en";
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

QString LanguageNativeName(InterfaceLanguage language) {
    switch (language) {
        case InterfaceLanguage::Japanese:
            return QStringLiteral("日本語");
        case InterfaceLanguage::SimplifiedChinese:
            return QStringLiteral("简体中文");
        case InterfaceLanguage::TraditionalChinese:
            return QStringLiteral("繁體中文");
        case InterfaceLanguage::English:
            break;
    }
    return QStringLiteral("English");
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
