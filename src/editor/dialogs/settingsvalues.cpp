// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialogs/settingsvalues.h"

#include <algorithm>
#include <cstdint>
#include <unordered_set>
#include <vector>

#include "base/arith.h"
#include "base/text.h"
#include "base/usertext.h"
#include "model/layoutsettings.h"
#include "model/majorkey.h"
#include "model/musicitem.h"
#include "model/musicsheet.h"
#include "model/preferences.h"

namespace sorvel {

namespace {

// The texts of this file are translated in the context "SettingsValues".
constexpr char kContext[] = "SettingsValues";

// "<name>は、1 から <limit> の数値を指定してください。"
UserText RangeMessage(const char* name, int limit) {
    return UserText(SORVEL_TEXT("SettingsValues", "%1は、1 から %2 の数値を指定してください。"),
                    {UserText(kContext, name), UserText::Number(limit)});
}

std::optional<FieldError> Range(SettingsField field, int value, int low, int high,
                                const char* name) {
    if (value >= low && value <= high) return std::nullopt;
    return FieldError{field, RangeMessage(name, high)};
}

constexpr const char* kTitleHeightName = SORVEL_TEXT_NOOP("SettingsValues", "タイトル部分の高さ");
constexpr const char* kLeftSpaceName = SORVEL_TEXT_NOOP("SettingsValues", "余白（左）の巾");
constexpr const char* kBarParRowName = SORVEL_TEXT_NOOP("SettingsValues", "一段あたりの小節数");
constexpr const char* kDivParBarName = SORVEL_TEXT_NOOP("SettingsValues", "小節ごとの分割数");
constexpr const char* kRowDivNumName = SORVEL_TEXT_NOOP("SettingsValues", "１ページの段数");

constexpr int kMaxFontSize = 99;
constexpr int kMaxBarParRow = 10;
constexpr int kMaxDivParBarShown = 33;
constexpr int kMaxRowDivNum = 20;

// Width and height left for the grid and the rows by the margins.
std::int64_t RowWidth(const PagePropertyFields& f, int pageWidth) {
    return std::int64_t{pageWidth} - f.leftSpace - f.rightSpace;
}
std::int64_t RowsHeight(const PagePropertyFields& f, int pageHeight) {
    return std::int64_t{pageHeight} - f.topSpace - f.bottomSpace - f.titleHeight;
}

int ClampInt(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

// The grid must give every slot at least one page unit.
std::optional<FieldError> CheckGridFits(const PagePropertyFields& f, int pageWidth) {
    const std::int64_t width = RowWidth(f, pageWidth);
    const std::int64_t cells = std::int64_t{f.barParRow} * (f.divParBarShown + 1);
    if (cells > 0 && width / cells >= 1) return std::nullopt;
    const std::int64_t maxShown = width / std::max(f.barParRow, 1) - 1;
    if (maxShown >= 1) {
        return FieldError{SettingsField::DivParBar,
                          RangeMessage(kDivParBarName, ClampInt(std::min<std::int64_t>(
                                                           maxShown, kMaxDivParBarShown)))};
    }
    const std::int64_t maxBars = width / 2;
    if (maxBars >= 1) {
        return FieldError{
            SettingsField::BarParRow,
            RangeMessage(kBarParRowName, ClampInt(std::min<std::int64_t>(maxBars, kMaxBarParRow)))};
    }
    const std::int64_t maxLeft = std::int64_t{pageWidth} - f.rightSpace - 2;
    return FieldError{SettingsField::LeftSpace,
                      RangeMessage(kLeftSpaceName, ClampInt(std::max<std::int64_t>(maxLeft, 1)))};
}

// The rows must be at least one page unit apart.
std::optional<FieldError> CheckRowsFit(const PagePropertyFields& f, int pageHeight) {
    const std::int64_t height = RowsHeight(f, pageHeight);
    if (f.rowDivNum > 0 && height / f.rowDivNum >= 1) return std::nullopt;
    if (height >= 1) {
        return FieldError{
            SettingsField::RowDivNum,
            RangeMessage(kRowDivNumName, ClampInt(std::min<std::int64_t>(height, kMaxRowDivNum)))};
    }
    const std::int64_t maxTitle = std::min<std::int64_t>(
        pageHeight / 3, std::int64_t{pageHeight} - f.topSpace - f.bottomSpace - 1);
    return FieldError{
        SettingsField::TitleHeight,
        RangeMessage(kTitleHeightName, ClampInt(std::max<std::int64_t>(maxTitle, 1)))};
}

}  // namespace

std::optional<FieldError> CheckSongInfo(int playCount) {
    // The accepted range starts at 0 (no number), the message at 1.
    if (playCount >= 0 && playCount <= 300) return std::nullopt;
    return FieldError{SettingsField::PlayCount,
                      UserText(SORVEL_TEXT("SettingsValues",
                                           "演奏速度は、1 から 300 の数値を指定してください。"))};
}

std::optional<FieldError> CheckPageProperties(const PagePropertyFields& f, int pageWidth,
                                              int pageHeight) {
    using F = SettingsField;
    const int heightLimit = pageHeight / 3;
    const int widthLimit = pageWidth / 3;
    if (auto e = Range(F::NoteFontSize, f.noteFontSize, 1, kMaxFontSize,
                       SORVEL_TEXT_NOOP("SettingsValues", "フォントサイズ")))
        return e;
    if (auto e = Range(F::TitleHeight, f.titleHeight, 1, heightLimit, kTitleHeightName)) return e;
    if (auto e = Range(F::TopSpace, f.topSpace, 1, heightLimit,
                       SORVEL_TEXT_NOOP("SettingsValues", "余白（上）の高さ")))
        return e;
    if (auto e = Range(F::BottomSpace, f.bottomSpace, 1, heightLimit,
                       SORVEL_TEXT_NOOP("SettingsValues", "余白（下）の高さ")))
        return e;
    if (auto e = Range(F::LeftSpace, f.leftSpace, 1, widthLimit, kLeftSpaceName)) return e;
    if (auto e = Range(F::RightSpace, f.rightSpace, 1, widthLimit,
                       SORVEL_TEXT_NOOP("SettingsValues", "余白（右）の巾")))
        return e;
    if (auto e = Range(F::BarParRow, f.barParRow, 1, kMaxBarParRow, kBarParRowName)) return e;
    if (auto e = Range(F::DivParBar, f.divParBarShown, 1, kMaxDivParBarShown, kDivParBarName))
        return e;
    if (auto e = Range(F::RowDivNum, f.rowDivNum, 1, kMaxRowDivNum, kRowDivNumName)) return e;
    if (auto e = CheckGridFits(f, pageWidth)) return e;
    return CheckRowsFit(f, pageHeight);
}

std::optional<FieldError> CheckMidiFields(const MidiFields& f) {
    using F = SettingsField;
    if (auto e = Range(F::MeloVelocity, f.meloVelocity, 1, 127,
                       SORVEL_TEXT_NOOP("SettingsValues", "楽譜再生音のベロシティー")))
        return e;
    if (auto e = Range(F::RhythmChannel, f.rhythmChannelShown, 1, 16,
                       SORVEL_TEXT_NOOP("SettingsValues", "リズムチャンネル番号")))
        return e;
    if (auto e = Range(F::ClickHVelocity, f.clickHVelocity, 1, 127,
                       SORVEL_TEXT_NOOP("SettingsValues", "クリック音（強）のベロシティー")))
        return e;
    return Range(F::ClickLVelocity, f.clickLVelocity, 1, 127,
                 SORVEL_TEXT_NOOP("SettingsValues", "クリック音（弱）のベロシティー"));
}

DerivedLayout DeriveLayout(const PagePropertyFields& f, int pageWidth, int pageHeight) {
    DerivedLayout d;
    d.gridDivNum = ClampInt(std::int64_t{f.barParRow} * (std::int64_t{f.divParBarShown} + 1));
    d.gridSize = DivTrunc(ClampInt(RowWidth(f, pageWidth)), d.gridDivNum);
    d.rowInterval = DivTrunc(ClampInt(RowsHeight(f, pageHeight)), f.rowDivNum);
    d.leftSpace =
        ClampInt(std::int64_t{pageWidth} - std::int64_t{d.gridDivNum} * d.gridSize - f.rightSpace);
    return d;
}

void ApplyPageProperties(LayoutSettings& target, const PagePropertyFields& f,
                         const OffsetRates& rates, int pageWidth, int pageHeight) {
    target.SetNoteFontSize(f.noteFontSize);
    target.SetTitleHeight(f.titleHeight);
    target.SetTopSpace(f.topSpace);
    target.SetBottomSpace(f.bottomSpace);
    target.SetLeftSpace(f.leftSpace);
    target.SetRightSpace(f.rightSpace);
    target.SetBarParRow(f.barParRow);
    target.SetDivParBar(f.divParBarShown + 1);
    target.SetRowDivNum(f.rowDivNum);
    const DerivedLayout d = DeriveLayout(f, pageWidth, pageHeight);
    target.SetGridDivNum(d.gridDivNum);
    target.SetGridSize(d.gridSize);
    target.SetRowInterval(d.rowInterval);
    target.SetLeftSpace(d.leftSpace);
    target.SetRates(rates);
}

void ApplyDefaultPageProperties(Preferences& prefs, const PagePropertyFields& f,
                                const OffsetRates& rates, int pageWidth, int pageHeight) {
    prefs.DefoNoteFontSize = f.noteFontSize;
    prefs.DefoTitleHeight = f.titleHeight;
    prefs.DefoTopSpace = f.topSpace;
    prefs.DefoBottomSpace = f.bottomSpace;
    prefs.DefoRightSpace = f.rightSpace;
    prefs.DefoBarParRow = f.barParRow;
    prefs.DefoDivParBar = f.divParBarShown + 1;
    prefs.DefoRowDivNum = f.rowDivNum;
    const DerivedLayout d = DeriveLayout(f, pageWidth, pageHeight);
    prefs.DefoGridDivNum = d.gridDivNum;
    prefs.DefoGridSize = d.gridSize;
    prefs.DefoRowInterval = d.rowInterval;
    prefs.DefoLeftSpace = d.leftSpace;
    prefs.DefoRates = rates;
}

PagePropertyFields FieldsOf(const LayoutSettings& l) {
    return {l.NoteFontSize(), l.TitleHeight(), l.TopSpace(),      l.BottomSpace(), l.LeftSpace(),
            l.RightSpace(),   l.BarParRow(),   l.DivParBar() - 1, l.RowDivNum()};
}

PagePropertyFields DefaultFieldsOf(const Preferences& p) {
    return {p.DefoNoteFontSize, p.DefoTitleHeight,   p.DefoTopSpace,
            p.DefoBottomSpace,  p.DefoLeftSpace,     p.DefoRightSpace,
            p.DefoBarParRow,    p.DefoDivParBar - 1, p.DefoRowDivNum};
}

int FontSizeFromText(std::string_view text) {
    return StrToIntDef(Trim(text), 16);
}

const std::array<DisplayPositionGroup, 11>& DisplayPositionGroups() {
    static const std::array<DisplayPositionGroup, 11> groups = {{
        {SORVEL_TEXT_NOOP("SettingsValues", "指番号"), 'T'},
        {SORVEL_TEXT_NOOP("SettingsValues", "強弱記号（ppp～fff）"), 'C'},
        {SORVEL_TEXT_NOOP("SettingsValues", "クレッシェンド"), 'I'},
        {SORVEL_TEXT_NOOP("SettingsValues", "スラー"), 'Y'},
        {SORVEL_TEXT_NOOP("SettingsValues", "装飾音"), '['},
        {SORVEL_TEXT_NOOP("SettingsValues", "演奏速度"), 'u'},
        {SORVEL_TEXT_NOOP("SettingsValues", "分岐"), 'l'},
        {SORVEL_TEXT_NOOP("SettingsValues", "弓"), 'P'},
        {SORVEL_TEXT_NOOP("SettingsValues", "弦"), 'R'},
        {SORVEL_TEXT_NOOP("SettingsValues", "三連符"), 'Z'},
        {SORVEL_TEXT_NOOP("SettingsValues", "括弧"), '<'},
    }};
    return groups;
}

std::optional<int> RateBand(int rate) {
    if (rate >= -999 && rate <= -170) return -170;
    if (rate >= -169 && rate <= -120) return -120;
    if (rate >= 120 && rate <= 169) return 120;
    if (rate >= 170 && rate <= 219) return 170;
    if (rate >= 220 && rate <= 269) return 220;
    if (rate >= 270 && rate <= 319) return 270;
    if (rate >= 320 && rate <= 999) return 320;
    return std::nullopt;
}

namespace {

// The rates in group order, which is also the order of OffsetRates.
constexpr std::array<int OffsetRates::*, 11> kGroupRates = {
    &OffsetRates::FingerNo, &OffsetRates::PF,    &OffsetRates::Crese,  &OffsetRates::Slur,
    &OffsetRates::Ornament, &OffsetRates::Speed, &OffsetRates::Branch, &OffsetRates::Bow,
    &OffsetRates::String,   &OffsetRates::Ren3,  &OffsetRates::Kakko,
};

}  // namespace

int GroupRate(const OffsetRates& rates, int index) {
    if (index < 0 || index >= static_cast<int>(kGroupRates.size())) return 0;
    return rates.*kGroupRates[static_cast<std::size_t>(index)];
}

void SetGroupRate(OffsetRates& rates, int index, int rate) {
    if (index < 0 || index >= static_cast<int>(kGroupRates.size())) return;
    rates.*kGroupRates[static_cast<std::size_t>(index)] = rate;
}

const std::vector<std::string>& KeyCodeEntries() {
    // Keys by their number of fifths: D, G, F, C, B flat, A first.
    static constexpr int kFifths[] = {2, 1, -1, 0, -2, 3, -3, -4, -5, -6, -7, 4, 5, 6, 7};
    static const std::vector<std::string> entries = [] {
        std::vector<std::string> texts;
        for (const int fifths : kFifths) texts.push_back(KeyCodeOfFifths(fifths));
        return texts;
    }();
    return entries;
}

int KeyCodeIndex(const std::string& keyCodeBytes) {
    const std::vector<std::string>& entries = KeyCodeEntries();
    const auto found = std::find(entries.begin(), entries.end(), keyCodeBytes);
    return found == entries.end() ? -1 : static_cast<int>(found - entries.begin());
}

const std::array<const char*, 62>& ClickKeyEntries() {
    // The General MIDI names, translated like the other texts of this file.
    static const std::array<const char*, 62> entries = {
        SORVEL_TEXT_NOOP("SettingsValues", "27:High Q"),
        SORVEL_TEXT_NOOP("SettingsValues", "28:Slap"),
        SORVEL_TEXT_NOOP("SettingsValues", "29:Scratch Push"),
        SORVEL_TEXT_NOOP("SettingsValues", "30:Scratch Pull"),
        SORVEL_TEXT_NOOP("SettingsValues", "31:Sticks"),
        SORVEL_TEXT_NOOP("SettingsValues", "32:Square Click"),
        SORVEL_TEXT_NOOP("SettingsValues", "33:Metronome Click"),
        SORVEL_TEXT_NOOP("SettingsValues", "34:Metronome Bell"),
        SORVEL_TEXT_NOOP("SettingsValues", "35:Acoustic Bass Drum"),
        SORVEL_TEXT_NOOP("SettingsValues", "36:Bass Drum 1"),
        SORVEL_TEXT_NOOP("SettingsValues", "37:Side Stick"),
        SORVEL_TEXT_NOOP("SettingsValues", "38:Acoustic Snare"),
        SORVEL_TEXT_NOOP("SettingsValues", "39:Hand Clap"),
        SORVEL_TEXT_NOOP("SettingsValues", "40:Electric Snare"),
        SORVEL_TEXT_NOOP("SettingsValues", "41:Low Floor Tom"),
        SORVEL_TEXT_NOOP("SettingsValues", "42:Closed Hi-Hat"),
        SORVEL_TEXT_NOOP("SettingsValues", "43:High Floor Tom"),
        SORVEL_TEXT_NOOP("SettingsValues", "44:Pedal Hi-Hat"),
        SORVEL_TEXT_NOOP("SettingsValues", "45:Low Tom"),
        SORVEL_TEXT_NOOP("SettingsValues", "46:Open Hi-Hat"),
        SORVEL_TEXT_NOOP("SettingsValues", "47:Low-Mid Tom"),
        SORVEL_TEXT_NOOP("SettingsValues", "48:Hi-Mid Tom"),
        SORVEL_TEXT_NOOP("SettingsValues", "49:Crash Cymbal 1"),
        SORVEL_TEXT_NOOP("SettingsValues", "50:High Tom"),
        SORVEL_TEXT_NOOP("SettingsValues", "51:Ride Cymbal 1"),
        SORVEL_TEXT_NOOP("SettingsValues", "52:Chinese Cymbal"),
        SORVEL_TEXT_NOOP("SettingsValues", "53:Ride Bell"),
        SORVEL_TEXT_NOOP("SettingsValues", "54:Tambourine"),
        SORVEL_TEXT_NOOP("SettingsValues", "55:Splash Cymbal"),
        SORVEL_TEXT_NOOP("SettingsValues", "56:Cowbell"),
        SORVEL_TEXT_NOOP("SettingsValues", "57:Crash Cymbal 2"),
        SORVEL_TEXT_NOOP("SettingsValues", "58:Vibraslap"),
        SORVEL_TEXT_NOOP("SettingsValues", "59:Ride Cymbal 2"),
        SORVEL_TEXT_NOOP("SettingsValues", "60:Hi Bongo"),
        SORVEL_TEXT_NOOP("SettingsValues", "61:Low Bongo"),
        SORVEL_TEXT_NOOP("SettingsValues", "62:Mute Hi Conga"),
        SORVEL_TEXT_NOOP("SettingsValues", "63:Open Hi Conga"),
        SORVEL_TEXT_NOOP("SettingsValues", "64:Low Conga"),
        SORVEL_TEXT_NOOP("SettingsValues", "65:High Timbale"),
        SORVEL_TEXT_NOOP("SettingsValues", "66:Low Timbale"),
        SORVEL_TEXT_NOOP("SettingsValues", "67:High Agogo"),
        SORVEL_TEXT_NOOP("SettingsValues", "68:Low Agogo"),
        SORVEL_TEXT_NOOP("SettingsValues", "69:Cabasa"),
        SORVEL_TEXT_NOOP("SettingsValues", "70:Maracas"),
        SORVEL_TEXT_NOOP("SettingsValues", "71:Short Whistle"),
        SORVEL_TEXT_NOOP("SettingsValues", "72:Long Whistle"),
        SORVEL_TEXT_NOOP("SettingsValues", "73:Short Guiro"),
        SORVEL_TEXT_NOOP("SettingsValues", "74:Long Guiro"),
        SORVEL_TEXT_NOOP("SettingsValues", "75:Claves"),
        SORVEL_TEXT_NOOP("SettingsValues", "76:Hi Wood Block"),
        SORVEL_TEXT_NOOP("SettingsValues", "77:Low Wood Block"),
        SORVEL_TEXT_NOOP("SettingsValues", "78:Mute Cuica"),
        SORVEL_TEXT_NOOP("SettingsValues", "79:Open Cuica"),
        SORVEL_TEXT_NOOP("SettingsValues", "80:Mute Triangle"),
        SORVEL_TEXT_NOOP("SettingsValues", "81:Open Triangle"),
        SORVEL_TEXT_NOOP("SettingsValues", "82:Shaker"),
        SORVEL_TEXT_NOOP("SettingsValues", "83:Jingle Bell"),
        SORVEL_TEXT_NOOP("SettingsValues", "84:Bell Tree"),
        SORVEL_TEXT_NOOP("SettingsValues", "85:Castanets"),
        SORVEL_TEXT_NOOP("SettingsValues", "86:Mute Surdo"),
        SORVEL_TEXT_NOOP("SettingsValues", "87:Open Surdo"),
        SORVEL_TEXT_NOOP("SettingsValues", "88:Applause 2"),
    };
    return entries;
}

void ScaleAttachedMarks(TMusicSheet& page, int oldHeight, int newHeight) {
    if (oldHeight <= 0 || newHeight <= 0 || oldHeight == newHeight) return;
    // Positions are gathered first: each move re-sorts the page's item list.
    struct Move {
        TMusicItem* mark;
        int y;
    };
    std::vector<Move> moves;
    std::unordered_set<const TMusicItem*> seen;
    const double ratio = static_cast<double>(newHeight) / oldHeight;
    for (int i = 0; i < page.ItemCount(); ++i) {
        const TMusicItem* note = page.GetItem(i);
        if (note->Class() != ItemClass::Note) continue;
        for (TMusicItem* mark : note->Links()) {
            if (!mark->IsMark() || !seen.insert(mark).second) continue;
            const double dy = static_cast<double>(mark->PosY()) - note->PosY();
            moves.push_back({mark, RoundHalfEven(ratio * dy + note->PosY())});
        }
    }
    for (const Move& m : moves) m.mark->SetPosY(m.y);
}

}  // namespace sorvel
