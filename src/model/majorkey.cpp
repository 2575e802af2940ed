// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/majorkey.h"

#include <algorithm>
#include <string_view>

#include "base/cp932.h"

namespace sorvel {
namespace {

constexpr int kLetterSemitone[7] = {0, 2, 4, 5, 7, 9, 11};
constexpr const char* kFullWidthLetter[7] = {"Ｃ", "Ｄ", "Ｅ", "Ｆ", "Ｇ", "Ａ", "Ｂ"};
constexpr const char* kFullWidthDigit[8] = {"０", "１", "２", "３", "４", "５", "６", "７"};
constexpr int kOpenStringD = 2;
constexpr int kOpenStringA = 9;

int Mod12(int v) {
    return ((v % 12) + 12) % 12;
}

}  // namespace

Tonic TonicOfFifths(int fifths) {
    fifths = std::clamp(fifths, -7, 7);
    // Along the circle of fifths the letter steps by four (a fifth up) and
    // the alter changes once the seven naturals F C G D A E B are used up.
    const int fromF = fifths + 1;                  // F = 0, C = 1, … B = 6, F# = 7
    const int letter = (3 + 4 * (fromF + 7)) % 7;  // F is letter 3
    const int alter = fromF >= 7 ? 1 : (fromF < 0 ? -1 : 0);
    return {letter, alter, Mod12(kLetterSemitone[letter] + alter)};
}

int DegreeInKey(const Tonic& tonic, int pitchClass) {
    for (int d = 0; d < 7; ++d) {
        if (Mod12(tonic.semitone + kMajorScale[d]) == Mod12(pitchClass)) return d + 1;
    }
    return 0;
}

std::string KeyCodeOfFifths(int fifths) {
    const Tonic t = TonicOfFifths(fifths);
    std::string text = "１＝";
    if (t.alter < 0) text += "♭";
    if (t.alter > 0) text += "♯";
    text += kFullWidthLetter[t.letter];
    if (t.alter == 0) text += "　";
    text += "（";
    const int d = DegreeInKey(t, kOpenStringD);
    const int a = DegreeInKey(t, kOpenStringA);
    if (d != 0 && a != 0) {
        text += kFullWidthDigit[d];
        text += kFullWidthDigit[a];
    }
    text += "弦）";
    return cp932::FromUtf8(text);
}

std::optional<Tonic> TonicOfKeyCode(const std::string& keyCode) {
    std::string_view rest = keyCode;
    auto take = [&rest](const char* utf8) {
        const std::string bytes = cp932::FromUtf8(utf8);
        if (rest.substr(0, bytes.size()) != bytes) return false;
        rest.remove_prefix(bytes.size());
        return true;
    };
    if (!take("１＝")) return std::nullopt;
    int alter = 0;
    if (take("♭"))
        alter = -1;
    else if (take("♯"))
        alter = 1;
    for (int letter = 0; letter < 7; ++letter) {
        if (!take(kFullWidthLetter[letter])) continue;
        if (alter == 0 && !take("　")) return std::nullopt;
        if (!take("（")) return std::nullopt;
        return Tonic{letter, alter, Mod12(kLetterSemitone[letter] + alter)};
    }
    return std::nullopt;
}

std::optional<int> FifthsOfKeyCode(const std::string& keyCode) {
    const std::optional<Tonic> t = TonicOfKeyCode(keyCode);
    if (!t) return std::nullopt;
    for (int f = -7; f <= 7; ++f) {
        const Tonic k = TonicOfFifths(f);
        if (k.letter == t->letter && k.alter == t->alter) return f;
    }
    return std::nullopt;  // a tonic no key signature has (♭Ｆ, ♯Ｅ, …)
}

}  // namespace sorvel
