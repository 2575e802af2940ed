// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The arithmetic and rules behind the settings dialog, without any widget:
// the checks of its number fields with their messages, the layout values
// derived from the page-property fields, the rate bands of the display
// position radio buttons, the key list, and the proportional move of marks
// when a page's note size changes.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/usertext.h"
#include "model/offsetrates.h"

namespace sorvel {

class LayoutSettings;
class TMusicSheet;
struct Preferences;

// The fields of the "ページプロパティ" panel as the dialog shows them: cells per
// bar is shown one less than the stored DivParBar.
struct PagePropertyFields {
    int noteFontSize = 0;
    int titleHeight = 0;
    int topSpace = 0;
    int bottomSpace = 0;
    int leftSpace = 0;
    int rightSpace = 0;
    int barParRow = 0;
    int divParBarShown = 0;
    int rowDivNum = 0;

    bool operator==(const PagePropertyFields&) const = default;
};

// The number fields of the "MIDI設定" panel that are checked, as shown
// (the rhythm channel 1-based).
struct MidiFields {
    int meloVelocity = 0;
    int rhythmChannelShown = 0;
    int clickHVelocity = 0;
    int clickLVelocity = 0;
};

// Every checked field of the dialog.
enum class SettingsField {
    PlayCount,
    NoteFontSize,
    TitleHeight,
    TopSpace,
    BottomSpace,
    LeftSpace,
    RightSpace,
    BarParRow,
    DivParBar,
    RowDivNum,
    MeloVelocity,
    RhythmChannel,
    ClickHVelocity,
    ClickLVelocity,
};

// The texts of this file (messages and group captions) are translated in
// this context.
inline constexpr char kSettingsValuesContext[] = "SettingsValues";

// The first bad field of a panel and its message.
struct FieldError {
    SettingsField field;
    UserText message;
};

// The metronome number of "曲情報": 0 (none) to 300.
std::optional<FieldError> CheckSongInfo(int playCount);

// "ページプロパティ": each field against its range (margins and title height up to
// a third of the page), then the layout the fields lead to: a grid step or a
// row step below one page unit would put every slot or every row on top of
// the one before, so such a combination is refused with the same kind of
// message, naming the field and the largest value that still fits.
std::optional<FieldError> CheckPageProperties(const PagePropertyFields& f, int pageWidth,
                                              int pageHeight);

std::optional<FieldError> CheckMidiFields(const MidiFields& f);

// The values a layout takes from the fields: grid cells per row, grid step
// and row step, and the left margin that makes the grid fill the row width
// exactly (the remainder of the division goes to the left margin).
struct DerivedLayout {
    int gridDivNum = 0;
    int gridSize = 0;
    int rowInterval = 0;
    int leftSpace = 0;

    bool operator==(const DerivedLayout&) const = default;
};
DerivedLayout DeriveLayout(const PagePropertyFields& f, int pageWidth, int pageHeight);

// Sets the layout of a book or page from checked fields through its setters
// (each change recorded): NoteFontSize, TitleHeight, TopSpace, BottomSpace,
// LeftSpace, RightSpace, BarParRow, DivParBar, RowDivNum, then GridDivNum,
// GridSize, RowInterval and the derived LeftSpace, then the eleven rates.
void ApplyPageProperties(LayoutSettings& target, const PagePropertyFields& f,
                         const OffsetRates& rates, int pageWidth, int pageHeight);
// The same for the defaults of new books in the preferences.
void ApplyDefaultPageProperties(Preferences& prefs, const PagePropertyFields& f,
                                const OffsetRates& rates, int pageWidth, int pageHeight);

// The fields as a book, page or the defaults hold them.
PagePropertyFields FieldsOf(const LayoutSettings& layout);
PagePropertyFields DefaultFieldsOf(const Preferences& prefs);

// The font size field's text: a number, or 16 for anything else.
int FontSizeFromText(std::string_view text);

// ---- "表示位置" ----

// The eleven groups in their order (index 0 to 10), with the glyph each shows
// in the preview.
struct DisplayPositionGroup {
    const char* caption;  // UTF-8, marked for translation in kSettingsValuesContext
    char glyph;           // music font code
};
const std::array<DisplayPositionGroup, 11>& DisplayPositionGroups();

// The rates of the seven radio buttons, top to bottom.
inline constexpr std::array<int, 7> kDisplayPositionRates = {320, 270, 220, 170, 120, -120, -170};

// The radio button rate whose band holds `rate`; none for rates between the
// bands (-119 to 119) or beyond -999 and 999.
std::optional<int> RateBand(int rate);

// The rate of group `index` (0 to 10) in a set of rates, and setting it.
int GroupRate(const OffsetRates& rates, int index);
void SetGroupRate(OffsetRates& rates, int index, int rate);

// ---- "曲情報" ----

// The entries of the key list as page key texts (CP932 bytes): the six keys
// of the erhu's usual tunings, then the other major keys, the flat keys and
// then the sharp keys, each by its number of accidentals.
const std::vector<std::string>& KeyCodeEntries();
// The entry that is exactly the page's key (CP932 bytes); -1 when none is.
int KeyCodeIndex(const std::string& keyCodeBytes);

// ---- "MIDI設定" ----

// The drum keys offered for the clicks, "27:High Q" to "88:Applause 2";
// entry i is key i + 27. The dialog shows them translated in the context
// "SettingsValues".
inline constexpr int kFirstClickKey = 27;
const std::array<const char*, 62>& ClickKeyEntries();

// ---- note size change of a page ----

// Moves every mark linked to a note of the page vertically so that its
// distance from the note keeps its proportion to the glyph size:
// y := round(newHeight / oldHeight * (y - note y) + note y), through the
// setter. A mark linked to several notes moves once, with the first of them
// in page order. Nothing moves when a height is not positive.
void ScaleAttachedMarks(TMusicSheet& page, int oldHeight, int newHeight);

}  // namespace sorvel
