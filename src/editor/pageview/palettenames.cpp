// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/pageview/palettenames.h"

#include <QCoreApplication>

#include "model/glyphcodes.h"
#include "model/markmeanings.h"

namespace sorvel {

namespace {

constexpr char kContext[] = "sorvel::ToolPalette";

struct GlyphName {
    int tag;
    const char* name;
};

// Every glyph the palette places, by its code in the music font.
constexpr GlyphName kGlyphNames[] = {
    {'0', QT_TRANSLATE_NOOP("sorvel::ToolPalette", "休符")},
    {kSustainDash, QT_TRANSLATE_NOOP("sorvel::ToolPalette", "延長線")},
    {'9', QT_TRANSLATE_NOOP("sorvel::ToolPalette", "付点")},
    {'M', QT_TRANSLATE_NOOP("sorvel::ToolPalette", "長休符（複数小節）")},
    {'T', QT_TRANSLATE_NOOP("sorvel::ToolPalette", "開放弦")},
    {'c', QT_TRANSLATE_NOOP("sorvel::ToolPalette", "小節線")},
    {'d', QT_TRANSLATE_NOOP("sorvel::ToolPalette", "複縦線")},
    {'e', QT_TRANSLATE_NOOP("sorvel::ToolPalette", "終止線")},
    {'f', QT_TRANSLATE_NOOP("sorvel::ToolPalette", "反復記号（始め）")},
    {'g', QT_TRANSLATE_NOOP("sorvel::ToolPalette", "反復記号（終わり）")},
    {'h', QT_TRANSLATE_NOOP("sorvel::ToolPalette", "反復記号（両側）")},
    {'P', QT_TRANSLATE_NOOP("sorvel::ToolPalette", "ダウンボウ")},
    {'Q', QT_TRANSLATE_NOOP("sorvel::ToolPalette", "アップボウ")},
    {'R', QT_TRANSLATE_NOOP("sorvel::ToolPalette", "内弦")},
    {'S', QT_TRANSLATE_NOOP("sorvel::ToolPalette", "外弦")},
    {'a', QT_TRANSLATE_NOOP("sorvel::ToolPalette", "フラット")},
    {'b', QT_TRANSLATE_NOOP("sorvel::ToolPalette", "ナチュラル")},
    {96, QT_TRANSLATE_NOOP("sorvel::ToolPalette", "シャープ")},
    {'O', QT_TRANSLATE_NOOP("sorvel::ToolPalette", "テキスト")},
    {markcode::DynamicCode(0), QT_TRANSLATE_NOOP("sorvel::ToolPalette", "ピアニッシッシモ（ppp）")},
    {markcode::DynamicCode(1), QT_TRANSLATE_NOOP("sorvel::ToolPalette", "ピアニッシモ（pp）")},
    {markcode::DynamicCode(2), QT_TRANSLATE_NOOP("sorvel::ToolPalette", "ピアノ（p）")},
    {markcode::DynamicCode(3), QT_TRANSLATE_NOOP("sorvel::ToolPalette", "メゾピアノ（mp）")},
    {markcode::DynamicCode(4), QT_TRANSLATE_NOOP("sorvel::ToolPalette", "メゾフォルテ（mf）")},
    {markcode::DynamicCode(5), QT_TRANSLATE_NOOP("sorvel::ToolPalette", "フォルテ（f）")},
    {markcode::DynamicCode(6), QT_TRANSLATE_NOOP("sorvel::ToolPalette", "フォルティッシモ（ff）")},
    {markcode::DynamicCode(7),
     QT_TRANSLATE_NOOP("sorvel::ToolPalette", "フォルティッシッシモ（fff）")},
    {markcode::kSforzando, QT_TRANSLATE_NOOP("sorvel::ToolPalette", "スフォルツァンド（sf）")},
    {markcode::kCrescendo, QT_TRANSLATE_NOOP("sorvel::ToolPalette", "クレッシェンド")},
    {markcode::kDecrescendo, QT_TRANSLATE_NOOP("sorvel::ToolPalette", "デクレッシェンド")},
    {markcode::kFine, QT_TRANSLATE_NOOP("sorvel::ToolPalette", "フィーネ（Fine）")},
    {markcode::kSegno, QT_TRANSLATE_NOOP("sorvel::ToolPalette", "セーニョ")},
    {markcode::kDalSegno, QT_TRANSLATE_NOOP("sorvel::ToolPalette", "ダル・セーニョ（D.S.）")},
    {markcode::kCoda, QT_TRANSLATE_NOOP("sorvel::ToolPalette", "コーダ")},
    {markcode::kDaCapo, QT_TRANSLATE_NOOP("sorvel::ToolPalette", "ダ・カーポ（D.C.）")},
    {'o', QT_TRANSLATE_NOOP("sorvel::ToolPalette", "ハーモニクス")},
    {markcode::kLowerMordent, QT_TRANSLATE_NOOP("sorvel::ToolPalette", "下方モルデント")},
    {'q', QT_TRANSLATE_NOOP("sorvel::ToolPalette", "左手ピチカート")},
    {'r', QT_TRANSLATE_NOOP("sorvel::ToolPalette", "スタッカート")},
    {markcode::kTrill, QT_TRANSLATE_NOOP("sorvel::ToolPalette", "トリル")},
    {markcode::kWavyLine, QT_TRANSLATE_NOOP("sorvel::ToolPalette", "トリル（波線つき）")},
    {markcode::kUpperMordent, QT_TRANSLATE_NOOP("sorvel::ToolPalette", "上方モルデント")},
    {markcode::kTurn, QT_TRANSLATE_NOOP("sorvel::ToolPalette", "ターン")},
    {markcode::kInvertedTurn, QT_TRANSLATE_NOOP("sorvel::ToolPalette", "逆ターン")},
    {markcode::kVibrato, QT_TRANSLATE_NOOP("sorvel::ToolPalette", "ビブラート")},
    {markcode::kAccent, QT_TRANSLATE_NOOP("sorvel::ToolPalette", "アクセント")},
    {markcode::kStaccatissimo, QT_TRANSLATE_NOOP("sorvel::ToolPalette", "スタッカーティッシモ")},
    {markcode::kTremolo, QT_TRANSLATE_NOOP("sorvel::ToolPalette", "トレモロ")},
    {'t', QT_TRANSLATE_NOOP("sorvel::ToolPalette", "ブレス")},
    {markcode::kSlideUp, QT_TRANSLATE_NOOP("sorvel::ToolPalette", "上行スライド")},
    {markcode::kSlideDown, QT_TRANSLATE_NOOP("sorvel::ToolPalette", "下行スライド")},
    {markcode::kGlissUp, QT_TRANSLATE_NOOP("sorvel::ToolPalette", "長い上行スライド")},
    {markcode::kGlissDown, QT_TRANSLATE_NOOP("sorvel::ToolPalette", "長い下行スライド")},
    {'Y', QT_TRANSLATE_NOOP("sorvel::ToolPalette", "スラー")},
    {'Z', QT_TRANSLATE_NOOP("sorvel::ToolPalette", "三連符")},
    {'K', QT_TRANSLATE_NOOP("sorvel::ToolPalette", "前打音")},
    {'L', QT_TRANSLATE_NOOP("sorvel::ToolPalette", "後打音")},
    {'}', QT_TRANSLATE_NOOP("sorvel::ToolPalette", "連音の弧線")},
    {'n', QT_TRANSLATE_NOOP("sorvel::ToolPalette", "リタルダンド（rit.）")},
    {'u', QT_TRANSLATE_NOOP("sorvel::ToolPalette", "アッチェレランド（accel.）")},
    {'/', QT_TRANSLATE_NOOP("sorvel::ToolPalette", "テンポ")},
};

struct ButtonName {
    const char* objectName;
    const char* name;
};

// The buttons that place no glyph.
constexpr ButtonName kButtonNames[] = {
    {"btn1OctDown", QT_TRANSLATE_NOOP("sorvel::ToolPalette", "1オクターブ下げる")},
    {"btn1OctUp", QT_TRANSLATE_NOOP("sorvel::ToolPalette", "1オクターブ上げる")},
    {"btnShort", QT_TRANSLATE_NOOP("sorvel::ToolPalette", "音を短く")},
    {"btnLong", QT_TRANSLATE_NOOP("sorvel::ToolPalette", "音を長く")},
};

// The names that take a number or a time signature.
constexpr char kNoteName[] = QT_TRANSLATE_NOOP("sorvel::ToolPalette", "音符 %1");
constexpr char kFingerName[] = QT_TRANSLATE_NOOP("sorvel::ToolPalette", "指番号 %1");
constexpr char kEndingName[] = QT_TRANSLATE_NOOP("sorvel::ToolPalette", "%1番かっこ");
constexpr char kMeterName[] = QT_TRANSLATE_NOOP("sorvel::ToolPalette", "%1 拍子");

QString Tr(const char* text) {
    return QCoreApplication::translate(kContext, text);
}

}  // namespace

QString PaletteButtonName(std::string_view objectName, int tag, const char* caption) {
    for (const ButtonName& b : kButtonNames) {
        if (objectName == b.objectName) return Tr(b.name);
    }
    if (objectName.substr(0, 7) == "btnBeat" && caption) return Tr(kMeterName).arg(caption);
    if (tag >= '1' && tag <= '7') return Tr(kNoteName).arg(QChar(tag));
    if (tag >= 'U' && tag <= 'X') return Tr(kFingerName).arg(tag - 'U' + 1);
    const int volta = tag >= 0 && tag < 128 ? VoltaNumberOfCode(static_cast<char>(tag)) : 0;
    if (volta > 0) return Tr(kEndingName).arg(volta);
    for (const GlyphName& g : kGlyphNames) {
        if (g.tag == tag) return Tr(g.name);
    }
    return {};
}

const char* TypingKeyOfGlyph(int tag) {
    switch (tag) {
        case 96:  // sharp
            return "#";
        case 'a':  // flat
            return "b";
        case 'b':  // natural
            return "n";
        case 'K':  // the grace note before a note
            return "g";
        default:
            return nullptr;
    }
}

}  // namespace sorvel
