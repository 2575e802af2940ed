// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/pageview/palettenames.h"

#include <QCoreApplication>

#include "model/glyphcodes.h"

namespace sorvel {

namespace {

constexpr char kContext[] = "sorvel::ToolPalette";

struct GlyphName {
    int tag;
    const char* name;
};

#define PALETTE_NAME(text) QT_TRANSLATE_NOOP("sorvel::ToolPalette", text)

// Every glyph the palette places, by its code in the music font.
constexpr GlyphName kGlyphNames[] = {
    {'0', PALETTE_NAME("休符")},
    {kSustainDash, PALETTE_NAME("延長線")},
    {'9', PALETTE_NAME("付点")},
    {'M', PALETTE_NAME("長休符（複数小節）")},
    {'T', PALETTE_NAME("開放弦")},
    {'c', PALETTE_NAME("小節線")},
    {'d', PALETTE_NAME("複縦線")},
    {'e', PALETTE_NAME("終止線")},
    {'f', PALETTE_NAME("反復記号（始め）")},
    {'g', PALETTE_NAME("反復記号（終わり）")},
    {'h', PALETTE_NAME("反復記号（両側）")},
    {'P', PALETTE_NAME("ダウンボウ")},
    {'Q', PALETTE_NAME("アップボウ")},
    {'R', PALETTE_NAME("内弦")},
    {'S', PALETTE_NAME("外弦")},
    {'a', PALETTE_NAME("フラット")},
    {'b', PALETTE_NAME("ナチュラル")},
    {96, PALETTE_NAME("シャープ")},
    {'O', PALETTE_NAME("テキスト")},
    {'@', PALETTE_NAME("ピアニッシッシモ（ppp）")},
    {'A', PALETTE_NAME("ピアニッシモ（pp）")},
    {'B', PALETTE_NAME("ピアノ（p）")},
    {'C', PALETTE_NAME("メゾピアノ（mp）")},
    {'D', PALETTE_NAME("メゾフォルテ（mf）")},
    {'E', PALETTE_NAME("フォルテ（f）")},
    {'F', PALETTE_NAME("フォルティッシモ（ff）")},
    {'G', PALETTE_NAME("フォルティッシッシモ（fff）")},
    {'H', PALETTE_NAME("スフォルツァンド（sf）")},
    {'I', PALETTE_NAME("クレッシェンド")},
    {'J', PALETTE_NAME("デクレッシェンド")},
    {'i', PALETTE_NAME("フィーネ（Fine）")},
    {'j', PALETTE_NAME("セーニョ")},
    {'k', PALETTE_NAME("ダル・セーニョ（D.S.）")},
    {'l', PALETTE_NAME("コーダ")},
    {'m', PALETTE_NAME("ダ・カーポ（D.C.）")},
    {'o', PALETTE_NAME("ハーモニクス")},
    {'p', PALETTE_NAME("下方モルデント")},
    {'q', PALETTE_NAME("左手ピチカート")},
    {'r', PALETTE_NAME("スタッカート")},
    {'[', PALETTE_NAME("トリル")},
    {'\\', PALETTE_NAME("トリル（波線つき）")},
    {']', PALETTE_NAME("上方モルデント")},
    {'s', PALETTE_NAME("ターン")},
    {'v', PALETTE_NAME("逆ターン")},
    {'w', PALETTE_NAME("ビブラート")},
    {'x', PALETTE_NAME("アクセント")},
    {'y', PALETTE_NAME("スタッカーティッシモ")},
    {'z', PALETTE_NAME("トレモロ")},
    {'t', PALETTE_NAME("ブレス")},
    {'^', PALETTE_NAME("上行スライド")},
    {'_', PALETTE_NAME("下行スライド")},
    {'{', PALETTE_NAME("長い上行スライド")},
    {'|', PALETTE_NAME("長い下行スライド")},
    {'Y', PALETTE_NAME("スラー")},
    {'Z', PALETTE_NAME("三連符")},
    {'K', PALETTE_NAME("前打音")},
    {'L', PALETTE_NAME("後打音")},
    {'}', PALETTE_NAME("連音の弧線")},
    {'n', PALETTE_NAME("リタルダンド（rit.）")},
    {'u', PALETTE_NAME("アッチェレランド（accel.）")},
    {'/', PALETTE_NAME("テンポ")},
};

struct ButtonName {
    const char* objectName;
    const char* name;
};

// The buttons that place no glyph.
constexpr ButtonName kButtonNames[] = {
    {"btn1OctDown", PALETTE_NAME("1オクターブ下げる")},
    {"btn1OctUp", PALETTE_NAME("1オクターブ上げる")},
    {"btnShort", PALETTE_NAME("音を短く")},
    {"btnLong", PALETTE_NAME("音を長く")},
};

// The names that take a number or a time signature.
constexpr char kNoteName[] = PALETTE_NAME("音符 %1");
constexpr char kFingerName[] = PALETTE_NAME("指番号 %1");
constexpr char kEndingName[] = PALETTE_NAME("%1番かっこ");
constexpr char kMeterName[] = PALETTE_NAME("%1 拍子");

#undef PALETTE_NAME

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
    if (tag >= '<' && tag <= '?') return Tr(kEndingName).arg(tag - '<' + 1);
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
