// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialogs/generalmidinames.h"

#include <QCoreApplication>

namespace sorvel {

namespace {

struct ProgramName {
    const char* shortName;  // Latin-1
    const char* common;     // UTF-8, the source text of its translations
};

// Program by program: the short name of the list, and the name players
// know it by in Japanese.
constexpr ProgramName kNames[kGeneralMidiProgramCount] = {
    {"Piano 1", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "アコースティック・グランド・ピアノ")},
    {"Piano 2", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ブライト・アコースティック・ピアノ")},
    {"Piano 3", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "エレクトリック・グランド・ピアノ")},
    {"Honky-tonk", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ホンキートンク・ピアノ")},
    {"E.Piano 1", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "エレクトリック・ピアノ1")},
    {"E.Piano 2", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "エレクトリック・ピアノ2")},
    {"Harpsichord", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ハープシコード")},
    {"Clav.", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "クラビネット")},
    {"Celesta", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "チェレスタ")},
    {"Glockenspl", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "グロッケンシュピール")},
    {"Music Box", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "オルゴール")},
    {"Vibraphone", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ビブラフォン")},
    {"Marimba", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "マリンバ")},
    {"Xylophone", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "シロフォン")},
    {"Tubularbell", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "チューブラー・ベル")},
    {"Santur", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ダルシマー")},
    {"Organ 1", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ドローバー・オルガン")},
    {"Organ 2", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "パーカッシブ・オルガン")},
    {"Organ 3", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ロック・オルガン")},
    {"Church Org1", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "チャーチ・オルガン")},
    {"Reed Organ", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "リード・オルガン")},
    {"Accordion F", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "アコーディオン")},
    {"Harmonica", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ハーモニカ")},
    {"Bandoneon", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "タンゴ・アコーディオン")},
    {"Nylon Gt.",
     QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "アコースティック・ギター（ナイロン弦）")},
    {"Steel Gt.",
     QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "アコースティック・ギター（スチール弦）")},
    {"Jazz Gt.", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ジャズ・ギター")},
    {"Clean Gt.", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "クリーン・ギター")},
    {"Muted Gt.", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ミュート・ギター")},
    {"OverdriveGt", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "オーバードライブ・ギター")},
    {"Dist.Gt.", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ディストーション・ギター")},
    {"Gt.Harmonix", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ギター・ハーモニクス")},
    {"Acoustic Bs", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "アコースティック・ベース")},
    {"Fingered Bs", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "フィンガー・ベース")},
    {"Picked Bass", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ピック・ベース")},
    {"Fretless Bs", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "フレットレス・ベース")},
    {"Slap Bass 1", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "スラップ・ベース1")},
    {"Slap Bass 2", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "スラップ・ベース2")},
    {"Syn.Bass 1", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "シンセ・ベース1")},
    {"Syn.Bass 2", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "シンセ・ベース2")},
    {"Violin", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "バイオリン")},
    {"Viola", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ビオラ")},
    {"Cello", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "チェロ")},
    {"Contrabass", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "コントラバス")},
    {"Tremolo Str", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "トレモロ・ストリングス")},
    {"Pizzicato", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ピチカート・ストリングス")},
    {"Harp", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ハープ")},
    {"Timpani", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ティンパニ")},
    {"Strings", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ストリングス")},
    {"SlowStrings", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "スロー・ストリングス")},
    {"SynStrings1", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "シンセ・ストリングス1")},
    {"SynStrings2", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "シンセ・ストリングス2")},
    {"Choir Aahs", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "クワイア・アー")},
    {"Voice Oohs", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ボイス・ウー")},
    {"SynVox", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "シンセ・ボイス")},
    {"Orchest.Hit", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "オーケストラ・ヒット")},
    {"Trumpet", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "トランペット")},
    {"Trombone", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "トロンボーン")},
    {"Tuba", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "チューバ")},
    {"MuteTrumpet", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ミュート・トランペット")},
    {"French Horn", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "フレンチ・ホルン")},
    {"Brass 1", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ブラス・セクション")},
    {"Syn.Brass 1", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "シンセ・ブラス1")},
    {"Syn.Brass 2", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "シンセ・ブラス2")},
    {"Soprano Sax", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ソプラノ・サックス")},
    {"Alto Sax", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "アルト・サックス")},
    {"Tenor Sax", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "テナー・サックス")},
    {"BaritoneSax", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "バリトン・サックス")},
    {"Oboe", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "オーボエ")},
    {"EnglishHorn", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "イングリッシュ・ホルン")},
    {"Bassoon", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ファゴット")},
    {"Clarinet", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "クラリネット")},
    {"Piccolo", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ピッコロ")},
    {"Flute", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "フルート")},
    {"Recorder", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "リコーダー")},
    {"Pan Flute", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "パン・フルート")},
    {"Bottle Blow", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ボトル・ブロウ")},
    {"Shakuhachi", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "尺八")},
    {"Whistle", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "口笛")},
    {"Ocarina", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "オカリナ")},
    {"Square Wave", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "矩形波")},
    {"Saw Wave", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ノコギリ波")},
    {"SynCalliope", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "カリオペ")},
    {"ChifferLead", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "チフ・リード")},
    {"Charang", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "チャランゴ")},
    {"Solo Vox", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ソロ・ボイス")},
    {"5th Saw", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "5度ノコギリ波")},
    {"Bass & Lead", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ベース＆リード")},
    {"Fantasia", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ファンタジア")},
    {"Warm Pad", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ウォーム・パッド")},
    {"Polysynth", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ポリシンセ")},
    {"Space Voice", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "スペース・ボイス")},
    {"Bowed Glass", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ボウド・グラス")},
    {"Metal Pad", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "メタル・パッド")},
    {"Halo Pad", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ハロー・パッド")},
    {"Sweep Pad", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "スウィープ・パッド")},
    {"Ice Rain", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "アイス・レイン")},
    {"Soundtrack", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "サウンドトラック")},
    {"Crystal", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "クリスタル")},
    {"Atmosphere", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "アトモスフィア")},
    {"Brightness", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ブライトネス")},
    {"Goblin", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ゴブリン")},
    {"Echo Drops", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "エコー・ドロップス")},
    {"Star Theme", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "スター・テーマ")},
    {"Sitar", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "シタール")},
    {"Banjo", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "バンジョー")},
    {"Shamisen", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "三味線")},
    {"Koto", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "琴")},
    {"Kalimba", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "カリンバ")},
    {"Bagpipe", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "バグパイプ")},
    {"Fiddle", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "フィドル")},
    {"Shanai", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "シャーナイ")},
    {"Tinkle Bell", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ティンクル・ベル")},
    {"Agogo", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "アゴゴ")},
    {"Steel Drums", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "スチール・ドラム")},
    {"Woodblock", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ウッド・ブロック")},
    {"Taiko", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "太鼓")},
    {"Melo. Tom 1", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "メロディック・タム")},
    {"Synth Drum", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "シンセ・ドラム")},
    {"Reverse Cym", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "リバース・シンバル")},
    {"Gt.FretNoiz", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ギター・フレット・ノイズ")},
    {"BreathNoise", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ブレス・ノイズ")},
    {"Seashore", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "海岸")},
    {"Bird", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "鳥のさえずり")},
    {"Telephone 1", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "電話のベル")},
    {"Helicopter", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "ヘリコプター")},
    {"Applause", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "拍手")},
    {"Gun Shot", QT_TRANSLATE_NOOP("sorvel::GeneralMidi", "銃声")},
};

}  // namespace

QStringList GeneralMidiProgramEntries(ProgramNames names) {
    QStringList entries;
    entries.reserve(kGeneralMidiProgramCount);
    for (int i = 0; i < kGeneralMidiProgramCount; ++i) {
        const ProgramName& name = kNames[i];
        const QString shown = names == ProgramNames::ShortNames
                                  ? QString::fromLatin1(name.shortName)
                                  : QCoreApplication::translate("sorvel::GeneralMidi", name.common);
        entries << QString("%1:%2").arg(i + 1, 3, 10, QChar('0')).arg(shown);
    }
    return entries;
}

}  // namespace sorvel
