// SPDX-License-Identifier: GPL-3.0-or-later
// The interface in Simplified Chinese, Traditional Chinese and English: the
// main window with every dialog, walked for text left in Japanese or English;
// the translation files finished for every interface text; menus whose
// entries keep distinct access keys in every language; the lists and captions
// a translation words its own way (the play dialog, the instrument and drum
// names, the grace-note octaves, the key list), the palette's spare tab; and
// the Japanese interface unchanged without a translation.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDirIterator>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QXmlStreamReader>
#include <QtTest>

#include "base/cp932.h"
#include "editor/dialogs/frminsdel.h"
#include "editor/dialogs/frmpreview.h"
#include "editor/dialogs/frmsetbarnum.h"
#include "editor/dialogs/frmsetdaon.h"
#include "editor/dialogs/frmsetinfo.h"
#include "editor/dialogs/frmsetnote.h"
#include "editor/dialogs/frmsettempo.h"
#include "editor/dialogs/frmsettext.h"
#include "editor/dialogs/frmtableofcontent.h"
#include "editor/dialogs/frmversioninfo.h"
#include "editor/dialogs/generalmidinames.h"
#include "editor/dialogs/itemdialogs.h"
#include "editor/dialogs/newbookdialog.h"
#include "editor/dialogs/settingsvalues.h"
#include "editor/listening/frmrecord.h"
#include "editor/mainwindow/actiontable.h"
#include "editor/mainwindow/settingscommands.h"
#include "editor/pageview/toolpalette.h"
#include "editor/platform/interfacelanguage.h"
#include "editor/platform/ownsettings.h"
#include "editor/playing/frmkeyboard.h"
#include "editor/playing/frmplay.h"
#include "editor/playing/frmtuning.h"
#include "editor/playing/playbackcontroller.h"
#include "mainwindowfixture.h"
#include "model/daon.h"
#include "model/itemfactory.h"
#include "model/musicsheet.h"
#include "model/preferencesfile.h"
#include "showntexts.h"

using namespace sorvel;
using namespace sorvel::shown;

namespace {

QStringList ItemTexts(const QComboBox& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i) texts << list.itemText(i);
    return texts;
}

// The access key of a caption ("&File" → F), or a null character.
QChar Mnemonic(const QString& caption) {
    for (int i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) continue;
        if (caption[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return caption[i + 1].toUpper();
    }
    return {};
}

const InterfaceLanguage kTranslated[] = {InterfaceLanguage::SimplifiedChinese,
                                         InterfaceLanguage::TraditionalChinese,
                                         InterfaceLanguage::English};

}  // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

private:
    // The main window and every window and dialog it opens, built while
    // `language` is installed.
    QList<Shown> EveryWindowIn(MainWindowFixture& f) {
        TfrmMain& w = *f.window;
        Workspace& ws = w.Workspace();
        // The rhythm entry's line in the status bar.
        w.Action("actRhythmEntry")->trigger();
        QList<Shown> texts = TextsOf(w);
        Add(texts, QStringLiteral("status"), w.statusBar()->currentMessage());

        ItemDialogs& items = ItemDialogs::Of(w.Context());
        for (QWidget* dialog : std::initializer_list<QWidget*>{
                 &items.Daon(), &items.BarNum(), &items.Text(), &items.Tempo(), &items.Note()}) {
            texts += TextsOf(*dialog);
        }
        SetInfoServices services;
        services.settingsPath = f.SettingsPath().toStdString();
        TfrmSetInfo settings(ws, services, &w);
        for (SetInfoMode mode : {SetInfoMode::Book, SetInfoMode::Page, SetInfoMode::Option}) {
            settings.Prepare(mode, w.CurrentPage());
            texts += TextsOf(settings);
        }
        TfrmInsDel shift(nullptr, &w);
        for (TfrmInsDel::Mode mode : {TfrmInsDel::Mode::Insert, TfrmInsDel::Mode::Delete}) {
            shift.SetMode(mode);
            shift.show();
            texts += TextsOf(shift);
            shift.hide();
        }
        TfrmPreview preview(ws.env, &w);
        texts += TextsOf(preview);
        TfrmTableOfContent contents(ws.prefs, f.SettingsPath().toStdString(), &w);
        texts += TextsOf(contents);
        TfrmVersionInfo about(&w);
        texts += TextsOf(about);
        NewBookDialog newBook(&w);
        texts += TextsOf(newBook);
        TfrmRecord record(f.SettingsPath().toStdString(), &w);
        texts += TextsOf(record);
        PlaybackController* playback = FindPlaybackController(w);
        texts += TextsOf(playback->PlayDialog());
        texts += TextsOf(playback->KeyBoard());
        texts += TextsOf(playback->Tuning());
        return texts;
    }

private Q_SLOTS:
    void everyWindowSpeaksEachLanguage() {
        {
            // Without a translation the walk finds the Japanese texts.
            MainWindowFixture f;
            QVERIFY(Untranslated(EveryWindowIn(f), InterfaceLanguage::SimplifiedChinese).size() >
                    100);
        }
        for (InterfaceLanguage language : kTranslated) {
            const InterfaceTranslators translators(language);
            QVERIFY(translators.ProgramTextsLoaded());
            MainWindowFixture f;
            const QList<Shown> texts = EveryWindowIn(f);
            QVERIFY(texts.size() > 300);
            QStringList left = Untranslated(texts, language);
            if (language != InterfaceLanguage::English) left += EnglishLeft(texts);
            QVERIFY2(left.isEmpty(),
                     qPrintable(QString::fromStdString(LanguageCode(language)) +
                                QStringLiteral(" still shows:\n") + left.join(QLatin1Char('\n'))));
        }
    }

    // Without a translation the captions are the program's own, exactly.
    void theJapaneseInterfaceStaysAsWritten() {
        const InterfaceTranslators japanese(InterfaceLanguage::Japanese);
        MainWindowFixture f;
        TfrmMain& w = *f.window;
        QCOMPARE(w.menuBar()->actions().at(0)->text(), QStringLiteral("ﾌｧｲﾙ(&F)"));
        QCOMPARE(w.Action("actSaveAs")->text(), QStringLiteral("名前を付けて保存(&A)..."));
        QCOMPARE(w.Action("actRhythmEntry")->text(), QStringLiteral("リズム入力(&R)"));
        QCOMPARE(w.Action("actPlayStop")->toolTip(), QStringLiteral("再生"));
        w.Action("actRhythmEntry")->trigger();
        QCOMPARE(w.findChild<QLabel*>("lblRhythmEntry")->text(),
                 QStringLiteral("リズム入力: 4分音符"));
        SetInfoServices services;
        services.settingsPath = f.SettingsPath().toStdString();
        TfrmSetInfo settings(w.Workspace(), services, &w);
        settings.Prepare(SetInfoMode::Option);
        QCOMPARE(settings.windowTitle(), QStringLiteral("オプション"));
        QCOMPARE(settings.findChild<QTabBar*>("tabSetInfo")->tabText(0), QStringLiteral("一般"));
        auto* languages = settings.findChild<QComboBox*>("cmbLanguage");
        QVERIFY(languages);
        QStringList entries;
        for (int i = 0; i < languages->count(); ++i) entries << languages->itemText(i);
        QCOMPARE(entries, QStringList({"自動（システムの言語）", "日本語", "简体中文", "繁體中文",
                                       "English"}));
    }

    void noMenuRepeatsAnAccessKey() {
        for (InterfaceLanguage language : kInterfaceLanguages) {
            const InterfaceTranslators translators(language);
            MainWindowFixture f;
            QList<QMenu*> menus = {f.window->menuBar()->findChildren<QMenu*>()};
            QMap<QChar, QString> bar;
            for (QAction* top : f.window->menuBar()->actions()) {
                const QChar key = Mnemonic(top->text());
                QVERIFY2(!key.isNull(), qPrintable(top->text()));
                QVERIFY2(!bar.contains(key), qPrintable(bar.value(key) + " / " + top->text()));
                bar.insert(key, top->text());
            }
            for (QMenu* menu : menus) {
                QMap<QChar, QString> seen;
                for (QAction* entry : menu->actions()) {
                    if (entry->isSeparator() || !entry->isVisible()) continue;
                    const QChar key = Mnemonic(entry->text());
                    if (key.isNull()) continue;
                    // The record command's caption is given as it stands,
                    // with the key of 開き直す(&R); Qt moves between the two.
                    if (language == InterfaceLanguage::Japanese &&
                        entry->text() == QString::fromUtf8("録音して採譜(&R)..."))
                        continue;
                    QVERIFY2(!seen.contains(key),
                             qPrintable(QString::fromStdString(LanguageCode(language)) + ": " +
                                        seen.value(key) + " / " + entry->text()));
                    seen.insert(key, entry->text());
                }
            }
        }
    }

    // Every caption with an access key keeps one in each translation.
    void translatedCaptionsKeepTheirAccessKeys() {
        for (InterfaceLanguage language : kTranslated) {
            const InterfaceTranslators translators(language);
            for (const MenuEntry& menu : MainMenuTable()) {
                for (const ActionEntry& item : menu.items) {
                    const QString source = QString::fromUtf8(item.caption);
                    const QString shown =
                        QCoreApplication::translate(kMainMenuContext, item.caption);
                    QVERIFY2(Mnemonic(source).isNull() || !Mnemonic(shown).isNull(),
                             qPrintable(shown));
                }
            }
        }
    }

    // The play dialog's buttons in each language; the mute boxes follow a
    // caption that says a tick silences (the glossary's word for muting), and
    // the mute button names its two modes. Japanese keeps its captions.
    void playDialogSaysWhatATickMutes() {
        const struct {
            InterfaceLanguage language;
            const char* mute;
        } languages[] = {{InterfaceLanguage::Japanese, "MUTE"},
                         {InterfaceLanguage::SimplifiedChinese, "静音"},
                         {InterfaceLanguage::TraditionalChinese, "靜音"},
                         {InterfaceLanguage::English, "Mute"}};
        for (const auto& l : languages) {
            const InterfaceTranslators translators(l.language);
            MainWindowFixture f;
            TfrmPlay& play = FindPlaybackController(*f.window)->PlayDialog();
            auto* label = play.findChild<QLabel*>("lblMute");
            auto* metronome = play.findChild<QAbstractButton*>("chkPlayMetronome");
            auto* button = play.findChild<QAbstractButton*>("btnMute");
            QVERIFY(label && metronome && button);
            QVERIFY2(label->text().startsWith(QString::fromUtf8(l.mute)),
                     qPrintable(label->text()));
            // The caption comes first in the boxes' row.
            QCOMPARE(label->parentWidget(), metronome->parentWidget());
            play.show();
            QVERIFY(label->geometry().right() < metronome->geometry().left());
            const QString everyPass = button->text();
            button->click();
            QVERIFY(play.AlternateMute());
            const QString everySecondPass = button->text();
            button->click();
            QVERIFY(!play.AlternateMute());
            QCOMPARE(button->text(), everyPass);
            QVERIFY(everyPass != everySecondPass);
            if (l.language == InterfaceLanguage::Japanese) {
                QCOMPARE(everyPass, QStringLiteral("MUTE"));
                QCOMPARE(everySecondPass, QStringLiteral("MUTE(交互)"));
                QCOMPARE(play.findChild<QAbstractButton*>("btnPlay")->text(),
                         QStringLiteral("Play"));
                QCOMPARE(play.findChild<QAbstractButton*>("chkPlayMusicData")->text(),
                         QStringLiteral("楽譜データ"));
            } else {
                QVERIFY(!everyPass.contains(QStringLiteral("MUTE")));
                QVERIFY(!everySecondPass.contains(QStringLiteral("MUTE")));
            }
        }
    }

    // The General MIDI programs by the names players know them by in each
    // language (Japanese included), or the list's short names everywhere when
    // the option is off.
    void instrumentNamesFollowTheLanguage() {
        auto entries = [](MainWindowFixture& f) {
            TfrmPlay& play = FindPlaybackController(*f.window)->PlayDialog();
            return ItemTexts(*play.findChild<QComboBox*>("cmbInstrument"));
        };
        QStringList japanese;
        {
            const InterfaceTranslators ja(InterfaceLanguage::Japanese);
            MainWindowFixture f;
            japanese = entries(f);
        }
        QCOMPARE(japanese.size(), kGeneralMidiProgramCount);
        QCOMPARE(japanese.at(0), QStringLiteral("001:アコースティック・グランド・ピアノ"));
        QCOMPARE(japanese.at(71), QStringLiteral("072:クラリネット"));
        for (InterfaceLanguage language : kInterfaceLanguages) {
            const InterfaceTranslators translators(language);
            MainWindowFixture f;
            const QStringList shown = entries(f);
            QCOMPARE(shown.size(), kGeneralMidiProgramCount);
            QCOMPARE(QSet<QString>(shown.begin(), shown.end()).size(), kGeneralMidiProgramCount);
            for (int i = 0; i < kGeneralMidiProgramCount; ++i) {
                QVERIFY(shown.at(i).startsWith(QString("%1:").arg(i + 1, 3, 10, QChar('0'))));
                if (language != InterfaceLanguage::Japanese)
                    QVERIFY2(std::none_of(shown.at(i).begin(), shown.at(i).end(), IsKana),
                             qPrintable(shown.at(i)));
            }
            setting::kLocalInstrumentNames.Write(f.SettingsPath().toStdString(), 0);
            f.Start();
            const QStringList shortNames = entries(f);
            QCOMPARE(shortNames.at(0), QStringLiteral("001:Piano 1"));
            QCOMPARE(shortNames.at(71), QStringLiteral("072:Clarinet"));
            QCOMPARE(shortNames.at(127), QStringLiteral("128:Gun Shot"));
        }
    }

    // The grace-note dialog is titled by what it edits (the glossary's word)
    // and offers octaves as words; the chosen one is stored as its number.
    void graceNoteDialogNamesItsOctaves() {
        const struct {
            InterfaceLanguage language;
            const char* term;
        } languages[] = {{InterfaceLanguage::SimplifiedChinese, "倚音"},
                         {InterfaceLanguage::TraditionalChinese, "倚音"},
                         {InterfaceLanguage::English, "Grace"}};
        for (const auto& l : languages) {
            const InterfaceTranslators translators(l.language);
            MainWindowFixture f;
            auto* daon = [&] {
                const UntrackedChanges asRead(&f.window->Workspace().undo);
                auto* made = CreateItem<TDaonLeft>(*f.window->CurrentPage());
                made->SetContent("K");
                made->SetPosX(100);
                made->SetPosY(300);
                return made;
            }();
            {
                const UntrackedChanges asRead(&f.window->Workspace().undo);
                QVERIFY(daon->SetAllNoteData("62T73U 3  3 "));
            }
            TfrmSetdaon& dialog = ItemDialogs::Of(f.window->Context()).Daon();
            QString title;
            QStringList octaves;
            int shown = 99;
            QTimer::singleShot(0, f.window.get(), [&] {
                auto* octave = dialog.findChild<QComboBox*>("cmbOctave1");
                title = dialog.windowTitle();
                octaves = ItemTexts(*octave);
                shown = octave->currentData().toInt();
                octave->setCurrentIndex(octave->findData(1));
                dialog.Confirm();
            });
            QVERIFY(EditItemProperties(f.window->Context(), *daon));
            QVERIFY2(title.contains(QString::fromUtf8(l.term)), qPrintable(title));
            QCOMPARE(octaves.size(), 6);
            for (const QString& octave : octaves) {
                bool number = false;
                octave.toInt(&number);
                QVERIFY2(!number, qPrintable(octave));
            }
            QCOMPARE(shown, -1);
            QCOMPARE(daon->AllNoteData().substr(0, 2), std::string("64"));
        }
    }

    // A key none of whose open strings is a degree keeps its text as stored,
    // but a translation lists it without the empty brackets.
    void keyListLeavesOutEmptyBrackets() {
        const std::string flatE = cp932::FromUtf8("１＝♭Ｅ（弦）");
        for (InterfaceLanguage language : kInterfaceLanguages) {
            const InterfaceTranslators translators(language);
            MainWindowFixture f;
            TMusicSheet& page = *f.window->CurrentPage();
            {
                const UntrackedChanges asRead(&f.window->Workspace().undo);
                page.SetKeyCode(cp932::FromUtf8("１＝Ｅ　（弦）"));
            }
            TfrmSetInfo& dialog = SettingsCommands::Of(*f.window)->Dialog();
            QStringList keys;
            QString current;
            QTimer::singleShot(0, f.window.get(), [&] {
                auto* list = dialog.findChild<QComboBox*>("cmbKeyCode");
                keys = ItemTexts(*list);
                current = list->currentText();
                list->setCurrentIndex(KeyCodeIndex(flatE));
                dialog.Confirm();
            });
            SettingsCommands::Of(*f.window)->SetPageInfo();
            QCOMPARE(page.KeyCode(), flatE);
            QCOMPARE(keys.at(0), QStringLiteral("１＝Ｄ　（１５弦）"));
            if (language == InterfaceLanguage::Japanese) {
                QVERIFY(keys.contains(QStringLiteral("１＝♭Ｅ（弦）")));
                QCOMPARE(current, QStringLiteral("１＝Ｅ　（弦）"));
                continue;
            }
            for (const QString& key : keys) {
                QVERIFY2(!key.contains(QStringLiteral("（弦）")) && key == key.trimmed(),
                         qPrintable(key));
            }
            QVERIFY(keys.contains(QStringLiteral("１＝♭Ｅ")));
            QCOMPARE(current, QStringLiteral("１＝Ｅ"));
        }
    }

    // The palette's tab that holds no tool yet is left out, unless the option
    // asks for the palette with every tab.
    void theSpareTabShowsOnlyWhenAskedFor() {
        for (InterfaceLanguage language : kInterfaceLanguages) {
            const InterfaceTranslators translators(language);
            MainWindowFixture f;
            auto spareShown = [&f] {
                ToolPalette& palette = f.window->Palette();
                for (int i = 0; i < palette.count(); ++i) {
                    const bool spare = palette.widget(i)->objectName() == QLatin1String("tabEtc");
                    if (!spare && !palette.isTabVisible(i)) return -1;  // a tool tab is missing
                    if (spare) return palette.isTabVisible(i) ? 1 : 0;
                }
                return -1;
            };
            QCOMPARE(spareShown(), 0);
            WritePreferenceKey(f.SettingsPath().toStdString(), "Editor", "ShowSpareTabs", 1);
            f.Start();
            QCOMPARE(spareShown(), 1);
        }
    }

    // Every button of the palette says what it places and, where a key types
    // it, which key; the keys of the accidentals are printed under them too.
    void everyPaletteButtonHasANameInEveryLanguage() {
        for (InterfaceLanguage language : kInterfaceLanguages) {
            const InterfaceTranslators translators(language);
            MainWindowFixture f;
            ToolPalette& palette = f.window->Palette();
            QStringList unnamed;
            int buttons = 0;
            for (int page = 0; page < palette.count(); ++page) {
                for (QToolButton* button : palette.widget(page)->findChildren<QToolButton*>()) {
                    // The spare tab's buttons hold no tool.
                    if (!button->isEnabled()) continue;
                    ++buttons;
                    const QString tip = button->toolTip();
                    if (tip.isEmpty() || tip.startsWith(QLatin1String(" ("))) {
                        unnamed << button->objectName();
                    }
                }
            }
            const QString code = QString::fromStdString(LanguageCode(language));
            QVERIFY2(unnamed.isEmpty(), qPrintable(code + ": " + unnamed.join(' ')));
            QVERIFY(buttons > 90);
            auto tipOf = [&palette](const char* name) {
                return palette.findChild<QToolButton*>(name)->toolTip();
            };
            for (const auto& [name, key] :
                 {std::pair{"btnRinji_2", " (#)"}, std::pair{"btnRinji_0", " (b)"},
                  std::pair{"btnRinji_1", " (n)"}, std::pair{"btnDaonLeft_01", " (g)"},
                  std::pair{"btnNote_8", " (8, -)"}, std::pair{"btnBarLine_0", " (/)"},
                  std::pair{"btn1OctUp", " (x)"}, std::pair{"btnSlur_01", " (s)"}}) {
                QVERIFY2(tipOf(name).endsWith(QLatin1String(key)),
                         qPrintable(code + ": " + tipOf(name)));
            }
            // Marks without a key carry their name alone; a name tells the
            // sharp from the flat in every language.
            QVERIFY(!tipOf("btnSign_91").contains('('));
            QVERIFY(tipOf("btnRinji_2").section(" (", 0, 0) !=
                    tipOf("btnRinji_0").section(" (", 0, 0));
            QCOMPARE(tipOf("btnNote_5").section(" (", 0, 0).contains('5'), true);
        }
    }

    // The .ts files in the tree: every message with a Japanese source is
    // finished, and a translation keeps the %1 … places of its source.
    void theTranslationFilesAreFinished() {
        for (InterfaceLanguage language : kTranslated) {
            const QString path = QStringLiteral(SORVEL_TRANSLATIONS_DIR "/sorvel_") +
                                 QString::fromStdString(LanguageCode(language)) +
                                 QStringLiteral(".ts");
            QFile file(path);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
            QXmlStreamReader xml(&file);
            QString source;
            QStringList unfinished;
            QStringList badPlaces;
            static const QRegularExpression place(QStringLiteral("%[1-9]"));
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement) continue;
                if (xml.name() == QLatin1String("source")) {
                    source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                } else if (xml.name() == QLatin1String("translation")) {
                    const QString type = xml.attributes().value("type").toString();
                    const QString text =
                        xml.readElementText(QXmlStreamReader::IncludeChildElements);
                    if (type == QLatin1String("obsolete") || type == QLatin1String("vanished"))
                        continue;
                    if (type == QLatin1String("unfinished")) unfinished << source;
                    QStringList want, have;
                    for (auto m = place.globalMatch(source); m.hasNext();)
                        want << m.next().captured();
                    for (auto m = place.globalMatch(text); m.hasNext();)
                        have << m.next().captured();
                    want.sort();
                    have.sort();
                    if (want != have) badPlaces << source;
                }
            }
            QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
            QVERIFY2(unfinished.isEmpty(), qPrintable(path + ":\n" + unfinished.join('\n')));
            QVERIFY2(badPlaces.isEmpty(), qPrintable(path + ":\n" + badPlaces.join('\n')));
        }
    }
};

QTEST_MAIN(TranslationsTest)
#include "translations_test.moc"
