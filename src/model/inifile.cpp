// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/inifile.h"

#include <cerrno>
#include <system_error>

#include "base/atomicfile.h"
#include "base/readfile.h"
#include "base/text.h"

namespace sorvel {
namespace {

// Far beyond any settings file; a larger one is refused rather than read.
constexpr std::size_t kMaxFileBytes = 16u << 20;

std::string ErrnoText(const std::string& what, int err) {
    return what + ": " + std::generic_category().message(err);
}

// The value part of a "key=value" line as the profile calls return it.
std::string ValueOf(std::string_view line) {
    std::string_view v = Trim(line.substr(line.find('=') + 1));
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return std::string(v);
}

// Quotes a value whose outer blanks or outer quotes the reader would strip.
std::string StoredForm(std::string_view value) {
    if (value.empty()) return {};
    const bool blankAtEnd = static_cast<unsigned char>(value.front()) <= 0x20 ||
                            static_cast<unsigned char>(value.back()) <= 0x20;
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    if (blankAtEnd || quoted) return "\"" + std::string(value) + "\"";
    return std::string(value);
}

}  // namespace

TIniFile TIniFile::Parse(std::string_view text) {
    TIniFile ini;
    ini.sections_.push_back(Section{{}, false, {}});
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

        const std::string_view t = Trim(line);
        if (!t.empty() && t.front() == '[') {
            const size_t close = t.find(']');
            const std::string_view name =
                Trim(t.substr(1, close == std::string_view::npos ? t.npos : close - 1));
            ini.sections_.push_back(Section{std::string(name), true, {}});
            continue;
        }
        Line l;
        l.text = std::string(line);
        const size_t eq = line.find('=');
        if (!t.empty() && t.front() != ';' && eq != std::string_view::npos)
            l.key = std::string(Trim(line.substr(0, eq)));
        ini.sections_.back().lines.push_back(std::move(l));
    }
    return ini;
}

bool TIniFile::Load(const std::string& path, TIniFile& out, std::string* error) {
    std::string data;
    if (const int err = ReadFileBytes(path, kMaxFileBytes, data)) {
        if (err == ENOENT) {
            out = TIniFile();
            return true;
        }
        if (error) *error = ErrnoText(path, err);
        return false;
    }
    out = Parse(data);
    return true;
}

TIniFile::Section* TIniFile::FindSection(std::string_view name) {
    for (Section& s : sections_)
        if (s.hasHeader && EqualsNoCase(s.name, name)) return &s;
    return nullptr;
}

const TIniFile::Section* TIniFile::FindSection(std::string_view name) const {
    for (const Section& s : sections_)
        if (s.hasHeader && EqualsNoCase(s.name, name)) return &s;
    return nullptr;
}

std::optional<std::string> TIniFile::Value(std::string_view section, std::string_view key) const {
    const Section* s = FindSection(section);
    if (!s) return std::nullopt;
    for (const Line& l : s->lines)
        if (!l.key.empty() && EqualsNoCase(l.key, key)) return ValueOf(l.text);
    return std::nullopt;
}

bool TIniFile::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    if (value.find_first_of("\r\n") != std::string_view::npos) return false;
    const std::string text = std::string(key) + "=" + StoredForm(value);
    Section* s = FindSection(section);
    if (!s) {
        sections_.push_back(Section{std::string(section), true, {}});
        s = &sections_.back();
    }
    for (Line& l : s->lines) {
        if (!l.key.empty() && EqualsNoCase(l.key, key)) {
            l.key = std::string(key);
            l.text = text;
            return true;
        }
    }
    // New keys go after the section's last key, ahead of the blank lines that
    // usually separate it from the next section.
    auto at = s->lines.end();
    while (at != s->lines.begin() && Trim((at - 1)->text).empty()) --at;
    s->lines.insert(at, Line{std::string(key), text});
    return true;
}

void TIniFile::RemoveKey(std::string_view section, std::string_view key) {
    for (Section& s : sections_) {
        if (!s.hasHeader || !EqualsNoCase(s.name, section)) continue;
        std::erase_if(s.lines,
                      [&](const Line& l) { return !l.key.empty() && EqualsNoCase(l.key, key); });
    }
}

std::string TIniFile::Text() const {
    std::string out;
    for (const Section& s : sections_) {
        if (s.hasHeader) out += "[" + s.name + "]\r\n";
        for (const Line& l : s.lines) out += l.text + "\r\n";
    }
    return out;
}

bool TIniFile::Save(const std::string& path, std::string* error) const {
    if (int err = WriteFileAtomically(path, Text(), {.createFolders = true})) {
        if (error) *error = ErrnoText(path, err);
        return false;
    }
    return true;
}

}  // namespace sorvel
