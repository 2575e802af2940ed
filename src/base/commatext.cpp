// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/commatext.h"

#include "base/cp932.h"

namespace sorvel {
namespace {

bool IsBlank(char c) {
    return c != '\0' && static_cast<unsigned char>(c) <= 0x20;
}

bool NeedsQuotes(std::string_view line) {
    for (size_t i = 0; i < line.size(); i += cp932::CharLength(line, i)) {
        char c = line[i];
        if (static_cast<unsigned char>(c) <= 0x20 || c == '"' || c == ',') return true;
    }
    return false;
}

// Doubles the quotes inside, stepping over double-byte characters whole as
// the reader does, so that a damaged pair never gains a quote.
std::string Quote(std::string_view line) {
    std::string out = "\"";
    for (size_t i = 0; i < line.size();) {
        size_t len = cp932::CharLength(line, i);
        if (len == 1 && line[i] == '"') out += '"';
        out.append(line.substr(i, len));
        i += len;
    }
    out += '"';
    return out;
}

}  // namespace

std::string JoinCommaText(const std::vector<std::string>& lines) {
    if (lines.size() == 1 && lines[0].empty()) return "\"\"";
    std::string out;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i) out += ',';
        out += NeedsQuotes(lines[i]) ? Quote(lines[i]) : lines[i];
    }
    return out;
}

std::vector<std::string> SplitCommaText(std::string_view text) {
    // A NUL byte ends the text, as it would end a C string.
    if (auto nul = text.find('\0'); nul != std::string_view::npos) text = text.substr(0, nul);
    std::vector<std::string> lines;
    size_t p = 0;
    const size_t n = text.size();
    while (p < n && IsBlank(text[p])) ++p;
    while (p < n) {
        std::string entry;
        if (text[p] == '"') {
            ++p;
            while (p < n) {
                if (text[p] == '"') {
                    if (p + 1 < n && text[p + 1] == '"') {
                        entry += '"';
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                size_t len = cp932::CharLength(text, p);
                entry.append(text.substr(p, len));
                p += len;
            }
        } else {
            size_t start = p;
            while (p < n && !IsBlank(text[p]) && text[p] != ',') p += cp932::CharLength(text, p);
            entry.assign(text.substr(start, p - start));
        }
        lines.push_back(std::move(entry));
        while (p < n && IsBlank(text[p])) ++p;
        if (p < n && text[p] == ',') {
            if (p + 1 == n) lines.emplace_back();
            do {
                ++p;
            } while (p < n && IsBlank(text[p]));
        }
    }
    return lines;
}

}  // namespace sorvel
