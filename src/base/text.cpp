// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/text.h"

#include <climits>

namespace sorvel {

std::string_view Trim(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= 0x20) ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= 0x20) --e;
    return s.substr(b, e - b);
}

std::string IntToStr(long long value) {
    return std::to_string(value);
}

bool TryStrToInt(std::string_view s, int& out) {
    size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
    if (i >= s.size()) return false;
    // The magnitude may reach 2^31, the size of the smallest int.
    constexpr long long kLimit = static_cast<long long>(INT_MAX) + 1;
    long long value = 0;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
        if (value > kLimit) return false;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return false;
    out = static_cast<int>(value);
    return true;
}

int StrToIntDef(std::string_view s, int fallback) {
    int v;
    return TryStrToInt(s, v) ? v : fallback;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

}  // namespace sorvel
