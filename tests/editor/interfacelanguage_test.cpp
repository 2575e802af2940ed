// SPDX-License-Identifier: GPL-3.0-or-later
// The interface language: the desktop locale and the stored choice leading to
// a language, the translators each language installs, and the help pages of
// the language chosen.
#include <QComboBox>
#include <QCoreApplication>
#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "editor/dialogs/frmsetinfo.h"
#include "editor/platform/helpopener.h"
#include "editor/platform/interfacelanguage.h"
#include "editor/platform/ownsettings.h"
#include "editor/platform/translatedtext.h"
#include "mainwindowfixture.h"

using namespace sorvel;

class InterfaceLanguageTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theDesktopLocaleChoosesTheLanguage() {
        const struct {
            const char* locale;
            InterfaceLanguage language;
        } cases[] = {
            {"zh_CN", InterfaceLanguage::SimplifiedChinese},
            {"zh_SG", InterfaceLanguage::SimplifiedChinese},
            {"zh_TW", InterfaceLanguage::TraditionalChinese},
            {"zh_HK", InterfaceLanguage::TraditionalChinese},
            {"ja_JP", InterfaceLanguage::Japanese},
            {"en_US", InterfaceLanguage::English},
            {"de_DE", InterfaceLanguage::English},
            {"C", InterfaceLanguage::English},
        };
        for (const auto& c : cases) {
            QVERIFY2(LanguageForLocale(QLocale(QString::fromLatin1(c.locale))) == c.language,
                     c.locale);
        }
    }

    void aStoredChoiceWinsOverTheLocaleUnlessAutomatic() {
        const QLocale chinese(QStringLiteral("zh_TW"));
        QCOMPARE(ChooseInterfaceLanguage(std::nullopt, chinese),
                 InterfaceLanguage::TraditionalChinese);
        QCOMPARE(ChooseInterfaceLanguage(std::string("auto"), chinese),
                 InterfaceLanguage::TraditionalChinese);
        QCOMPARE(ChooseInterfaceLanguage(std::string(""), chinese),
                 InterfaceLanguage::TraditionalChinese);
        QCOMPARE(ChooseInterfaceLanguage(std::string("fr"), chinese),
                 InterfaceLanguage::TraditionalChinese);
        QCOMPARE(ChooseInterfaceLanguage(std::string("ja"), chinese), InterfaceLanguage::Japanese);
        QCOMPARE(ChooseInterfaceLanguage(std::string("en"), QLocale(QStringLiteral("ja_JP"))),
                 InterfaceLanguage::English);
        QCOMPARE(ChooseInterfaceLanguage(std::string("zh_CN"), QLocale(QStringLiteral("en_US"))),
                 InterfaceLanguage::SimplifiedChinese);
        for (InterfaceLanguage language : kInterfaceLanguages) {
            QCOMPARE(LanguageFromCode(LanguageCode(language)), std::optional(language));
        }
    }

    // The key as the options dialog writes it in the settings file.
    void theChoiceIsReadFromTheSettingsFile() {
        QTemporaryDir dir;
        const std::string path = dir.filePath("sorvel.ini").toStdString();
        const QLocale japanese(QStringLiteral("ja_JP"));
        QCOMPARE(ChooseInterfaceLanguage(setting::kLanguage.Read(path), japanese),
                 InterfaceLanguage::Japanese);
        std::ofstream(path) << "[General]\nLeft=10\n[Editor]\nZoom=100\nLanguage=zh_CN\n";
        QCOMPARE(ChooseInterfaceLanguage(setting::kLanguage.Read(path), japanese),
                 InterfaceLanguage::SimplifiedChinese);
    }

    // The options' language list: it shows the stored choice, writes a
    // changed one, and leaves a file without the key as it is when the
    // choice stays automatic.
    void theOptionsStoreTheChoiceForTheNextStart() {
        MainWindowFixture f;
        const std::string path = f.SettingsPath().toStdString();
        SetInfoServices services;
        services.settingsPath = path;
        TfrmSetInfo dialog(f.window->Workspace(), services, f.window.get());
        auto* list = dialog.findChild<QComboBox*>("cmbLanguage");
        QVERIFY(list);
        auto stored = [&] { return setting::kLanguage.Read(path); };

        dialog.Prepare(SetInfoMode::Option);
        QCOMPARE(list->currentText(), QStringLiteral("自動（システムの言語）"));
        QVERIFY(dialog.Confirm());
        dialog.Apply();
        QCOMPARE(stored(), std::nullopt);

        dialog.Prepare(SetInfoMode::Option);
        list->setCurrentIndex(list->findText(QStringLiteral("English")));
        QVERIFY(dialog.Confirm());
        dialog.Apply();
        QCOMPARE(stored(), std::optional<std::string>("en"));

        dialog.Prepare(SetInfoMode::Option);
        QCOMPARE(list->currentText(), QStringLiteral("English"));
        list->setCurrentIndex(list->findText(QStringLiteral("繁體中文")));
        QVERIFY(dialog.Confirm());
        dialog.Apply();
        QCOMPARE(stored(), std::optional<std::string>("zh_TW"));
        dialog.Prepare(SetInfoMode::Option);
        list->setCurrentIndex(0);
        QVERIFY(dialog.Confirm());
        dialog.Apply();
        QCOMPARE(stored(), std::optional<std::string>("auto"));
        // What the next start reads.
        QCOMPARE(ChooseInterfaceLanguage(stored(), QLocale(QStringLiteral("zh_CN"))),
                 InterfaceLanguage::SimplifiedChinese);
    }

    // Japanese is the source language: nothing of ours is installed and the
    // texts stay as written. Every other language finds its embedded file.
    void eachLanguageInstallsItsTranslations() {
        const char* source = "ファイルの内容が変更されています。変更を保存しますか？";
        {
            const InterfaceTranslators japanese(InterfaceLanguage::Japanese);
            QVERIFY(japanese.ProgramTextsLoaded());
            QCOMPARE(Translated("EditorDialogs", source), QString::fromUtf8(source));
        }
        for (InterfaceLanguage language :
             {InterfaceLanguage::SimplifiedChinese, InterfaceLanguage::TraditionalChinese,
              InterfaceLanguage::English}) {
            const InterfaceTranslators translators(language);
            QVERIFY2(translators.ProgramTextsLoaded(), LanguageCode(language).c_str());
            QVERIFY2(Translated("EditorDialogs", source) != QString::fromUtf8(source),
                     LanguageCode(language).c_str());
            // Qt's own texts (the buttons of its dialogs) come along.
            if (language != InterfaceLanguage::English) {
                QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") !=
                        QStringLiteral("Cancel"));
            }
        }
        // Gone with the object.
        QCOMPARE(Translated("EditorDialogs", source), QString::fromUtf8(source));
    }

    // A template of a Qt-free layer is translated, then filled with its
    // translated arguments; plain arguments stay as they are.
    void userTextsAreTranslatedPartByPart() {
        const UserText text(SORVEL_TEXT("sorvel::model", "「%1」に保存できません。"),
                            {UserText::Plain("/tmp/a%2.svl")});
        QCOMPARE(Translated(text), QStringLiteral("「/tmp/a%2.svl」に保存できません。"));
        const InterfaceTranslators english(InterfaceLanguage::English);
        const QString shown = Translated(text);
        QVERIFY2(shown.contains(QStringLiteral("/tmp/a%2.svl")), qPrintable(shown));
        QVERIFY2(!shown.contains(QStringLiteral("保存")), qPrintable(shown));
    }

    void helpOpensThePagesOfTheLanguageWhereThereAreAny() {
        QTemporaryDir dir;
        const QString folder = dir.path();
        QVERIFY(QDir(folder).mkpath(QStringLiteral("en")));
        QFile page(folder + QStringLiteral("/en/index.html"));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<html><body>Contents</body></html>");
        page.close();
        QCOMPARE(HelpIndexPage(folder, QStringLiteral("en")), QStringLiteral("en/index.html"));
        // A language without pages, or Japanese, opens the Japanese ones.
        QCOMPARE(HelpIndexPage(folder, QStringLiteral("zh_TW")), QStringLiteral("index.html"));
        QCOMPARE(HelpIndexPage(folder, QStringLiteral("ja")), QStringLiteral("index.html"));
        QCOMPARE(HelpIndexPage(folder, QString()), QStringLiteral("index.html"));
    }
};

QTEST_MAIN(InterfaceLanguageTest)
#include "interfacelanguage_test.moc"
