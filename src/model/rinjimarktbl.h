// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The accidentals in force within the bar being drawn, by numeral and octave.
#include <array>
#include <string>
#include <vector>

namespace sorvel {

struct TRinjiInfo {
    std::string content;  // the numeral, such as "3"
    int octave = 0;
    std::string rinji;  // "`" sharp, "a" flat, "b" natural, or empty
};

class TRinjiMarkTbl {
public:
    static constexpr int kMaxEntries = 29;

    void Clear() { count_ = 0; }
    int Count() const { return count_; }
    int Find(const std::string& content, int octave) const;
    // Records the accidental in force; a full table ignores every call.
    void Set(const std::string& content, int octave, const std::string& rinji);
    std::string Lookup(const std::string& content, int octave) const;

private:
    std::array<TRinjiInfo, 30> entries_{};
    int count_ = 0;
};

// The name of a pitch class (0 = C) in the spelling of a key code (0..15).
std::string NoteName(int keyCode, int pitch);

// The entry of a drop-down list to select for `text`: the first whose text,
// trimmed, equals the trimmed text; 0 when none does (-1 for an empty list).
int SelectByText(const std::vector<std::string>& entries, const std::string& text);

}  // namespace sorvel
