// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An INI document held in memory: ordered sections of "key=value" lines, looked
// up without letter case like the Windows profile calls. Lines it does not
// understand (comments, blank lines, text without "=") are kept as they stand,
// so rewriting a file loses nothing that another program or a person put in it.
//
// Reading accepts LF and CR LF line ends; writing always uses CR LF, the line
// end of the format's home platform. Values are trimmed and a pair of matching
// quotes around a value is removed, as the profile calls do; writing adds the
// quotes back where a value would otherwise not read back the same.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorvel {

class TIniFile {
public:
    TIniFile() = default;

    // Parses the bytes of a file. Never fails: any byte sequence is some document.
    static TIniFile Parse(std::string_view text);

    // Reads `path`. A missing file gives an empty document and true; a file
    // that exists but cannot be read (a folder, a pipe, more than 16 MB) gives
    // false and a message in `error`.
    static bool Load(const std::string& path, TIniFile& out, std::string* error);

    // The value of the first `key` of the first section `section`, or nothing.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

    // Replaces the first such key's value, or appends the key to the section
    // (appending the section when it is missing). A value holding CR or LF
    // cannot be stored in a line and is refused (false, nothing changed).
    bool SetValue(std::string_view section, std::string_view key, std::string_view value);

    // Removes every `key` of every section `section`.
    void RemoveKey(std::string_view section, std::string_view key);

    // The document as file bytes, CR LF line ends.
    std::string Text() const;

    // Writes Text() to `path` atomically: a temporary file in the same folder
    // is written, flushed to disk and renamed over `path`, so a failure at any
    // point leaves the old file whole. Missing parent folders are created.
    bool Save(const std::string& path, std::string* error) const;

private:
    struct Line {
        std::string key;   // empty for a line kept as it stands
        std::string text;  // the whole line without its line end
    };
    struct Section {
        std::string name;
        bool hasHeader = true;  // false for the lines before the first header
        std::vector<Line> lines;
    };

    Section* FindSection(std::string_view name);
    const Section* FindSection(std::string_view name) const;

    std::vector<Section> sections_;
};

}  // namespace sorvel
