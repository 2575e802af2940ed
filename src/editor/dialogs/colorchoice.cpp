// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialogs/colorchoice.h"

#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QPixmap>

namespace sorvel {

namespace {

struct NamedColor {
    const char* name;
    int bgr;
};

// The sixteen standard colours, their names translated in "ColorChoice".
constexpr NamedColor kStandardColors[] = {
    {QT_TRANSLATE_NOOP("ColorChoice", "黒"), 0x000000},
    {QT_TRANSLATE_NOOP("ColorChoice", "暗い赤"), 0x000080},
    {QT_TRANSLATE_NOOP("ColorChoice", "緑"), 0x008000},
    {QT_TRANSLATE_NOOP("ColorChoice", "オリーブ"), 0x008080},
    {QT_TRANSLATE_NOOP("ColorChoice", "紺"), 0x800000},
    {QT_TRANSLATE_NOOP("ColorChoice", "紫"), 0x800080},
    {QT_TRANSLATE_NOOP("ColorChoice", "青緑"), 0x808000},
    {QT_TRANSLATE_NOOP("ColorChoice", "灰色"), 0x808080},
    {QT_TRANSLATE_NOOP("ColorChoice", "銀色"), 0xC0C0C0},
    {QT_TRANSLATE_NOOP("ColorChoice", "赤"), 0x0000FF},
    {QT_TRANSLATE_NOOP("ColorChoice", "ライム"), 0x00FF00},
    {QT_TRANSLATE_NOOP("ColorChoice", "黄"), 0x00FFFF},
    {QT_TRANSLATE_NOOP("ColorChoice", "青"), 0xFF0000},
    {QT_TRANSLATE_NOOP("ColorChoice", "マゼンタ"), 0xFF00FF},
    {QT_TRANSLATE_NOOP("ColorChoice", "水色"), 0xFFFF00},
    {QT_TRANSLATE_NOOP("ColorChoice", "白"), 0xFFFFFF},
};
constexpr char kOther[] = QT_TRANSLATE_NOOP("ColorChoice", "その他...");
constexpr char kCustom[] = QT_TRANSLATE_NOOP("ColorChoice", "ユーザー定義");

QString Text(const char* source) {
    return QCoreApplication::translate("ColorChoice", source);
}
constexpr int kOtherMarker = -1;

QColor ToQColor(int bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

int FromQColor(const QColor& c) {
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}

QIcon Swatch(int bgr) {
    QPixmap pixmap(16, 12);
    pixmap.fill(ToQColor(bgr));
    return QIcon(pixmap);
}

int OtherIndex(const QComboBox* box) {
    return box->findData(kOtherMarker);
}

}  // namespace

void SetUpColorChoice(QComboBox* box) {
    box->clear();
    for (const NamedColor& c : kStandardColors) {
        box->addItem(Swatch(c.bgr), Text(c.name), c.bgr);
    }
    box->addItem(Text(kOther), kOtherMarker);
    // Choosing "その他..." opens the colour dialog; cancelling it keeps the
    // colour chosen before.
    QObject::connect(box, &QComboBox::activated, box, [box](int index) {
        if (index != OtherIndex(box)) {
            box->setProperty("lastColor", box->itemData(index));
            return;
        }
        const int before = box->property("lastColor").toInt();
        const QColor picked = QColorDialog::getColor(ToQColor(before), box->window());
        SelectColor(box, picked.isValid() ? FromQColor(picked) : before);
    });
}

void SelectColor(QComboBox* box, int color) {
    color &= 0xFFFFFF;
    int index = box->findData(color);
    if (index < 0 || index == OtherIndex(box)) {
        // One entry holds a colour outside the standard list.
        const int custom = box->findText(Text(kCustom));
        if (custom >= 0) box->removeItem(custom);
        index = OtherIndex(box);
        box->insertItem(index, Swatch(color), Text(kCustom), color);
    }
    box->setCurrentIndex(index);
    box->setProperty("lastColor", color);
}

int ChosenColor(const QComboBox* box) {
    const QVariant data = box->currentData();
    return data.isValid() && data.toInt() != kOtherMarker ? data.toInt() : 0;
}

}  // namespace sorvel
