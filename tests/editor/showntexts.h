// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text a window shows (captions, labels, tips, tabs, list entries), and
// which of them would stay in Japanese or English in a translated interface.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QList>
#include <QMenu>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

#include "editor/platform/interfacelanguage.h"

namespace sorvel::shown {

inline bool IsKana(QChar c) {
    const ushort u = c.unicode();
    return (u >= 0x3040 && u <= 0x30FF) || (u >= 0xFF66 && u <= 0xFF9F);
}

inline bool IsHan(QChar c) {
    const ushort u = c.unicode();
    return (u >= 0x3400 && u <= 0x4DBF) || (u >= 0x4E00 && u <= 0x9FFF) ||
           (u >= 0xF900 && u <= 0xFAFF);
}

// Texts that are data, not interface: the page's key as the score names it
// ("１＝Ｄ　（１５弦）"), the font families of the score, each language named
// in itself in the language list.
inline bool IsDeliberateData(const QString& text) {
    static const QStringList names = {
        QStringLiteral("日本語"),          QStringLiteral("简体中文"),
        QStringLiteral("繁體中文"),        QStringLiteral("English"),
        QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("ＭＳ ゴシック")};
    return text.startsWith(QStringLiteral("１＝")) || names.contains(text);
}

struct Shown {
    QString where;
    QString text;
};

inline void Add(QList<Shown>& out, const QString& where, const QString& text) {
    if (!text.isEmpty()) out.push_back({where, text});
}

// Every text a widget and its children show: captions, labels, titles,
// tips, tabs and list entries.
inline QList<Shown> TextsOf(QWidget& root) {
    QList<Shown> out;
    QList<QWidget*> widgets = root.findChildren<QWidget*>();
    widgets.prepend(&root);
    for (QWidget* w : widgets) {
        const QString name = w->objectName().isEmpty()
                                 ? QString::fromLatin1(w->metaObject()->className())
                                 : w->objectName();
        if (w->isWindow()) Add(out, name + QStringLiteral(" title"), w->windowTitle());
        Add(out, name + QStringLiteral(" tip"), w->toolTip());
        if (auto* label = qobject_cast<QLabel*>(w)) Add(out, name, label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w)) Add(out, name, button->text());
        if (auto* group = qobject_cast<QGroupBox*>(w)) Add(out, name, group->title());
        if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i) Add(out, name, tabs->tabText(i));
        }
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            for (int i = 0; i < tabs->count(); ++i) Add(out, name, tabs->tabText(i));
        }
        if (auto* combo = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < combo->count(); ++i) Add(out, name, combo->itemText(i));
        }
        if (auto* menu = qobject_cast<QMenu*>(w)) Add(out, name, menu->title());
        for (QAction* action : w->actions()) {
            Add(out, action->objectName(), action->text());
            Add(out, action->objectName() + QStringLiteral(" tip"), action->toolTip());
        }
    }
    return out;
}

// What would stay Japanese in `language`: in English any kana or kanji, in
// Chinese any kana.
inline QStringList Untranslated(const QList<Shown>& texts, InterfaceLanguage language) {
    QStringList found;
    for (const Shown& shown : texts) {
        if (IsDeliberateData(shown.text)) continue;
        for (QChar c : shown.text) {
            if (IsKana(c) || (language == InterfaceLanguage::English && IsHan(c))) {
                found << shown.where + QStringLiteral(": ") + shown.text;
                break;
            }
        }
    }
    found.removeDuplicates();
    return found;
}

// What would stay English in Chinese: a caption with a word of Latin letters
// other than the names that stay as they are (MIDI, PDF, MusicXML, the
// program's name, Esc, the file types, "velocity" after its translation, the
// dynamics). Lists of the system's fonts and devices are data.
inline QStringList EnglishLeft(const QList<Shown>& texts) {
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    static const QStringList kept = {"MIDI",     "PDF", "MusicXML", "Sorvel",   "Esc", "svl",
                                     "bmp",      "BMP", "pdf",      "musicxml", "xml", "mxl",
                                     "velocity", "ppp", "fff",      "GNU",      "GPL"};
    // The copyright line is a legal notice, the same in every language.
    static const QRegularExpression copyright(QStringLiteral("^Copyright ©[^\n]*\n?"));
    static const QStringList dataLists = {"cmbFontName", "cmbMidiDevice"};
    QStringList found;
    for (const Shown& shown : texts) {
        if (dataLists.contains(shown.where) || IsDeliberateData(shown.text)) continue;
        const QString text = QString(shown.text).remove(copyright);
        for (auto m = word.globalMatch(text); m.hasNext();) {
            if (kept.contains(m.next().captured())) continue;
            found << shown.where + QStringLiteral(": ") + shown.text;
            break;
        }
    }
    found.removeDuplicates();
    return found;
}

}  // namespace sorvel::shown
