// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/conversion/keyoffset.h"

#include <array>
#include <optional>
#include <utility>

#include "base/cp932.h"
#include "base/text.h"
#include "model/majorkey.h"
#include "model/musicsheet.h"
#include "playback/conversion/playitems.h"

namespace sorvel {

int KeyOffset(const std::string& keyCode) {
    // The key texts are stored as CP932 bytes; compare them as such.
    static const std::array<std::pair<std::string, int>, 7> kKeys = {{
        {cp932::FromUtf8("１＝Ｃ　（２６弦）"), 0},
        {cp932::FromUtf8("１＝♭Ｅ（弦）"), 3},
        {cp932::FromUtf8("１＝Ｅ　（弦）"), 4},
        {cp932::FromUtf8("１＝Ｆ　（６３弦）"), 5},
        {cp932::FromUtf8("１＝Ｇ　（５２弦）"), 7},
        {cp932::FromUtf8("１＝Ａ　（４１弦）"), 9},
        {cp932::FromUtf8("１＝♭Ｂ（３７弦）"), 10},
    }};
    for (const auto& [text, offset] : kKeys) {
        if (keyCode == text) return offset;
    }
    // Other texts of the same form ("１＝♭Ａ（弦）", "１＝Ｂ　（弦）", as imported
    // scores carry them) play in the key they name.
    if (const std::optional<Tonic> tonic = TonicOfKeyCode(keyCode)) return tonic->semitone;
    return 2;
}

const std::string& KeyCodeInForce(const TMusicSheet& page) {
    if (!Trim(page.KeyCode()).empty()) return page.KeyCode();
    return PieceFirstPage(page).KeyCode();
}

int KeyOffset(const TMusicSheet& page) {
    return KeyOffset(KeyCodeInForce(page));
}

}  // namespace sorvel
