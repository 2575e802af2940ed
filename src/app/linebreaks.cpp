// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/linebreaks.h"

namespace sorvel {
namespace {

// One code point of UTF-8 text: where it starts, how long it is, its value.
// A broken sequence is taken byte by byte.
struct CodePoint {
    size_t start;
    size_t length;
    char32_t value;
};

CodePoint Decode(std::string_view text, size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (length == 1 || at + length > text.size()) return {at, 1, lead};
    char32_t value = lead & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[at + k]);
        if ((next & 0xC0) != 0x80) return {at, 1, lead};
        value = (value << 6) | (next & 0x3F);
    }
    return {at, length, value};
}

// East Asian wide and fullwidth characters.
bool IsWide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF && c != 0x303F) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

// Characters a line may not start with, and ones it may not end with.
bool ClosesPhrase(char32_t c) {
    return std::u32string_view(U"、。，．）」』】〕！？：；・ー").find(c) !=
           std::u32string_view::npos;
}

bool OpensPhrase(char32_t c) {
    return std::u32string_view(U"（「『【〔").find(c) != std::u32string_view::npos;
}

}  // namespace

std::vector<LinePiece> SplitAtBreaks(std::string_view text) {
    std::vector<LinePiece> pieces;
    bool space = false;
    bool afterOpening = false;
    bool afterWide = false;
    for (size_t at = 0; at < text.size();) {
        const CodePoint cp = Decode(text, at);
        at += cp.length;
        if (cp.value == ' ') {
            space = true;
            continue;
        }
        const bool wide = IsWide(cp.value);
        const bool breakBefore = pieces.empty() || space ||
                                 (!afterOpening && !ClosesPhrase(cp.value) && (wide || afterWide));
        if (breakBefore) pieces.push_back({{}, 0, space && !pieces.empty()});
        pieces.back().text.append(text.substr(cp.start, cp.length));
        pieces.back().columns += wide ? 2 : 1;
        afterOpening = OpensPhrase(cp.value);
        afterWide = wide;
        space = false;
    }
    return pieces;
}

}  // namespace sorvel
