// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The language of the interface: chosen once at start from the settings key
// Editor/Language ("auto", "ja", "zh_CN", "zh_TW", "en") or, for "auto" or no
// key, from the desktop's locale; then the program's and Qt's translations.
#include <QString>
#include <QTranslator>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QCoreApplication;
class QLocale;

namespace sorvel {

enum class InterfaceLanguage { Japanese, SimplifiedChinese, TraditionalChinese, English };

// The stored choice that follows the desktop.
inline constexpr char kAutomaticLanguage[] = "auto";

// The languages in the order the options dialog offers them.
inline constexpr InterfaceLanguage kInterfaceLanguages[] = {
    InterfaceLanguage::Japanese, InterfaceLanguage::SimplifiedChinese,
    InterfaceLanguage::TraditionalChinese, InterfaceLanguage::English};

// The stored value of a language ("ja", "zh_CN", "zh_TW", "en"), which is
// also the suffix of its translation files.
std::string LanguageCode(InterfaceLanguage language);
// The language a stored value names; nothing for "auto", an empty or an
// unknown value, which all follow the desktop.
std::optional<InterfaceLanguage> LanguageFromCode(std::string_view code);
// The language of a locale: Chinese in the traditional script (Taiwan, Hong
// Kong, Macao) or the simplified one, Japanese, and English for the rest.
InterfaceLanguage LanguageForLocale(const QLocale& locale);
// The stored choice when it names a language, else the locale's.
InterfaceLanguage ChooseInterfaceLanguage(const std::optional<std::string>& stored,
                                          const QLocale& system);
// The language of this run, for the window and the command line alike: the
// choice stored in the settings file of the program at `executablePath`,
// else the locale of the environment.
InterfaceLanguage StartupLanguage(const std::string& executablePath);
// The language named in itself ("日本語", "简体中文", "繁體中文", "English").
QString LanguageNativeName(InterfaceLanguage language);

// The translators of one language, installed on the application while the
// object lives: the program's texts (embedded, none for Japanese, the
// source language) and Qt's own (qtbase_<code>.qm of the system).
class InterfaceTranslators {
public:
    explicit InterfaceTranslators(InterfaceLanguage language);
    ~InterfaceTranslators();
    InterfaceTranslators(const InterfaceTranslators&) = delete;
    InterfaceTranslators& operator=(const InterfaceTranslators&) = delete;

    // Whether the program's own translation was found (always true for Japanese).
    bool ProgramTextsLoaded() const { return programLoaded_; }

private:
    std::vector<std::unique_ptr<QTranslator>> installed_;
    bool programLoaded_ = false;
};

}  // namespace sorvel
