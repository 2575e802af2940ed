#include "editor/dialogs/colorchoice.h"

#include <QColorDialog>
#include <QComboBox>
#include <QPixmap>

namespace sorvel {

namespace {

struct NamedColor {
    const char* name;
    int bgr;
};

// The sixteen standard colours.
constexpr NamedColor kStandardColors[] = {
    {"黒", 0x000000},   {"暗い赤", 0x000080},   {"緑", 0x008000},     {"オリーブ", 0x008080},
    {"紺", 0x800000},   {"紫", 0x800080},       {"青緑", 0x808000},   {"灰色", 0x808080},
    {"銀色", 0xC0C0C0}, {"赤", 0x0000FF},       {"ライム", 0x00FF00}, {"黄", 0x00FFFF},
    {"青", 0xFF0000},   {"マゼンタ", 0xFF00FF}, {"水色", 0xFFFF00},   {"白", 0xFFFFFF},
};
constexpr char kOther[] = "その他...";
constexpr char kCustom[] = "ユーザー定義";
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
        box->addItem(Swatch(c.bgr), QString::fromUtf8(c.name), c.bgr);
    }
    box->addItem(QString::fromUtf8(kOther), kOtherMarker);
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
        const int custom = box->findText(QString::fromUtf8(kCustom));
        if (custom >= 0) box->removeItem(custom);
        index = OtherIndex(box);
        box->insertItem(index, Swatch(color), QString::fromUtf8(kCustom), color);
    }
    box->setCurrentIndex(index);
    box->setProperty("lastColor", color);
}

int ChosenColor(const QComboBox* box) {
    const QVariant data = box->currentData();
    return data.isValid() && data.toInt() != kOtherMarker ? data.toInt() : 0;
}

}  // namespace sorvel
