// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/xmltext.h"

#include <cstddef>
#include <utility>

namespace sorvel::interchange {
namespace {

// The code point of the UTF-8 sequence at the start of `s` and its length; a
// code point of 0xFFFFFFFF for a malformed sequence (length at least 1).
std::pair<char32_t, std::size_t> Decode(std::string_view s) {
    constexpr char32_t kMalformed = 0xFFFFFFFF;
    const auto lead = static_cast<unsigned char>(s[0]);
    if (lead < 0x80) return {lead, 1};
    const std::size_t n = lead >= 0xC2 && lead < 0xE0   ? 2
                          : lead >= 0xE0 && lead < 0xF0 ? 3
                          : lead >= 0xF0 && lead < 0xF5 ? 4
                                                        : 0;
    if (n == 0 || n > s.size()) return {kMalformed, 1};
    char32_t c = lead & (0x7F >> n);
    for (std::size_t i = 1; i < n; ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if ((b & 0xC0) != 0x80) return {kMalformed, i};
        c = (c << 6) | (b & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[n] || c > 0x10FFFF) return {kMalformed, n};
    return {c, n};
}

// XML 1.0's Char production; surrogates are not characters at all.
bool IsXmlChar(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

}  // namespace

std::string XmlCharacters(std::string_view utf8, int& leftOut) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t at = 0;
    while (at < utf8.size()) {
        const auto [c, length] = Decode(utf8.substr(at));
        if (c == 0xD) {
            out += '\n';
            if (utf8.substr(at + 1).starts_with('\n')) ++at;
        } else if (IsXmlChar(c)) {
            out.append(utf8.substr(at, length));
        } else {
            ++leftOut;
        }
        at += length;
    }
    return out;
}

}  // namespace sorvel::interchange
