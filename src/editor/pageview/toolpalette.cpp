// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/pageview/toolpalette.h"

#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <string_view>
#include <vector>

#include "editor/mainwindow/toolbaricons.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/palettenames.h"
#include "model/glyphcodes.h"
#include "model/glyphinfotable.h"
#include "model/markmeanings.h"
#include "view/core/canvas.h"

namespace sorvel {

namespace {

struct ButtonEntry {
    const char* name;
    int tag;              // the glyph's character code; 0 for none
    const char* hint;     // the key printed under the button, or ""
    const char* caption;  // text instead of a glyph picture, or nullptr
};

struct TabEntry {
    const char* name;
    const char* caption;
    std::vector<ButtonEntry> buttons;
};

// The no-tool button of each tab is added in front of these.
const std::vector<TabEntry>& PaletteTable() {
    static const std::vector<TabEntry> table = {
        {"tabMain",
         QT_TRANSLATE_NOOP("sorvel::ToolPalette", "メイン"),
         {{"btnNote_0", '0', "0", nullptr},
          {"btnNote_1", '1', "1", nullptr},
          {"btnNote_2", '2', "2", nullptr},
          {"btnNote_3", '3', "3", nullptr},
          {"btnNote_4", '4', "4", nullptr},
          {"btnNote_5", '5', "5", nullptr},
          {"btnNote_6", '6', "6", nullptr},
          {"btnNote_7", '7', "7", nullptr},
          {"btnNote_8", kSustainDash, "8", nullptr},
          {"btnFuten_0", '9', "9", nullptr},
          {"btnHorizBar_01", 'M', "", nullptr},
          {"btnSign_84", 'T', "q", nullptr},
          {"btnSign_85", 'U', "w", nullptr},
          {"btnSign_86", 'V', "e", nullptr},
          {"btnSign_87", 'W', "r", nullptr},
          {"btnSign_88", 'X', "t", nullptr},
          {"btnBarLine_0", 'c', "/", nullptr},
          {"btnBarLine_1", 'd', "", nullptr},
          {"btnBarLine_2", 'e', "", nullptr},
          {"btnSign_80", 'P', "d", nullptr},
          {"btnSign_81", 'Q', "u", nullptr},
          {"btnSign_82", 'R', "i", nullptr},
          {"btnSign_83", 'S', "o", nullptr},
          {"btnRinji_0", 'a', "", nullptr},
          {"btnRinji_1", 'b', "", nullptr},
          {"btnRinji_2", 96, "", nullptr},
          {"btnTextBox_01", 'O', "", nullptr},
          {"btn1OctDown", 0, "z", QT_TRANSLATE_NOOP("sorvel::ToolPalette", "低")},
          {"btn1OctUp", 0, "x", QT_TRANSLATE_NOOP("sorvel::ToolPalette", "高")},
          {"btnShort", 0, "c", QT_TRANSLATE_NOOP("sorvel::ToolPalette", "短")},
          {"btnLong", 0, "v", QT_TRANSLATE_NOOP("sorvel::ToolPalette", "長")},
          {"btnBarLine_3", 'f', "", nullptr},
          {"btnBarLine_4", 'g', "", nullptr},
          {"btnBarLine_5", 'h', "", nullptr}}},
        {"tabPF",
         QT_TRANSLATE_NOOP("sorvel::ToolPalette", "強弱記号"),
         {{"btnSign_64", markcode::DynamicCode(0), "", nullptr},
          {"btnSign_65", markcode::DynamicCode(1), "", nullptr},
          {"btnSign_66", markcode::DynamicCode(2), "", nullptr},
          {"btnSign_67", markcode::DynamicCode(3), "", nullptr},
          {"btnSign_68", markcode::DynamicCode(4), "", nullptr},
          {"btnSign_69", markcode::DynamicCode(5), "", nullptr},
          {"btnSign_70", markcode::DynamicCode(6), "", nullptr},
          {"btnSign_71", markcode::DynamicCode(7), "", nullptr},
          {"btnSign_72", markcode::kSforzando, "", nullptr},
          {"btnCresc_0", markcode::kCrescendo, "", nullptr},
          {"btnCresc_1", markcode::kDecrescendo, "", nullptr}}},
        {"tabBranch",
         QT_TRANSLATE_NOOP("sorvel::ToolPalette", "分岐記号"),
         {{"btnSign_106", markcode::kSegno, "", nullptr},
          {"btnSign_108", markcode::kCoda, "", nullptr},
          {"btnSign_107", markcode::kDalSegno, "", nullptr},
          {"btnSign_109", markcode::kDaCapo, "", nullptr},
          {"btnSign_105", markcode::kFine, "", nullptr},
          {"btnBarLine_31", 'f', "", nullptr},
          {"btnBarLine_41", 'g', "", nullptr},
          {"btnBarLine_51", 'h', "", nullptr},
          {"btnKakko_1", markcode::VoltaCode(1), "", nullptr},
          {"btnKakko_2", markcode::VoltaCode(2), "", nullptr},
          {"btnKakko_3", markcode::VoltaCode(3), "", nullptr},
          {"btnKakko_4", markcode::VoltaCode(4), "", nullptr}}},
        {"tabOrnament",
         QT_TRANSLATE_NOOP("sorvel::ToolPalette", "奏法"),
         {{"btnSign_111", 'o', "", nullptr},
          {"btnSign_114", 'r', "", nullptr},
          {"btnSign_113", 'q', "", nullptr},
          {"btnSign_112", markcode::kLowerMordent, "", nullptr},
          {"btnSign_91", markcode::kTrill, "", nullptr},
          {"btnSign_92", markcode::kWavyLine, "", nullptr},
          {"btnSign_93", markcode::kUpperMordent, "", nullptr},
          {"btnSign_115", markcode::kTurn, "", nullptr},
          {"btnSign_118", markcode::kInvertedTurn, "", nullptr},
          {"btnSign_119", markcode::kVibrato, "", nullptr},
          {"btnSign_120", markcode::kAccent, "", nullptr},
          {"btnSign_121", markcode::kStaccatissimo, "", nullptr},
          {"btnSign_122", markcode::kTremolo, "", nullptr},
          {"btnSign_116", 't', "", nullptr},
          {"btnSign_94", markcode::kSlideUp, "", nullptr},
          {"btnSign_95", markcode::kSlideDown, "", nullptr},
          {"btnSign_123", markcode::kGlissUp, "", nullptr},
          {"btnSign_124", markcode::kGlissDown, "", nullptr},
          {"btnSign_801", 'P', "", nullptr},
          {"btnSign_811", 'Q', "", nullptr},
          {"btnSign_821", 'R', "", nullptr},
          {"btnSign_831", 'S', "", nullptr},
          {"btnSlur_01", 'Y', "s", nullptr},
          {"btn3ren_0", 'Z', "", nullptr},
          {"btnDaonLeft_01", 'K', "", nullptr},
          {"btnDaonRight_01", 'L', "", nullptr},
          {"btnRenTon_01", '}', "", nullptr}}},
        {"tabSpeed",
         QT_TRANSLATE_NOOP("sorvel::ToolPalette", "速度記号"),
         {{"btnSign_110", 'n', "", nullptr},
          {"btnSign_117", 'u', "", nullptr},
          {"btnTempo_47", '/', "", nullptr}}},
        {"tabBeat",
         QT_TRANSLATE_NOOP("sorvel::ToolPalette", "拍子記号"),
         {{"btnBeat_32", CodeOfMeter(2, 2), "", "2/2"},
          {"btnBeat_33", CodeOfMeter(2, 4), "", "2/4"},
          {"btnBeat_34", CodeOfMeter(3, 4), "", "3/4"},
          {"btnBeat_35", CodeOfMeter(4, 4), "", "4/4"},
          {"btnBeat_36", CodeOfMeter(3, 8), "", "3/8"},
          {"btnBeat_37", CodeOfMeter(6, 8), "", "6/8"},
          {"btnBeat_38", CodeOfMeter(9, 8), "", "9/8"},
          {"btnBeat_39", CodeOfMeter(12, 8), "", "12/8"}}},
        {"tabEtc", QT_TRANSLATE_NOOP("sorvel::ToolPalette", "その他"), {}},
    };
    return table;
}

// Keys that type as another button's key; the tooltip names the first.
struct KeyAlias {
    char key;
    char typesAs;
    bool named;
};
constexpr KeyAlias kKeyAliases[] = {{'-', kSustainDash, true}, {'?', '/', false}};

// The key printed under a button: its key in the key map, or the key the
// typing of notes gives its glyph (the accidentals, the grace note).
const char* ShownKey(const ButtonEntry& entry) {
    if (*entry.hint) return entry.hint;
    const char* typing = TypingKeyOfGlyph(entry.tag);
    return typing ? typing : "";
}

// "name (keys)", or the name alone for a button without a key.
QString ToolTipOf(const ButtonEntry& entry) {
    const QString name = PaletteButtonName(entry.name, entry.tag, entry.caption);
    QString keys = QString::fromLatin1(ShownKey(entry));
    for (const KeyAlias& alias : kKeyAliases) {
        if (alias.named && keys == QChar::fromLatin1(alias.typesAs))
            keys += QStringLiteral(", ") + QChar::fromLatin1(alias.key);
    }
    return keys.isEmpty() ? name : QStringLiteral("%1 (%2)").arg(name, keys);
}

// The pseudo key of an octave or length button.
int PseudoKeyOfButton(std::string_view name) {
    if (name == "btn1OctUp") return kKeyOctaveUp;
    if (name == "btn1OctDown") return kKeyOctaveDown;
    if (name == "btnShort") return kKeyShorter;
    return kKeyLonger;
}

struct Family {
    const char* prefix;
    TContentKind tool;
};

constexpr Family kFamilies[] = {
    {"btnNote", ckNote},           {"btnBarLine", ckBarLine}, {"btnBeat", ckBeat},
    {"btnHorizBar", ckHorizBar},   {"btnCresc", ckCresc},     {"btnSlur", ckSlur},
    {"btnRenTon", ckRenTon},       {"btnFuten", ckFuten},     {"btnRinji", ckRinji},
    {"btnKakko", ckKakko},         {"btn3ren", ck3ren},       {"btnDaonLeft", ckDaonLeft},
    {"btnDaonRight", ckDaonRight}, {"btnTextBox", ckTextBox}, {"btnTempo", ckTempo},
};

constexpr int kOpenStringTag = 'T';
constexpr int kOpenStringTagAlt = '.';
constexpr int kColumns = 26;

// A tool button that tells its palette about double-clicks.
class PaletteButton : public QToolButton {
public:
    using QToolButton::QToolButton;
    std::function<void()> onDoubleClick;

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        if (onDoubleClick) onDoubleClick();
        QToolButton::mouseDoubleClickEvent(event);
    }
};

// The button's picture: the glyph in the music font, or a caption, with the
// key hint small underneath; drawn at the screen's scale.
QIcon ButtonPicture(int tag, const char* caption, const char* hint) {
    constexpr int kW = 26, kH = 30;
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(kW * scale, kH * scale);
        pixmap.fill(Qt::transparent);
        pixmap.setDevicePixelRatio(scale);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::black);
        const bool hasHint = hint && *hint;
        const QRect glyphArea(0, 0, kW, hasHint ? kH - 9 : kH);
        if (caption) {
            const QString text = ToolPalette::tr(caption);
            QFont font = p.font();
            font.setPixelSize(text.size() > 2 ? 10 : 13);
            font.setBold(true);
            p.setFont(font);
            p.drawText(glyphArea, Qt::AlignCenter, text);
        } else if (tag > 0) {
            QFont font(kMusicFontName);
            font.setPixelSize(20);
            p.setFont(font);
            p.drawText(glyphArea, Qt::AlignCenter, QString(QChar(tag)));
        }
        if (hasHint) {
            QFont small = p.font();
            small.setFamily(QString());
            small.setBold(false);
            small.setPixelSize(9);
            p.setFont(small);
            p.setPen(QColor(90, 90, 90));
            p.drawText(QRect(0, kH - 10, kW, 10), Qt::AlignCenter, QString::fromUtf8(hint));
        }
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace

TContentKind ToolPalette::ToolOfButton(const QString& name, int tag) {
    const QString family = name.section('_', 0, 0);
    if (family == "btnSign") return GlyphInfoTable::KindOf(static_cast<unsigned char>(tag));
    for (const Family& f : kFamilies) {
        if (family == f.prefix) return f.tool;
    }
    return ckNone;
}

std::optional<TypedTool> ToolPalette::ToolOfTypedKey(char key, bool fingerNo00) {
    for (const KeyAlias& alias : kKeyAliases) {
        if (alias.key == key) key = alias.typesAs;
    }
    for (const TabEntry& tab : PaletteTable()) {
        for (const ButtonEntry& entry : tab.buttons) {
            if (entry.hint[0] != key || entry.hint[1] != '\0') continue;
            if (entry.tag == 0) return TypedTool{ckNone, {}, PseudoKeyOfButton(entry.name)};
            const int tag =
                entry.tag == kOpenStringTag && fingerNo00 ? kOpenStringTagAlt : entry.tag;
            const auto code = static_cast<unsigned char>(tag);
            return TypedTool{GlyphInfoTable::KindOf(code), std::string(1, static_cast<char>(code)),
                             0};
        }
    }
    return std::nullopt;
}

ToolPalette::ToolPalette(QWidget* parent) : QTabWidget(parent) {
    setObjectName("pcTool");
    setDocumentMode(true);
    group_.setExclusive(true);
    BuildTabs();
    ShowSpareTabs(false);
    connect(&group_, &QButtonGroup::buttonClicked, this, &ToolPalette::ButtonClicked);
    connect(this, &QTabWidget::currentChanged, this, [this] { PressNoTool(); });
    PressNoTool();
}

void ToolPalette::BuildTabs() {
    int tabNo = 0;
    for (const TabEntry& tab : PaletteTable()) {
        auto* page = new QWidget(this);
        page->setObjectName(tab.name);
        auto* grid = new QGridLayout(page);
        grid->setContentsMargins(2, 2, 2, 2);
        grid->setSpacing(1);
        auto* none = new PaletteButton(page);
        none->setObjectName(QString("btnNone%1").arg(++tabNo));
        none->setIcon(ToolBarIcon("btnNone"));
        none->setToolTip(tr("ツールなし (Esc)"));
        none->setCheckable(true);
        none->setAutoRaise(true);
        none->setIconSize(QSize(26, 30));
        group_.addButton(none);
        grid->addWidget(none, 0, 0);
        int index = 1;
        for (const ButtonEntry& entry : tab.buttons) {
            auto* button = new PaletteButton(page);
            button->setObjectName(entry.name);
            button->setProperty("Tag", entry.tag);
            button->setIcon(ButtonPicture(entry.tag, entry.caption, ShownKey(entry)));
            button->setToolTip(ToolTipOf(entry));
            button->setIconSize(QSize(26, 30));
            button->setAutoRaise(true);
            const bool pseudo = entry.tag == 0;
            button->setCheckable(!pseudo);
            if (pseudo) {
                connect(button, &QToolButton::clicked, this,
                        [this, key = PseudoKeyOfButton(entry.name)] { Q_EMIT pseudoKey(key); });
            } else {
                group_.addButton(button);
                button->onDoubleClick = [this, button] { stickyNext_ = button; };
            }
            grid->addWidget(button, index / kColumns, index % kColumns);
            ++index;
        }
        if (tab.buttons.empty()) {
            // Room kept for symbols to come: the buttons are there, unused.
            for (int i = 0; i < 5; ++i) {
                auto* spare = new QToolButton(page);
                spare->setEnabled(false);
                spare->setAutoRaise(true);
                spare->setIconSize(QSize(26, 30));
                grid->addWidget(spare, 0, 1 + i);
            }
            grid->addWidget(new QLabel(tr("予備です"), page), 0, 6);
        }
        grid->setColumnStretch(kColumns, 1);
        grid->setRowStretch(grid->rowCount(), 1);
        addTab(page, tr(tab.caption));
    }
}

void ToolPalette::ShowSpareTabs(bool shown) {
    const std::vector<TabEntry>& table = PaletteTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].buttons.empty()) setTabVisible(static_cast<int>(i), shown);
    }
}

void ToolPalette::ButtonClicked(QAbstractButton* button) {
    const QString name = button->objectName();
    if (name.startsWith("btnNone")) {
        PressNoTool();
        return;
    }
    const int tag = button->property("Tag").toInt();
    const TContentKind tool = ToolOfButton(name, tag);
    sticky_ = stickyNext_ == button;
    stickyNext_ = nullptr;
    Q_EMIT toolChosen(tool, std::string(1, static_cast<char>(tag)));
}

void ToolPalette::PressNoTool() {
    stickyNext_ = nullptr;
    for (int i = 1; i <= count(); ++i) {
        if (auto* none = findChild<QAbstractButton*>(QString("btnNone%1").arg(i))) {
            // Only one button of the group can be down; the current tab's
            // no-tool button shows it.
            if (i - 1 == currentIndex()) none->setChecked(true);
        }
    }
    sticky_ = true;
    Q_EMIT toolChosen(ckNone, std::string());
}

void ToolPalette::PageClickEnded() {
    if (!sticky_) PressNoTool();
}

void ToolPalette::RefreshFingerButton(bool fingerNo00) {
    auto* button = findChild<QToolButton*>("btnSign_84");
    if (!button) return;
    const int tag = fingerNo00 ? kOpenStringTagAlt : kOpenStringTag;
    button->setProperty("Tag", tag);
    button->setIcon(ButtonPicture(tag, nullptr, "q"));
}

}  // namespace sorvel
